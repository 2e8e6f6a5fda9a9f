// Writes the program's painted art as palette PNG files for review: any
// bitmap resource (as painted, or as drawn at a time of day), every
// resource at once, a world with a sample of every rasterizer primitive,
// an aircraft drawn from the review cameras, or the live instrument panel
// of an aircraft in the flight state a batch scenario leaves it in.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "common/common.h"
#include "common/testsupport.h"
#include "files/files.h"
#include "shell/local.h"
#include "panel/panel.h"
#include "tools/art/plane_shot.h"
#include "tools/batch/batch.h"
#include "world/world.h"
#include "view/view.h"
#include "flight/flight.h"

static void usage()
{
    fprintf(stderr,
            "usage: vortan_art list\n"
            "       vortan_art bitmap ID OUT.png [TIME [DASHTYPE [LAMP]]]\n"
            "       vortan_art all DIR\n"
            "       vortan_art world DIR   (a world of sample primitives)\n"
            "       vortan_art plane ACF OUT.png CAMERA [TIME [DEFLECT]]\n"
            "                  (CAMERA front, side, above or below; TIME 1 day .. 4 night;\n"
            "                   DEFLECT 1 rolls right, pitches up and yaws right with half flap)\n"
            "       vortan_art panel SCENARIO OUT.png [TIME [DASHTYPE LAYOUT]]\n"
            "         (the panel after the batch scenario has flown; the program folder\n"
            "          is VORTAN_PROGRAM_DIR; the final state is printed as CSV)\n"
            "       vortan_art situation SCENARIO OUT.sit [TIME [BASE_FT TOPS_FT VIS_NM]]\n"
            "         (the state the scenario leaves, as a situation file for the simulator,\n"
            "          at a time of day 1..4 under a cloud layer; a base above 18000 ft is clear)\n"
            "       vortan_art view SCENARIO OUT.png [KEY=VALUE ...]\n"
            "         (the out-the-window view where the scenario leaves the aircraft; keys:\n"
            "          view=601..615, time=1..4, start=frigate|carrier|catapult, ahead= (m down\n"
            "          the 3.5-degree approach), base=, tops= (ft),\n"
            "          vis= (nm), rain=1..5, level=0..9, temp= (F), strike=1 (a bolt ahead),\n"
            "          traffic=1 (an aircraft crossing ahead), zoom=Z, frames=N)\n");
}

// A bitmap as MACIBM_bitmap draws it into window 0 at a time of day.
static int lit_bitmap(int id, const char *out, int time, int dashtype, float lamp)
{
    const BitmapResource *r = find_bitmap(id);
    if (!r)
        return 0;
    DrawSources src = {&time, &lamp, &dashtype, nullptr, nullptr};
    set_draw_sources(&src);
    set_xsys_colors();
    set_fixed_scene_colors();
    MACIBM_startwind(0, 0);
    MACIBM_fillrect(11, 0, 0, SCREEN_W, SCREEN_H, 1);
    MACIBM_bitmap(0, 0, id);
    int ok = test_write_window_png(0, out);
    set_draw_sources(nullptr);
    return ok;
}

static int sample_world(const char *dir)
{
    MACIBM_initgworld(0, SCREEN_W, 568);
    MACIBM_settogworld(0, SCREEN_W, 568, 62, 1);
    for (int k = 0; k < 40; k++)
        MACIBM_poly3(65 + k * 4, 20 + k * 19, 300, 40 + k * 19, 560, 5 + k * 19, 520, 1);
    for (int k = 0; k < 36; k++)
        MACIBM_line(23, 200, 150, 200 + iround(120 * lsin[k * 10]), 150 - iround(120 * lcos[k * 10]), 1);
    MACIBM_framerect(29, 400, 40, 200, 100, 1);
    for (int k = 0; k < 10; k++) {
        ADD_be(24, 11, 420 + k * 18, 60, k * 111);
        ADD_se(29, 11, 420 + k * 18, 80, k * 111);
        digit(420 + k * 16, 100, 5, 30, k, 1);
    }
    MACIBM_drstring(23, 620, 60, "THE QUICK BROWN FOX 0123456789", 1);
    fltnum(640, 100, -12.345f, 5, 3, 24, 6, 1, 3);
    char path[MAX_STR];
    snprintf(path, sizeof path, "%s/world_sample.png", dir);
    int ok = test_write_world_png(0, path);
    MACIBM_copytoport(0, 0, 0, 0, 0, SCREEN_W, 568, 1);
    MACIBM_disposegworld(0);
    if (ok)
        printf("%s\n", path);
    return ok;
}

