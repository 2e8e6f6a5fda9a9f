// The one SDL window: the menu bar strip, the main window's client area and
// the program windows composed into one 8-bit picture, converted through
// the palette once per present and scaled (nearest neighbour, letterboxed)
// into whatever size the user gives the window.
#include "common/local.h"
#include "common/testsupport.h"

#include <SDL2/SDL.h>
#include <cstring>

uint8_t frame8[FRAME_W * FRAME_H];
uint8_t palette_rgb[256][3];
void (*modal_overlay)(const Port *p);

static SDL_Window *sdl_window;
static SDL_Renderer *sdl_renderer;
static SDL_Texture *sdl_texture;
static uint32_t palette32[256];
// What the texture holds: the 8-bit frame and palette it was converted
// from (rows that have not changed since are not converted again), and the
// converted rows themselves.
static uint8_t shown8[FRAME_W * FRAME_H];
static uint32_t shown_palette[256];
static uint32_t frame32[FRAME_W * FRAME_H];
static int shown_valid;

void MACIBM_set_palette_entry(int index, int r, int g, int b)
{
    if (index < 0 || index > 255)
        return;
    palette_rgb[index][0] = (uint8_t)intlim(r, 0, 255);
    palette_rgb[index][1] = (uint8_t)intlim(g, 0, 255);
    palette_rgb[index][2] = (uint8_t)intlim(b, 0, 255);
}

// The twenty colours a desktop of the 256-colour era reserved for itself:
// indices 0..9 and 246..255. The layer draws its own panels with them.
void set_system_colors()
{
    static const uint8_t SYS[20][3] = {
        {0, 0, 0},       {128, 0, 0},     {0, 128, 0},     {128, 128, 0},   {0, 0, 128},
        {128, 0, 128},   {0, 128, 128},   {192, 192, 192}, {192, 220, 192}, {166, 202, 240},
        {255, 251, 240}, {160, 160, 164}, {128, 128, 128}, {255, 0, 0},     {0, 255, 0},
        {255, 255, 0},   {0, 0, 255},     {255, 0, 255},   {0, 255, 255},   {255, 255, 255}};
    for (int k = 0; k < 10; k++)
        MACIBM_set_palette_entry(k, SYS[k][0], SYS[k][1], SYS[k][2]);
    MACIBM_set_palette_entry(10, 0, 0, 0);
    for (int k = 10; k < 20; k++)
        MACIBM_set_palette_entry(236 + k, SYS[k][0], SYS[k][1], SYS[k][2]);
}

int screen_open(const char *title)
{
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0)
        return 0;
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "0");
    sdl_window = SDL_CreateWindow(title, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, FRAME_W,
                                  FRAME_H, SDL_WINDOW_RESIZABLE);
    if (!sdl_window)
        return 0;
    sdl_renderer = SDL_CreateRenderer(sdl_window, -1,
                                      SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC);
    if (!sdl_renderer)
        sdl_renderer = SDL_CreateRenderer(sdl_window, -1, SDL_RENDERER_SOFTWARE);
    if (!sdl_renderer)
        return 0;
    SDL_RenderSetLogicalSize(sdl_renderer, FRAME_W, FRAME_H);
    // No alpha: the format of the usual window surfaces, which the software
    // renderer then copies without converting each pixel.
    sdl_texture = SDL_CreateTexture(sdl_renderer, SDL_PIXELFORMAT_RGB888,
                                    SDL_TEXTUREACCESS_STREAMING, FRAME_W, FRAME_H);
    shown_valid = 0;
    if (!sdl_texture)
        return 0;
    SDL_SetWindowMinimumSize(sdl_window, FRAME_W / 2, FRAME_H / 2);
    return 1;
}

// The window's icon: bitmap resource 100 through the palette, index 11
// transparent.
void screen_set_icon()
{
    const BitmapResource *r = find_bitmap(ICON_BITMAP);
    static uint8_t idx[64 * 64];
    if (!sdl_window || !r || r->width > 64 || r->height > 64 || !paint_bitmap(ICON_BITMAP, idx))
        return;
    SDL_Surface *s = SDL_CreateRGBSurfaceWithFormat(0, r->width, r->height, 32, SDL_PIXELFORMAT_ARGB8888);
    if (!s)
        return;
    for (int y = 0; y < r->height; y++) {
        uint32_t *d = (uint32_t *)((uint8_t *)s->pixels + y * s->pitch);
        for (int x = 0; x < r->width; x++) {
            const uint8_t *c = palette_rgb[idx[y * r->width + x]];
            uint32_t a = idx[y * r->width + x] == TRANSPARENT_INDEX ? 0u : 255u;
            d[x] = a << 24 | (uint32_t)c[0] << 16 | (uint32_t)c[1] << 8 | c[2];
        }
    }
    SDL_SetWindowIcon(sdl_window, s);
    SDL_FreeSurface(s);
}

