// The panel's geometry for the loaded aircraft: the group offsets of the
// layout, the attitude ball's row spans, the heading indicator and its
// glide-slope bars, the engine gauges and the levers the aircraft has, and
// the initialisations of the dial scales and the pixel pictures.
#include "panel/local.h"

#include <cmath>

int ossix, osrad, oseng, ospau, osthr, osmix, ostrm;
void (*realtime_output)();

int panel_is_glass() { return pln.dashtype == 2; }
int panel_is_heli() { return pln.is_heli || pln.layouttype == LAYOUT_HELI; }
int panel_has_nav1() { return !panel_has_gps(); }

// Offsets of the helicopter's narrower panel (docs/panel-layout.md): the
// chin window takes x 629..799, so the radios, engines and levers move left.
constexpr int HELI_OSRAD = -100, HELI_OSENG = -97, HELI_OSPAU = -180, HELI_OSTHR = -66;
constexpr int HELI_OSTRM = -209;
constexpr int GLASS_AH_CORNER = 10;   // px, rounding of the glass ball's corners

static void set_offsets()
{
    ossix = osrad = oseng = ospau = osthr = osmix = ostrm = 0;
    if (!panel_is_heli())
        return;
    osrad = HELI_OSRAD;
    oseng = HELI_OSENG;
    ospau = HELI_OSPAU;
    osthr = HELI_OSTHR;
    ostrm = HELI_OSTRM;
}

// Half width of row dy of a disc of radius r (pixel centres inside).
static int disc_half_width(int r, int dy)
{
    float q = ((float)r + 0.5f) * ((float)r + 0.5f) - (float)(dy * dy);
    return q < 0.0f ? -1 : (int)sqrtf(q);
}

// Classic: a ball of radius AH_BALL_R inside a ring of AH_RING_R.
static void round_ball_spans()
{
    pln.ah_semidim_int = AH_RING_R;
    for (int k = 0; k < MAX_AH_ROWS; k++) {
        int dy = k - AH_RING_R;
        int hw = k <= 2 * AH_RING_R ? disc_half_width(AH_RING_R, dy) : -1;
        int hb = k <= 2 * AH_RING_R ? disc_half_width(AH_BALL_R, dy) : -1;
        pln.ahx1_roll[k] = pln.ahx - hw;
        pln.ahx2_roll[k] = pln.ahx + hw;
        pln.ahx1_prim[k] = pln.ahx - hb;
        pln.ahx2_prim[k] = pln.ahx + hb;
    }
}

// Glass: one rounded rectangle that both pitches and rolls.
static void glass_ball_spans()
{
    pln.ah_semidim_int = GLASS_AH_SEMIDIM;
    for (int k = 0; k < MAX_AH_ROWS; k++) {
        int dy = abs(k - GLASS_AH_SEMIDIM), hw = -1;
        if (k <= 2 * GLASS_AH_SEMIDIM) {
            int into = dy - (GLASS_AH_SEMIDIM - GLASS_AH_CORNER);
            hw = GLASS_AH_HALF_W;
            if (into > 0)
                hw = GLASS_AH_HALF_W - GLASS_AH_CORNER + disc_half_width(GLASS_AH_CORNER, into);
        }
        pln.ahx1_roll[k] = pln.ahx1_prim[k] = pln.ahx - hw;
        pln.ahx2_roll[k] = pln.ahx2_prim[k] = pln.ahx + hw;
    }
}

void set_mod()
{
    set_offsets();
    int glass = panel_is_glass();
    pln.ahx = ossix + AH_X;
    pln.ahy = AH_Y;
    pln.dgx = ossix + (glass ? GLASS_DG_X : DG_X);
    pln.dgy = glass ? GLASS_DG_Y : DG_Y;
    if (glass)
        glass_ball_spans();
    else
        round_ball_spans();
    pln.ah_dim_int = 2 * pln.ah_semidim_int;
    pln.ah_semidim_flt = (float)pln.ah_semidim_int;
    pln.ah_top_roll = pln.ah_top_prim = pln.ahy - pln.ah_semidim_int;
    pln.ah_bot_roll = pln.ah_bot_prim = pln.ahy + pln.ah_semidim_int;
    if (!glass) {
        pln.ah_top_prim = pln.ahy - AH_BALL_R;
        pln.ah_bot_prim = pln.ahy + AH_BALL_R;
    }
    // The glide-slope bars stand just inside the heading indicator's bezel.
    pln.gsx1 = pln.dgx - (glass ? 62 : 60);
    pln.gsx2 = pln.dgx + (glass ? 58 : 57);
    pln.gsw = 4;
    pln.gsyc = pln.dgy;
    pln.gsy1 = pln.dgy - 22;
    pln.gsy2 = pln.dgy + 22;
}

