// Background art of the data output's windows, painted by code: the "Set
// Data Output" rows with their captions, the graph window with its time
// controls and strip grid, and the replay window's frame with the camera
// keys.
#include <cstdio>

#include "output/local.h"

constexpr int BACK = 13, RULE = 15, INK = 22, HEAD = 29, DIM = 17, GRID = 12, BLACK = 11;
constexpr int CELL_BASE = 10;     // text baseline below a line's top

static void text(int color, int x, int y, const char *s) { MACIBM_drstring(color, x, y, s, 0); }

// Locked: a hollow box (x, y)-(x + w, y + h) inclusive.
static void frame(int color, int x, int y, int w, int h) { MACIBM_framerect(color, x, y, w, h, 1); }

// ---------------------------------------------------------------- window 5
static void paint_data_output(const Port *)
{
    constexpr int W = 620, H = 400, COL_W[3] = {228, 190, 186};
    constexpr int XS[3] = {4, 236, 430};
    MACIBM_fillrect(BACK, 0, 0, W - 1, H - 1, 1);
    for (int c = 0; c < 3; c++) {
        static const char *const BOX[3] = {"F", "G", "L"};
        for (int b = 0; b < 3; b++)
            text(HEAD, XS[c] + 5 + 17 * b, 28, BOX[b]);
        text(HEAD, XS[c] + 55, 28, "data row");
        MACIBM_line(RULE, XS[c], 31, XS[c] + COL_W[c] - 6, 31, 1);
    }
    for (int row = 0; row < NUM_DATA_ROWS; row++) {
        int x, y;
        char caption[48];
        if (!data_row_place(row, &x, &y))
            continue;
        data_row_caption(row, caption);
        text(INK, x + 55, y + CELL_BASE, caption);
    }
    // Faint rules on the blank lines between the groups of rows.
    for (int c = 0; c < 3; c++)
        for (int line = 1; line < 24; line++)
            if (data_line_row(c, line) == -1 && data_line_row(c, line + 1) >= 0)
                MACIBM_line(DIM, XS[c] + 2, 41 + 15 * line, XS[c] + COL_W[c] - 8, 41 + 15 * line, 1);
    text(HEAD, CSV_BOX_X - 6, CSV_BOX_Y - 14, "Data file format");
    text(INK, CSV_BOX_X + 14, CSV_BOX_Y + 8, "also as Vortan.csv");
    static const char *const KEY[] = {"F  every 0.1 s to Vortan.box", "G  graphed (4 rows at most)",
                                      "L  on the panel (4 at most)", "Files: the user data folder",
                                      "Close the window to apply."};
    for (int k = 0; k < 5; k++)
        text(k < 3 ? INK : DIM, CSV_BOX_X - 6, 306 + 14 * k, KEY[k]);
}

// ---------------------------------------------------------------- window 13
// The arrow of a step button: a small triangle pointing up or down.
static void arrow(int x, int y, int up)
{
    for (int r = 0; r < 4; r++) {
        int w = up ? r : 3 - r;
        MACIBM_line(INK, x + 4 - w, y + r, x + 4 + w, y + r, 1);
    }
}

static void paint_graph(const Port *)
{
    constexpr int W = 620, H = 420;
    MACIBM_fillrect(BACK, 0, 0, W - 1, H - 1, 1);
    text(HEAD, 4, 16, "time, s");
    for (int b = 0; b < 2; b++) {
        int x = 110 + 10 * b;
        frame(INK, x, 380, 10, 17);
        frame(INK, x, 398, 10, 17);
        arrow(x + 1, 387, 1);
        arrow(x + 1, 404, 0);
    }
    text(INK, 136, 392, "Arrows: 10 s (left), 1 s (right)");
    text(INK, 136, 404, "Click left/right half: 1 s back/on");
    text(DIM, 136, 416, "Hold the button to read values");
    text(HEAD, 397, 382, "under the mouse:");
}

static void paint_strip(const Port *)
{
    constexpr int W = 500, H = 80, MID = 40;
    MACIBM_fillrect(BLACK, 0, 0, W, H, 1);
    for (int x = 50; x < W; x += 50)
        for (int y = 0; y <= H; y += 2)
            ADD_point(GRID, x, y);
    for (int x = 0; x <= W; x += 2) {
        ADD_point(GRID, x, MID - 20);
        ADD_point(GRID, x, MID + 20);
    }
    MACIBM_line(DIM, 0, MID, W, MID, 1);
    frame(RULE, 0, 0, W, H);
}

// ---------------------------------------------------------------- window 14
static void paint_replay(const Port *)
{
    constexpr int W = 600, H = 400;
    MACIBM_fillrect(BACK, 0, 0, W - 1, H - 1, 1);
    frame(RULE, 9, 4, 572, 359);
    text(HEAD, 12, 378, "Stick: turn the camera.   I K: forward, back.   J L: left, right.");
    text(INK, 12, 392, "C: circle the path.   F: follow the aircraft along it.   Button held: faster.");
}

void register_output_bitmaps()
{
    register_bitmap(DATA_OUTPUT_BITMAP, 620, 400, paint_data_output, "data output");
    register_bitmap(GRAPH_BITMAP, 620, 420, paint_graph, "graphics output");
    register_bitmap(GRAPH_STRIP_BITMAP, 501, 81, paint_strip, "graph strip");
    register_bitmap(REPLAY_BITMAP, 600, 400, paint_replay, "3-d flight path");
}
