// The moving objects that stand in terrain cells: the small ships, the
// aircraft carrier and the ten traffic aircraft, each a few convex solids
// in its own axes placed through xfrm_BOAT and shaded by the direction of
// each face, with their lights after dusk.
#include "view/local.h"

#include <cmath>

#include "flight/flight.h"

constexpr int LIGHT_GREY = 80, MID_GREY = 81, DARK_GREY = 82;
constexpr int RED = 30, WHITE = 55, GREEN = 57, RWY_WHITE = 59;
// Sunlight from high in the south-east (unit vector towards the sun);
// faces turned to it take the lightest shade.
constexpr float SUN[3] = {0.35f, -0.45f, 0.82f};
constexpr float LIT = 0.3f, HALF_LIT = -0.3f;
constexpr float MARK_LIFT_M = 0.05f;        // paint lies on the deck, drawn just above it
constexpr float WIRE_LIFT_M = 0.3f;
constexpr int BEACON_PERIOD = 20;           // traffic beacons flash once a second

// ---------------------------------------------------------------- faces

void place_object(float x, float y, float z, float hdg_deg)
{
    con.BOAT_loc_x = x;
    con.BOAT_loc_y = y;
    con.BOAT_loc_z = z;
    float h = hdg_deg * con.degtorad;
    con.sinBOATpsi = sinf(h);
    con.cosBOATpsi = cosf(h);
    con.sinBOATthe = con.sinBOATphi = 0.0f;
    con.cosBOATthe = con.cosBOATphi = 1.0f;
}

// A face of n corners in the object's axes, drawn when its outer side (away
// from `inside`) faces the camera, in `lightest` or one or two shades
// darker (not past dark grey) as it turns from the sun.
static void body_face(int lightest, const float p[][3], int n, const float inside[3], int shade)
{
    float w[4][3], c[4][3], in[3];
    for (int k = 0; k < n; k++)
        xfrm_BOAT(p[k][0], p[k][1], p[k][2], &w[k][0], &w[k][1], &w[k][2]);
    xfrm_BOAT(inside[0], inside[1], inside[2], &in[0], &in[1], &in[2]);
    float a[3], b[3], nrm[3];
    for (int k = 0; k < 3; k++) {
        a[k] = w[1][k] - w[0][k];
        b[k] = w[n - 1][k] - w[0][k];
    }
    nrm[0] = a[1] * b[2] - a[2] * b[1];
    nrm[1] = a[2] * b[0] - a[0] * b[2];
    nrm[2] = a[0] * b[1] - a[1] * b[0];
    float out = nrm[0] * (w[0][0] - in[0]) + nrm[1] * (w[0][1] - in[1]) + nrm[2] * (w[0][2] - in[2]);
    if (out < 0.0f)
        for (float &v : nrm)
            v = -v;
    float eye = nrm[0] * (con.VIEW_loc_x - w[0][0]) + nrm[1] * (con.VIEW_loc_y - w[0][1]) +
                nrm[2] * (con.VIEW_loc_z - w[0][2]);
    if (!(eye > 0.0f))
        return;
    int color = lightest;
    if (shade) {
        float len = sqrtf(nrm[0] * nrm[0] + nrm[1] * nrm[1] + nrm[2] * nrm[2]);
        float lit = len > 0.0f ? (nrm[0] * SUN[0] + nrm[1] * SUN[1] + nrm[2] * SUN[2]) / len : 0.0f;
        color = intmin2(lightest + (lit > LIT ? 0 : lit > HALF_LIT ? 1 : 2), DARK_GREY);
    }
    for (int k = 0; k < n; k++)
        to_camera(w[k][0], w[k][1], w[k][2], c[k]);
    int clip = !all_on_screen(c, n);
    if (n == 3)
        manage_poly3(color, c[0], c[1], c[2], clip, 0);
    else
        manage_poly4(color, c[0], c[1], c[2], c[3], clip, 0);
}

void poly3_normal(int lightest, const float p[3][3], const float inside[3]) { body_face(lightest, p, 3, inside, 1); }

void poly4_normal(int lightest, const float p[4][3], const float inside[3]) { body_face(lightest, p, 4, inside, 1); }

void deck_poly4(int color, const float p[4][3])
{
    float w[4][3], c[4][3];
    for (int k = 0; k < 4; k++)
        xfrm_BOAT(p[k][0], p[k][1], p[k][2], &w[k][0], &w[k][1], &w[k][2]);
    if (!(con.VIEW_loc_z > w[0][2]))
        return;   // a deck is only seen from above
    for (int k = 0; k < 4; k++)
        to_camera(w[k][0], w[k][1], w[k][2], c[k]);
    // Standing on a deck that fills the view paints all of it.
    manage_poly4(color, c[0], c[1], c[2], c[3], !all_on_screen(c, 4), 1);
}

