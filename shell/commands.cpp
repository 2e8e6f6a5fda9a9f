// The menu commands: every item of the menu bar and of the location
// sub-menus the region loader fills, going to an airport by its
// identifier, and starting afresh in a region chosen by latitude and
// longitude. Every command first closes the sub-windows, so the flight goes
// on afterwards unless the command opens one.
#include "shell/local.h"

#include <cstring>

#include "atc/atc.h"
#include "files/files.h"
#include "flight/flight.h"
#include "panel/panel.h"
#include "sound/sound.h"
#include "world/world.h"

// Location sub-menu items: (airport + first) x 100 + runway end.
struct StartRange { int first, start_kind; };
static const StartRange START_RANGES[3] = {{15, 900}, {75, 1000}, {135, 1100}};
constexpr int APTS_PER_RANGE = 60;

// ---------------------------------------------------------------- locations
// The flight starts again at the airport msc.loc_index: its runways, tower
// and hangars are built (and the weather limited to the field) before the
// aircraft is placed on one, and the view lays out its palette and drawn
// range afresh.
static void start_at_current_airport()
{
    setnewlocale();
    reset_scene_state();
    set_fltvars(4, 0);
}

void set_up_env_with_request_latlon()
{
    msc.loc_index = 0;
    msc.typestart = 900;
    msc.rway_sel = 1;
    load_region(1);
    start_at_current_airport();
}

int location_item(int item, int *apt, int *rway, int *kind)
{
    for (const StartRange &r : START_RANGES) {
        int n = item / 100 - r.first;
        if (n < 0 || n >= APTS_PER_RANGE)
            continue;
        *apt = n;
        *rway = item % 100;
        *kind = r.start_kind;
        return 1;
    }
    return 0;
}

static void start_at_location(int item)
{
    int apt, rway, kind;
    if (!location_item(item, &apt, &rway, &kind) || apt > env.apt_max)
        return;   // an item of a region no longer loaded
    msc.typestart = kind;
    msc.loc_apt = apt;
    msc.loc_index = env.apt_to_index[apt];
    msc.rway_sel = rway;
    start_at_current_airport();
    MACIBM_invalwind(0);
}

static int same_id(const char *id, char c1, char c2, char c3)
{
    return id[0] == c1 && id[1] == c2 && id[2] == c3;
}

void gotofield(char c1, char c2, char c3)
{
    int found = -1;
    for (int k = 0; k <= env.aid_max_used && k < MAX_APT_US && found < 0; k++)
        if (same_id(aid_id[k], c1, c2, c3))
            found = k;
    char id[4] = {c1, c2, c3, 0};
    if (found < 0) {
        MACIBM_alert("I could not find an airport with the following ID anywhere in the country:", id,
                     "Small airports (with a NUMBER for the first digit) are not simulated.",
                     "There are still over 2,800 airports simulated by Vortan.");
        return;
    }
    env.lat_south = (int)aid_lat[found];
    env.lon_west = (int)aid_lon[found] + 1;
    msc.loc_index = 0;
    load_region(1);
    msc.typestart = 900;
    msc.rway_sel = 1;
    int here = -1;
    for (int n = 0; n <= env.apt_max; n++)
        if (same_id(env.navID[env.apt_to_index[n]], c1, c2, c3))
            here = n;   // the last match wins
    if (here >= 0) {
        msc.loc_apt = here;
        msc.loc_index = env.apt_to_index[here];
    } else {
        MACIBM_alert("I should find the requested airport in this region.",
                     "However, I was unable to find an airport in this region with the requested ID.",
                     "I suggest that you use the 'Set Lat/Lon' item in the 'Settings' menu to get near the airport...",
                     "...and then select that airport from the 'Location' menu.");
    }
    start_at_current_airport();
}

static void favorite(int item)
{
    static const char IDS[6][4] = {"SBD", "BIH", "ASE", "O26", "PSP", "TRM"};
    const char *id = IDS[item - 1401];
    gotofield(id[0], id[1], id[2]);
    MACIBM_invalwind(0);
}

