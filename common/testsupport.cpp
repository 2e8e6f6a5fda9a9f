// The test-support interface (common/testsupport.h): queued input,
// pre-answers, records of alerts and dialog listings, pixel reads and the
// palette PNG of the frame. Not used by the shipped programs.
#include "common/local.h"
#include "common/testsupport.h"

#include <cstdio>
#include <cstring>
#include <png.h>

constexpr int MAX_ANSWERS = 32;
constexpr int MAX_ALERTS_KEPT = 32;
constexpr int MAX_LISTED = 1000;

static int alert_answers[MAX_ANSWERS], nalert_answers, alert_answer_next;
static char dialog_answers[MAX_ANSWERS][MAX_STR];
static int dialog_cancel[MAX_ANSWERS], ndialog_answers, dialog_answer_next;
static char alert_lines[MAX_ALERTS_KEPT][4][MAX_STR];
static int nalerts;
static char listed[MAX_LISTED][256];
static int nlisted;
static int joystick_forced = -1, audio_forced = -1;

void test_reset_layer()
{
    test_clear_input();
    nalert_answers = alert_answer_next = 0;
    ndialog_answers = dialog_answer_next = 0;
    nalerts = 0;
    nlisted = 0;
}

void test_shutdown_layer() { screen_release_all(); }

// ---------------------------------------------------------------- input

static void queue(int kind, int x, int y, int button, int key, int mods, int item)
{
    LayerInput in = {kind, x, y, button, key, mods, item};
    test_queue_input(&in);
}

void test_mouse_move(int x, int y) { queue(IN_MOVE, x, y, 0, 0, 0, 0); }
void test_mouse_down(int x, int y, int button) { queue(IN_DOWN, x, y, button, 0, 0, 0); }
void test_mouse_up(int x, int y, int button) { queue(IN_UP, x, y, button, 0, 0, 0); }
void test_click(int x, int y)
{
    test_mouse_down(x, y, 1);
    test_mouse_up(x, y, 1);
}
void test_key(int key, int mods) { queue(IN_KEY, 0, 0, 0, key, mods, 0); }
void test_alt_mnemonic(char c) { test_key(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c, MOD_ALT_KEY); }
void test_menu_choice(int item) { queue(IN_COMMAND, 0, 0, 0, 0, 0, item); }
void test_close_window(int index) { queue(IN_CLOSE, 0, 0, 0, 0, 0, index); }
void test_quit() { queue(IN_QUIT, 0, 0, 0, 0, 0, 0); }

// The key and shift state that type character c on a US keyboard.
void test_type_text(const char *s)
{
    for (; *s; s++) {
        int found = 0;
        for (int key = 32; key < 127 && !found; key++)
            for (int mods = 0; mods <= MOD_SHIFT_KEY && !found; mods += MOD_SHIFT_KEY)
                if (key_char(key, mods) == *s) {
                    test_key(key, mods);
                    found = 1;
                }
    }
}

// ---------------------------------------------------------------- answers

void test_answer_alert(int answer)
{
    test_set_test_mode(1);
    if (nalert_answers < MAX_ANSWERS)
        alert_answers[nalert_answers++] = answer;
}

int test_take_alert_answer()
{
    if (alert_answer_next >= nalert_answers)
        return -1;
    return alert_answers[alert_answer_next++];
}

void test_answer_file_dialog(const char *name)
{
    test_set_test_mode(1);
    if (ndialog_answers == MAX_ANSWERS)
        return;
    dialog_cancel[ndialog_answers] = name == nullptr;
    C_to_C(name ? name : "", dialog_answers[ndialog_answers]);
    ndialog_answers++;
}

int test_take_dialog_answer(char *name)
{
    if (dialog_answer_next >= ndialog_answers)
        return -1;
    int k = dialog_answer_next++;
    C_to_C(dialog_answers[k], name);
    return dialog_cancel[k] ? 0 : 1;
}

// ---------------------------------------------------------------- records

void test_note_alert(const char *s1, const char *s2, const char *s3, const char *s4)
{
    const char *lines[4] = {s1, s2, s3, s4};
    int slot = nalerts % MAX_ALERTS_KEPT;
    for (int k = 0; k < 4; k++)
        C_to_C(lines[k] ? lines[k] : "", alert_lines[slot][k]);
    nalerts++;
}

int test_alert_count() { return nalerts; }

const char *test_alert_line(int n, int line)
{
    if (n < 0 || n >= nalerts || n < nalerts - MAX_ALERTS_KEPT || line < 0 || line > 3)
        return "";
    return alert_lines[n % MAX_ALERTS_KEPT][line];
}

void test_note_dialog_entry(int reset, const char *name)
{
    if (reset) {
        nlisted = 0;
        return;
    }
    if (nlisted < MAX_LISTED) {
        strncpy(listed[nlisted], name, 255);
        listed[nlisted++][255] = 0;
    }
}

