// Engine gauges and the lever quadrant: the dials of the aircraft's engine
// kind (both engines' needles on one dial), their scales from the loaded
// engine, and the levers it has, drawn where their rows in `ins` put them.
#include "panel/local.h"

#include <cmath>
#include <cstdio>

#include "flight/flight.h"

// A dial: value v0 at 225 deg (lower left), `deg_per` degrees per unit
// clockwise; graduations, numerals (shown / div), a green arc and a red
// line in the value's unit.
struct Dial {
    int kind;
    float v0, v1, deg_per;
    float minor, major, num_step, num_div;
    float green0, green1, red;
    const char *label, *unit;
};
constexpr float DIAL_START_DEG = 225.0f;

static float dial_deg(const Dial &d, float v) { return DIAL_START_DEG + (fltlim(v, d.v0, d.v1) - d.v0) * d.deg_per; }

// A round scale end above the largest value, in `step` units.
static float round_up(float v, float step) { return step > 0.0f ? ceilf(fmaxf(v, step) / step) * step : v; }

static float max_fuel_flow()
{
    if (pln.entype == 3)
        return pln.tmax * con.ntntolbs * 0.5f;   // lb/h, the fuel burn's jet law
    float lbh = pln.pmax * con.watttohp * 0.48f * (pln.entype == 2 ? 1.5f : 1.0f);
    return pln.entype == 1 ? lbh / 6.0f : lbh;   // a piston's in gallons (6 lb each)
}

static int gauge_kind(int k)
{
    static const int PISTON[4] = {G_RPM, G_MP, G_EGT, G_FF};
    static const int TURBOPROP[4] = {G_TRQ, G_RPM, G_EGT, G_FF};
    static const int JET[4] = {G_N1, G_EPR, G_EGT, G_FF};
    static const int HELI_PISTON[4] = {G_RPM, G_MP, G_EGT, G_NONE};
    static const int HELI_TURBINE[4] = {G_RPM, G_TRQ, G_EGT, G_NONE};
    if (k < 0 || k >= 4)
        return G_NONE;
    if (panel_is_heli())
        return pln.entype == 1 ? HELI_PISTON[k] : HELI_TURBINE[k];
    switch (pln.entype) {
    case 1: return PISTON[k];
    case 2: return TURBOPROP[k];
    case 3: return JET[k];
    default: return G_NONE;
    }
}

static Dial dial_of(int kind)
{
    Dial d = {kind, 0, 1, 270, 0, 0, 0, 1, 0, 0, 0, "", ""};
    switch (kind) {
    case G_RPM: {
        float max = pln.omegamax * con.rsctorpm;
        d.v1 = round_up(max, 100.0f);
        d.deg_per = ins.tactoINS * con.rpmtorsc;
        d.major = max > 1500.0f ? 500.0f : 100.0f;
        d.minor = d.major / 5.0f;
        d.num_step = d.major;
        d.num_div = 100.0f;
        d.green0 = pln.omegamingreen * con.rsctorpm;
        d.green1 = pln.omegamaxgreen * con.rsctorpm;
        d.red = max;
        d.label = panel_is_heli() ? "ROTOR" : pln.entype == 2 ? "PROP" : "RPM";
        d.unit = "x100";
        break;
    }
    case G_N1:
        d = Dial{kind, 20, 105, ins.n1_toINS, 5, 10, 20, 1, 60, 100, 100, "N1", "%"};
        break;
    case G_MP:
        d = Dial{kind, 10, 35, ins.mprtoINS, 1, 5, 5, 1, 15, 29, pln.turboboost > 0.01f ? 35.0f : 30.0f, "MP", "IN"};
        break;
    case G_TRQ:
        d = Dial{kind, 0, 120, 2.25f, 5, 20, 20, 1, 20, 100, 100, "TRQ", "%"};
        break;
    case G_EPR:
        d = Dial{kind, 1, 3, ins.eprtoINS, 0.1f, 0.5f, 0.5f, 1, 1.2f, 2.8f, 3.0f, "EPR", ""};
        break;
    case G_EGT:
        if (pln.entype == 1)
            d = Dial{kind, 800, 1700, 0.3f, 25, 100, 200, 100, 1200, 1550, 1650, "EGT", "F x100"};
        else
            d = Dial{kind, 200, 1000, 270.0f / 800.0f, 20, 100, 200, 100, 300, 800, 900, "EGT", "C x100"};
        break;
    case G_FF: {
        float ff = max_fuel_flow();
        if (pln.entype == 1) {   // gallons an hour
            float full = round_up(ff * 1.25f, 5.0f), step = full <= 30.0f ? 5.0f : 10.0f;
            full = round_up(full, step);
            d = Dial{kind, 0, full, 270.0f / full, step / 5.0f, step, step, 1, 0, 0, 0, "FF", "GPH"};
        } else {                 // pounds an hour
            float full = round_up(ff * 1.25f, 500.0f), step = full > 2000.0f ? 1000.0f : 500.0f;
            full = round_up(full, step);
            d = Dial{kind, 0, full, 270.0f / full, step / 5.0f, step, step, step > 500.0f ? 1000.0f : 100.0f,
                     0, 0, 0, "FF", step > 500.0f ? "PPH x1000" : "PPH x100"};
        }
        break;
    }
    default:
        break;
    }
    return d;
}

