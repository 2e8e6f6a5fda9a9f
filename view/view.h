// The out-the-window view: the view port and the scene. Its records (`scn`,
// `sta`, `car`) are in records/records.h.
#pragma once
#include "common/common.h"
#include "records/records.h"

// Sets the view-port part of `con` for world `gw` (0 main view, 1 second
// view, -1 zoom only) and multiplies the persistent zoom by `zoom_mult`
// (0 resets it to 1), limited to 1..1000.
// Reads: set.viewtype, pln.is_heli. Writes: con view-port fields.
void set_mon(int gw, float zoom_mult);