int engine_gauge_at(int k, int *x, int *y, int *face_r, int *bezel_r)
{
    static const int X[MAX_ENG_GAUGES] = {684, 762, 684, 762};
    static const int Y[MAX_ENG_GAUGES] = {312, 312, 394, 394};
    static const int HELI_Y[3] = {297, 353, 409};
    if (pln.entype == 0 || k < 0 || k >= MAX_ENG_GAUGES)
        return 0;
    if (panel_is_heli()) {
        if (k >= 3)
            return 0;
        *x = oseng + X[0];
        *y = HELI_Y[k];
        *face_r = HELI_ENG_FACE_R;
        *bezel_r = HELI_ENG_BEZEL_R;
        return 1;
    }
    *x = oseng + X[k];
    *y = Y[k];
    *face_r = ENG_FACE_R;
    *bezel_r = ENG_BEZEL_R;
    return 1;
}

static int column_free(const Lever *l, int n, int x)
{
    constexpr int MIN_GAP_PX = 14;
    for (int k = 0; k < n; k++)
        if (l[k].kind != LV_TRIM && abs(l[k].x - x) < MIN_GAP_PX && l[k].y2 > QUAD_Y1 && l[k].y1 < 510)
            return 0;
    return 1;
}

static void add_lever(Lever *out, int *n, int kind, int engine, int x, int y1, int y2)
{
    if (*n < MAX_LEVERS)
        out[(*n)++] = Lever{kind, engine, x, y1, y2};
}

// Speed brake, slats, sweep and thrust vector take the free columns of the
// upper quadrant, in that order.
static void add_aux_levers(Lever *out, int *n)
{
    int want[4] = {pln.sbrkEQ, pln.slatEQ && !pln.autoslat,
                   !pln.autosweep && (pln.varsweepEQ[2] || pln.varsweepEQ[3] || pln.varsweepEQ[4]),
                   pln.vectEQ};
    static const int KIND[4] = {LV_SBRK, LV_SLAT, LV_SWEEP, LV_VECT};
    int col = 0;
    for (int k = 0; k < 4; k++) {
        if (!want[k])
            continue;
        while (col < 4 && !column_free(out, *n, oseng + AUX_COLS[col]))
            col++;
        if (col == 4)
            return;
        add_lever(out, n, KIND[k], 0, oseng + AUX_COLS[col], LEVER_AUX_IN - 10, LEVER_AUX_OUT + 10);
        col++;
    }
}

int panel_levers(Lever *out)
{
    int n = 0;
    const int throt_y2 = LEVER_THROT_IDLE + THROT_KNOB_H;
    if (panel_is_heli()) {
        add_lever(out, &n, LV_TRIM, 0, ostrm + TRIM_COL, LEVER_THROT_FULL, throt_y2);
        add_lever(out, &n, LV_COLLECT, 0, osthr + THROT_COL_ONE, LEVER_THROT_FULL, throt_y2);
        return n;
    }
    int engines = pln.entype ? intlim(pln.numen, 1, 2) : 0;
    if (pln.flapEQ)
        add_lever(out, &n, LV_FLAP, 0, oseng + FLAP_COL, LEVER_FLAP_UP - 6, LEVER_FLAP_FULL + 6);
    int props = pln.entype == 2 || (pln.entype == 1 && pln.varpitchEQ);
    for (int e = 0; e < engines; e++) {
        int x = engines == 1 ? THROT_COL_ONE : THROT_COL[e];
        // Thrust reversers: the slot goes on past idle into the reverse zone.
        int y2 = pln.revthrustEQ ? LEVER_THROT_REVERSE + THROT_KNOB_H : throt_y2;
        add_lever(out, &n, LV_THROT, e, osthr + x, LEVER_THROT_FULL, y2);
        if (props)
            add_lever(out, &n, LV_PROP, e, oseng + PROP_COL[e], LEVER_PROP_HIGH, LEVER_PROP_LOW + PROP_KNOB_H);
        if (pln.entype == 1)
            add_lever(out, &n, LV_MIX, e, osmix + MIX_COL[e], LEVER_PROP_HIGH, LEVER_PROP_LOW + PROP_KNOB_H);
    }
    add_aux_levers(out, &n);
    add_lever(out, &n, LV_TRIM, 0, ostrm + TRIM_COL, LEVER_THROT_FULL, throt_y2);
    return n;
}

