// The out-the-window view: the view port, the camera, the polygon pipeline
// (camera-space polygons hazed, clipped and rasterized), the choice and
// order of the drawn grid cells, and the drawing of the aircraft itself.
// Its records (`scn`, `sta`, `car`) are in records/records.h.
#pragma once
#include "common/common.h"
#include "records/records.h"

// Sets the view-port part of `con` for world `gw` (0 main view, 1 second
// view, -1 zoom only) and multiplies the persistent zoom by `zoom_mult`
// (0 resets it to 1), limited to 1..1000.
// Reads: set.viewtype, pln.is_heli. Writes: con view-port fields.
void set_mon(int gw, float zoom_mult);
// Lays the view port out again (zoom kept) when the view type or the kind
// of aircraft changed since the last set_mon, or none was made yet: a
// start-up, a newly loaded aircraft or a helicopter's taller world.
// Reads: set.viewtype, pln.is_heli. Writes: as set_mon.
void keep_view_port();

// View types (set.viewtype): the View menu's items, and the free camera of
// the flight-path replay.
enum ViewType {
    VIEW_FORWARD = 601, VIEW_DOWN4 = 602, VIEW_DOWN8 = 603, VIEW_LEFT = 604, VIEW_RIGHT = 605,
    VIEW_BACK = 606, VIEW_SATELLITE = 607, VIEW_TOWER = 609, VIEW_CHASE = 610, VIEW_CIRCLE = 611,
    VIEW_ABOVE40 = 612, VIEW_ABOVE10 = 613, VIEW_FULL_SCREEN = 615, VIEW_REPLAY = 999
};

// The camera's sines and cosines (con.sin/cosVIEW*) from its heading,
// pitch and roll scn.psi180rad, the180rad, phi180rad (rad).
void set_view_angles();
// Turns the camera at con.VIEW_loc towards world point (x, y, z) (m): heading
// and pitch from the offset, no roll (straight above or below it keeps its
// heading). Writes: scn.psi180rad/the180rad/phi180rad, con.sin/cosVIEW*.
void aim_camera(float x, float y, float z);

// ================================================================ polygon pipeline
// Camera-space points are float[3] (m: right, forward = depth, up) from
// xfrm_SCENE, xfrm_PLANE or xfrm_BOAT; everything draws into the locked
// world through the rasterizer, within con's view rectangle.
constexpr float HITHER_M = 3.0f;       // near plane: nothing nearer is drawn
constexpr int HAZE_STEP_COLORS = 18;   // palette entries between haze steps of a scene colour
constexpr int NO_COLOR = -1;           // haze_color: the piece is beyond the visibility

// Screen edge a polygon vertex was cut on (clip_code).
enum ClipCode { CLIP_NONE = 0, CLIP_LEFT = 2, CLIP_RIGHT = 3, CLIP_TOP = 4, CLIP_BOTTOM = 5 };

// The polygon being clipped: whole pixels, edge codes, last index (-1
// empty); and its outline on the near plane before screen clipping (float
// pixels, last index hc_ctr) with the outline's extent.
extern int poly_x[MAX_POLY_VERTS], poly_y[MAX_POLY_VERTS], clip_code[MAX_POLY_VERTS];
extern int poly_vert_max;
extern float hc_poly_x[MAX_POLY_VERTS], hc_poly_y[MAX_POLY_VERTS];
extern int hc_ctr;
extern float hc_xmin, hc_xmax, hc_ymin, hc_ymax;
// Per terrain point: 1 when within this frame's drawing range (set_bounds).
extern int invrange[MESH_I][MESH_J];
// Set by the scene while it draws cloud triangles: colours as given, no
// visibility limit.
extern int drawing_cloud;
// Pieces handed to the rasterizer; the pipeline only counts (for the
// frame statistics and the benchmarks), callers reset it.
extern int pipe_pieces;

// A camera-space triangle in `color` (a scene colour 65..82): dropped when
// it faces away, else cut into pieces by scn.poly_breakup (pieces never
// fill the whole view) and each piece drawn by manage_poly3. clipit 0
// promises every corner in front of the near plane and on screen.
// Reads: scn.poly_breakup, atm.vis1_grnd/vis2_grnd, con view fields.
void any_poly3_3D(int color, const float p1[3], const float p2[3], const float p3[3], int clipit,
                  int fullscreenit);
