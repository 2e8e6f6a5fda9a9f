// Sound: the 22 recorded sounds and the calls that play them. Every call is
// silent unless sound is available, switched on and start-up has finished.
#pragma once
#include "common/common.h"

// Sound table indices (file names in the "sounds" folder).
enum SoundIndex {
    SND_RECIP = 0, SND_TURBO, SND_JET, SND_HELI_RECIP, SND_HELI_TURBO, SND_WIND,
    SND_THUNDER, SND_GEARACT, SND_SQUEAK, SND_BOOM, SND_SINKRATE, SND_PULLUP,
    SND_GEAR, SND_TERRAIN, SND_GLIDESLP, SND_MINIMUMS, SND_WNDSHEAR, SND_CAUTION,
    SND_ALERT, SND_DOT, SND_DASH, SND_STALL, NSOUNDS
};

// Plays sound `index` from its start, looping when `loop` is non-zero.
void play_buffer(int index, int loop);

// The engine and wind loops: start them, stop them (around an alert, a
// window opening, a crash).
void play_engine_and_wind();
void stop_engine_and_wind();