int *lever_row_field(const Lever &l)
{
    int e = l.engine & 1;
    switch (l.kind) {
    case LV_FLAP: return &ins.flap;
    case LV_THROT: return &ins.throt[e];
    case LV_PROP: return &ins.prop[e];
    case LV_MIX: return &ins.mix[e];
    case LV_SBRK: return &ins.sbrk;
    case LV_SLAT: return &ins.slat;
    case LV_SWEEP: return &ins.sweep;
    case LV_VECT: return &ins.vect;
    case LV_COLLECT: return &ins.collect;
    default: return &ins.trim;
    }
}

// ---------------------------------------------------------------- dial scales
// The needle angles of the loaded aircraft's dials. The scale factors are
// the aircraft loading's (ins.indtoASI ...); these functions only turn
// values into angles for the painters and the needles.

float asi_deg(float v)
{
    float p = pln.ASpwr > 0.0f ? pln.ASpwr : 1.0f;
    float a = (powf(fltmax2(v, 0.0f), p) - powf(fltmax2(pln.Vmin, 0.0f), p)) * ins.indtoASI;
    return std::isfinite(a) ? fltlim(a, 0.0f, 330.0f) : 0.0f;
}

float vsi_deg(float fpm)
{
    float limit = panel_is_glass() ? 90.0f : 160.0f;
    float a = fpm * con.fpmtomsc * ins.msctoVVI;
    return std::isfinite(a) ? fltlim(a, -limit, limit) : 0.0f;
}

float alt_deg(float ft) { return degf_wrap(ft * 0.36f); }   // 1,000 ft a turn

// The dials' own quantities (the loading set the factors; an aircraft
// without them gets a dial that still draws).
static float vvi_full_fpm;   // the VSI's end value
void init_as()
{
    if (!std::isfinite(ins.indtoASI) || ins.indtoASI <= 0.0f)
        ins.indtoASI = 330.0f / 100.0f;
}
void init_vvi()
{
    if (!std::isfinite(ins.msctoVVI) || ins.msctoVVI <= 0.0f)
        ins.msctoVVI = con.msctofpm * 0.08f;
    vvi_full_fpm = (panel_is_glass() ? 90.0f : 160.0f) / (ins.msctoVVI * con.fpmtomsc);
}
void init_tach()
{
    if (!std::isfinite(ins.tactoINS) || ins.tactoINS < 0.0f)
        ins.tactoINS = 0.0f;
}
void init_n1()
{
    if (!(ins.n1_toINS > 0.0f))
        ins.n1_toINS = 3.5f;
}
void init_mp()
{
    if (!(ins.mprtoINS > 0.0f))
        ins.mprtoINS = 150.0f / 13.0f;
}
void init_torque()
{
    if (!std::isfinite(ins.trqtoINS) || ins.trqtoINS < 0.0f)
        ins.trqtoINS = 0.0f;
}
void init_epr()
{
    if (!(ins.eprtoINS > 0.0f))
        ins.eprtoINS = 90.0f;
}

// One tick table: angles of the values v0..v1 every step, major (every
// `major` steps) ticks longer. Ends with a zero length.
static void tick_table(int *t, int *d, float v0, float v1, float step, int major, float (*deg)(float))
{
    int n = 0;
    if (step > 0.0f)
        for (float v = v0; v <= v1 + 0.001f && n < MAX_TICKS - 1; v += step, n++) {
            t[n] = iround(deg(v));
            d[n] = n % major == 0 ? 7 : 4;
        }
    d[n] = 0;
}

static float tach_deg(float rpm) { return rpm * con.rpmtorsc * ins.tactoINS; }
static float n1_deg(float pct) { return pct * ins.n1_toINS; }

void init_tickmark()
{
    float lo = fltmax2(pln.Vmin, 0.0f), hi = fltmax2(pln.Vmax, lo + 10.0f);
    float step = hi - lo > 200.0f ? 10.0f : 5.0f;
    tick_table(ins.t1, ins.d1, lo, hi, step, 2, asi_deg);
}

void init_entick()
{
    float rpm_max = pln.omegamax * con.rsctorpm;
    float step = rpm_max > 3000.0f ? 500.0f : rpm_max > 1000.0f ? 100.0f : 50.0f;
    if (pln.entype == 3)
        tick_table(ins.t2, ins.d2, 0.0f, 100.0f, 5.0f, 2, n1_deg);
    else
        tick_table(ins.t2, ins.d2, 0.0f, rpm_max, step, 5, tach_deg);
    ins.t3[0] = 0;
    ins.d3[0] = 0;
}

void standard_engine_init()
{
    init_tach();
    init_n1();
    init_mp();
    init_torque();
    init_epr();
    init_entick();
}

