// Test-support interface: lets headless tests freeze the clock, catch a
// fatal exit (message and all) without ending the test process, queue input
// for the layer, pre-answer alerts and file dialogs, read window, world and
// screen pixels and write the screen as a palette PNG. Nothing in the
// shipped programs calls it.
#pragma once
#include <cstdint>

// Freezes clock_ms at `ms`; a negative value lets the real clock run again.
void test_set_clock_ms(int64_t ms);

// Called by MACIBM_exitalert instead of ending the process when installed.
// The hook must not return (a test hook throws); if it does, the process
// ends as usual.
typedef void (*FatalHook)(const char *s1, const char *s2, const char *s3, const char *s4);
void test_set_fatal_hook(FatalHook hook);

// In test mode a modal alert, menu or file dialog that runs out of queued
// input gives its default answer (OK, Cancel, no command) instead of
// waiting. Any queueing call below turns it on.
void test_set_test_mode(int on);
// Forgets queued input, pre-answers and the alert and dialog records.
void test_reset_layer();
// Releases the whole layer (window, worlds, devices) as the program's end
// does, without ending the process.
void test_shutdown_layer();

// Input, in frame pixels: the menu bar is rows 0..19, the main window's
// client pixel (x, y) is frame pixel (x, y + MENU_BAR_H).
void test_mouse_move(int x, int y);
void test_mouse_down(int x, int y, int button);   // 1 left, 3 right
void test_mouse_up(int x, int y, int button);
void test_click(int x, int y);                     // left down and up
void test_key(int key, int mods);                  // LayerKey or character
void test_type_text(const char *s);                // one key per character
void test_alt_mnemonic(char c);                    // Alt + c
void test_menu_choice(int item);                   // as if the item were chosen
void test_close_window(int index);                 // its close box
void test_quit();                                  // the SDL window's close
void test_system_quit();                           // a quit from the system (a signal)

// Pre-answers, used in order: an alert's button (1 OK/Yes, 2 No,
// 3 Cancel); a file dialog's typed name (null cancels).
void test_answer_alert(int answer);
void test_answer_file_dialog(const char *name);

// Alerts shown (the last 32 are kept) and the last file dialog's listing.
int test_alert_count();
const char *test_alert_line(int n, int line);      // alert n (0 first), line 0..3
int test_dialog_entry_count();
const char *test_dialog_entry(int k);

// Pixels: a window's client buffer, a world, the composed frame as last
// shown (-1 outside); the palette; compose now; write the frame as a
// palette PNG (1 on success).
int test_window_pixel(int index, int x, int y);
int test_world_pixel(int index, int x, int y);
int test_frame_pixel(int x, int y);
// The colour (0xRRGGBB) at frame pixel (x, y) of what the last present
// showed, read back from the renderer; -1 when it cannot be read.
int test_presented_pixel(int x, int y);
void test_palette_entry(int index, int *r, int *g, int *b);
void test_compose();
int test_write_png(const char *path);
// The same for an open window's client buffer, a world in use, and bitmap
// resource ID painted in its start-up colours (palette as it is now).
int test_write_window_png(int index, const char *path);
int test_write_world_png(int index, const char *path);
int test_write_bitmap_png(int ID, const char *path);
// 1 unless the program hid the mouse pointer (MACIBM_show_cursor).
int test_cursor_shown();
// Outer rectangle of an open program window on the client area; 0 if closed.
int test_window_outer(int index, int *x, int *y, int *w, int *h);
// Where a bar menu's title and items are drawn (frame pixels); 0 if absent.
int test_menu_title_pos(int index, int *x, int *y);
int test_menu_item_rect(int index, int id, int *x, int *y, int *w, int *h);

// Pretend devices: a JoyState for the joystick (-1 the real one) and the
// audio device (0 none, -1 the real one).
void test_set_joystick_state(int state);
void test_set_audio_device(int present);
// The pretend joystick's axes (0..65535, centre 32768: x, y, z throttle,
// r rudder) and buttons (bit 0 a .. bit 3 d), read while a joystick state
// is forced above.
void test_set_joystick_input(int x, int y, int z, int r, int buttons);
// Haptic recorder: while on, every force-feedback call (an FFCall with its
// arguments as limited) is kept, the last 256, and no device is driven.
// Turning it on or off forgets what was kept.
void test_set_haptic_recording(int on);
int test_haptic_count();
// Call n (0 first of those kept) into args; its FFCall, -1 out of range.
int test_haptic_call(int n, int args[3]);
