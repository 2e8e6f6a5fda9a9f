// Building blocks for the default aircraft: each sets one group of fields of
// Airwright's record (file units: ft, lb, hp, rpm, kt, deg) from the few
// figures a type's documents give, so the definitions read like a data
// sheet.
#pragma once
#include "files/airwright_files.h"

namespace acb {

// Clears the record and names the aircraft; heli 1 for a helicopter.
void start(const char *tailnum, int heli);
// Airspeed unit (2 kt), the five marked speeds, Mmo (0 without), and the
// dial types.
void speeds(float Vso, float Vs, float Vfe, float Vno, float Vne, float Mmo);
// Pilot eye point, ft.
void eye(float x, float y, float z);
struct Engine {
    int type;               // 1 piston, 2 turboprop, 3 jet
    int count;
    float hp, critalt_ft;   // per engine
    float rpm_idle, rpm_max, rpm_green_lo, rpm_green_hi;
    float thrust_lb, spool_s, face_sqft;   // jets
};
void engines(const Engine &e);
// One wing, stabiliser or fin: airfoils (hi empty: one airfoil), half span
// and chords (ft), root reference point (ft), sweep, dihedral (deg), element
// count, incidence at root and tip (deg, linear between).
struct Surface {
    const char *afl_lo, *afl_hi;
    float semispan, root_chord, tip_chord;
    float x, y, z;
    int sweep, dihedral, els;
    float inc_root, inc_tip;
};
void surface(int part, const Surface &s);
// A propeller or rotor: airfoil pair, blades, radius (ft), blade chord (in),
// hub (ft), design pitch (in per revolution) and rpm, variable pitch, turning
// direction (0 or 1), and the pitch range (variable pitch sets its own).
struct Rotor {
    const char *afl_lo, *afl_hi;
    int blades;
    float radius_ft, chord_in;
    float x, y, z;
    float design_pitch_in, design_rpm;
    int variable_pitch, direction;
    float min_pitch, max_pitch;
};
void rotor(int part, const Rotor &r);
// Blade twist of a rotor in place of the pitch-derived incidence: root to
// tip, linear.
void twist(int part, float root_deg, float tip_deg);
// Marks elements first..last of a part in the propeller wash.
void in_wash(int part, int first, int last);
// Device rows: sets `row` of elements first..last of a part.
void mark(int (*row)[MAX_ELS], int part, int first, int last);
// Fuselage from nine stations: x, half-width, top and bottom (ft); each
// cross-section is an ellipse through those.
struct Station {
    float x, half_width, top, bottom;
};
void fuselage(const Station (&st)[N_FUSE_STATIONS], float cd, int in_wash);
void weights(float cgx, float cgz, float empty_lb, float max_lb, float fuel_lb);
// Tricycle gear: nose and main wheel long arms (ft), main half track, main
// wheel contact height (ft). The nose leg's contact height is set so that
// on the simulator's gear springs (the whole weight would compress them by
// half a metre) the aircraft rests at `attitude_deg`, the type's ground
// attitude.
void tricycle(float nose_x, float main_x, float main_y, float main_z, float steer_deg, int retract,
              float attitude_deg);
void skids(float front_x, float half_track, float z, float length);
// A pair of floats (indices 0 and 1, mirrored): centre long arm, lateral
// arm, keel height, half length, width, bow rise (ft).
void floats(float x, float y, float z, float half_length, float width, float bow_rise);
// Control chord ratios and deflections (deg), rivet and gap kind.
void controls(float ail_crat, float elev_crat, float rudd_crat, float ail_up, float ail_dn, float elev_up,
              float elev_dn, float rudd_def, int con_type);

}  // namespace acb
