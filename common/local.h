// Shared inside common/ only: the layer's screen, window buffers, input
// queue, menus and the drawing helpers its own panels (menu bar, frames,
// alerts, file dialogs) use. Nothing here is seen by the programs.
#pragma once
#include "common/common.h"

constexpr int FRAME_W = SCREEN_W;                // the whole SDL picture
constexpr int FRAME_H = SCREEN_H + MENU_BAR_H;
constexpr int FONT_W = 6;                        // layer font cell, pixels
constexpr int FONT_H = 8;

// System colours (palette indices the program leaves to the system).
constexpr int UI_BLACK = 0;
constexpr int UI_NAVY = 4;
constexpr int UI_GREY = 7;
constexpr int UI_LIGHT = 246;
constexpr int UI_MID = 247;
constexpr int UI_DARK = 248;
constexpr int UI_WHITE = 255;

// ---------------------------------------------------------------- state
extern int layer_up;            // the SDL window exists
extern int layer_exiting;       // MACIBM_exitalert is running
extern LayerCallbacks layer_cb;
extern uint8_t frame8[FRAME_W * FRAME_H];   // composed picture, palette indices
extern uint8_t palette_rgb[256][3];
extern char main_title[MAX_STR];

int max_windows();               // 18, or 54 in the designers
// Ends the program when index is outside 0..max_windows()-1.
void check_window_index(int index, const char *message);
Port window_port(int index);     // the window's client buffer as a port
// Outer rectangle of an open window on the 800 x 600 client area.
void window_outer(int index, int *x, int *y, int *w, int *h);
void window_client_origin(int index, int *x, int *y);
// Open windows, bottom first (window 0 is not in the list).
extern int zorder[MAX_WINDOWS];
extern int nzorder;
void raise_window(int index);
void release_windows();
void screen_release_all();

// ---------------------------------------------------------------- screen
int screen_open(const char *title);
void screen_close();
void compose_frame();            // everything into frame8
void show_frame();               // frame8 through the palette to the display
void set_system_colors();
void set_program_colors();
void screen_set_icon();          // the window's icon from bitmap 100

// ---------------------------------------------------------------- drawing
Port frame_port();               // frame8 as a port
void port_fill(const Port *p, int x1, int y1, int x2, int y2, int color);
void port_text(const Port *p, int x, int y, const char *s, int color);
void port_text_scaled(const Port *p, int x, int y, const char *s, int color, int scale);
void port_underline(const Port *p, int x, int y, int ncell, int color);
void port_bevel(const Port *p, int x, int y, int w, int h, int raised);
int text_width(const char *s);
// Word-wraps s into at most maxlines lines of at most width pixels.
int wrap_text(const char *s, int width, char lines[][MAX_STR], int maxlines);

// ---------------------------------------------------------------- input
enum InputKind { IN_NONE = 0, IN_MOVE, IN_DOWN, IN_UP, IN_KEY, IN_QUIT, IN_COMMAND, IN_CLOSE };
// One input, in frame coordinates (the menu bar is rows 0..19).
struct LayerInput {
    int kind;
    int x, y, button;
    int key, mods;
    int item;            // IN_COMMAND: menu item; IN_CLOSE: window index
};
// Next input: first the test queue, then the system. With `wait` set it
// waits (presenting the frame) until one arrives; returns 0 when none is
// pending and, in test mode, when the test queue is empty.
int input_next(LayerInput *in, int wait);
int test_mode_on();
// Test queue (test-support interface): add one input; forget all of them.
void test_queue_input(const LayerInput *in);
void test_clear_input();
// The character a key gives with the shift state (US layout), 0 for none.
int key_char(int key, int mods);

// ---------------------------------------------------------------- menus
void menu_draw_bar(const Port *p);
// Runs the menu loop starting with the bar menu at bar position `pos`
// (mouse at frame x, y, or keyboard when by_key). Returns the chosen item
// or 0.
int menu_track(int pos, int by_key);
int menu_bar_hit(int x);        // bar position under frame x, or -1
int menu_bar_mnemonic(int c);   // bar position with mnemonic c, or -1
void menu_release();

// ---------------------------------------------------------------- modal panels
// Overlay drawn over the composed frame while a modal panel runs.
extern void (*modal_overlay)(const Port *p);
// Records for the test-support interface.
void test_note_alert(const char *s1, const char *s2, const char *s3, const char *s4);
int test_take_alert_answer();            // -1 when none queued
int test_take_dialog_answer(char *name); // -1 none, 0 cancel, 1 name given
void test_note_dialog_entry(int reset, const char *name);
int test_joystick_override();            // -1 when the real state counts
int test_audio_override();               // -1 real, 0 no device
// The pretend joystick's axes and buttons (joy_read's result), and the
// haptic recorder: 1 when it kept the call (no device is then driven).
int test_joystick_input(int raw[4], int *buttons);
int test_note_haptic(int call, int a, int b, int c);

// The layer's own questions and notes (no program callbacks): 1 for Yes.
int layer_ask(const char *s1, const char *s2, const char *s3 = "");
// Chains a watch on SIGTERM and SIGINT in front of SDL's own handlers (once
// per process), so that a quit can tell a signal from a closed window.
void watch_quit_signals();
void layer_tell(const char *s1, const char *s2);

// ---------------------------------------------------------------- worlds
void worlds_release();

// ---------------------------------------------------------------- rasterizer
// Size of the locked world (set with pix/row by MACIBM_settogworld); every
// locked-path primitive clips to it.
extern int lock_w, lock_h;
// The layer font's glyph for character c (5 column bytes, low bit at top).
const uint8_t *font_glyph(unsigned char c);
// The program state of DrawSources, with its defaults.
int draw_time();
float draw_lamp();
int draw_dashtype();
void draw_mouse(int *mx, int *my);
// System drawing into a port (the unlocked path): a line with both ends, a
// filled polygon of up to 8 vertices (pixel centres inside, alternate
// fill) with its outline.
void port_line(const Port *p, int x1, int y1, int x2, int y2, int color);
void port_polygon(const Port *p, const int *xs, const int *ys, int n, int color);
// Variable-pitch text of the layer font; returns its width.
int port_text_prop(const Port *p, int x, int y, const char *s, int color);
// Writes w x h palette indices as a palette PNG with the current palette.
int write_indexed_png(const char *path, const uint8_t *pixels, int w, int h, int stride);
