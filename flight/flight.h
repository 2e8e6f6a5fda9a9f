// The flight model: the flight state `flt` and the air state `atm`.
#pragma once
#include "common/common.h"
#include "records/records.h"
#include "files/files.h"
#include "world/world.h"


// ---------------------------------------------------------------- calls upward
// What the flight model asks of the folders above it: sounds, the
// force-feedback stick and the data file's line. The program registers them at start-up; until then,
// and for any member left null, the call does nothing (a flight with none
// registered is silent and the stick still). Call sites use `flight_calls`.
struct FlightCallbacks {
    void (*play_buffer)(int index, int loop);   // SoundIndex, looping when loop != 0
    void (*stop_buffer)(int index);
    void (*stall_sound)();                      // the stall horn, looping
    void (*play_thunder)(float level);          // 1 at 5 nm, louder nearer
    void (*play_engine_and_wind)();             // restart the engine and wind loops
    void (*stop_engine_and_wind)();
    void (*forcecall)(int kind, float a, float b, float c);   // ForceKind
    void (*stall_shaker)();                     // after each stall-warning update
    void (*dskoutproc)();                       // one line of the data file (event tick)
    void (*beepme)(int kind);                   // marker tone: 5 the dot, 6 the dash
};
// Registers the calls (copied; null members become calls that do nothing).
void set_flight_callbacks(const FlightCallbacks *callbacks);
extern FlightCallbacks flight_calls;

// ---------------------------------------------------------------- atmosphere
// Fills density-table row i from kft thousand feet and `slugs` slug/ft^3.
// Called 22 times at start-up (fill_density_table does all of them).
void assign_hr(int i, float kft, float slugs);
void fill_density_table();
// Air state at height h_m above sea level: density, temperature, speed of
// sound, density ratio. Each flight step. Reads: atm.hr, atm.temp_SL.
// Writes: atm.rho, atm.T, atm.a, atm.crtsig.
void air_state(float h_m);
// Gravity at height h_m (inverse square). Writes: atm.g.
void air_gravity(float h_m);
// Wind layer 0..8 of a height above sea level (m).
int wind_index(float h_m);

// ---------------------------------------------------------------- weather
// Wind, gust, turbulence and shear update, once per event period.
// Reads: atm settings, flt.h, flt.z, flt.vind, flt.psi, env.localh, env.mvar,
// env.i_aircraft, env.j_aircraft, msc.cntr10, msc.tottime, pln.Vne.
// Writes: atm.wind_x, wind_y, wind_z, wind_P, inshear.
void wxcalc();
// The aircraft's never-exceed speed in knots, whichever unit its airspeed
// indicator reads (pln.Vne is in mph when pln.as_is_kias is 0).
float vne_kt();
// Blends a random wind table into the nine layers with weight newpart 0..1.
void assign_wind_tbl(float newpart);
// in = newpart * goal + (1 - newpart) * in.
void transition(float *in, float goal, float newpart);
// Forgets any shear in progress and the wind targets (a new flight).
void reset_weather_state();