void standard_options_init()
{
    init_as();
    init_vvi();
    init_tickmark();
    if (ins.radalt_ft <= 0.0f)
        ins.radalt_ft = 200.0f;   // a usual category-I decision height
    ins.map_range = fltlim(ins.map_range, 7.5f, 30.0f);
    ins.arg_range = fltlim(ins.arg_range, 7.5f, 30.0f);
    ins.rad_range = fltlim(ins.rad_range, 7.5f, 30.0f);
}

float vvi_full_scale_fpm() { return vvi_full_fpm; }

// ---------------------------------------------------------------- pixel pictures
// The rolling digits of the glass tapes: 5 x 9 cells, digit d in rows
// 9d..9d+8, so a window scrolling through the column shows one digit
// rolling into the next.
void init_tape(int digit)
{
    static const char *GLYPH[10][9] = {
        {".###.", "#...#", "#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."},
        {"..#..", ".##..", "..#..", "..#..", "..#..", "..#..", "..#..", "..#..", ".###."},
        {".###.", "#...#", "....#", "....#", "...#.", "..#..", ".#...", "#....", "#####"},
        {".###.", "#...#", "....#", "....#", "..##.", "....#", "....#", "#...#", ".###."},
        {"...#.", "..##.", ".#.#.", "#..#.", "#..#.", "#####", "...#.", "...#.", "...#."},
        {"#####", "#....", "#....", "####.", "....#", "....#", "....#", "#...#", ".###."},
        {"..##.", ".#...", "#....", "#....", "####.", "#...#", "#...#", "#...#", ".###."},
        {"#####", "....#", "....#", "...#.", "...#.", "..#..", "..#..", "..#..", "..#.."},
        {".###.", "#...#", "#...#", "#...#", ".###.", "#...#", "#...#", "#...#", ".###."},
        {".###.", "#...#", "#...#", "#...#", ".####", "....#", "....#", "...#.", ".##.."}};
    if (digit < 0 || digit > 9)
        return;
    for (int r = 0; r < 9; r++)
        for (int c = 0; c < TAPE_W; c++)
            ins.tape_col[c][digit * 9 + r] = GLYPH[digit][r][c] == '#' ? PC_WHITE : PC_BLACK;
}

// Map symbols, 10 x 11: 0 airport, 1 NDB, 2 VOR, 3 outer, 4 middle, 5 inner
// marker, 6 ILS, 7 localizer, 8 traffic, 9 the GPS waypoint.
void init_nav_pic()
{
    static const char *PIC[NAV_PICS][NAV_PIC_H] = {
        {"..........", "...####...", "..#....#..", ".#......#.", ".#..##..#.", ".#..##..#.",
         ".#......#.", "..#....#..", "...####...", "..........", ".........."},
        {"..........", "....#.....", "..#...#...", "....#.....", "#..###..#.", "...###....",
         "#..###..#.", "....#.....", "..#...#...", "....#.....", ".........."},
        {"..........", "..####....", ".#....#...", "#......#..", "#..##..#..", "#..##..#..",
         "#......#..", ".#....#...", "..####....", "..........", ".........."},
        {"..........", "..........", "...####...", "..######..", ".########.", ".########.",
         "..######..", "...####...", "..........", "..........", ".........."},
        {"..........", "..........", "...####...", "..#....#..", ".#......#.", ".#......#.",
         "..#....#..", "...####...", "..........", "..........", ".........."},
        {"..........", "..........", "....##....", "...#..#...", "...#..#...", "...#..#...",
         "...#..#...", "....##....", "..........", "..........", ".........."},
        {"....##....", "....##....", "...####...", "...####...", "..######..", "..######..",
         ".########.", ".########.", "##########", "....##....", "....##...."},
        {"....##....", "....##....", "...#..#...", "...#..#...", "..#....#..", "..#....#..",
         ".#......#.", ".#......#.", "##########", "....##....", "....##...."},
        {"..........", "....#.....", "...###....", "..#####...", ".#######..", "#########.",
         ".#######..", "..#####...", "...###....", "....#.....", ".........."},
        {"....#.....", "....#.....", "...###....", "#########.", ".#######..", "..#####...",
         "..##.##...", ".##...##..", ".#.....#..", "..........", ".........."}};
    static const int COLOR[NAV_PICS] = {PC_CYAN, PC_PINK, PC_GREEN, PC_BLUE, PC_AMBER, PC_WHITE,
                                        PC_LILAC, PC_LILAC, PC_WHITE, PC_PINK};
    for (int k = 0; k < NAV_PICS; k++)
        for (int c = 0; c < NAV_PIC_W; c++)
            for (int r = 0; r < NAV_PIC_H; r++)
                ins.nav_pic[k][c][r] = PIC[k][r][c] == '#' ? COLOR[k] : PC_BLACK;
}
