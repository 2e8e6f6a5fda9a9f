// The simulator's airfoil and flap readers: each airfoil row is checked
// against the angle its place in the file stands for and for negative drag,
// so a damaged or foreign file stops the load with a message instead of
// flying on wrong tables.
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "files/local.h"

static const char *const PART_USE_LINE[MAX_PARTS] = {
    "The foil file is used by the prop.",
    "The foil file is used by the tail rotor.",
    "The foil file is used by wing number one.",
    "The foil file is used by wing number two.",
    "The foil file is used by the horiz stab.",
    "The foil file is used by vertical stab number one.",
    "The foil file is used by vertical stab number two.",
};

// Where one airfoil's values go, and the lines its messages name it by.
struct AirfoilTarget {
    const char *name;
    char name_line[MAX_STR];
    const char *part_line;
    int EN, Re, RT;
};

// A table value from a file, limited so no later product turns infinite.
static float table_value(float v) { return fltlim(v, -MAX_FILE_VALUE, MAX_FILE_VALUE); }

void wingalign(float alpha_read, float alpha_expected, const char *name)
{
    if (fabsf(alpha_read - alpha_expected) <= 0.00001f)
        return;
    fprintf(stderr, "Exited because looking in wingfile %s for alpha %.0f but getting %.0f.\n", name,
            alpha_expected, alpha_read);
    MACIBM_exitalert("An error occurred during read-in of the airfoil file.",
                     "Either the file has been corrupted, or it is not really an airfoil file.",
                     "The corrupted file is:", name);
}

[[noreturn]] static void airfoil_corrupted(const AirfoilTarget &t)
{
    MACIBM_exitalert("An airfoil file that is required by the aircraft you are attempting to fly is corrupted.",
                     t.name_line, t.part_line, "Revert to back-up.");
}

// Drag may dip to -0.01 just below zero alpha (rounding of a drag bucket
// there); anywhere else any negative drag is impossible.
static void check_drag(const AirfoilTarget &t, float cd, int near_zero_neg)
{
    if (cd < (near_zero_neg ? -0.01f : 0.0f))
        MACIBM_exitalert("An airfoil used by this aircraft has negative drag at some angle of attack!",
                         t.name_line, t.part_line,
                         "This is not possible! Modify the airfoil in 'Foilwright' to have positive drag.");
}

static void read_run(const AirfoilTarget &t, int r)
{
    const AflRowRun &run = AFL_RUNS[r];
    int pos = run.first >= 0;
    float *cl = pos ? afl.clpos[t.EN][t.Re][t.RT] : afl.clneg[t.EN][t.Re][t.RT];
    float *cd = pos ? afl.cdpos[t.EN][t.Re][t.RT] : afl.cdneg[t.EN][t.Re][t.RT];
    for (int i = run.first; i <= run.last; i++) {
        int slot = i < 0 ? -i : i;
        wingalign(fltscanNOSN(), alpha_of_index(i), t.name);
        if (run.has_cl)
            cl[slot - 100] = table_value(fltscanNOSN());
        cd[slot] = table_value(fltscanNOSN());
        rln();
        check_drag(t, cd[slot], r == 1);
    }
}

static void read_constant_lines(const AirfoilTarget &t)
{
    int flat = (t.EN * 2 + t.Re) * 2 + t.RT;
    for (int k = 0; k < N_AFL_CONST_LINES; k++)
        ((float *)((char *)&afl + AFL_CONST_LINES[k].sim_off))[flat] = table_value(fltscan());
}

// Names inside aircraft files were written on systems that ignore the case
// of file names; when `path` does not exist as written, the entry of its
// folder whose name matches without regard to case is taken instead.
static void match_case_blind(char *path)
{
    std::error_code err;
    std::filesystem::path wanted(path);
    if (std::filesystem::exists(wanted, err))
        return;
    std::filesystem::path folder = wanted.parent_path();
    std::string name = wanted.filename().string();
    std::filesystem::directory_iterator it(folder.empty() ? "." : folder, err), end;
    for (; !err && it != end; it.increment(err)) {
        std::string candidate = it->path().filename().string();
        if (candidate.size() < MAX_STR && names_match(candidate.c_str(), name.c_str())) {
            std::string found = it->path().string();
            if (found.size() < MAX_STR)
                C_to_C(found.c_str(), path);
            return;
        }
    }
}

