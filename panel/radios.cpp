// The radio stack: audio panel with the marker lamps, DME, NAV and COM
// radios or the GPS, the ATC reply lamp, transponder, autopilot buttons,
// gear handle and lights, ADF frequency and the brake lamp. The panel shows
// what the radio record and the receivers hold; tuning (tuning.cpp) and the
// clicks (clicks.cpp) are beside it.
#include "panel/local.h"

#include <cmath>
#include <cstdio>

constexpr int SEG = 5;               // radio digits: segment length
constexpr int SEG_PITCH = SEG + 3;

// ---------------------------------------------------------------- painting

// One frequency window: the painted leading "1", two whole-MHz digits, the
// point and two hundredths (the digits themselves are drawn by the update).
static void paint_frequency(int mhz_x, int row, const char *label)
{
    paint_window(mhz_x - 9, row - 2, mhz_x + 43, row + 2 * SEG + 2);
    digit(mhz_x - 7, row, SEG, DIGIT_COLOR, 1, 0);
    fill_box(mhz_x + 21, row + 2 * SEG - 1, mhz_x + 22, row + 2 * SEG, DIGIT_COLOR);
    text_at(mhz_x - 8, row - 11, label, PC_PALE);
}

static void paint_unit(int x1, int y1, int x2, int y2, int glass)
{
    paint_plate(x1, y1, x2, y2, glass ? PC_GREY3 : PC_GREY4, glass);
    paint_screw(x1 + 4, y1 + 4);
    paint_screw(x2 - 4, y1 + 4);
}

static void paint_audio_and_dme(int o, int glass)
{
    paint_unit(o + RAD_X1, 272, o + RAD_X2, 332, glass);
    static const char *MKR[3] = {"O", "M", "I"};
    for (int k = 0; k < 3; k++) {
        disc(o + MKR_X[k], MKR_Y, 6, PC_GREY2);
        text_centred(o + MKR_X[k] + 1, MKR_Y - 3, MKR[k], PC_GREY6);
    }
    static const char *AUDIO[5] = {"C1", "C2", "N1", "N2", "AD"};
    for (int k = 0; k < 5; k++)
        paint_button(o + AUDIO_X + 20 * k + 1, AUDIO_Y1, o + AUDIO_X + 20 * k + 18, AUDIO_Y2, AUDIO[k], glass);
    paint_window(o + 495, 297, o + 596, 328);
    text_at(o + 498, 321, "NM", PC_GREY8);
    text_at(o + 534, 321, "KT", PC_GREY8);
    text_at(o + 566, 321, "MIN", PC_GREY8);
    paint_button(o + 601, 296, o + 618, 314, panel_has_nav1() ? "N1" : "GP", glass);
    paint_button(o + 620, 296, o + 637, 314, "N2", glass);
    text_at(o + 605, 318, "DME", PC_PALE);
}

static void paint_com_nav(int o, int row, int which)
{
    paint_knob(o + VOL_KNOB_X, row + 8, 9);
    paint_frequency(o + COM_MHZ_X + 4, row, which ? "COM2" : "COM1");
    paint_frequency(o + NAV_MHZ_X + 4, row, which ? "NAV2" : "NAV1");
}

static void paint_gps_unit(int o)
{
    paint_window(o + GPS_X1, GPS_Y1, o + GPS_X2, GPS_Y2);
    text_at(o + GPS_X2 - 18, GPS_Y2 - 8, "GPS", PC_GREY4);
}

