// Input: SDL events (or the tests' queued ones) turned into the layer's own
// inputs, and the pump that hands them to the program's window procedure:
// menu bar clicks and Alt + mnemonic open the menu loop, clicks go to the
// window under the mouse (which keeps the mouse until the button is
// released), captions move windows, close boxes close them.
#include "common/local.h"
#include "common/testsupport.h"

#include <SDL2/SDL.h>
#include <csignal>
#include <cstring>

constexpr int MAX_QUEUED = 512;   // test inputs waiting

static LayerInput queue[MAX_QUEUED];
static int qhead, qcount;
static int test_mode;
static int quit_pending;          // a quit arrived while a modal panel ran
static int capture = -1;          // window that got the button down
static int caption_drag = -1;     // window whose caption is being dragged
static int drag_dx, drag_dy;      // mouse minus window corner, pixels

void test_set_test_mode(int on) { test_mode = on; }

// SIGTERM and SIGINT reach the program as SDL's quit event, the same as a
// closed window; this watch, chained in front of SDL's handlers, remembers
// that a signal came, so a designer can keep its unsaved work instead of
// asking a question nobody will answer.
static volatile sig_atomic_t quit_signalled;
static struct sigaction chained[2];   // SIGTERM's and SIGINT's previous handlers

static void note_quit_signal(int sig)
{
    quit_signalled = 1;
    const struct sigaction &prev = chained[sig == SIGINT];
    if (prev.sa_handler != SIG_DFL && prev.sa_handler != SIG_IGN)
        prev.sa_handler(sig);
}

void watch_quit_signals()
{
    static int watching;
    if (watching)
        return;
    watching = 1;
    struct sigaction mine = {};
    mine.sa_handler = note_quit_signal;
    sigemptyset(&mine.sa_mask);
    const int SIGNALS[2] = {SIGTERM, SIGINT};
    for (int k = 0; k < 2; k++) {
        sigaction(SIGNALS[k], &mine, &chained[k]);
        if (chained[k].sa_handler == SIG_IGN)   // started in the background: stays ignored
            sigaction(SIGNALS[k], &chained[k], nullptr);
    }
}

int layer_quit_signalled() { return quit_signalled; }

int test_mode_on()
{
    if (test_mode)
        return 1;
    const char *drv = SDL_GetCurrentVideoDriver();
    return drv && strcmp(drv, "dummy") == 0;   // no input can ever arrive
}

void test_queue_input(const LayerInput *in)
{
    test_mode = 1;
    if (qcount == MAX_QUEUED)
        return;
    queue[(qhead + qcount) % MAX_QUEUED] = *in;
    qcount++;
}

void test_system_quit()
{
    SDL_Event e = {};
    e.type = SDL_QUIT;
    SDL_PushEvent(&e);
}

void test_clear_input()
{
    qhead = qcount = 0;
    quit_pending = 0;
    quit_signalled = 0;
    capture = caption_drag = -1;
}

static int map_key(SDL_Keycode sym)
{
    if (sym >= 32 && sym < 127)
        return (int)sym;   // printable keys are their unshifted character
    if (sym >= SDLK_F1 && sym <= SDLK_F12)
        return KEY_F1 + (int)(sym - SDLK_F1);
    switch (sym) {
    case SDLK_BACKSPACE: return KEY_BACKSPACE;
    case SDLK_TAB: return KEY_TAB;
    case SDLK_RETURN: case SDLK_KP_ENTER: return KEY_ENTER;
    case SDLK_ESCAPE: return KEY_ESCAPE;
    case SDLK_UP: return KEY_UP;
    case SDLK_DOWN: return KEY_DOWN;
    case SDLK_LEFT: return KEY_LEFT;
    case SDLK_RIGHT: return KEY_RIGHT;
    case SDLK_HOME: return KEY_HOME;
    case SDLK_END: return KEY_END;
    case SDLK_DELETE: return KEY_DELETE;
    default: return 0;
    }
}

