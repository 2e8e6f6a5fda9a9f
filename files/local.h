// Inside files/: the one field list of the aircraft file that the writer
// and both readers walk, so their order cannot drift apart, and helpers
// shared by the readers of this folder.
#pragma once
#include "files/files.h"

// What an item of the aircraft file is, and how it is written.
enum AcfKind : unsigned char {
    AK_CHECK,      // checkpoint `number`, section name in `label` (or none)
    AK_FLAG,       // int written as 1/0
    AK_INT,        // int, width `width`
    AK_FLT,        // float, width `width`, `decimals`
    AK_STR,        // a whole line
    AK_ELS,        // element count of the part, 0..MAX_ELS
    AK_ROWF,       // one float per element (width 6, 1 decimal), then the label
    AK_ROWB,       // one flag per element, then the label
    AK_PAIR1,      // first of two floats on one line; the next item ends it
    AK_NSTATIONS,  // fuselage station count, always N_FUSE_STATIONS
    AK_NRADIALS,   // fuselage radial count, always N_FUSE_RADIALS
    AK_FUSE,       // the fuselage point lines, stations x radials
};

// What the simulator does with an item: store it as read, skip its line, or
// convert it into SI.
enum SimConv : unsigned char {
    SC_SAME, SC_SKIP, SC_FLAG, SC_WHOLE, SC_WHOLE_INT, SC_FT, SC_SQFT, SC_HP,
    SC_RPM, SC_LBF, SC_LBM, SC_FTLB, SC_KT, SC_PROPDIR,
};

// One item. Offsets are into airwright::planestruct (aw_) and the
// simulator's planestruct (sim_); per-part items add part x stride, and a
// simulator stride of 0 means one aircraft-wide value. sim_off < 0: the
// simulator keeps nothing. sim_eq_off: the aircraft-wide flag a device row
// raises, or -1.
struct AcfItem {
    unsigned char kind, conv, width, decimals;
    unsigned char props_only;   // only in the blocks of parts 0 and 1
    int number;                 // checkpoint number
    const char *label;
    int aw_off, aw_stride;
    int sim_off, sim_stride;
    int sim_eq_off;
    const char *name;           // the designer's field, for reports and tests
};

enum AcfSectionKind { SEC_ITEMS, SEC_PART };
struct AcfSection {
    int kind;
    const AcfItem *items;   // SEC_ITEMS
    int nitems;
    int part;               // the part the items (or the block) belong to
};

// The whole file in order, and the items of one lifting-part block.
extern const AcfSection ACF_SECTIONS[];
extern const int N_ACF_SECTIONS;
extern const AcfItem PART_ITEMS[];
extern const int N_PART_ITEMS;

// Largest magnitude the simulator takes from a file after conversion, so no
// later product overflows to infinity.
constexpr float MAX_FILE_VALUE = 1.0e9f;

// Reads a fuselage count line (kind AK_NSTATIONS or AK_NRADIALS); the grid
// is always 9 x 5, so any other count ends the program with its message.
void check_fuselage_count(int kind);

// Element count read from a file, or -1 when outside 0..MAX_ELS.
inline int checked_els(int n) { return (n >= 0 && n <= MAX_ELS) ? n : -1; }

// The airfoil file's rows in file order: index from, to (step +1 or -1 by
// sign), whether cl is stored. Shared by the writer and the reader.
struct AflRowRun {
    int first, last;
    int has_cl;
};
constexpr int N_AFL_RUNS_NEG = 2;   // the rows before the eight constants
constexpr int N_AFL_RUNS = 4;
extern const AflRowRun AFL_RUNS[N_AFL_RUNS];
constexpr int N_AFL_CONST_LINES = 8;
// The eight constant lines: label and offset of the [0][0][0] entry in the
// simulator's airfoilstruct.
struct AflConstLine {
    const char *label;
    int sim_off;
    int fw_off;        // offset in foilwright::AFLstruct
};
extern const AflConstLine AFL_CONST_LINES[N_AFL_CONST_LINES];

// Parses up to n finite floats after the first word of `line` (the word
// "constants:"); returns how many were found.
int parse_constants_line(const char *line, float *vals, int n);
