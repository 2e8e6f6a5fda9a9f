// Inside the panel only: the records it reads, its colours and geometry
// (docs/panel-layout.md is the same table in prose), the off-screen panel
// canvas every instrument draws into, the drawing helpers and the painters.
#pragma once
#include "panel/panel.h"

#include <cmath>
#include <initializer_list>

#include "flight/flight.h"   // set_lever_rows, wxr_cell
#include "world/world.h"

// Angles of any size wrapped into whole degrees 0..359, floats 0..360 and
// differences -180..180.
inline int deg_wrap(int a) { a %= 360; return a < 0 ? a + 360 : a; }
inline float degf_wrap(float a) { a = fmodf(a, 360.0f); return a < 0.0f ? a + 360.0f : a; }
inline float degf_diff(float a) { a = degf_wrap(a); return a > 180.0f ? a - 360.0f : a; }

// ---------------------------------------------------------------- colours
// Interface indices 11..52: the panel lighting recolours them at night.
enum PanelColor {
    PC_BLACK = 11, PC_GREY1 = 12, PC_GREY2 = 13, PC_GREY3 = 14, PC_GREY4 = 15, PC_GREY5 = 16,
    PC_GREY6 = 17, PC_GREY7 = 18, PC_GREY8 = 19, PC_GREY9 = 20, PC_LIGHT = 21, PC_PALE = 22,
    PC_WHITE = 23, PC_GREEN = 24, PC_DKGREEN = 25, PC_LTGREEN = 26, PC_FOREST = 27, PC_LIME = 28,
    PC_YELLOW = 29, PC_RED = 30, PC_ORANGE = 31, PC_PINK = 32, PC_MAROON = 33, PC_DKRED = 34,
    PC_OFFWHITE = 35, PC_AMBER = 36, PC_CREAM = 37, PC_OLIVE = 38, PC_SKY = 39, PC_BLUE = 40,
    PC_LTBLUE = 41, PC_NAVY = 42, PC_CYAN = 43, PC_LILAC = 44, PC_STEEL = 45, PC_BROWN = 46,
    PC_DKBROWN = 47, PC_TAN = 48, PC_UMBER = 49, PC_SAND = 50, PC_KHAKI = 51, PC_EARTH = 52
};
constexpr int NEEDLE_COLOR = PC_WHITE;    // the panel's needles
constexpr int DIGIT_COLOR = PC_GREEN;     // digit windows and radios
constexpr int ERASE_COLOR = PC_BLACK;     // dial faces; an erased needle

