// Running a parsed scenario: commands in file order, "at" commands when the
// simulated time reaches theirs, CSV rows at the output rate during "run".
#include <cmath>
#include <cstring>

#include "atc/atc.h"
#include "common/stages.h"
#include "tools/batch/local.h"

namespace {

struct Runner {
    const BatchScript *s;
    const char *file;
    FILE *out, *err;
    int pending[MAX_BATCH_COMMANDS];   // "at" commands not yet run, in file order
    int npending;
    const BatchCommand *output;        // the output command in force, or null
    double next_row;                   // s, time of the next row
};

int refuse(Runner &r, const BatchCommand &c, const char *why)
{
    fprintf(r.err, "%s:%d: %s\n", r.file, c.line, why);
    return 0;
}

void print_row(Runner &r)
{
    const BatchCommand &o = *r.output;
    for (int k = 0; k < o.ncols; k++) {
        const char *name = batch_column_name(o.cols[k]);
        double v = batch_column_value(o.cols[k]);
        if (!strcmp(name, "atc")) {
            fputs(k ? ",\"" : "\"", r.out);
            for (const char *p = atc.response; *p; p++) {
                if (*p == '"')
                    fputc('"', r.out);   // CSV doubles a quote inside a quoted field
                fputc(*p, r.out);
            }
            fputc('"', r.out);
            continue;
        }
        const char *fmt = "%.6g";
        if (!strcmp(name, "lat") || !strcmp(name, "lon"))
            fmt = "%.7f";
        else if (!strcmp(name, "t") || !strcmp(name, "x") || !strcmp(name, "y"))
            fmt = "%.10g";
        if (!strcmp(name, "t"))
            v = round(v * 1e4) / 1e4;   // whole frames, not their float sum
        if (k)
            fputc(',', r.out);
        fprintf(r.out, fmt, v);
    }
    fputc('\n', r.out);
}

// A row when one is due (half a frame of slack against rounding); 1 when
// one was written.
int row_if_due(Runner &r)
{
    if (!r.output || bst.t + 0.5 * bst.prd < r.next_row)
        return 0;
    print_row(r);
    double period = 1.0 / r.output->v[0];
    r.next_row += period;
    if (r.next_row <= bst.t)
        r.next_row = bst.t + period;   // output slower than the frames
    return 1;
}

int apply(Runner &r, const BatchCommand &c);

// Runs the due "at" commands; 0 when one failed.
int fire_pending(Runner &r)
{
    int kept = 0;
    for (int k = 0; k < r.npending; k++) {
        const BatchCommand &c = r.s->cmd[r.pending[k]];
        if (c.at_s <= bst.t + 0.5 * bst.prd) {
            if (!apply(r, c))
                return 0;
        } else {
            r.pending[kept++] = r.pending[k];
        }
    }
    r.npending = kept;
    return 1;
}

int run_for(Runner &r, float seconds)
{
    double end = bst.t + seconds;
    if (!fire_pending(r))
        return 0;
    // A run of no time writes the state as it stands, however many such
    // runs come at one moment (trims take no time): by the output rate
    // alone the rows would stop once half a frame's worth had been written.
    if (!row_if_due(r) && seconds <= 0.0f && r.output)
        print_row(r);
    while (bst.t < end - 0.5 * bst.prd) {
        batch_frame();
        batch_atc_pilot();
        if (!fire_pending(r))
            return 0;
        row_if_due(r);
    }
    return 1;
}

int start(Runner &r, const BatchCommand &c)
{
    char why[MAX_STR] = "";
    if (!bst.have_aircraft)
        return refuse(r, c, "start before any aircraft command");
    int ok = c.verb == BV_START_AIR        ? batch_start_air(c.v[0], c.v[1], c.v[2], c.v[3], c.v[4], why)
             : c.verb == BV_START_CATAPULT ? batch_start_catapult(c.text, why)
                                           : batch_start_airport(c.text, c.runway,
                                                                 c.verb == BV_START_RUNWAY ? 900 : c.kind ? 1100 : 1000, why);
    return ok ? 1 : refuse(r, c, why);
}

int apply(Runner &r, const BatchCommand &c)
{
    char why[MAX_STR] = "";
    int flying = c.verb == BV_TRIM || c.verb == BV_SET || c.verb == BV_RAMP || c.verb == BV_RUN ||
                 c.verb == BV_HOLD || c.verb == BV_RELEASE || c.verb == BV_TUNE || c.verb == BV_OBS ||
                 c.verb == BV_ATC || c.verb == BV_LAUNCH;
    if (flying && !bst.started)
        return refuse(r, c, "no flight yet: give an aircraft and a start first");
    switch (c.verb) {
    case BV_AIRCRAFT:
        bst.started = 0;
        return batch_load_aircraft(c.text, why) ? 1 : refuse(r, c, why);
    case BV_START_RUNWAY:
    case BV_START_FINAL:
    case BV_START_AIR:
    case BV_START_CATAPULT:
        return start(r, c);
    case BV_LAUNCH: return batch_launch() ? 1 : refuse(r, c, "no catapult is armed: start catapult first");
    case BV_WEATHER: batch_weather(&c); return 1;
    case BV_FRAME: batch_set_frame(c.v[0]); return 1;
    case BV_SET: batch_set(c.kind, c.v[0]); return 1;
    case BV_RAMP: batch_ramp(c.kind, c.v[0], c.v[1]); return 1;
    case BV_HOLD: batch_hold(c.kind, c.v[0]); return 1;
    case BV_RELEASE: batch_release(); return 1;
    case BV_TUNE: batch_tune(c.kind, c.v[0]); return 1;
    case BV_OBS: batch_obs(c.kind, c.v[0]); return 1;
    case BV_TRIM:
        if (!batch_trim(c.kind))
            fprintf(r.err, "%s:%d: warning: no steady level flight found here; trim is the best found\n",
                    r.file, c.line);
        return 1;
    case BV_OUTPUT:
        r.output = &c;
        for (int k = 0; k < c.ncols; k++)
            fprintf(r.out, k ? ",%s" : "%s", batch_column_name(c.cols[k]));
        fputc('\n', r.out);
        r.next_row = bst.t;
        return 1;
    case BV_RUN: return run_for(r, c.v[0]);
    case BV_ATC: return batch_atc(c.text, why) ? 1 : refuse(r, c, why);
    default: return refuse(r, c, "unknown command");
    }
}

}   // namespace

static FILE *timing_report;   // each command's wall time goes here, when set

void batch_set_timing(FILE *report) { timing_report = report; }

int batch_execute(const BatchScript *s, const char *file, FILE *out, FILE *err)
{
    static Runner r;
    memset(&r, 0, sizeof r);
    r.s = s;
    r.file = file;
    r.out = out;
    r.err = err;
    for (int k = 0; k < s->n; k++) {
        const BatchCommand &c = s->cmd[k];
        if (c.at_s >= 0.0f) {
            r.pending[r.npending++] = k;
            continue;
        }
        double t0 = timing_report ? wall_us() : 0.0;
        if (!apply(r, c))
            return 1;
        if (timing_report)
            fprintf(timing_report, "batch: line %-39d %7.1f ms\n", c.line, (wall_us() - t0) / 1000.0);
    }
    fflush(out);
    return 0;
}
