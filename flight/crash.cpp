// The crash: engine and wind stop, the crash sound and a jolt, the damage
// drawn over the window, what went wrong explained, and a new start on the
// selected runway.
#include <cmath>

#include "flight/local.h"

constexpr int CRACK_COLOUR = 23, SPOT_COLOUR = 33;
constexpr int FLASH_COLOUR = 30, BLACK_COLOUR = 11;
constexpr float CRASH_PAUSE_S = 4.0f;

// One line segment, pixel by pixel (the damage is drawn rarely and small).
static void segment(int x1, int y1, int x2, int y2, int colour)
{
    int n = intmax2(abs(x2 - x1), abs(y2 - y1));
    for (int i = 0; i <= n; i++) {
        float t = n ? (float)i / n : 0.0f;
        sys_set_pixel(x1 + iround((x2 - x1) * t), y1 + iround((y2 - y1) * t), colour);
    }
}

// A crack: a random walk from a random start until it leaves the box.
static void crack()
{
    int x = intrand(50, 750), y = intrand(25, 210);
    int dx = intrand(-50, 50), dy = intrand(-20, 20);
    for (int steps = 0; steps < 1000 && x >= 0 && x <= 800 && y >= 5 && y <= 230; steps++) {
        dx += intrand(-40, 40);
        dy += intrand(-40, 40);
        segment(x, y, x + dx, y + dy, CRACK_COLOUR);
        x += dx;
        y += dy;
    }
}

static void spots()
{
    for (int i = 0; i < 101; i++) {
        int size = i % 25 == 0 ? intrand(5, 15) : intrand(1, 4);
        int high = i % 4 == 0;
        int x = intrand(0, 660), y = high ? intrand(20, 200) : intrand(200, 460);
        sys_fill_rect(x, y, x + size, y + (high ? 3 * size : size), SPOT_COLOUR);
    }
}

static void damage_picture(int instant)
{
    if (instant) {
        for (int i = 0; i < 10; i++) {
            sys_fill_rect(0, 0, SCREEN_W, SCREEN_H, FLASH_COLOUR);
            MACIBM_present();
            sys_fill_rect(0, 0, SCREEN_W, SCREEN_H, BLACK_COLOUR);
            MACIBM_present();
        }
        return;
    }
    for (int i = 0; i < 11; i++)
        crack();
    spots();
    MACIBM_present();
}

static void explain()
{
    if (msc.ice > 0.01f)
        MACIBM_alert("The aircraft was carrying ice at time of impact.",
                     "You have to keep out of the clouds between 0 and 32 deg F.",
                     "There is a thermometer in the upper-right hand corner of the screen.", "");
    if (!rel.vac)
        MACIBM_alert("Your vacuum system had failed before impact.", "You have to keep a cross-check going.",
                     "The rest of the airplane was in one piece until you buried it.",
                     "Vortan features realistic gyro spin-down effects, including gyro sluggishness and tumble.");
}

void bendmetal(int instant)
{
    flight_calls.stop_engine_and_wind();
    flight_calls.play_buffer(SND_BOOM, 0);
    flight_calls.forcecall(FF_CLEAR, 0.0f, 0.0f, 0.0f);
    flight_calls.forcecall(FF_JOLT, 100.0f, (float)intrand(0, 359), 250.0f);
    damage_picture(instant);
    delay(CRASH_PAUSE_S);
    explain();
    msc.typestart = 900;
    msc.rway_sel = 1;
    set_fltvars(4, 0);
    MACIBM_invalwind(0);
    flight_calls.play_engine_and_wind();
}
