// The simulator's start: the process entry, the start-up sequence in its
// fixed order, the general initialisation, the progress bar over the splash
// and the joystick check. The frame loop itself is in loop.cpp.
#include "shell/local.h"
#include "sound/sound.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "atc/atc.h"
#include "common/stages.h"
#include "files/files.h"
#include "flight/flight.h"
#include "output/output.h"
#include "panel/panel.h"
#include "view/view.h"
#include "world/world.h"

int draw_init_loc;              // progress bar on during start-up
// Start-up timing, asked for by VORTAN_TIMING (any value: the parts and
// the first frame on standard error; "exit": then the program ends).
static int timing;              // 0 off, 1 report, 2 report and end
static double timing_main_us, timing_last_us;   // wall clock at main, at the last mark
static int init_loc;            // progress cells drawn so far
static int64_t last_progress_ms;
static int started;             // the start-up sequence has finished

constexpr int PROGRESS_X0 = 59, PROGRESS_DX = 5, PROGRESS_Y = 541;
constexpr int PROGRESS_CELLS = 43;   // last cell index
constexpr int PROGRESS_COLOR = 24;
constexpr int64_t PROGRESS_PRESENT_MS = 30;   // show at most this often

void show_init()
{
    if (!draw_init_loc)
        return;
    init_loc++;
    int saved = cur_window;
    MACIBM_startwind(0, 0);
    MACIBM_fillrect(PROGRESS_COLOR, PROGRESS_X0 + PROGRESS_DX * intlim(init_loc, 0, PROGRESS_CELLS),
                    PROGRESS_Y, 3, 5, 1);
    if (saved != 0 && mnw.up[saved])
        MACIBM_startwind(saved, 0);
    // Presenting may wait for the display's refresh: often enough to be seen.
    int64_t now = clock_ms();
    if (now - last_progress_ms >= PROGRESS_PRESENT_MS) {
        last_progress_ms = now;
        MACIBM_present();
    }
}

// Titles and client sizes of windows 1..17 (window 2 is sized by the
// region load).
static void set_window_table()
{
    static const struct { const char *title; int dx, dy; } WIN[17] = {
        {"Go To Airport", 158, 428},          {"Area Low Enroute", 0, 0},
        {"United States", 621, 393},          {"Set Lat/Lon", 246, 165},
        {"Set Data Output", 620, 400},        {"Set Time Of Day", 183, 128},
        {"Set Weather Conditions", 607, 409}, {"Set Flight Mode", 349, 335},
        {"Set Weights", 436, 252},            {"Set Reliability", 683, 558},
        {"Set Sound", 292, 118},              {"Set Warnings", 549, 218},
        {"Graphics Output", 620, 420},        {"3-D Flight Path", 600, 400},
        {"Isometric Region", 760, 540},       {"", 421, 494},
        {"Flight Plan", 589, 415}};
    for (int k = 0; k < 17; k++)
        set_win_params(k + 1, WIN[k].title, WIN[k].dx, WIN[k].dy);
}

void initgen()
{
    seed_rand((unsigned)(clock_ms() % 32000));
    msc.sound_avail = init_sound();
    if (!msc.sound_avail)
        MACIBM_alert("Sound init failure!", "Sound will not be available, but you can still fly.",
                     "Pretend you are wearing ANR headsets!", "");
    msc.speech_avail = initspeechsynth();
    fill_density_table();
    for (int digit = 0; digit <= 9; digit++)
        init_tape(digit);
    init_nav_pic();
    set_window_table();
    register_window_art();
    init_stars();
    build_mark();
    build_vasi();
    build_cable();
    build_elev();
    set_rlt_grf_choices();
    cleargraph();
    set_record_defaults();
    open_output_streams();
}

int init_WIN95()
{
    switch (joystick_state()) {
    case JOY_NO_SUPPORT: return 4;
    case JOY_NONE_PLUGGED: return 5;
    case JOY_OPEN_FAILED: return 6;
    default: return 0;
    }
}

int MACIBM_initjoy()
{
    int code = init_WIN95();
    if (code == 0) {
        ff_set_joystick_port(1);
        ff_init_stick(0);
        ff_enable_forces();
        set.controls_type = 2;
        return 1;
    }
    const char *why = "My system-checking indicates that there are no joysticks plugged in!";
    if (code == 4)
        why = "My system-checking indicates that Linux is NOT set up to handle any joysticks!";
    if (code == 6)
        why = "My system-checking indicates that there is no joystick DRIVER on this computer!";
    MACIBM_alert(why, "", "", "");
    set.controls_type = 3;
    return 0;
}