// ---------------------------------------------------------------- engine values

static float manifold_pressure(int e)
{
    float delta = atm.crtsig * atm.T / 288.15f;   // pressure ratio
    if (!std::isfinite(delta) || delta <= 0.0f)
        delta = 1.0f;
    float ambient = 29.92f * delta;
    if (!flt.eng_running[e])
        return ambient;
    // A throttled intake: about 30 % of the boosted ambient at idle.
    float boosted = 29.92f * fminf(delta + pln.turboboost, 1.0f);
    return boosted * (0.3f + 0.7f * fltlim(flt.throt[e], 0.0f, 1.0f));
}

float engine_value(int kind, int e)
{
    float power_rat = pln.pmax > 0.0f ? fltlim(flt.power[e] / pln.pmax, 0.0f, 1.5f) : 0.0f;
    float spool = fltlim(flt.parteqlbmthrust[e], 0.0f, 1.0f);
    switch (kind) {
    case G_RPM: return flt.omega[e] * con.rsctorpm;
    case G_N1: return flt.n1[e];
    case G_MP: return manifold_pressure(e);
    case G_TRQ: return pln.pmax > 0.0f ? flt.Etq[e] / (pln.pmax / fmaxf(pln.omegamax, 1.0f)) * 100.0f : 0.0f;
    case G_EPR: return 1.0f + 2.0f * spool;   // the start state's law (initpower)
    case G_EGT:
        if (!flt.eng_running[e])
            return pln.entype == 1 ? (atm.T - 273.15f) * 1.8f + 32.0f : atm.T - 273.15f;
        if (pln.entype == 1)
            return 1100.0f + 450.0f * sqrtf(power_rat) * flt.mix_temp_rat[e];
        return 350.0f + 450.0f * (pln.entype == 3 ? spool : power_rat);
    case G_FF: return pln.entype == 1 ? flt.ff_lbhr[e] / 6.0f : flt.ff_lbhr[e];
    default: return 0.0f;
    }
}

// ---------------------------------------------------------------- painting

