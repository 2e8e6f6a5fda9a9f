// The panel as a whole: its two bitmap resources (classic and glass),
// painted for the loaded aircraft; panplot, which paints and shows it; and
// updatepanel, which moves every instrument once a frame in the fixed order.
#include "panel/local.h"

#include <cstring>

static int painted;          // the canvas holds a painted panel
static uint32_t painted_sig; // of the aircraft it was painted for

// ---------------------------------------------------------------- the pictures

// The helicopter's chin window (the view shows through it) and the strip
// under it with the fuel pointer.
static void paint_chin_window(int glass)
{
    fill_box(629, PANEL_TOP, PANEL_W - 1, 562, PC_BLACK);
    frame_box(628, PANEL_TOP, PANEL_W - 1, 563, PC_GREY1);
    paint_plate(629, 564, PANEL_W - 1, PANEL_BOTTOM, glass ? PC_GREY2 : PC_GREY3, glass);
    paint_fuel_scales(650, 720, 578, -1);
}

static void paint_panel(int glass)
{
    set_mod();
    standard_options_init();
    standard_engine_init();
    paint_panel_paint(0, PANEL_TOP, PANEL_W - 1, PANEL_BOTTOM, glass);
    paint_glare_shield(glass);
    if (glass) {
        paint_pfd();
        paint_nav_and_map();
    } else {
        paint_sixpack_classic();
    }
    paint_bottom_strip(glass);
    paint_option_column(glass);
    paint_radio_stack(glass);
    paint_engine_gauges(glass);
    paint_quadrant(glass);
    if (panel_is_heli())
        paint_chin_window(glass);
}

static void paint_classic_bitmap(const Port *) { paint_panel(0); }
static void paint_glass_bitmap(const Port *) { paint_panel(1); }

void register_panel_bitmaps()
{
    register_bitmap(PANEL_CLASSIC_BITMAP, SCREEN_W, SCREEN_H, paint_classic_bitmap, "panel_classic");
    register_bitmap(PANEL_GLASS_BITMAP, SCREEN_W, SCREEN_H, paint_glass_bitmap, "panel_glass");
}

// ---------------------------------------------------------------- which aircraft

static uint32_t fnv(uint32_t h, const void *p, size_t n)
{
    const unsigned char *b = (const unsigned char *)p;
    for (size_t k = 0; k < n; k++)
        h = (h ^ b[k]) * 16777619u;
    return h;
}

// Everything the painters read: a different value means a different panel.
static uint32_t panel_signature()
{
    uint32_t h = 2166136261u;
    const int ints[] = {pln.dashtype, pln.layouttype, pln.is_heli, pln.AStype, pln.VVItype,
                        pln.as_is_kias, pln.entype, pln.numen, pln.hudEQ, pln.hoopEQ, pln.flapEQ,
                        pln.slatEQ, pln.sbrkEQ, pln.autoslat, pln.autosweep, pln.vectEQ,
                        pln.varpitchEQ, pln.retractEQ, pln.varsweepEQ[2], pln.varsweepEQ[3],
                        pln.varsweepEQ[4]};
    const float floats[] = {pln.Vso, pln.Vs, pln.Vfe, pln.Vno, pln.Vne, pln.Mmo, pln.Vmin, pln.Vmax,
                            pln.ASpwr, pln.pmax, pln.omegamax, pln.omegamingreen, pln.omegamaxgreen,
                            pln.tmax, pln.turboboost, ins.indtoASI, ins.msctoVVI, ins.tactoINS};
    h = fnv(h, ints, sizeof ints);
    h = fnv(h, floats, sizeof floats);
    h = fnv(h, pln.tailnum, strnlen(pln.tailnum, MAX_STR));
    return h;
}

// ---------------------------------------------------------------- drawing

void forget_instruments()
{
    forget_glare_shield();
    forget_sixpack();
    forget_glass();
    forget_options();
    forget_radios();
    forget_gpws();
}

// Every instrument in its order; each draws only what changed unless
// ins.tickle_all asks for everything.
static void run_instruments()
{
    update_status_line();
    update_date_line();
    update_flight_timer();
    update_fuel_pointers();
    update_gyro_errors();      // before every gyro-driven display
    update_reply_lamp();
    update_compass();
    update_stall();
    update_airspeed();
    update_turnslip();
    update_arthoriz();
    update_dghsi();
    update_HSI_VOR();
    update_HSI_GS();
    update_alt();
    update_vvi();
    update_glass();
    update_MARKERS();
    update_DME();
    standard_options_update();
    if (!panel_is_heli())
        update_ADF();
    standard_engine_update();
    update_radio_stack();
    update_levers();
    update_annunciators();
    update_GPWS();
    if (realtime_output)
        realtime_output();
}

void panplot()
{
    if (!find_bitmap(PANEL_CLASSIC_BITMAP))
        register_panel_bitmaps();
    if (ins.tape_col[0][0] == 0) {   // the general initialisation makes the pictures
        for (int d = 0; d <= 9; d++)
            init_tape(d);
        init_nav_pic();
    }
    if (canvas_begin()) {   // a new start: nothing painted, nothing remembered
        painted = 0;
        forget_instruments();
    }
    uint32_t sig = panel_signature();
    if (!painted || sig != painted_sig) {
        paint_bitmap(panel_is_glass() ? PANEL_GLASS_BITMAP : PANEL_CLASSIC_BITMAP, pix);
        canvas_keep_background();
        painted = 1;
        painted_sig = sig;
    }
    set_mod();
    int tickle = ins.tickle_all;
    ins.tickle_all = 1;
    run_instruments();
    ins.tickle_all = tickle;
    canvas_show_all();
}

void updatepanel()
{
    if (!ins.canvas_made || !painted || panel_signature() != painted_sig)
        panplot();   // a new aircraft, or its panel changed
    canvas_begin();
    run_instruments();
    canvas_end();
    ins.tickle_all = 0;
}

int panel_draw_now(void (*draw)())
{
    if (!ins.canvas_made || !painted || locked)
        return 0;
    canvas_begin();
    draw();
    canvas_end();
    return 1;
}
