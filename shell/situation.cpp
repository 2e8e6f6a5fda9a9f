// Situation files (the preferences' sections followed by the aircraft's
// position, heading and speed), saved and loaded from the File menu, and the
// two ways the File and Special menus end the program: Exit, which keeps the
// preferences, and Reset, which disables them.
#include "shell/local.h"

#include <cmath>
#include <cstdio>

#include "atc/atc.h"
#include "files/files.h"
#include "flight/flight.h"
#include "output/output.h"
#include "panel/panel.h"
#include "sound/sound.h"
#include "view/view.h"
#include "world/world.h"

constexpr int SITUATION_VERSION = 40;
constexpr int PREFS_FILE_KIND = 305;
constexpr float MAX_SITUATION_M = 1.0e7f;   // beyond any region, m

// ---------------------------------------------------------------- snapshot
// Everything a situation read may change, so that a refused file leaves the
// flight exactly as it was.
static struct {
    char plane_file[MAX_STR], plane_path[MAX_STR], env_path[MAX_STR];
    int lat_south, lon_west;
    miscstruct msc;
    settingstruct set;
    navstruct nav;
    atcstruct atc;
    int time;
    atmospherestruct atm;
} saved;

static void take_snapshot()
{
    C_to_C(pln.C_file, saved.plane_file);
    C_to_C(pln.C_path, saved.plane_path);
    C_to_C(env.C_path, saved.env_path);
    saved.lat_south = env.lat_south;
    saved.lon_west = env.lon_west;
    saved.msc = msc;
    saved.set = set;
    saved.nav = nav;
    saved.atc = atc;
    saved.time = scn.time;
    saved.atm = atm;
}

static void restore_snapshot()
{
    C_to_C(saved.plane_file, pln.C_file);
    C_to_C(saved.plane_path, pln.C_path);
    C_to_C(saved.env_path, env.C_path);
    env.lat_south = saved.lat_south;
    env.lon_west = saved.lon_west;
    msc = saved.msc;
    set = saved.set;
    nav = saved.nav;
    atc = saved.atc;
    scn.time = saved.time;
    atm = saved.atm;
}

// ---------------------------------------------------------------- save
int write_situation(const char *path)
{
    if (!ouf_open(path, FILE_SIT, SITUATION_VERSION))
        return 0;
    dump_prefs();
    ouf_printf("%f situation data\n", flt.x - (double)planex[0][0]);
    ouf_printf("%f situation data\n", flt.y - (double)planey[0][0]);
    ouf_printf("%f situation data\n", flt.z);
    ouf_printf("%f situation data\n%f situation data\n", flt.psi, flt.v);
    return ouf_close();
}

// An installed program's folder takes no new files: situations then go to
// the user's own folder of them, made on the first save.
static constexpr const char *SITUATIONS = "Situations";

void save_situation()
{
    char file[MAX_STR] = "Untitled.sit", here[MAX_STR], path[MAX_STR];
    ap_dir("", file, here);
    save_proposal(here, SITUATIONS, path);
    if (!MACIBM_save(file, path, FILE_SIT))
        return;
    if (!write_situation(path))
        MACIBM_alert("I could not save this situation:", path,
                     "The disk may be full or the folder may be write-protected.",
                     "Any file that was there before is unchanged.");
}

// ---------------------------------------------------------------- load
// The five position lines; each must be a finite number within reach.
static int grab_position()
{
    float v[5];
    for (float &x : v) {
        x = fltscan();
        if (!inf_good() || !std::isfinite(x) || fabsf(x) > MAX_SITUATION_M)
            return 0;
    }
    // From the saved region's south-west corner: the region is loaded
    // afresh below, and the corner is then added.
    set.cus_x = v[0];
    set.cus_y = v[1];
    set.cus_z = v[2];
    set.cus_psi = v[3];
    set.cus_v = v[4];
    return 1;
}

// Opens the file: 1 when it is a situation of this version. Otherwise says
// why (it cannot be opened, or it is of another version) and returns 0;
// a file of another version is refused rather than ending the program.
static int open_situation(const char *file, const char *path)
{
    if (inf_open(path, SITUATION_VERSION, 1))
        return 1;
    inf_close();
    FILE *f = fopen(path, "rb");
    if (!f) {
        MACIBM_alert("Couldn't open file:", file, "Couldn't open path:", path);
        return 0;
    }
    fclose(f);
    MACIBM_alert("The following file is the wrong version for this version of Vortan:", path,
                 "I cannot read this situation.", "We will just pretend this never happened.");
    return 0;
}

// Reads the open situation; on any fault puts back everything it changed.
static int read_situation()
{
    take_snapshot();
    int ok = grab_prefs() && grab_position();
    inf_close();
    if (ok)
        return 1;
    restore_snapshot();
    MACIBM_alert("Couldn't read prefs file!", "Are situation and Vortan the same version?",
                 "I cannot read this situation.", "We will just pretend this never happened.");
    return 0;
}

// The flight goes on from the situation: region, aircraft, custom start.
static void fly_situation()
{
    msc.loc_index = 0;
    load_region(1);
    set.cus_x += planex[0][0];
    set.cus_y += planey[0][0];
    stop_engine_and_wind();
    load_plane(nullptr);
    play_engine_and_wind();
    setnewlocale();   // an airport of the new region; the view then keeps the nearest
    reset_scene_state();
    set_fltvars(5, 0);
    set_rlt_grf_choices();
    cleargraph();
    MACIBM_invalwind(0);
}

int read_situation_file(const char *file, const char *path)
{
    return open_situation(file, path) && read_situation();
}

void load_situation()
{
    // The dialog lists the situation files of the program folder, or of the
    // user's folder of them where the program folder takes no new files.
    char file[MAX_STR] = "*.sit", path[MAX_STR] = "", here[MAX_STR];
    ap_dir("", file, here);
    if (!folder_of_writable(here) && !user_kind_folder(SITUATIONS, path, 0))
        path[0] = 0;
    if (!MACIBM_open(file, path, FILE_SIT))
        return;
    if (read_situation_file(file, path))
        fly_situation();
}

// ---------------------------------------------------------------- the end
void exit_simulator()
{
    if (is_exiting())
        MACIBM_exitalert(nullptr, nullptr, nullptr, nullptr);   // a quit during the end's alert
    set_exiting(1);
    if (env.apt_max >= 0 && start_up_done()) {   // never the state of a start-up cut short
        int ok = ouf_open(prefs_path, PREFS_FILE_KIND, SITUATION_VERSION);
        if (ok) {
            dump_prefs();
            ok = ouf_close();
        }
        if (!ok)
            MACIBM_alert("I could not save your preferences in:", prefs_path,
                         "The next start will use the preferences saved before.", "");
        out_report_text("\n\nend simulation.");
    }
    MACIBM_exitalert(nullptr, nullptr, nullptr, nullptr);
}

void reset_prefs_and_exit()
{
    MACIBM_exitalert("I have disabled the preferences file.",
                     "The next time you start Vortan or, it will revert to the factory settings.",
                     "This should allow normal operation if the preferences file has become corrupted somehow.",
                     "I will now terminate the program. Run Vortan again to start in the standard condition.");
}