// An upright solid: an outline of n points (u, v) swept from lo to hi along
// axis 2 (u, v are x, y) or axis 0 (u, v are y, z); sides always, the two
// ends when `ends` is set.
struct Solid {
    int axis, n;
    float u[8], v[8];
    float lo, hi;
    int color, ends;
};

static void solid_point(const Solid &s, int k, float w, float out[3])
{
    if (s.axis == 2) {
        out[0] = s.u[k]; out[1] = s.v[k]; out[2] = w;
    } else {
        out[0] = w; out[1] = s.u[k]; out[2] = s.v[k];
    }
}

static void draw_solid(const Solid &s, float dz)
{
    float inside[3] = {0, 0, 0};
    for (int k = 0; k < s.n; k++) {
        float p[3];
        solid_point(s, k, 0.5f * (s.lo + s.hi), p);
        for (int a = 0; a < 3; a++)
            inside[a] += p[a] / s.n;
    }
    inside[2] += dz;
    for (int k = 0; k < s.n; k++) {
        float q[4][3];
        int m = (k + 1) % s.n;
        solid_point(s, k, s.lo, q[0]);
        solid_point(s, m, s.lo, q[1]);
        solid_point(s, m, s.hi, q[2]);
        solid_point(s, k, s.hi, q[3]);
        for (auto &c : q)
            c[2] += dz;
        poly4_normal(s.color, q, inside);
    }
    if (!s.ends)
        return;
    for (int e = 0; e < 2; e++)
        for (int k = 1; k + 1 < s.n; k++) {   // a fan over the convex outline
            float q[3][3];
            solid_point(s, 0, e ? s.hi : s.lo, q[0]);
            solid_point(s, k, e ? s.hi : s.lo, q[1]);
            solid_point(s, k + 1, e ? s.hi : s.lo, q[2]);
            for (auto &c : q)
                c[2] += dz;
            poly3_normal(s.color, q, inside);
        }
}

// A box from (x1, y1, z1) to (x2, y2, z2) in the object's axes.
static Solid box(float x1, float y1, float z1, float x2, float y2, float z2, int color)
{
    return Solid{2, 4, {x1, x2, x2, x1}, {y1, y1, y2, y2}, z1, z2, color, 1};
}

// A point light of the object at (x, y, z) in its axes.
static void object_light(int index, float x, float y, float z, int color)
{
    float w[3];
    xfrm_BOAT(x, y, z, &w[0], &w[1], &w[2]);
    show_light(index, w[0], w[1], w[2], color);
}

// A flat deck-level quadrilateral from outline points in the object's axes.
static void deck_quad(int color, const float x[4], const float y[4], float z)
{
    float q[4][3];
    for (int k = 0; k < 4; k++) {
        q[k][0] = x[k]; q[k][1] = y[k]; q[k][2] = z;
    }
    deck_poly4(color, q);
}

// ---------------------------------------------------------------- the small ships