static int translate(const SDL_Event &e, LayerInput *in)
{
    *in = LayerInput{};
    switch (e.type) {
    case SDL_QUIT: in->kind = IN_QUIT; return 1;
    case SDL_MOUSEMOTION:
        in->kind = IN_MOVE;
        in->x = intlim(e.motion.x, 0, FRAME_W - 1);
        in->y = intlim(e.motion.y, 0, FRAME_H - 1);
        return 1;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        if (e.button.button != SDL_BUTTON_LEFT && e.button.button != SDL_BUTTON_RIGHT)
            return 0;
        in->kind = e.type == SDL_MOUSEBUTTONDOWN ? IN_DOWN : IN_UP;
        in->button = e.button.button == SDL_BUTTON_LEFT ? 1 : 3;
        in->x = intlim(e.button.x, 0, FRAME_W - 1);
        in->y = intlim(e.button.y, 0, FRAME_H - 1);
        return 1;
    case SDL_KEYDOWN:
        in->kind = IN_KEY;
        in->key = map_key(e.key.keysym.sym);
        in->mods = (e.key.keysym.mod & KMOD_SHIFT ? MOD_SHIFT_KEY : 0) |
                   (e.key.keysym.mod & KMOD_ALT ? MOD_ALT_KEY : 0) |
                   (e.key.keysym.mod & KMOD_CTRL ? MOD_CTRL_KEY : 0);
        return in->key != 0;
    default: return 0;
    }
}

// A quit inside an alert or dialog: the program ends now when it says how
// (never inside the fatal exit's own alert, which ends the program anyway);
// otherwise the panel closes and the next pump passes the quit on.
static void modal_quit()
{
    if (layer_cb.quit_now && !layer_exiting)
        layer_cb.quit_now();
    quit_pending = 1;
}

int input_next(LayerInput *in, int wait)
{
    if (quit_pending && !wait) {
        quit_pending = 0;
        *in = LayerInput{};
        in->kind = IN_QUIT;
        return 1;
    }
    if (qcount > 0) {
        *in = queue[qhead];
        qhead = (qhead + 1) % MAX_QUEUED;
        qcount--;
        if (wait && in->kind == IN_QUIT)
            modal_quit();
        return 1;
    }
    if (!layer_up)
        return 0;
    if (test_mode_on()) {   // only a quit (a signal) gets through
        SDL_Event e;
        while (SDL_PollEvent(&e))
            if (e.type == SDL_QUIT && translate(e, in)) {
                if (wait)
                    modal_quit();
                return 1;
            }
        return 0;
    }
    for (;;) {
        SDL_Event e;
        int got = wait ? SDL_WaitEventTimeout(&e, 100) : SDL_PollEvent(&e);
        if (!got) {
            if (!wait)
                return 0;
            show_frame();   // keeps a resized or uncovered window drawn
            continue;
        }
        if (!translate(e, in))
            continue;
        if (wait && in->kind == IN_QUIT)
            modal_quit();
        return 1;
    }
}

int key_char(int key, int mods)
{
    static const char DIGITS_SHIFTED[] = ")!@#$%^&*(";
    static const char PUNCT[] = "-=[];,./`'\\";
    static const char PUNCT_SHIFTED[] = "_+{}:<>?~\"|";
    int shift = mods & MOD_SHIFT_KEY;
    if (key >= 'a' && key <= 'z')
        return shift ? key - 'a' + 'A' : key;
    if (key >= '0' && key <= '9')
        return shift ? DIGITS_SHIFTED[key - '0'] : key;
    if (key == ' ')
        return ' ';
    const char *p = key > 0 && key < 128 ? strchr(PUNCT, key) : nullptr;
    if (p)
        return shift ? PUNCT_SHIFTED[p - PUNCT] : key;
    return 0;
}

// ---------------------------------------------------------------- dispatch

static void send(int message, int index, int x, int y, const LayerInput *in)
{
    if (!layer_cb.window_proc)
        return;
    WinEvent ev = {};
    ev.message = message;
    ev.index = index;
    ev.x = x;
    ev.y = y;
    if (in) {
        ev.key = in->key;
        ev.mods = in->mods;
        ev.button = in->button;
        ev.item = in->item;
    }
    layer_cb.window_proc(&ev);
}

static void send_command(int item)
{
    LayerInput in = {};
    in.item = item;
    send(MSG_COMMAND, 0, 0, 0, &in);
}

static void send_mouse(int message, int index, const LayerInput &in)
{
    int ox, oy;
    window_client_origin(index, &ox, &oy);
    send(message, index, in.x - ox, in.y - MENU_BAR_H - oy, &in);
}