// ---------------------------------------------------------------- geometry
constexpr int PANEL_W = 800, PANEL_BOTTOM = 599;
constexpr int GLARE_BOTTOM = 271;
// Glare shield.
constexpr int HUD_X1 = 38, HUD_Y1 = 248, HUD_X2 = 61, HUD_Y2 = 268;
constexpr int HOOP_X1 = 68, HOOP_X2 = 107;
constexpr int STALL_X1 = 118, STALL_Y1 = 250, STALL_X2 = 160, STALL_Y2 = 266;
constexpr int COMPASS_X = 400, COMPASS_Y1 = 237, COMPASS_Y2 = 265, COMPASS_HALF_W = 40;
constexpr int TAILNUM_X1 = 455, TAILNUM_Y1 = 250, TAILNUM_X2 = 540, TAILNUM_Y2 = 266;
constexpr int CLOCK_X = 612, CLOCK_Y = 262, HELI_CLOCK_X = 250;   // text baseline
constexpr int PAUSE_X1 = 725, PAUSE_Y1 = 249, PAUSE_X2 = 795, PAUSE_Y2 = 269;   // + ospau
constexpr int STATUS_X = 25, STATUS_Y = 420;              // text baseline
constexpr int STATUS_BOX_X1 = 22, STATUS_BOX_Y1 = 410, STATUS_BOX_X2 = 150, STATUS_BOX_Y2 = 421;
// Six-pack (+ ossix).
constexpr int ASI_X = 65, ASI_Y = 338, ALT_X = 323, ALT_Y = 338;
constexpr int TC_X = 65, TC_Y = 466, VSI_X = 323, VSI_Y = 466;
constexpr int AH_X = 194, AH_Y = 338, DG_X = 194, DG_Y = 466;
constexpr int FACE_R = 50, BEZEL_R = 56, TC_FACE_R = 41, TC_BEZEL_R = 45, DG_CARD_R = 52;
constexpr int AH_BALL_R = 40, AH_RING_R = 50;
constexpr int BARO_KNOB_X = 288, BARO_KNOB_Y = 378;
constexpr int BALL_ROW = 509;
// Glass (+ ossix).
constexpr int PFD_X1 = 4, PFD_Y1 = 274, PFD_X2 = 384, PFD_Y2 = 406;
constexpr int SPD_TAPE_X1 = 10, SPD_TAPE_X2 = 58, ALT_TAPE_X1 = 290, ALT_TAPE_X2 = 344;
constexpr int TAPE_Y1 = 280, TAPE_Y2 = 396, TAPE_MID = 338;
constexpr int GLASS_AH_HALF_W = 54, GLASS_AH_SEMIDIM = 56;
constexpr int GVSI_X = 383, GVSI_Y = 338, GVSI_LEN = 34;
constexpr int ND_X1 = 4, ND_Y1 = 408, ND_X2 = 196, ND_Y2 = 534;
constexpr int GLASS_DG_X = 100, GLASS_DG_Y = 480;
constexpr int MAP_X1 = 200, MAP_Y1 = 408, MAP_X2 = 382, MAP_Y2 = 516;
constexpr int MAP_BTN_Y1 = 520, MAP_BTN_Y2 = 538;
// Bottom strip (+ ossix).
constexpr int DATA_X1 = 6, DATA_Y1 = 538, DATA_X2 = 382, DATA_Y2 = 566;
constexpr int ANN_Y1 = 572, ANN_Y2 = 592, ANN_X0 = 8, ANN_W = 60, ANN_PITCH = 62;
constexpr int NUM_ANN = 6;
// Option column (layouts 1..7).
constexpr int OPT_X = 440, OPT_Y = 334, OPT_FACE_R = 44, OPT_BEZEL_R = 48;
constexpr int LOW_X = 440, LOW_Y = 452, LOW_FACE_R = 36, LOW_BEZEL_R = 40;
constexpr int OBS1_KNOB_X = 410, OBS1_KNOB_Y = 395, DH_KNOB_X = 403, DH_KNOB_Y = 395;
constexpr int STORM_X = 426, STORM_Y = 336, STORM_R = 40;
constexpr int RADAR_X1 = 394, RADAR_Y1 = 284, RADAR_X2 = 486, RADAR_Y2 = 380;
constexpr int TIMER_X = 410, TIMER_Y = 496;
constexpr int FUEL_X1 = 410, FUEL_X2 = 476, FUEL_ROW_L = 552, FUEL_ROW_R = 576;
// Radio stack (+ osrad).
constexpr int RAD_X1 = 488, RAD_X2 = 639;
constexpr int MKR_X[3] = {496, 512, 528};
constexpr int MKR_Y = 284;
constexpr int AUDIO_X = 540, AUDIO_Y1 = 276, AUDIO_Y2 = 292;
constexpr int DME_Y = 303;
constexpr int NAV1_ROW = 350, NAV2_ROW = 405;              // digit tops
constexpr int COM_MHZ_X = 529, NAV_MHZ_X = 590;
constexpr int VOL_KNOB_X = 505;                            // the knob's centre 8 below the digits' top
constexpr int GPS_X1 = 495, GPS_Y1 = 335, GPS_X2 = 638, GPS_Y2 = 392;
constexpr int REPLY_X = 499, REPLY_Y = 430;
constexpr int XPDR_X = 561, XPDR_Y = 447;
constexpr int AP_ROW = 481;
constexpr int AP_X[7] = {497, 517, 537, 560, 580, 600, 620};
constexpr int GEAR_X = 609, GEAR_Y = 520, GEAR_LIGHT_X = 634;
constexpr int ADF_X = 501, ADF_Y = 541;
constexpr int BRAKE_X1 = 489, BRAKE_Y1 = 556, BRAKE_X2 = 509, BRAKE_Y2 = 570;
// Engine gauges (+ oseng): 2 x 2, or the helicopter's column of three.
constexpr int MAX_ENG_GAUGES = 4;
constexpr int ENG_FACE_R = 31, ENG_BEZEL_R = 34, HELI_ENG_FACE_R = 20, HELI_ENG_BEZEL_R = 23;
// Lever quadrant.
constexpr int QUAD_Y1 = 440;
constexpr int FLAP_COL = 650;                              // + oseng
constexpr int THROT_COL[2] = {647, 682}, THROT_COL_ONE = 666;   // + osthr
constexpr int PROP_COL[2] = {689, 716};                    // + oseng
constexpr int MIX_COL[2] = {727, 754};                     // + osmix
constexpr int AUX_COLS[4] = {688, 726, 716, 754};          // + oseng
constexpr int TRIM_COL = 769;                              // + ostrm
constexpr int THROT_KNOB_H = 14, PROP_KNOB_H = 22;