static int all_bitmaps(const char *dir)
{
    for (int n = 0; bitmap_at(n); n++) {
        const BitmapResource *r = bitmap_at(n);
        char path[MAX_STR];
        snprintf(path, sizeof path, "%s/bitmap_%d_%s.png", dir, r->id, r->name ? r->name : "");
        if (!test_write_bitmap_png(r->id, path))
            return 0;
        printf("%s\n", path);
    }
    return 1;
}

static int plane_picture(const char *acf, const char *out, const char *camera, int time, int deflect)
{
    load_shot_aircraft(acf);
    if (!draw_plane_shot(camera, time, deflect))
        return 0;
    int ok = test_write_world_png(0, out);
    if (ok)
        printf("%s\n", out);
    return ok;
}

// The panel of the aircraft a batch scenario flew, in the state it left
// it in, drawn as the simulator draws it; optionally on another dash type
// or layout, and at a time of day (panel lighting).
static int live_panel(const char *scenario, const char *out, int time, int dash, int layout)
{
    static BatchScript script;
    if (!batch_read_script(scenario, &script, stderr) || batch_execute(&script, scenario, stdout, stderr))
        return 0;
    factory_radios();   // the batch runner leaves the radios unset
    if (dash == 1 || dash == 2) {
        pln.dashtype = dash;
        // The vertical-speed scale of the dash type, as the aircraft loading sets it.
        ins.msctoVVI = con.msctofpm * (dash == 2 ? 0.0225f : pln.VVItype == 2 ? 0.032f : 0.08f);
    }
    if (layout >= 1 && layout <= 8)
        pln.layouttype = layout;
    scn.time = time;
    static const DrawSources src = {&scn.time, &scn.lamp, &pln.dashtype, &msc.mx, &msc.my};
    set_draw_sources(&src);
    set_xsys_colors();
    set_fixed_scene_colors();
    MACIBM_startwind(0, 0);
    MACIBM_fillrect(11, 0, 0, SCREEN_W, SCREEN_H, 1);
    constexpr int SETTLE_UPDATES = 200;   // lagged needles (VSI, turn, compass) settle
    for (int k = 0; k < SETTLE_UPDATES; k++)
        updatepanel();
    int ok = test_write_window_png(0, out);
    set_draw_sources(nullptr);
    return ok;
}

// Value of KEY=VALUE among the arguments, or `fallback`.
static float key_value(int argc, char **argv, const char *key, float fallback)
{
    size_t n = strlen(key);
    for (int k = 0; k < argc; k++)
        if (!strncmp(argv[k], key, n) && argv[k][n] == '=')
            return (float)atof(argv[k] + n + 1);
    return fallback;
}

static const char *key_text(int argc, char **argv, const char *key)
{
    size_t n = strlen(key);
    for (int k = 0; k < argc; k++)
        if (!strncmp(argv[k], key, n) && argv[k][n] == '=')
            return argv[k] + n + 1;
    return "";
}

