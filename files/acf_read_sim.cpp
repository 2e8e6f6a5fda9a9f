// The simulator's aircraft-file reader: walks the same field list as the
// designer's writer, converts each value into SI as it is read, and applies
// the adjustments that belong to reading (helicopter layout, which parts
// exist, device flags, gear, JATO, ...). Element geometry, airfoils and the
// design checks are the aircraft loading's.
#include <cassert>
#include <cmath>
#include <cstring>

#include "files/local.h"

static void (*progress_step)();   // start-up progress, during readin_plane only

static char *sim_field(const AcfItem &it, int part)
{
    return (char *)&pln + it.sim_off + (part > 0 ? part : 0) * it.sim_stride;
}

static void checkpoint_failed(int expected, int got)
{
    char file_line[MAX_STR], want_line[MAX_STR], got_line[MAX_STR], number[MAX_STR];
    C_to_C("The corrupted aircraft file (which may just be from a different version of the simulator) is: ",
           file_line);
    app_C(file_line, pln.C_file);
    C_to_C("The desired checkpoint was: ", want_line);
    i_to_cs(expected, number);
    app_C(want_line, number);
    C_to_C("The data that was actually read in from the file was: ", got_line);
    i_to_cs(got, number);
    app_C(got_line, number);
    inf_close();
    MACIBM_exitalert("An error occurred during read-in of the aircraft file. A checkpoint was not met. "
                     "This means that the file cannot be read correctly.",
                     file_line, want_line, got_line);
}

void checkpoint(int expected)
{
    if (progress_step) {
        progress_step();
        progress_step();
    }
    rln();
    int got = intscan();
    rln();
    if (got != expected)
        checkpoint_failed(expected, got);
}

// File units into SI by the constants record; a value whose conversion would
// leave the float range is limited so nothing downstream turns infinite.
static float to_si(float v, int conv)
{
    switch (conv) {
    case SC_FT: v *= con.fttomtrs; break;
    case SC_SQFT: v *= con.sftosmtr; break;
    case SC_HP: v *= con.hptowatt; break;
    case SC_RPM: v *= con.rpmtorsc; break;
    case SC_LBF: v *= con.lbstontn; break;
    case SC_LBM: v *= con.lbstokgs; break;
    case SC_FTLB: v *= con.ftlbtonm; break;
    case SC_KT: v *= con.ktstomsc; break;
    default: break;
    }
    return fltlim(v, -MAX_FILE_VALUE, MAX_FILE_VALUE);
}

static void read_int_item(const AcfItem &it, char *field)
{
    int v = intscan();
    if (it.conv == SC_PROPDIR)
        *(float *)field = v == 0 ? 1.0f : -1.0f;
    else if (it.conv == SC_FLAG)
        *(int *)field = v == 1;
    else
        *(int *)field = v;
}

static void read_flt_item(const AcfItem &it, char *field)
{
    if (it.conv == SC_WHOLE)
        *(float *)field = (float)intscan();
    else if (it.conv == SC_WHOLE_INT)
        *(int *)field = intscan();
    else
        *(float *)field = to_si(fltscan(), it.conv);
}

static void read_fuselage()
{
    for (int i = 0; i < N_FUSE_STATIONS; i++)
        for (int j = 0; j < N_FUSE_RADIALS; j++) {
            pln.fuse_x[i][j] = to_si(fltscanNOSN(), SC_FT);
            pln.fuse_y[i][j] = to_si(fltscanNOSN(), SC_FT);
            pln.fuse_z[i][j] = to_si(fltscanNOSN(), SC_FT);
            rln();
        }
}

// A device row of an existing part raises the aircraft-wide device flag.
static void read_row(const AcfItem &it, int part)
{
    char *elements = sim_field(it, part);
    int any = 0;
    for (int e = 0; e < pln.els[part]; e++) {
        if (it.kind == AK_ROWF) {
            ((float *)elements)[e] = to_si(fltscanNOSN(), SC_SAME);
        } else {
            ((int *)elements)[e] = bolscanNOSN();
            any |= ((int *)elements)[e];
        }
    }
    rln();
    if (it.sim_eq_off >= 0 && any && pln.foileq[part])
        *(int *)((char *)&pln + it.sim_eq_off) = 1;
}

static void read_els(int part)
{
    int n = intscan();
    if (checked_els(n) < 0)
        checkpoint_failed(PART_CHECKPOINT[part], n);
    pln.els[part] = n;
    pln.dblel[part] = (float)n;
}

static void read_item(const AcfItem &it, int part)
{
    if (it.conv == SC_SKIP) {
        rln();   // a designer-only value
        return;
    }
    char *field = sim_field(it, part);
    switch (it.kind) {
    case AK_CHECK: checkpoint(it.number); break;
    case AK_FLAG: *(int *)field = bolscan(); break;
    case AK_INT: read_int_item(it, field); break;
    case AK_ELS: read_els(part); break;
    case AK_FLT: read_flt_item(it, field); break;
    case AK_PAIR1: *(float *)field = to_si(fltscanNOSN(), SC_SAME); break;
    case AK_STR: spacescan(field); break;
    case AK_ROWF:
    case AK_ROWB: read_row(it, part); break;
    case AK_NSTATIONS:
    case AK_NRADIALS: check_fuselage_count(it.kind); break;
    case AK_FUSE: read_fuselage(); break;
    }
}