// Panel layouts (pln.layouttype).
enum PanelLayout {
    LAYOUT_BASIC = 1, LAYOUT_GPS = 2, LAYOUT_STORMSCOPE = 3, LAYOUT_RADALT = 4,
    LAYOUT_VARIO = 5, LAYOUT_RADAR = 6, LAYOUT_RMI = 7, LAYOUT_HELI = 8
};
// 1 for the layouts with NAV1 and COM1 in the radio stack (the others show the GPS).
int panel_has_nav1();
int panel_is_glass();
int panel_is_heli();
// Centre of engine gauge k (0..3; absolute) and its radii; 0 when the
// panel has no such gauge.
int engine_gauge_at(int k, int *x, int *y, int *face_r, int *bezel_r);

// Levers of the loaded aircraft, in drawing order.
enum LeverKind {
    LV_FLAP, LV_THROT, LV_PROP, LV_MIX, LV_SBRK, LV_SLAT, LV_SWEEP, LV_VECT, LV_TRIM, LV_COLLECT
};
constexpr int MAX_LEVERS = 12;
struct Lever {
    int kind, engine;        // engine 0/1 for throttles, propellers, mixtures
    int x;                   // column (absolute)
    int y1, y2;              // slot rows
};
// Fills `out` with the aircraft's levers; returns how many.
int panel_levers(Lever *out);
// The ins row field of a lever.
int *lever_row_field(const Lever &l);

// ---------------------------------------------------------------- canvas
// The panel draws into off-screen world 3, laid out as the window, with a
// copy of the painted panel beside it; changed rectangles go to window 0
// when the update ends.
constexpr int PANEL_WORLD = 3;
// Locks the canvas for drawing; 1 when it had to be made (a new start:
// nothing painted on it yet).
int canvas_begin();
// Copies the changed rectangles to window 0 and unlocks.
void canvas_end();
// Marks (x1, y1)-(x2, y2) inclusive as changed.
void canvas_dirty(int x1, int y1, int x2, int y2);
// Makes the painted picture the canvas's background copy (after panplot).
void canvas_keep_background();
// The painted picture at (x, y) (inside the panel rows), else 11.
int canvas_background(int x, int y);
// Puts the painted picture back over (x1, y1)-(x2, y2) inclusive.
void canvas_restore(int x1, int y1, int x2, int y2);
// Where the canvas is erased ink (11) but the painted picture is not, the
// picture comes back: repairs graduations an erased needle crossed.
void canvas_repair(int x1, int y1, int x2, int y2);
// Copies the whole panel to the window at once.
void canvas_show_all();

// ---------------------------------------------------------------- drawing
// Pixel and spans on the locked canvas or bitmap (clipped).
void put_px(int x, int y, int c);
void hline(int x1, int x2, int y, int c);
void fill_box(int x1, int y1, int x2, int y2, int c);
void frame_box(int x1, int y1, int x2, int y2, int c);
void disc(int cx, int cy, int r, int c);
// The ring r1..r2 from angle a1 clockwise to a2 (deg, 0 up).
void ring(int cx, int cy, int r1, int r2, float a1, float a2, int c);
// A line of width 1 (both ends drawn) and of width 2.
void line1(int x1, int y1, int x2, int y2, int c);
void line2(int x1, int y1, int x2, int y2, int c);
// Point at angle (deg, 0 up, clockwise) and radius from a centre.
void polar(int cx, int cy, float ang_deg, float r, int *x, int *y);
// The 5 x 7 font: text with its top-left at (x, y); centred on cx; bold
// draws each column twice. Returns the width in pixels.
int text_at(int x, int y, const char *s, int c);
int text_width_px(const char *s);
void text_centred(int cx, int y, const char *s, int c);
void text_bold_centred(int cx, int y, const char *s, int c);
// A number in the 5 x 7 font, right-aligned to end before x_right.
void number_right(int x_right, int y, int value, int c);
// Seven-segment digits of `ndig` digits (leading zeros) of segment s at
// top-left (x, y), pitch s + 3; erase paints unlit segments black.
void seg_number(int x, int y, int value, int ndig, int s, int c, int erase);

