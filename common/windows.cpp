// The window table: numbered windows drawn inside the one SDL window, each
// with its own 8-bit client buffer, a caption and a close box; z-order,
// opening, closing (the program's close handler runs once per closing) and
// repainting.
#include "common/local.h"

#include <cstdlib>
#include <cstring>

int zorder[MAX_WINDOWS];
int nzorder;
static uint8_t *win_buf[MAX_WINDOWS];   // client buffers, kept once made
static size_t win_cap[MAX_WINDOWS];     // bytes allocated
static char win_token[MAX_WINDOWS];     // the handles the table stores

int max_windows() { return program_kind == PROG_VORTAN ? MAX_SIM_WINDOWS : MAX_WINDOWS; }

void check_window_index(int index, const char *message)
{
    if (index < 0 || index >= max_windows())
        MACIBM_numberexitalert(message, index);
}

static int client_w(int index) { return index == 0 ? SCREEN_W : intmax2(mnw.dx[index], 0); }
static int client_h(int index) { return index == 0 ? SCREEN_H : intmax2(mnw.dy[index], 0); }

Port window_port(int index)
{
    int w = client_w(index), h = client_h(index);
    if (!win_buf[index])
        w = h = 0;
    Port p = {win_buf[index], w, h, w, 0, 0, w, h};
    return p;
}

void window_outer(int index, int *x, int *y, int *w, int *h)
{
    if (index == 0) {
        *x = *y = 0;
        *w = SCREEN_W;
        *h = SCREEN_H;
        return;
    }
    *x = mnw.x[index];
    *y = mnw.y[index];
    *w = client_w(index) + 2 * FRAME_BORDER_PX;
    *h = client_h(index) + 2 * FRAME_BORDER_PX + FRAME_CAPTION_PX;
}

void window_client_origin(int index, int *x, int *y)
{
    *x = index == 0 ? 0 : mnw.x[index] + FRAME_BORDER_PX;
    *y = index == 0 ? 0 : mnw.y[index] + FRAME_BORDER_PX + FRAME_CAPTION_PX;
}

// Grows the client buffer when the window is larger than any time before;
// the memory is kept for the rest of the run.
static int ensure_buffer(int index)
{
    size_t need = (size_t)client_w(index) * (size_t)client_h(index);
    if (need == 0)
        need = 1;
    if (need > win_cap[index]) {
        uint8_t *b = (uint8_t *)realloc(win_buf[index], need);
        if (!b)
            return 0;
        win_buf[index] = b;
        win_cap[index] = need;
    }
    return 1;
}

void set_win_params(int index, const char *name, int dx, int dy)
{
    check_window_index(index, "Whoa! set_win_params out of bounds!");
    C_to_C(name, mnw.windowname[index]);
    set_wind_size(index, dx, dy);
}

void set_wind_size(int index, int dx, int dy)
{
    check_window_index(index, "Whoa! set_wind_size out of bounds!");
    if (index == 0) {
        int designer = program_kind != PROG_VORTAN;
        mnw.x[0] = mnw.y[0] = designer ? -2 : 0;
        mnw.dx[0] = designer ? 804 : (std_res ? 800 : 806);
        mnw.dy[0] = designer ? 604 : (std_res ? 600 : 626);
        return;
    }
    mnw.x[index] = (SCREEN_W - dx) / 2;
    mnw.y[index] = (SCREEN_H - dy) / 2 - 20;
    mnw.dx[index] = dx;
    mnw.dy[index] = dy;
    if (mnw.up[index] && !ensure_buffer(index))
        MACIBM_exitalert("Can't create window!! Bu-bye!", "", "", "");
}

void raise_window(int index)
{
    int k = 0;
    while (k < nzorder && zorder[k] != index)
        k++;
    if (k == nzorder)
        return;
    for (; k < nzorder - 1; k++)
        zorder[k] = zorder[k + 1];
    zorder[nzorder - 1] = index;
}

static void remove_from_zorder(int index)
{
    raise_window(index);
    if (nzorder > 0 && zorder[nzorder - 1] == index)
        nzorder--;
}

static void send_paint(int index)
{
    if (!layer_cb.window_proc)
        return;
    Port saved = cur_port;
    int saved_window = cur_window;
    cur_window = index;
    cur_port = window_port(index);
    WinEvent ev = {};
    ev.message = MSG_PAINT;
    ev.index = index;
    layer_cb.window_proc(&ev);
    cur_window = saved_window;
    cur_port = saved;
}

static void create_window(int index)
{
    if (layer_cb.sounds_off)
        layer_cb.sounds_off();
    if (!ensure_buffer(index))
        MACIBM_exitalert("Can't create window!! Bu-bye!", "", "", "");
    memset(win_buf[index], UI_BLACK, (size_t)client_w(index) * client_h(index));
    mnw.wind[index] = &win_token[index];
    mnw.up[index] = 1;
    if (index > 0)
        zorder[nzorder++] = index;
}

void MACIBM_startwind(int index, int bringtofront)
{
    check_window_index(index, "MACIBM_startwind out of bounds");
    int created = !mnw.up[index];
    if (created)
        create_window(index);
    else if (bringtofront)
        raise_window(index);
    if (bringtofront)
        mnw.dragging_index = index;
    cur_window = index;
    cur_port = window_port(index);
    if (created)
        send_paint(index);
}

void MACIBM_killwind(int index)
{
    check_window_index(index, "killwin out of bounds");
    if (mnw.up[index])
        MACIBM_handlezap(index);
}

void MACIBM_handlezap(int index)
{
    check_window_index(index, "zapwin out of bounds");
    if (!mnw.up[index])
        return;
    mnw.up[index] = 0;
    mnw.wind[index] = nullptr;
    remove_from_zorder(index);
    if (cur_window == index) {
        cur_window = 0;
        cur_port = window_port(0);
    }
    if (layer_cb.close_handler)
        layer_cb.close_handler(index);
    if (layer_cb.sounds_on)
        layer_cb.sounds_on();
}

void MACIBM_invalwind(int index)
{
    check_window_index(index, "invalwind out of bounds");
    if (mnw.up[index])
        send_paint(index);
}

int win_to_index(void *handle)
{
    if (!mnw.up[0] || !handle)
        return 0;
    for (int k = 0; k < max_windows(); k++)
        if (mnw.up[k] && mnw.wind[k] == handle)
            return k;
    return 0;
}

void set_win_title(int index, const char *text)
{
    check_window_index(index, "set_win_title out of bounds");
    C_to_C(text, mnw.windowname[index]);
}

void set_up_win_globals(int index) { check_window_index(index, "set_up_win_globals out of bounds"); }

void update_mouse() {}

// At exit: windows go without their close handlers (those would load
// scenery or show alerts while the program is ending).
void release_windows()
{
    for (int k = 0; k < MAX_WINDOWS; k++) {
        free(win_buf[k]);
        win_buf[k] = nullptr;
        win_cap[k] = 0;
        mnw.up[k] = 0;
        mnw.wind[k] = nullptr;
    }
    nzorder = 0;
    cur_window = 0;
    cur_port = Port{};
}