// ------------------------------------------------------------ airfoil lookup
// Coefficients of one stored airfoil of part EN (Reynolds slot Re 0 lo /
// 1 hi, span station RT 0 root / 1 tip) at element `el` and angle of attack
// `alph` (deg): the finite-span alpha reduction, the slat stretch, the table
// (lift above 10 deg, drag everywhere) or straight lift line, the piecewise
// moment line and icing. Raises flt.stalled[EN] when the looked-up alpha
// passes the airfoil's own stall angle (positive alpha only). Out-of-range
// indices are clamped; finite tables give finite outputs at any alpha.
// Reads: afl, pln.finite_fact/slat, flt.slat_effect/alphamax, msc.ice.
// Writes: cl, cd, cm, flt.stalled[EN].
void anyfoil(float alph, float &cl, float &cd, float &cm, int EN, int Re, int RT, int el);
// anyfoil blended between the low and high Reynolds-number airfoils at the
// flight Reynolds number `Re` (millions; outside the pair the nearer airfoil
// alone) and between root and tip at the span fraction of element `el`.
// Reads: as anyfoil, pln.diffRe/diffRT/Re/delRe/dblel/semi_sec_wi.
// Writes: cl, cd, cm, flt.stalled[EN].
void Fco(float alph, float &cl, float &cd, float &cm, int EN, float Re, int el);
// Reynolds number in millions of density rho (kg/m^3), speed v (m/s) and
// chord mac (m).
float FRe(float rho, float v, float mac);
// Prandtl-Glauert factor 1/sqrt(|1 - M^2|), held within 1..2.
float Fmachfac(float machno);
// Density (kg/m^3) at an element flying at `machno` (held within 0..1), from
// atm.rho through the isentropic relation. Reads: atm.rho.
float thinair(float machno);
// Scales cl and cm by machfac, adds the induced drag (with the ground-effect
// multipliers on wings, stabiliser and main rotor) and the drag-divergence
// increment past Mach 0.75 - 0.2 cl.
// Reads: pln.PIeAR/is_heli, flt.CDIgrndeffect/CLgrndeffect. Writes: cl, cd, cm.
void finitecompressible(int EN, float &cl, float &cd, float &cm, float machno, float machfac);
// Control effectiveness of a deflection `def` (deg) on part EN: large
// positive deflections lose effect, a stalled surface keeps a fifth.
// Reads: flt.stalled[EN].
float effrat(float def, int EN);
// Induced angle (deg) of a lift-coefficient increment clmod on a surface of
// aspect ratio AR (taken within 5..15).
float induce_alpha(float clmod, float AR);
// Lift, drag and moment derivatives per degree of a control of chord ratio
// `rat` (0..1) and kind 13 aileron, 14 roll spoiler, 15 speedbrake, 16 drag
// rudder, 17 elevator, 18 rudder. Called once per aircraft load.
// Reads: pln.con_type (rivets and gaps). Writes: cl, cd, cm.
void set_con_eff(float rat, float &cl, float &cd, float &cm, int kind);
// Turns an element's cl and cd through its flow-direction change into the
// flight-path directions. Reads: flt.sindeldir/cosdeldir[FLTEN][el].
void washawing(float &clin, float &cdin, int FLTEN, int el);

// ------------------------------------------------------------ element geometry
// Arms of the elements of part EN (2..6) from the part root (arm slot 8),
// the span arms, the current sweep and the dihedral. Called after loading
// and whenever the sweep changes. Writes: pln.xarm/yarm/zarm[EN][0..els-1].
void calcsweepgeo(int EN);
// Load-time downwash set-up: flags every element of a surface (2..4) lying
// behind another surface and inside its semispan, and sets the washer's
// pln.specwash. `report`, when not null, receives the lines of the load
// report one at a time. Reads: pln geometry. Writes: pln.downwash/specwash.
void setup_downwash(void (*report)(const char *line));
// Downwash angle (deg per unit lift coefficient) behind a surface of aspect
// ratio AR and taper ratio TR at height and length separations hDs, xDs
// (in the washer's semispans).
float findspecwash(float hDs, float xDs, float AR, float TR);
// Piecewise-bilinear interpolation on a 3x3 grid: x1 < x2 < x3, y1 > y2 > y3,
// zij the value at (xi, yj); extrapolated outside. Equal break points give
// the nearer value, never a NaN.
float interp9(float x1, float x2, float x3, float y1, float y2, float y3,
              float z11, float z21, float z31, float z12, float z22, float z32,
              float z13, float z23, float z33, float x, float y);

