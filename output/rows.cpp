// The 52 data rows: their labels, live-readout formats and CSV names, and
// their values taken from the flight state in the units of the labels.
#include <cmath>
#include <cstring>

#include "output/local.h"

namespace {

struct DataRow {
    const char *label;       // up to three fields of "NAME UNIT " (10 characters)
    int dig[3], dec[3];      // live readout digits and decimals per value
    const char *csv[3];      // CSV column per value ("" none)
};

// Labels and formats as the selection window and the data file show them;
// the CSV names are the batch runner's where they mean the same thing
// (alpha, kias, vvi_fpm, pitch, heading, rpm, fuel_lb, mass_lb, ...).
const DataRow ROWS[NUM_DATA_ROWS] = {
    {"FREQ /sec", {4}, {1}, {"freq_hz"}},
    {"TIME rtio", {3}, {2}, {"time_ratio"}},
    {"TIME  sec", {4}, {1}, {"time_s"}},
    {"DRAT part", {4}, {3}, {"density_ratio"}},
    {" RHO sft3", {4}, {4}, {"rho_slugft3"}},
    {"ALPH  deg BETA  deg", {4, 4}, {1, 1}, {"alpha", "beta"}},
    {"HPTH  deg", {4}, {1}, {"hpath_deg"}},
    {"VPTH  deg", {4}, {1}, {"vpath_deg"}},
    {"THT1 part THT2 part", {3, 3}, {2, 2}, {"throttle", "throttle2"}},
    {"PRP1  rpm PRP2  rpm", {4, 4}, {0, 0}, {"prop1_rpm", "prop2_rpm"}},
    {"WSWP  deg HSWP  deg TVEC  deg", {3, 3, 3}, {0, 0, 0}, {"wing_sweep_deg", "hstab_sweep_deg", "thrust_vector_deg"}},
    {"ELEV yoke AILN yoke RUDD yoke", {3, 3, 3}, {2, 2, 2}, {"yoke_pitch", "yoke_roll", "yoke_yaw"}},
    {"ELEV surf AILN surf RUDD surf", {3, 3, 3}, {2, 2, 2}, {"elevator_cmd", "aileron_cmd", "rudder_cmd"}},
    {"TRIM  deg FLAP part SLAT part", {3, 3, 3}, {1, 2, 2}, {"trim", "flaps", "slats"}},
    {"GEAR  0/1 WBRK  0/1 SPBK  0/1", {1, 3, 1}, {0, 2, 0}, {"gear", "brake", "speedbrake"}},
    {"Vtot ktas Vind kias", {4, 4}, {0, 0}, {"ktas", "kias"}},
    {" VVI  fpm", {4}, {0}, {"vvi_fpm"}},
    {"MACH    #", {4}, {2}, {"mach"}},
    {"   A ktas", {3}, {0}, {"sound_speed_kt"}},
    {"   Q  psf", {4}, {0}, {"dyn_pressure_psf"}},
    {"   M ftlb    L ftlb    N ftlb", {4, 4, 4}, {0, 0, 0}, {"pitch_moment_ftlb", "roll_moment_ftlb", "yaw_moment_ftlb"}},
    {"Qdot d/ss Pdot d/ss Rdot d/ss", {3, 3, 3}, {0, 0, 0}, {"qdot", "pdot", "rdot"}},
    {"   Q  d/s    P  d/s    R  d/s", {3, 3, 3}, {0, 0, 0}, {"q", "p", "r"}},
    {"PTCH  deg ROLL  deg", {3, 3}, {0, 0}, {"pitch", "roll"}},
    {"HDNG true HDNG  mag MVAR  deg", {3, 3, 2}, {0, 0, 0}, {"heading", "heading_mag", "mag_var_deg"}},
    {"   X   nm    Y   nm    Z   ft", {4, 4, 4}, {0, 0, 0}, {"x_nm", "y_nm", "z_ft"}},
    {" LAT  deg  LON  deg  ALT   ft", {2, 3, 4}, {0, 0, 0}, {"region_lat_deg", "region_lon_w_deg", "alt_ft"}},
    {"   G unit", {3}, {1}, {"g_load"}},
    {"POWR 1,hp POWR 2,hp", {4, 4}, {0, 0}, {"power1_hp", "power2_hp"}},
    {"THST 1,lb THST 2,lb", {4, 4}, {0, 0}, {"thrust1_lb", "thrust2_lb"}},
    {"NTRQ ftlb NTRQ ftlb", {4, 4}, {0, 0}, {"torque1_ftlb", "torque2_ftlb"}},
    {"RPM1  rpm RPM2  rpm", {4, 4}, {0, 0}, {"rpm", "rpm2"}},
    {"PTCH  deg PTCH  deg", {2, 2}, {0, 0}, {"blade_pitch1_deg", "blade_pitch2_deg"}},
    {"PWSH   kt PWSH   kt", {3, 3}, {0, 0}, {"propwash1_kt", "propwash2_kt"}},
    {"MP 1 inhg MP 2 inhg", {3, 3}, {0, 0}, {"manifold1_inhg", "manifold2_inhg"}},
    {"N1 1 pcnt N1 2 pcnt", {3, 3}, {0, 0}, {"n1_1_pct", "n1_2_pct"}},
    {"EPR1  rat EPR2  rat", {3, 3}, {1, 1}, {"epr1", "epr2"}},
    {"LIFT   lb DRAG   lb SIDE   lb", {4, 4, 4}, {0, 0, 0}, {"lift_lb", "drag_lb", "side_aero_lb"}},
    {"NORM   lb AXIL   lb SIDE   lb", {4, 4, 4}, {0, 0, 0}, {"normal_prop_lb", "axial_prop_lb", "side_prop_lb"}},
    {"NOSE d,ft LEFT d,ft RIGT d,ft", {3, 3, 3}, {1, 1, 1}, {"nose_gear_defl_ft", "left_gear_defl_ft", "right_gear_defl_ft"}},
    {"NOSE f,lb LEFT f,lb RIGT f,lb", {4, 4, 4}, {0, 0, 0}, {"nose_gear_force_lb", "left_gear_force_lb", "right_gear_force_lb"}},
    {" L/D  rat", {4}, {1}, {"lift_drag_ratio"}},
    {"PEFF  rat PEFF  rat", {3, 3}, {2, 2}, {"prop_eff1", "prop_eff2"}},
    {"AILN  deg AILN  deg", {3, 3}, {1, 1}, {"aileron_l_deg", "aileron_r_deg"}},
    {"SPLR  deg SPLR  deg", {3, 3}, {1, 1}, {"spoiler_l_deg", "spoiler_r_deg"}},
    {"ELEV  deg ELEV  deg", {3, 3}, {1, 1}, {"elevator_l_deg", "elevator_r_deg"}},
    {"RUDD  deg", {3}, {1}, {"rudder_deg"}},
    {"DRUD  deg DRUD  deg", {3, 3}, {1, 1}, {"drag_rudder_l_deg", "drag_rudder_r_deg"}},
    {"CYCL  deg CYCL  deg", {3, 3}, {1, 1}, {"elevator_cyclic_deg", "aileron_cyclic_deg"}},
    {"FIXD   lb FUEL   lb WATR   lb", {4, 4, 4}, {0, 0, 0}, {"fixed_lb", "fuel_lb", "water_lb"}},
    {"EMPTY  lb GROS   lb", {4, 4}, {0, 0}, {"empty_lb", "mass_lb"}},
    {"FF#1 lb/h FF#2 lb/h", {4, 4}, {0, 0}, {"fuel_flow1_lbh", "fuel_flow2_lbh"}},
};

constexpr float LB_PER_SLUG = 32.174f;        // standard gravity, ft/s^2
constexpr float THROTTLE_SHOWN_OFFSET = 0.005f;   // the file's 2-decimal throttle rounds up

int two_engines() { return pln.numen == 2; }
int two_or_rotor() { return pln.numen == 2 || pln.is_heli; }

// Engine e's value, or 0 for the second of a single-engine aircraft.
float engine(const float *v, int e, int second_ok) { return e == 0 || second_ok ? v[e] : 0.0f; }

// Rows 28..36 and 42, 51: per-engine values.
int engine_row(int row, float v[3])
{
    int two = two_engines(), rotor = two_or_rotor();
    for (int e = 0; e < 2; e++) {
        switch (row) {
        case 28: v[e] = engine(flt.power, e, two) * con.watttohp; break;
        case 29: v[e] = engine(flt.thrust, e, rotor) * con.ntntolbs; break;
        case 30: v[e] = engine(flt.Etq, e, two) * con.nmtoftlb; break;
        case 31: v[e] = engine(flt.omega, e, rotor) * con.rsctorpm; break;
        case 32: v[e] = engine(flt.proppitch, e, rotor); break;
        case 33: v[e] = engine(flt.DVinc, e, rotor) * con.msctokts; break;
        case 34: v[e] = engine(flt.mp, e, two); break;
        case 35: v[e] = engine(flt.n1, e, two); break;
        case 36: v[e] = engine(flt.epr, e, two); break;
        case 42: {
            float p = engine(flt.power, e, two);
            v[e] = fabsf(p) > 1.0f ? engine(flt.thrust, e, two) * flt.av / p : 0.0f;
            break;
        }
        case 51: v[e] = engine(flt.ff_lbhr, e, two); break;
        default: return 0;
        }
    }
    return 1;
}

void set3(float v[3], float a, float b, float c) { v[0] = a, v[1] = b, v[2] = c; }

// Rows 0..27: time, air, attitude, controls, speeds, moments, position.
// One flat switch, a case per row, reads best beside the label table.
int flight_row(int row, float v[3])
{
    float ft = con.mtrstoft, M = MISSING_VALUE;
    switch (row) {
    case 0: set3(v, msc.prd > 0.0f ? 1.0f / msc.prd : M, M, M); break;
    case 1: set3(v, msc.rtrat, M, M); break;
    case 2: set3(v, msc.tottime, M, M); break;
    case 3: set3(v, atm.crtsig, M, M); break;
    case 4: set3(v, atm.rho * con.kgstolbs / LB_PER_SLUG / (ft * ft * ft), M, M); break;
    case 5: set3(v, flt.Alpha, flt.Beta, M); break;
    case 6: set3(v, flt.hpath, M, M); break;
    case 7: set3(v, fltwrap(flt.vpath, -180.0f, 180.0f), M, M); break;
    case 8: set3(v, flt.throt[0] + THROTTLE_SHOWN_OFFSET,
                 two_engines() ? flt.throt[1] + THROTTLE_SHOWN_OFFSET : 0.0f, M); break;
    case 9: set3(v, flt.prop[0] * con.rsctorpm, two_engines() ? flt.prop[1] * con.rsctorpm : 0.0f, M); break;
    case 10: set3(v, (float)pln.sweepnow[2], (float)pln.sweepnow[4], pln.vertcant[0]); break;
    case 11: set3(v, set.YKptch, set.YKroll, set.YKhdng); break;
    case 12: set3(v, set.CTptch, set.CTroll, set.CThdng); break;
    case 13: set3(v, flt.trim, (float)flt.flap * 0.02f, flt.slat); break;
    case 14: set3(v, set.gear_handle ? 1.0f : 0.0f, set.partbrake, (float)flt.sbrk); break;
    case 15: set3(v, flt.av * con.msctokts, flt.vind, M); break;
    case 16: set3(v, (float)flt.vz * con.msctofpm, M, M); break;
    case 17: set3(v, flt.machno[FLT_ROW_FUSE], M, M); break;
    case 18: set3(v, atm.a * con.msctokts, M, M); break;
    case 19: set3(v, flt.Qstatic * con.ntntolbs / (ft * ft), M, M); break;
    case 20: set3(v, flt.M * con.nmtoftlb, flt.L * con.nmtoftlb, flt.N * con.nmtoftlb); break;
    case 21: set3(v, flt.Qdot, flt.Pdot, flt.Rdot); break;
    case 22: set3(v, flt.Q, flt.P, flt.R); break;
    case 23: set3(v, flt.the180, flt.phi180, M); break;
    case 24: set3(v, flt.psi, flt.magpsi, env.mvar); break;
    case 25: set3(v, (float)flt.x * con.mtrstonm, (float)flt.y * con.mtrstonm, (float)flt.z * ft); break;
    case 26: set3(v, (float)env.lat_south, (float)env.lon_west, (float)flt.z * ft); break;
    case 27: {
        float g = atm.g > 0.0f ? atm.g : con.g;
        float up = flt.az + g;
        set3(v, sqrtf(flt.ax * flt.ax + flt.ay * flt.ay + up * up) / g, M, M);
        break;
    }
    default: return 0;
    }
    return 1;
}

// Rows 37..50: forces, gear, deflections and weights.
int force_row(int row, float v[3])
{
    float lb = con.ntntolbs, M = MISSING_VALUE;
    switch (row) {
    case 37: set3(v, flt.fnrmlaero * lb, -flt.faxilaero * lb, flt.fsideaero * lb); break;
    case 38: set3(v, flt.fnrmlprop * lb, flt.faxilprop * lb, flt.fsideprop * lb); break;
    case 39: set3(v, flt.geard[0] * con.mtrstoft, flt.geard[1] * con.mtrstoft, flt.geard[2] * con.mtrstoft); break;
    case 40: set3(v, flt.gearf[0] * lb, flt.gearf[1] * lb, flt.gearf[2] * lb); break;
    // No axial force (at rest) has no ratio: missing rather than infinite.
    case 41: set3(v, flt.faxilaero != 0.0f ? -flt.fnrmlaero / flt.faxilaero : M, M, M); break;
    case 43: set3(v, flt.lailndef, flt.railndef, M); break;
    case 44: set3(v, flt.lsplrdef, flt.rsplrdef, M); break;
    case 45: set3(v, flt.lhstbdef, flt.rhstbdef, M); break;
    case 46: set3(v, flt.ruddef, M, M); break;
    case 47: set3(v, flt.ldruddef, flt.rdruddef, M); break;
    case 48: set3(v, flt.elevcyclic, flt.ailncyclic, M); break;
    case 49: set3(v, flt.m_fixed * con.kgstolbs, flt.m_fuel * con.kgstolbs, flt.m_water * con.kgstolbs); break;
    case 50: set3(v, pln.m_empty * con.kgstolbs, flt.m_total * con.kgstolbs, M); break;
    default: return 0;
    }
    return 1;
}

}   // namespace

