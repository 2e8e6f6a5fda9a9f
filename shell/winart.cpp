// The settings windows' backgrounds: painted by code with the rasterizer
// into the bitmap resources the windows draw first, so that every field has
// its caption and well before a value is drawn into it.
#include "shell/winlocal.h"

#include <cstring>

void art_rect(int color, int x, int y, int w, int h)
{
    if (w > 0 && h > 0)
        MACIBM_fillrect(color, x, y, w - 1, h - 1, 1);
}

void art_frame(int color, int x, int y, int w, int h)
{
    if (w > 1 && h > 1)
        MACIBM_framerect(color, x, y, w - 1, h - 1, 1);
}

void art_text(int color, int x, int y, const char *s) { MACIBM_drstring(color, x, y, s, 0); }

void art_back(int w, int h, const char *title)
{
    art_rect(WIN_BACK, 0, 0, w, h);
    art_frame(WIN_FRAME, 0, 0, w, h);
    art_text(WIN_TITLE, 8, 14, title);
}

void art_group(int x, int y, int w, int h, const char *caption)
{
    art_rect(WIN_PANEL, x, y, w, h);
    art_frame(WIN_FRAME, x, y, w, h);
    int len = (int)strnlen(caption, MAX_STR);
    if (len) {
        art_rect(WIN_PANEL, x + 6, y - 4, len * LETTER_PITCH + 4, 9);
        art_text(WIN_CAPTION, x + 8, y + 4, caption);
    }
}

void art_field(int x, int y, int dig, const char *caption, const char *unit)
{
    // Digits stand at y + 11 .. y + 23 (instdbtn); the well leaves the
    // field's upper and lower click halves visible round them.
    int w = dig * FIELD_COL_W + 6;
    art_rect(WIN_FIELD, x - 4, y + 6, w, 23);
    art_frame(WIN_FRAME, x - 4, y + 6, w, 23);
    // Small marks above and below the well: upper half raises, lower lowers.
    for (int k = 0; k < dig; k++) {
        int cx = x + k * FIELD_COL_W + 4;
        MACIBM_line(WIN_NOTE, cx - 2, y + 4, cx + 2, y + 4, 1);
        MACIBM_line(WIN_NOTE, cx, y + 2, cx, y + 6, 1);
        MACIBM_line(WIN_NOTE, cx - 2, y + 31, cx + 2, y + 31, 1);
    }
    if (caption[0])
        art_text(WIN_CAPTION, x - 4, y, caption);
    if (unit[0])
        art_text(WIN_NOTE, x + dig * FIELD_COL_W + 6, y + 22, unit);
}

void art_arrow_box(int x, int y, int w, int h, int up)
{
    art_rect(WIN_BUTTON, x, y, w, h);
    art_frame(WIN_FRAME, x, y, w, h);
    int cx = x + w / 2, top = y + h / 2 - 2, bottom = y + h / 2 + 2;
    if (up)
        MACIBM_poly3(WIN_CAPTION, cx, top - 1, cx - 3, bottom, cx + 3, bottom, 1);
    else
        MACIBM_poly3(WIN_CAPTION, cx - 3, top, cx + 3, top, cx, bottom + 1, 1);
}

void art_selector(int x, int y, int dx, int width, const char *caption)
{
    art_rect(WIN_FIELD, x - 2, y - 14, width + 4, 17);
    art_frame(WIN_FRAME, x - 3, y - 15, width + 6, 19);
    art_arrow_box(x + dx, y - 25, 15, 15, 1);
    art_arrow_box(x + dx, y, 15, 15, 0);
    if (caption[0])
        art_text(WIN_CAPTION, x - 3, y - 19, caption);
}

void art_button(int x, int y, int w, int h, const char *label)
{
    art_rect(WIN_BUTTON, x, y, w, h);
    art_frame(WIN_CAPTION, x, y, w, h);
    int len = (int)strnlen(label, MAX_STR);
    art_text(WIN_CAPTION, x + (w - len * LETTER_PITCH) / 2 + 1, y + h / 2 + 4, label);
}

void window_back(int bitmap) { MACIBM_bitmap(0, 0, bitmap); }

void flash_aircraft(int x, int y)
{
    for (int n = 0; n < 11; n++) {
        int c = n % 2 ? 29 : 30;
        MACIBM_fillrect(c, x - 4, y - 1, 9, 3, 1);
        MACIBM_fillrect(c, x - 1, y - 4, 3, 9, 1);
        MACIBM_present();
        delay(0.15f);
    }
}

void register_window_art()
{
    static const struct {
        int id, w, h;
        BitmapPainter paint;
        const char *name;
    } ART[] = {
        {BMP_APT, 158, 428, paint_apt, "go to airport"},
        {BMP_STATES, 621, 393, paint_states, "united states"},
        {BMP_LATLON, 246, 165, paint_latlon, "set lat lon"},
        {BMP_TIME, 183, 128, paint_time, "set time of day"},
        {BMP_WEATHER, 607, 409, paint_weather, "set weather conditions"},
        {BMP_ISO, 760, 540, paint_iso, "isometric region"},
        {BMP_WEIGHTS, 436, 252, paint_weights, "set weights"},
        {BMP_RELIABILITY, 683, 558, paint_reliability, "set reliability"},
        {BMP_SOUND, 292, 118, paint_sound, "set sound"},
        {BMP_WARNINGS, 549, 218, paint_warnings, "set warnings"},
        {BMP_FLIGHT_MODE, 349, 335, paint_flight_mode, "set flight mode"},
    };
    for (const auto &a : ART)
        register_bitmap(a.id, a.w, a.h, a.paint, a.name);
}