void screen_close()
{
    if (sdl_texture)
        SDL_DestroyTexture(sdl_texture);
    if (sdl_renderer)
        SDL_DestroyRenderer(sdl_renderer);
    if (sdl_window)
        SDL_DestroyWindow(sdl_window);
    sdl_texture = nullptr;
    sdl_renderer = nullptr;
    sdl_window = nullptr;
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

// Frame and caption of program window `index`; the topmost one has the
// active caption colour.
static void draw_window_frame(const Port *p, int index, int active)
{
    int x, y, w, h;
    window_outer(index, &x, &y, &w, &h);
    y += MENU_BAR_H;
    port_bevel(p, x, y, w, h, 1);
    int cx = x + FRAME_BORDER_PX, cy = y + FRAME_BORDER_PX;
    int cw = w - 2 * FRAME_BORDER_PX;
    port_fill(p, cx, cy, cx + cw, cy + FRAME_CAPTION_PX - 1, active ? UI_NAVY : UI_DARK);
    port_text(p, cx + 4, cy + 6, mnw.windowname[index], active ? UI_WHITE : UI_GREY);
    // close box: a raised square with an X
    int bx = cx + cw - 18, by = cy + 2;
    port_bevel(p, bx, by, 16, 14, 1);
    for (int k = 0; k < 7; k++) {
        port_fill(p, bx + 4 + k, by + 3 + k, bx + 6 + k, by + 4 + k, UI_BLACK);
        port_fill(p, bx + 10 - k, by + 3 + k, bx + 12 - k, by + 4 + k, UI_BLACK);
    }
}

static void copy_client(const Port *p, int index)
{
    Port src = window_port(index);
    int ox, oy;
    window_client_origin(index, &ox, &oy);
    oy += MENU_BAR_H;
    int x1 = intmax2(0, -ox), y1 = intmax2(0, MENU_BAR_H - oy);
    int x2 = intmin2(src.width, p->width - ox), y2 = intmin2(src.height, p->height - oy);
    for (int y = y1; y < y2; y++)
        memcpy(p->pixels + (y + oy) * p->stride + ox + x1, src.pixels + y * src.stride + x1,
               x2 - x1);
}

void compose_frame()
{
    Port p = frame_port();
    menu_draw_bar(&p);
    if (mnw.up[0])
        copy_client(&p, 0);
    else
        port_fill(&p, 0, MENU_BAR_H, FRAME_W, FRAME_H, UI_BLACK);
    Port body = p;
    body.clip_y1 = MENU_BAR_H;
    for (int k = 0; k < nzorder; k++) {
        draw_window_frame(&body, zorder[k], k == nzorder - 1);
        copy_client(&body, zorder[k]);
    }
    if (modal_overlay)
        modal_overlay(&p);
}

void show_frame()
{
    if (!sdl_renderer)
        return;
    for (int k = 0; k < 256; k++)
        palette32[k] = 0xFF000000u | palette_rgb[k][0] << 16 | palette_rgb[k][1] << 8 |
                       palette_rgb[k][2];
    // Only the rows that changed since the last present are converted and
    // sent (the panel mostly stands still); a new palette sends them all.
    int all = !shown_valid || memcmp(palette32, shown_palette, sizeof palette32) != 0;
    int first = FRAME_H, last = -1;
    for (int y = 0; y < FRAME_H; y++) {
        const uint8_t *src = frame8 + y * FRAME_W;
        uint8_t *old = shown8 + y * FRAME_W;
        if (!all && memcmp(src, old, FRAME_W) == 0)
            continue;
        memcpy(old, src, FRAME_W);
        uint32_t *d = frame32 + y * FRAME_W;
        for (int x = 0; x < FRAME_W; x++)
            d[x] = palette32[src[x]];
        first = intmin2(first, y);
        last = y;
    }
    memcpy(shown_palette, palette32, sizeof palette32);
    if (last >= first) {
        SDL_Rect rows = {0, first, FRAME_W, last - first + 1};
        if (SDL_UpdateTexture(sdl_texture, &rows, frame32 + first * FRAME_W, FRAME_W * 4) != 0) {
            shown_valid = 0;   // all of it again next time
            return;
        }
    }
    shown_valid = 1;
    SDL_SetRenderDrawColor(sdl_renderer, 0, 0, 0, 255);
    SDL_RenderClear(sdl_renderer);
    SDL_RenderCopy(sdl_renderer, sdl_texture, nullptr, nullptr);
    SDL_RenderPresent(sdl_renderer);
}

void MACIBM_present()
{
    if (!layer_up)
        return;
    compose_frame();
    show_frame();
}

static int cursor_hidden;   // the program hid the pointer

void MACIBM_show_cursor(int show)
{
    cursor_hidden = !show;
    if (layer_up)
        SDL_ShowCursor(show ? SDL_ENABLE : SDL_DISABLE);
}

int test_cursor_shown() { return !cursor_hidden; }

int test_presented_pixel(int x, int y)
{
    uint32_t px = 0;
    SDL_Rect r = {x, y, 1, 1};
    if (!sdl_renderer || SDL_RenderReadPixels(sdl_renderer, &r, SDL_PIXELFORMAT_RGB888, &px, 4) != 0)
        return -1;
    return (int)(px & 0xFFFFFFu);
}