// A hundredth either side would swallow real values such as -998.995; a
// thousandth still catches -999 carried through float arithmetic.
int is_missing(float v) { return fabsf(v + 999.0f) <= 0.001f; }

void data_row_values(int row, float v[3])
{
    set3(v, MISSING_VALUE, MISSING_VALUE, MISSING_VALUE);
    if (row < 0 || row >= NUM_DATA_ROWS)
        return;
    if (!flight_row(row, v) && !engine_row(row, v))
        force_row(row, v);
    for (int k = 0; k < 3; k++)
        if (!is_missing(v[k]))
            v[k] = std::isfinite(v[k]) ? fltlim(v[k], -MAX_OUT_VALUE, MAX_OUT_VALUE) : 0.0f;
}

int data_row_field(int row, int k, char name[5], char unit[5])
{
    name[0] = unit[0] = 0;
    if (row < 0 || row >= NUM_DATA_ROWS || k < 0 || k > 2)
        return 0;
    const char *label = ROWS[row].label;
    int len = (int)strlen(label);
    for (int c = 0; c < 4; c++) {
        int at = 10 * k + c;
        name[c] = at < len ? label[at] : ' ';
        unit[c] = at + 5 < len ? label[at + 5] : ' ';
    }
    name[4] = unit[4] = 0;
    return strcmp(name, "    ") != 0;
}