static void paint_lower_units(int o, int glass)
{
    paint_unit(o + RAD_X1, 425, o + RAD_X2, 468, glass);
    fill_box(o + REPLY_X - 1, REPLY_Y - 1, o + REPLY_X + 2, REPLY_Y + 2, PC_GREY1);
    text_at(o + REPLY_X + 6, REPLY_Y - 3, "ATC", PC_PALE);
    text_at(o + 496, 449, "XPDR", PC_PALE);
    for (int k = 0; k < 4; k++)
        paint_window(o + XPDR_X + 20 * k + 3, XPDR_Y - 2, o + XPDR_X + 20 * k + 15, XPDR_Y + 2 * SEG + 2);
    paint_unit(o + RAD_X1, 469, o + RAD_X2, 492, glass);
    static const char *AP[7] = {"HDG", "NV1", "NV2", "ALT", "VS", "GS", "SPD"};
    for (int k = 0; k < 7; k++) {
        text_centred(o + AP_X[k] + 1, 471, AP[k], PC_PALE);
        paint_window(o + AP_X[k] - 7, AP_ROW - 1, o + AP_X[k] + 7, AP_ROW + 7);
    }
    paint_unit(o + RAD_X1, 493, o + RAD_X2, 575, glass);
    if (!panel_is_heli()) {
        text_at(o + ADF_X + 5, ADF_Y - 11, "ADF", PC_PALE);
        for (int k = 0; k < 3; k++)
            paint_window(o + ADF_X + 20 * k + 5, ADF_Y - 2, o + ADF_X + 20 * k + 15, ADF_Y + 2 * SEG + 2);
        text_at(o + 562, ADF_Y + 3, "KHZ", PC_GREY8);
    }
    paint_lamp(o + BRAKE_X1, BRAKE_Y1, o + BRAKE_X2, BRAKE_Y2, "BRK");
    if (pln.retractEQ) {
        fill_box(o + 606, 497, o + 612, 535, PC_BLACK);
        text_at(o + 585, 500, "UP", PC_PALE);
        text_at(o + 585, 528, "DN", PC_PALE);
        text_at(o + 582, 514, "GEAR", PC_PALE);
        for (int k = 0; k < 3; k++)
            disc(o + GEAR_LIGHT_X, 503 + 13 * k, 4, PC_GREY2);
    }
}

void paint_radio_stack(int glass)
{
    int o = osrad;
    paint_audio_and_dme(o, glass);
    paint_unit(o + RAD_X1, 333, o + RAD_X2, 424, glass);
    if (panel_has_nav1())
        paint_com_nav(o, NAV1_ROW, 0);
    else
        paint_gps_unit(o);
    paint_com_nav(o, NAV2_ROW, 1);
    paint_lower_units(o, glass);
}

// ---------------------------------------------------------------- frequencies

static void draw_frequency(int mhz_x, int row, int mhz, int hundredths)
{
    seg_number(mhz_x, row, intlim(mhz - 100, 0, 99), 2, SEG, DIGIT_COLOR, 1);
    seg_number(mhz_x + 24, row, intlim(hundredths, 0, 99), 2, SEG, DIGIT_COLOR, 1);
    canvas_dirty(mhz_x - 1, row - 1, mhz_x + 42, row + 2 * SEG + 1);
}

static int freq_mem[5], freq_drawn[5], vol_mem[2], vol_drawn[2];

// The volume knob's index mark: fully left (-135 degrees) silent, fully
// right (+135) loudest.
static void draw_volume(int cx, int cy, float vol)
{
    constexpr int R = 9;
    canvas_restore(cx - R, cy - R, cx + R, cy + R);
    int x, y;
    polar(cx, cy, -135.0f + 270.0f * fltlim(vol, 0.0f, 1.0f), (float)(R - 2), &x, &y);
    line2(cx, cy, x, y, PC_WHITE);
    canvas_dirty(cx - R, cy - R, cx + R, cy + R);
}

void update_radio_faces()
{
    int o = osrad;
    for (int r = 0; r < 2; r++) {
        int row = r ? NAV2_ROW : NAV1_ROW;
        if (!r && !panel_has_nav1())
            continue;
        float vol = std::isfinite(nav.vol[r]) ? nav.vol[r] : 0.0f;
        if (value_changed(&vol_mem[r], &vol_drawn[r], iround(fltlim(vol, 0.0f, 1.0f) * 10.0f)))
            draw_volume(o + VOL_KNOB_X, row + 8, vol);
        if (value_changed(&freq_mem[r], &freq_drawn[r], nav.cf[r] * 100 + nav.cf100[r]))
            draw_frequency(o + COM_MHZ_X + 4, row, nav.cf[r], nav.cf100[r]);
        if (value_changed(&freq_mem[2 + r], &freq_drawn[2 + r], nav.nf[r] * 100 + nav.nf100[r]))
            draw_frequency(o + NAV_MHZ_X + 4, row, nav.nf[r], nav.nf100[r]);
    }
    int adf = intlim(nav.adf1, 0, 9) * 100 + intlim(nav.adf2, 0, 9) * 10 + intlim(nav.adf3, 0, 9);
    int xpdr = ((intlim(nav.tran1, 0, 7) * 8 + intlim(nav.tran2, 0, 7)) * 8 + intlim(nav.tran3, 0, 7)) * 8 +
               intlim(nav.tran4, 0, 7);
    if (value_changed(&freq_mem[4], &freq_drawn[4], adf * 4096 + xpdr)) {
        const int code[4] = {nav.tran1, nav.tran2, nav.tran3, nav.tran4};
        for (int k = 0; k < 4; k++)
            digit(o + XPDR_X + 20 * k + 6, XPDR_Y, SEG, DIGIT_COLOR, intlim(code[k], 0, 7), 1);
        canvas_dirty(o + XPDR_X, XPDR_Y, o + XPDR_X + 80, XPDR_Y + 2 * SEG + 1);
        if (!panel_is_heli()) {
            const int d[3] = {nav.adf1, nav.adf2, nav.adf3};
            for (int k = 0; k < 3; k++)
                digit(o + ADF_X + 20 * k + 7, ADF_Y, SEG, DIGIT_COLOR, intlim(d[k], 0, 9), 1);
            canvas_dirty(o + ADF_X, ADF_Y, o + ADF_X + 60, ADF_Y + 2 * SEG + 1);
        }
    }
}

