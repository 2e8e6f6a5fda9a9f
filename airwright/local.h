// Inside airwright/: the field tables of the editing screens, their layout
// and the one engine that draws, edits and paints the captions of every
// field, and the look the screens share.
#pragma once
#include "airwright/airwright.h"

namespace airwright {

enum FieldKind : unsigned char {
    FK_NUM,        // float number field (shown = offset + scale x stored)
    FK_INT,        // number field over an int
    FK_ELS,        // element count of the screen's part
    FK_YESNO,      // " no"/"yes" choice over an int 0/1
    FK_CHOICE,     // choice among texts over an int, first text = base
    FK_CHECK,      // check box over an int 0/1
    FK_GRID_NUM,   // one float number field per element
    FK_GRID_FLAG,  // one check box per element
    FK_GRID_SHOW,  // one float per element, shown only
    FK_FILE,       // file name; a click opens the file dialog
    FK_BREAK,      // the next field starts a new row
};

// What follows a change of a field.
enum FieldAction : unsigned char {
    ACT_NONE,
    ACT_WRAP_DEG,    // whole degrees wrapped into -179..180
    ACT_PROP_ADV,    // design advance changed: twist and design speed
    ACT_PROP_POINT,  // design rpm or speed changed: twist and advance
    ACT_PROP_SHAPE,  // radius or pitch kind changed: twist for the same advance
    ACT_BLADE_CHORD, // tip chord follows the root chord
};

struct Field {
    FieldKind kind;
    FieldAction action;
    unsigned char dig, dec, sign;
    const char *caption;       // with its unit; painted above the field
    int off, stride;           // byte offset of part 0's value in planestruct, bytes per part
    float lo, hi;              // range of the shown value
    float offset, scale;       // shown = offset + scale x stored
    const char *const *texts;  // choices
    int ntexts, base;
    int x, y;                  // top left (choices: text baseline), set by layout
};

struct Screen {
    int window, bitmap, part;
    Field *fields;
    int nfields;
};

// Look of every screen.
constexpr int PANEL_COLOR = 45;      // blueprint blue
constexpr int GRID_COLOR = 42;       // faint drawing grid
constexpr int CAPTION_COLOR = 41;    // light blue captions
constexpr int HEADING_COLOR = 23;    // white headings
constexpr int WELL_COLOR = 11;       // black field wells
constexpr int WELL_FRAME_COLOR = 39;
constexpr int DIGIT_COLOR = 24;      // green, as the choice widgets' text
constexpr int HIDDEN_COLOR = PANEL_COLOR;   // cells of elements the part does not have

// Layout of fields.
constexpr int MARGIN_X = 16;
constexpr int FIRST_TOP = 30;        // top of the first row's widgets
constexpr int CAPTION_GAP = 5;       // caption baseline above a widget's top
constexpr int CHAR_W = 6;            // system font pitch
constexpr int CELL_GAP = 18;
constexpr int SIGN_W = 10;           // the minus segment left of a signed field
constexpr int GRID_LABEL_W = 104;    // row captions of the element grid
constexpr int GRID_PITCH = 44;       // element columns
constexpr int CHOICE_BOX = 15;
constexpr int FILE_W = 150;

// Client size of a window of the table (0 x 0 for none).
void window_size(int index, int *w, int *h);
// The screen of a window (null for the main and unused windows).
const Screen *screen_of(int window);
// Every screen, for the backgrounds and the layout check.
const Screen *screen_at(int n);
int screen_count();
// Places the fields of every screen (once).
void layout_screens();
// Pixel width and height a field's widget takes (without its caption).
void field_size(const Field &f, int *w, int *h);
// Top of a field's widget box (choices stand on their baseline).
int field_top(const Field &f);
// Draws (up 1) or edits (up 0) the fields of a screen against `rec`;
// returns 1 when a click changed a value. The actions are left to the
// caller (apply_actions).
int run_fields(const Screen &s, planestruct *rec, int up, const Field **changed);
void apply_action(const Screen &s, const Field &f);
// The element cell x of element e in a grid field.
inline int grid_cell_x(const Field &f, int e) { return f.x + e * GRID_PITCH; }
// A number as text ("-12.5") in the system font with its baseline at y.
void draw_value(int x, int y, float v, int dec);
// Paints a screen's background: panel, headings, wells and captions.
void paint_screen_art(const Screen &s, int w, int h);
// The shared look: the blueprint panel with its grid and title.
void paint_panel(int w, int h, const char *title);
void paint_well(int x, int y, int w, int h);
void paint_caption(int x, int y, const char *text);

// Fuselage editor geometry.
constexpr int FUSE_PANEL_X0 = 10, FUSE_PANEL_PITCH = 66, FUSE_PANEL_W = 63;
constexpr int FUSE_ZERO_Y = 258, FUSE_HALF_H = 61;
constexpr int FUSE_DRAG_Y1 = 194, FUSE_DRAG_Y2 = 316;
constexpr int FUSE_COPY_Y1 = 322, FUSE_COPY_Y2 = 340, FUSE_COPY_SPLIT = 40;
constexpr int FUSE_DEFAULT_Y = 400;
constexpr int FUSE_LINE_COLOR = 29, FUSE_POINT_COLOR = 31;

// Float halves on any record (makefloats and revertfloats work on pln).
void split_floats(planestruct *p);
void join_floats(planestruct *p);
// The 10 x 10 marker glyphs of the views and their legend.
enum Marker { MARK_CG, MARK_GEAR, MARK_EYE };
void draw_marker(int kind, int x, int y);

// Pixel of an aircraft point (ft from the cg: x aft, y right, z up) in the
// view being drawn; 0 when it lies behind the camera.
int view_project(float x_aft, float y_right, float z_up, int *sx, int *sy);

// The aircraft drawn as a shaded solid into the locked view world with the
// camera of the view being drawn (shaded.cpp).
void draw_aircraft();

}  // namespace airwright
