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