// ---------------------------------------------------------------- markers

static int lamp_mem, lamp_drawn;

// The lamp of the beacon overhead while its pattern has it lit (the
// receivers find the beacon, step its pattern and sound its tones).
void update_MARKERS()
{
    int state = nav.marker_lit ? intlim(nav.marker, 0, NAV_IM) : 0;
    if (!value_changed(&lamp_mem, &lamp_drawn, state))
        return;
    static const int COLOR[3] = {PC_BLUE, PC_AMBER, PC_WHITE};
    static const char *MKR[3] = {"O", "M", "I"};
    for (int k = 0; k < 3; k++) {
        int lit = state == NAV_OM + k;
        int x = osrad + MKR_X[k];
        disc(x, MKR_Y, 6, lit ? COLOR[k] : PC_GREY2);
        text_centred(x + 1, MKR_Y - 3, MKR[k], lit ? PC_BLACK : PC_GREY6);
        canvas_dirty(x - 6, MKR_Y - 6, x + 6, MKR_Y + 6);
    }
}

// ---------------------------------------------------------------- DME

static int dme_mem, dme_drawn;

// The DME's three windows from the receivers' reading: dashes without a
// station, and the minutes blank while the speed gives no estimate.
void update_DME()
{
    int dist, spd, mins;
    dme_digits(&dist, &spd, &mins);
    int valid = nav.dme_ok;
    int sel = panel_has_gps() && nav.dmesel == 0 ? 2 : intlim(nav.dmesel, 0, 1);
    int key = ((((valid ? dist + 1 : 0) * 1000 + spd) * 101 + mins + 1) * 3) + sel;
    if (!value_changed(&dme_mem, &dme_drawn, key))
        return;
    int o = osrad;
    fill_box(o + 495, 299, o + 596, 318, PC_BLACK);
    if (valid) {
        seg_number(o + 498, 302, dist, 3, SEG, PC_RED, 0);
        fill_box(o + 514, 301 + 2 * SEG, o + 515, 302 + 2 * SEG, PC_RED);
        seg_number(o + 534, 302, spd, 3, SEG, PC_RED, 0);
    }
    if (valid && mins >= 0)
        seg_number(o + 570, 302, mins, 2, SEG, PC_RED, 0);
    else
        for (int x : {570, 578})
            hline(o + x, o + x + SEG, 302 + SEG, PC_RED);
    if (!valid)
        for (int x : {498, 506, 514, 534, 542, 550})
            hline(o + x, o + x + SEG, 302 + SEG, PC_RED);
    canvas_restore(o + 600, 296, o + 640, 314);
    const char *left = panel_has_nav1() ? "N1" : "GP";
    text_centred(o + 610 + 19 * (sel == 1), 302, sel == 1 ? "N2" : left, PC_GREEN);
    canvas_dirty(o + 495, 296, o + 640, 324);
}

void forget_radios()
{
    lamp_drawn = dme_drawn = 0;
}

// ---------------------------------------------------------------- GPS

// The waypoint's identifier, blanks for what cannot be shown.
static void gps_waypoint_text(char id[4])
{
    const char *src = gps_waypoint_id();
    for (int k = 0; k < 3; k++)
        id[k] = src && src[k] >= ' ' && src[k] < 127 ? src[k] : '-';
    id[3] = 0;
}