// The panel's instruments remember what they drew.
struct NeedleMemory {
    int drawn;               // something is on the canvas
    int angle;               // deg, as drawn
};
// 1 (and the memory updated) when the needle must be redrawn: ins.tickle_all,
// never drawn, or more than 2 degrees from the angle drawn.
int needle_moved(NeedleMemory *m, int angle);
// The same rule for a whole value of a digit window.
int value_changed(int *memory, int *drawn, int value);
// The needle from pivot (x, y), `length` px at `angle` (deg, 0 up,
// clockwise), two pixels wide; in the background colour it erases, and the
// painted dial comes back under it.
void needle(int x, int y, int angle, int length, int color, int background);
// Erases the needle at its old angle (the picture comes back under it).
void erase_needle(int x, int y, int angle, int length);
// Moves one needle by the redraw rule; 1 when it was redrawn.
int move_needle(NeedleMemory *m, int x, int y, int angle, int length, int color);
// A hub cap over the pivot.
void needle_hub(int x, int y, int r);
// The barber pole: red and white stripes from radius r0 for `length` px.
void pole(int x, int y, int angle, int r0, int length);
// Graduations at an angle: from r1 to r2, a short one ending at r, and one
// every `step` degrees round a card turned by `rotate`.
void center_tick(int cx, int cy, int angle, int r1, int r2, int color);
void little_tick(int cx, int cy, int angle, int r, int color);
void little_ticks(int cx, int cy, int r, int rotate, int step, int color);
// A glide-slope pointer `w` wide pointing right (dir 1) or left (-1).
void gsbar(int x, int y, int w, int dir, int color);
// The heading card of radius r turned to `heading`, numbered every 30
// degrees (or at the cardinal points only, for a small card).
void plot_dg(int cx, int cy, int heading, int r, int cardinals_only);
// The attitude indicator's fixed aircraft symbol, `half` px each side.
void ADD_wings(int cx, int cy, int half, int color);
// One rolling digit: digit d moved `drop` rows toward d + 1.
void drop_it(int x, int y, int d, int drop);
// The fuel pointer under a scale x1..x2 at `row`, at pct percent.
void fuel_pointer(int x1, int x2, int row, int pct, int color);
// A pitch rung at `deg` and the bank pointer of the attitude ball.
void pitchbar(int cx, int cy, float the, float phi, float deg, float k, int half, int color);
void rollbar(int cx, int cy, float phi, int r_tip, int color);

// ---------------------------------------------------------------- painters
// Paint the two bitmaps; their pieces are shared.
void paint_classic_panel(const Port *p);
void paint_glass_panel(const Port *p);
void paint_glare_shield(int glass);
void paint_bottom_strip(int glass);
void paint_option_column(int glass);
void paint_radio_stack(int glass);
void paint_engine_gauges(int glass);
void paint_quadrant(int glass);
// Dial pieces.
void paint_panel_paint(int x1, int y1, int x2, int y2, int glass);
void paint_plate(int x1, int y1, int x2, int y2, int fill, int glass);
void paint_window(int x1, int y1, int x2, int y2);
void paint_lamp(int x1, int y1, int x2, int y2, const char *label);
void paint_redline(int cx, int cy, float a, float r1, float r2);
void paint_bezel(int cx, int cy, int face_r, int bezel_r, int glass);
void paint_screw(int x, int y);
void paint_knob(int cx, int cy, int r);
void paint_button(int x1, int y1, int x2, int y2, const char *label, int glass);
// Graduations from value v1 to v2 every `step` of a dial whose value v sits
// at angle deg_of(v): ticks between radii r1 and r_face.
void paint_ticks(int cx, int cy, float v1, float v2, float step, float r1, float r2, int c,
                 float (*deg_of)(float));
void paint_numerals(int cx, int cy, float v1, float v2, float step, float r, float divisor,
                    int c, float (*deg_of)(float));
void paint_arc(int cx, int cy, float v1, float v2, float r1, float r2, int c,
               float (*deg_of)(float));
// A dial's angles of the loaded aircraft (the scales the init functions set up).
float asi_deg(float v);      // v in the dial's unit (kt or mph)
float vsi_deg(float fpm);    // signed, from the zero at 270
float alt_deg(float ft);
// The vertical-speed dial's end value (ft/min) of the loaded aircraft.
float vvi_full_scale_fpm();

