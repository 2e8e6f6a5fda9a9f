// The performance table on paper: the command line of
// `vortan-batch --performance`, the table for a reader and its CSV. The
// figures themselves are flown in performance.cpp.
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "tools/batch/batch.h"

namespace {

struct RowText {
    const char *key;     // CSV name
    const char *label;   // table caption
};

const RowText ROWS[N_PERF_ROWS] = {
    {"stall_clean", "Stall, flaps up, power off"},
    {"stall_flaps", "Stall, full flaps, power off"},
    {"best_rate_sl", "Best rate of climb"},
    {"best_angle_sl", "Best angle of climb"},
    {"best_rate_5000", "Best rate of climb"},
    {"best_angle_5000", "Best angle of climb"},
    {"max_level_sl", "Maximum level speed"},
    {"cruise_75", "Cruise, 75 % power"},
    {"takeoff_roll", "Take-off ground roll"},
    {"takeoff_50ft", "Take-off distance over 50 ft"},
    {"landing_roll", "Landing ground roll"},
};

const char *const STATUS[] = {"ok", "n/a", "full_throttle", "not_found", "beyond"};

// A whole number with thousands commas ("1,650").
const char *thousands(float v, char *buf)
{
    long n = lroundf(v);
    char digits[32];
    snprintf(digits, sizeof digits, "%ld", labs(n));
    int len = (int)strlen(digits), o = 0;
    if (n < 0)
        buf[o++] = '-';
    for (int k = 0; k < len; k++) {
        if (k && (len - k) % 3 == 0)
            buf[o++] = ',';
        buf[o++] = digits[k];
    }
    buf[o] = 0;
    return buf;
}

void height_text(const PerfTable *t, int r, char *buf)
{
    char n[32];
    const PerfFigure &f = t->row[r];
    if (std::isnan(f.alt_ft))
        buf[0] = 0;
    else if (f.alt_ft == t->sea_level_ft)
        snprintf(buf, 32, "sea level");
    else
        snprintf(buf, 32, "%s ft", thousands(f.alt_ft, n));
}

// The result column of row r.
void result_text(const PerfTable *t, int r, char *buf, size_t size)
{
    const PerfFigure &f = t->row[r];
    char n[32];
    buf[0] = 0;
    if (f.status == PS_NA) {
        snprintf(buf, size, "n/a");
        return;
    }
    if (f.status == PS_NOT_FOUND) {
        snprintf(buf, size, "not found");
        return;
    }
    int beyond = f.status == PS_BEYOND;
    switch (r) {
    case PR_STALL_CLEAN:
    case PR_STALL_FLAPS:
        if (beyond)
            snprintf(buf, size, "or slower: the pitch trim runs out here");
        break;
    case PR_RATE_SL:
    case PR_RATE_HIGH:
        snprintf(buf, size, "%s ft/min%s", thousands(f.climb_fpm, n),
                 t->heli ? " from the power to spare" : beyond ? " and rising: no trimmed climb faster" : "");
        break;
    case PR_ANGLE_SL:
    case PR_ANGLE_HIGH:
        snprintf(buf, size, "%.1f deg, %s ft/min", (double)f.climb_deg, thousands(f.climb_fpm, n));
        break;
    case PR_MAX_LEVEL:
        if (beyond)
            snprintf(buf, size, "or faster: the pitch trim runs out here");
        else if (std::isnan(f.power_pct))
            snprintf(buf, size, "full throttle");
        else
            snprintf(buf, size, "%.0f %% power", (double)f.power_pct);
        if (t->vne_kias > 0.0f && f.kias > t->vne_kias)
            snprintf(buf + strlen(buf), size - strlen(buf), ", above Vne (%.0f KIAS)", (double)t->vne_kias);
        break;
    case PR_CRUISE:
        snprintf(buf, size, f.status == PS_FULL_THROTTLE ? "%.0f %% power at full throttle" : "%.0f %% power",
                 (double)f.power_pct);
        break;
    case PR_TAKEOFF_ROLL:
        snprintf(buf, size, "%s ft to lift-off", thousands(f.dist_ft, n));
        break;
    case PR_TAKEOFF_50FT:
        snprintf(buf, size, "%s ft", thousands(f.dist_ft, n));
        break;
    case PR_LANDING_ROLL:
        snprintf(buf, size, "%s ft from touchdown", thousands(f.dist_ft, n));
        break;
    default:
        break;
    }
}

void number_or_blank(float v, const char *fmt, char *buf)
{
    if (std::isnan(v))
        buf[0] = 0;
    else
        snprintf(buf, 16, fmt, (double)v);
}

void csv_number(FILE *out, float v, const char *fmt)
{
    fputc(',', out);
    if (!std::isnan(v))
        fprintf(out, fmt, (double)v);
}

int usage(FILE *err, const char *why, const char *what)
{
    fprintf(err, "vortan-batch: %s%s\n", why, what);
    fprintf(err, "usage: vortan-batch <scenario file>\n"
                 "       vortan-batch --performance <aircraft> [--csv] [--weight <lb>] [--cruise-alt <ft>] "
                 "[--coarse]\n");
    return 1;
}

// The number after option argv[i], within lo..hi; 0 when there is none.
int option_number(int argc, char **argv, int i, float lo, float hi, float *v)
{
    if (i + 1 >= argc)
        return 0;
    char *end = nullptr;
    double d = strtod(argv[i + 1], &end);
    if (end == argv[i + 1] || *end || !std::isfinite(d) || d < lo || d > hi)
        return 0;
    *v = (float)d;
    return 1;
}

}   // namespace