int test_dialog_entry_count() { return nlisted; }
const char *test_dialog_entry(int k) { return k >= 0 && k < nlisted ? listed[k] : ""; }

// ---------------------------------------------------------------- devices

void test_set_joystick_state(int state) { joystick_forced = state; }
void test_set_audio_device(int present) { audio_forced = present; }
int test_joystick_override() { return joystick_forced; }
int test_audio_override() { return audio_forced; }

static int joy_raw[4] = {JOY_RAW_CENTRE, JOY_RAW_CENTRE, JOY_RAW_CENTRE, JOY_RAW_CENTRE};
static int joy_buttons;

void test_set_joystick_input(int x, int y, int z, int r, int buttons)
{
    joy_raw[0] = x;
    joy_raw[1] = y;
    joy_raw[2] = z;
    joy_raw[3] = r;
    joy_buttons = buttons;
}

int test_joystick_input(int raw[4], int *buttons)
{
    for (int a = 0; a < 4; a++)
        raw[a] = joy_raw[a];
    *buttons = joy_buttons;
    return joystick_forced == JOY_PRESENT;
}

constexpr int MAX_HAPTIC_KEPT = 256;
static int haptic_recording, nhaptic;
static int haptic_calls[MAX_HAPTIC_KEPT][4];

void test_set_haptic_recording(int on)
{
    haptic_recording = on;
    nhaptic = 0;
}

int test_note_haptic(int call, int a, int b, int c)
{
    if (!haptic_recording)
        return 0;
    if (nhaptic == MAX_HAPTIC_KEPT) {
        memmove(haptic_calls[0], haptic_calls[1], sizeof haptic_calls[0] * (MAX_HAPTIC_KEPT - 1));
        nhaptic--;
    }
    int *k = haptic_calls[nhaptic++];
    k[0] = call;
    k[1] = a;
    k[2] = b;
    k[3] = c;
    return 1;
}

int test_haptic_count() { return nhaptic; }

int test_haptic_call(int n, int args[3])
{
    if (n < 0 || n >= nhaptic)
        return -1;
    for (int i = 0; i < 3; i++)
        args[i] = haptic_calls[n][i + 1];
    return haptic_calls[n][0];
}

// ---------------------------------------------------------------- pixels

int test_window_pixel(int index, int x, int y)
{
    if (index < 0 || index >= MAX_WINDOWS || !mnw.up[index])
        return -1;
    Port p = window_port(index);
    if (x < 0 || y < 0 || x >= p.width || y >= p.height)
        return -1;
    return p.pixels[y * p.stride + x];
}

int test_window_outer(int index, int *x, int *y, int *w, int *h)
{
    if (index < 0 || index >= MAX_WINDOWS || !mnw.up[index])
        return 0;
    window_outer(index, x, y, w, h);
    return 1;
}

int test_frame_pixel(int x, int y)
{
    if (x < 0 || y < 0 || x >= FRAME_W || y >= FRAME_H)
        return -1;
    return frame8[y * FRAME_W + x];
}

void test_palette_entry(int index, int *r, int *g, int *b)
{
    index &= 255;
    *r = palette_rgb[index][0];
    *g = palette_rgb[index][1];
    *b = palette_rgb[index][2];
}

void test_compose() { compose_frame(); }

int write_indexed_png(const char *path, const uint8_t *pixels, int w, int h, int stride)
{
    FILE *f = fopen(path, "wb");
    if (!f)
        return 0;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!png || !info || setjmp(png_jmpbuf(png))) {   // libpng reports errors by longjmp
        png_destroy_write_struct(&png, &info);
        fclose(f);
        return 0;
    }
    png_init_io(png, f);
    png_set_IHDR(png, info, w, h, 8, PNG_COLOR_TYPE_PALETTE, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_color pal[256];
    for (int k = 0; k < 256; k++)
        pal[k] = png_color{palette_rgb[k][0], palette_rgb[k][1], palette_rgb[k][2]};
    png_set_PLTE(png, info, pal, 256);
    png_write_info(png, info);
    for (int y = 0; y < h; y++)
        png_write_row(png, pixels + (size_t)y * stride);
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return fclose(f) == 0;
}

int test_write_png(const char *path) { return write_indexed_png(path, frame8, FRAME_W, FRAME_H, FRAME_W); }

int test_write_window_png(int index, const char *path)
{
    if (index < 0 || index >= MAX_WINDOWS || !mnw.up[index])
        return 0;
    Port p = window_port(index);
    return p.pixels && write_indexed_png(path, p.pixels, p.width, p.height, p.stride);
}

int test_write_bitmap_png(int ID, const char *path)
{
    static uint8_t pixels[MAX_BITMAP_W * MAX_BITMAP_H];
    const BitmapResource *r = find_bitmap(ID);
    if (!r || !paint_bitmap(ID, pixels))
        return 0;
    return write_indexed_png(path, pixels, r->width, r->height, r->width);
}
