// The frame loop: each pass pumps the window messages, services held mouse
// buttons, draws panel and view, advances the flight by one frame period
// and, every tenth frame, adapts that period so simulated time keeps pace
// with real time. It never sleeps; presenting may wait for vsync.
#include "shell/local.h"

#include <cmath>
#include <cstdlib>

#include "atc/atc.h"
#include "common/stages.h"
#include "files/files.h"
#include "flight/flight.h"
#include "panel/panel.h"
#include "sound/sound.h"
#include "view/view.h"

constexpr float MAX_SLOW_PRD_S = 0.07f;   // cap below the clouds or in clear air
constexpr float DEFAULT_PRD_S = 0.05f;    // the preferences' default period
constexpr int SLOW_COUNT = 10;            // slow measurements before the visibility falls
constexpr float VIS_STEP = 0.95f;         // visibility kept per slow measurement
constexpr float MIN_REDUCED_VIS_NM = 5.0f;
constexpr float DRAG_REPEAT_S = 0.5f;     // a held button repeats after this
constexpr float EVENT_PERIOD_S = 0.1f;
constexpr int LEVER_IDLE_PX = 563, LEVER_FULL_PX = 515;   // throttle slot rows
constexpr int LEVER_COLUMN_PX = 666, LEVER_GRAB_PX = 7;   // from osthr; grab point below the top

// Loop state of simulate (file-local so tests can drive the loop pass by pass).
static int64_t start_ms;   // clock at the start of the current 10-frame measurement
static float realsecs;     // s, real time of the last measurement
static int slowcounter;    // consecutive slow measurements
static int warned;         // the slow-machine warning has been shown
static int my_prev;        // last throttle-lever pixel row
static int my_prev_set;    // my_prev holds a value

void reset_loop_state()
{
    start_ms = clock_ms();
    realsecs = 0.0f;
    slowcounter = 0;
    warned = 0;
    my_prev_set = 0;
}

static void warn_slow()
{
    MACIBM_alert("Warning: The simulator is running too slow for smooth animation and accurate flight dynamics.",
                 "The simulator will maintain smooth animation by reducing the visibility somewhat, allowing a higher frame rate for smoother animation.",
                 "Remember, it is possible to set the visibility too high for almost ANY CPU... this insures that you can ask for all the visibility that YOUR CPU can handle!",
                 "To avoid this warning again, reduce the visibility, or go to the 'Warnings' item in the 'Settings' menu.");
}

// Grows the step fast when the machine is behind real time (square root of
// the ratio) and shrinks it gently when ahead (fifth root).
void adapt_time_step()
{
    int64_t now = clock_ms();
    realsecs = (float)(now - start_ms) / 1000.0f;
    start_ms = now;
    if (msc.event) {
        msc.event = 0;
        return;
    }
    if (!(msc.prd > 0.0f))   // no period yet: start from the default
        msc.prd = DEFAULT_PRD_S;
    msc.rtrat = fltlim(realsecs / (msc.prd * 10.0f), 0.2f, 5.0f);
    msc.prd *= powf(msc.rtrat, msc.rtrat >= 1.0f ? 0.5f : 0.2f);
    if (!scn.belowbases && !atm.clear)
        return;
    if (msc.prd <= MAX_SLOW_PRD_S) {
        slowcounter = 0;
        return;
    }
    msc.prd = MAX_SLOW_PRD_S;
    if (++slowcounter <= SLOW_COUNT)
        return;
    if (atm.vis * con.mtrstonm > MIN_REDUCED_VIS_NM)
        atm.vis *= VIS_STEP;
    if (!warned && msc.warn_frame) {
        warned = 1;
        warn_slow();
    }
}

// Held mouse button: repeat the click of the window that got it.
static void drag_service()
{
    set.dragtime += msc.prd;
    int late = set.dragtime > DRAG_REPEAT_S;
    switch (mnw.dragging_index) {
    case 0: if (late) dasclick(msc.mx, msc.my); break;
    case 8: fltclick(0); break;
    case 10: relclick(); break;
    case 1: aptclick(); break;
    case 13: if (late) grfclick(); break;
    case 2: if (late) plt_nrt_click(0, 19); break;
    case 16: if (late) plt_nrt_click(0, 18); break;
    case 17: if (late) plnclick(0); break;
    default: break;
    }
}

// The throttle lever follows the joystick throttle: a helicopter's on every
// pixel, a fixed-wing aircraft's on two or more, or on reaching an end stop.
static void throttle_follow()
{
    int my = (int)interp(0.0f, (float)LEVER_IDLE_PX, 1.0f, (float)LEVER_FULL_PX, set.CTthro);
    if (!my_prev_set) {
        my_prev = my;
        my_prev_set = 1;
    }
    int slack = pln.is_heli ? 0 : 1;
    int at_stop = my == LEVER_FULL_PX || my == LEVER_IDLE_PX;
    if (abs(my - my_prev) > slack || (my != my_prev && at_stop)) {
        enginecondrag(osthr + LEVER_COLUMN_PX, my + LEVER_GRAB_PX);
        my_prev = my;
    }
}

// The event period (about 0.1 s); every eleventh one also re-derives its
// length and advances the flight plan and ATC vectors.
static void event_period()
{
    int old = msc.cntr10;
    msc.cntr10++;
    if (old == 10) {
        msc.cntr10 = 0;
        msc.evup = intlim(iround(EVENT_PERIOD_S / msc.prd), 1, 99);
        if (fpl.onfile && fpl.activated)
            handle_plan(0);
        if (atc.ils_vec_in_progress)
            controller_respond(atc.ils_command);
    }
    if (set.dragging)
        enginecondrag(msc.mx, msc.my);
    if (pln.entype) {
        throttle_follow();
        maintain_engine_sound();
    }
    maintain_wind_sound();
}

static void simulate_frame()
{
    msc.cntr++;                 // first: the periodic work below keys on it
    if (msc.cntr > MAX_CNTR)
        msc.cntr = 0;
    msc.tottime += msc.prd;
    control();                  // control commands before the forces use them
    deg2integ();                // two half-period sub-steps
    if (set.grfout)
        grfload();              // samples the state just integrated
    if (msc.cntr % 10 == 0)
        adapt_time_step();
    msc.evup = intlim(msc.evup, 1, 99);   // a zero would divide below
    if (msc.cntr % msc.evup == 0)
        event_period();
}

void simulate_pass()
{
    stage_begin(STAGE_PASS);
    MACIBM_pump();              // every handler sees the records between frames
    if (mnw.up[13])
        grfdrag();
    if (mnw.up[14])
        play_movie();
    if (set.dragging)
        drag_service();
    int sub = winsup();
    if (!sub) {
        if (set.viewtype == 615 || set.viewtype == 604 || set.viewtype == 605)
            ins.tickle_all = 0;  // no panel in these views
        else {
            stage_begin(STAGE_PANEL);
            updatepanel();
            stage_end(STAGE_PANEL);
        }
        stage_begin(STAGE_SCENE);
        start_looking();
        stage_end(STAGE_SCENE);
    }
    if (!msc.paused && !sub) {
        stage_begin(STAGE_FLIGHT);
        simulate_frame();
        stage_end(STAGE_FLIGHT);
    }
    stage_begin(STAGE_PRESENT);
    MACIBM_present();           // last: shows what this pass drew
    stage_end(STAGE_PRESENT);
    stage_end(STAGE_PASS);
}

void simulate()
{
    simulate_start();
    simulate_pass();
    startup_first_frame();   // the start-up report, when asked for
    for (;;)
        simulate_pass();
}
