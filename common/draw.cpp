// The layer's plain drawing: rectangles and bevels on its own panels, and
// the system drawing into the current window (the path the rasterizer uses
// when no world is locked).
#include "common/local.h"

Port cur_port;
int cur_window;

Port frame_port()
{
    Port p = {frame8, FRAME_W, FRAME_H, FRAME_W, 0, 0, FRAME_W, FRAME_H};
    return p;
}

void port_fill(const Port *p, int x1, int y1, int x2, int y2, int color)
{
    if (x1 < p->clip_x1) x1 = p->clip_x1;
    if (y1 < p->clip_y1) y1 = p->clip_y1;
    if (x2 > p->clip_x2) x2 = p->clip_x2;
    if (y2 > p->clip_y2) y2 = p->clip_y2;
    for (int y = y1; y < y2; y++) {
        uint8_t *d = p->pixels + y * p->stride;
        for (int x = x1; x < x2; x++)
            d[x] = (uint8_t)color;
    }
}

// A raised (or sunken) grey box with light and dark edges.
void port_bevel(const Port *p, int x, int y, int w, int h, int raised)
{
    int lt = raised ? UI_WHITE : UI_DARK;
    int dk = raised ? UI_DARK : UI_WHITE;
    port_fill(p, x, y, x + w, y + h, UI_GREY);
    port_fill(p, x, y, x + w, y + 1, lt);
    port_fill(p, x, y, x + 1, y + h, lt);
    port_fill(p, x, y + h - 1, x + w, y + h, dk);
    port_fill(p, x + w - 1, y, x + w, y + h, dk);
}

void sys_fill_rect(int x1, int y1, int x2, int y2, int color)
{
    if (cur_port.pixels)
        port_fill(&cur_port, x1, y1, x2, y2, color);
}

void sys_set_pixel(int x, int y, int color) { sys_fill_rect(x, y, x + 1, y + 1, color); }

void sys_draw_text(int x, int y, const char *s, int color)
{
    if (cur_port.pixels)
        port_text(&cur_port, x, y, s, color);
}

void MACIBM_setclip(int x1, int y1, int x2, int y2)
{
    Port &p = cur_port;
    p.clip_x1 = intlim(x1, 0, p.width);
    p.clip_y1 = intlim(y1, 0, p.height);
    p.clip_x2 = intlim(x2, p.clip_x1, p.width);
    p.clip_y2 = intlim(y2, p.clip_y1, p.height);
}