// A strike of the real lightning code that falls ahead of the aircraft,
// 3 to 15 km off, drawn at the start of its flash.
static void strike_ahead()
{
    for (auto &col : flt_wxr)
        for (float &v : col)
            v = 31.0f;
    for (int n = 0; n < 5000; n++) {
        atm.strike_up = 0;
        start_strike();
        if (!atm.strike_up)
            continue;
        float dx = atm.lightx[0][0] - (float)flt.x, dy = atm.lighty[0][0] - (float)flt.y;
        float d = sqrtf(dx * dx + dy * dy);
        float off = fltwrap(atan2f(dx, dy) * con.radtodeg - flt.psi, -180.0f, 180.0f);
        if (d > 3000.0f && d < 15000.0f && fabsf(off) < 20.0f)
            break;
    }
    atm.strike_start_time = msc.tottime;
    atm.strike_duration = 10.0f;
    atm.strike_lighting = 0;   // between flashes: the bolt against the dark storm
}

// The view of a scenario's end state: the start of the Location menu's
// ship starts, the time of day and weather, a bolt, a crossing aircraft.
static int scenario_view(const char *scenario, const char *out, int argc, char **argv)
{
    static BatchScript script;
    if (!batch_read_script(scenario, &script, stderr) || batch_execute(&script, scenario, stdout, stderr))
        return 0;
    const char *start = key_text(argc, argv, "start");
    int kind = !strcmp(start, "frigate") ? 9 : !strcmp(start, "carrier") ? 10 : !strcmp(start, "catapult") ? 11 : 0;
    if (kind)
        set_fltvars(kind, 0);
    // Further down the approach path (m along the heading, on its slope).
    float ahead = key_value(argc, argv, "ahead", 0.0f);
    flt.x += ahead * sinf(flt.psi * con.degtorad);
    flt.y += ahead * cosf(flt.psi * con.degtorad);
    flt.z -= ahead * tanf(CARR_GLIDE_DEG * con.degtorad);
    scn.time = intlim((int)key_value(argc, argv, "time", 1.0f), 1, 4);
    float base = key_value(argc, argv, "base", 20001.0f), tops = key_value(argc, argv, "tops", 20001.0f);
    atm.clear = base > 18000.0f;
    atm.baseMSL = base * con.fttomtrs;
    atm.topsMSL = tops * con.fttomtrs;
    atm.vis = key_value(argc, argv, "vis", 20.0f) * con.nmtomtrs;
    atm.rain_tstm = intlim((int)key_value(argc, argv, "rain", 1.0f), 1, 5);
    atm.level = key_value(argc, argv, "level", 0.0f);
    atm.temp_SL = key_value(argc, argv, "temp", 59.0f);
    set.viewtype = (int)key_value(argc, argv, "view", 601.0f);
    if (key_value(argc, argv, "strike", 0.0f) > 0.0f)
        strike_ahead();
    if (key_value(argc, argv, "traffic", 0.0f) > 0.0f) {
        // Traffic 0 crossing from right to left 500 m ahead, 60 m above.
        int h = deg_index(flt.psi);
        traf_x[0][0] = (float)flt.x + 500.0f * lsin[h] + 60.0f * lcos[h];
        traf_y[0][0] = (float)flt.y + 500.0f * lcos[h] - 60.0f * lsin[h];
        traf_z[0][0] = (float)flt.z + 60.0f;
        traf_h[0] = fltwrap(flt.psi - 125.0f, 0.0f, 360.0f);
        traf_v[0] = 0.0f;
        float ground;
        find_local_h(traf_x[0][0], traf_y[0][0], &ground, &traf_i[0], &traf_j[0], &traf_t[0]);
    }
    static const DrawSources src = {&scn.time, &scn.lamp, &pln.dashtype, &msc.mx, &msc.my};
    set_draw_sources(&src);
    set_xsys_colors();
    build_mark();   // the carrier's deck, as the simulator's start-up builds it
    build_vasi();
    build_cable();
    build_elev();
    MACIBM_initgworld(0, 800, 568);
    reset_scene_state();
    set_mon(0, 0.0f);
    set_mon(-1, key_value(argc, argv, "zoom", 1.0f));
    msc.prd = 0.05f;
    int frames = intlim((int)key_value(argc, argv, "frames", 1.0f), 1, 1000);
    for (int k = 0; k < frames; k++) {
        start_looking();
        msc.tottime += msc.prd;
    }
    int ok = test_write_world_png(0, out);
    set_draw_sources(nullptr);
    if (ok)
        printf("%s\n", out);
    return ok;
}

