// Window 5, "Set Data Output": the 52 rows in three columns, each with its
// file, graph and live boxes, and the data file's CSV choice. The captions
// are painted into the window's background (output/art.cpp); this file
// places the rows and handles the clicks.
#include "output/local.h"

constexpr int COLUMN_X[3] = {4, 236, 430};
constexpr int FIRST_ROW[3] = {0, 20, 41};
constexpr int COLUMN_LINES[3] = {24, 24, 13};
constexpr int ROW_TOP_Y = 34, ROW_DY = 15;
constexpr int BOX_DX[3] = {5, 22, 39};       // file, graph, live
constexpr int BOX_HIT_W = 11;
constexpr int MAX_SHOWN = 4;                 // graph slots and live slots

// Blank separator lines of each column (-1 ends a list).
constexpr int SEPARATORS[3][5] = {{3, 6, 10, 18, -1}, {5, 9, 19, -1, -1}, {2, 9, -1, -1, -1}};

static int is_separator(int col, int line)
{
    for (int k = 0; SEPARATORS[col][k] >= 0; k++)
        if (SEPARATORS[col][k] == line)
            return 1;
    return 0;
}

// Row on line `line` of column `col`, -1 for a separator or past the end.
int data_line_row(int col, int line)
{
    if (line < 0 || line >= COLUMN_LINES[col] || is_separator(col, line))
        return -1;
    int row = FIRST_ROW[col];
    for (int l = 0; l < line; l++)
        row += !is_separator(col, l);
    return row;
}

int data_row_place(int row, int *x, int *y)
{
    for (int col = 0; col < 3; col++)
        for (int line = 0; line < COLUMN_LINES[col]; line++)
            if (data_line_row(col, line) == row) {
                *x = COLUMN_X[col];
                *y = ROW_TOP_Y + ROW_DY * line;
                return 1;
            }
    return 0;
}

int datclick_row(int x, int y, int *col)
{
    *col = -1;
    if (y < ROW_TOP_Y)
        return -1;
    int c = x >= COLUMN_X[2] ? 2 : x >= COLUMN_X[1] ? 1 : 0;
    int row = data_line_row(c, (y - ROW_TOP_Y) / ROW_DY);
    for (int b = 0; row >= 0 && b < 3; b++) {
        int bx = COLUMN_X[c] + BOX_DX[b] - 2;
        if (x >= bx && x < bx + BOX_HIT_W)
            *col = b;
    }
    return row;
}

static int *selection_column(int col) { return col == 0 ? set.Bdsk : col == 1 ? set.Bgrf : set.Brlt; }

void toggle_data_box(int row, int col)
{
    if (row < 0 || row >= NUM_DATA_ROWS || col < 0 || col > 2)
        return;
    int *sel = selection_column(col);
    sel[row] = !sel[row];
    if (col == 0)
        return;
    int n = 0;
    for (int r = 0; r < NUM_DATA_ROWS; r++)
        n += sel[r] != 0;
    for (int r = 0; r < NUM_DATA_ROWS && n > MAX_SHOWN; r++)
        if (r != row && sel[r]) {
            sel[r] = 0;   // the first other row in row order gives way
            n--;
        }
}

// ---------------------------------------------------------------- drawing and clicks
static void plot_row_boxes(int row)
{
    int x, y;
    if (!data_row_place(row, &x, &y))
        return;
    for (int b = 0; b < 3; b++)
        boolbox(x + BOX_DX[b], y + 2, selection_column(b)[row] != 0);
}

void datplot()
{
    MACIBM_bitmap(0, 0, DATA_OUTPUT_BITMAP);
    for (int row = 0; row < NUM_DATA_ROWS; row++)
        plot_row_boxes(row);
    boolbox(CSV_BOX_X, CSV_BOX_Y, set.dskcsv != 0);
}

void datclick()
{
    int x = msc.mx, y = msc.my;
    if (inboolbtn(CSV_BOX_X, CSV_BOX_Y, &set.dskcsv)) {
        restart_csv();
        return;
    }
    int col, row = datclick_row(x, y, &col);
    if (row < 0 || col < 0)
        return;
    toggle_data_box(row, col);
    datplot();   // a fifth graph or live row may have cleared another
}
