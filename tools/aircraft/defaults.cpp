// The default aircraft, defined in Airwright's record. Each definition is
// modelled on one well-documented type; the figures taken from that type's
// published documents are listed beside it, everything else is an estimate
// of this file's.
#include "tools/aircraft/defaults.h"

#include "common/common.h"
#include "tools/aircraft/build.h"

using airwright::pln;
using namespace acb;

// Airfoil and flap files shipped in airfoils/ and flaps/.
static const char *const A0009 = "NACA 0009 (symmetrical).afl";
static const char *const A0009_HI = "NACA 0009 (high Re).afl";
static const char *const A0012 = "NACA 0012.afl";
static const char *const A0012_HI = "NACA 0012 (high Re).afl";
static const char *const A2412 = "NACA 2412 (popular).afl";
static const char *const A2412_HI = "NACA 2412 (high Re).afl";
static const char *const A4412 = "NACA 4412.afl";
static const char *const A23012 = "NACA 23012.afl";
static const char *const A23012_HI = "NACA 23012 (high Re).afl";
static const char *const CLARK_Y = "Clark-Y (good propeller).afl";

// Wing devices: ailerons on the outer elements, flaps on the inner ones.
static void wing_devices(int outer_from, int flaps_to, const char *flap_file)
{
    mark(pln.ailn, 2, outer_from, pln.els[2] - 1);
    mark(pln.flap, 2, 0, flaps_to);
    C_to_C(flap_file, pln.flap_str);
}

static void tail_devices()
{
    mark(pln.elev, 4, 0, pln.els[4] - 1);
    mark(pln.rudd, 5, 0, pln.els[5] - 1);
}

// Single-engine trainer, modelled on a 160 hp four-seat high-wing trainer
// with fixed tricycle gear and a fixed-pitch propeller.
// Published (the type's owner's handbook and data sheet):
//   span 36 ft 1 in, wing area 174 sq ft, length 27 ft 2 in,
//   maximum weight 2,450 lb, empty weight about 1,680 lb,
//   160 hp at 2,700 rpm, two-blade fixed-pitch propeller of 75 in,
//   40 US gal usable fuel (240 lb), wheel track 8 ft 4 in,
//   Vne 163 KIAS, Vno 129 KIAS, Vfe 85 KIAS, white arc from 33 KIAS,
//   green arc from 44 KIAS, stall 48 KCAS flaps up at maximum weight;
//   it stands about level on its gear.
// Estimated: chords (a straight taper of the same area), tail sizes,
// positions, incidences, the 58 in design pitch.
static void build_trainer()
{
    start("N1601T", 0);
    speeds(33, 44, 85, 129, 163, 0);
    eye(6.6f, -0.9f, 2.6f);
    engines({1, 1, 160, 0, 600, 2700, 2100, 2700, 0, 0, 0});
    rotor(0, {CLARK_Y, "", 2, 3.125f, 5.0f, 0.5f, 0, 0, 58, 2500, 0, 0, 0, 0});
    rotor(1, {CLARK_Y, "", 2, 3.125f, 5.0f, 0.5f, 0, 0, 58, 2500, 0, 0, 0, 0});
    surface(2, {A2412, A2412_HI, 18.0f, 5.33f, 4.33f, 8.3f, 0, 3.8f, 0, 2, 5, 1.5f, -1.5f});
    surface(4, {A0009, A0009_HI, 5.7f, 3.6f, 3.0f, 24.0f, 0, 1.5f, 0, 0, 3, -3.0f, -3.0f});
    surface(5, {A0009, A0009_HI, 4.8f, 4.2f, 2.6f, 23.0f, 0, 1.8f, 30, 0, 3, 0, 0});
    in_wash(2, 0, 0);
    in_wash(4, 0, 1);
    in_wash(5, 0, 1);
    wing_devices(3, 2, "slotted flap.flp");
    tail_devices();
    controls(0.25f, 0.40f, 0.40f, 20, 15, 28, 23, 17, 1);
    const Station st[N_FUSE_STATIONS] = {
        {0.0f, 0.3f, 0.4f, -0.4f},  {2.0f, 1.3f, 1.2f, -1.2f},  {4.5f, 1.7f, 1.8f, -1.8f},
        {7.0f, 2.0f, 3.6f, -2.0f},  {10.0f, 2.0f, 3.6f, -2.0f}, {13.0f, 1.6f, 2.8f, -1.6f},
        {17.0f, 1.1f, 1.8f, -0.8f}, {21.0f, 0.7f, 1.4f, -0.2f}, {25.5f, 0.3f, 1.2f, 0.4f}};
    // The body's drag coefficient also carries what the model has no part
    // for: fixed gear with its fairings, wing struts, cooling drag. Set so
    // that cruise at 75 % power and the best climb both meet the type's
    // figures (docs/flight-figures.md).
    fuselage(st, 0.17f, 1);
    weights(8.6f, 0.8f, 1680, 2450, 240);
    tricycle(4.5f, 9.9f, 4.15f, -3.6f, 30, 0, 0.5f);
}