int main(int argc, char **argv)
{
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    // Loading an aircraft writes its report into the user's data folder:
    // keep the tool's own elsewhere.
    std::string user = (std::filesystem::temp_directory_path() / "vortan_art_user").string();
    setenv("XDG_DATA_HOME", user.c_str(), 1);
    setenv("XDG_CONFIG_HOME", user.c_str(), 1);
    if (argc < 2) {
        usage();
        return 2;
    }
    test_set_test_mode(1);
    int panel = !strcmp(argv[1], "panel") || !strcmp(argv[1], "situation") || !strcmp(argv[1], "view");
    if (panel)
        batch_init();   // the simulator's records, before the layer opens its windows
    register_panel_bitmaps();
    if (!MACIBM_init("Vortan", nullptr))
        return 1;
    int ok = 0;
    if (!strcmp(argv[1], "list")) {
        for (int n = 0; bitmap_at(n); n++)
            printf("%d %dx%d %s\n", bitmap_at(n)->id, bitmap_at(n)->width, bitmap_at(n)->height,
                   bitmap_at(n)->name ? bitmap_at(n)->name : "");
        ok = 1;
    } else if (!strcmp(argv[1], "bitmap") && argc >= 4) {
        int id = atoi(argv[2]);
        if (argc >= 5)
            ok = lit_bitmap(id, argv[3], atoi(argv[4]), argc >= 6 ? atoi(argv[5]) : 1,
                            argc >= 7 ? (float)atof(argv[6]) : 0.0f);
        else
            ok = test_write_bitmap_png(id, argv[3]);
    } else if (!strcmp(argv[1], "all") && argc >= 3) {
        ok = all_bitmaps(argv[2]);
    } else if (!strcmp(argv[1], "situation") && argc >= 4) {
        static BatchScript script;
        ok = batch_read_script(argv[2], &script, stderr) && !batch_execute(&script, argv[2], stdout, stderr);
        if (ok) {
            // The simulator accepts only the settings its preferences allow.
            scn.time = argc >= 5 ? intlim(atoi(argv[4]), 1, 4) : 1;
            if (argc >= 8) {
                atm.baseMSL = (float)atof(argv[5]) * con.fttomtrs;
                atm.topsMSL = (float)atof(argv[6]) * con.fttomtrs;
                atm.vis = (float)atof(argv[7]) * con.nmtomtrs;
                limwx();
            }
            msc.rway_sel = intmax2(msc.rway_sel, 1);
            factory_radios();
            ok = write_situation(argv[3]);
        }
    } else if (!strcmp(argv[1], "view") && argc >= 4) {
        ok = scenario_view(argv[2], argv[3], argc - 4, argv + 4);
    } else if (panel && argc >= 4) {
        ok = live_panel(argv[2], argv[3], argc >= 5 ? atoi(argv[4]) : 1, argc >= 7 ? atoi(argv[5]) : 0,
                        argc >= 7 ? atoi(argv[6]) : 0);
    } else if (!strcmp(argv[1], "world") && argc >= 3) {
        ok = sample_world(argv[2]);
    } else if (!strcmp(argv[1], "plane") && argc >= 5) {
        ok = plane_picture(argv[2], argv[3], argv[4], argc >= 6 ? atoi(argv[5]) : 1,
                           argc >= 7 ? atoi(argv[6]) : 0);
    } else {
        usage();
    }
    if (!ok)
        fprintf(stderr, "vortan_art: nothing written\n");
    test_shutdown_layer();
    return ok ? 0 : 1;
}
