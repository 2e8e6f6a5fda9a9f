// Inside the settings and chart windows only: their colours, the helpers
// that paint the backgrounds (into the locked scratch world of a bitmap
// painter) and the painters the art registration names.
#pragma once
#include "shell/local.h"
#include "shell/windows.h"

// Interface colours of the windows (palette indices).
constexpr int WIN_BACK = 14;      // dark grey window face
constexpr int WIN_PANEL = 16;     // a group's face
constexpr int WIN_FIELD = 11;     // black behind values
constexpr int WIN_FRAME = 19;     // group and field frames
constexpr int WIN_CAPTION = 22;   // captions
constexpr int WIN_TITLE = 36;     // window heading, amber
constexpr int WIN_NOTE = 20;      // hints
constexpr int WIN_VALUE = 24;     // values, green as on the widgets
constexpr int WIN_BUTTON = 18;    // button faces

// Painting into the locked world: w x h rectangles (not the locked
// primitives' w + 1), text on the baseline y in the system font.
void art_rect(int color, int x, int y, int w, int h);
void art_frame(int color, int x, int y, int w, int h);
void art_text(int color, int x, int y, const char *s);
// The window's face, its frame and the heading.
void art_back(int w, int h, const char *title);
// A group: a framed panel with its caption on the top edge.
void art_group(int x, int y, int w, int h, const char *caption);
// The black well behind a number field of dig columns at (x, y), with its
// caption above and the unit to its right.
void art_field(int x, int y, int dig, const char *caption, const char *unit);
// The well and the two step boxes of a text selector (see inNtextbtn).
void art_selector(int x, int y, int dx, int width, const char *caption);
// A push button w x h with a centred label.
void art_button(int x, int y, int w, int h, const char *label);
// An up or down arrow head in a box w x h.
void art_arrow_box(int x, int y, int w, int h, int up);

// The painters (each window's file).
void paint_apt(const Port *p);
void paint_states(const Port *p);
void paint_latlon(const Port *p);
void paint_time(const Port *p);
void paint_weather(const Port *p);
void paint_iso(const Port *p);
void paint_weights(const Port *p);
void paint_reliability(const Port *p);
void paint_sound(const Port *p);
void paint_warnings(const Port *p);
void paint_flight_mode(const Port *p);

// Draws window `index`'s own bitmap at its client origin.
void window_back(int bitmap);
// The aircraft symbol flashes at window pixel (x, y): eleven times in
// colours 30 and 29, 0.15 s apart, before the flight starts there.
void flash_aircraft(int x, int y);