static void paint_dial(int cx, int cy, int face_r, const Dial &d)
{
    float fr = (float)face_r;
    if (d.green1 > d.green0) {
        float a1 = dial_deg(d, d.green0), a2 = dial_deg(d, d.green1);
        if (a2 > a1)
            ring(cx, cy, face_r - 4, face_r - 1, a1, a2, PC_GREEN);
    }
    int n = d.minor > 0.0f ? (int)((d.v1 - d.v0) / d.minor + 0.01f) : 0;
    for (int k = 0; k <= n && k < 200; k++) {
        float v = d.v0 + k * d.minor;
        int major = fabsf(fmodf(v + d.minor * 0.01f, d.major)) < d.minor * 0.5f;
        center_tick(cx, cy, iround(dial_deg(d, v)), face_r - (major ? 7 : 4), face_r, PC_WHITE);
    }
    if (d.red > d.v0) {
        int x1, y1, x2, y2;
        polar(cx, cy, dial_deg(d, d.red), fr - 9.0f, &x1, &y1);
        polar(cx, cy, dial_deg(d, d.red), fr, &x2, &y2);
        line2(x1, y1, x2, y2, PC_RED);
    }
    // Numerals from the first step above the scale's start (the start is
    // plain from its tick, and the label sits under the dial).
    float first = floorf(d.v0 / d.num_step + 1.001f) * d.num_step;
    for (float v = first; v <= d.v1 + 0.001f; v += d.num_step) {
        char s[12];
        float shown = v / d.num_div;
        if (fabsf(shown - roundf(shown)) < 0.01f)
            snprintf(s, sizeof s, "%d", iround(shown));
        else
            snprintf(s, sizeof s, "%.1f", (double)shown);
        int x, y;
        polar(cx, cy, dial_deg(d, v), fr - (face_r >= ENG_FACE_R ? 13.0f : 10.0f), &x, &y);
        text_centred(x + 1, y - 3, s, PC_WHITE);
    }
}

void paint_engine_gauges(int glass)
{
    for (int k = 0; k < MAX_ENG_GAUGES; k++) {
        int x, y, fr, br;
        int kind = gauge_kind(k);
        if (kind == G_NONE || !engine_gauge_at(k, &x, &y, &fr, &br))
            continue;
        paint_bezel(x, y, fr, br, glass);
        Dial d = dial_of(kind);
        paint_dial(x, y, fr, d);
        char label[24];
        snprintf(label, sizeof label, "%s %s", d.label, d.unit);
        text_centred(x, y + br + 2, label, PC_PALE);
    }
    if (pln.entype && pln.numen == 2 && !panel_is_heli()) {
        text_at(oseng + 716, 352, "1", PC_WHITE);
        text_at(oseng + 724, 352, "2", PC_AMBER);
    }
}

// ---------------------------------------------------------------- engine needles

static NeedleMemory eng_needle[MAX_ENG_GAUGES][2];

void standard_engine_update()
{
    int engines = pln.entype ? intlim(pln.numen, 1, 2) : 0;
    for (int k = 0; k < MAX_ENG_GAUGES; k++) {
        int x, y, fr, br;
        int kind = gauge_kind(k);
        if (kind == G_NONE || !engine_gauge_at(k, &x, &y, &fr, &br))
            continue;
        Dial d = dial_of(kind);
        int a[2] = {0, 0}, moved = 0;
        for (int e = 0; e < engines; e++) {
            float v = engine_value(kind, e);
            a[e] = iround(dial_deg(d, std::isfinite(v) ? v : d.v0)) % 360;
            moved |= needle_moved(&eng_needle[k][e], a[e]);
        }
        if (!moved)
            continue;
        int len = fr - 5;
        for (int e = 0; e < engines; e++)
            if (eng_needle[k][e].drawn)
                erase_needle(x, y, eng_needle[k][e].angle, len - 3 * e);
        for (int e = engines - 1; e >= 0; e--) {
            needle(x, y, a[e], len - 3 * e, e ? PC_AMBER : NEEDLE_COLOR, ERASE_COLOR);
            eng_needle[k][e] = NeedleMemory{1, a[e]};
        }
        needle_hub(x, y, 2);
    }
}

// ---------------------------------------------------------------- the quadrant

