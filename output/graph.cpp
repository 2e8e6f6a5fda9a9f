// The graph buffer (one sample of the four graph rows per frame, 1,800
// deep) and window 13, "Graphics Output": four strips of ten seconds with
// each row's values as lines, the time arrows and the mouse read-out.
#include <cmath>
#include <cstdio>
#include <cstring>

#include "output/local.h"

constexpr int WIN_GRAPH = 13;
constexpr int GRAPH_BACK = 14, GRAPH_INK = 22, GRAPH_DIM = 17;
constexpr int STRIP_HALF_PX = 40;         // strip from baseline - 40 to + 40
constexpr float SCALE_PX = 33.0f;         // the largest magnitude reaches 33 px
constexpr int LABEL_X = 4, VALUE_X = 30, UNIT_X = 80, MARK_RIGHT_X = 102;
constexpr int LINE_DY = 9, FIRST_LINE_DY = -26;   // label lines from the baseline
constexpr int ARROW_Y1 = 380, ARROW_MID_Y = 398, ARROW_Y2 = 415;
constexpr int ARROW10_X1 = 110, ARROW1_X1 = 120, ARROW1_X2 = 130, STEP_SPLIT_X = 350;
constexpr int READ_X = 397, READ_Y = 394;

// The samples the window shows, oldest first: buffer index and x (px);
// and for each pixel column of the time axis the sample drawn there.
static int shown_index[MAX_GRAPH_PERIODS], shown_x[MAX_GRAPH_PERIODS];
static int nshown;
static int column_sample[GRAPH_X1 - GRAPH_X0 + 1];
static float slot_scale[4];

static float *series_data(int series, int i)
{
    return series == 1 ? grf.data1[i] : series == 2 ? grf.data2[i] : grf.data3[i];
}

void cleargraph()
{
    for (int i = 0; i < MAX_GRAPH_PERIODS; i++) {
        grf.period[i] = 999.0f;
        for (int s = 0; s < 4; s++)
            grf.data1[i][s] = grf.data2[i][s] = grf.data3[i][s] = MISSING_VALUE;
    }
    grf.cntr = -1;
    grf.indexstart = 0;
    grf.graphstruct_full = 0;
}

void grfload()
{
    if (++grf.cntr >= MAX_GRAPH_PERIODS) {
        grf.cntr = 0;
        grf.graphstruct_full = 1;
    }
    if (grf.graphstruct_full)
        grf.indexstart = grf.cntr + 1 < MAX_GRAPH_PERIODS ? grf.cntr + 1 : 0;
    grf.period[grf.cntr] = msc.prd;
    for (int s = 0; s < 4; s++)
        if (set.grfsel[s] >= 0)
            out_dat(OUT_GRAPH, set.grfsel[s], s);
}

static int nsamples() { return grf.cntr < 0 ? 0 : grf.graphstruct_full ? MAX_GRAPH_PERIODS : grf.cntr + 1; }

float getscale(int slot)
{
    float hi = 0.0f, lo = 0.0f;
    int n = nsamples();
    for (int k = 0, i = grf.indexstart; k < n; k++, i = (i + 1) % MAX_GRAPH_PERIODS)
        for (int series = 1; series <= 3; series++) {
            float v = series_data(series, i)[slot];
            if (is_missing(v))
                continue;   // fillers would flatten every graph to the 999 scale
            hi = fmaxf(hi, v);
            lo = fminf(lo, v);
        }
    return SCALE_PX / fmaxf(fmaxf(hi, -lo), 1.0f);
}

int graphdata()
{
    nshown = 0;
    for (int &c : column_sample)
        c = -1;
    int n = nsamples(), i = grf.indexstart, k = 0;
    double t = 0.0;   // s from the oldest sample
    for (; k < n && t < grf.lefttime; k++, i = (i + 1) % MAX_GRAPH_PERIODS)
        t += grf.period[(i + 1) % MAX_GRAPH_PERIODS];
    for (; k < n && t <= grf.lefttime + GRAPH_SECONDS; k++, i = (i + 1) % MAX_GRAPH_PERIODS) {
        shown_index[nshown] = i;
        shown_x[nshown++] = intlim((int)(GRAPH_X0 + GRAPH_PX_PER_S * (t - grf.lefttime)), GRAPH_X0, GRAPH_X1);
        t += grf.period[(i + 1) % MAX_GRAPH_PERIODS];
    }
    for (int s = 0; s < nshown; s++) {
        int x2 = s + 1 < nshown ? shown_x[s + 1] - 1 : shown_x[s];
        for (int x = shown_x[s]; x <= x2; x++)
            column_sample[x - GRAPH_X0] = shown_index[s];
    }
    return nshown;
}

int graph_sample_at(int x)
{
    return x < GRAPH_X0 || x > GRAPH_X1 ? -1 : column_sample[x - GRAPH_X0];
}

static int value_y(float v, int slot)
{
    int base = graph_baseline(slot);
    return intlim(base - (int)lroundf(v * slot_scale[slot]), base - STRIP_HALF_PX, base + STRIP_HALF_PX);
}