// ---------------------------------------------------------------- groups
// Each group paints its part of the panel picture and moves its instruments.
void paint_sixpack_classic();
void paint_heading_glass();
void paint_pfd();
void paint_nav_and_map();
void glass_airspeed();
void glass_altitude();
void glass_vvi(float shown_deg);
// Weather-radar colour (24..31) at (x, y) m, or 0 for nothing.
int wxr_color_at(float x, float y);

// The fuel scales (row_r < 0: a single scale) and the option column.
void paint_fuel_scales(int x1, int x2, int row_l, int row_r);
// Tapes of the glass dash: a moving tape, its colour bands (rows of v1, v2,
// colour), a bug, and the rolling readout of ndig digits.
void plot_tape(int x1, int x2, float v, float px, float tick, float label, int side);
void plot_glass_tape(int x1, int x2, float v, float px, const float (*band)[3], int nband, int side);
void plot_tape_bug(int x, int y, int dir, int color);
void tape_4(int x, int y, float value, int ndig);
// The GPS course-deviation display: bar `dev` px off centre.
void plot_GPS_cdi(int cx, int cy, int dev, float dis_nm, int to);
// The live readout's decimal dot, the exponent form for magnitudes of
// 9,999 and more, and the plain digits (REALTIME_num is in panel.h).
void REALTIME_dec(int x, int y, int color);
void REALTIME_expnum(int x, int y, float value, int color);
void REALTIME_fltnum(int x, int y, float value, int dig, int dec, int color);
// The ground-proximity call (SND_PULLUP, SND_SINKRATE, SND_GEAR,
// SND_TERRAIN or 0) for the height above ground (ft), the descent rate
// (ft/min, positive down), the gear and the speed against Vfe.
int gpws_call(float agl_ft, float descent_fpm, int gear_up, float speed, float vfe);
// 1 within 2 s of a ground-proximity call.
int gpws_sounding();
// Draws at once when the panel is painted and nothing is locked (1), else
// leaves the change to the next update (0).
int panel_draw_now(void (*draw)());

// ---------------------------------------------------------------- what the instruments show
// Engine dials: the value engine e shows on a dial of kind G_* (rpm, %,
// inHg, % of maximum torque, ratio, deg F piston or C turbine, gal/h piston
// or lb/h turbine).
enum GaugeKind { G_NONE, G_RPM, G_N1, G_MP, G_TRQ, G_EPR, G_EGT, G_FF };
float engine_value(int kind, int e);
// The magnetic compass's reading before its lag: the magnetic heading with
// the turning error (bank phi, deg) and the acceleration error (ax, ay
// m/s^2 east and north, along the true heading psi_true).
float compass_target(float magpsi, float phi, float psi_true, float ax, float ay);
// 1 while receiver r (0, 1) is on an ILS with its glide slope in front.
inline int glide_slope_received(int r)
{
    return nav.goodnav[r] && nav.ilsgs[r] > 0 && nav.ilsgs[r] != VOR_GLIDESLOPE && nav.ntf[r] == NTF_TO;
}
// The GPS cross-track needle in px, held at its 25 px full scale.
int gps_cdi_px();
// What the lagged and smoothed displays hold now: the vertical speed and
// turn needles (deg), the compass card (deg), the status line.
float vsi_shown_deg();
float tc_shown_deg();
float compass_shown_deg();
const char *status_text();

// ---------------------------------------------------------------- instruments
// What the instruments carry from frame to frame (lags, smoothing,
// rotations, timers) forgotten at a new start of the program.
void forget_instruments();
void forget_glare_shield();
void forget_sixpack();
void forget_glass();
void forget_options();
void forget_radios();
void forget_gpws();
void update_radio_stack();
void update_status_line();
void update_date_line();
void update_flight_timer();
void update_fuel_pointers();
void update_gyro_errors();
void update_reply_lamp();
void update_compass();
void update_stall();
void update_airspeed();
void update_turnslip();
void update_arthoriz();
void update_dghsi();
void update_HSI_VOR();
void update_HSI_GS();
void update_alt();
void update_vvi();
void update_glass();
void update_MARKERS();
void update_DME();
void standard_options_update();
void update_ADF();
void standard_engine_update();
void update_GPWS();
void update_annunciators();
void update_radio_faces();
void update_levers();
// Redraws the quadrant at once (a drag, the autopilot's trim) when the
// panel is drawn.
void redraw_levers();
// Shown values that both dash types use.
float shown_airspeed();      // the dial's unit, not below 0
float shown_altitude_ft();   // with the altimeter setting, 0..99999