// Light piston twin, modelled on a four-seat twin trainer with retractable
// gear, counter-rotating constant-speed propellers and a stabilator on a
// T-tail.
// Published (the type's owner's handbook): span 38 ft 11 in, wing area
//   178 sq ft, length 28 ft 7 in, maximum weight 3,800 lb, empty weight
//   about 2,600 lb, two 180 hp engines at 2,700 rpm, two-blade
//   constant-speed propellers of 74 in, 108 US gal of fuel (648 lb),
//   Vne 202 KIAS, Vno 169 KIAS, Vfe 111 KIAS, stall about 55 KIAS flaps
//   down and 60 KIAS clean at maximum weight; it stands about level.
// Estimated: chords, tail, positions, incidences, the design pitch.
static void build_twin()
{
    start("N3800W", 0);
    speeds(55, 60, 111, 169, 202, 0);
    eye(7.5f, -0.9f, 2.4f);
    engines({1, 2, 180, 0, 600, 2700, 2200, 2700, 0, 0, 0});
    rotor(0, {CLARK_Y, "", 2, 3.08f, 6.0f, 5.5f, -6.3f, -0.6f, 84, 2500, 1, 0, 0, 0});
    rotor(1, {CLARK_Y, "", 2, 3.08f, 6.0f, 5.5f, 6.3f, -0.6f, 84, 2500, 1, 1, 0, 0});
    surface(2, {A23012, A23012_HI, 19.45f, 5.3f, 3.85f, 9.3f, 0, -1.6f, 0, 6, 5, 2.0f, -1.0f});
    surface(4, {A0012, A0012_HI, 6.4f, 3.0f, 2.4f, 26.0f, 0, 6.2f, 0, 0, 3, -1.0f, -1.0f});
    surface(5, {A0012, A0012_HI, 5.2f, 4.6f, 2.9f, 24.5f, 0, 1.2f, 35, 0, 3, 0, 0});
    in_wash(2, 1, 2);
    wing_devices(3, 2, "slotted flap.flp");
    pln.hstabtype = 1;   // a stabilator: the whole tail moves, no elevator
    mark(pln.rudd, 5, 0, 2);
    controls(0.25f, 0.40f, 0.40f, 20, 15, 14, 4, 25, 2);
    const Station st[N_FUSE_STATIONS] = {
        {0.0f, 0.3f, 0.3f, -0.5f},  {2.5f, 1.4f, 1.2f, -1.4f},  {5.0f, 1.9f, 2.4f, -1.9f},
        {8.0f, 2.1f, 2.9f, -2.0f},  {11.0f, 2.1f, 2.9f, -2.0f}, {14.5f, 1.7f, 2.4f, -1.6f},
        {18.5f, 1.2f, 1.7f, -0.9f}, {22.5f, 0.8f, 1.3f, -0.2f}, {27.5f, 0.3f, 1.2f, 0.5f}};
    // The body's drag coefficient also carries the two engine nacelles,
    // which the model has no part for; set from the type's cruise speed at
    // 75 % power (docs/flight-figures.md). With it the whole aircraft's
    // zero-lift drag coefficient comes to about 0.029 on the wing area
    // (0.024 at 0.20), near the 0.03 typical of light twins with the gear
    // up.
    fuselage(st, 0.26f, 0);
    weights(9.6f, 0.2f, 2600, 3800, 648);
    tricycle(3.0f, 10.6f, 5.25f, -4.0f, 30, 1, 0.5f);
}