void ftdpoint(int x, int y, int i, int series, int slot)
{
    if (i < 1 || i >= nshown)
        return;
    float prev = series_data(series, shown_index[i - 1])[slot];
    if (is_missing(prev))
        return;   // a missing sample breaks the line
    int x0 = shown_x[i - 1], y0 = value_y(prev, slot), c = SERIES_COLOR[series];
    MACIBM_line(c, x0, y0, x, y, 1);
    MACIBM_line(c, x0, y0 + 1, x, y + 1, 1);
}

// ---------------------------------------------------------------- the window
void graph_label(int row, int baseline)
{
    char name[5], unit[5];
    for (int k = 0; k < 3; k++) {
        if (!data_row_field(row, k, name, unit))
            continue;
        int y = baseline + FIRST_LINE_DY + LINE_DY * k;
        MACIBM_drstring(SERIES_COLOR[k + 1], LABEL_X, y, name, 0);
        MACIBM_drstring(SERIES_COLOR[k + 1], UNIT_X, y, unit, 0);
    }
}

static void right_text(int color, int x_right, int y, const char *s)
{
    MACIBM_drstring(color, x_right - LETTER_PITCH * (int)strlen(s), y, s, 0);
}

// The scale marks at +40 px, 0 and -40 px, centred on their heights.
static void axis_marks(int slot)
{
    int base = graph_baseline(slot);
    char s[32];
    snprintf(s, sizeof s, "%.4g", STRIP_HALF_PX / (double)slot_scale[slot]);
    right_text(GRAPH_INK, MARK_RIGHT_X, base - STRIP_HALF_PX + 4, s);
    right_text(GRAPH_INK, MARK_RIGHT_X, base + 4, "0");
    snprintf(s, sizeof s, "%.4g", -STRIP_HALF_PX / (double)slot_scale[slot]);
    right_text(GRAPH_INK, MARK_RIGHT_X, base + STRIP_HALF_PX + 4, s);
}

static void plot_slot(int slot)
{
    int base = graph_baseline(slot), row = set.grfsel[slot];
    MACIBM_fillrect(GRAPH_BACK, 0, base - STRIP_HALF_PX - 4, GRAPH_X0, 2 * STRIP_HALF_PX + 9, 1);
    MACIBM_bitmap(GRAPH_X0, base - STRIP_HALF_PX, GRAPH_STRIP_BITMAP);
    if (row < 0) {
        MACIBM_drstring(GRAPH_DIM, LABEL_X, base + 4, "(no row)", 0);
        return;
    }
    slot_scale[slot] = getscale(slot);
    out_label(OUT_GRAPH, row, base);
    axis_marks(slot);
    for (int series = 3; series >= 1; series--)
        for (int k = 0; k < nshown; k++) {
            float v = series_data(series, shown_index[k])[slot];
            if (!is_missing(v))
                ftdpoint(shown_x[k], value_y(v, slot), k, series, slot);
        }
}

void grfplot()
{
    MACIBM_bitmap(0, 0, GRAPH_BITMAP);
    MACIBM_fillrect(GRAPH_BACK, GRAPH_X0 - 10, 6, GRAPH_X1 - GRAPH_X0 + 20, 12, 1);
    for (int i = 0; i < GRAPH_SECONDS; i++) {
        char s[8];
        snprintf(s, sizeof s, "%d", grf.lefttime + i);
        MACIBM_drstring(GRAPH_INK, 101 + GRAPH_PX_PER_S * i, 16, s, 0);
    }
    graphdata();
    for (int s = 0; s < 4; s++)
        plot_slot(s);
}

void grfclick()
{
    int x = msc.mx, y = msc.my;
    int arrows = y >= ARROW_Y1 && y <= ARROW_Y2, up = y < ARROW_MID_Y;
    if (arrows && x >= ARROW10_X1 && x < ARROW1_X1)
        grf.lefttime += up ? 10 : -10;
    else if (arrows && x >= ARROW1_X1 && x <= ARROW1_X2)
        grf.lefttime += up ? 1 : -1;
    else
        grf.lefttime += x < STEP_SPLIT_X ? -1 : 1;
    grf.lefttime = intlim(grf.lefttime, 0, GRAPH_MAX_LEFTTIME);
    grfplot();
}

static void readout(int color, int x, int y, const char *s)
{
    MACIBM_fillrect(GRAPH_BACK, x, y - 8, 8 * LETTER_PITCH, 9, 1);
    MACIBM_drstring(color, x, y, s, 0);
}

void grfdrag()
{
    if (!set.dragging || mnw.dragging_index != WIN_GRAPH)
        return;
    MACIBM_startwind(WIN_GRAPH, 0);
    int x = msc.mx, i = graph_sample_at(x);
    char s[32];
    snprintf(s, sizeof s, "%.2f s", grf.lefttime + (x - GRAPH_X0) / (double)GRAPH_PX_PER_S);
    readout(GRAPH_INK, READ_X, READ_Y, s);
    for (int slot = 0; slot < 4; slot++)
        for (int series = 1; series <= 3 && set.grfsel[slot] >= 0; series++) {
            char name[5], unit[5];
            if (!data_row_field(set.grfsel[slot], series - 1, name, unit))
                continue;
            float v = i < 0 ? MISSING_VALUE : series_data(series, i)[slot];
            snprintf(s, sizeof s, is_missing(v) ? "--" : "%.2f", (double)v);
            readout(SERIES_COLOR[series], VALUE_X, graph_baseline(slot) + FIRST_LINE_DY + LINE_DY * (series - 1), s);
        }
}