// A frigate: hull, deck with its landing square at the stern, the
// superstructure, bridge, funnel and mast.
void draw_boat(int i, int j)
{
    float x, y, deck, hdg;
    ship_place(i, j, 0, &x, &y, &deck, &hdg);
    float water = deck - SHIP_DECK, hb = SHIP_HALF_BEAM, hl = SHIP_HALF_LEN;
    place_object(x, y, water, hdg);
    const Solid hull = {2, 5, {-hb, hb, hb, 0.0f, -hb}, {-hl, -hl, 0.5f * hl, hl, 0.5f * hl}, 0.0f, SHIP_DECK, MID_GREY, 0};
    const Solid rest[4] = {box(-5.0f, -20.0f, SHIP_DECK, 5.0f, 15.0f, 13.0f, LIGHT_GREY),
                           box(-4.0f, 8.0f, 13.0f, 4.0f, 15.0f, 17.0f, LIGHT_GREY),
                           box(-2.0f, -10.0f, 13.0f, 2.0f, -4.0f, 19.0f, MID_GREY),
                           box(-0.6f, 3.0f, 17.0f, 0.6f, 4.5f, 28.0f, MID_GREY)};
    int above = con.VIEW_loc_z > deck;
    if (above)
        draw_solid(hull, 0.0f);
    static const float DX[2][4] = {{-SHIP_HALF_BEAM, SHIP_HALF_BEAM, SHIP_HALF_BEAM, -SHIP_HALF_BEAM},
                                   {-SHIP_HALF_BEAM, SHIP_HALF_BEAM, 0.0f, 0.0f}};
    static const float DY[2][4] = {{-SHIP_HALF_LEN, -SHIP_HALF_LEN, 0.5f * SHIP_HALF_LEN, 0.5f * SHIP_HALF_LEN},
                                   {0.5f * SHIP_HALF_LEN, 0.5f * SHIP_HALF_LEN, SHIP_HALF_LEN, SHIP_HALF_LEN}};
    for (int k = 0; k < 2; k++)
        deck_quad(DARK_GREY, DX[k], DY[k], SHIP_DECK);
    static const float PX[4] = {-5.0f, 5.0f, 5.0f, -5.0f}, PY[4] = {-57.0f, -57.0f, -45.0f, -45.0f};
    deck_quad(MID_GREY, PX, PY, SHIP_DECK + MARK_LIFT_M);
    if (!above)
        draw_solid(hull, 0.0f);
    for (const Solid &s : rest)
        draw_solid(s, 0.0f);
    if (scn.draw_lights) {
        object_light(0, -4.0f, 12.0f, 16.0f, RED);     // port
        object_light(1, 4.0f, 12.0f, 16.0f, GREEN);    // starboard
        object_light(2, 0.0f, 3.7f, 28.5f, WHITE);     // masthead
        object_light(3, 0.0f, -hl, SHIP_DECK, WHITE);  // stern
    }
}

// ---------------------------------------------------------------- the carrier

// The glide-slope bars beside the wires: the lower turns red below 3
// degrees, the upper below 4, so on the 3.5-degree slope the pilot sees
// red over white, and all red when low.
constexpr float VASI_LOWER_DEG = CARR_GLIDE_DEG - 0.5f, VASI_UPPER_DEG = CARR_GLIDE_DEG + 0.5f;

static void carrier_vasi(float deck)
{
    float w[3];
    xfrm_BOAT(car.vasix[0], car.vasiy[0], deck, &w[0], &w[1], &w[2]);
    float dist = sqrtf(sqr(con.VIEW_loc_x - w[0]) + sqr(con.VIEW_loc_y - w[1]));
    float a = atan2f(con.VIEW_loc_z - w[2], fmaxf(dist, 1.0f)) * con.radtodeg;
    for (int k = 0; k < CAR_VASI_LIGHTS; k++) {
        float limit = car.vasibar[k] ? VASI_UPPER_DEG : VASI_LOWER_DEG;
        object_light(k, car.vasix[k], car.vasiy[k], deck + car.vasiz[k], a < limit ? RED : WHITE);
    }
}

void draw_carrier(int i, int j)
{
    float x, y, deck, hdg;
    ship_place(i, j, 1, &x, &y, &deck, &hdg);
    float water = deck - CARR_DECK, top = CARR_DECK, slab = CARR_DECK - 1.5f;
    place_object(x, y, water, hdg);
    const Solid hull = {2, 5, {-20.0f, 20.0f, 22.0f, 0.0f, -22.0f}, {-140.0f, -140.0f, 60.0f, 150.0f, 60.0f},
                        0.0f, slab, MID_GREY, 0};
    const Solid edge = {2, 8, {-30.0f, 30.0f, 35.0f, 35.0f, 15.0f, -15.0f, -35.0f, -35.0f},
                        {-150.0f, -150.0f, -20.0f, 60.0f, 150.0f, 150.0f, 60.0f, -20.0f}, slab, top, MID_GREY, 0};
    int above = con.VIEW_loc_z > deck;
    if (above) {
        draw_solid(hull, 0.0f);
        draw_solid(edge, 0.0f);
    }
    // The flight deck in three pieces, then what is painted on it.
    static const float DX[3][4] = {{-30, 30, 35, -35}, {-35, 35, 35, -35}, {-35, 35, 15, -15}};
    static const float DY[3][4] = {{-150, -150, -20, -20}, {-20, -20, 60, 60}, {60, 60, 150, 150}};
    for (int k = 0; k < 3; k++)
        deck_quad(DARK_GREY, DX[k], DY[k], top);
    for (int e = 0; e < CAR_ELEVATORS; e++)
        deck_quad(MID_GREY, car.elevx[e], car.elevy[e], top + MARK_LIFT_M);
    for (int m = 0; m < car.nmark && m < MAX_CAR_MARKS; m++)
        deck_quad(car.markcol[m], car.markx[m], car.marky[m], top + 2.0f * MARK_LIFT_M);
    float l = con.off_flt_lft, t = con.off_flt_top, r = con.off_flt_rgt - 1.0f, b = con.off_flt_bot - 1.0f;
    for (int w = 0; w < CAR_CABLES; w++) {
        float e[2][3], c[2][3];
        for (int k = 0; k < 2; k++) {
            xfrm_BOAT(car.cablex[w][k], car.cabley[w][k], top + WIRE_LIFT_M, &e[k][0], &e[k][1], &e[k][2]);
            to_camera(e[k][0], e[k][1], e[k][2], c[k]);
        }
        if (above && c[0][1] < atm.vis1_lite)
            camera_line(LIGHT_GREY, c[0], c[1], l, t, r, b);
    }
    if (!above) {
        draw_solid(edge, 0.0f);
        draw_solid(hull, 0.0f);
    }
    // The island on the starboard side, its bridge and mast.
    draw_solid(box(24.0f, -25.0f, top, 33.0f, 20.0f, top + 15.0f, LIGHT_GREY), 0.0f);
    draw_solid(box(25.0f, -15.0f, top + 15.0f, 32.0f, 10.0f, top + 21.0f, LIGHT_GREY), 0.0f);
    draw_solid(box(27.5f, -5.0f, top + 21.0f, 29.5f, -1.0f, top + 37.0f, MID_GREY), 0.0f);
    carrier_vasi(top);
    if (scn.draw_lights)
        for (int k = 0; k < car.nlight && k < MAX_CAR_LIGHTS; k++)
            object_light(k, car.lightx[k], car.lighty[k], top + car.lightz[k], car.lightcol[k]);
}

