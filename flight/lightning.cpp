// Lightning in thunderstorms: where a strike falls (only over the strong
// cells of the weather radar), the bolt's branches, the ring of recent
// strikes for the stormscope, and the flash's timing.
#include <cmath>
#include <cstring>

#include "flight/local.h"

namespace {

constexpr float STRIKE_RANGE_NM = 20.0f;   // strikes fall within this of the aircraft
constexpr float STRIKE_WXR_MIN = 29.0f;    // radar value a strike needs
constexpr float STRIKE_LIFE_S = 120.0f;    // a strike stays on the stormscope
constexpr float BOLT_TOP_M = 3000.0f;      // the main bolt starts this high
constexpr float THUNDER_FULL_NM = 5.0f;    // thunder is at full loudness this near

// Index of v on a row mapped from lo -> 0 to hi -> n, held in margin..n-1-margin.
// Sets *outside when the unclamped index left the row.
int grid_index(float v, float lo, float hi, int n, int margin, int *outside)
{
    float f = interp(lo, 0.0f, hi, (float)n, v);
    int k = f >= 0.0f ? (int)fminf(f, (float)n) : -1;   // truncation toward zero
    if (k < 0 || k > n - 1)
        *outside = 1;
    return intlim(k, margin, n - 1 - margin);
}

// A branch from (x, y, z) down towards the ground in up to 19 steps.
void build_branch(int b, float x, float y, float z, int side)
{
    float z0 = fmaxf(z, 1.0f);
    float s = 1.5f * 0.025f * z0 * (side ? 2.0f : 1.0f);
    int k = 0;
    atm.lightx[b][0] = x; atm.lighty[b][0] = y; atm.lightz[b][0] = z;
    while (k < BRANCH_PTS - 1) {
        float nz = z - fltrand(0.025f, 0.1f) * z0;
        x += fltrand(-s, s);
        y += fltrand(-s, s);
        k++;
        int last = nz <= 0.0f || k == BRANCH_PTS - 1;
        z = last ? 0.0f : nz;
        atm.lightx[b][k] = x; atm.lighty[b][k] = y; atm.lightz[b][k] = z;
        if (last)
            break;
    }
    atm.strike_size[b] = k + 1;
    for (int r = k + 1; r < BRANCH_PTS; r++) {   // the end repeats
        atm.lightx[b][r] = x; atm.lighty[b][r] = y; atm.lightz[b][r] = z;
    }
}

void build_bolt(float x, float y)
{
    build_branch(0, x, y, BOLT_TOP_M, 0);
    for (int b = 1; b < MAX_BRANCHES; b++) {
        if (b > atm.num_branches) {
            atm.strike_size[b] = 0;   // not part of this bolt: the view draws branches by their size
            continue;
        }
        int mid = atm.strike_size[b - 1] / 2;
        build_branch(b, atm.lightx[b - 1][mid], atm.lighty[b - 1][mid], atm.lightz[b - 1][mid], 1);
    }
    atm.strike_up = 1;
    atm.strike_start_time = msc.tottime;
    atm.strike_duration = fltrand(0.2f, 0.6f);
    atm.num_branches = intrand(0, 3);
}

}   // namespace

int wxr_cell(float x, float y, int margin, int *i, int *j)
{
    float x0 = planex[0][0], x1 = planex[MESH_I - 1][MESH_J - 1];
    float y0 = planey[0][0], y1 = planey[MESH_I - 1][MESH_J - 1];
    if (!(x1 - x0 > 1.0f) || !(y1 - y0 > 1.0f) || !std::isfinite(x) || !std::isfinite(y))
        return 0;
    int outside = 0;
    *i = grid_index(x, x0, x1, WXR_I, margin, &outside);
    *j = grid_index(y, y0, y1, WXR_J, margin, &outside);
    return outside ? -1 : 1;
}

void start_strike()
{
    float d = STRIKE_RANGE_NM * con.nmtomtrs;
    float x = (float)flt.x + fltrand(-d, d), y = (float)flt.y + fltrand(-d, d);
    int i, j;
    if (wxr_cell(x, y, 0, &i, &j) != 1 || flt_wxr[i][j] < STRIKE_WXR_MIN)
        return;
    int outside = 0;
    atm.i_strike = grid_index(x, planex[0][0], planex[MESH_I - 1][MESH_J - 1], MESH_I, 0, &outside);
    atm.j_strike = grid_index(y, planey[0][0], planey[MESH_I - 1][MESH_J - 1], MESH_J, 0, &outside);
    int r = intlim(atm.strike_ring, 0, STRIKE_RING - 1);
    atm.strike_x[r] = x;
    atm.strike_y[r] = y;
    atm.strike_t_exp[r] = msc.tottime + STRIKE_LIFE_S;
    atm.strike_ring = (r + 1) % STRIKE_RING;
    ins.tickle_str = 1;
    float dist_m = hypotf(x - (float)flt.x, y - (float)flt.y);
    flight_calls.play_thunder(THUNDER_FULL_NM * con.nmtomtrs / fmaxf(dist_m, 1.0f));
    if (flt.h < atm.topsMSL)
        build_bolt(x, y);
}

void manage_strike()
{
    if (!atm.strike_up)
        return;
    atm.strike_lighting = !atm.strike_lighting;
    if (msc.tottime - atm.strike_start_time > atm.strike_duration) {
        atm.strike_up = 0;
        atm.strike_lighting = 0;
    }
}

void clear_strikes()
{
    atm.strike_up = atm.strike_lighting = 0;
    atm.strike_start_time = atm.strike_duration = 0.0f;
    memset(atm.strike_t_exp, 0, sizeof atm.strike_t_exp);
    memset(atm.strike_size, 0, sizeof atm.strike_size);
    atm.strike_ring = 0;
}