// ------------------------------------------------------------ local flow
// Local flow of wing or stabiliser EN (2..4) on flight rows L and R, with
// the arm rows of the part: sweep-normal speed, Mach, density, then per
// element speed, alpha and flow-direction change from the body rates,
// propwash and last step's downwash, and the incidence changes (tilt,
// stabilator, flying stabiliser). Every physics step.
// Reads: pln geometry, flt state and rates, flt.DVinc/downwash/
// induced_alpha/trim/lhstbdef/rhstbdef, atm.a, atm.rho.
// Writes: flt.machno/machfac/rho[L,R], v_el/alpha/deldir/sindeldir/cosdeldir[L,R][].
void initwinghstb(int EN, int L, int R, const float *xarm, const float *yarm, const float *zarm);
// Local flow of fin EN (5 or 6) on flight row FLTEN. Every physics step.
// Reads: pln geometry, flt state and rates, flt.DVinc[0], atm.a, atm.rho.
// Writes: the same row fields as initwinghstb.
void initvst12(int EN, int FLTEN);
// Share (0..1) of engine `sideindex`'s propwash increment dvinc (m/s) that
// reaches surface EN, from the angle of the wash stream against the
// surface's full-wash, upper and lower limit angles.
// Reads: flt.av/sinalph/cosalph, pln.sin_vertcant/cos_vertcant/*_washdir.
float partialwash(float dvinc, int EN, int sideindex);

// ------------------------------------------------------------ force report
// While set.cycout is on (one frame per "Cycle Dump" request), the flight
// model writes its build-up through cyc_printf, which hands each piece of
// text to cyc_sink. The data output points the sink at its report file;
// null drops the text.
extern void (*cyc_sink)(const char *text);
// printf-style text into the report; nothing unless set.cycout is on and a
// sink is set. Each call is cut at MAX_STR - 1 characters; no allocation.
void cyc_printf(const char *fmt, ...) __attribute__((format(printf, 1, 2)));

// ------------------------------------------------------------ force build-up
// Catapult stages: held on the deck, launching, free (every other value,
// including the zero of a fresh record, also counts as free).
constexpr int CAT_HELD = 34, CAT_LAUNCH = 35, CAT_FREE = 36;
// The catapult brings the aircraft to 1.7 times its estimated stall speed
// over its 100 m stroke.
constexpr float CAT_SPEED_RATIO = 1.7f;
constexpr float CAT_RUN_M = 100.0f;
// 1 while the catapult holds or launches the aircraft (stage 34 or 35).
int catapult_engaged();
// One physics step's forces and moments: propulsion, JATO, puffers, every
// wing, stabiliser and fin element, the fuselage, contact, gear drag, then
// the earth-axis accelerations and the body angular accelerations.
// Reads: pln, afl, atm, flt state, rates and controls, set (CT*, gear,
// brakes, cycout), msc.prd/tottime/ice/est_Vs, ins.jato_on, car.catang,
// env (surface under the aircraft), on_water.
// Writes: flt accumulators, L/M/N, ax/ay/az, Pdot/Qdot/Rdot, induced_alpha,
// stalled, downwash, onground, gear, engine state, jatoleft, cat_stage.
void set_a();
// Accumulators: each adds a force (N) at an arm (m from the cg, x aft,
// y right, z up) and its moment. addFaero takes flight-path axes and turns
// the force through Beta then Alpha into body axes for the moment.
void addFaero(float faxil_path, float fside_path, float fnrml_path, float x, float y, float z);
void addFaprop(float faxil, float y, float z);
void addFsprop(float fside, float x, float z);
void addFnprop(float fnrml, float x, float y);
void addFagear(float faxil, float y, float z);
void addFsgear(float fside, float x, float z);
void addFngear(float fnrml, float x, float y);
// Earth-axis force (N: east, north, up) of the nine accumulators at the
// current attitude and path angles. Reads: flt accumulators, angles.
void earth_forces(float *f_east, float *f_north, float *f_up);
// Aerodynamic forces of wings, stabiliser (both halves) and fins, with their
// control and flap increments and the downwash they cast (steps of set_a).
void surface_forces();
// Height (m) of surface p's root over the ground or water under the
// aircraft, at the present attitude. Reads: pln arms, flt.h, flt attitude,
// env.localh.
float root_height_agl(int p);
// Share (0..1) of washer W's free-air downwash that reaches washee E at the
// present height over the ground. Reads: pln arms and semispan, flt.h, the
// attitude, env.localh.
float downwash_ground_share(int W, int E);
// Fuselage drag, lift and side force.
void fuselage_forces();

