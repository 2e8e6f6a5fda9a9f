// The panel canvas: off-screen world 3, laid out as the window, that the
// instruments draw into while it is locked, a copy of the painted panel
// (what an erased needle uncovers), and the list of changed rectangles
// copied to window 0 when an update ends.
#include "panel/local.h"

#include <cstring>

constexpr int PANEL_ROWS = SCREEN_H - PANEL_TOP;
constexpr int MAX_DIRTY = 96;

static uint8_t background[PANEL_ROWS][PANEL_W];
static struct Rect { int x1, y1, x2, y2; } dirty[MAX_DIRTY];
static int ndirty;
static int all_dirty;

int canvas_begin()
{
    // The world lives as long as the layer; a new program start (the records
    // zeroed) makes it again.
    int fresh = !ins.canvas_made;
    if (fresh) {
        MACIBM_disposegworld(PANEL_WORLD);
        MACIBM_initgworld(PANEL_WORLD, SCREEN_W, SCREEN_H);
        MACIBM_settogworld(PANEL_WORLD, SCREEN_W, SCREEN_H, PC_BLACK, 1);
        ins.canvas_made = 1;
    }
    MACIBM_settogworld(PANEL_WORLD, 0, 0, PC_BLACK, 0);   // lock only
    ndirty = 0;
    all_dirty = 0;
    return fresh;
}

void canvas_dirty(int x1, int y1, int x2, int y2)
{
    x1 = intmax2(x1, 0);
    y1 = intmax2(y1, PANEL_TOP);
    x2 = intmin2(x2, PANEL_W - 1);
    y2 = intmin2(y2, PANEL_BOTTOM);
    if (x2 < x1 || y2 < y1)
        return;
    if (ndirty == MAX_DIRTY) {
        all_dirty = 1;
        return;
    }
    dirty[ndirty++] = Rect{x1, y1, x2, y2};
}

static void copy_rect(int x1, int y1, int x2, int y2)
{
    MACIBM_copytoport(PANEL_WORLD, 0, 0, x1, y1, x2 + 1, y2 + 1, 1);
}

// The view is drawn after the panel and may leave another window current.
static void to_window0(int *saved)
{
    *saved = cur_window;
    MACIBM_startwind(0, 0);
}

static void back_to(int saved)
{
    if (saved != 0 && saved < MAX_SIM_WINDOWS && mnw.up[saved])
        MACIBM_startwind(saved, 0);
}

void canvas_end()
{
    int saved;
    to_window0(&saved);
    if (all_dirty || ins.tickle_all) {   // a full redraw shows the whole panel
        copy_rect(0, PANEL_TOP, PANEL_W - 1, PANEL_BOTTOM);
    } else {
        for (int k = 0; k < ndirty; k++)
            copy_rect(dirty[k].x1, dirty[k].y1, dirty[k].x2, dirty[k].y2);
    }
    locked = 0;
    ndirty = 0;
    back_to(saved);
}

void canvas_show_all()
{
    int saved;
    to_window0(&saved);
    copy_rect(0, PANEL_TOP, PANEL_W - 1, PANEL_BOTTOM);
    locked = 0;
    back_to(saved);
}

void canvas_keep_background()
{
    for (int y = PANEL_TOP; y <= PANEL_BOTTOM; y++)
        memcpy(background[y - PANEL_TOP], pix + (size_t)y * row, PANEL_W);
}

int canvas_background(int x, int y)
{
    if (x < 0 || x >= PANEL_W || y < PANEL_TOP || y > PANEL_BOTTOM)
        return PC_BLACK;
    return background[y - PANEL_TOP][x];
}

void canvas_restore(int x1, int y1, int x2, int y2)
{
    x1 = intmax2(x1, 0);
    x2 = intmin2(x2, PANEL_W - 1);
    y1 = intmax2(y1, PANEL_TOP);
    y2 = intmin2(y2, PANEL_BOTTOM);
    for (int y = y1; y <= y2 && x2 >= x1; y++)
        memcpy(pix + (size_t)y * row + x1, &background[y - PANEL_TOP][x1], (size_t)(x2 - x1 + 1));
}

void canvas_repair(int x1, int y1, int x2, int y2)
{
    x1 = intmax2(x1, 0);
    x2 = intmin2(x2, PANEL_W - 1);
    y1 = intmax2(y1, PANEL_TOP);
    y2 = intmin2(y2, PANEL_BOTTOM);
    for (int y = y1; y <= y2; y++) {
        uint8_t *p = pix + (size_t)y * row;
        const uint8_t *b = background[y - PANEL_TOP];
        for (int x = x1; x <= x2; x++)
            if (p[x] == ERASE_COLOR && b[x] != ERASE_COLOR)
                p[x] = b[x];
    }
}