// A camera-space quadrilateral (no back-face test): whole, or with
// scn.rway_breakup as strips across its p1-p4 direction, more of them the
// lower the visibility (runway_strips). Reads: scn.rway_breakup,
// atm.vis_effective, and as any_poly3_3D.
void any_poly4_3D(int color, const float p1[3], const float p2[3], const float p3[3], const float p4[3],
                  int clipit, int fullscreenit);
// Strips of a runway quadrilateral: 20 per nautical mile of visibility
// below 4 nm (5 to 40).
int runway_strips();
// One piece: hazed by its mean depth (not drawn beyond the visibility),
// then projected and rasterized directly (clipit 0) or clipped first;
// with fullscreenit a piece whose clipped outline is empty fills the whole
// view when it surrounds the camera.
void manage_poly3(int color, const float p1[3], const float p2[3], const float p3[3], int clipit,
                  int fullscreenit);
void manage_poly4(int color, const float p1[3], const float p2[3], const float p3[3], const float p4[3],
                  int clipit, int fullscreenit);
// The colour of a piece at mean depth ybar (m): unchanged up to
// atm.vis1_grnd, raised by 18 per haze step (1..9) beyond it, NO_COLOR
// from atm.vis2_grnd on. While drawing_cloud, always the colour as given.
int haze_color(float ybar, int color);
// The 19 points of a subdivided triangle (corners, edge midpoints,
// centroid, ...) and the pieces of breakup level 1..3 as triples of those
// points (0 pieces for other levels).
constexpr int N_SUBDIVISION_POINTS = 19;
void subdivide_triangle(const float p1[3], const float p2[3], const float p3[3], float pts[][3]);
int breakup_pieces(int level, const int (**pieces)[3]);

// The clipper, one polygon at a time: start_clipped_poly empties the
// buffers; clipline adds one camera-space edge (near plane, then the view
// rectangle; fullscreenit also records the near-plane outline);
// close_clipped_poly walks the corners between the last and the first
// vertex (or drops a repeated first vertex).
void start_clipped_poly();
void clipline(const float p1[3], const float p2[3], int fullscreenit);
void close_clipped_poly();
// The part t1..t2 (0..1) of the edge from depth y1 to y2 at or beyond the
// near plane; 0 when none.
int hither_clip(float y1, float y2, float *t1, float *t2);
// The part t1..t2 of the segment from a1 to a2 (either way round) within
// lo..hi; 0 when none.
int range_clip(float a1, float a2, float lo, float hi, float *t1, float *t2);
// Adds a clipped edge: first the corners from the last vertex's edge to
// code1 when they differ, then both ends.
void form_poly(int x1, int y1, int code1, int x2, int y2, int code2);
// Appends a vertex (an unclipped point equal to an unclipped last vertex is
// not repeated).
void add_poly_point(int x, int y, int code);
// Appends the view corners passed going clockwise (left, top, right,
// bottom) from edge `from` to edge `to`, at most three; none when either
// is CLIP_NONE.
void take_a_walk(int from, int to);
// Fills the whole view rectangle when the near-plane outline reaches beyond
// all four view edges and surrounds the view point (10, 10).
void full_screen_poly(int color);

// The drawn cells of the terrain grid (or, above the cloud tops or climbing
// inside the layer, of the cloud grid) and their painting order for view
// octant 1..8 (view heading 0..44 deg is 1, 315..359 deg is 8); first
// makes the nearest airport ahead of the camera (or within 2 nm) the
// current one, rebuilding it (setnewlocale) when it changes.
// Reads: con.VIEW_*, set.viewtype, scn.abovetops/belowbases, atm.clear/vis/
// vis_effective, flt.v/vu, env (airports, i/j_viewpoint), planex/y,
// cloudx/y. Writes: scn grid block, invrange, msc.loc_apt/loc_index.
void set_bounds(int view_oct);

