// The data file "Vortan.box" (and its CSV twin "Vortan.csv") and the report
// file "Vortan.out": opened once at start-up, written while flying, closed
// at exit. The flight model's load and force reports reach the report file
// through its sinks.
#include <cstdio>
#include <cstring>

#include "flight/flight.h"
#include "output/local.h"
#include "panel/panel.h"

static FILE *bbx;          // "Vortan.box"
static FILE *trk;          // "Vortan.out"
static FILE *csv;          // "Vortan.csv", opened at its first line
static int csv_fresh = 1;  // the CSV file starts afresh (header) at its next line

static FILE *open_user_file(const char *name)
{
    char path[MAX_STR];
    if (!user_file_path(USER_DATA, name, path))
        return nullptr;
    return fopen(path, "wb");
}

static void to_box(const char *text)
{
    if (bbx) {
        fputs(text, bbx);
        fflush(bbx);
    }
}

void out_report_text(const char *text)
{
    if (trk) {
        fputs(text, trk);
        fflush(trk);   // the report is read while the program runs (and after a crash)
    }
}

// One slot of the live readout per panel update, cycling 0..3.
static void realtime_slot()
{
    static int slot;   // the slot this update refreshes
    slot = (slot + 1) & 3;
    if (set.rltsel[slot] >= 0 && set.rltsel[slot] < NUM_DATA_ROWS)
        out_dat(OUT_LIVE, set.rltsel[slot], ossix + 12 + 92 * slot);
}

void open_output_streams()
{
    close_output_streams();
    bbx = open_user_file("Vortan.box");
    trk = open_user_file("Vortan.out");
    csv_fresh = 1;
    cyc_sink = report_sink = out_report_text;
    box_sink = to_box;
    realtime_output = realtime_slot;
}

void close_output_streams()
{
    FILE **files[3] = {&bbx, &trk, &csv};
    for (FILE **f : files)
        if (*f) {
            fclose(*f);
            *f = nullptr;
        }
    cyc_sink = report_sink = box_sink = nullptr;
}

void restart_csv() { csv_fresh = 1; }

// ---------------------------------------------------------------- rows to the data file
// "NAME,unit | " with blanks shown as '_', so that every field is one word.
static void write_field(FILE *f, const char *name, const char *unit)
{
    char n[5], u[5];
    for (int c = 0; c < 5; c++) {
        n[c] = name[c] == ' ' ? '_' : name[c];
        u[c] = unit[c] == ' ' ? '_' : unit[c];
    }
    fprintf(f, "%s,%s | ", n, u);
}

void out_label(int type, int index, int misc_dat)
{
    if (type == OUT_GRAPH) {
        graph_label(index, misc_dat);
        return;
    }
    if (type != OUT_FILE || !bbx)
        return;
    char name[5], unit[5];
    for (int k = 0; k < 3; k++)
        if (data_row_field(index, k, name, unit))
            write_field(bbx, name, unit);
}

// The live readout: the row's values at x, x + 30, x + 60 on row 554.
static void live_values(int index, int x)
{
    constexpr int LIVE_Y = 554, LIVE_DX = 30, LIVE_COLOR = 24;
    float v[3];
    data_row_values(index, v);
    for (int k = 0; k < 3; k++) {
        int dig, dec;
        data_row_format(index, k, &dig, &dec);
        REALTIME_num(x + LIVE_DX * k, LIVE_Y, is_missing(v[k]) ? MISSING_VALUE : v[k], dig, dec, LIVE_COLOR);
    }
}

void out_dat(int type, int index, int misc_dat)
{
    float v[3];
    switch (type) {
    case OUT_FILE:
        if (!bbx)
            return;
        data_row_values(index, v);
        for (int k = 0; k < 3; k++)
            if (!is_missing(v[k]))
                fprintf(bbx, "%9.2f | ", (double)v[k]);
        break;
    case OUT_GRAPH:
        if (grf.cntr < 0 || misc_dat < 0 || misc_dat > 3)
            return;
        data_row_values(index, v);
        grf.data1[grf.cntr][misc_dat] = v[0];
        grf.data2[grf.cntr][misc_dat] = v[1];
        grf.data3[grf.cntr][misc_dat] = v[2];
        break;
    case OUT_LIVE: live_values(index, misc_dat); break;
    default: break;
    }
}

// ---------------------------------------------------------------- the CSV twin
static void csv_header()
{
    const char *sep = "";
    for (int row = 0; row < NUM_DATA_ROWS; row++)
        for (int k = 0; set.Bdsk[row] && k < 3; k++)
            if (*data_row_csv_name(row, k)) {
                fprintf(csv, "%s%s", sep, data_row_csv_name(row, k));
                sep = ",";
            }
    fputc('\n', csv);
}

// One CSV line: every value of the selected rows, missing ones left empty,
// so that each line has as many fields as the header.
static void csv_line()
{
    if (csv_fresh) {
        if (csv)
            fclose(csv);
        csv = open_user_file("Vortan.csv");
        csv_fresh = 0;
        if (csv)
            csv_header();
    }
    if (!csv)
        return;
    const char *sep = "";
    for (int row = 0; row < NUM_DATA_ROWS; row++) {
        if (!set.Bdsk[row])
            continue;
        float v[3];
        data_row_values(row, v);
        for (int k = 0; k < 3; k++) {
            if (!*data_row_csv_name(row, k))
                continue;
            fputs(sep, csv);
            if (!is_missing(v[k]))
                fprintf(csv, "%.4g", (double)v[k]);
            sep = ",";
        }
    }
    fputc('\n', csv);
    fflush(csv);
}

void dskoutproc()
{
    if (bbx) {
        if (msc.cntr10 == 0) {
            fputc('\n', bbx);
            for (int row = 0; row < NUM_DATA_ROWS; row++)
                if (set.Bdsk[row])
                    out_label(OUT_FILE, row, 0);
            fputc('\n', bbx);
        }
        for (int row = 0; row < NUM_DATA_ROWS; row++)
            if (set.Bdsk[row])
                out_dat(OUT_FILE, row, 0);
        fputc('\n', bbx);
        fflush(bbx);   // a crash loses at most the line being written
    }
    if (set.dskcsv)
        csv_line();
}

