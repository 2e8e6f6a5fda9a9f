// Off-screen worlds: up to four 8-bit buffers the program rasterizes into
// while one is locked, then copies to the current window, with palette
// index 11 as the transparent colour unless every pixel is wanted.
#include "common/local.h"
#include "common/testsupport.h"

#include <cstdlib>
#include <cstring>

uint8_t *pix;
int row;
int locked;
int lock_w, lock_h;

struct World {
    int inuse;
    int width, height;   // pixels
    uint8_t *pixels;     // width x height, row stride = width
};
static World worlds[MAX_GWORLDS];

static World *world_at(int index)
{
    if (index < 0 || index >= MAX_GWORLDS)
        MACIBM_numberexitalert("Gworld index out of range!", index);
    return &worlds[index];
}

void MACIBM_initgworld(int index, int width, int height)
{
    World *w = world_at(index);
    if (w->inuse)
        MACIBM_exitalert("Trying to init a gworld that is already in use!", "", "", "");
    if (width <= 0 || height <= 0 || width > 4 * SCREEN_W || height > 4 * SCREEN_H)
        MACIBM_exitalert("Can't create surface", "", "", "");
    w->pixels = (uint8_t *)calloc((size_t)width * height, 1);
    if (!w->pixels)
        MACIBM_exitalert("Can't create surface", "", "", "");
    w->width = width;
    w->height = height;
    w->inuse = 1;
}

void MACIBM_settogworld(int index, int dx, int dy, int color, int fullfill)
{
    (void)fullfill;   // the whole requested rectangle is always filled
    World *w = world_at(index);
    if (!w->inuse)
        MACIBM_exitalert("Trying to set to a gworld that is not in use!", "", "", "");
    int fw = intlim(dx, 0, w->width);
    int fh = intlim(dy, 0, w->height);
    for (int y = 0; y < fh; y++)
        memset(w->pixels + (size_t)y * w->width, (uint8_t)color, fw);
    pix = w->pixels;
    row = w->width;
    lock_w = w->width;
    lock_h = w->height;
    locked = 1;
}

void MACIBM_copytoport(int index, int x_offset, int y_offset, int x1, int y1, int x2, int y2,
                       int blit_the_black)
{
    World *w = world_at(index);
    if (!w->inuse)
        MACIBM_exitalert("Trying to copy from a gworld that is not in use!", "", "", "");
    locked = 0;
    // The source rectangle within the world, then the destination within the port.
    int sx1 = intmax2(x1, 0), sy1 = intmax2(y1, 0);
    int sx2 = intmin2(x2, w->width), sy2 = intmin2(y2, w->height);
    const Port &p = cur_port;
    int dx0 = x_offset, dy0 = y_offset;
    sx1 = intmax2(sx1, -dx0);
    sy1 = intmax2(sy1, -dy0);
    sx2 = intmin2(sx2, p.width - dx0);
    sy2 = intmin2(sy2, p.height - dy0);
    if (!p.pixels || sx2 <= sx1 || sy2 <= sy1)
        return;
    for (int y = sy1; y < sy2; y++) {
        const uint8_t *s = w->pixels + (size_t)y * w->width;
        uint8_t *d = p.pixels + (size_t)(y + dy0) * p.stride + dx0;
        if (blit_the_black) {
            memcpy(d + sx1, s + sx1, sx2 - sx1);
            continue;
        }
        for (int x = sx1; x < sx2; x++)
            if (s[x] != TRANSPARENT_INDEX)
                d[x] = s[x];
    }
}

void MACIBM_disposegworld(int index)
{
    World *w = world_at(index);
    if (w->inuse && locked && pix == w->pixels)
        locked = 0;
    free(w->pixels);
    *w = World{};
}

void worlds_release()
{
    for (int k = 0; k < MAX_GWORLDS; k++) {
        free(worlds[k].pixels);
        worlds[k] = World{};
    }
    locked = 0;
    pix = nullptr;
}

// Test support: one pixel of a world, -1 outside or unused.
int test_world_pixel(int index, int x, int y)
{
    if (index < 0 || index >= MAX_GWORLDS || !worlds[index].inuse)
        return -1;
    const World &w = worlds[index];
    if (x < 0 || y < 0 || x >= w.width || y >= w.height)
        return -1;
    return w.pixels[(size_t)y * w.width + x];
}

// Test support: a world as a palette PNG (0 when unused or not written).
int test_write_world_png(int index, const char *path)
{
    if (index < 0 || index >= MAX_GWORLDS || !worlds[index].inuse)
        return 0;
    const World &w = worlds[index];
    return write_indexed_png(path, w.pixels, w.width, w.height, w.width);
}