void data_row_format(int row, int k, int *digits, int *decimals)
{
    int ok = row >= 0 && row < NUM_DATA_ROWS && k >= 0 && k < 3;
    *digits = ok ? intlim(ROWS[row].dig[k], 1, 4) : 4;
    *decimals = ok ? ROWS[row].dec[k] : 0;
}

const char *data_row_csv_name(int row, int k)
{
    if (row < 0 || row >= NUM_DATA_ROWS || k < 0 || k > 2 || !ROWS[row].csv[k])
        return "";
    return ROWS[row].csv[k];
}

// Trailing and leading blanks off a 4-character label part.
static void trimmed(const char *in, char *out)
{
    int a = 0, b = (int)strlen(in);
    while (a < b && in[a] == ' ') a++;
    while (b > a && in[b - 1] == ' ') b--;
    memcpy(out, in + a, b - a);
    out[b - a] = 0;
}

void data_row_caption(int row, char *out)
{
    char name[3][5], unit[3][5];
    int n = 0;
    for (int k = 0; k < 3; k++) {
        char nm[5], un[5];
        if (!data_row_field(row, k, nm, un))
            continue;
        trimmed(nm, name[n]);
        trimmed(un, unit[n]);
        n++;
    }
    out[0] = 0;
    for (int k = 0; k < n;) {
        int j = k + 1;   // fields k..j-1 form a group
        int same_unit = j < n && !strcmp(unit[j], unit[k]);
        int same_name = j < n && !same_unit && !strcmp(name[j], name[k]);
        while (j < n && ((same_unit && !strcmp(unit[j], unit[k])) || (same_name && !strcmp(name[j], name[k]))))
            j++;
        if (*out)
            strcat(out, ", ");
        for (int g = k; g < j; g++) {
            strcat(out, name[g]);
            strcat(out, " ");
            if (same_name)
                break;
        }
        for (int g = k; g < j; g++) {
            if (!same_name && g + 1 < j)
                continue;
            strcat(out, unit[g]);
            if (g + 1 < j)
                strcat(out, " ");
        }
        k = j;
    }
}