static const char *lever_label(int kind)
{
    switch (kind) {
    case LV_FLAP: return "FLAPS";
    case LV_THROT: return "THR";
    case LV_PROP: return "PROP";
    case LV_MIX: return "MIX";
    case LV_SBRK: return "SPD";
    case LV_SLAT: return "SLAT";
    case LV_SWEEP: return "SWP";
    case LV_VECT: return "VECT";
    case LV_COLLECT: return "COLL";
    default: return "TRIM";
    }
}

static void paint_trim_wheel(const Lever &l)
{
    int x = l.x;
    fill_box(x - 8, l.y1, x + 6, l.y2, PC_BLACK);
    for (int y = l.y1 + 1; y < l.y2; y++)   // the wheel's rim, ridged
        hline(x - 7, x + 5, y, (y % 4) < 2 ? PC_GREY5 : PC_GREY3);
    for (int x2 = x - 7; x2 <= x + 5; x2++)
        put_px(x2, l.y1 + 1, PC_GREY7);
    text_at(x + 10, LEVER_TRIM_DN - 3, "DN", PC_PALE);
    text_at(x + 10, LEVER_TRIM_UP - 3, "UP", PC_PALE);
    hline(x + 8, x + 9, (LEVER_TRIM_DN + LEVER_TRIM_UP) / 2, PC_WHITE);
}

static void paint_slot(const Lever &l, const Lever *all, int n)
{
    if (l.kind == LV_TRIM) {
        paint_trim_wheel(l);
        text_centred(l.x, l.y2 + 4, "TRIM", PC_PALE);
        return;
    }
    fill_box(l.x - 1, l.y1, l.x + 1, l.y2, PC_BLACK);
    hline(l.x - 2, l.x + 2, l.y1 - 1, PC_GREY1);
    // A pair of levers of one kind (two engines) shares one label.
    int pair = -1;
    for (int k = 0; k < n; k++)
        if (all[k].kind == l.kind && all[k].engine != l.engine)
            pair = k;
    if (pair < 0 || l.engine == 0) {
        int cx = pair < 0 ? l.x + 1 : (l.x + all[pair].x) / 2 + 1;
        if (l.kind == LV_FLAP)
            text_at(l.x + 2, l.y2 + 2, lever_label(l.kind), PC_PALE);
        else
            text_centred(cx, l.y2 + (l.kind == LV_THROT || l.kind == LV_COLLECT ? 3 : 2), lever_label(l.kind), PC_PALE);
    }
    if (l.kind == LV_THROT && l.y2 > LEVER_THROT_IDLE + THROT_KNOB_H)   // the reverse zone
        fill_box(l.x + 3, LEVER_THROT_IDLE + THROT_KNOB_H, l.x + 4, l.y2, PC_RED);
    if (l.kind == LV_FLAP) {
        static const char *DET[4] = {"UP", "10", "20", "FL"};
        for (int k = 0; k < 4; k++) {
            int y = LEVER_FLAP_UP + k * (LEVER_FLAP_FULL - LEVER_FLAP_UP) / 3;
            hline(l.x + 10, l.x + 12, y, PC_WHITE);
            text_at(l.x + 14, y - 3, DET[k], PC_GREY8);
        }
    }
    if (l.kind == LV_SBRK) {
        static const char *DET[4] = {"A", "0", "H", "F"};
        for (int k = 0; k < 4; k++)
            text_at(l.x - 8, LEVER_SBRK_IN + (k - 1) * LEVER_SBRK_STEP - 3, DET[k], PC_GREY8);
    }
}

void paint_quadrant(int glass)
{
    int heli = panel_is_heli();
    int x1 = heli ? 548 : 641, x2 = heli ? 627 : PANEL_W - 2;
    paint_plate(x1, heli ? QUAD_Y1 + 4 : QUAD_Y1 - 2, x2, PANEL_BOTTOM - 1, glass ? PC_GREY2 : PC_GREY3, glass);
    Lever l[MAX_LEVERS];
    int n = panel_levers(l);
    for (int k = 0; k < n; k++)
        paint_slot(l[k], l, n);
}