// ---------------------------------------------------------------- file, views, output
static void open_aircraft()
{
    char file[MAX_STR] = "", path[MAX_STR];
    ap_dir("Aircraft", "", path);   // the shipped aircraft; any folder may be chosen
    if (!MACIBM_open(file, path, FILE_ACF))
        return;   // the aircraft flown so far stays
    remember_aircraft(path);
    msc.typestart = 900;
    msc.rway_sel = 1;
    stop_engine_and_wind();
    load_plane(show_init);
    play_engine_and_wind();
    set_fltvars(4, 0);
    MACIBM_invalwind(0);
}

static int has_panel(int view)
{
    return view != VIEW_FULL_SCREEN && view != VIEW_LEFT && view != VIEW_RIGHT;
}

static void choose_view(int item)
{
    int had_panel = has_panel(set.viewtype);
    set.viewtype = item;
    for (int v = VIEW_FORWARD; v <= VIEW_FULL_SCREEN; v++)
        MACIBM_check_menu(6, v, v == item);
    set_mon(0, 0.0f);
    if (!had_panel && has_panel(item))
        MACIBM_invalwind(0);   // the panel comes back whole
}

static void open_map(int type)
{
    msc.map_type = type;
    MACIBM_startwind(2, 1);
}

static void graph_record()
{
    for (int k = 0; k < 4; k++)
        if (set.grfsel[k] >= 0) {
            grf.lefttime = 0;
            MACIBM_startwind(13, 1);
            return;
        }
    MACIBM_alert("You have not selected any data to view!",
                 "Go to the 'Settings' menu, and select 'Set Data Output'.",
                 "Then select whatever data you want to view... the middle column selects data for graphical viewing.",
                 "Then fly around for awhile and then view the data with this menu item.");
}

static void approach_chart(int item)
{
    msc.map_type = 999;
    msc.topplate = item - 509;
    if (mnw.up[16])
        MACIBM_invalwind(16);
    MACIBM_startwind(16, 1);
}

// The Output menu: the items after the approach charts move with the
// number of airports in the region.
static void output_command(int item)
{
    if (item == 501)
        graph_record();
    else if (item >= 503 && item <= 505)
        open_map(item);
    else if (item == 506)
        start_movie();
    else if (item == 507)
        MACIBM_startwind(15, 1);
    else if (env.apt_max >= 0 && item >= 509 && item <= 509 + env.apt_max)
        approach_chart(item);
    else if (env.apt_max >= 0 && item == 511 + env.apt_max)
        resetpat();
}

static void toggle_lamp()
{
    scn.lamp = scn.lamp != 0.0f ? 0.0f : 1.0f;
    MACIBM_check_menu(6, 620, scn.lamp != 0.0f);
}

// ---------------------------------------------------------------- information
static void instructions(int item)
{
    switch (item) {
    case 707:
        MACIBM_alert("The joystick or yoke will the operate ailerons and elevator. Rudder pedals will operate the rudder. (Rudder will stay centered if you don't have pedals).",
                     "If you have a Thrust-Master throttle or a throttle wheel on your joystick, it will operate the aircraft throttle.",
                     "If you have no joystick or yoke, the mouse will work instead... just click in the center of the windshield to actviate mouse control.",
                     "Go to the 'Settings' menu and select 'Set Flight Mode...' to assign nosewheel steering.");
        break;
    case 708:
        MACIBM_alert("Instructions are hardly needed. Just point and click to operate controls.",
                     "Click above radio frequency knobs to increase frequency, below them to decrease.",
                     "Click on the left and right side of the HSI OBS button to change the HSI OBS. Same with the pressure-setting on the altimeter.",
                     "Just click the mouse wherever you want the throttle, flaps, etc to be to move them.");
        break;
    case 709:
        MACIBM_alert("You never have to use the keyboard.",
                     "If you want to use the keyboard, equivalents are available for almost everything.",
                     "See the manual for a complete list of keyboard equivalents.",
                     "You can also hit all the keys listed in the view menu to select views.");
        break;
    case 710: atc_instructions(); break;
    case 711:
        MACIBM_alert("Something not working as it should?",
                     "Look in 'Error.out' in your data folder (~/.local/share/vortan/): the last lines say what went wrong.",
                     "'Reset Preferences and Exit' in this menu brings back the factory settings if the preferences seem damaged.",
                     "Send the 'Error.out' file and a few words about what you were doing with your report.");
        break;
    default:
        MACIBM_alert("Vortan, a flight simulator for Linux.",
                     "Every aircraft flies by its own shape: wings, tail, propellers and rotors are worked out element by element, twice a frame.",
                     "Design your own aircraft in Airwright and your own airfoils in Foilwright.", "");
        break;
    }
}