static int gps_mem, gps_drawn;

static void update_gps_unit()
{
    float crs, dis;
    get_gps_data(&crs, &dis);
    int mode = nav.gps_display_mode == 2 ? 2 : 1;
    int c_mag = deg_wrap(iround(crs - (float)env.mvar));
    int d_nm = intlim(iround(dis * con.mtrstonm), 0, 999);
    int spd = intlim(iround(flt.vind), 0, 999);
    int dev = mode == 2 ? gps_cdi_px() : 0;
    int key = (((nav.gps_index_mode * 3 + mode) * 1000 + nav.gpsindex % 1000) * 360 + c_mag) ^
              ((d_nm * 1000 + spd) << 8) ^ ((dev + 32) << 24);
    if (!value_changed(&gps_mem, &gps_drawn, key) && !ins.tickle_gps)
        return;
    ins.tickle_gps = 0;
    int o = osrad;
    fill_box(o + GPS_X1, GPS_Y1, o + GPS_X2, GPS_Y2, PC_BLACK);
    static const char *KIND[3] = {"NDB", "VOR", "APT"};
    for (int k = 0; k < 3; k++) {
        int x = o + GPS_X1 + 4 + 24 * k;
        int on = nav.gps_index_mode == k + 1;
        text_at(x, GPS_Y1 + 3, KIND[k], on ? PC_BLACK : PC_GREY7);
        if (on) {
            fill_box(x - 1, GPS_Y1 + 2, x + 17, GPS_Y1 + 10, PC_GREEN);
            text_at(x, GPS_Y1 + 3, KIND[k], PC_BLACK);
        }
    }
    text_at(o + GPS_X2 - 30, GPS_Y1 + 3, "1 2", PC_GREY7);
    text_at(o + GPS_X2 - (mode == 1 ? 30 : 18), GPS_Y1 + 3, mode == 1 ? "1" : "2", PC_GREEN);
    char id[4], s[40];
    gps_waypoint_text(id);
    snprintf(s, sizeof s, "WPT %s", id);
    text_at(o + GPS_X1 + 4, GPS_Y1 + 15, s, PC_GREEN);
    text_at(o + GPS_X2 - 30, GPS_Y1 + 15, "<", PC_GREY7);   // the waypoint scrolls back or on
    text_at(o + GPS_X2 - 14, GPS_Y1 + 15, ">", PC_GREY7);
    if (mode == 1) {
        snprintf(s, sizeof s, "CRS %03d  DIS %03d", c_mag, d_nm);
        text_at(o + GPS_X1 + 4, GPS_Y1 + 28, s, PC_GREEN);
        snprintf(s, sizeof s, "GS %03d", spd);
        text_at(o + GPS_X1 + 4, GPS_Y1 + 41, s, PC_GREEN);
    } else {
        int cx = o + (GPS_X1 + GPS_X2) / 2, cy = GPS_Y1 + 34;
        for (int k = -1; k <= 1; k++)   // ticks every 25 px: full scale is 2 nm
            fill_box(cx + 25 * k - 1, cy - 2, cx + 25 * k, cy + 1, PC_WHITE);
        hline(cx - 25, cx + 25, cy, PC_GREY6);
        fill_box(cx + dev - 1, cy - 8, cx + dev, cy + 8, PC_PINK);
        int ete = spd > 0 ? intlim(iround(dis * con.mtrstonm / spd * 60.0f), 0, 999) : 999;
        snprintf(s, sizeof s, "ETE %03d", ete);
        text_at(o + GPS_X1 + 4, GPS_Y1 + 45, s, PC_GREEN);
    }
    canvas_dirty(o + GPS_X1, GPS_Y1, o + GPS_X2, GPS_Y2);
}

// ---------------------------------------------------------------- lamps and buttons

static int reply_mem, reply_drawn, ap_mem, ap_drawn, gear_mem, gear_drawn, brake_mem, brake_drawn;
static int audio_mem, audio_drawn;

