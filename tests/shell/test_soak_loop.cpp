// A soak of the simulator's own frame loop: panel and view drawn every pass,
// and a fixed-seed script at the loop's real entry points (joystick axes,
// keys, menu commands, clicks in the windows those open, their close boxes)
// with the weather, time of day, failures and region changed through the
// setters the settings windows use. No pass may crash, the flight watchdog
// must never step in, and the heap must stay flat once settled.
// VORTAN_LOOP_SOAK_S sets the wall time (default 25 s); at 600 s or more
// the heap is sampled and printed every minute.
#include "sim_fixture.h"

#include "tests/support/heap.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>

#include "controls/controls.h"
#include "shell/windows.h"

namespace {

long rss_kb()
{
    long pages = 0, resident = 0;
    FILE *f = fopen("/proc/self/statm", "r");
    if (f) {
        if (fscanf(f, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        fclose(f);
    }
    return resident * 4;
}

// Menu items the script chooses: the views, every settings and chart
// window, the instructions' alerts, the ships, the cycle dump and zoom.
const int MENU_ITEMS[] = {601, 602, 603, 604, 605, 606, 607, 609, 610, 611, 612, 613, 615, 617, 618, 620,
                          401, 403, 405, 407, 409, 411, 413, 415, 309, 310, 311, 312, 313, 501, 503, 504,
                          505, 507, 509, 510, 707, 708, 709, 710, 711, 801, 317, 318, 319, 703, 601};
const char KEYS[] = "wsxqezvtacrf.=-yunmiohjklbg!@#$%^&_+1234567890[] ";
const char *const AIRCRAFT[] = {"Trainer.acf", "Twin.acf", "Jet.acf", "Helicopter.acf", "Seaplane.acf"};
// Regions with an airport and some without (the start is then refused).
const int REGIONS[][2] = {{33, 119}, {34, 118}, {37, 123}, {39, 107}, {40, 74}, {47, 123}, {29, 96}, {45, 1}};

class LoopSoak : public SimTest {
  protected:
    std::mt19937 rng{20261208};
    int below(int n) { return (int)(rng() % (unsigned)n); }
    float uniform(float lo, float hi) { return lo + (hi - lo) * (float)(rng() % 100001) / 100000.0f; }

    void stick()
    {
        int throttle = below(4) == 0 ? below(65536) : 40000 + below(25536);
        test_set_joystick_input(below(65536), below(65536), throttle, 32768 + below(16384) - 8192,
                                below(8) == 0 ? 1 << below(4) : 0);
    }

    void key()
    {
        if (below(6) == 0)
            test_key(KEY_F1 + below(12), 0);
        else
            test_key(KEYS[below((int)sizeof KEYS - 1)], 0);
    }

    // The open sub-window, if any, gets a few clicks anywhere on it.
    void click_window()
    {
        for (int k = 1; k < MAX_SIM_WINDOWS; k++) {
            int x, y, w, h;
            if (!mnw.up[k] || !test_window_outer(k, &x, &y, &w, &h))
                continue;
            test_click(x + below(w), y + below(h) + MENU_BAR_H);
            return;
        }
    }

    void close_windows()
    {
        for (int k = 1; k < MAX_SIM_WINDOWS; k++)
            if (mnw.up[k])
                test_close_window(k);
    }

    void menu()
    {
        int roll = below(20);
        if (roll == 0) {
            test_answer_file_dialog(AIRCRAFT[below(5)]);
            test_menu_choice(201);
        } else if (roll == 1) {
            test_answer_file_dialog("soak.sit");
            test_menu_choice(204);
        } else if (roll == 2) {
            test_answer_file_dialog("soak.sit");
            test_menu_choice(203);
        } else {
            test_menu_choice(MENU_ITEMS[below((int)(sizeof MENU_ITEMS / sizeof MENU_ITEMS[0]))]);
        }
    }

    void weather()
    {
        float field_ft = env.fieldh * con.mtrstoft;
        float base = field_ft + uniform(200.0f, 20000.0f);
        set_clouds_ft(1, base + uniform(0.0f, 15000.0f), base, 0.0f);
        set_precipitation(1 + below(5));
        atm.vis = uniform(0.2f, 20.0f) * con.nmtomtrs;
        for (int l = 0; l < NWIND_LAYERS; l++) {
            atm.wnddir[l] = uniform(0.0f, 360.0f);
            atm.wndspd[l] = uniform(0.0f, 30.0f);
            atm.shrspd[l] = uniform(0.0f, 10.0f);
            atm.tbl[l] = uniform(0.0f, 9.0f);
        }
        atm.temp_SL = uniform(-20.0f, 110.0f);
        limwx();
        scn.time = 1 + below(4);
        set_fail_rate(0, uniform(0.0f, 1.0f));
        set_fail_rate(1, uniform(0.0f, 1.0f));
    }

    void region()
    {
        if (below(2) == 0) {
            test_menu_choice(1401 + below(6));
        } else {
            const int *r = REGIONS[below((int)(sizeof REGIONS / sizeof REGIONS[0]))];
            start_in_region(r[0], r[1]);
        }
    }

    // Every window keeps its buffer from its first opening on; open each
    // once (and load each aircraft once) before the heap is watched.
    void warm_up()
    {
        for (int item : MENU_ITEMS) {
            test_menu_choice(item);
            passes(3);
            close_windows();
            passes(1);
        }
        for (const char *a : AIRCRAFT) {
            test_answer_file_dialog(a);
            test_menu_choice(201);
            passes(2);
        }
    }

    // One pass of the script at pass p, then the loop's pass itself.
    void scripted_pass(int p)
    {
        if (p % 20 == 0)
            stick();
        if (p % 37 == 0)
            key();
        if (p % 200 == 100)
            menu();
        if (p % 200 > 110 && p % 200 < 160 && p % 10 == 0)
            click_window();
        if (p % 200 == 180)
            close_windows();
        if (p % 1000 == 500 && !msc.paused)
            test_key('p', 0);
        if (p % 1000 == 540 && msc.paused)
            test_key('p', 0);
        if (p % 600 == 300)
            weather();
        if (p % 2400 == 1200)
            region();
        simulate_pass();
    }
};

TEST_F(LoopSoak, TheFrameLoopRunsScriptedWithoutFaultOrGrowth)
{
    const char *s = getenv("VORTAN_LOOP_SOAK_S");
    const double run_s = s ? atof(s) : 25.0;
    const double sample_s = run_s >= 600.0 ? 60.0 : run_s / 6.0;
    test_set_joystick_state(JOY_PRESENT);
    start();
    set.controls_type = CONTROLS_JOYSTICK;
    warm_up();
    using clock = std::chrono::steady_clock;
    const auto t0 = clock::now();
    auto elapsed = [&] { return std::chrono::duration<double>(clock::now() - t0).count(); };
    int64_t now_ms = 1000;
    int p = 0, samples = 0, region_starts = 0, windows_seen = 0;
    size_t heap_settled = 0, heap_max_after = 0;
    double next_sample = sample_s;
    while (elapsed() < run_s) {
        now_ms += 50;   // the machine keeps pace: the step stays near 0.05 s
        test_set_clock_ms(now_ms);
        int lat = env.lat_south, lon = env.lon_west;
        scripted_pass(p++);
        region_starts += lat != env.lat_south || lon != env.lon_west;
        windows_seen += winsup() != 0;
        ASSERT_EQ(flight_watchdog_trips, 0) << "pass " << p;
        ASSERT_TRUE(std::isfinite(flt.x) && std::isfinite(flt.y) && std::isfinite(flt.z)) << "pass " << p;
        if (elapsed() >= next_sample) {
            samples++;
            next_sample += sample_s;
            size_t heap = heap_in_use();
            printf("soak sample %d at %.0f s: %d passes, heap %zu bytes, rss %ld kB\n", samples, elapsed(), p,
                   heap, rss_kb());
            fflush(stdout);
            // minute 10 of the hour, or the first sixth of a short run
            if (samples == (run_s >= 600.0 ? 10 : 1))
                heap_settled = heap;
            else if (heap_settled)
                heap_max_after = std::max(heap_max_after, heap);
        }
    }
    printf("soak: %d passes in %.0f s, %d region changes, %d passes with a window open\n", p, elapsed(),
           region_starts, windows_seen);
    ASSERT_GT(heap_settled, 0u);
    EXPECT_LT((double)heap_max_after, (double)heap_settled * 1.01) << "the heap grew by 1 % or more";
    EXPECT_GT(windows_seen, 0);
}

}   // namespace
