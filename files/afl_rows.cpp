// The airfoil file's row layout shared by Foilwright's writer and the
// simulator's reader, the index-to-angle rule, and the parsing of a
// "constants:" line read as one bounded line.
#include <cmath>
#include <cstddef>
#include <cstdlib>

#include "files/foilwright_files.h"
#include "files/local.h"

// Rows in file order: negative angles with lift below -10 deg, drag only up
// to 0, then (after the eight constants) drag only from 0, and lift again
// from +10 deg. Angle 0 is written twice.
const AflRowRun AFL_RUNS[N_AFL_RUNS] = {
    {-270, -100, 1},
    {-99, 0, 0},
    {0, 99, 0},
    {100, 270, 1},
};

#define FW(f) (int)offsetof(foilwright::AFLstruct, f)
#define SIMA(f) (int)offsetof(airfoilstruct, f)
const AflConstLine AFL_CONST_LINES[N_AFL_CONST_LINES] = {
    {"   clM", SIMA(clM), FW(clM)},
    {"   clB", SIMA(clB), FW(clB)},
    {" cmal2", SIMA(cmal2), FW(cmal2)},
    {" cmal3", SIMA(cmal3), FW(cmal3)},
    {"   cm1", SIMA(cm1), FW(cm1)},
    {"   cm2", SIMA(cm2), FW(cm2)},
    {"   cm3", SIMA(cm3), FW(cm3)},
    {"   cm4", SIMA(cm4), FW(cm4)},
};

float alpha_of_index(int i)
{
    if (i < -200)
        return (float)(i + 180);
    if (i > 200)
        return (float)(i - 180);
    return (float)i / 10.0f;
}

int parse_constants_line(const char *line, float *vals, int n)
{
    const char *p = line;
    while (*p == ' ' || *p == '\t')
        p++;
    while (*p && *p != ' ' && *p != '\t')
        p++;   // the word "constants:"
    int found = 0;
    while (found < n) {
        char *end;
        float v = strtof(p, &end);
        if (end == p || !std::isfinite(v))
            break;
        vals[found++] = v;
        p = end;
    }
    return found;
}
