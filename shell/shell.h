// The simulator shell: start-up, the frame loop, keys, menus and window
// events, preferences and situations. It owns the records `set`, `msc`,
// `ott` and `rel` (records/records.h) and gives every record its defaults.
#pragma once
#include "common/common.h"
#include "records/records.h"

// The record defaults of the general initialisation, before preferences.
// Needs `con` filled.
void set_record_defaults();

// Gives the flight model, the controls and the scenery the calls they make
// upward: sounds, the force-feedback stick, the panel levers and brake
// light, the radios' tuning. The simulator calls it first thing at start-up;
// the batch runner too, so both fly the same code.
void register_sim_callbacks();