// Small jet, modelled on a light straight-wing twin-turbofan business jet
// with retractable gear and a T-tail.
// Published (the type's data sheet): span about 47 ft, wing area
//   about 260 sq ft, length about 43 ft, maximum weight about 10,800 lb,
//   empty weight about 6,400 lb, two turbofans of 2,500 lbf, usable fuel
//   about 3,650 lb, Vmo 262 KIAS, Mmo 0.70, stall about 85 KIAS flaps
//   down; it stands about level.
// Estimated: chords, tail, positions, incidences, intake face.
static void build_jet()
{
    start("N700SJ", 0);
    speeds(85, 95, 200, 262, 262, 0.70f);
    eye(8.0f, -1.1f, 2.3f);
    engines({3, 2, 0, 0, 0, 0, 0, 0, 2500, 5, 2.9f});
    surface(2, {A23012, A23012_HI, 23.5f, 7.4f, 3.66f, 22.0f, 0, -1.8f, 2, 4, 6, 2.5f, -0.5f});
    surface(4, {A0012, A0012_HI, 9.0f, 4.4f, 2.6f, 41.0f, 0, 11.5f, 15, 0, 3, -2.0f, -2.0f});
    surface(5, {A0012, A0012_HI, 7.5f, 7.0f, 4.4f, 38.0f, 0, 3.0f, 40, 0, 3, 0, 0});
    wing_devices(4, 3, "slotted flap.flp");
    tail_devices();
    pln.hstbtrimmax = 4.0f;   // trimmable stabiliser with elevator
    pln.revthrustEQ = 0;
    controls(0.22f, 0.35f, 0.35f, 18, 18, 20, 15, 25, 3);
    const Station st[N_FUSE_STATIONS] = {
        {0.0f, 0.3f, 0.6f, -0.6f},  {3.0f, 1.8f, 1.6f, -1.8f},  {7.0f, 2.6f, 2.6f, -2.4f},
        {12.0f, 2.7f, 2.8f, -2.5f}, {18.0f, 2.7f, 2.8f, -2.5f}, {25.0f, 2.6f, 2.7f, -2.3f},
        {31.0f, 2.0f, 2.4f, -1.5f}, {37.0f, 1.2f, 2.2f, -0.6f}, {43.0f, 0.4f, 2.0f, 0.6f}};
    fuselage(st, 0.08f, 0);
    weights(22.5f, 0.0f, 6400, 10800, 3650);
    tricycle(6.0f, 24.0f, 6.9f, -4.9f, 60, 1, 0.0f);
}

// Light helicopter, modelled on a two-seat piston helicopter with a
// two-blade teetering main rotor and skids.
// Published (the type's pilot's operating handbook): main rotor diameter
//   25 ft 2 in, blade chord 7.2 in, 530 rotor rpm (104 %), tail rotor
//   diameter 42 in, maximum weight 1,370 lb, empty weight about 880 lb,
//   engine derated to 124 hp for take-off, 19.2 US gal of fuel (115 lb),
//   Vne 102 KIAS, length 28 ft 9 in; it stands about level on its skids.
// Estimated: tail rotor chord and speed ratio, surfaces, positions.
static void build_helicopter()
{
    start("N22HC", 1);
    speeds(0, 0, 0, 90, 102, 0);
    eye(2.5f, -0.9f, 3.6f);
    engines({1, 1, 124, 0, 200, 530, 500, 530, 0, 0, 0});
    pln.trotor_rat = 6.6f;
    rotor(0, {A0012, A0012_HI, 2, 12.58f, 7.2f, 6.4f, 0, 7.0f, 0, 530, 0, 0, 0, 12});
    twist(0, 4.0f, -4.0f);
    rotor(1, {A0012, A0012_HI, 2, 1.75f, 4.0f, 25.5f, -0.9f, 2.6f, 0, 3500, 0, 0, -8, 16});
    twist(1, 0.0f, 0.0f);
    // The main rotor's thrust line stands straight up and the tail rotor's
    // points sideways, against the main rotor's torque (a rotor turning
    // clockwise, file direction 0, needs +90), as the designer sets them.
    pln.vertcant[0] = 90.0f;
    pln.sidecant[0] = 0.0f;
    pln.vertcant[1] = 90.0f;
    pln.sidecant[1] = pln.propdir[0] == 0 ? 90.0f : -90.0f;
    surface(4, {A0009, "", 1.6f, 0.9f, 0.9f, 23.5f, 0, 1.6f, 0, 0, 2, 0, 0});
    surface(5, {A0009, "", 2.0f, 1.3f, 1.0f, 24.5f, 0, 2.4f, 20, 0, 2, 0, 0});
    pln.elevcyclic = 8;
    pln.ailncyclic = 6;
    const Station st[N_FUSE_STATIONS] = {
        {0.0f, 0.4f, 2.0f, 0.6f},   {1.5f, 1.8f, 3.8f, -0.2f},  {3.5f, 2.1f, 4.6f, -0.4f},
        {6.0f, 2.0f, 4.8f, -0.3f},  {8.5f, 1.4f, 4.2f, 0.4f},   {12.0f, 0.4f, 3.1f, 2.3f},
        {16.0f, 0.35f, 3.0f, 2.4f}, {20.0f, 0.3f, 2.9f, 2.4f},  {25.0f, 0.25f, 2.8f, 2.4f}};
    fuselage(st, 0.30f, 0);
    weights(6.4f, 2.0f, 880, 1370, 115);
    skids(2.6f, 3.2f, -1.6f, 7.6f);
}