void batch_performance_print(const PerfTable *t, FILE *out)
{
    char n[32];
    fprintf(out, "Performance of %s (%s) at %s lb, standard day, still air\n\n", t->aircraft, t->tailnum,
            thousands(t->weight_lb, n));
    fprintf(out, "%-30s %-10s %7s %7s  %s\n", "Figure", "Height", "KIAS", "KTAS", "Result");
    for (int r = 0; r < N_PERF_ROWS; r++) {
        const PerfFigure &f = t->row[r];
        char height[32], kias[16], ktas[16], result[MAX_STR];
        height_text(t, r, height);
        number_or_blank(f.kias, "%.1f", kias);
        number_or_blank(f.ktas, "%.1f", ktas);
        result_text(t, r, result, sizeof result);
        const char *label = ROWS[r].label;
        if (t->seaplane && r == PR_TAKEOFF_ROLL)
            label = "Take-off water run";
        else if (t->seaplane && r == PR_LANDING_ROLL)
            label = "Landing water run";
        fprintf(out, "%-30s %-10s %7s %7s  %s\n", label, height, kias, ktas, result);
    }
    fprintf(out, "\nSea level: %s ft over calm sea. Stalls: the lowest speed of steady power-off\n"
                 "flight. Climbs and top speed: full throttle, flaps up.\n",
            thousands(t->sea_level_ft, n));
    if (t->heli) {
        fprintf(out, "Best climb: the power to spare at the top speed over the least power level\n"
                     "flight takes, at the speed of least power.\n");
        return;
    }
    fprintf(out, "Take-off and landing %s. Take-off: flaps up,\n"
                 "full throttle, the stick a little back; the climb-out at the best-angle speed\n"
                 "(at most 1.3 x the stall speed). Landing: a 3-degree approach at 1.3 x the\n"
                 "full-flap stall speed, the throttle closed in the flare, %s.\n"
                 "Their speeds: at lift-off, at 50 ft, at touchdown.\n",
            t->seaplane ? "on calm water in Santa Monica Bay" : "on runway 28R at San Francisco",
            t->seaplane ? "the run to 3 kt" : "brakes from touchdown to 3 kt");
}

void batch_performance_csv(const PerfTable *t, FILE *out)
{
    fprintf(out, "figure,alt_ft,kias,ktas,climb_fpm,climb_deg,distance_ft,power_pct,status\n");
    for (int r = 0; r < N_PERF_ROWS; r++) {
        const PerfFigure &f = t->row[r];
        fputs(ROWS[r].key, out);
        csv_number(out, f.alt_ft, "%.0f");
        csv_number(out, f.kias, "%.1f");
        csv_number(out, f.ktas, "%.1f");
        csv_number(out, f.climb_fpm, "%.0f");
        csv_number(out, f.climb_deg, "%.2f");
        csv_number(out, f.dist_ft, "%.0f");
        csv_number(out, f.power_pct, "%.1f");
        fprintf(out, ",%s\n", STATUS[f.status]);
    }
}

int batch_performance_main(int argc, char **argv, FILE *out, FILE *err)
{
    PerfSettings s = {0.0f, DEFAULT_CRUISE_ALT_FT, 0};
    const char *aircraft = nullptr;
    int csv = 0;
    for (int i = 1; i < argc; i++) {
        const char *a = argv[i];
        if (!strcmp(a, "--performance")) {
            if (i + 1 >= argc || argv[i + 1][0] == '-')
                return usage(err, "--performance needs an aircraft file", "");
            aircraft = argv[++i];
        } else if (!strcmp(a, "--csv")) {
            csv = 1;
        } else if (!strcmp(a, "--coarse")) {
            s.coarse = 1;
        } else if (!strcmp(a, "--weight")) {
            if (!option_number(argc, argv, i++, 1.0f, 1.0e6f, &s.weight_lb))
                return usage(err, "--weight needs a weight in lb (1 to 1,000,000)", "");
        } else if (!strcmp(a, "--cruise-alt")) {
            if (!option_number(argc, argv, i++, 0.0f, 60000.0f, &s.cruise_alt_ft))
                return usage(err, "--cruise-alt needs a height in ft (0 to 60,000)", "");
        } else {
            return usage(err, "unknown argument: ", a);
        }
    }
    if (!aircraft)
        return usage(err, "no aircraft: give --performance <aircraft>", "");
    batch_init();
    static PerfTable table;
    char why[MAX_STR];
    if (!batch_performance(aircraft, &s, &table, why)) {
        fprintf(err, "vortan-batch: %s\n", why);
        return 1;
    }
    if (csv)
        batch_performance_csv(&table, out);
    else
        batch_performance_print(&table, out);
    fflush(out);
    return 0;
}
