// The aircraft load: finds the aircraft file (asking the user for another
// one while it cannot be opened), reads it, and runs the derivation steps,
// the design checks and the geometry report in their fixed order.
#include <cmath>
#include <cstdio>
#include <cstring>

#include "flight/load_local.h"
#include "flight/flight.h"

static void (*load_progress)();   // during load_plane only

constexpr int SEPARATOR_LEN = 100;
constexpr unsigned char SEPARATOR_BYTE = 0xA5;

// The file's path: a full path as it stands, else under the program folder.
static void aircraft_path(char *path)
{
    if (pln.C_file[0] == '/') {
        C_to_C(pln.C_file, path);
        return;
    }
    C_plus_C(pln.C_appdir, pln.C_file, path);
}

// Remembers a file chosen in the open dialog: relative to the program folder
// when it lies inside it, else by its full path, so the next load (and the
// preferences) find it where the user picked it.
static void remember_choice(const char *chosen)
{
    size_t n = strlen(pln.C_appdir);
    if (n > 0 && strncmp(chosen, pln.C_appdir, n) == 0)
        C_to_C(chosen + n, pln.C_file);
    else
        C_to_C(chosen, pln.C_file);
}

static void open_aircraft_file()
{
    char path[MAX_STR];
    aircraft_path(path);
    while (!inf_open(path, ACF_VERSION, 0)) {
        MACIBM_alert("The aircraft file that you last used ", path,
                     "could not be found in the same folder as the 'Vortan' application.",
                     "I will therefore shunt you directly to the aircraft opening routine, where you will select the aircraft you want to fly.");
        char title[MAX_STR];
        C_to_C(pln.C_file, title);
        if (!MACIBM_open(title, path, FILE_TYPE_AIRCRAFT))
            MACIBM_exitalert("File opening failed or aborted.", "", "", "");
        remember_choice(path);
    }
    C_to_C(path, pln.C_path);
}

// The name shown to the user: the file's own name without its four-character
// suffix (a name of four characters or fewer is kept whole).
static void set_name()
{
    const char *slash = strrchr(pln.C_file, '/');
    C_to_C(slash ? slash + 1 : pln.C_file, pln.C_name);
    size_t n = strlen(pln.C_name);
    if (n > 4)
        pln.C_name[n - 4] = 0;
}

static void separator(char *line)
{
    memset(line, SEPARATOR_BYTE, SEPARATOR_LEN);
    line[SEPARATOR_LEN] = 0;
}

// Both report files start the load with the separated "Simulating" header;
// the data file keeps its earlier contents.
static void start_reports()
{
    char sep[SEPARATOR_LEN + 1], path[MAX_STR];
    separator(sep);
    load_report_open();
    load_printf("%s\nSimulating %s\n%s\n", sep, pln.C_file, sep);
    if (box_sink) {
        char head[2 * SEPARATOR_LEN + MAX_STR + 16];
        snprintf(head, sizeof head, "%s\nSimulating %s\n%s\n", sep, pln.C_file, sep);
        box_sink(head);
        return;
    }
    if (!user_file_path(USER_DATA, "Vortan.box", path))
        return;
    FILE *box = fopen(path, "ab");
    if (box) {
        fprintf(box, "%s\nSimulating %s\n%s\n", sep, pln.C_file, sep);
        fclose(box);
    }
}

// Loads at the start of a flight: three quarters of the fuel and of the
// payload the maximum weight leaves, and all the water.
static void initial_loads()
{
    flt.m_fuel = 0.75f * pln.m_fuel;
    flt.m_water = pln.m_water;
    flt.m_fixed = 0.75f * (pln.m_max - pln.m_fuel - pln.m_water - pln.m_empty);
}

// A new load starts from a clean aircraft, so nothing of the previous one
// (a part it had, its tables) survives; only the names are kept.
static void clear_aircraft()
{
    char file[MAX_STR], path[MAX_STR], appdir[MAX_STR];
    C_to_C(pln.C_file, file);
    C_to_C(pln.C_path, path);
    C_to_C(pln.C_appdir, appdir);
    memset(&pln, 0, sizeof pln);
    memset(&afl, 0, sizeof afl);
    C_to_C(file, pln.C_file);
    C_to_C(path, pln.C_path);
    C_to_C(appdir, pln.C_appdir);
}

static void read_and_place()
{
    readin_plane(load_progress);
    for (int p = 0; p < MAX_PARTS; p++)
        part_geometry(p);
    for (int p = 2; p < MAX_PARTS; p++)
        calcsweepgeo(p);
    for (int i = 0; i < 2; i++) {
        pln.sin_vertcant[i] = sinf(pln.vertcant[i] * con.degtorad);
        pln.cos_vertcant[i] = cosf(pln.vertcant[i] * con.degtorad);
    }
    set_control_effectiveness();
    initial_loads();
}

void load_plane(void (*progress)())
{
    load_progress = progress;
    open_aircraft_file();
    clear_aircraft();
    start_reports();
    set_name();
    read_and_place();
    finish_readin();
    shift_to_cg();
    fuselage_quantities();
    ground_equilibrium();
    instrument_scalings();
    propwash_angles();
    slat_effects();
    if (pln.flapEQ)
        grabflaps(pln.flap_path);
    check_design();
    dump_geo();
    load_report_close();
}