// ================================================================ the aircraft
// Draws the loaded aircraft pln as a shaded solid into the locked world
// with the current camera (con.VIEW_*) and aircraft placing (con.PLAN_*):
// fuselage, wings, stabiliser and fins with their control surfaces at the
// deflections in flt, turning propellers and rotors, floats, skids and,
// when it is not day, the navigation, tail and beacon lights. Nothing is
// drawn when the camera is inside the fuselage's reach (a fuselage point
// behind it); a part that would leave the view rectangle is not drawn and
// the view zooms out by half (once a call, not below zoom 1).
// Reads: pln, flt control deflections, scn.time/rb_cycle, con.
// Writes: track_ang, the zoom (set_mon).
void plot_plane();
// The turning blades' angle (whole degrees 0..359), advanced by each
// handle_a_prop call.
extern int track_ang;
// Point at distance d (m) along the span of surface `part` (2..6) from its
// root: wings and stabiliser swept and raised by their dihedral, fins
// swept back and up (down when inverted). Lateral y is the right side's.
float get_wing_xarm(int part, float d);
float get_wing_yarm(int part, float d);
float get_wing_zarm(int part, float d);
// Colour of a pulsing light at phase 0..24 of its cycle (11 dark).
int pulse_color(int phase);

// ================================================================ the out-the-window scene
// One frame of the view: pages the region when the aircraft nears its edge
// (radios retuned), places the camera for set.viewtype, rebuilds the
// palette and the drawn grid range when they are out of date, works out
// the visibility, then paints sky, terrain with its lights and buildings,
// runways and their lights, tower and hangars, the cloud deck, the
// aircraft in outside views and the cockpit symbols into the view world,
// and copies it to the window (world 1 and window 14 in the replay).
// Reads: flt, pln, atm, env, the terrain and generated world, set.viewtype,
// msc (prd, tottime, cntr10, mouse_is_joy), ins.HUD_on/HOOP_on.
// Writes: scn, con (camera, view port), atm.vis_effective/vis*_grnd/
// vis*_lite, msc.prd at cloud layers, msc.loc_apt/loc_index, env.i/j_viewpoint.
void start_looking();

// The 2000 star directions: star 0 is the moon, the others spread evenly
// over the sky above the horizon. Uses the program's random numbers.
// Writes: sta.
void init_stars();

// Palette layouts: the scene by time of day and weather, the scene above
// an overcast (65..245 the shades of the cloud deck), and the terrain
// chart of the data windows.
enum PaletteLayout { PAL_SCENE = 0, PAL_ABOVE_DECK = 1, PAL_CHART = 2 };
// Writes palette entries 11..245 for `layout`: the interface colours lit
// for the time of day, the lights, sky and clouds, and 65..245.
// Reads: scn.time/lamp, atm.clear/temp_SL, pln.dashtype.
void build_pal(int layout);
// Rebuilds the palette when the sky (above the tops, clear), time of day,
// whole-degree sea-level temperature, light amplification or panel type
// changed since the last build, or another layout was built since.
// Returns 1 when it rebuilt. Reads: as build_pal, scn.abovetops.
int set_palette_for_conditions();
// The scene colours of PAL_SCENE as ratios (k 0..17, haze step h 0..9),
// for entry 65 + 18 h + k.
void scene_haze_color(int k, int h, float rgb[3]);

// Camera placement for set.viewtype (see viewpoint.cpp): position
// con.VIEW_loc_*, angles scn.*180rad and their sines and cosines, the
// aircraft's placing con.PLAN_*, and the viewpoint's grid cell.
// Reads: flt, pln, msc.prd/tottime/x_view.., beacx.., the terrain.
// Writes: con.VIEW_*/PLAN_*, scn angles, env.i/j_viewpoint.
void place_camera();
// Distance (m) of the outside cameras: 20 larger wing semispans (10
// fuselage lengths for a helicopter).
float outside_camera_distance();
// View octant 1..8 of the heading the view looks along (aircraft heading
// turned for the side and back views, the camera's own in the tower,
// circling and replay views).
int view_octant();
// scn.straightin of the current airport's runways: runway r is seen from
// its threshold's side when the octant's heading (octant x 45 deg) lies
// within 90 degrees of the runway's. Reads: msc.loc_index, env.navmsc.
void set_straightin(int octant);
// Moves *a the fraction f (0..1) of the way to target.
void closer(float *a, float target, float f);