// Part of the window under (x, y) of the client area: 0 client, 1 caption,
// 2 close box, 3 frame; the window index in *index, -1 for none.
static int window_part(int x, int y, int *index)
{
    for (int k = nzorder - 1; k >= 0; k--) {
        int w = zorder[k];
        int wx, wy, ww, wh;
        window_outer(w, &wx, &wy, &ww, &wh);
        if (x < wx || y < wy || x >= wx + ww || y >= wy + wh)
            continue;
        *index = w;
        int cx, cy;
        window_client_origin(w, &cx, &cy);
        if (y >= cy && x >= cx && x < cx + mnw.dx[w] && y < cy + mnw.dy[w])
            return 0;
        if (y < wy + FRAME_BORDER_PX || y >= cy || x < cx || x >= cx + mnw.dx[w])
            return 3;
        return x >= wx + ww - FRAME_BORDER_PX - 18 ? 2 : 1;
    }
    *index = mnw.up[0] ? 0 : -1;
    return 0;
}

static void button_down(const LayerInput &in)
{
    if (in.y < MENU_BAR_H) {
        int item = menu_track(menu_bar_hit(in.x), 0);
        if (item)
            send_command(item);
        return;
    }
    int index;
    int part = window_part(in.x, in.y - MENU_BAR_H, &index);
    if (index < 0)
        return;
    if (part == 2) {
        MACIBM_killwind(index);
    } else if (part == 1) {
        raise_window(index);
        caption_drag = index;
        drag_dx = in.x - mnw.x[index];
        drag_dy = in.y - mnw.y[index];
    } else if (part == 3) {
        raise_window(index);
    } else {
        capture = index;
        send_mouse(MSG_BUTTONDOWN, index, in);
    }
}

// Moves the dragged window, keeping its caption reachable.
static void drag_caption(const LayerInput &in)
{
    int w = caption_drag;
    mnw.x[w] = intlim(in.x - drag_dx, 40 - mnw.dx[w], SCREEN_W - 40);
    mnw.y[w] = intlim(in.y - drag_dy, 0, SCREEN_H - FRAME_CAPTION_PX);
    set_up_win_globals(w);
}

static void mouse_move_or_up(const LayerInput &in)
{
    if (caption_drag >= 0) {
        if (!mnw.up[caption_drag] || in.kind == IN_UP)
            caption_drag = -1;
        else
            drag_caption(in);
        return;
    }
    int index = capture;
    if (index < 0 || !mnw.up[index])
        window_part(in.x, in.y - MENU_BAR_H, &index);
    if (in.kind == IN_UP)
        capture = -1;
    if (index >= 0)
        send_mouse(in.kind == IN_UP ? MSG_BUTTONUP : MSG_MOUSEMOVE, index, in);
}

static void key_down(const LayerInput &in)
{
    if ((in.mods & MOD_ALT_KEY) && in.key > 0 && in.key < 128) {
        int pos = menu_bar_mnemonic(in.key);
        if (pos >= 0) {
            int item = menu_track(pos, 1);
            if (item)
                send_command(item);
            return;
        }
    }
    if (in.key == KEY_F10 && !(in.mods & MOD_SHIFT_KEY)) {
        int item = menu_track(0, 1);
        if (item)
            send_command(item);
        return;
    }
    int focus = nzorder > 0 ? zorder[nzorder - 1] : 0;
    send(MSG_KEYDOWN, focus, 0, 0, &in);
}

static void dispatch(const LayerInput &in)
{
    switch (in.kind) {
    case IN_QUIT:
        if (layer_cb.window_proc)
            send(MSG_QUIT, 0, 0, 0, &in);
        else
            MACIBM_exitalert(nullptr, nullptr, nullptr, nullptr);
        break;
    case IN_COMMAND: send_command(in.item); break;
    case IN_CLOSE:
        if (in.item > 0 && in.item < max_windows())
            MACIBM_killwind(in.item);
        break;
    case IN_KEY: key_down(in); break;
    case IN_DOWN: button_down(in); break;
    case IN_MOVE:
    case IN_UP: mouse_move_or_up(in); break;
    default: break;
    }
}

int MACIBM_pump()
{
    int n = 0;
    LayerInput in;
    while (input_next(&in, 0)) {
        dispatch(in);
        n++;
    }
    return n;
}
