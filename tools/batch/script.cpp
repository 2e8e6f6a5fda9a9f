// Scenario files of the batch runner: one command a line, '#' starts a
// comment, blank lines are skipped. Every line is checked before anything
// flies, so a typo on the last line costs no flying time.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "tools/batch/batch.h"

namespace {

constexpr int MAX_TOKENS = 80;
constexpr size_t MAX_LINE = 4000;   // longer lines are refused, not cut

struct Tokens {
    int n;
    char *t[MAX_TOKENS];
};

// Splits `buf` in place at blanks; 0 when there are too many words.
int split(char *buf, Tokens *tk)
{
    tk->n = 0;
    char *save = nullptr;
    for (char *w = strtok_r(buf, " \t\r\n", &save); w; w = strtok_r(nullptr, " \t\r\n", &save)) {
        if (tk->n == MAX_TOKENS)
            return 0;
        tk->t[tk->n++] = w;
    }
    return 1;
}

// A finite number that fills the whole word.
int number(const char *w, float *out)
{
    char *end = nullptr;
    double d = strtod(w, &end);
    if (end == w || *end || !std::isfinite(d) || fabs(d) > 1e9)
        return 0;
    *out = (float)d;
    return 1;
}

int fail(char *why, const char *a, const char *b = "", const char *c = "")
{
    C_to_C(a, why);
    app_C(why, b);
    app_C(why, c);
    return -1;
}

// Numbers t[from..from+count-1] into c->v, each within lo[k]..hi[k].
int numbers(const Tokens &tk, int from, int count, BatchCommand *c, const float *lo, const float *hi,
            const char *const *what, char *why)
{
    for (int k = 0; k < count; k++) {
        const char *w = tk.t[from + k];
        if (!number(w, &c->v[k]))
            return fail(why, "expected a number for ", what[k]);
        if (c->v[k] < lo[k] || c->v[k] > hi[k]) {
            char range[MAX_STR];
            snprintf(range, sizeof range, " out of range (%g..%g): %s", (double)lo[k], (double)hi[k], w);
            return fail(why, what[k], range);
        }
    }
    return 1;
}

int parse_start(const Tokens &tk, int i, BatchCommand *c, char *why)
{
    int left = tk.n - i;
    if (left < 1)
        return fail(why, "start needs runway, final or air");
    const char *how = tk.t[i];
    if (!strcmp(how, "runway") || !strcmp(how, "final")) {
        int final = how[0] == 'f';
        if (left != (final ? 4 : 3))
            return fail(why, final ? "usage: start final <airport id> <runway> vfr|ils"
                                   : "usage: start runway <airport id> <runway>");
        if (strlen(tk.t[i + 1]) > 3 || strlen(tk.t[i + 2]) > 3)
            return fail(why, "airport ids have up to 3 letters and runways up to 3 characters");
        C_to_C(tk.t[i + 1], c->text);
        C_to_C(tk.t[i + 2], c->runway);
        c->verb = final ? BV_START_FINAL : BV_START_RUNWAY;
        if (final) {
            if (strcmp(tk.t[i + 3], "vfr") && strcmp(tk.t[i + 3], "ils"))
                return fail(why, "a final is vfr or ils, not ", tk.t[i + 3]);
            c->kind = tk.t[i + 3][0] == 'i';
        }
        return 1;
    }
    if (!strcmp(how, "air")) {
        if (left != 6)
            return fail(why, "usage: start air <lat> <lon> <alt ft> <kias> <heading deg>");
        static const float lo[] = {-89.0f, -180.0f, -1000.0f, 0.0f, -360.0f};
        static const float hi[] = {89.0f, 180.0f, 99000.0f, 2000.0f, 720.0f};
        static const char *const what[] = {"latitude", "longitude", "altitude", "airspeed", "heading"};
        c->verb = BV_START_AIR;
        return numbers(tk, i + 1, 5, c, lo, hi, what, why);
    }
    return fail(why, "unknown start kind (runway, final or air): ", how);
}

int parse_weather(const Tokens &tk, int i, BatchCommand *c, char *why)
{
    c->verb = BV_WEATHER;
    int left = tk.n - i;
    const char *what = left > 0 ? tk.t[i] : "";
    if (!strcmp(what, "calm") && left == 1) {
        c->kind = BW_CALM;
        return 1;
    }
    if (!strcmp(what, "wind") && (left == 3 || left == 5)) {
        c->kind = BW_WIND;
        static const float lo[] = {-360.0f, 0.0f};
        static const float hi[] = {720.0f, 200.0f};
        static const char *const names[] = {"wind direction", "wind speed"};
        if (numbers(tk, i + 1, 2, c, lo, hi, names, why) < 0)
            return -1;
        c->v[2] = 0.0f;
        if (left == 5) {
            if (strcmp(tk.t[i + 3], "gust"))
                return fail(why, "usage: weather wind <dir deg> <kt> [gust <kt>]");
            static const float glo[] = {0.0f}, ghi[] = {200.0f};
            static const char *const gname[] = {"gust"};
            BatchCommand g = *c;
            if (numbers(tk, i + 4, 1, &g, glo, ghi, gname, why) < 0)
                return -1;
            c->v[2] = g.v[0];
        }
        return 1;
    }
    static const struct { const char *name; int kind; float lo, hi; } ONE[] = {
        {"turbulence", BW_TURBULENCE, 0.0f, 1.0f},
        {"temp", BW_TEMP, -80.0f, 140.0f},
        {"baro", BW_BARO, 26.0f, 33.0f}};
    for (const auto &o : ONE)
        if (!strcmp(what, o.name) && left == 2) {
            c->kind = o.kind;
            const char *const names[] = {o.name};
            return numbers(tk, i + 1, 1, c, &o.lo, &o.hi, names, why);
        }
    return fail(why, "usage: weather calm | wind <dir deg> <kt> [gust <kt>] | turbulence <0..1> | "
                     "temp <F> | baro <inHg>");
}

// A named target and the range of its value.
struct Named {
    const char *name;
    float lo, hi;
};

// Names, value ranges of the settable controls (see the README).
const Named CONTROLS[N_BATCH_CONTROLS] = {
    {"throttle", 0.0f, 1.0f}, {"mixture", 0.0f, 1.0f}, {"prop", 0.0f, 1.0f},
    {"elevator", -1.0f, 1.0f}, {"aileron", -1.0f, 1.0f}, {"rudder", -1.0f, 1.0f},
    {"trim", -1.0f, 1.0f}, {"flaps", 0.0f, 1.0f}, {"brakes", 0.0f, 1.0f}, {"gear", 0.0f, 1.0f},
    {"weight", 0.0f, 1.0e6f}, {"collective", 0.0f, 1.0f}};

// Autopilot targets by BatchHold, with their ranges (the modes that take one).
const Named HOLDS[BH_NAV1] = {
    {"heading", -360.0f, 720.0f}, {"altitude", -1000.0f, 99000.0f}, {"vs", -20000.0f, 20000.0f},
    {"speed", 0.0f, 2000.0f}};

// "<name> <value>" at t[i]: the name's index in `table` into c->kind, the
// value (within its range) into c->v[0].
int parse_named(const Tokens &tk, int i, BatchCommand *c, const Named *table, int n, const char *usage,
                const char *unknown, char *why)
{
    if (tk.n - i != 2)
        return fail(why, usage);
    for (int k = 0; k < n; k++)
        if (!strcmp(tk.t[i], table[k].name)) {
            c->kind = k;
            const char *const names[] = {table[k].name};
            return numbers(tk, i + 1, 1, c, &table[k].lo, &table[k].hi, names, why);
        }
    return fail(why, unknown, tk.t[i]);
}

int parse_set(const Tokens &tk, int i, BatchCommand *c, char *why)
{
    c->verb = BV_SET;
    return parse_named(tk, i, c, CONTROLS, N_BATCH_CONTROLS, "usage: set <control> <value>",
                       "unknown control (throttle, mixture, prop, elevator, aileron, rudder, trim, "
                       "flaps, brakes, gear, weight, collective): ",
                       why);
}

int parse_hold(const Tokens &tk, int i, BatchCommand *c, char *why)
{
    c->verb = BV_HOLD;
    // The receivers' modes take no target: the needles are the target.
    static const char *const RECEIVER_MODES[] = {"nav1", "nav2", "glideslope"};
    for (int k = 0; k < 3; k++)
        if (tk.n - i == 1 && !strcmp(tk.t[i], RECEIVER_MODES[k])) {
            c->kind = BH_NAV1 + k;
            return 1;
        }
    return parse_named(tk, i, c, HOLDS, BH_NAV1,
                       "usage: hold heading <deg> | altitude <ft> | vs <fpm> | speed <kt> | nav1 | "
                       "nav2 | glideslope",
                       "unknown autopilot mode (heading, altitude, vs, speed, nav1, nav2, glideslope): ", why);
}

// Radios by BatchTune: NAV in MHz, the ADF in kHz.
const Named TUNES[] = {{"nav1", 108.0f, 117.95f}, {"nav2", 108.0f, 117.95f}, {"adf", 0.0f, 999.0f}};

// "tune nav1|nav2 <MHz> | adf <kHz>": only frequencies the radio can show.
int parse_tune(const Tokens &tk, int i, BatchCommand *c, char *why)
{
    c->verb = BV_TUNE;
    if (parse_named(tk, i, c, TUNES, 3, "usage: tune nav1|nav2 <MHz> | adf <kHz>",
                    "unknown radio (nav1, nav2, adf): ", why) < 0)
        return -1;
    float v = c->v[0];
    if (c->kind == BT_ADF)
        return v == floorf(v) ? 1 : fail(why, "ADF frequencies are whole kHz: ", tk.t[i + 1]);
    float hundredths = (v - floorf(v)) * 100.0f;
    long h = lroundf(hundredths);
    if (fabsf(hundredths - (float)h) > 0.01f || h % 5)
        return fail(why, "NAV frequencies go in steps of 0.05 MHz: ", tk.t[i + 1]);
    return 1;
}

// "obs 1|2 <deg>": the course selector of NAV 1 or NAV 2.
const Named OBS[] = {{"1", -360.0f, 720.0f}, {"2", -360.0f, 720.0f}};

int parse_obs(const Tokens &tk, int i, BatchCommand *c, char *why)
{
    c->verb = BV_OBS;
    return parse_named(tk, i, c, OBS, 2, "usage: obs 1|2 <deg>", "the course selectors are 1 and 2, not ", why);
}

// "output <hz> <column,...>"; the columns may also be split by blanks.
int parse_output(const Tokens &tk, int i, BatchCommand *c, char *why)
{
    if (tk.n - i < 2)
        return fail(why, "usage: output <hz> <column,...>");
    static const float lo[] = {0.001f}, hi[] = {1000.0f};
    static const char *const names[] = {"output rate"};
    if (numbers(tk, i, 1, c, lo, hi, names, why) < 0)
        return -1;
    c->verb = BV_OUTPUT;
    c->ncols = 0;
    for (int k = i + 1; k < tk.n; k++) {
        char *save = nullptr;
        for (char *w = strtok_r(tk.t[k], ",", &save); w; w = strtok_r(nullptr, ",", &save)) {
            int col = batch_column_index(w);
            if (col < 0)
                return fail(why, "unknown output column: ", w);
            if (c->ncols == MAX_BATCH_COLUMNS)
                return fail(why, "too many output columns");
            c->cols[c->ncols++] = col;
        }
    }
    return c->ncols ? 1 : fail(why, "output needs at least one column");
}

int parse_one(const Tokens &tk, int i, BatchCommand *c, char *why)
{
    const char *verb = tk.t[i++];
    int left = tk.n - i;
    if (!strcmp(verb, "aircraft")) {
        if (left != 1)
            return fail(why, "usage: aircraft Aircraft/<file>.acf");
        c->verb = BV_AIRCRAFT;
        C_to_C(tk.t[i], c->text);
        return 1;
    }
    if (!strcmp(verb, "start"))
        return parse_start(tk, i, c, why);
    if (!strcmp(verb, "weather"))
        return parse_weather(tk, i, c, why);
    if (!strcmp(verb, "set"))
        return parse_set(tk, i, c, why);
    if (!strcmp(verb, "ramp")) {
        if (left != 3)
            return fail(why, "usage: ramp <control> <value> <seconds>");
        Tokens two = tk;
        two.n = i + 2;
        if (parse_set(two, i, c, why) < 0)
            return -1;
        float s;
        if (!number(tk.t[i + 2], &s) || s < 0.0f || s > 1.0e6f)
            return fail(why, "ramp time out of range (0..1e6): ", tk.t[i + 2]);
        c->verb = BV_RAMP;
        c->v[1] = s;
        return 1;
    }
    if (!strcmp(verb, "output"))
        return parse_output(tk, i, c, why);
    if (!strcmp(verb, "hold"))
        return parse_hold(tk, i, c, why);
    if (!strcmp(verb, "tune"))
        return parse_tune(tk, i, c, why);
    if (!strcmp(verb, "obs"))
        return parse_obs(tk, i, c, why);
    if (!strcmp(verb, "release")) {
        c->verb = BV_RELEASE;
        return left == 0 ? 1 : fail(why, "usage: release");
    }
    if (!strcmp(verb, "trim")) {
        c->verb = BV_TRIM;
        c->kind = left == 1 && !strcmp(tk.t[i], "climb");
        return left == 0 || c->kind ? 1 : fail(why, "usage: trim [climb]");
    }
    static const struct { const char *name; int verb; float lo, hi; } TIMED[] = {
        {"frame", BV_FRAME, 0.001f, 0.2f}, {"run", BV_RUN, 0.0f, 1.0e6f}};
    for (const auto &t : TIMED)
        if (!strcmp(verb, t.name)) {
            if (left != 1)
                return fail(why, "usage: ", t.name, " <seconds>");
            c->verb = t.verb;
            const char *const names[] = {t.verb == BV_FRAME ? "frame period" : "run time"};
            return numbers(tk, i, 1, c, &t.lo, &t.hi, names, why);
        }
    if (!strcmp(verb, "atc")) {
        c->verb = BV_ATC;
        c->text[0] = 0;
        for (int k = i; k < tk.n; k++) {
            if (k > i)
                app_C(c->text, " ");
            app_C(c->text, tk.t[k]);
        }
        return left > 0 && batch_atc_check(c->text, why) ? 1 : -1;
    }
    if (!strcmp(verb, "at"))
        return fail(why, "at cannot be nested");
    return fail(why, "unknown command: ", verb);
}

}   // namespace