// Visibility for this frame: atm.vis (times the replay's ratio), thinned
// near the base of an overcast and by passing wisps, divided by 1 + storm
// level; then the haze and light limits. Reads: atm, scn.belowbases,
// con.VIEW_loc_z, env.localh, msc.prd. Writes: atm.vis_effective,
// vis1_grnd, vis2_grnd, vis1_lite, vis2_lite, vis3_lite.
void set_visibility();
// The frame period when the camera crosses the cloud layer: halved on
// dropping below the tops, doubled on rising above them, quartered on
// entering the cloud from below, times 4 on leaving it below the bases
// (0.025..0.1 s). Nothing in clear air or on the first frame.
// Reads: atm.clear, scn.abovetops/belowbases. Writes: msc.prd.
void cloud_layer_period();
// Forgets what the frame remembers between calls (palette and range
// conditions, wisp, cloud-layer state): the next frame rebuilds them.
void reset_scene_state();

// ---------------------------------------------------------------- what the frame paints
// Terrain of the drawn range, far to near, with per cell its city lights,
// towers, beacon, buildings and the stand-ins' objects.
// Reads: the terrain arrays, scn, atm, beacx.., building tables.
void plot_terrain();
// Transforms the points of the drawn range to camera axes and pixels.
void assign_pxy();
// The three city lights of triangle t of cell (i, j) (colours 53, 54, 53).
void cityplot(int i, int j, int t);
// Point light `index` at world (x, y, z) in `color`: shown beyond 3 m up
// to atm.vis1_lite, even indices up to vis2_lite, every eighth up to
// vis3_lite; one pixel inside the view rectangle. Returns 1 when drawn.
int show_light(int index, float x, float y, float z, int color);
// A cross of arm `size` pixels (0: one pixel) at world (x, y, z) when it
// lies between 3 m and atm.vis2_lite in depth; clipped to the view.
void generalplot(float x, float y, float z, int color, int size);
// Markings m1..m2 of runway rway in one colour; breakup lets the pieces
// fully in view go as strips (scn.rway_breakup).
void plot_runway(int m1, int m2, int rway, int color, int breakup);
// Every light of runway r by the rows of the point table.
// Reads: rwayx.., env runway limits and flags, scn.straightin, atm.vis*_lite.
void plotrunwaylights(int r);
// The moon and stars 1..scn.starmax. Reads: sta, scn angles, con.
void plotnightsky();
// The overcast deck's top seen from above (cloudcol shades, no haze).
void plot_ocastclouds();
// Tiers of building b (0 the control tower); its roof circle when b > 0.
void plot_a_bldng(int b);
// City block b, with red roof-corner lights when lights are on.
void plot_a_block(int b);
// Hangar n (0..3).
void plot_a_hangar(int n);

// ---------------------------------------------------------------- head-up display and weather
// The head-up display, in colour 57 inside con.HUD_*: airspeed (kt), altitude
// (ft) and heading tapes with carets and readouts at their middles, the
// boresight where the aircraft's axis points (raised in the Down views,
// whose camera looks lower) with its ten-degree marks, the flight-path
// marker kept 2 pixels inside the frame, and the runways' outline.
// Reads: flt.vind/h/psi/Alpha/Beta, set.viewtype, con, rwy, env.
void plotHUD();
// The current airport's runways (their pavement outline) on the HUD.
void HUD_rway();
// The hoop display: eight hoops down a 3-degree final to the selected
// runway end of the current airport. Reads: msc.loc_index/rway_sel, env.
void plot_coolhud();
// One HUD tape: along 1 runs down the screen from column `edge` (ticks
// inward +1 right, -1 left), along 0 across it from row `edge`; value v at
// pixel `centre`, drawn from pixel lo to hi, px pixels per unit, a tick
// every `tick` and a number (value / label_div) every `label`; wrap > 0
// wraps the numbers (heading).
void plot_glass_tape(int along, int edge, int inward, float centre, float lo, float hi, float v, float px,
                     float tick, float label, float label_div, float wrap);
