// The night sky: the moon and the stars, placed by their angular offsets
// from the camera's heading and pitch (turned by its roll), painted before
// anything else so that terrain and cloud cover them.
#include "view/local.h"

#include <cmath>

#include "world/world.h"

constexpr int STAR_WHITE = 55, STAR_BRIGHT = 56, MOON_COLOR = 56;
constexpr int MOON_RADIUS_PX = 10;
constexpr float SKY_SCALE = 1.1f;   // angular offsets to view tangents
constexpr float MOON_MIN_ELEV_DEG = 20.0f, MOON_MAX_ELEV_DEG = 50.0f;

void init_stars()
{
    // Evenly over the half sphere above the horizon: elevation from the
    // sine of a uniform draw.
    for (int s = 0; s < MAX_STARS; s++) {
        sta.psi[s] = fltrand(0.0f, 360.0f);
        sta.the[s] = asinf(fltrand(0.0f, 1.0f)) * con.radtodeg;
    }
    sta.the[0] = fltrand(MOON_MIN_ELEV_DEG, MOON_MAX_ELEV_DEG);   // the moon stands clear of the hills
}

static float wrap_pi(float a)
{
    if (!(fabsf(a) < 1.0e4f))
        return 0.0f;
    while (a > con.pi)
        a -= con.pim2;
    while (a < -con.pi)
        a += con.pim2;
    return a;
}

// View tangents (right, up) of sky direction (heading, elevation in deg).
static void sky_offsets(float psi_deg, float the_deg, float *u, float *v)
{
    float dpsi = wrap_pi(psi_deg * con.degtorad - scn.psi180rad);
    float dthe = wrap_pi(the_deg * con.degtorad - scn.the180rad);
    *u = SKY_SCALE * (dpsi * con.cosVIEWphi - dthe * con.sinVIEWphi);
    *v = SKY_SCALE * (dpsi * con.sinVIEWphi + dthe * con.cosVIEWphi);
}

// A filled disc of span rows, each cut to the view rectangle (the
// rasterizer's circle draws nothing into a locked world).
static void fill_disc(int color, int xc, int yc, int r)
{
    for (int y = -r; y <= r;) {
        int row = yc + y, x1, x2;
        work_down_circle(r, &y, &x1, &x2);
        if (row < con.off_int_top || row >= con.off_int_bot)
            continue;
        x1 = intmax2(xc + x1, con.off_int_lft);
        x2 = intmin2(xc + x2, con.off_int_rgt - 1);
        if (x2 >= x1)
            ADD_hline(color, x1, row, x2 - x1 + 1);
    }
}

static void plot_moon()
{
    float u, v;
    sky_offsets(sta.psi[0], sta.the[0], &u, &v);
    int x = XFRM_x(u), y = XFRM_y(v), margin = MOON_RADIUS_PX;
    if (x >= con.off_int_lft - margin && x < con.off_int_rgt + margin && y >= con.off_int_top - margin &&
        y < con.off_int_bot + margin)
        fill_disc(MOON_COLOR, x, y, MOON_RADIUS_PX);
}

// In the helicopter's chin window the lower right of the view looks down.
static int in_chin_window(int x, int y) { return con.clipview && x >= con.off_int_hex && y >= con.off_int_hey; }

void plotnightsky()
{
    plot_moon();
    int last = intlim(scn.starmax, 0, MAX_STARS - 1);
    float lim = con.rat_rgt;
    for (int s = 1; s <= last; s++) {
        float u, v;
        sky_offsets(sta.psi[s], sta.the[s], &u, &v);
        if (!(fabsf(u) < lim && fabsf(v) < lim))
            continue;
        int x = XFRM_x(u), y = XFRM_y(v);
        if (in_chin_window(x, y))
            continue;
        view_pixel(s <= 3 * last / 4 ? STAR_WHITE : STAR_BRIGHT, x, y);
    }
}
