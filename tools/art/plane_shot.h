// The aircraft pictures of the art review and of the drawing's golden
// images: an aircraft file loaded as the simulator loads it, and drawn
// into the view world from a few fixed cameras round it.
#pragma once

constexpr int N_PLANE_CAMERAS = 4;
// "front" (ahead, a little above), "side" (from the left, level), "above"
// (three-quarter from ahead-left and above), "below" (three-quarter from
// behind-right and below).
extern const char *const PLANE_CAMERAS[N_PLANE_CAMERAS];

// Loads the aircraft file at path `acf` into pln; the folder above the
// file's own (the program folder of an Aircraft/ file) holds its airfoils/
// and flaps/. A missing or damaged file ends the program as a load does.
void load_shot_aircraft(const char *acf);
// Draws pln into world 0 (800 x 568, left locked, clear sky behind) from
// camera `name` at time of day `time`, its controls deflected (ailerons
// rolling right, elevator up, rudder right, half flap) when `deflect`.
// 0 when the camera is unknown.
int draw_plane_shot(const char *name, int time, int deflect);