void update_reply_lamp()
{
    static const int COLOR[4] = {PC_BLACK, PC_OLIVE, PC_YELLOW, PC_CREAM};
    float t = msc.tottime;
    int level = 0;
    if (t < ins.reply_time2) {
        float d = fminf(fabsf(t - ins.reply_time1), fabsf(t - ins.reply_time2));
        level = d < 0.08f ? 1 : d < 0.16f ? 2 : 3;
    }
    ins.reply_level = level;
    if (!value_changed(&reply_mem, &reply_drawn, level))
        return;
    fill_box(osrad + REPLY_X, REPLY_Y, osrad + REPLY_X + 1, REPLY_Y + 1, COLOR[level]);
    canvas_dirty(osrad + REPLY_X, REPLY_Y, osrad + REPLY_X + 1, REPLY_Y + 1);
}

static void update_autopilot_lamps()
{
    const int on[7] = {ott.HDSLCT, ott.NAV[0], ott.NAV[1], ott.ALHOLD, ott.VVHOLD, ott.GS2, ott.ASHOLD};
    int key = 0;
    for (int k = 0; k < 7; k++)
        key |= (on[k] != 0) << k;
    if (!value_changed(&ap_mem, &ap_drawn, key))
        return;
    for (int k = 0; k < 7; k++) {
        int x = osrad + AP_X[k];
        fill_box(x - 7, AP_ROW - 1, x + 7, AP_ROW + 7, on[k] ? PC_GREEN : PC_BLACK);
        if (on[k])
            fill_box(x - 6, AP_ROW, x + 6, AP_ROW, PC_LTGREEN);
        canvas_dirty(x - 7, AP_ROW - 1, x + 7, AP_ROW + 7);
    }
}

static void update_audio_buttons()
{
    if (!value_changed(&audio_mem, &audio_drawn, nav.radout))
        return;
    int o = osrad;
    canvas_restore(o + AUDIO_X, AUDIO_Y1, o + AUDIO_X + 100, AUDIO_Y2 + 2);
    int k = nav.radout - 1;
    if (k >= 0 && k < 5)
        hline(o + AUDIO_X + 20 * k + 3, o + AUDIO_X + 20 * k + 16, AUDIO_Y2 + 2, PC_GREEN);
    canvas_dirty(o + AUDIO_X, AUDIO_Y1, o + AUDIO_X + 100, AUDIO_Y2 + 2);
}

static void update_gear()
{
    if (!pln.retractEQ)
        return;
    int key = set.gear_handle;
    for (int k = 0; k < 3; k++)
        key = key * 3 + (set.gear_stat[k] != set.gear_handle ? 2 : set.gear_stat[k] != 0);
    if (!value_changed(&gear_mem, &gear_drawn, key))
        return;
    int o = osrad;
    canvas_restore(o + 600, 495, o + 640, 536);
    int ky = set.gear_handle ? 528 : 502;
    fill_box(o + GEAR_X - 1, 497, o + GEAR_X, 535, PC_BLACK);
    disc(o + GEAR_X, ky, 6, PC_GREY9);
    disc(o + GEAR_X, ky, 3, PC_GREY6);
    for (int k = 0; k < 3; k++) {
        int c = set.gear_stat[k] != set.gear_handle ? PC_RED : set.gear_stat[k] ? PC_GREEN : PC_GREY2;
        disc(o + GEAR_LIGHT_X, 503 + 13 * k, 4, c);
    }
    canvas_dirty(o + 600, 495, o + 640, 536);
}

static void draw_brake_lamp()
{
    int o = osrad;
    fill_box(o + BRAKE_X1, BRAKE_Y1, o + BRAKE_X2, BRAKE_Y2, ins.brake_on ? PC_RED : PC_BLACK);
    text_centred(o + (BRAKE_X1 + BRAKE_X2 + 1) / 2, BRAKE_Y1 + 4, "BRK", ins.brake_on ? PC_WHITE : PC_GREY5);
    canvas_dirty(o + BRAKE_X1, BRAKE_Y1, o + BRAKE_X2, BRAKE_Y2);
}

void plotbrakes()
{
    if (panel_draw_now(draw_brake_lamp)) {
        brake_mem = ins.brake_on != 0;
        brake_drawn = 1;
    }
}

void update_radio_stack()
{
    update_radio_faces();
    update_audio_buttons();
    if (!panel_has_nav1())
        update_gps_unit();
    update_autopilot_lamps();
    update_gear();
    if (value_changed(&brake_mem, &brake_drawn, ins.brake_on != 0))
        draw_brake_lamp();
}