int batch_parse_line(const char *line, int line_no, BatchCommand *c, char *why)
{
    why[0] = 0;
    if (strlen(line) >= MAX_LINE)
        return fail(why, "line too long");
    char buf[MAX_LINE];
    snprintf(buf, sizeof buf, "%s", line);
    char *hash = strchr(buf, '#');
    if (hash)
        *hash = 0;
    Tokens tk;
    if (!split(buf, &tk))
        return fail(why, "too many words on the line");
    if (tk.n == 0)
        return 0;
    memset(c, 0, sizeof *c);
    c->line = line_no;
    c->at_s = -1.0f;
    int i = 0;
    if (!strcmp(tk.t[0], "at")) {
        static const float lo[] = {0.0f}, hi[] = {1.0e6f};
        static const char *const names[] = {"time"};
        if (tk.n < 3)
            return fail(why, "usage: at <t> <command>");
        if (numbers(tk, 1, 1, c, lo, hi, names, why) < 0)
            return -1;
        c->at_s = c->v[0];
        c->v[0] = 0.0f;
        i = 2;
        if (!strcmp(tk.t[i], "output") || !strcmp(tk.t[i], "run") || !strcmp(tk.t[i], "aircraft"))
            return fail(why, "at cannot delay ", tk.t[i]);
    }
    return parse_one(tk, i, c, why) < 0 ? -1 : 1;
}

int batch_read_script(const char *path, BatchScript *s, FILE *err)
{
    s->n = 0;
    FILE *f = fopen(path, "rb");
    if (!f) {
        fprintf(err, "%s: cannot open the scenario file\n", path);
        return 0;
    }
    static char line[MAX_LINE + 2];
    char why[MAX_STR];
    int line_no = 0, ok = 1;
    while (ok && fgets(line, sizeof line, f)) {
        line_no++;
        size_t n = strlen(line);
        int whole = n > 0 && (line[n - 1] == '\n' || feof(f));
        if (!whole) {
            fprintf(err, "%s:%d: line too long\n", path, line_no);
            ok = 0;
            break;
        }
        if (s->n == MAX_BATCH_COMMANDS) {
            fprintf(err, "%s:%d: more than %d commands\n", path, line_no, MAX_BATCH_COMMANDS);
            ok = 0;
            break;
        }
        int r = batch_parse_line(line, line_no, &s->cmd[s->n], why);
        if (r < 0) {
            fprintf(err, "%s:%d: %s\n", path, line_no, why);
            ok = 0;
        } else if (r > 0) {
            s->n++;
        }
    }
    fclose(f);
    return ok;
}
