// Runway markings: pavement, taxiway, shoulders, blast pads, connectors and
// edge lines, then per thirty-sixth of the length the threshold, touchdown
// and aiming stripes, the centre-line dashes and the runway numbers drawn
// as 3 x 7 block glyphs.
#include "world/local.h"

constexpr float SEG = 1.0f / 36.0f;        // one marking segment of the length
constexpr float CELL_ACROSS = 0.033f;      // glyph cell, fraction of the width
constexpr float CELL_LONG_W = 0.066f;      // glyph cell length in widths

struct Paint {
    int r, h;
    float x, y, z, l, w;
};

// Glyph rows from the threshold side (row 1) to the far side, '#' filled.
static const char *const GLYPHS[12][7] = {
    {"###", "#.#", "#.#", "#.#", "#.#", "#.#", "###"},   // 0
    {"..#", "..#", "..#", "..#", "..#", "..#", "..#"},   // 1
    {"###", "#..", "#..", "###", "..#", "..#", "###"},   // 2
    {"###", "..#", "..#", "###", "..#", "..#", "###"},   // 3
    {"..#", "..#", "..#", "###", "#.#", "#.#", "#.#"},   // 4
    {"###", "..#", "..#", "###", "#..", "#..", "###"},   // 5
    {"###", "#.#", "#.#", "###", "#..", "#..", "#.."},   // 6
    {"..#", "..#", "..#", "..#", "..#", "..#", "###"},   // 7
    {"###", "#.#", "#.#", "###", "#.#", "#.#", "###"},   // 8
    {"..#", "..#", "..#", "###", "#.#", "#.#", "###"},   // 9
    {"###", "#..", "#..", "#..", "#..", "#..", "#.."},   // L
    {"#.#", "#.#", "#.#", "##.", "#.#", "#.#", "##."},   // R
};

// A marking from (x0, y0) to (x2, y2) in width and length fractions.
static void num_block(const Paint &p, float x0, float y0, float x2, float y2)
{
    int m = ++rwy.max[p.r];
    if (m >= MAX_MARKS)
        MACIBM_numberexitalert("Cool it down with the runway markings, how about it!!! ", m + 1);
    const float fx[4] = {x0, x2, x2, x0}, fy[4] = {y2, y2, y0, y0};
    for (int c = 0; c < 4; c++) {
        float a = fx[c] * p.w - p.w / 2, b = fy[c] * p.l;
        rwy.markx[p.r][c][m] = p.x + b * lsin[p.h] + a * lcos[p.h];
        rwy.marky[p.r][c][m] = p.y + b * lcos[p.h] - a * lsin[p.h];
        rwy.markz[p.r][c][m] = p.z;
    }
}

// One glyph with its left edge at `across`, first row at `along`; the far
// end's glyphs turn half round about the runway's centre.
static void build_number(const Paint &p, int glyph, float across, float along, int far)
{
    float ch = CELL_LONG_W * p.w / p.l;
    for (int rw = 0; rw < 7; rw++)
        for (int c = 0; c < 3; c++) {
            if (GLYPHS[glyph][rw][c] != '#')
                continue;
            float x0 = across + c * CELL_ACROSS, x2 = x0 + CELL_ACROSS;
            float y0 = along + rw * ch, y2 = y0 + ch;
            if (far)
                num_block(p, 1 - x2, 1 - y2, 1 - x0, 1 - y0);
            else
                num_block(p, x0, y0, x2, y2);
        }
}

// The two digits and the side letter of one end.
static void rway_number(const Paint &p, int number, char side, int far)
{
    int n = intlim(number, 0, 99);
    int glyph[3] = {n / 10, n % 10, side == 'L' ? 10 : 11};
    int count = side == 'L' || side == 'R' ? 3 : 2;
    static const float AT2[2] = {0.38f, 0.52f}, AT3[3] = {0.31f, 0.45f, 0.59f};
    for (int k = 0; k < count; k++)
        build_number(p, glyph[k], count == 2 ? AT2[k] : AT3[k], SEG, far);
}

static void stripes(const Paint &p, int k, const float (*x)[2], int n)
{
    for (int s = 0; s < n; s++)
        num_block(p, x[s][0], (k + 0.25f) * SEG, x[s][1], (k + 0.75f) * SEG);
}

static void paint_segments(const Paint &p, int number, char side)
{
    static const float THRESHOLD[6][2] = {{0.10f, 0.16f}, {0.22f, 0.28f}, {0.34f, 0.40f},
                                          {0.60f, 0.66f}, {0.72f, 0.78f}, {0.84f, 0.90f}};
    static const float TOUCHDOWN[4][2] = {{0.10f, 0.16f}, {0.22f, 0.28f}, {0.72f, 0.78f}, {0.84f, 0.90f}};
    static const float AIMING[2][2] = {{0.05f, 0.25f}, {0.75f, 0.95f}};
    static const float CENTRE[1][2] = {{0.48f, 0.52f}};
    char far_side = side == 'L' ? 'R' : side == 'R' ? 'L' : 'x';
    for (int k = 0; k < 36; k++) {
        if (k == 0 || k == 35)
            stripes(p, k, THRESHOLD, 6);
        if (k == 1)
            rway_number(p, number, side, 0);
        if (k == 34)
            rway_number(p, intwrap(number + 18, 1, 36), far_side, 1);
        if (k == 3 || k == 32)
            stripes(p, k, TOUCHDOWN, 4);
        if (k == 5 || k == 30)
            stripes(p, k, AIMING, 2);
        if (k >= 2 && k <= 33)
            stripes(p, k, CENTRE, 1);
    }
}

void paint_runway(int r, float x, float y, float z, float l, float w, int h, int number, char side)
{
    Paint p{r, h, x, y, z, l, w};
    rwy.max[r] = -1;
    static const float FIXED[11][4] = {
        {0, 0, 1, 1},          {2, 0, 2.5f, 1},        {-0.15f, -0.02f, -0.02f, 1.02f},
        {1.02f, -0.02f, 1.15f, 1.02f}, {-0.02f, -0.05f, 1.02f, 0}, {-0.02f, 1, 1.02f, 1.05f},
        {1, 0, 2, 0.03f},      {1, 0.5f, 2, 0.53f},    {1, 0.97f, 2, 1},
        {-0.02f, 0, 0, 1},     {1, 0, 1.02f, 1}};
    for (const auto &f : FIXED)
        num_block(p, f[0], f[1], f[2], f[3]);
    paint_segments(p, number, side);
}