static void special_command(int item)
{
    if (item == 701 && select_alternate_environment())
        set_up_env_with_request_latlon();
    else if (item == 703)
        set.cycoutwaiting = 1;
    else if (item == 705)
        reset_prefs_and_exit();
    else if (item >= 707 && item <= 711)
        instructions(item);
}

// ---------------------------------------------------------------- the dispatcher
// A ship start with no ship in the region would end the program (the start
// has nowhere to put the aircraft); chosen from the menu, the flight goes
// on where it was instead.
static void ship_command(int start)
{
    int i, j;
    if (!nearest_ship((float)flt.x, (float)flt.y, start != 9, &i, &j)) {
        MACIBM_alert("I can't find any ships in the area!", "Your flight goes on where it was.", "", "");
        return;
    }
    set_fltvars(start, 0);
    MACIBM_invalwind(0);
}

static void location_command(int item)
{
    if (item == 309)
        MACIBM_startwind(1, 1);
    else if (item == 310 || item == 311)
        open_map(item == 310 ? 503 : 504);
    else if (item == 312 || item == 313)
        MACIBM_startwind(item == 312 ? 3 : 4, 1);
    else if (item >= 317 && item <= 319)
        ship_command(item - 308);   // 9 frigate, 10 carrier approach, 11 catapult
}

static void numbered_command(int item)
{
    if (item >= 1201 && item <= 1299 && item - 1201 <= env.vor_max) {
        set_fltvars(6, env.vor_to_index[item - 1201]);
        MACIBM_invalwind(0);
    } else if (item >= 1301 && item <= 1399 && item - 1301 <= env.ndb_max) {
        set_fltvars(7, env.ndb_to_index[item - 1301]);
        MACIBM_invalwind(0);
    } else if (item >= 1401 && item <= 1406) {
        favorite(item);
    } else if (item >= 1500 && item < 19500) {
        start_at_location(item);
    }
}

void handlemenu(int item)
{
    set.dragging = 0;
    for (int k = 1; k < MAX_SIM_WINDOWS; k++)
        MACIBM_killwind(k);
    switch (item / 100) {
    case 2:
        if (item == 201)
            open_aircraft();
        else if (item == 203)
            load_situation();
        else if (item == 204)
            save_situation();
        else if (item == 206)
            exit_simulator();
        break;
    case 3: location_command(item); break;
    case 4:
        if (item >= 401 && item <= 415 && item % 2)
            MACIBM_startwind(5 + (item - 401) / 2, 1);
        break;
    case 5: output_command(item); break;
    case 6:
        if (item >= VIEW_FORWARD && item <= VIEW_FULL_SCREEN)
            choose_view(item);
        else if (item == 617 || item == 618)
            set_mon(-1, item == 617 ? 2.0f : 0.5f);
        else if (item == 620)
            toggle_lamp();
        break;
    case 7: special_command(item); break;
    case 8: instructions(item); break;
    default: numbered_command(item); break;
    }
    set.dragging = 0;
}