// A part missing from the program's folder `kind` may be one the user
// made: an installed program's folders take no new files, so Foilwright
// saves in the user's folder of the same name, which is looked at next.
static void or_in_user_folder(const char *kind, char *path)
{
    std::error_code err;
    const char *slash = strrchr(path, '/');
    char mine[MAX_STR];
    if (std::filesystem::exists(path, err) || !user_kind_folder(kind, mine, 0) ||
        strlen(mine) + 1 + strlen(slash ? slash + 1 : path) >= MAX_STR)
        return;
    app_C(mine, "/");
    app_C(mine, slash ? slash + 1 : path);
    match_case_blind(mine);
    if (std::filesystem::exists(mine, err))
        C_to_C(mine, path);
}

static void open_airfoil(const AirfoilTarget &t)
{
    char path[MAX_STR];
    C_to_C(pln.C_appdir, path);
    app_C(path, "airfoils/");
    int fits = strlen(path) + strlen(t.name) < MAX_STR;
    if (fits) {
        app_C(path, t.name);
        match_case_blind(path);
        or_in_user_folder("airfoils", path);
    }
    if (!fits || !inf_open(path, PART_VERSION, 0))
        MACIBM_exitalert("An airfoil file that is required by the aircraft you are attempting to fly could not be found.",
                         t.name_line, t.part_line, "Make sure the missing airfoil file is in the 'airfoils' folder.");
}

// Re (millions) and the stall angle come from the constants line, read as
// one bounded line.
static void read_airfoil_constants(const AirfoilTarget &t)
{
    char line[MAX_STR];
    float vals[3];
    spacescan(line);
    if (parse_constants_line(line, vals, 3) != 3)
        airfoil_corrupted(t);
    pln.Re[t.EN][t.RT][t.Re] = vals[0];
    pln.alphamax[t.EN] = vals[2];
    rln();   // the column header
}

void grabafoil(const char *name, int EN, int Re, int RT)
{
    AirfoilTarget t;
    t.name = name;
    t.EN = intlim(EN, 0, MAX_PARTS - 1);
    t.Re = intlim(Re, 0, 1);
    t.RT = intlim(RT, 0, 1);
    t.part_line = PART_USE_LINE[t.EN];
    C_to_C("The name of the airfoil file is: ", t.name_line);
    if (strlen(t.name_line) + strlen(name) < MAX_STR)
        app_C(t.name_line, name);
    open_airfoil(t);
    if (intscan() != AIRFOIL_DEVICE_CODE)
        airfoil_corrupted(t);
    read_airfoil_constants(t);
    for (int r = 0; r < N_AFL_RUNS_NEG; r++)
        read_run(t, r);
    rln();
    read_constant_lines(t);
    rln();
    for (int r = N_AFL_RUNS_NEG; r < N_AFL_RUNS; r++)
        read_run(t, r);
    if (!inf_good())
        airfoil_corrupted(t);
    inf_close();
}

void checkRediff(const char *file_lo, const char *file_hi, int EN, int RT)
{
    EN = intlim(EN, 0, MAX_PARTS - 1);
    RT = intlim(RT, 0, 1);
    pln.delRe[EN][RT] = pln.Re[EN][RT][1] - pln.Re[EN][RT][0];
    if (fabsf(pln.delRe[EN][RT]) < 0.99f)
        MACIBM_exitalert("You are attempting Reynolds number interpolation with two airfoils of similar Reynolds numbers.",
                         file_lo, file_hi, "You must use Reynolds numbers at lest 1 meg apart for Re interpolation.");
}

[[noreturn]] static void flaps_corrupted(const char *path)
{
    MACIBM_exitalert("An error occurred during read-in of the flaps file.",
                     "Either the file has been corrupted, or it is not really a flaps file. The corrupted flaps file is: ",
                     path,
                     "Re-generate the flaps file by opening it up with the 'Foilwright' application and then saving it.");
}

void grabflaps(const char *flap_path)
{
    char path[MAX_STR];
    C_to_C(flap_path, path);
    match_case_blind(path);
    or_in_user_folder("flaps", path);
    if (!inf_open(path, PART_VERSION, 0))
        MACIBM_exitalert("The flap file that is required by the aircraft you are attempting to fly could not be found.",
                         "The name of the missing flap file is: ", path,
                         "Make sure the missing flap file is in the 'flaps' folder.");
    if (intscan() != FLAP_DEVICE_CODE)
        flaps_corrupted(path);
    rln();   // constants
    rln();   // column header
    // Each row starts with its own number; a row out of place means a
    // damaged file, whose values would otherwise land on the wrong setting.
    for (int d = 0; d < N_FLAP_ROWS; d++) {
        int row = intscanNOSN();
        pln.clflap[d] = table_value(fltscanNOSN());
        pln.cdflap[d] = table_value(fltscanNOSN());
        pln.cmflap[d] = table_value(fltscanNOSN());
        rln();
        if (row != d || !inf_good())
            flaps_corrupted(path);
    }
    inf_close();
}
