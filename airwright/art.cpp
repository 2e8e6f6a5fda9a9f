// Airwright's backgrounds, painted by code in one blueprint look: a blue
// drawing sheet with a faint grid, every field in a black well captioned
// with its name and unit, choice arrows, the element grid with its numbers,
// the fuselage editor's panels and buttons, and the main window's frame.
#include "airwright/local.h"

#include <cstring>
#include <utility>

namespace airwright {

constexpr int SHEET_GRID_PX = 16;
constexpr int ARROW_COLOR = 23, BUTTON_COLOR = 17, BUTTON_FRAME = 21, AXIS_COLOR = 13;

// ---------------------------------------------------------------- pieces

void paint_panel(int w, int h, const char *title)
{
    MACIBM_fillrect(PANEL_COLOR, 0, 0, w - 1, h - 1, 1);
    for (int x = SHEET_GRID_PX; x < w; x += SHEET_GRID_PX)
        ADD_vline(GRID_COLOR, x, 0, h);
    for (int y = SHEET_GRID_PX; y < h; y += SHEET_GRID_PX)
        ADD_hline(GRID_COLOR, 0, y, w);
    MACIBM_framerect(WELL_FRAME_COLOR, 2, 2, w - 5, h - 5, 1);
    if (title && title[0])
        MACIBM_drstring(HEADING_COLOR, MARGIN_X, 12, title, 0);
}

void paint_well(int x, int y, int w, int h)
{
    MACIBM_fillrect(WELL_COLOR, x, y, w - 1, h - 1, 1);
    MACIBM_framerect(WELL_FRAME_COLOR, x - 1, y - 1, w + 1, h + 1, 1);
}

void paint_caption(int x, int y, const char *text)
{
    MACIBM_drstring(CAPTION_COLOR, x, y, text, 0);
}

// A small triangle pointing up (dir -1) or down (dir 1) centred on (x, y):
// its tip one row beyond the centre, its base one row before.
static void arrow(int x, int y, int dir, int color)
{
    for (int k = 0; k < 3; k++)
        ADD_hline(color, x - k, y - dir * (k - 1), 2 * k + 1);
}

static void button(int x, int y, int w, int h)
{
    MACIBM_fillrect(BUTTON_COLOR, x, y, w - 1, h - 1, 1);
    MACIBM_framerect(BUTTON_FRAME, x, y, w - 1, h - 1, 1);
    ADD_hline(22, x + 1, y + 1, w - 2);
    ADD_vline(22, x + 1, y + 1, h - 2);
}

// The well of a number field, with the up and down marks of its halves.
static void number_well(const Field &f, int x)
{
    int left = x - (f.sign ? SIGN_W : 0) - 3, w = f.dig * FIELD_COL_W + (f.sign ? SIGN_W : 0) + 11;
    paint_well(left, f.y - 1, w, FIELD_H + 2);
    int ax = x + f.dig * FIELD_COL_W + 4;
    arrow(ax, f.y + 8, -1, AXIS_COLOR + 4);
    arrow(ax, f.y + FIELD_H - 9, 1, AXIS_COLOR + 4);
}

static void choice_art(const Field &f)
{
    int w, h;
    field_size(f, &w, &h);
    int tw = w - 4 - CHOICE_BOX;
    paint_well(f.x - 2, f.y - 14, tw + 4, 16);
    int bx = f.x + tw + 4;
    button(bx, f.y - 25, CHOICE_BOX + 1, CHOICE_BOX + 1);
    button(bx, f.y, CHOICE_BOX + 1, CHOICE_BOX + 1);
    arrow(bx + 8, f.y - 17, -1, ARROW_COLOR);
    arrow(bx + 8, f.y + 8, 1, ARROW_COLOR);
}

static void grid_art(const Screen &s, const Field &f, int first_row)
{
    int w, h;
    field_size(f, &w, &h);
    int top = field_top(f);
    paint_caption(MARGIN_X, top + h / 2 + 4, f.caption);
    char number[4] = {0};
    for (int e = 0; e < MAX_ELS; e++) {
        int x = grid_cell_x(f, e);
        if (first_row) {
            number[0] = (char)('1' + e);
            MACIBM_drstring(HEADING_COLOR, x + 4, top - 5, number, 0);
        }
        if (f.kind == FK_GRID_NUM)
            paint_well(x - (f.sign ? SIGN_W : 0) - 2, top - 1, w + (f.sign ? SIGN_W : 0) + 3, h + 2);
        else if (f.kind == FK_GRID_SHOW)
            paint_well(x - (f.sign ? SIGN_W : 0) - 2, top - 2, w + (f.sign ? SIGN_W : 0) + 4, h + 4);
        else
            paint_well(x - 1, top - 1, 9, 9);
    }
    if (first_row)
        MACIBM_drstring(HEADING_COLOR, MARGIN_X, top - 5, "Element", 0);
    (void)s;
}

static int is_grid(const Field &f)
{
    return f.kind == FK_GRID_NUM || f.kind == FK_GRID_FLAG || f.kind == FK_GRID_SHOW;
}

static void field_art(const Screen &s, const Field &f, int first_grid_row)
{
    if (is_grid(f)) {
        grid_art(s, f, first_grid_row);
        return;
    }
    int top = field_top(f);
    int left = f.x - (f.sign ? SIGN_W : 0) - (f.kind == FK_CHECK ? 2 : 0);
    paint_caption(left, top - CAPTION_GAP, f.caption);
    switch (f.kind) {
    case FK_NUM:
    case FK_INT:
    case FK_ELS: number_well(f, f.x); break;
    case FK_YESNO:
    case FK_CHOICE: choice_art(f); break;
    case FK_CHECK: paint_well(f.x - 1, f.y - 1, 9, 9); break;
    case FK_FILE: paint_well(f.x - 2, f.y - 14, FILE_W + 4, 16); break;
    default: break;
    }
}

void paint_screen_art(const Screen &s, int w, int h)
{
    paint_panel(w, h, nullptr);
    int previous_grid = 0;
    for (int k = 0; k < s.nfields; k++) {
        const Field &f = s.fields[k];
        if (f.kind == FK_BREAK)
            continue;
        field_art(s, f, is_grid(f) && !previous_grid);
        previous_grid = is_grid(f);
    }
}

// ---------------------------------------------------------------- special screens

// The fuselage editor: nine station panels with the centre line and the
// datum, copy buttons under each, the station positions, and the button
// that builds the default fuselage.
static void fuselage_art()
{
    char label[8];
    for (int i = 0; i < N_FUSE_STATIONS; i++) {
        int x = FUSE_PANEL_X0 + FUSE_PANEL_PITCH * i;
        paint_well(x, FUSE_ZERO_Y - FUSE_HALF_H - 2, FUSE_PANEL_W + 1, 2 * FUSE_HALF_H + 5);
        for (int y = FUSE_ZERO_Y - FUSE_HALF_H; y <= FUSE_ZERO_Y + FUSE_HALF_H; y += 4)
            ADD_point(AXIS_COLOR + 2, x, y);
        for (int k = 0; k < FUSE_PANEL_W; k += 3)
            ADD_point(AXIS_COLOR + 2, x + k, FUSE_ZERO_Y);
        label[0] = 'S', label[1] = 't', label[2] = ' ', label[3] = (char)('0' + i), label[4] = 0;
        MACIBM_drstring(HEADING_COLOR, x + 18, FUSE_DRAG_Y1 - 8, label, 0);
        button(x, FUSE_COPY_Y1, FUSE_COPY_SPLIT - 1, FUSE_COPY_Y2 - FUSE_COPY_Y1);
        button(x + FUSE_COPY_SPLIT, FUSE_COPY_Y1, FUSE_PANEL_W - FUSE_COPY_SPLIT, FUSE_COPY_Y2 - FUSE_COPY_Y1);
        MACIBM_drstring(ARROW_COLOR, x + 4, FUSE_COPY_Y1 + 13, "<copy", 0);
        MACIBM_drstring(ARROW_COLOR, x + FUSE_COPY_SPLIT + 6, FUSE_COPY_Y1 + 13, "cp>", 0);
        paint_well(x + 2, FUSE_COPY_Y2 + 5, 60, 13);
    }
    paint_caption(FUSE_PANEL_X0, FUSE_DRAG_Y1 - 20,
                  "Half sections, top to bottom (click or drag a point; scale by radius)");
    paint_caption(FUSE_PANEL_X0, FUSE_COPY_Y2 + 32, "Station positions, ft (laid out anew when the nose or length changes)");
    button(FUSE_PANEL_X0, FUSE_DEFAULT_Y + 6, 8 * FUSE_PANEL_PITCH + FUSE_PANEL_W, 30);
    MACIBM_drstring(HEADING_COLOR, 150, FUSE_DEFAULT_Y + 25,
                    "Build the default fuselage from the wing and tail positions", 0);
}

// How the blade twist below the fields comes about.
static void propeller_notes(int h)
{
    static const char *const NOTES[] = {
        "The blade is twisted so that each element meets the design helix",
        "(the advance per revolution at the design rpm and speed) edge on.",
        "Changing the advance sets the design speed; changing the rpm or",
        "the speed sets the advance. A variable-pitch blade stores the twist",
        "alone (tip at 0 deg); the governor sets the pitch in flight."};
    for (int k = 0; k < 5; k++)
        paint_caption(MARGIN_X, h - 80 + 12 * k, NOTES[k]);
}

static void main_art()
{
    paint_panel(SCREEN_W, SCREEN_H, nullptr);
    paint_well(12, 12, 776, 536);
    int y = 575;
    draw_marker(MARK_CG, 24, y - 3);
    paint_caption(34, y, "centre of gravity");
    draw_marker(MARK_GEAR, 160, y - 3);
    paint_caption(170, y, "wheels");
    draw_marker(MARK_EYE, 230, y - 3);
    paint_caption(240, y, "pilot's eye");
    paint_caption(340, y, "Standard and Expert menus edit the design; View turns it.");
}

// ---------------------------------------------------------------- registration

static void paint_id(int id)
{
    if (id == MAIN_BITMAP) {
        main_art();
        return;
    }
    for (int n = 0; n < screen_count(); n++) {
        const Screen &s = *screen_at(n);
        if (s.bitmap != id)
            continue;
        int w, h;
        window_size(s.window, &w, &h);
        paint_screen_art(s, w, h);
        if (s.window == WIN_FUSELAGE || s.window == WIN_H_FUSELAGE)
            fuselage_art();
        if (s.window == WIN_PROPELLERS)
            propeller_notes(h);
        return;
    }
}

template <int ID> static void painter(const Port *) { paint_id(ID); }

template <int ID> static void register_one()
{
    if (ID == MAIN_BITMAP) {
        register_bitmap(ID, SCREEN_W, SCREEN_H, painter<ID>, "airwright main");
        return;
    }
    for (int n = 0; n < screen_count(); n++)
        if (screen_at(n)->bitmap == ID) {
            int w, h;
            window_size(screen_at(n)->window, &w, &h);
            register_bitmap(ID, w, h, painter<ID>, window_title(screen_at(n)->window));
            return;
        }
}

template <int... IDS> static void register_all(std::integer_sequence<int, IDS...>)
{
    (register_one<128 + IDS>(), ...);
}

void register_backgrounds()
{
    layout_screens();
    register_all(std::make_integer_sequence<int, 26>{});
    register_one<MAIN_BITMAP>();
}

}  // namespace airwright