// ------------------------------------------------------------ propulsion
// All propellers or rotors (engine types 1, 2): engine torque, blade
// elements, governors and rotor speed. Reads: pln engine and rotor fields,
// flt engine state, atm, msc.prd, rel.tro, set.recip_hel_thrt_type.
// Writes: flt.omega/Etq/Dtq/power/thrust/DVinc/ringthrust/ringDVinc/
// proppitch/throtrequest/n1, the prop accumulators and L, M, N.
void props();
// Engine torque and power of engine `eng` (a helicopter's from rotor 0).
void apropengine(int eng);
// Blade-element forces of disc `eng` (0, 1) with its hub at x, y, z (m).
void aprop(int eng, float x, float y, float z);
// All jets; one jet's spool and thrust at its arm.
void jets();
void ajet(int eng, float x, float y, float z);
// Engine state at a start, power setting pwr 0..1 (both engines).
void initpower(float pwr);
// Mixture power and temperature ratios of both engines from flt.mix, the
// throttle and atm.crtsig (each flight step). Writes: flt.mix_powr_rat,
// flt.mix_temp_rat.
void mixture_ratios();
// First-order lag: now moves towards term at `rate` per second over msc.prd,
// never past it (a long step lands on the term).
float closer(float now, float term, float rate);

// ------------------------------------------------------------ contact
// Spring-damper force (N) of penetration p (m) closing at v (m/s) on a
// spring k (N/m) and damper gamma (N s/m), within +-5 m_max g.
float dampedforce(float p, float v, float k, float gamma);
// One contact point: kind w (0 first wheel, 1 left main, 2 right main,
// 3 skid corner, 4 other), arm (m). Adds to the gear accumulators.
void handle_contact_point(int w, float xarm, float yarm, float zarm);
// Buoyancy, planing and drag of one float whose centre is depth h (m) below
// the water, at its arm, half length, width and bow rise (m).
void float_force(float h, float xarm, float yarm, float zarm, float semilength, float width, float noseup);
// The floats on the water under the aircraft, with the waves.
void water_floats();
// Every contact point, the floats and the crash checks (step 12 of set_a).
void ground_contact();
// Gear handle and wheels up (0) or down (1; fixed gear is always down),
// brakes released, partbrake 0.25. Writes: set.gear_handle/gear_stat/
// partbrake, ins.brake_on.
void setgear(int setting);
// Sound of a wheel coming down at vertical speed vel (m/s, negative down).
int touchdown_sound(float vel);
// Crash: sounds, force feedback, the damage picture, the explanations and
// a restart on the selected runway; instant 1 for a crash at once.
void bendmetal(int instant);
// Places and resets the aircraft for a start of kind `type_start` (4 at the
// selected airport and runway by msc.typestart, 5 and 8 the custom location,
// 6 and 7 over the VOR or NDB in navigation slot `slot`, 9 and 10 on the
// approach to the nearest small ship or the carrier, 11 held on the
// carrier's catapult; 9 to 11 end the program when there is no such ship).
// Writes flt, the controls and switches (set, ins), autopilot modes (ott),
// failures (rel), atc/fpl, the traffic, car, the radios' latched stations
// (nav), and clears the weather state, lightning, path record and watchdog.
void set_fltvars(int type_start, int slot);
// Puts the panel's lever rows (ins.throt, prop, mix, flap, sbrk, slat,
// sweep, vect, trim, collect; the LEVER_ constants) where the flight's
// levers are. A row within slack_px of its lever's value stays (a drag's
// own rounding); the flight start passes 0.
// Reads: flt levers and revving_thrust, pln.omegamin/omegamax/
// hstbtrimmax/revthrustEQ.
void set_lever_rows(int slack_px);

