// The view port: size and centre of the off-screen view world, its bounds
// as view tangents at the current zoom, and the HUD box.
#include "view/view.h"

constexpr float BASE_PIXELS_PER_TANGENT = 600.0f;
constexpr float MIN_ZOOM = 1.0f;
constexpr float MAX_ZOOM = 1000.0f;
constexpr int VIEW_MARGIN_PX = 5;    // top and bottom rows the view leaves free
constexpr int VIEW_HEX_PX = 629;     // reference column and row of the HUD scales
constexpr int VIEW_HEY_PX = 230;

static float zoom = 1.0f;   // persists across calls; views reset it to 1
// The view type and aircraft kind (helicopter or not) the port was last
// laid out for; -1 before the first layout.
static int port_view = -1, port_heli = -1;

static void set_world(int xs, int ys, float fx, float fy)
{
    con.gwor_x_size = xs;
    con.gwor_y_size = ys;
    con.off_view_center_fx = fx;
    con.off_view_center_fy = fy;
}

static void set_hud(int l, int t, int r, int b)
{
    con.HUD_lft = l;
    con.HUD_top = t;
    con.HUD_rgt = r;
    con.HUD_bot = b;
}

// Full-screen and side views, and helicopters (whose panel leaves the whole
// upper screen to the view), get the tall world.
static void set_main_world()
{
    int v = set.viewtype;
    if (v == 615 || v == 604 || v == 605) {
        set_world(800, 568, 400.0f, 227.2f);
        set_hud(100, 10, 700, 558);
        return;
    }
    set_world(800, pln.is_heli ? 568 : 235, 400.0f, 110.0f);
    set_hud(200, 10, 600, 229);
}

static void set_bounds()
{
    con.off_int_lft = 0;
    con.off_int_rgt = con.gwor_x_size;
    con.off_int_top = VIEW_MARGIN_PX;
    con.off_int_bot = con.gwor_y_size - VIEW_MARGIN_PX;
    con.off_int_hex = VIEW_HEX_PX;
    con.off_int_hey = VIEW_HEY_PX;
    con.off_flt_lft = (float)con.off_int_lft;
    con.off_flt_rgt = (float)con.off_int_rgt;
    con.off_flt_top = (float)con.off_int_top;
    con.off_flt_bot = (float)con.off_int_bot;
    con.off_flt_hex = (float)con.off_int_hex;
    con.off_flt_hey = (float)con.off_int_hey;
}

void set_mon(int gw, float zoom_mult)
{
    if (gw == 0)
        set_main_world();
    else if (gw == 1)
        set_world(579, 371, 289.5f, 185.5f);
    zoom = fltlim(zoom * zoom_mult, MIN_ZOOM, MAX_ZOOM);
    con.zom_pp45 = zoom * BASE_PIXELS_PER_TANGENT;
    con.zom_45pp = 1.0f / con.zom_pp45;
    if (gw == 0 || gw == 1) {
        set_bounds();
        port_view = set.viewtype;
        port_heli = pln.is_heli;
    }
    float fx = con.off_view_center_fx;
    float fy = con.off_view_center_fy;
    con.rat_lft = (con.off_flt_lft - fx) * con.zom_45pp;
    con.rat_rgt = (con.off_flt_rgt - fx) * con.zom_45pp;
    con.rat_hex = (con.off_flt_hex - fx) * con.zom_45pp;
    con.rat_top = (fy - con.off_flt_bot) * con.zom_45pp;
    con.rat_bot = (fy - con.off_flt_top) * con.zom_45pp;
    con.rat_hey = (fy - con.off_flt_hey) * con.zom_45pp;
}

void keep_view_port()
{
    if (port_view != set.viewtype || port_heli != pln.is_heli)
        set_mon(set.viewtype == VIEW_REPLAY ? 1 : 0, 1.0f);
}