static void read_items(const AcfItem *items, int n, int part)
{
    for (int k = 0; k < n; k++)
        if (!items[k].props_only || part <= 1)
            read_item(items[k], part);
}

void grabapart(int checkpoint_number, int part, float *span_arms)
{
    assert(part >= 0 && part < MAX_PARTS);
    checkpoint(checkpoint_number);
    read_items(PART_ITEMS, N_PART_ITEMS, part);
    pln.foileq[part] = pln.semiB[part] > 0.01f;
    for (int e = 0; e < pln.els[part]; e++)
        span_arms[e] = ((e + 0.5f) / pln.dblel[part]) * pln.semiB[part];
}

// Parts 0 and 1 exist by the engines, whatever their semi-span says.
static void decide_engine_parts()
{
    if (pln.numen == 0)
        pln.entype = 0;
    int props = pln.entype == 1 || pln.entype == 2;
    pln.foileq[0] = props || pln.is_heli;
    pln.foileq[1] = (props && pln.numen == 2) || pln.is_heli;
}

static void grab_part_block(int part)
{
    // Propellers and rotors keep their ring radii as element arms; wings,
    // stabiliser and fins their span arms, from which calcsweepgeo places
    // the elements.
    float *span_arms = part <= 1 ? pln.xarm[part] : pln.spanarm[part];
    grabapart(PART_CHECKPOINT[part], part, span_arms);
    if (part == 1)
        decide_engine_parts();
}

// Density deficit at the critical altitude: 1 - (1 - 2.306e-5 h)^4.14, the
// standard-atmosphere density ratio with h in metres; limited at the top of
// that formula's range, where the base would turn negative.
static float turboboost_at(float critalt_m)
{
    float base = fltmax2(1.0f - 2.306e-5f * critalt_m, 0.0f);
    return 1.0f - powf(base, 4.14f);
}

static void adjust_after_reading()
{
    pln.as_is_kias = pln.asi_type == 2;
    if (pln.is_heli)
        pln.layouttype = 8;
    if (pln.numen == 0)
        pln.entype = 0;
    pln.turboboost = turboboost_at(pln.critalt);
    for (int p = 4; p < MAX_PARTS; p++)
        pln.strp[p] = 0;
    C_to_C(pln.C_appdir, pln.flap_path);
    app_C(pln.flap_path, "flaps/");
    if (strlen(pln.flap_path) + strlen(pln.flap_str) < MAX_STR)
        app_C(pln.flap_path, pln.flap_str);
    if (!pln.gearEQ)
        pln.retractEQ = 0;
    pln.nwsteerEQ = pln.nwsteer != 0.0f;
    if (pln.mgearx < pln.ngearx)
        pln.nwsteer = -pln.nwsteer;
    pln.cosjato = lcos[deg_index((float)pln.jatotheta)];
    pln.sinjato = lsin[deg_index((float)pln.jatotheta)];
    pln.collect_eq = pln.is_heli || (pln.vectEQ && pln.entype != 3);
    pln.flying_stab = fabsf(pln.hstbtrimmax) > 0.01f && !pln.is_heli;
    if (!pln.flying_stab)
        pln.hstbtrimmax = pln.is_heli ? 0.8f : 0.4f;
    pln.puffEQ = pln.puffL > 0.0f || pln.puffM > 0.0f || pln.puffN > 0.0f;
    if (pln.AShiV - pln.ASloV < 1.0f)
        pln.AShiV = pln.ASloV + 1.0f;
    // At the file's largest values ASloV + 1 rounds back to ASloV; the band
    // divides the stability gains, so it never drops below 1.
    pln.ASdelV = fltmax2(pln.AShiV - pln.ASloV, 1.0f);
    for (int p = 2; p < MAX_PARTS; p++)
        pln.sweepnow[p] = (pln.autosweep && pln.varsweepEQ[p]) ? pln.sweep2[p] : pln.sweep1[p];
}

void readin_plane(void (*progress)())
{
    progress_step = progress;
    pln.ailnEQ = pln.splrEQ = pln.flapEQ = pln.slatEQ = 0;
    pln.sbrkEQ = pln.drudEQ = pln.elevEQ = pln.ruddEQ = 0;
    for (int s = 0; s < N_ACF_SECTIONS; s++) {
        const AcfSection &sec = ACF_SECTIONS[s];
        if (sec.kind == SEC_PART)
            grab_part_block(sec.part);
        else
            read_items(sec.items, sec.nitems, sec.part);
    }
    // A file cut short after the last checkpoint would leave zeros behind.
    if (!inf_good())
        checkpoint_failed(117, 0);
    inf_close();
    progress_step = nullptr;
    adjust_after_reading();
}