// ---------------------------------------------------------------- traffic

// An airliner-sized aircraft round traffic point 0 (its wing tips and tail
// are the other points, 20 m out and 2 m lower), level on its heading,
// with red, green and white navigation lights and a flashing beacon after
// dusk.
void draw_a_plane(int n)
{
    if (n < 0 || n >= MAX_TRAFFIC)
        return;
    float x = traf_x[n][0], y = traf_y[n][0], z = traf_z[n][0];
    float c[3];
    to_camera(x, y, z, c);
    if (!(c[1] > HITHER_M) || !(c[1] < atm.vis2_grnd))
        return;
    place_object(x, y, z, traf_h[n]);
    const Solid body = {2, 7, {0.0f, 1.8f, 1.8f, 0.6f, -0.6f, -1.8f, -1.8f}, {18.0f, 12.0f, -14.0f, -20.0f, -20.0f, -14.0f, 12.0f},
                        -4.0f, -1.0f, LIGHT_GREY, 1};
    const Solid wings[4] = {
        {2, 4, {1.8f, 20.0f, 20.0f, 1.8f}, {2.0f, -5.0f, -7.5f, -5.0f}, -2.3f, -1.9f, MID_GREY, 1},
        {2, 4, {-1.8f, -20.0f, -20.0f, -1.8f}, {2.0f, -5.0f, -7.5f, -5.0f}, -2.3f, -1.9f, MID_GREY, 1},
        {2, 4, {1.0f, 7.0f, 7.0f, 1.0f}, {-15.0f, -19.0f, -20.5f, -19.0f}, -2.6f, -2.3f, MID_GREY, 1},
        {2, 4, {-1.0f, -7.0f, -7.0f, -1.0f}, {-15.0f, -19.0f, -20.5f, -19.0f}, -2.6f, -2.3f, MID_GREY, 1}};
    const Solid fin = {0, 4, {-13.0f, -20.0f, -21.0f, -18.0f}, {-1.0f, -1.0f, 6.0f, 6.0f}, -0.3f, 0.3f, LIGHT_GREY, 1};
    if (con.VIEW_loc_z > z - 2.0f) {   // from above: wings under the body
        for (const Solid &w : wings)
            draw_solid(w, 0.0f);
        draw_solid(body, 0.0f);
        draw_solid(fin, 0.0f);
    } else {
        draw_solid(fin, 0.0f);
        draw_solid(body, 0.0f);
        for (const Solid &w : wings)
            draw_solid(w, 0.0f);
    }
    if (!scn.draw_lights)
        return;
    generalplot(traf_x[n][1], traf_y[n][1], traf_z[n][1], RED, 0);
    generalplot(traf_x[n][2], traf_y[n][2], traf_z[n][2], GREEN, 0);
    generalplot(traf_x[n][3], traf_y[n][3], traf_z[n][3], RWY_WHITE, 0);
    if ((scn.rb_cycle + n) % BEACON_PERIOD < 2)
        generalplot(x, y, z, RED, 1);
}
