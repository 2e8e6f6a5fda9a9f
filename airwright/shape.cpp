// What Airwright works out for the user: the blade twist of a propeller or
// rotor for its design point, propeller 2 as the mirror of propeller 1, the
// fuselage stations, smoothing and default shape, and the float halves.
#include "airwright/local.h"

#include <cmath>
#include <cstddef>
#include <cstring>

namespace airwright {

constexpr float FPS_PER_KT = 6076.115f / 3600.0f;   // international nautical mile in ft, per hour
constexpr float IN_PER_FT = 12.0f;
constexpr float MIN_FUSE_RAD_FT = 1.0f;              // the radius field's range
constexpr float MAX_FUSE_RAD_FT = 99.0f;
constexpr float MIN_DEFAULT_LEN_FT = 1.0f;
// The float steps: each half rises 10 degrees over its length.
constexpr float FLOAT_STEP_DEG = 10.0f;

static float deg(float rad) { return rad * 180.0f / (float)M_PI; }

// ---------------------------------------------------------------- propellers

void do_prop(int part, int mode)
{
    if (part < 0 || part > 1)
        return;
    pln.els[part] = MAX_ELS;
    float rps = pln.des_rpm[part] / 60.0f;
    if (mode == 0) {
        pln.des_v[part] = rps * pln.des_adv[part] / IN_PER_FT / FPS_PER_KT;
    } else if (pln.des_rpm[part] > 0.0f) {
        // advance per revolution = speed / rev per second (a stopped blade has none)
        pln.des_adv[part] = pln.des_v[part] * FPS_PER_KT * 60.0f * IN_PER_FT / pln.des_rpm[part];
    }
    // The blade meets the design helix at zero angle of attack: the helix
    // angle at radius r is atan(advance per rev / circumference).
    float adv_ft = pln.des_adv[part] / IN_PER_FT;
    for (int i = 0; i < MAX_ELS; i++) {
        float r_ft = (i + 0.5f) / MAX_ELS * pln.semiB[part];
        pln.anginc[part][i] = deg(atan2f(adv_ft, 2.0f * (float)M_PI * r_ft));
    }
    if (pln.varpitchEQ[part]) {
        // A governed blade is set in flight: the twist alone is stored, the
        // tip at 0, and the pitch range spans the design pitch.
        float beta = deg(atan2f(adv_ft, 2.0f * (float)M_PI * pln.semiB[part]));
        for (int i = 0; i < MAX_ELS; i++)
            pln.anginc[part][i] -= beta;
        if (!pln.is_heli) {
            pln.minpitch[part] = 0.0f;
            pln.maxpitch[part] = beta + 10.0f;
        }
    }
}

// Propeller 2 of an aeroplane follows propeller 1 on the other side. Its
// rotation direction is kept: it has no field of its own, and a twin's
// counter-rotating propellers must not become co-rotating by an edit.
void mirror_prop()
{
    C_to_C(pln.Rafl0[0], pln.Rafl0[1]);
    C_to_C(pln.Rafl1[0], pln.Rafl1[1]);
    C_to_C(pln.Tafl0[0], pln.Tafl0[1]);
    C_to_C(pln.Tafl1[0], pln.Tafl1[1]);
#define FROM_PROP1(field) pln.field[1] = pln.field[0]
    FROM_PROP1(varpitchEQ), FROM_PROP1(numblades), FROM_PROP1(des_adv), FROM_PROP1(des_rpm);
    FROM_PROP1(des_v), FROM_PROP1(minpitch), FROM_PROP1(maxpitch), FROM_PROP1(sweep1);
    FROM_PROP1(sweep2), FROM_PROP1(dihed), FROM_PROP1(semiB), FROM_PROP1(Croot), FROM_PROP1(Ctip);
    FROM_PROP1(diffRe), FROM_PROP1(diffRT), FROM_PROP1(varsweepEQ), FROM_PROP1(els);
    FROM_PROP1(vertcant);
#undef FROM_PROP1
    for (int k = 0; k < NARM; k++) {
        pln.xarm[1][k] = pln.xarm[0][k];
        pln.yarm[1][k] = -pln.yarm[0][k];
        pln.zarm[1][k] = pln.zarm[0][k];
    }
    memcpy(pln.anginc[1], pln.anginc[0], sizeof pln.anginc[0]);
    memcpy(pln.wash[1], pln.wash[0], sizeof pln.wash[0]);
}

// ---------------------------------------------------------------- fuselage

float station_x(int station)
{
    float s = (float)station / (N_FUSE_STATIONS - 1);
    return pln.fuse_nose + pln.fuse_len * s * s;
}

float ret_z_center(int station)
{
    float z = 0.0f;
    for (int j = 0; j < N_FUSE_RADIALS; j++)
        z += pln.fuse_z[station][j];
    return z / N_FUSE_RADIALS;
}

float ret_ave_rad()
{
    float sum = 0.0f;
    for (int i = 1; i < N_FUSE_STATIONS - 1; i++) {
        float zc = ret_z_center(i);
        for (int j = 0; j < N_FUSE_RADIALS; j++)
            sum += pythag(pln.fuse_y[i][j], pln.fuse_z[i][j] - zc);
    }
    return sum / ((N_FUSE_STATIONS - 2) * N_FUSE_RADIALS);
}

// Angle of radial point j from the top: 0 the top, pi the bottom.
static float radial_angle(int j) { return j * (float)M_PI / (N_FUSE_RADIALS - 1); }

void smoothit(float a, float b)
{
    float r0 = ret_ave_rad();
    float y[N_FUSE_STATIONS][N_FUSE_RADIALS], z[N_FUSE_STATIONS][N_FUSE_RADIALS];
    memcpy(y, pln.fuse_y, sizeof y);
    memcpy(z, pln.fuse_z, sizeof z);
    for (int i = 1; i < N_FUSE_STATIONS - 1; i++) {
        float x0 = pln.fuse_x[i - 1][0], x1 = pln.fuse_x[i][0], x2 = pln.fuse_x[i + 1][0];
        if (x0 == x2)
            continue;   // the neighbours give no line to move toward
        for (int j = 0; j < N_FUSE_RADIALS; j++) {
            pln.fuse_y[i][j] += a * (interp(x0, y[i - 1][j], x2, y[i + 1][j], x1) - y[i][j]);
            pln.fuse_z[i][j] += a * (interp(x0, z[i - 1][j], x2, z[i + 1][j], x1) - z[i][j]);
        }
    }
    for (int i = 1; i < N_FUSE_STATIONS - 1; i++) {
        float half_w = pln.fuse_y[i][N_FUSE_RADIALS / 2];
        float half_h = (pln.fuse_z[i][0] - pln.fuse_z[i][N_FUSE_RADIALS - 1]) / 2.0f;
        float zc = ret_z_center(i);
        for (int j = 0; j < N_FUSE_RADIALS; j++) {
            float ey = half_w * sinf(radial_angle(j)), ez = zc + half_h * cosf(radial_angle(j));
            pln.fuse_y[i][j] += b * (ey - pln.fuse_y[i][j]);
            pln.fuse_z[i][j] += b * (ez - pln.fuse_z[i][j]);
        }
    }
    float r1 = ret_ave_rad();
    if (!(r1 > 1e-6f) || !std::isfinite(r0))
        return;   // a fuselage collapsed to lines has no size to keep
    float k = r0 / r1;
    for (int i = 1; i < N_FUSE_STATIONS - 1; i++) {
        float zc = ret_z_center(i);
        for (int j = 0; j < N_FUSE_RADIALS; j++) {
            pln.fuse_y[i][j] *= k;
            pln.fuse_z[i][j] = zc + (pln.fuse_z[i][j] - zc) * k;
        }
    }
}

void default_fuselage()
{
    float wing_x = pln.xarm[2][NARM - 1], stab_x = pln.xarm[4][NARM - 1];
    float len = 0.0f, nose = 0.0f;
    if (pln.is_heli) {
        len = 1.3f * fabsf(pln.xarm[1][NARM - 1] - pln.xarm[0][NARM - 1]);
        nose = pln.cgx - 0.25f * len;
    } else if (pln.semiB[2] > 0.05f && pln.semiB[4] > 0.05f) {
        len = 1.7f * fabsf(stab_x - wing_x);
        nose = stab_x < wing_x ? stab_x - 0.1f * len : wing_x - 0.33f * len;
    }
    if (!(len >= MIN_DEFAULT_LEN_FT)) {
        // Nothing to measure from (or the two coincide): a short body about the cg.
        len = 10.0f;
        nose = pln.cgx - 5.0f;
    }
    pln.fuse_len = len;
    pln.fuse_nose = nose;
    pln.fuse_rad = 0.1f * len;
    float r = pln.fuse_rad;
    for (int i = 0; i < N_FUSE_STATIONS; i++) {
        float s = (float)i / (N_FUSE_STATIONS - 1);
        s *= s;
        // Radius along the body as a fraction of its length (a fitted
        // fifth-order profile: zero at both ends, fullest near a quarter).
        float k = 0.85f * (13.22f * s - 62.06f * s * s + 130.15f * s * s * s -
                           127.96f * s * s * s * s + 46.61f * s * s * s * s * s);
        for (int j = 0; j < N_FUSE_RADIALS; j++) {
            pln.fuse_x[i][j] = nose + len * s;
            pln.fuse_y[i][j] = k * r * sinf(radial_angle(j));
            pln.fuse_z[i][j] = k * r * cosf(radial_angle(j));
            if (s < 0.25f)   // the nose lies low ahead of the cabin
                pln.fuse_z[i][j] = fminf(pln.fuse_z[i][j], 0.2f * r);
        }
        pln.fuse_y[i][0] = pln.fuse_y[i][N_FUSE_RADIALS - 1] = 0.0f;
    }
    smoothit(0.1f, 0.2f);
    smoothit(0.1f, 0.2f);
}

// The radius the editor shows and limits points to (a file may hold any
// value; the field itself keeps 1..99).
static float editor_rad()
{
    float r = pln.fuse_rad;
    return r >= MIN_FUSE_RAD_FT ? fminf(r, MAX_FUSE_RAD_FT) : MIN_FUSE_RAD_FT;
}

static float fuse_scale() { return FUSE_HALF_H / editor_rad(); }
static int panel_x(int station) { return FUSE_PANEL_X0 + FUSE_PANEL_PITCH * station; }

// Station under the mouse in the panels' band of rows y1..y2, or -1.
static int station_under(int y1, int y2)
{
    if (msc.my < y1 || msc.my > y2 || msc.mx < FUSE_PANEL_X0)
        return -1;
    int i = (msc.mx - FUSE_PANEL_X0) / FUSE_PANEL_PITCH;
    return i < N_FUSE_STATIONS ? i : -1;
}

// Moves the point of station i nearest the mouse to it; an end station
// collapses to a point on the centre line at the mouse height.
static void move_point(int i)
{
    float k = fuse_scale(), r = editor_rad();
    float y = (msc.mx - panel_x(i)) / k, z = (FUSE_ZERO_Y - msc.my) / k;
    int nearest = 0;
    float best = 1e30f;
    for (int j = 0; j < N_FUSE_RADIALS; j++) {
        float d = pythag(pln.fuse_y[i][j] - y, pln.fuse_z[i][j] - z);
        if (d < best)
            best = d, nearest = j;
    }
    int end = i == 0 || i == N_FUSE_STATIONS - 1;
    for (int j = 0; j < N_FUSE_RADIALS; j++) {
        if (end || j == nearest) {
            pln.fuse_y[i][j] = end ? 0.0f : y;
            pln.fuse_z[i][j] = z;
        }
        pln.fuse_y[i][j] = fltlim(pln.fuse_y[i][j], -r, r);
        pln.fuse_z[i][j] = fltlim(pln.fuse_z[i][j], -r, r);
    }
    pln.fuse_y[i][0] = pln.fuse_y[i][N_FUSE_RADIALS - 1] = 0.0f;
}

static void copy_station(int from, int to)
{
    if (to < 0 || to >= N_FUSE_STATIONS)
        return;
    memcpy(pln.fuse_y[to], pln.fuse_y[from], sizeof pln.fuse_y[0]);
    memcpy(pln.fuse_z[to], pln.fuse_z[from], sizeof pln.fuse_z[0]);
}

static void lay_out_stations()
{
    for (int i = 0; i < N_FUSE_STATIONS; i++)
        for (int j = 0; j < N_FUSE_RADIALS; j++)
            pln.fuse_x[i][j] = station_x(i);
}

// A station's half cross-section in its panel, kept inside the panel.
static void draw_station(int i)
{
    float k = fuse_scale();
    int px[N_FUSE_RADIALS], py[N_FUSE_RADIALS];
    for (int j = 0; j < N_FUSE_RADIALS; j++) {
        px[j] = panel_x(i) + intlim((int)lroundf(pln.fuse_y[i][j] * k), 0, FUSE_PANEL_W - 1);
        py[j] = FUSE_ZERO_Y - intlim((int)lroundf(pln.fuse_z[i][j] * k), -FUSE_HALF_H, FUSE_HALF_H);
    }
    for (int j = 0; j + 1 < N_FUSE_RADIALS; j++)
        MACIBM_line(FUSE_LINE_COLOR, px[j], py[j], px[j + 1], py[j + 1], 1);
    for (int j = 0; j < N_FUSE_RADIALS; j++)
        MACIBM_fillrect(FUSE_POINT_COLOR, px[j] - 1, py[j] - 1, 3, 3, 1);
    draw_value(panel_x(i) + 6, FUSE_COPY_Y2 + 16, pln.fuse_x[i][0], 1);
}

static int edit_fuselage(const Screen &s)
{
    const Field *f = nullptr;
    if (run_fields(s, &pln, 0, &f)) {
        if (f->off == (int)offsetof(planestruct, fuse_nose) ||
            f->off == (int)offsetof(planestruct, fuse_len))
            lay_out_stations();
        return 1;
    }
    int i = station_under(FUSE_DRAG_Y1, FUSE_ZERO_Y + FUSE_HALF_H);
    if (i >= 0 && msc.mx <= panel_x(i) + FUSE_PANEL_W) {
        move_point(i);
        return 1;
    }
    i = station_under(FUSE_COPY_Y1, FUSE_COPY_Y2);
    if (i >= 0) {
        copy_station(i, msc.mx - panel_x(i) < FUSE_COPY_SPLIT ? i - 1 : i + 1);
        return 1;
    }
    if (msc.my > FUSE_DEFAULT_Y) {
        default_fuselage();
        return 1;
    }
    return 0;
}

int do_fuse(int click)
{
    const Screen *s = screen_of(pln.is_heli ? WIN_H_FUSELAGE : WIN_FUSELAGE);
    int changed = click && edit_fuselage(*s);
    run_fields(*s, &pln, 1, nullptr);
    prev_rad = editor_rad();
    for (int i = 0; i < N_FUSE_STATIONS; i++)
        draw_station(i);
    return changed;
}

// ---------------------------------------------------------------- floats

static const float TAN_STEP = tanf(FLOAT_STEP_DEG * (float)M_PI / 180.0f);

// Whole floats 0, 2, 4 split into front (k) and rear (k + 1) halves.
void split_floats(planestruct *p)
{
    for (int k = 0; k < N_FLOATS; k += 2) {
        float x = p->floatx[k], len = p->floatl[k], half = len / 2.0f;
        p->floatx[k + 1] = x + len / 4.0f;
        p->floaty[k + 1] = p->floaty[k];
        p->floatz[k + 1] = p->floatz[k] + TAN_STEP * half;
        p->floatl[k + 1] = half;
        p->floatw[k + 1] = p->floatw[k];
        p->floatnoseup[k + 1] = 0.0f;
        p->floatx[k] = x - len / 4.0f;
        p->floatl[k] = half;
        p->floatnoseup[k] = TAN_STEP * half;
    }
}

// The halves joined back into whole floats 0, 2, 4 (x and length).
void join_floats(planestruct *p)
{
    for (int k = 0; k < N_FLOATS; k += 2) {
        p->floatx[k] += p->floatl[k] / 2.0f;
        p->floatl[k] *= 2.0f;
    }
}

void makefloats() { split_floats(&pln); }
void revertfloats() { join_floats(&pln); }

}  // namespace airwright
