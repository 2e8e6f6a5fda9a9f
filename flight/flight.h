// The flight model: the flight state `flt` and the air state `atm`.
#pragma once
#include "common/common.h"
#include "world/world.h"
#include "files/formats.h"

// Flight rows of the per-element flow values: 0/1 wing 1 left/right, 2/3
// wing 2, 4/5 horizontal stabiliser, 6 and 7 the fins, 8 the fuselage.
constexpr int MAX_FLT_ROWS = 9;
constexpr int FLT_ROW_FUSE = 8;

// Flight state. Written by the flight start (set_fltvars) and every frame by
// the flight model; the controls write the *request fields.
struct flightstruct {
    double x, y, z;          // m, world position (x east, y north, z up)
    float h;                 // m, z as a float: altitude above sea level
    float vind;              // kt, indicated airspeed, not negative
    float psi, the, phi;     // deg, heading, pitch, roll
    float throt[2], throtrequest[2];  // 0..1
    float omega[2];          // rad/s, rotor speed
    float prop[2];           // rad/s, commanded rotor speed
    int cat_stage;           // catapult stage

    // ---- airfoil lookup and local flow of the lifting elements
    // Aircraft state read by the element flow; written by the integration.
    float av;                // m/s, true airspeed
    float Alpha, Beta;       // deg, angle of attack and sideslip
    float sinalph, cosalph, sinbeta;
    float Prad, Qrad, Rrad;  // rad/s, body rates (roll right, nose up, nose right)
    float trim;              // deg added to a flying stabiliser's incidence
    float lhstbdef, rhstbdef;   // deg, stabilator deflection of each half
    // Per surface [part]. slat_effect, alphamax, CDIgrndeffect and
    // CLgrndeffect by the flight events; stalled set by anyfoil, cleared by
    // the force build-up each step; downwash (deg, negative down) rebuilt by
    // the force build-up and read by the next step's flow.
    float slat_effect[MAX_PARTS];    // stall-alpha stretch ratio, 1 slats in
    float alphamax[MAX_PARTS];       // deg, slat_effect x pln.alphamax
    int stalled[MAX_PARTS];
    float CDIgrndeffect[MAX_PARTS], CLgrndeffect[MAX_PARTS];
    float downwash[MAX_PARTS];       // deg
    float DVinc[2];                  // m/s, propwash speed increment per engine
    // Per flight row (see MAX_FLT_ROWS) and element; written by
    // initwinghstb/initvst12 (the fuselage row by the integration) except
    // induced_alpha, which the force build-up writes for the next step.
    float machno[MAX_FLT_ROWS], machfac[MAX_FLT_ROWS];
    float rho[MAX_FLT_ROWS];                   // kg/m^3 at the element
    float v_el[MAX_FLT_ROWS][MAX_ELS];         // m/s
    float alpha[MAX_FLT_ROWS][MAX_ELS];        // deg
    float induced_alpha[MAX_FLT_ROWS][MAX_ELS];   // deg
    float deldir[MAX_FLT_ROWS][MAX_ELS];       // deg, flow-direction change
    float sindeldir[MAX_FLT_ROWS][MAX_ELS], cosdeldir[MAX_FLT_ROWS][MAX_ELS];
    // ---- end of the airfoil lookup and local flow block

