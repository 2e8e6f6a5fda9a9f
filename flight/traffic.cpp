// The ten other aircraft: created at random round the user, flown straight
// and level over the terrain, and created afresh once they are far away.
#include <cmath>

#include "flight/local.h"


namespace {

constexpr float TRAF_RANGE_NM = 30.0f;    // beyond this an aircraft is replaced
constexpr float TRAF_CLEAR_M = 300.0f;    // least height above the terrain
constexpr float TRAF_SPAN_M = 20.0f;      // wing and tail points from the centre
constexpr float TRAF_DROP_M = 2.0f;       // and below it

// Terrain under traffic n at its centre; the sea off the mesh. A point off
// the mesh is not searched for: the search would scan the whole grid for
// each aircraft every frame.
float ground_under(int n)
{
    float x = traf_x[n][0], y = traf_y[n][0];
    if (!(x > planex[0][0] && x < planex[MESH_I - 1][MESH_J - 1] && y > planey[0][0] &&
          y < planey[MESH_I - 1][MESH_J - 1]))
        return 0.0f;
    float h = 0.0f;
    find_local_h(x, y, &h, &traf_i[n], &traf_j[n], &traf_t[n]);
    return h > NO_HEIGHT ? h : 0.0f;
}

// Wing tips 20 m either side, tail 20 m behind, all 2 m below the centre.
void set_points(int n)
{
    int h = deg_index(traf_h[n]);
    float fx = lsin[h], fy = lcos[h];
    float x = traf_x[n][0], y = traf_y[n][0], z = traf_z[n][0] - TRAF_DROP_M;
    traf_x[n][1] = x - TRAF_SPAN_M * fy; traf_y[n][1] = y + TRAF_SPAN_M * fx;
    traf_x[n][2] = x + TRAF_SPAN_M * fy; traf_y[n][2] = y - TRAF_SPAN_M * fx;
    traf_x[n][3] = x - TRAF_SPAN_M * fx; traf_y[n][3] = y - TRAF_SPAN_M * fy;
    traf_z[n][1] = traf_z[n][2] = traf_z[n][3] = z;
}

}   // namespace

// Light aircraft to airliners: 90 to 250 kt, 1,000 to 12,000 ft above the
// ground, 2 to 28 nm away so that a new one is not replaced at once.
void make_a_plane(int n)
{
    if (n < 0 || n >= MAX_TRAFFIC)
        return;
    float d = fltrand(2.0f, 28.0f) * con.nmtomtrs;
    int bearing = intrand(0, 359);
    traf_x[n][0] = (float)flt.x + d * lsin[bearing];
    traf_y[n][0] = (float)flt.y + d * lcos[bearing];
    traf_h[n] = (float)intrand(0, 359);
    traf_v[n] = fltrand(90.0f, 250.0f) * con.ktstomsc;
    traf_i[n] = env.i_aircraft;
    traf_j[n] = env.j_aircraft;
    traf_t[n] = env.t_aircraft;
    float agl = fltrand(1000.0f, 12000.0f) * con.fttomtrs;
    traf_z[n][0] = ground_under(n) + fltmax2(agl, TRAF_CLEAR_M);
    set_points(n);
}

void move_traffic()
{
    float range = TRAF_RANGE_NM * con.nmtomtrs;
    for (int n = 0; n < MAX_TRAFFIC; n++) {
        int h = deg_index(traf_h[n]);
        traf_x[n][0] += traf_v[n] * msc.prd * lsin[h];
        traf_y[n][0] += traf_v[n] * msc.prd * lcos[h];
        float dx = traf_x[n][0] - (float)flt.x, dy = traf_y[n][0] - (float)flt.y;
        if (!(dx * dx + dy * dy <= range * range)) {
            make_a_plane(n);
            continue;
        }
        traf_z[n][0] = fltmax2(traf_z[n][0], ground_under(n) + TRAF_CLEAR_M);
        set_points(n);
    }
}