// A lever's knob at its row.
static void draw_knob(const Lever &l, int row)
{
    int x = l.x;
    switch (l.kind) {
    case LV_THROT:
    case LV_COLLECT:
        fill_box(x - 7, row, x + 7, row + THROT_KNOB_H - 1, PC_GREY1);
        hline(x - 6, x + 6, row + 1, PC_GREY5);
        hline(x - 6, x + 6, row + 7, PC_GREY3);
        break;
    case LV_PROP:
    case LV_MIX: {
        // Narrow knobs: a twin's second propeller and first mixture stand 11 px apart.
        int c = l.kind == LV_PROP ? PC_BLUE : PC_RED;
        int cy = row + PROP_KNOB_H / 2;
        fill_box(x - 4, cy - 6, x + 4, cy + 6, c);
        for (int y = cy - 4; y <= cy + 4; y += 2)
            hline(x - 3, x + 3, y, l.kind == LV_PROP ? PC_NAVY : PC_DKRED);
        hline(x - 4, x + 4, cy - 6, l.kind == LV_PROP ? PC_LTBLUE : PC_PINK);
        break;
    }
    case LV_FLAP:
        fill_box(x - 8, row - 3, x + 6, row + 3, PC_OFFWHITE);
        hline(x - 8, x + 6, row + 3, PC_GREY7);
        MACIBM_poly3(PC_OFFWHITE, x + 6, row - 3, x + 6, row + 4, x + 9, row + 3, 1);
        break;
    case LV_TRIM:
        MACIBM_poly3(PC_WHITE, x + 7, row, x + 11, row - 3, x + 11, row + 3, 1);
        break;
    default:
        fill_box(x - 6, row - 4, x + 6, row + 4, PC_GREY6);
        hline(x - 5, x + 5, row - 3, PC_GREY9);
        hline(x - 5, x + 5, row, PC_GREY3);
        break;
    }
}

static int lever_mem[MAX_LEVERS], lever_drawn[MAX_LEVERS];

// Knobs stand close together (a twin's propeller and mixture levers), so
// any move redraws the whole quadrant over its painted picture.
static void draw_all_levers()
{
    Lever l[MAX_LEVERS];
    int n = panel_levers(l);
    if (!n)
        return;
    int x1 = PANEL_W, x2 = 0, y1 = PANEL_BOTTOM, y2 = 0;
    for (int k = 0; k < n; k++) {
        x1 = intmin2(x1, l[k].x - 9);
        x2 = intmax2(x2, l[k].x + (l[k].kind == LV_TRIM ? 12 : 10));
        y1 = intmin2(y1, l[k].y1 - 7);
        y2 = intmax2(y2, l[k].y2 + 1);
    }
    canvas_restore(x1, y1, x2, y2);
    for (int k = 0; k < n; k++) {
        lever_mem[k] = *lever_row_field(l[k]);
        lever_drawn[k] = 1;
        draw_knob(l[k], lever_mem[k]);
    }
    canvas_dirty(x1, y1, x2, y2);
}

void update_levers()
{
    set_lever_rows(1);
    Lever l[MAX_LEVERS];
    int n = panel_levers(l);
    int moved = 0;
    for (int k = 0; k < n; k++)
        moved |= ins.tickle_all || !lever_drawn[k] || lever_mem[k] != *lever_row_field(l[k]);
    if (moved)
        draw_all_levers();
}

void handle(int kind, int row)
{
    if (kind == HANDLE_TRIM)
        ins.trim = intlim(row, LEVER_TRIM_DN, LEVER_TRIM_UP);
    else if (kind == HANDLE_SBRK)
        ins.sbrk = intlim(row, LEVER_SBRK_IN - LEVER_SBRK_STEP, LEVER_SBRK_IN + 2 * LEVER_SBRK_STEP);
    else
        return;
    redraw_levers();
}

void redraw_levers() { panel_draw_now(draw_all_levers); }
