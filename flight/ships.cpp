// Ships and the carrier as the flight model sees them: where each stands,
// which one is nearest, its catapult, and the deck under the aircraft that
// the ground contact lands on.
#include <cmath>

#include "flight/local.h"

namespace {

int water_tris(int i, int j)
{
    if (i < 0 || j < 0 || i >= MESH_I - 1 || j >= MESH_J - 1)
        return 2;   // off the mesh counts as open water
    return on_water[i][j][0] + on_water[i][j][1];
}

int cell_ok(int i, int j) { return i >= 0 && j >= 0 && i < MESH_I - 1 && j < MESH_J - 1; }

}   // namespace

void ship_place(int i, int j, int carrier, float *x, float *y, float *deck, float *hdg)
{
    i = intlim(i, 0, MESH_I - 2);
    j = intlim(j, 0, MESH_J - 2);
    *x = 0.5f * (planex[i][j] + planex[i + 1][j + 1]);
    *y = 0.5f * (planey[i][j] + planey[i + 1][j + 1]);
    float water = 0.25f * (planez[i][j] + planez[i + 1][j] + planez[i][j + 1] + planez[i + 1][j + 1]);
    if (!(water > NO_HEIGHT))
        water = 0.0f;
    *deck = water + (carrier ? CARR_DECK : SHIP_DECK);
    // A ship cell has land on exactly one side: sail along that coast.
    int land_ew = water_tris(i - 1, j) + water_tris(i + 1, j) < 4;
    *hdg = land_ew ? 0.0f : 90.0f;
}

int nearest_ship(float x, float y, int carrier, int *i, int *j)
{
    float best = 0.0f;
    int found = 0;
    for (int a = 0; a < MESH_I - 1; a++)
        for (int b = 0; b < MESH_J - 1; b++) {
            if (!(carrier ? carr_on_poly[a][b] : boat_on_poly[a][b]))
                continue;
            float sx, sy, deck, hdg;
            ship_place(a, b, carrier, &sx, &sy, &deck, &hdg);
            float d = sqr(sx - x) + sqr(sy - y);
            if (!found || d < best) {
                best = d;
                *i = a;
                *j = b;
                found = 1;
            }
        }
    return found;
}

void place_carrier_catapult(int i, int j)
{
    float x, y, deck, hdg;
    ship_place(i, j, 1, &x, &y, &deck, &hdg);
    int h = deg_index(hdg);
    car.catx = x - CAT_AFT * lsin[h];
    car.caty = y - CAT_AFT * lcos[h];
    car.catang = hdg;
}

void carrier_deck_events(float along, float across)
{
    if (flt.cat_stage == CAT_LAUNCH) {
        int h = deg_index(car.catang);
        float run = ((float)flt.x - car.catx) * lsin[h] + ((float)flt.y - car.caty) * lcos[h];
        if (run >= CAT_RUN_M)
            flt.cat_stage = CAT_FREE;   // the end of the stroke: flying speed reached
    }
    // Rolling forward over the wires picks one up; touching down beyond
    // the last one is a bolter.
    if (!flt.wired && flt.onground && flt.cat_stage != CAT_HELD && flt.cat_stage != CAT_LAUNCH &&
        along >= CARR_WIRE_Y[0] && along <= CARR_WIRE_Y[CARR_WIRES - 1] && fabsf(across) <= CARR_WIRE_HALF &&
        flt.vx * lsin[deg_index(car.catang)] + flt.vy * lcos[deg_index(car.catang)] > 0.0)
        flt.wired = 1;
}

// Corners of a deck of half length hl and half beam hb round (x, y) on
// heading hdg (deg), clockwise from the bow's right.
static void deck_corners(float x, float y, float z, float hdg, float hl, float hb)
{
    int h = deg_index(hdg);
    float fx = lsin[h], fy = lcos[h], rx = fy, ry = -fx;   // forward, right
    const float along[4] = {hl, -hl, -hl, hl}, across[4] = {hb, hb, -hb, -hb};
    for (int c = 0; c < 4; c++) {
        env.boatx[c] = x + along[c] * fx + across[c] * rx;
        env.boaty[c] = y + along[c] * fy + across[c] * ry;
        env.boatz[c] = z;
    }
}

void deck_under_aircraft()
{
    env.over_boat = env.over_carr = 0;
    int i = env.i_aircraft, j = env.j_aircraft;
    if (!cell_ok(i, j) || (!boat_on_poly[i][j] && !carr_on_poly[i][j]))
        return;
    int carrier = carr_on_poly[i][j];
    float x, y, deck, hdg;
    ship_place(i, j, carrier, &x, &y, &deck, &hdg);
    int h = deg_index(hdg);
    float dx = (float)flt.x - x, dy = (float)flt.y - y;
    float along = dx * lsin[h] + dy * lcos[h], across = dx * lcos[h] - dy * lsin[h];
    float hl = carrier ? CARR_HALF_LEN : SHIP_HALF_LEN, hb = carrier ? CARR_HALF_BEAM : SHIP_HALF_BEAM;
    if (fabsf(along) > hl || fabsf(across) > hb)
        return;
    if (carrier) {
        env.over_carr = 1;
        env.carrz = deck;
        place_carrier_catapult(i, j);
        carrier_deck_events(along, across);
    } else {
        env.over_boat = 1;
        deck_corners(x, y, deck, hdg, hl, hb);
    }
}