// ------------------------------------------------------------ flight step
// One frame of flight over msc.prd (the simulation loop calls it while not
// paused): mass, throttle lag, terrain, deck and air under the aircraft,
// stall warning, traffic, the event update every msc.evup frames (which
// also starts a waiting force build-up report), the lightning flash, then
// two half-period sub-steps of set_a, integ_v, integ_x, the report's end
// and the watchdog.
// Reads: pln, msc.prd/cntr/evup/est_Vs, set, rel.thr, atm, env.
// Writes: flt (whole state), env.localh/i,j,t_aircraft/deck, atm air state,
// traffic, set.cycout/cycoutwaiting.
void deg2integ();
// Body rates, nose-wheel yaw, Euler rates and earth velocities over msc.prd.
// Reads: flt P/Q/R dots, ax/ay/az, vx/vy, sinpsi/cospsi, gearf, set.damp/YK*,
// atm.wind_P, pln gear.
// Writes: flt.P/Q/R, Prad/Qrad/Rrad, thedot/psidot/phidot, vx/vy/vz.
void integ_v();
// Attitude (wrapped, re-expressed past the vertical), position, speeds,
// path angles, alpha and beta with their sines and cosines.
// Reads: flt velocities and rates, atm wind/rho/crtsig/a, env.mvar, pln.Vne.
// Writes: flt attitude, position, speeds, angles; con.*PLAN* attitude.
void integ_x();
// 1 when the ground track is more than 90 degrees off the heading.
int crs_wrapped();
// Event update, every msc.evup frames: the flight-path record, the storm
// level, autopilot errors and the glide-slope warning, brakes, flaps, slats,
// sweep, vectoring, weather, gear; on the eleven-count force feedback, fuel,
// icing, failures, engines, lightning, gravity and the speed penalties; on
// counts 0 and 5 the stall alphas and ground effect.
// Reads: pln, flt, atm, nav, ins, rel, msc.cntr10/evup/prd/tottime/warn_*,
// flt_wxr, the mesh. Writes: flt, pln (sweep, nozzles, a removed surface),
// atm.level/g/lightning, set.partbrake/gear_stat/gear_time, msc.ice/icebld,
// rel, ott.delhorz/delvert, pat.cntr_record/xyztpp/inited; and, while
// set.dskout is on, the data file's line through flight_calls.dskoutproc.
void mod_evt();
// Times the watchdog restored a non-finite state since the last reset, and
// its reset (a new flight).
extern int flight_watchdog_trips;
void flight_watchdog_reset();
// The flight-path record's step (each event tick, first in mod_evt): a
// new sample once the aircraft has moved more than 1 m in x or y from the
// newest, else the newest follows the aircraft; the slot after the newest
// is marked empty. Reads: flt.x/y/z/the/psi/phi. Writes: pat.cntr_record,
// xyztpp, inited.
void record_path();
// Empties the flight-path record: pat.cntr_record 0, every sample zeroed
// and marked empty.
void resetpat();

// ==================================================================== events
// The flight events and starts beyond the first ones: ships and the
// carrier, traffic, failures, warnings, lightning.

