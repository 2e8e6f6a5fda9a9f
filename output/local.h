// Shared inside output/: the graph window's row label, drawn for out_label.
#pragma once
#include "output/output.h"

// Row `row`'s label fields in graph window 13 beside the strip with its
// baseline at y `baseline`: one line per field, name and unit in its
// series' colour.
void graph_label(int row, int baseline);
// Colours of graph series 1..3 (index 0 unused).
constexpr int SERIES_COLOR[4] = {0, 44, 38, 24};

// ---- the selection window (datawin.cpp) and its background (art.cpp)
// Top-left of row `row`'s place in window 5 (the column's x and the line's
// top y): 0 for no such row.
int data_row_place(int row, int *x, int *y);
// Row on line `line` (0..) of column `col` (0..2) of window 5: -1 for a
// blank separator line or past the column's end.
int data_line_row(int col, int line);
// The row's caption for the selection window: fields sharing a unit
// grouped ("ALPH BETA deg"), fields sharing a name grouped ("HDNG true
// mag"), groups joined by ", " (at most 40 characters).
void data_row_caption(int row, char *out);
constexpr int CSV_BOX_X = 440, CSV_BOX_Y = 262;   // the CSV choice's box
constexpr int GRAPH_STRIP_BITMAP = 214;   // one strip's grid, 501 x 81
