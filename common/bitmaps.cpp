// Bitmap resources: each is painted by code (a painter per resource number)
// with the rasterizer into a scratch world, so the art can be read and
// changed as code. Drawing one passes its colours through the panel
// lighting and matches them to the nearest palette entries.
#include "common/local.h"

#include <cstring>

static BitmapResource resources[MAX_BITMAPS];
static int nresources;
static int builtins_done;
static uint8_t scratch[MAX_BITMAP_W * MAX_BITMAP_H];

void paint_splash(const Port *p);
void paint_icon(const Port *p);

static void register_builtins()
{
    if (builtins_done)
        return;
    builtins_done = 1;
    register_bitmap(SPLASH_BITMAP, SCREEN_W, SCREEN_H, paint_splash, "splash");
    register_bitmap(ICON_BITMAP, 32, 32, paint_icon, "icon");
}

void register_bitmap(int id, int width, int height, BitmapPainter paint, const char *name)
{
    register_builtins();
    if (width < 1 || height < 1 || width > MAX_BITMAP_W || height > MAX_BITMAP_H)
        MACIBM_numberexitalert("Bitmap too large!", id);
    BitmapResource r = {id, width, height, paint, name};
    for (int k = 0; k < nresources; k++)
        if (resources[k].id == id) {
            resources[k] = r;
            return;
        }
    if (nresources == MAX_BITMAPS)
        MACIBM_numberexitalert("Too many bitmap resources!", id);
    resources[nresources++] = r;
}

const BitmapResource *find_bitmap(int id)
{
    register_builtins();
    for (int k = 0; k < nresources; k++)
        if (resources[k].id == id)
            return &resources[k];
    return nullptr;
}

const BitmapResource *bitmap_at(int n)
{
    register_builtins();
    return n >= 0 && n < nresources ? &resources[n] : nullptr;
}

int paint_bitmap(int ID, uint8_t *out)
{
    const BitmapResource *r = find_bitmap(ID);
    if (!r)
        return 0;
    uint8_t *saved_pix = pix;
    int saved_row = row, saved_locked = locked, saved_w = lock_w, saved_h = lock_h;
    pix = out;
    row = lock_w = r->width;
    lock_h = r->height;
    locked = 1;
    memset(out, TRANSPARENT_INDEX, (size_t)r->width * r->height);
    Port p = {out, r->width, r->height, r->width, 0, 0, r->width, r->height};
    if (r->paint)
        r->paint(&p);
    pix = saved_pix;
    row = saved_row;
    locked = saved_locked;
    lock_w = saved_w;
    lock_h = saved_h;
    return 1;
}

// Palette entry (11..245) nearest to r, g, b (0..255), `prefer` on a tie.
static int nearest_entry(int r, int g, int b, int prefer)
{
    int best = prefer, best_d = 1 << 30;
    for (int k = 11; k <= 245; k++) {
        int dr = palette_rgb[k][0] - r, dg = palette_rgb[k][1] - g, db = palette_rgb[k][2] - b;
        int d = dr * dr + dg * dg + db * db;
        if (d < best_d || (d == best_d && k == prefer)) {
            best_d = d;
            best = k;
        }
    }
    return best;
}

// What each painted index becomes under the current panel lighting: the
// bitmap's colour (its start-up colour) through change_colors_for_time,
// matched to the palette as it now is. Identity in plain daylight.
static void lighting_map(uint8_t map[256])
{
    for (int k = 0; k < 256; k++)
        map[k] = (uint8_t)k;
    if (draw_time() == 1 && draw_lamp() == 0.0f)
        return;
    for (int k = 11; k <= 245; k++) {
        float r, g, b;
        art_color(k, &r, &g, &b);
        change_colors_for_time(k, &r, &g, &b);
        map[k] = (uint8_t)nearest_entry(iround(r * 255.0f), iround(g * 255.0f), iround(b * 255.0f), k);
    }
}

void MACIBM_bitmap(int x, int y, int ID)
{
    const BitmapResource *r = find_bitmap(ID);
    if (!r)
        MACIBM_numberexitalert("Can't load resource bitmap!", ID);
    if (locked || !cur_port.pixels)
        return;
    paint_bitmap(ID, scratch);
    uint8_t map[256];
    lighting_map(map);
    const Port &p = cur_port;
    int x1 = intmax2(x, p.clip_x1), x2 = intmin2(x + r->width, p.clip_x2);
    int y1 = intmax2(y, p.clip_y1), y2 = intmin2(y + r->height, p.clip_y2);
    for (int yy = y1; yy < y2; yy++) {
        const uint8_t *s = scratch + (size_t)(yy - y) * r->width - x;
        uint8_t *d = p.pixels + (size_t)yy * p.stride;
        for (int xx = x1; xx < x2; xx++)
            d[xx] = map[s[xx]];
    }
}