// Pixel offset of the aircraft's axis from the view centre for the view
// type: up by tan(4 or 8 deg) in the Down views, by tan(40 or 10 deg) in
// the Above views (their cameras look that much lower); else 0.
float view_pitch_offset_px();
// Where the aircraft's axis points on the screen, and where it is moving
// (the boresight offset by the sideslip and angle of attack; offsets beyond
// 10000 px are held there).
void hud_boresight(float *x, float *y);
void flight_path_point(float *x, float *y);

// The lightning bolt's branches as lines in colour 59 (points nearer than
// the near plane break them). Drawn by the terrain pass in the strike's cell.
// Reads: atm.lightx/lighty/lightz, strike_size, num_branches.
void draw_lightning_strike();
// Windscreen rain (colour 17, warmer than 32 F at sea level) or snow
// (colour 55) below the cloud tops when atm.rain_tstm is above 1, not in
// the replay. Reads: atm, flt (v, av, vind, Alpha, Beta), msc.prd,
// set.viewtype, con. Writes: rainx/rainy/rainz, quickdrop.
void do_window_rain();
// Drops or flakes this frame: 0..399 by the rain setting and the storm
// level, none from the cloud tops up, all of them below the base.
int window_drops();
constexpr int MAX_DROPS = 400;
// Screen position (px) and distance ahead (m, 10..100, snow only) of each
// drop; the drop streaking across the glass.
extern float rainx[MAX_DROPS], rainy[MAX_DROPS], rainz[MAX_DROPS];
extern int quickdrop;

// ---------------------------------------------------------------- ships, the carrier and traffic
// The frigate of boat cell (i, j) and the carrier of carrier cell (i, j),
// at their places on the water (ship_place); traffic aircraft n (0..9).
// Lights only when scn.draw_lights; the carrier's glide-slope bars always.
// Reads: the mesh, car, traf_*, scn, atm, con. Writes: con.BOAT_*.
void draw_boat(int i, int j);
void draw_carrier(int i, int j);
void draw_a_plane(int n);
// Puts the object drawn next at world (x, y, z) on heading hdg (deg),
// level: con.BOAT_* for xfrm_BOAT.
void place_object(float x, float y, float z, float hdg_deg);
// Faces of an object in its own axes (m, x right, y forward, z up): drawn
// when their outer side (away from `inside`) faces the camera, in
// `lightest` (a grey 80..82) or up to two shades darker as they turn
// from the sun.
void poly3_normal(int lightest, const float p[3][3], const float inside[3]);
void poly4_normal(int lightest, const float p[4][3], const float inside[3]);
// A level deck face, unshaded, seen only from above; filling the view when
// the camera stands on it.
void deck_poly4(int color, const float p[4][3]);
// The carrier's deck furniture in car, built once at start-up: the paint
// (landing-area lines, centre-line dashes, catapult track, foul line), the
// glide-slope bars with the deck-edge, centre-line, drop and bow lights,
// the arresting wires and the elevators.
void build_mark();
void build_vasi();
void build_cable();
void build_elev();

// The recorded flight path (pat) as a dashed line 2 px thick through the
// view: segment i - 1..i when both samples are filled and both ends lie
// more than 3 m ahead, at least one inside the view rectangle (the other
// moved onto its edge); colour 13 when i is a multiple of 3, else 31.
// Reads: pat.xyztpp/inited, con view fields.
void plot_flight_path();
// The trail's colour for segment i: 13 on every third, 31 between.
inline int trail_color(int i) { return i % 3 == 0 ? 13 : 31; }

// ---------------------------------------------------------------- calls upward
// The controller's call menu or message drawn over the view, registered by
// the program at start-up; a null member draws nothing. Call sites use
// `view_calls`.
struct ViewCallbacks {
    void (*atc_message)();
};
void set_view_callbacks(const ViewCallbacks *callbacks);
extern ViewCallbacks view_calls;
