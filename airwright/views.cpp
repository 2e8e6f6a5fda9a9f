// The main window's views of the design: top, side, front and the 3-D views
// (still, or turning from the clock), drawn into an off-screen world from a
// camera far enough away that the whole aircraft fits, with the markers of
// the centre of gravity, the gear and the pilot's eye.
#include "airwright/local.h"
#include "view/view.h"

#include <cmath>

namespace airwright {

constexpr int VIEW_WORLD = 0;
constexpr int VIEW_W = 776, VIEW_H = 536;          // world size, pixels
constexpr int VIEW_X = 12, VIEW_Y = 12;            // where it lands in the main window
constexpr float VIEW_CX = 388.0f, VIEW_CY = 268.0f;
constexpr float M_PER_FT = 0.3048f;                // international foot
// The view's largest zoom: 1000 x 600 = 600,000 pixels per unit tangent.
constexpr float VIEW_ZOOM = 1000.0f;
constexpr float ZOOM_PX = 600.0f * VIEW_ZOOM;
// The camera stands at least this far away; a part may reach REACH_FT from
// the cg at that distance and still land within 85 % of the half height.
constexpr float BASE_DIST_FT = 1000.0f;
constexpr float REACH_FT = 0.85f * VIEW_CY * BASE_DIST_FT / ZOOM_PX;
constexpr float TURN_DEG_PER_S = 60.0f;
constexpr float QUICK_TURN_DEG = 135.0f, LONG_TURN_DEG = 855.0f;
constexpr int VIEW_BACK_COLOR = PANEL_COLOR;
constexpr int VIEW_GRID_COLOR = GRID_COLOR;
constexpr int VIEW_GRID_PX = 40;

static int64_t turn_start_ms = -1;

// A camera at the origin looking north, level, and the aircraft ahead of it
// at `dist_ft` with pitch theta, heading psi and roll phi (deg), in the view
// world's port at the view's largest zoom.
static void place_camera(float theta, float psi, float phi, float dist_ft)
{
    const float rad = (float)M_PI / 180.0f;
    con.VIEW_loc_x = con.VIEW_loc_y = con.VIEW_loc_z = 0.0f;
    con.sinVIEWpsi = con.sinVIEWthe = con.sinVIEWphi = 0.0f;
    con.cosVIEWpsi = con.cosVIEWthe = con.cosVIEWphi = 1.0f;
    con.PLAN_loc_x = con.PLAN_loc_z = 0.0f;
    con.PLAN_loc_y = dist_ft * M_PER_FT;
    con.sinPLANthe = sinf(theta * rad), con.cosPLANthe = cosf(theta * rad);
    con.sinPLANpsi = sinf(psi * rad), con.cosPLANpsi = cosf(psi * rad);
    con.sinPLANphi = sinf(phi * rad), con.cosPLANphi = cosf(phi * rad);
    con.gwor_x_size = VIEW_W;
    con.gwor_y_size = VIEW_H;
    con.off_view_center_fx = VIEW_CX;
    con.off_view_center_fy = VIEW_CY;
    con.off_int_lft = con.off_int_top = 0;
    con.off_int_rgt = VIEW_W - 1;
    con.off_int_bot = VIEW_H - 1;
    con.off_flt_lft = con.off_flt_top = 0.0f;
    con.off_flt_rgt = (float)(VIEW_W - 1);
    con.off_flt_bot = (float)(VIEW_H - 1);
    set_mon(-1, 0.0f);
    set_mon(-1, VIEW_ZOOM);
}

int view_project(float x_aft, float y_right, float z_up, int *sx, int *sy)
{
    float c[3];
    xfrm_PLANE(y_right * M_PER_FT, -x_aft * M_PER_FT, z_up * M_PER_FT, &c[0], &c[1], &c[2]);
    if (!(c[1] > 1.0f))
        return 0;
    *sx = (int)lroundf(fltlim(VIEW_CX + con.zom_pp45 * c[0] / c[1], -1e5f, 1e5f));
    *sy = (int)lroundf(fltlim(VIEW_CY - con.zom_pp45 * c[2] / c[1], -1e5f, 1e5f));
    return 1;
}

// ---------------------------------------------------------------- distance

// Reach of a wing from the cg: its root and tip chords, a quarter of each
// ahead of its leading-edge line and three quarters behind.
static float surface_reach_x(int p)
{
    float root_x = pln.xarm[p][NARM - 1] - pln.cgx;
    float tip_x = root_x + sinf(pln.sweep1[p] * (float)M_PI / 180.0f) * pln.semiB[p];
    float r = fmaxf(fabsf(root_x - 0.25f * pln.Croot[p]), fabsf(root_x + 0.75f * pln.Croot[p]));
    return fmaxf(r, fmaxf(fabsf(tip_x - 0.25f * pln.Ctip[p]), fabsf(tip_x + 0.75f * pln.Ctip[p])));
}

float find_dis_to_plane()
{
    float along = 0.0f, across = 0.0f;
    for (int p = 0; p < MAX_PARTS; p++) {
        if (!(pln.semiB[p] > 0.1f))
            continue;
        along = fmaxf(along, p >= 2 ? surface_reach_x(p) : fabsf(pln.xarm[p][NARM - 1] - pln.cgx));
        across = fmaxf(across, pln.semiB[p] + fabsf(pln.yarm[p][NARM - 1]));
    }
    if (pln.gearEQ) {
        along = fmaxf(along, fmaxf(fabsf(pln.ngearx - pln.cgx), fabsf(pln.mgearx - pln.cgx)));
        across = fmaxf(across, fabsf(pln.mgeary));
    }
    along = fmaxf(along, fmaxf(fabsf(pln.fuse_nose - pln.cgx),
                               fabsf(pln.fuse_nose + pln.fuse_len - pln.cgx)));
    across = fmaxf(across, fabsf(pln.fuse_rad));
    float ratio = fmaxf(1.0f, fmaxf(along, across) / REACH_FT);
    return std::isfinite(ratio) ? BASE_DIST_FT * ratio : BASE_DIST_FT;
}

// ---------------------------------------------------------------- markers

void draw_marker(int kind, int x, int y)
{
    x -= 5;
    y -= 5;
    switch (kind) {
    case MARK_CG:   // the quartered disc of balance drawings
        MACIBM_fillrect(29, x + 1, y + 1, 3, 3, 1);
        MACIBM_fillrect(11, x + 5, y + 1, 3, 3, 1);
        MACIBM_fillrect(11, x + 1, y + 5, 3, 3, 1);
        MACIBM_fillrect(29, x + 5, y + 5, 3, 3, 1);
        MACIBM_framerect(23, x, y, 9, 9, 1);
        break;
    case MARK_GEAR:   // a wheel
        MACIBM_fillrect(11, x + 1, y + 1, 7, 7, 1);
        MACIBM_framerect(31, x, y, 9, 9, 1);
        MACIBM_fillrect(31, x + 4, y + 4, 1, 1, 1);
        break;
    default:          // the eye: a diamond
        for (int k = 0; k < 5; k++) {
            ADD_hline(43, x + 5 - k, y + k, 1);
            ADD_hline(43, x + 4 + k, y + k, 1);
            ADD_hline(43, x + 5 - k, y + 9 - k, 1);
            ADD_hline(43, x + 4 + k, y + 9 - k, 1);
        }
        MACIBM_fillrect(23, x + 4, y + 4, 1, 1, 1);
    }
}

static void mark(int kind, float x_aft, float y_right, float z_up)
{
    int sx, sy;
    if (view_project(x_aft, y_right, z_up, &sx, &sy) &&
        intbox(sx, sy, 5, 5, VIEW_W - 6, VIEW_H - 6))
        draw_marker(kind, sx, sy);
}

static void draw_markers()
{
    if (pln.gearEQ) {
        mark(MARK_GEAR, pln.ngearx - pln.cgx, 0.0f, pln.ngearz - pln.cgz);
        mark(MARK_GEAR, pln.mgearx - pln.cgx, pln.mgeary, pln.mgearz - pln.cgz);
        mark(MARK_GEAR, pln.mgearx - pln.cgx, -pln.mgeary, pln.mgearz - pln.cgz);
    }
    mark(MARK_EYE, pln.pex - pln.cgx, pln.pey, pln.pez - pln.cgz);
    mark(MARK_CG, 0.0f, 0.0f, 0.0f);
}

// ---------------------------------------------------------------- drawing

void manage_plot(float theta, float psi, float phi)
{
    place_camera(theta, psi, phi, find_dis_to_plane());
    MACIBM_initgworld(VIEW_WORLD, VIEW_W, VIEW_H);
    MACIBM_settogworld(VIEW_WORLD, VIEW_W, VIEW_H, VIEW_BACK_COLOR, 1);
    for (int x = (int)VIEW_CX % VIEW_GRID_PX; x < VIEW_W; x += VIEW_GRID_PX)
        ADD_vline(VIEW_GRID_COLOR, x, 0, VIEW_H);
    for (int y = (int)VIEW_CY % VIEW_GRID_PX; y < VIEW_H; y += VIEW_GRID_PX)
        ADD_hline(VIEW_GRID_COLOR, 0, y, VIEW_W);
    draw_aircraft();
    draw_markers();
    MACIBM_startwind(WIN_MAIN, 0);
    MACIBM_copytoport(VIEW_WORLD, VIEW_X, VIEW_Y, 0, 0, VIEW_W, VIEW_H, 1);
    MACIBM_disposegworld(VIEW_WORLD);
}

void plot_all_views(int rotate)
{
    switch (msc.background_type) {
    case VIEW_SIDE: manage_plot(0.0f, 270.0f, 0.0f); return;
    case VIEW_FRONT: manage_plot(0.0f, 180.0f, 0.0f); return;
    case VIEW_3D_QUICK:
    case VIEW_3D_LONG: break;
    default: manage_plot(0.0f, 270.0f, -90.0f); return;
    }
    if (!waiting_to_rotate) {
        turn_start_ms = -1;
        manage_plot(0.0f, 225.0f, -45.0f);
        return;
    }
    // A repaint (rotate 0) shows the turn where it stands; the first call
    // of either kind starts it.
    (void)rotate;
    if (turn_start_ms < 0)
        turn_start_ms = clock_ms();
    float total = msc.background_type == VIEW_3D_QUICK ? QUICK_TURN_DEG : LONG_TURN_DEG;
    float turned = TURN_DEG_PER_S * (float)(clock_ms() - turn_start_ms) / 1000.0f;
    if (turned >= total) {
        turned = total;
        waiting_to_rotate = 0;
        turn_start_ms = -1;
    }
    manage_plot(0.0f, -turned, 90.0f - turned);
}

}  // namespace airwright
