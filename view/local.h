// Inside the view folder only: what the aircraft drawing's files share.
#pragma once
#include "view/view.h"

// Where a projected aircraft point lies.
enum PlanePoint { PT_BEHIND = -1, PT_OUTSIDE = 0, PT_INSIDE = 1 };

// Projects n aircraft points (arms: x aft, y right, z up, m; y multiplied by
// `side`) to whole pixels, and their camera-space positions into cam when
// not null. PT_INSIDE when every point lies in the view rectangle;
// PT_BEHIND when any lies at or behind the camera (the item is skipped);
// else PT_OUTSIDE, and the view zooms out (plane_zoom_out).
int project_plane_points(const float pts[][3], int n, float side, int sx[], int sy[], float cam[][3]);
// Halves the zoom once per plot_plane call (not below zoom 1): the next
// frame draws the aircraft smaller.
void plane_zoom_out();

// The time of day limited to 1 (day) .. 4 (dark night), and the outline
// colour at that time.
int plane_time();
int plane_outline_color();
// A 2 x 2 light at pixel (x, y); nothing by day or for colour 0.
void draw_light(int x, int y, int colour);
// An outline line between two aircraft points, when both are in view.
void draw_line(float x1, float y1, float z1, float x2, float y2, float z2);

// Surface `part` (2..6) on `side` (+1 right, -1 left; fins +1), with its
// light at the tip leading edge (0 none).
void handle_a_wing(int part, int side, int light_colour);
// Propeller or rotor n (0, 1) with its blades at the next angle.
void handle_a_prop(int n);

// ---------------------------------------------------------------- the scene's shared pieces
// A world point seen from the camera: camera-space position (m), whether
// it lies beyond the near plane (front) and also projects inside the view
// rectangle (visible), and then its whole pixel.
struct ScreenPoint {
    float c[3];
    int sx, sy;
    int front, visible;
};
void project_world_point(ScreenPoint *p, float x, float y, float z);
// One camera-space triangle of a terrain or cloud cell (corners clockwise
// seen from above): clipped with whole-view fill when a corner is off
// screen, else straight from the stored pixels (breakup 0) or subdivided.
void mesh_triangle(int color, const ScreenPoint *a, const ScreenPoint *b, const ScreenPoint *c);
// Walks the cells of the drawn grid range far to near, calling cell(i, j).
void walk_cells(void (*cell)(int i, int j));
// 1 when pixel (x, y) lies inside the view rectangle.
int in_view_rect(int x, int y);
// A pixel of colour `color`, only inside the view rectangle.
void view_pixel(int color, int x, int y);
// 1 when every one of n camera-space points lies beyond the near plane and
// projects inside the view rectangle (a piece that needs no clipping).
int all_on_screen(const float p[][3], int n);
// A flat convex face of n (3 or 4) camera-space corners, drawn in `color`
// when the camera lies on its outer side (away from `centre`, a camera-space
// point inside the solid it bounds).
void solid_face(int color, const float p[][3], int n, const float centre[3]);
// The camera-space position of a world point.
void to_camera(float x, float y, float z, float out[3]);
// Forget the palette's and the visibility's remembered state.
void reset_palette_state();
void reset_visibility_state();

// ---------------------------------------------------------------- lines and symbols over the scene
// A camera-space segment a-b drawn as a line in `color`: cut at the near
// plane, projected and clipped to the rectangle lft..rgt x top..bot
// (pixels). Returns 1 when some of it was drawn.
int camera_line(int color, const float a[3], const float b[3], float lft, float top, float rgt, float bot);
// A screen segment clipped to the rectangle before it is drawn.
int clipped_line(int color, float x1, float y1, float x2, float y2, float lft, float top, float rgt, float bot);
