// The settings windows' widgets: number fields, switches, level blocks,
// text choices, identifier fields and file-name fields, each drawn and
// hit-tested in one call.
#pragma once
#include "common/raster.h"

// ---------------------------------------------------------------- settings-window widgets
// All hit-test the mouse of DrawSources with intbox. `up` 1 only draws;
// `up` 0 is a click: change the variable when hit, redraw, return 1 when it
// changed.
constexpr int FIELD_COL_W = 10;        // number field column, pixels
constexpr int FIELD_H = 35;            // number field height; upper half above y + 17
// A number field of dig columns: a click in the upper half of column k adds
// 10^(dig - 1 - k - dec), in the lower half subtracts it; the value stays
// within what the field shows (and >= 0 unless sign).
int instdbtn(int color, int x, int y, float *var, int dig, int dec, int up, int sign);
// The same, limited to lo..hi.
int instdbtn_range(int color, int x, int y, float *var, int dig, int dec, int up, int sign,
                   float lo, float hi);
// An 11 x 11 box at (x - 2, y - 2); a click toggles *var (0/1).
int inboolbtn(int x, int y, int *var);
// The same box drawn only, filled when on (no hit test).
void boolbox(int x, int y, int on);
// The inside of a switch box at (x, y): filled (on) or empty.
void block(int x, int y, int on);
// One step of a level indicator: a LEVEL_BLOCK_W x LEVEL_BLOCK_H frame at
// top-left (x, y), its inside filled in the text colour when lit and black
// when not.
constexpr int LEVEL_BLOCK_W = 17, LEVEL_BLOCK_H = 11;
void level_block(int x, int y, int lit);
// A choice among 2..5 texts: the 15 x 15 square at x + dx over y - 25..y - 10
// steps *var down, over y..y + 15 up, wrapped to 1..n; the width x 13 field
// above y is cleared and the chosen text drawn in colour 24.
int in2textbtn(int x, int y, const char *C1, const char *C2, int dx, int width, int *var, int up);
int in3textbtn(int x, int y, const char *C1, const char *C2, const char *C3, int dx, int width,
               int *var, int up);
int in4textbtn(int x, int y, const char *C1, const char *C2, const char *C3, const char *C4,
               int dx, int width, int *var, int up);
int in5textbtn(int x, int y, const char *C1, const char *C2, const char *C3, const char *C4,
               const char *C5, int dx, int width, int *var, int up);
// The same choice among the n texts of a table (n >= 1).
int inNtextbtn(int x, int y, const char *const *texts, int n, int dx, int width, int *var, int up);
// An identifier of 3 or 5 characters in columns like instdbtn's: upper half
// steps a character to the next code, lower half to the previous (wrapped).
int in3charbtn(int color, int x, int y, char *string, int up);
int in5charbtn(int color, int x, int y, char *string, int up);
// The first 3 or 5 characters of string at top-left (x, y), `pitch` apart.
void plot3char(int color, int x, int y, const char *string, int pitch);
void plot5char(int color, int x, int y, const char *string, int pitch);
// A file name on the baseline y (field 150 x 13); a click runs the open
// dialog of file_type and takes the chosen file's name. 1 when it changed.
int instringbtn(int x, int y, char *C_file, int up, int file_type);