// ---------------------------------------------------------------- ships
// Ships stand at the centre of their terrain cell (boat_on_poly or
// carr_on_poly), on the water, parallel to the coast beside them.
constexpr float SHIP_HALF_LEN = 60.0f, SHIP_HALF_BEAM = 7.0f, SHIP_DECK = 6.0f;   // m
constexpr float CARR_HALF_LEN = 150.0f, CARR_HALF_BEAM = 35.0f, CARR_DECK = 21.0f;   // m
// The arresting wires cross the landing area this far along the deck from
// the carrier's centre (m, aft negative), each reaching CARR_WIRE_HALF
// either side of the centre line; the deck's glide-slope lights aim at the
// middle of them.
constexpr int CARR_WIRES = 4;
constexpr float CARR_WIRE_Y[CARR_WIRES] = {-108.0f, -96.0f, -84.0f, -72.0f};
constexpr float CARR_WIRE_HALF = 14.0f;
constexpr float CARR_GLIDE_DEG = 3.5f;
// The catapult's launch point lies this far aft of the carrier's centre,
// leaving 180 m of deck ahead: the stroke needs 100 m.
constexpr float CAT_AFT = 30.0f;   // m
// Centre (m), deck height (m above sea level) and heading (deg) of the ship
// in cell (i, j); carrier 1 for the carrier's dimensions.
void ship_place(int i, int j, int carrier, float *x, float *y, float *deck, float *hdg);
// Cell of the ship nearest to (x, y): carrier 0 the small ships, 1 the
// carrier. Returns 0 when the region has none.
int nearest_ship(float x, float y, int carrier, int *i, int *j);
// Catapult of the carrier in cell (i, j). Writes: car.catx/caty/catang.
void place_carrier_catapult(int i, int j);
// Deck under the aircraft: over_boat with the deck corners, or over_carr
// with the deck height, when over a ship in the aircraft's cell.
// Reads: flt.x/y, env.i/j_aircraft, boat_on_poly, carr_on_poly, the mesh.
// Writes: env.over_boat/over_carr/boatx/boaty/boatz/carrz, car (carrier).
void deck_under_aircraft();
// On the carrier's deck, at `along` m forward of its centre and `across`
// m to starboard: ends the catapult's stroke 100 m from its start
// (cat_stage 35 to 36), and hooks a wire (flt.wired) when the aircraft
// rolls forward over the wires on the deck.
// Reads: flt, car.catx/caty/catang. Writes: flt.cat_stage, flt.wired.
void carrier_deck_events(float along, float across);
// Threshold (m) and heading (whole deg) of runway end msc.rway_sel of the
// airport in navigation slot k.
void runway_end(int k, float *x, float *y, int *hdg);

// ---------------------------------------------------------------- traffic
// Creates traffic aircraft n at random within 30 nm of the user, 300 m or
// more above the terrain. Reads: flt.x/y, the mesh. Writes: traf_*[n].
void make_a_plane(int n);
// Moves the ten aircraft over msc.prd (step 6 of the flight step).
// Reads: flt.x/y, msc.prd, the mesh. Writes: traf_*.
void move_traffic();

// ---------------------------------------------------------------- failures
// Whether failure item w (0..MAX_FAIL_KINDS - 1) happens now: fail_type 1
// never, 3 always, 2 with odds 1 in 60 x fail_time_max. Reads: rel.
int failme(int w);
// The failure pass of the eleven-count: each working item the aircraft has
// may fail. Reads: rel, pln, msc.tottime/warn_gpws. Writes: rel.
void failure_pass();
// Hydraulic pressure after a failure: 1 to 0 over 30 s. Writes: rel.hyd_rat.
void hydraulic_decay();

// ---------------------------------------------------------------- radios
// Latches what radio w (RadioNumber) receives: NAV 1 and 2 the nearest VOR,
// ILS or localizer on their frequency (an ILS or localizer only while the
// aircraft heads within 90 degrees of its course), none clearing the
// receiver; the ADF the nearest NDB on its frequency (none keeps the last);
// the GPS its waypoint from the country table, with `uplock` also locking
// the present course to it. COM and transponder receive nothing.
// Reads: nav frequencies and GPS choice, env navigation table, country
// tables, flt.x/y/psi. Writes: nav latched fields, ilscrs, ilsgs, the
// receiver's needles, gps_lat/lon/crs/dis/lock_crs, dme_ok.
void tune_radio(int w, int uplock);
// Every radio in turn, the DME and the marker beacon afresh (a new
// flight: the aircraft moved and turned).
void tune_receivers(int uplock);
// The three identifier characters (not terminated) of the GPS waypoint,
// null when its index is outside its table.
const char *gps_waypoint_id();
// Course (deg true, 0..360) and distance (m) from the aircraft to the GPS
// waypoint nav.gps_lat/gps_lon. Reads: flt.x/y, env.lat_south/lon_west,
// planex[0][0], planey[0][0].
void get_gps_data(float *crs, float *dis);
// 1 when the panel layout shows a GPS in place of NAV 1 (layouts other
// than 1 and 7). Reads: pln.layouttype.
int panel_has_gps();
// Every event period: NAV needles and flags, bearings, the GPS course and
// cross-track, the DME (once a simulated second) and the marker beacon
// with its lamp and tones.
// Reads: nav, flt.x/y/z/psi/vind, env.mvar and table, msc.cntr10/tottime,
// pln.layouttype. Writes: nav.hdef/vdef/ntf/gs_dist_nm/vor_brg/adf_brg/
// gps_crs/gps_dis/gps_cdi/dme_*/marker/marker_lit; plays the marker tones.
void radio_receivers();
// The DME's windows: distance in tenths of a nm (0..999, so 99.9 nm at
// most), speed in kt (0..999) and whole minutes to the station (0..99, -1
// when there is no estimate); zeros and -1 without a station. Reads: nav.dme_*.
void dme_digits(int *tenths, int *kt, int *min);
// Needle swings (deg of needle travel) of receiver r's deviations on the
// VOR head of layouts 1 and 7 and on the HSI.
enum CdiKind { CDI_VOR_HEAD, CDI_HSI };
void cdi_needles(int kind, int r, float *course, float *glide);