    // ---- force build-up, propulsion, contact and the integration state
    // Controls and settings of the flight step (the controls and flight
    // events write them; the force build-up reads them).
    float slat, slatrequest;         // 0..1
    int sbrk;                        // speedbrake 0 in, 1 half, 2 full (-1 armed)
    float sweep, sweeprequest;       // 0..1
    int vectrequest;                 // deg
    int flap, flaprequest;           // flap index 0..50
    int wired;                       // caught by an arresting wire
    // Force accumulators (N), cleared and rebuilt by set_a each step:
    // *prop in body axes, *aero in flight-path axes, *gear in heading axes
    // (along the heading, across it, vertical); positive forward, right, up.
    float faxilprop, fsideprop, fnrmlprop;
    float faxilaero, fsideaero, fnrmlaero;
    float faxilgear, fsidegear, fnrmlgear;
    float M, N, L;                   // N m about the cg: nose up, nose right, roll right
    float Pdot, Qdot, Rdot;          // deg/s^2, body axes
    float P, Q, R;                   // deg/s, body rates
    float thedot, psidot, phidot;    // deg/s
    float the180, psi180, phi180;    // deg, -180..180
    float ax, ay, az;                // m/s^2, earth axes (east, north, up)
    double vx, vy, vz;               // m/s, earth axes
    float v;                         // m/s, speed over the ground frame
    float vaxial;                    // m/s, along the body axis
    float vu;                        // m/s, vertical speed
    float Qstatic;                   // Pa, dynamic pressure
    float Qratio;                    // (vind / Vne)^2
    float hpath, vpath, ahpath, avpath;   // deg: ground and air path angles
    float sinphi, cosphi, sinphi_path, cosphi_path, sinthe, costhe, sinpsi, cospsi;
    float cosbeta, sinhpath, coshpath, sinvpath, cosvpath;
    float sinahpath, cosahpath, sinavpath, cosavpath;
    int psi_int;                     // deg, rounded heading
    float magpsi;                    // deg, magnetic heading
    int magpsi_int;
    float ringthrust[2][MAX_ELS];    // N, per blade ring
    float ringDVinc[2][MAX_ELS];     // m/s, induced speed through each ring
    // Control deflections (deg; positive lowers the element's lift).
    float lailndef, railndef, lsplrdef, rsplrdef, ldruddef, rdruddef;
    float ailncyclic, elevcyclic, ruddef;
    int onground;                    // some contact point is down this step
    float geard[3], gearf[3];        // m wheel compression, N wheel force
    int eng_running[2];
    // Engines and rotors [engine]: W, N m, N m, rad/s (omega above), inHg,
    // deg, 0..1, 0..1, N, percent, ratio, 0..1, ratios, lb/h.
    float power[2], Etq[2], Dtq[2], mp[2], proppitch[2], mix[2];
    float parteqlbmthrust[2], thrust[2], n1[2], epr[2], egt[2];
    float mix_powr_rat[2], mix_temp_rat[2], ff_lbhr[2];
    float m_total;                   // kg, set each flight step
    float jatoleft;                  // s of JATO burn left
    int stall_warn, over_vfe, over_vne;
    int revving_thrust[2];
    float L_rotor, M_rotor;          // N m, smoothed main-rotor roll and pitch moments
    // ---- end of the force build-up block

    // ---- loads, set by the aircraft loading and burned or dropped in flight
    float m_fuel, m_water, m_fixed;   // kg
    // ---- end of the loads block
};
extern flightstruct flt;

// Weather and the air around the aircraft. Lengths m, speeds m/s unless
// noted. The settings (clouds, visibility, layers, waves, thermals,
// temperature) are written by the weather window, preferences and
// situations, each change followed by limwx; the air state (rho..T) every
// flight step by air_state; the wind vector and shear state by wxcalc.
constexpr int NWIND_LAYERS = 9;
constexpr int MAX_BRANCHES = 4;    // lightning: main bolt and three side branches
constexpr int BRANCH_PTS = 20;     // points of one branch
constexpr int STRIKE_RING = 60;    // remembered strikes for the stormscope
constexpr int NDENSITY_ROWS = 22;

struct atmospherestruct {
    int clear;               // no cloud layer
    float baseMSL, topsMSL, baseAGL;   // m
    float vis, vis_effective, vis1_grnd, vis2_grnd, vis1_lite, vis2_lite, vis3_lite;  // m
    int rain_tstm;           // precipitation 1..5; above 1 thunderstorms
    int wind_tbl;            // random wind severity 1..5
    int shear_prob;          // wind-shear likelihood 1..5
    float crtsig;            // rho / con.rhoSL
    float rho;               // kg/m^3 at the aircraft
    float a;                 // m/s, speed of sound
    float g;                 // m/s^2
    float T;                 // K
    float wnddir[NWIND_LAYERS];   // deg magnetic, where the wind comes from
    float shrdir[NWIND_LAYERS];   // deg, random swing of the direction
    float wndspd[NWIND_LAYERS];   // m/s
    float shrspd[NWIND_LAYERS];   // m/s, gust amplitude
    float tbl[NWIND_LAYERS];      // turbulence 0..9
    float wave_amp;          // m, 0..9.9
    float wave_length;       // m, 0..99
    float wave_speed;        // m/s, 0..99
    int wave_dir;            // deg 0..360
    float temp_SL;           // deg F at sea level
    float thermal_part;      // share of cells with thermals, 0..0.99
    float thermal_vvi;       // ft/min, thermal climb rate 0..999
    float level;             // storm level around the aircraft, 0..9
    float hr[NDENSITY_ROWS][2];   // density table: height m, density kg/m^3
    float wind_x, wind_y, wind_z; // m/s, east, north, up
    float wind_P;            // deg/s, turbulence roll rate
    int inshear;             // a wind shear is in progress
    int therm_on_poly[MESH_I][MESH_J];   // thermal over terrain cell [i][j]