void startup_mark(const char *part)
{
    if (!timing)
        return;
    double now = wall_us();
    fprintf(stderr, "start-up: %-34s %7.1f ms\n", part, (now - timing_last_us) / 1000.0);
    timing_last_us = now;
}

void startup_first_frame()
{
    if (!timing)
        return;
    double now = wall_us();
    startup_mark("first pass of the frame loop");
    fprintf(stderr, "start-up: first frame at %.0f us (monotonic), %.1f ms after main\n", now,
            (now - timing_main_us) / 1000.0);
    if (timing == 2)
        exit_simulator();
}

void begin_progress()
{
    init_loc = 0;
    draw_init_loc = 1;
}

void simulate_start()
{
    MACIBM_initgworld(0, 800, 568);
    begin_progress();
    initgen();
    startup_mark("sound, tables, window art");
    init_country_data();
    startup_mark("country file");
    initprefs();
    startup_mark("preferences");
    load_region(0);
    startup_mark("scenery region");
    C_to_C(app_path, pln.C_appdir);   // airfoils/ and flaps/ lie beside the program
    load_plane(show_init);
    startup_mark("aircraft and airfoils");
    setnewlocale();   // the start airport's runways, before the aircraft is placed on one
    reset_scene_state();   // palette and drawn range rebuilt for this region
    set_fltvars(4, 0);
    draw_init_loc = 0;
    msc.sound_ready = 1;
    play_engine_and_wind();
    if (MACIBM_initjoy())
        MACIBM_alert("Center the trim on your joystick.",
                     "Get your feet off the rudder pedals if you have them.", "",
                     "Push the 'OK' button below, and don't touch your joystick or pedals for a few seconds.");
    msc.mouse_is_joy = 0;
    cal_stick();
    reset_loop_state();
    started = 1;
    startup_mark("flight start, sound, stick");
}

int start_up_done() { return started; }

// The layer reaches the shell's handlers through these.
static void alert_begin()
{
    stop_engine_and_wind();
    play_buffer(SND_ALERT, 0);
}

static void alert_end()
{
    play_engine_and_wind();
    set.dragging = 0;
}

static void release_program()
{
    close_output_streams();
    endspeechsynth();   // first: the speech worker hands samples to the sound
    dispose_sound();
}

void register_sim_callbacks()
{
    FlightCallbacks fc = {};
    fc.play_buffer = play_buffer;
    fc.stop_buffer = stop_buffer;
    fc.stall_sound = stall_sound;
    fc.play_thunder = play_thunder;
    fc.play_engine_and_wind = play_engine_and_wind;
    fc.stop_engine_and_wind = stop_engine_and_wind;
    fc.forcecall = forcecall;
    fc.stall_shaker = stall_shaker;
    fc.dskoutproc = dskoutproc;
    fc.beepme = beepme;
    set_flight_callbacks(&fc);
    ControlsCallbacks cc = {};
    cc.handle = handle;
    cc.plotbrakes = plotbrakes;
    set_controls_callbacks(&cc);
    WorldCallbacks wc = {};
    wc.setnav = setnav;
    set_world_callbacks(&wc);
    ViewCallbacks vc = {};
    vc.atc_message = plot_atc_over_view;
    set_view_callbacks(&vc);
}

int vortan_start_layer()
{
    zero_records();
    register_sim_callbacks();
    LayerCallbacks cb = {};
    cb.window_proc = handle_IBM_win;
    cb.close_handler = process_zap;
    cb.sounds_off = stop_engine_and_wind;
    cb.sounds_on = play_engine_and_wind;
    cb.alert_begin = alert_begin;
    cb.alert_end = alert_end;
    cb.release = release_program;
    cb.quit_now = exit_simulator;   // a quit ends the program even from a dialog
    MACIBM_set_callbacks(&cb);
    set_exiting(0);
    started = 0;
    register_panel_bitmaps();
    register_output_bitmaps();
    // Panel lighting follows the time of day and lamp; widgets read the mouse.
    static const DrawSources sources = {&scn.time, &scn.lamp, &pln.dashtype, &msc.mx, &msc.my};
    set_draw_sources(&sources);
    return MACIBM_init("Vortan", set_up_menus);
}

int vortan_main()
{
    if (const char *t = getenv("VORTAN_TIMING")) {
        timing = strcmp(t, "exit") == 0 ? 2 : 1;
        timing_main_us = timing_last_us = wall_us();
    }
    if (!vortan_start_layer())
        return 1;   // no display: a failure, and the reason is on stderr
    startup_mark("layer, window, menus");
    simulate();
}