// ---------------------------------------------------------------- warnings
// Glide-slope warning of a jet per NAV receiver, at most once every 2 s;
// returns 1 when it sounded.
// Reads: nav.ilsgs/ilscrs/hdef/vdef/gs_dist_nm, flt.psi/vu/h/onground,
// pln.entype, msc.warn_gpws/tottime. Plays SND_GLIDESLP.
int glideslope_warning();
// Forgets captured approaches and the warning timer (a new flight).
void glideslope_reset();
// Overspeed and flap-speed penalties (aeroplanes). Reads: flt.vind/
// flaprequest, pln.Vne/Vfe/as_is_kias/fwd_foil, msc.warn_overspeed/warn_flaps.
// Writes: flt.over_vne/over_vfe, pln.foileq[fwd_foil].
void speed_penalties();

// ---------------------------------------------------------------- lightning
// On an event tick in thunderstorms: a strike at a random point within 20 nm
// when the weather radar there is 29 or more. Reads: flt, atm, flt_wxr,
// the mesh. Writes: atm lightning fields, ins.tickle_str.
void start_strike();
// Every frame in thunderstorms: the flash toggles, the strike ends.
void manage_strike();
// Clears the shown strike and the ring (a new flight).
void clear_strikes();
// Weather-radar cell of (x, y) in flt_wxr, kept inside the array (the 5 x 5
// block round it included). Returns 0 when the mesh has no extent.
int wxr_cell(float x, float y, int margin, int *i, int *j);

// ------------------------------------------------------------ aircraft loading
// Loads the aircraft pln.C_file (relative to the program folder
// pln.C_appdir, or a full path): finds it (alert and open dialog while it
// cannot be opened; cancelling ends the program), reads it, loads its
// airfoils and flaps, derives everything the flight model needs, checks the
// design (a bad one ends the program with its message) and writes the load
// report to "Vortan.out" in the user data folder. `progress`, when not
// null, is the start-up progress display, advanced twice per section.
// Writes: pln, afl, flt.m_fuel/m_water/m_fixed, ins scalings, msc.est_Vs.
void load_plane(void (*progress)());

// Airfoil loading and the finite-span corrections of every existing part
// (after readin_plane and the element geometry): e, PIeAR, finite_fact,
// table scaling, alphamax; the report lines go to the load report.
void finish_readin();

// The geometry report of the loaded aircraft into the load report; also sets
// semi_sec_wi of each existing part and sets up the downwash.
void dump_geo();

// The load report: "Vortan.out" in the user data folder. While report_sink
// is set (the simulator's data output holds the file open) the text goes
// there and nothing is opened; otherwise load_plane opens the file afresh.
// load_printf writes into it (nothing when neither is open; each call cut
// at 4 x MAX_STR - 1 characters when it goes to the sink). box_sink likewise
// takes the load's header for "Vortan.box" (null: the file is appended to).
extern void (*report_sink)(const char *text);
extern void (*box_sink)(const char *text);
int load_report_open();
void load_printf(const char *fmt, ...) __attribute__((format(printf, 1, 2)));
void load_report_close();