    // ---- lightning: the strike shown now and the ring of recent strikes
    // (start_strike on the event tick, manage_strike each frame)
    int strike_up;           // a strike is being shown
    int strike_lighting;     // the flash, toggled each frame while shown
    float strike_start_time, strike_duration;   // s
    int i_strike, j_strike;  // terrain cell of the strike
    int num_branches;        // side branches of the next bolt, 0..3
    int strike_size[MAX_BRANCHES];                   // points used per branch
    float lightx[MAX_BRANCHES][BRANCH_PTS], lighty[MAX_BRANCHES][BRANCH_PTS];
    float lightz[MAX_BRANCHES][BRANCH_PTS];          // m, branch polylines
    float strike_x[STRIKE_RING], strike_y[STRIKE_RING];   // m
    float strike_t_exp[STRIKE_RING];                 // s, when the entry expires
    int strike_ring;         // next ring slot, 0..STRIKE_RING - 1
    // ---- end of the lightning block
};
extern atmospherestruct atm;

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
// Clamps and derives the weather settings after a change. Reads env.fieldh.
void limwx();
// Blends a random wind table into the nine layers with weight newpart 0..1.
void assign_wind_tbl(float newpart);
// in = newpart * goal + (1 - newpart) * in.
void transition(float *in, float goal, float newpart);
// Forgets any shear in progress and the wind targets (a new flight).
void reset_weather_state();

// ---------------------------------------------------------------- terrain
// Locates (x, y) (m) in the terrain mesh: a search of the 5 x 5 cells round
// (i, j) (full_search 0) or of the whole grid. Returns 1 and the cell and
// triangle in i, j, t when found, else 0 with them unchanged.
int find_ijt_with_loc(float x, float y, int *i, int *j, int *t, int full_search);
// Terrain height under (x, y) into *h (m), and its location into i, j, t:
// a local search from i, j, t, then a full one. Both left unchanged when
// the point is off the mesh. Returns the height.
float find_local_h(float x, float y, float *h, int *i, int *j, int *t);
// Grid offsets of triangle t of a cell with diagonal `div`, in clockwise
// order and in plane order (right-angle corner, its x and y neighbours).
void convert_ij_cw(int div, int t, int di[3], int dj[3]);
void convert_ij_dxy(int div, int t, int di[3], int dj[3]);
// Area (m^2) of the triangle through three points.
float findarea(float x1, float y1, float z1, float x2, float y2, float z2,
               float x3, float y3, float z3);
// Whole-number half-span x1..x2 of row *y of a circle of radius r, then
// *y += 1. A row beyond the radius is a fatal error ("y>r").
void work_down_circle(int r, int *y, int *x1, int *x2);

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
// failures (rel), atc/fpl, the traffic, car, and clears the weather state,
// lightning, path record and watchdog.
void set_fltvars(int type_start, int slot);
// Puts the panel's lever rows (ins.throt, prop, mix, flap, sbrk, slat,
// sweep, vect, trim, collect; the LEVER_ constants) where the flight's
// levers are. A row within slack_px of its lever's value stays (a drag's
// own rounding); the flight start passes 0.
// Reads: flt levers, pln.omegamin/omegamax/hstbtrimmax, set.CTthro.
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
// rel, ott.delhorz/delvert, pat.
void mod_evt();
// Times the watchdog restored a non-finite state since the last reset, and
// its reset (a new flight).
extern int flight_watchdog_trips;
void flight_watchdog_reset();
// Clears the flight-path record.
void resetpat();

// ==================================================================== events
// The flight events and starts beyond the first ones: ships and the
// carrier, traffic, failures, warnings, lightning.

// ---------------------------------------------------------------- ships
// Ships stand at the centre of their terrain cell (boat_on_poly or
// carr_on_poly), on the water, parallel to the coast beside them.
constexpr float SHIP_HALF_LEN = 60.0f, SHIP_HALF_BEAM = 7.0f, SHIP_DECK = 6.0f;   // m
constexpr float CARR_HALF_LEN = 150.0f, CARR_HALF_BEAM = 35.0f, CARR_DECK = 21.0f;   // m
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

// ---------------------------------------------------------------- traffic
// Ten other aircraft: points 0 centre, 1 and 2 wing tips, 3 tail (m),
// speed (m/s), heading (deg) and terrain cell. Moved by the flight step,
// drawn by the view.
constexpr int MAX_TRAFFIC = 10;
extern float traf_x[MAX_TRAFFIC][4], traf_y[MAX_TRAFFIC][4], traf_z[MAX_TRAFFIC][4];
extern float traf_v[MAX_TRAFFIC], traf_h[MAX_TRAFFIC];
extern int traf_i[MAX_TRAFFIC], traf_j[MAX_TRAFFIC], traf_t[MAX_TRAFFIC];
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