// Seaplane, modelled on a single-engine high-wing utility aircraft on
// twin floats.
// Published (the type's flight manual and float supplement): span 48 ft,
//   wing area 250 sq ft, length on floats about 32 ft, 450 hp at 2,300 rpm,
//   two-blade constant-speed propeller of 8 ft 6 in, maximum weight on
//   floats 5,090 lb, empty weight on floats about 3,300 lb, 95 US gal of
//   fuel (570 lb), Vne about 155 KIAS, stall about 52 KIAS flaps down.
// Estimated: tail, positions, float size and placing (floats of about
//   25 ft), incidences.
static void build_seaplane()
{
    start("C-FLOT", 0);
    speeds(52, 58, 100, 125, 155, 0);
    eye(8.0f, -1.0f, 3.2f);
    engines({1, 1, 450, 0, 700, 2300, 1800, 2300, 0, 0, 0});
    rotor(0, {CLARK_Y, "", 2, 4.25f, 8.0f, 0.8f, 0, 0, 96, 2000, 1, 0, 0, 0});
    rotor(1, {CLARK_Y, "", 2, 4.25f, 8.0f, 0.8f, 0, 0, 96, 2000, 1, 0, 0, 0});
    surface(2, {A4412, "", 24.0f, 5.21f, 5.21f, 10.0f, 0, 4.2f, 0, 1, 5, 2.0f, 0.0f});
    surface(4, {A0012, A0012_HI, 8.0f, 4.4f, 3.4f, 28.0f, 0, 1.6f, 0, 0, 3, -2.5f, -2.5f});
    surface(5, {A0012, A0012_HI, 6.0f, 5.0f, 3.0f, 27.0f, 0, 2.0f, 30, 0, 3, 0, 0});
    in_wash(2, 0, 0);
    in_wash(4, 0, 1);
    in_wash(5, 0, 1);
    wing_devices(3, 2, "slotted flap.flp");
    tail_devices();
    controls(0.25f, 0.40f, 0.40f, 20, 15, 28, 20, 25, 1);
    const Station st[N_FUSE_STATIONS] = {
        {0.0f, 0.4f, 0.6f, -0.6f},  {2.5f, 1.8f, 1.6f, -1.6f},  {5.5f, 2.2f, 2.4f, -2.2f},
        {8.5f, 2.3f, 4.0f, -2.4f},  {12.0f, 2.3f, 4.0f, -2.4f}, {16.0f, 1.8f, 3.2f, -1.6f},
        {20.5f, 1.2f, 2.2f, -0.7f}, {25.0f, 0.7f, 1.6f, 0.0f},  {30.0f, 0.3f, 1.4f, 0.6f}};
    // The body's drag coefficient also carries the floats' and their
    // struts' drag in the air, which the float model leaves out; set from
    // the type's cruise speed on floats (docs/flight-figures.md).
    fuselage(st, 0.25f, 1);
    weights(10.3f, 0.5f, 3300, 5090, 570);
    // The float model's hull is a box whose bow rises 1.5 ft over its
    // length, so its buoyancy sits about 5 ft aft of its middle. With the
    // middle at the CG the aircraft rested 4 degrees nose down and ploughed
    // at 26 kt; 7 ft ahead of it the centre of buoyancy is a little ahead
    // of the CG, the aircraft rests 3 to 4 degrees nose up and climbs onto
    // the step.
    floats(3.0f, 4.6f, -6.5f, 12.5f, 2.6f, 1.5f);
}

// Ground attitude bands (deg, nose up) are the published "about level"
// stance of each type with a degree of slack either way; the floatplane
// has no wheels or skids and rests at 0. Stall speeds (kt) are the
// published ones quoted above (the trainer's flaps up at maximum weight).
const DefaultAircraft DEFAULT_AIRCRAFT[N_DEFAULT_AIRCRAFT] = {
    {"Trainer.acf", build_trainer, -1.0f, 2.0f, 48.0f},
    {"Twin.acf", build_twin, -1.0f, 2.0f, 60.0f},
    {"Jet.acf", build_jet, -1.0f, 1.5f, 85.0f},
    {"Helicopter.acf", build_helicopter, -2.0f, 2.0f, 0.0f},
    {"Seaplane.acf", build_seaplane, 0.0f, 0.0f, 52.0f},
};
