// The carrier's deck furniture, laid out once at start-up in the carrier's
// own axes: the paint of the landing area and the catapult track, the
// glide-slope bars and deck lights, the arresting wires and the elevators.
#include "view/view.h"

#include "flight/flight.h"

constexpr int PAINT = 80, TRACK = 81;
constexpr int EDGE_LIGHT = 59, CENTRE_LIGHT = 60, DROP_LIGHT = 60, BOW_LIGHT = 30;
constexpr float LANDING_HALF_W = 13.0f;     // m, the landing area either side of the centre line
constexpr float LANDING_AFT = -148.0f, LANDING_FWD = -10.0f;
constexpr float LINE_HALF_W = 0.5f, DASH_LEN = 6.0f, DASH_STEP = 12.0f;
constexpr float TRACK_HALF_W = 0.6f;
constexpr float EDGE_LIGHT_STEP = 8.0f, CENTRE_LIGHT_STEP = 10.0f;
constexpr int DROP_LIGHTS = 8;
constexpr float DROP_STEP = 1.5f;
constexpr float VASI_X = -37.5f, VASI_SPACING = 1.0f, VASI_LOWER_Z = 1.0f, VASI_UPPER_Z = 2.5f;

static void add_mark(float x1, float y1, float x2, float y2, int color)
{
    if (car.nmark >= MAX_CAR_MARKS)
        return;
    int m = car.nmark++;
    const float xs[4] = {x1, x2, x2, x1}, ys[4] = {y1, y1, y2, y2};
    for (int k = 0; k < 4; k++) {
        car.markx[m][k] = xs[k];
        car.marky[m][k] = ys[k];
    }
    car.markcol[m] = color;
}

static void add_light(float x, float y, float z, int color)
{
    if (car.nlight >= MAX_CAR_LIGHTS)
        return;
    int k = car.nlight++;
    car.lightx[k] = x;
    car.lighty[k] = y;
    car.lightz[k] = z;
    car.lightcol[k] = color;
}

void build_mark()
{
    car.nmark = 0;
    for (int side = -1; side <= 1; side += 2) {   // the landing area's edge lines
        float x = side * LANDING_HALF_W;
        add_mark(x - LINE_HALF_W, LANDING_AFT, x + LINE_HALF_W, LANDING_FWD, PAINT);
    }
    for (float y = LANDING_AFT + 3.0f; y + DASH_LEN <= LANDING_FWD; y += DASH_STEP)
        add_mark(-LINE_HALF_W, y, LINE_HALF_W, y + DASH_LEN, PAINT);
    add_mark(-TRACK_HALF_W, -CAT_AFT, TRACK_HALF_W, CAT_RUN_M - CAT_AFT, TRACK);
    add_mark(-LANDING_HALF_W, -CAT_AFT - 2.0f, LANDING_HALF_W, -CAT_AFT - 1.0f, PAINT);   // the foul line
}

void build_vasi()
{
    float y = 0.5f * (CARR_WIRE_Y[1] + CARR_WIRE_Y[2]);
    for (int k = 0; k < CAR_VASI_LIGHTS; k++) {
        int bar = k >= CAR_VASI_LIGHTS / 2;
        car.vasix[k] = VASI_X + (k % (CAR_VASI_LIGHTS / 2)) * VASI_SPACING;
        car.vasiy[k] = y;
        car.vasiz[k] = bar ? VASI_UPPER_Z : VASI_LOWER_Z;
        car.vasibar[k] = bar;
    }
    car.nlight = 0;
    for (float ly = LANDING_AFT; ly <= LANDING_FWD; ly += EDGE_LIGHT_STEP) {
        add_light(-LANDING_HALF_W - 1.0f, ly, 0.2f, EDGE_LIGHT);
        add_light(LANDING_HALF_W + 1.0f, ly, 0.2f, EDGE_LIGHT);
    }
    for (float ly = LANDING_AFT + 5.0f; ly <= LANDING_FWD; ly += CENTRE_LIGHT_STEP)
        add_light(0.0f, ly, 0.1f, CENTRE_LIGHT);
    for (int k = 0; k < DROP_LIGHTS; k++)   // down the stern, lining up the centre line
        add_light(0.0f, -CARR_HALF_LEN, -1.0f - k * DROP_STEP, DROP_LIGHT);
    add_light(-15.0f, CARR_HALF_LEN, 0.2f, BOW_LIGHT);
    add_light(15.0f, CARR_HALF_LEN, 0.2f, BOW_LIGHT);
}

void build_cable()
{
    for (int w = 0; w < CAR_CABLES && w < CARR_WIRES; w++) {
        car.cablex[w][0] = -CARR_WIRE_HALF;
        car.cablex[w][1] = CARR_WIRE_HALF;
        car.cabley[w][0] = car.cabley[w][1] = CARR_WIRE_Y[w];
    }
}

void build_elev()
{
    // Two on the starboard edge either side of the island, one to port aft.
    static const float X[CAR_ELEVATORS][2] = {{23.0f, 35.0f}, {23.0f, 35.0f}, {-35.0f, -23.0f}};
    static const float Y[CAR_ELEVATORS][2] = {{28.0f, 44.0f}, {-50.0f, -36.0f}, {-70.0f, -56.0f}};
    for (int e = 0; e < CAR_ELEVATORS; e++) {
        const float xs[4] = {X[e][0], X[e][1], X[e][1], X[e][0]}, ys[4] = {Y[e][0], Y[e][0], Y[e][1], Y[e][1]};
        for (int k = 0; k < 4; k++) {
            car.elevx[e][k] = xs[k];
            car.elevy[e][k] = ys[k];
        }
    }
}
