// The catalogue of the simulator's shared state: the type, the `extern` and
// (in records.cpp) the one definition of every global record and table,
// each with who writes which fields, and the codes that name sounds and
// stick forces across folders. Every folder above this one reads the
// records directly; none redeclares them. The layer's own records `con`
// (constants and view-port geometry) and `mnw` (window table) are in
// common/common.h.
#pragma once
#include "common/common.h"
#include "records/sizes.h"

// ================================================================ the scenery (env, rwy, the terrain mesh, country tables, generated world)
constexpr int NO_REGION = -999;   // env.apt_max before any region loads

constexpr int MAX_NAV = 200;       // slots of the region's navigation table
constexpr int NAV_NAME = 41;       // 40 characters and the terminator
constexpr int MAX_NDB_US = 2000, MAX_VOR_US = 1100, MAX_APT_US = 3000;
constexpr int MAX_BLDNG = 151;     // slot 0 is the control tower
constexpr int MAX_BLOCK = 301;
constexpr int MAX_BOATS = 4;
constexpr int MAX_APT_MENU = 60;   // airports listed in the location menus
constexpr int MAX_VOR_MENU = 100;  // VOR and NDB items: ids 1201.. and 1301..
constexpr int MAX_NDB_MENU = 100;

// Navigation entry types (navmsc[k][0]).
enum NavType { NAV_EMPTY = 0, NAV_APT1 = 1, NAV_APT3 = 3, NAV_NDB = 4, NAV_VOR = 5,
               NAV_OM = 6, NAV_MM = 7, NAV_IM = 8, NAV_ILS = 9, NAV_LOC = 10 };

struct environmentstruct {
    char C_path[MAX_STR];    // a path whose folder holds the quadrant files
    int lat_south, lon_west; // deg, the region's south-west quadrant (lon positive west)
    int apt_max, vor_max, ndb_max;   // last list index, -1 none; NO_REGION until a region loads
    int i_aircraft, j_aircraft, t_aircraft;   // grid cell and triangle
    float localh;            // m, terrain height under the aircraft
    float fieldh;            // m, elevation of the current airport
    int mvar;                // deg, magnetic variation, east positive

    // ---- navigation table, written by read_quadrant, sorted by finish_nav_readin
    float navxyz[MAX_NAV][5];     // m: x1, y1, x2, y2, elevation
    int navmsc[MAX_NAV][9];       // type and type-specific values (see region.cpp)
    char navname[MAX_NAV][NAV_NAME];
    char navID[MAX_NAV][4];
    char lr[MAX_NAV][2];          // side letters of runway 1 and 2: 'L', 'R' or 'x'
    int ILScode[MAX_NAV];         // runway-equipment code of an airport
    int nav_quad[MAX_NAV];        // quadrant 1..6 that supplied the entry
    int act_in;                   // last slot written, -1 none
    int apt_to_index[MAX_NAV], vor_to_index[MAX_NAV], ndb_to_index[MAX_NAV];
    int i_viewpoint, j_viewpoint; // grid cell of the viewpoint
    int nid_max_used, vid_max_used, aid_max_used;   // country tables, -1 empty
    float boatx[MAX_BOATS], boaty[MAX_BOATS], boatz[MAX_BOATS];   // m
    int pages;                    // page steps since the last full load
    // ---- the chart windows' view, written by the charts (shell/charts.cpp)
    float zoom_rat;               // 1..30, magnification over the whole-region chart
    float chart_x, chart_y;       // m, world point at the chart's lower-left corner

    // ---- the current airport (setnewlocale), per runway 0 and 1
    int rwaymax;                  // 1 with two runways
    int rwaymax1[2], rwaymax2[2], twaymax1[2], twaymax2[2], RCLSmax[2];
    int amber1[2], amber2[2], amber3[2], amber4[2];
    int altred1[2], altred2[2], red1[2], red2[2];
    int VTOpad[2], VASI[2], tway[2], ALS[2], rabbit[2], RCLS[2], TDZL[2];
    int red_ALS[2], ext_REIL[2], ext_ALS[2], runoff[2];
    // Sequenced flasher: start 1050 m before the threshold and step (m).
    float rabbitsx[2], rabbitsy[2], rabbitsz[2], rabbitdx[2], rabbitdy[2], rabbitdz[2];
    // ---- the deck under the aircraft: set by the carrier and ship logic,
    // read by the ground contact
    int over_carr, over_boat;         // over the carrier's deck, a ship's deck
    float carrz;                      // m, carrier deck height
};
extern environmentstruct env;

constexpr int MAX_MARKS = 156;
struct runwaystruct {
    int max[2];              // last marking index per runway, -1 none
    float markx[2][4][MAX_MARKS], marky[2][4][MAX_MARKS], markz[2][4][MAX_MARKS];   // m
};
extern runwaystruct rwy;

// Terrain mesh of the loaded region, [i][j] with i west to east, j south to
// north; cell [i][j] has corners [i][j]..[i+1][j+1]. Filled by the region
// loader; read by the flight model's terrain search and the view.
constexpr int MESH_I = 115;
constexpr int MESH_J = 101;
constexpr int QUAD_CI = 38, QUAD_CJ = 50;   // cells of one quadrant
constexpr float NO_HEIGHT = -9999.0f;   // planez where nothing is loaded
extern float planex[MESH_I][MESH_J], planey[MESH_I][MESH_J], planez[MESH_I][MESH_J];
extern int planediv[MESH_I][MESH_J];    // 0: diagonal [i+1][j]-[i][j+1]
// Per triangle [i][j][t] of each cell.
extern int planecol[MESH_I][MESH_J][2];   // palette index
extern int on_water[MESH_I][MESH_J][2], on_field[MESH_I][MESH_J][2], on_cliff[MESH_I][MESH_J][2];
extern int light_on_poly[MESH_I][MESH_J][2];
extern float cityx[MESH_I][MESH_J][2][3], cityy[MESH_I][MESH_J][2][3], cityz[MESH_I][MESH_J][2][3];
extern int on_fire_now[MESH_I][MESH_J][2], was_on_fire[MESH_I][MESH_J][2];
// Per cell.
extern int tower_on_poly[MESH_I][MESH_J], boat_on_poly[MESH_I][MESH_J], carr_on_poly[MESH_I][MESH_J];
extern int bldng_index[MESH_I][MESH_J], block_index[MESH_I][MESH_J];   // -1 none
extern int beacon_index[MESH_I][MESH_J];   // airport slot whose beacon stands here, -1 none
// Weather-radar intensity, 200 samples a degree: 11 nothing, 24..31 storm.
constexpr int WXR_I = 601, WXR_J = 401, WXR_PER_DEG = 200;
extern float flt_wxr[WXR_I][WXR_J];

// Country database from "gps_dat" (degrees; longitude positive west).
extern char nid_id[MAX_NDB_US][3], vid_id[MAX_VOR_US][3], aid_id[MAX_APT_US][3];
extern float nid_lat[MAX_NDB_US], nid_lon[MAX_NDB_US], vid_lat[MAX_VOR_US], vid_lon[MAX_VOR_US];
extern float aid_lat[MAX_APT_US], aid_lon[MAX_APT_US];
// Rotating beacon of each airport slot (m).
extern float beacx[MAX_NAV], beacy[MAX_NAV], beacz[MAX_NAV];

// Runway light points [index][runway] (m, world); a point at x = y = 0 is no light.
constexpr int RWAY_PTS = 527;
extern float rwayx[RWAY_PTS][2], rwayy[RWAY_PTS][2], rwayz[RWAY_PTS][2];

// Buildings (slot 0 the control tower): base centre, four stacked square
// tiers (side, top height; tier 0 top 0) and a 36-point roof circle. A slot
// is free while bldng_dz[b][3] is not above 0.
extern float bldng_x[MAX_BLDNG], bldng_y[MAX_BLDNG], bldng_z[MAX_BLDNG];
extern float bldng_dx[MAX_BLDNG][4], bldng_dy[MAX_BLDNG][4], bldng_dz[MAX_BLDNG][4];
extern float helipad_x[MAX_BLDNG][36], helipad_y[MAX_BLDNG][36];
// City blocks: free while block_dz is not above 0.
extern float block_x[MAX_BLOCK], block_y[MAX_BLOCK], block_z[MAX_BLOCK];
extern float block_dx[MAX_BLOCK], block_dy[MAX_BLOCK], block_dz[MAX_BLOCK];
// Four hangars of eight quadrilaterals of four corners (m).
extern float hangarx[4][8][4], hangary[4][8][4], hangarz[4][8][4];

// Overcast relief: 41 x 33 points, 5 x 4 sectors of 8 x 8 cells, one cloud
// cell an eighth of a degree; reaches one degree beyond the terrain.
constexpr int CLOUD_I = 41, CLOUD_J = 33, CLOUD_PER_DEG = 8;
extern float cloudx[CLOUD_I][CLOUD_J], cloudy[CLOUD_I][CLOUD_J];   // m
extern float cloudz[CLOUD_I][CLOUD_J];   // m below the layer tops, -609.6..0
extern int clouddiv[CLOUD_I][CLOUD_J], cloudcol[CLOUD_I][CLOUD_J][2];

// ================================================================ the aircraft and its airfoils (pln, afl)
// The loaded aircraft. File fields are written by readin_plane in SI units
// (m, kg, N, W, rad/s, m^2, N m; angles in degrees, speed limits in the
// unit of asi_type); derived fields by the aircraft loading.
struct planestruct {
    // instruments
    int is_heli;             // 1 helicopter
    char tailnum[MAX_STR];
    int asi_type;            // 1 mph, 2 kt: the unit of Vso..Vne
    int as_is_kias;          // 1 when asi_type is 2
    float Vso, Vs, Vfe, Vno, Vne;   // whole mph or kt
    float Mmo;               // Mach
    int hudEQ, hoopEQ;
    int dashtype;            // 2 glass panel
    int radiotype, AStype, VVItype;
    int layouttype;          // 3 Zodoz, 6 weather radar, 8 helicopter
    float pex, pey, pez;     // m, pilot eye point
    int ff_hydraulic, ff_stickshaker;
    // powerplant
    int entype;              // 0 none, 1 piston, 2 turboprop, 3 jet
    int numen;               // 0, 1 or 2
    float pmax;              // W per engine
    float critalt;           // m, critical altitude
    float omegamin, omegamax, omegamingreen, omegamaxgreen;   // rad/s
    float tmax;              // N per engine
    float spooltime;         // s
    float facejet;           // m^2
    int revthrustEQ;
    float vertcant[2], sidecant[2];   // deg
    float trotor_rat;
    int vectEQ;
    // lifting parts [part]
    char Rafl0[MAX_PARTS][MAX_STR], Rafl1[MAX_PARTS][MAX_STR];  // root airfoils, lo/hi Re
    char Tafl0[MAX_PARTS][MAX_STR], Tafl1[MAX_PARTS][MAX_STR];  // tip airfoils
    int varpitchEQ;          // variable-pitch propellers (part 1's entry wins)
    float propdir[MAX_PARTS];         // +1 or -1
    float numblades[MAX_PARTS];
    float minpitch[MAX_PARTS], maxpitch[MAX_PARTS];   // deg
    int sweep1[MAX_PARTS], sweep2[MAX_PARTS], dihed[MAX_PARTS];   // deg
    float semiB[MAX_PARTS], Croot[MAX_PARTS], Ctip[MAX_PARTS];   // m
    float xarm[MAX_PARTS][NARM], yarm[MAX_PARTS][NARM], zarm[MAX_PARTS][NARM];  // m
    int diffRe[MAX_PARTS], diffRT[MAX_PARTS], varsweepEQ[MAX_PARTS];
    int els[MAX_PARTS];      // 0..8
    float dblel[MAX_PARTS];  // els as a float
    float anginc[MAX_PARTS][MAX_ELS];   // deg
    int propwash[MAX_PARTS][MAX_ELS];
    int foileq[MAX_PARTS];   // part exists
    int sweepnow[MAX_PARTS]; // deg, sweep1 or (auto-swept) sweep2
    float spanarm[MAX_PARTS][MAX_ELS];   // m, element centre from the root (parts 2..6)
    // element device rows [part][element] and the aircraft-wide flags
    int strp[MAX_PARTS];
    int ailn[MAX_PARTS][MAX_ELS], splr[MAX_PARTS][MAX_ELS], flap[MAX_PARTS][MAX_ELS];
    int slat[MAX_PARTS][MAX_ELS], sbrk[MAX_PARTS][MAX_ELS], tilt[MAX_PARTS][MAX_ELS];
    int drud[MAX_PARTS][MAX_ELS], elev[MAX_PARTS][MAX_ELS], rudd[MAX_PARTS][MAX_ELS];
    int ailnEQ, splrEQ, flapEQ, slatEQ, sbrkEQ, drudEQ, elevEQ, ruddEQ;
    // foils
    char flap_str[MAX_STR];  // flap file name
    char flap_path[MAX_STR]; // program folder + "flaps/" + flap_str
    int hstabtype;           // 0 stabiliser, 1 stabilator
    float hstbtrimmax;       // deg (trim fraction once loaded, see loading)
    int inverted[MAX_PARTS]; // parts 5 and 6
    // controls: chord ratios 0..1, deflections deg
    float ailn_crat, elev_crat, rudd_crat, splr_crat, drud_crat, sbrk_crat;
    float ailn_up, ailn_dn, elev_up, elev_dn, rudd_def, splr_def, drud_def, sbrk_def;
    float slat_inc;          // deg, used while loading only
    int con_type;
    // fuselage
    int fusewash;
    float cdfuse;
    float fuse_x[N_FUSE_STATIONS][N_FUSE_RADIALS];   // m
    float fuse_y[N_FUSE_STATIONS][N_FUSE_RADIALS];
    float fuse_z[N_FUSE_STATIONS][N_FUSE_RADIALS];
    // weight and balance
    float cgx, cgz;          // m
    float m_empty, m_max, m_fuel, m_water;   // kg
    // gear
    int gearEQ, retractEQ, floatEQ, skidEQ;
    float nwsteer;           // deg (negated for a tail-wheel aircraft)
    int nwsteerEQ;
    float sgear;             // m^2
    float ngearx, ngearz, mgearx, mgeary, mgearz;   // m
    float skidx, skidy, skidz, skidl;               // m
    float floatx[N_FLOATS], floaty[N_FLOATS], floatz[N_FLOATS];   // m
    float floatl[N_FLOATS], floatw[N_FLOATS], floatnoseup[N_FLOATS];
    // special controls
    float jatox, jatoz;      // m
    int jatotheta;           // whole deg
    float cosjato, sinjato;
    float jatothrust;        // N
    float jatoleft;          // s of burn left
    float stabroll, ailpitch;   // deg
    float vstabminv;         // m/s
    int autosbrk, autobrk, autosweep, autoslat;
    // VTOL controls
    float elevcyclic, ailncyclic;   // deg
    float puffL, puffM, puffN;      // N m
    int puffEQ, collect_eq;
    // artificial stability
    int ASeq;
    float ASloV, AShiV, ASdelV, ASmaxptch, ASmaxhdng, ASmaxroll;
    float ASp1, ASp2, ASh1, ASh2, ASr1, ASr2;
    // from the airfoil and flap files
    float Re[MAX_PARTS][2][2];   // millions, [part][root/tip][lo/hi]
    float delRe[MAX_PARTS][2];   // millions, hi - lo
    float alphamax[MAX_PARTS];   // deg
    float clflap[N_FLAP_ROWS], cdflap[N_FLAP_ROWS], cmflap[N_FLAP_ROWS];
    // derived at reading
    float turboboost;        // density deficit at the critical altitude
    int flying_stab;
    // panel layout and file names
    int dgx, dgy;            // panel pixels of the direction gyro
    // ---- panel geometry, set by the panel (set_mod) for the layout
    int ahx, ahy;            // panel pixels of the attitude ball's centre
    int gsx1, gsx2, gsw;     // glide-slope bars: left and right x, width
    int gsy1, gsyc, gsy2;    // their travel: top, centre, bottom row
    int ah_dim_int, ah_semidim_int;   // attitude ball: rows spanned, half of them
    float ah_semidim_flt;
    int ah_top_prim, ah_top_roll, ah_bot_prim, ah_bot_roll;   // first and last rows (window)
    // Row spans, index row - ah_top_roll: the ball that pitches (prim) and
    // the ring round it that only rolls (roll); x1 > x2 where a row has none.
    int ahx1_prim[MAX_AH_ROWS], ahx1_roll[MAX_AH_ROWS];
    int ahx2_prim[MAX_AH_ROWS], ahx2_roll[MAX_AH_ROWS];
    // ---- end of the panel geometry block
    char C_file[MAX_STR];    // file name
    char C_path[MAX_STR];    // full path
    char C_appdir[MAX_STR];  // program folder holding airfoils/ and flaps/ ('/'-terminated or empty)

    // ---- derived by the aircraft loading, read by the airfoil lookup and
    // the element flow
    float AR[MAX_PARTS];             // aspect ratio
    float s[MAX_PARTS][MAX_ELS];     // m^2, element area
    float mac[MAX_PARTS][MAX_ELS];   // m, element mean chord
    float PIeAR[MAX_PARTS];          // pi x Oswald efficiency x AR
    float finite_fact[MAX_PARTS];    // alpha reduction factor for finite span
    float semi_sec_wi[MAX_PARTS];    // half an element's width / semispan, 0.5 / els
    float specwash[MAX_PARTS];       // deg of downwash cast per unit root cl
    int downwash[MAX_PARTS][MAX_PARTS][MAX_ELS];  // [washer][washee][el] in the wash
    float max_washdir[MAX_PARTS], hi_washdir[MAX_PARTS], lo_washdir[MAX_PARTS];  // deg, propwash stream
    float sin_vertcant[2], cos_vertcant[2];   // of vertcant
    // ---- end of the lookup and flow block

    // ---- derived by the aircraft loading (flight/load_*.cpp)
    char C_name[MAX_STR];            // file name without its suffix
    float e[MAX_PARTS];              // Oswald efficiency
    float ringarea[2][MAX_ELS];      // m^2, propwash ring of each blade element
    float discarea[2];               // m^2
    float miprop[2];                 // kg m^2, blades of each propeller or rotor
    float mi_engine;                 // kg m^2, engine
    float slat_effect[MAX_PARTS];    // stall-alpha ratio with slats out (parts 2..4)
    float sfuse;                     // m^2, fuselage frontal area
    float clfusealph, clfusebeta;    // fuselage lift / side force per deg
    float fusexcent, fusezcent;      // m from the cg, fuselage surface centroid
    float Jxx_unitmass, Jyy_unitmass, Jzz_unitmass;   // m^2, squared radii of gyration
    float gearcon, geardmp, skidcon, skiddmp;         // N/m, N s/m
    float h_eqlbm;                   // m, cg height at rest
    float the_eqlbm;                 // deg 0..360, pitch at rest
    float delnose_eqlbm;             // m, nose-gear compression at rest
    int fwd_foil;                    // foremost existing part of 2..6
    // control effectiveness per degree of deflection
    float clailn, cdailn, cmailn, clsplr, cdsplr, cmsplr, clsbrk, cdsbrk, cmsbrk;
    float cldrud, cddrud, cmdrud, clelev, cdelev, cmelev, clrudd, cdrudd, cmrudd;
    // airspeed dial: needle angle = (v^ASpwr - Vmin^ASpwr) x ins.indtoASI
    float ASpwr, Vmin, Vmax;
    // ---- end of the aircraft loading block
};
extern planestruct pln;

// Airfoil tables of the loaded aircraft, [part][Re lo/hi][root/tip]. The
// "pos" tables hold alpha >= 0, the "neg" ones alpha <= 0, by |alpha index|
// (index = alpha x 10 up to 20 deg, then 200 + whole degrees above 20).
// Written by grabafoil; scaled for finite span by the loading.
struct airfoilstruct {
    float clpos[MAX_PARTS][2][2][N_CL_SLOTS], clneg[MAX_PARTS][2][2][N_CL_SLOTS];  // slot |i|-100
    float cdpos[MAX_PARTS][2][2][N_CD_SLOTS], cdneg[MAX_PARTS][2][2][N_CD_SLOTS];  // slot |i|
    float clM[MAX_PARTS][2][2], clB[MAX_PARTS][2][2];     // per deg, and intercept
    float cmal2[MAX_PARTS][2][2], cmal3[MAX_PARTS][2][2]; // deg
    float cm1[MAX_PARTS][2][2], cm2[MAX_PARTS][2][2], cm3[MAX_PARTS][2][2], cm4[MAX_PARTS][2][2];
};
extern airfoilstruct afl;

// ================================================================ the flight state and the air (flt, atm)
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
    int info;                // ATIS information letter 0..25 (A..Z), drawn by the controller
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
    int strike_size[MAX_BRANCHES];                   // points used per branch, 0 not in this bolt
    float lightx[MAX_BRANCHES][BRANCH_PTS], lighty[MAX_BRANCHES][BRANCH_PTS];
    float lightz[MAX_BRANCHES][BRANCH_PTS];          // m, branch polylines
    float strike_x[STRIKE_RING], strike_y[STRIKE_RING];   // m
    float strike_t_exp[STRIKE_RING];                 // s, when the entry expires
    int strike_ring;         // next ring slot, 0..STRIKE_RING - 1
    // ---- end of the lightning block
};
extern atmospherestruct atm;

// ================================================================ traffic
// Ten other aircraft: points 0 centre, 1 and 2 wing tips, 3 tail (m),
// speed (m/s), heading (deg) and terrain cell. Moved by the flight step,
// drawn by the view.
constexpr int MAX_TRAFFIC = 10;
extern float traf_x[MAX_TRAFFIC][4], traf_y[MAX_TRAFFIC][4], traf_z[MAX_TRAFFIC][4];
extern float traf_v[MAX_TRAFFIC], traf_h[MAX_TRAFFIC];
extern int traf_i[MAX_TRAFFIC], traf_j[MAX_TRAFFIC], traf_t[MAX_TRAFFIC];

// ================================================================ the instrument panel and radios (ins, nav)
constexpr int TAPE_W = 5, TAPE_H = 90;            // rolling-digit font: 10 digits of 9 rows
constexpr int NAV_PICS = 10, NAV_PIC_W = 10, NAV_PIC_H = 11;
constexpr int MAX_TICKS = 60;

struct inststruct {
    int HUD_on, HOOP_on, radar_on;
    int map_mode, arg_mode;
    float map_range, arg_range, rad_range;  // nm
    float baro;              // inHg, altimeter setting
    int tickle_all, tickle_gps, tickle_map; // redraw requests
    // ---- switches the flight model reads and clears
    int brake_on;            // wheel brakes on (brake light)
    int jato_on;             // JATO burning
    // ---- end of the switches block
    float dg_drift;          // deg, direction-gyro drift (the panel's gyros)

    // ---- flight-event switches and requests
    int antiice_on;          // anti-ice on (the flight start turns it off)
    int tickle_str;          // stormscope redraw request (a new strike)
    // ---- end of the flight-event block

    // ---- needle scalings, set by the aircraft loading (value to degrees)
    float indtoASI;          // per (kt or mph)^ASpwr
    float msctoVVI;          // per m/s
    float tactoINS;          // per rad/s
    float n1_toINS;          // per percent
    float mprtoINS;          // per inHg
    float trqtoINS;          // per N m
    float eprtoINS;          // per unit pressure ratio
    // ---- end of the scalings block

    // ---- the panel's own state (panel/); the lever rows also by the flight
    // start (set_lever_rows) and the lever handlers
    int tape_col[TAPE_W][TAPE_H];          // rolling-digit font, colour index per pixel
    int nav_pic[NAV_PICS][NAV_PIC_W][NAV_PIC_H];   // map symbols, colour index (11 clear)
    int t1[MAX_TICKS], t2[MAX_TICKS], t3[MAX_TICKS];   // deg: graduations of airspeed, rpm, 2nd engine dial
    int d1[MAX_TICKS], d2[MAX_TICKS], d3[MAX_TICKS];   // px: their lengths (0 ends a table)
    // Lever rows in panel pixels (see the LEVER_ constants below).
    int trim, slat, sbrk, sweep, vect, collect, flap;
    int throt[2], prop[2], mix[2];
    int tickle_arg, tickle_rad;            // glass-map and weather-radar redraw requests
    int reply_level;                       // ATC reply lamp 0..3
    float reply_time1, reply_time2;        // s of simulated time; the ATC sets them
    int EFIS_wxr, EFIS_tcas;               // weather and traffic on the glass map
    float radalt_ft;                       // decision height of the radar altimeter
    float the180, phi180, psimag;          // deg shown by the gyros (pitch, bank, heading)
    int canvas_made;                       // the panel's off-screen world exists (0 at program entry)
    // ---- end of the panel's own block
};
extern inststruct ins;

// Pixel rows of the panel's levers (window pixels), shared by the panel,
// the flight start (set_lever_rows), the function keys and the lever drags.
// Throttles: the knob's top row, full at 515, idle at 563 (grab at + 7).
constexpr int LEVER_THROT_FULL = 515, LEVER_THROT_IDLE = 563;
// Past idle, on aircraft with thrust reversers: full reverse at 573.
constexpr int LEVER_THROT_REVERSE = 573;
// Propeller and mixture: the knob's top row, high at 446, low at 486
// (grab at + 11).
constexpr int LEVER_PROP_HIGH = 446, LEVER_PROP_LOW = 486;
// Flaps: the knob's centre, up at 446, full at 500 (detents every 18).
constexpr int LEVER_FLAP_UP = 446, LEVER_FLAP_FULL = 500;
constexpr int MAX_FLAP_INDEX = 50;
// Speed brake: armed 453, in 463, half 473, full 483 (setting -1..2).
constexpr int LEVER_SBRK_IN = 463, LEVER_SBRK_STEP = 10;
// Slats, sweep, thrust vector: in at 453, out at 493.
constexpr int LEVER_AUX_IN = 453, LEVER_AUX_OUT = 493;
constexpr float MAX_VECTOR_DEG = 90.0f;
// Pitch trim: full nose down at 524, full nose up at 564.
constexpr int LEVER_TRIM_DN = 524, LEVER_TRIM_UP = 564;

// The row of a lever value between two (value, row) ends, the value held
// within them.
inline int lever_row(float lo_value, int lo_row, float hi_value, int hi_row, float value)
{
    return (int)interp(lo_value, (float)lo_row, hi_value, (float)hi_row,
                       fltlim(value, fltmin2(lo_value, hi_value), fltmax2(lo_value, hi_value)));
}

struct navstruct {
    int nf[2], nf100[2];     // NAV MHz 108..117 and hundredths
    int cf[2], cf100[2];     // COM MHz 118..134 and hundredths
    int adf1, adf2, adf3;    // ADF kHz digits
    int tran1, tran2, tran3, tran4;  // transponder digits 0..7
    int radout;              // audio selector
    float gps_lat, gps_lon;  // deg, longitude positive west
    float gps_lock_crs;      // deg
    // ---- navigation receivers [0 NAV1, 1 NAV2], latched by the radios;
    // the autopilot reads them
    float obs[2];            // deg magnetic, selected course
    float ilscrs[2];         // deg, localizer front course
    int ilsgs[2];            // 9 VOR, 3 ILS (glide-path deg), 0 localizer alone
    int ntf[2];              // flag: 0 off, 1 TO (or localizer valid), 2 FROM
    // ---- end of the receivers block
    // ---- ILS deviations per NAV receiver, written by the receivers and read
    // by the flight events (glide-slope warning, autopilot errors)
    float hdef[2];           // deg, localizer or course deviation
    float vdef[2];           // deg, glide-slope deviation, negative below it
    float gs_dist_nm[2];     // nm, to the glide-slope antenna
    // ---- end of the ILS block
    // ---- the radio settings kept in the preferences and situations (and obs)
    float vol[2];            // NAV audio volume 0..1
    int dmesel;              // DME source: receiver 0 or 1
    int gps_index_mode;      // waypoint kind: 1 NDB, 2 VOR, 3 airport
    int gps_display_mode;    // 1 course/distance/speed, 2 cross-track and time
    int gpsindex;            // waypoint index in its country table
    // ---- stations latched by the tuning (tune_radio, panel's setnav),
    // read by the receivers and the panel
    int goodnav[2];          // a station is tuned
    float vorx[2], vory[2], vorz[2];   // m, the station (an ILS's localizer)
    float gsx[2], gsy[2], gsz[2];      // m, the glide-slope antenna
    float adfx, adfy;        // m, the NDB; both 0 before any is latched
    int goodadf;             // an NDB has been latched since the start
    float gps_crs, gps_dis;  // deg true and m to the GPS waypoint (get_gps_data)
    // ---- end of the latched block
    // ---- what the receivers show, written each event period by the
    // flight events (radio_receivers) and drawn by the panel
    float vor_brg[2];        // deg magnetic 0..360, to each NAV station
    float adf_brg;           // deg 0..360, to the NDB relative to the nose
    float gps_cdi;           // px, cross-track needle (12.5 px a nm, right
                             // of the locked course positive), unclamped
    int marker;              // beacon overhead: 0 none, NAV_OM, NAV_MM, NAV_IM
    int marker_lit;          // its lamp is lit in this step of its pattern
    int dme_ok;              // the DME has a station (or the GPS) to measure
    float dme_nm;            // nm, 0..999: slant distance, smoothed
    float dme_kt;            // kt, 0..999: its rate of change (or airspeed)
    float dme_min;           // min to the station, 0..999; -1 when the speed
                             // is too low for an estimate
    float dme_time;          // s of simulated time of the last DME reading
    // ---- end of the receivers' output block
};
extern navstruct nav;
// The radios of tune_radio and the panel's setnav, in their numbering.
enum RadioNumber { RADIO_NAV1 = 0, RADIO_NAV2, RADIO_COM1, RADIO_COM2, RADIO_ADF, RADIO_GPS,
                   RADIO_XPDR, N_RADIOS };
// nav.ilsgs of a receiver tuned to a VOR (an ILS holds its glide-path angle).
constexpr int VOR_GLIDESLOPE = 9;
// nav.ntf: the flag window's "NAV", "TO" (or a localizer received), "FRM".
enum NavFlag { NTF_OFF = 0, NTF_TO = 1, NTF_FROM = 2 };
// nav.gps_index_mode: the country table the GPS waypoint comes from.
enum GpsKind { GPS_NDB = 1, GPS_VOR = 2, GPS_APT = 3 };

// ================================================================ the out-the-window view (scn, sta, car)
constexpr int MAX_STARS = 2000;

struct scenerystruct {
    int time;                // time-of-day code
    float lamp;              // light amplification
    int belowbases, abovetops;
    float the180rad, psi180rad, phi180rad;  // rad, free-camera angles
    int rb_cycle;            // 0..120, beacon and strobe phase
    // ---- polygon subdivision, set by the view each frame from the
    // visibility; read by any_poly3_3D and any_poly4_3D (view/)
    int poly_breakup;        // 0..3: triangles drawn whole or in 6, 12 or 24 pieces
    int rway_breakup;        // runway quadrilaterals drawn as strips
    // ---- the drawn part of the terrain or cloud grid and its painting
    // order, set by set_bounds (view/bounds.cpp)
    int i1_plot_bound, j1_plot_bound, i2_plot_bound, j2_plot_bound;   // cells i1..i2-1, j1..j2-1
    // Outer loop plot_i_*, inner plot_j_*, far to near; stops exclusive,
    // increments +1 or -1. The outer loop runs over columns i when vlines
    // is 1, over rows j when 0.
    int plot_i_start, plot_i_stop, plot_j_start, plot_j_stop, i_inc, j_inc;
    int sweepcon;            // 1..4: octants 1-2, 3-4, 5-6, 7-8 of the view heading
    int vlines;
    // ---- end of the grid block
    // ---- set by the view each frame (view/scene.cpp) for what it paints
    int draw_lights;         // point lights drawn (dusk and night)
    int starmax;             // last star index drawn (1999, 999 at dusk)
    int straightin[2];       // runway r is seen from its threshold's approach side
    int base_color;          // palette index the view is cleared to
    // ---- end of the frame block
};
extern scenerystruct scn;

struct starstruct {
    float the[MAX_STARS], psi[MAX_STARS];   // deg
};
extern starstruct sta;

constexpr int MAX_CAR_MARKS = 48, MAX_CAR_LIGHTS = 96, CAR_VASI_LIGHTS = 8;
constexpr int CAR_CABLES = 4, CAR_ELEVATORS = 3;
struct carrierstruct {
    float catx;              // m
    float catang;            // deg
    // ---- catapult position, set with catx and catang where the carrier is
    // placed (place_carrier_catapult, flight/ships.cpp)
    float caty;              // m, north, of the catapult's launch point
    // ---- end of the catapult block
    // ---- the carrier's deck furniture in its own axes (m: x to starboard,
    // y forward, z up from the flight deck), built once at start-up by
    // build_mark, build_vasi, build_cable and build_elev (view/carrier.cpp)
    int nmark;                                   // painted deck markings
    float markx[MAX_CAR_MARKS][4], marky[MAX_CAR_MARKS][4];
    int markcol[MAX_CAR_MARKS];                  // scene colour 80..82
    int nlight;                                  // deck-edge and centre-line lights
    float lightx[MAX_CAR_LIGHTS], lighty[MAX_CAR_LIGHTS], lightz[MAX_CAR_LIGHTS];
    int lightcol[MAX_CAR_LIGHTS];
    float vasix[CAR_VASI_LIGHTS], vasiy[CAR_VASI_LIGHTS], vasiz[CAR_VASI_LIGHTS];
    int vasibar[CAR_VASI_LIGHTS];                // 0 lower bar, 1 upper bar
    float cablex[CAR_CABLES][2], cabley[CAR_CABLES][2];   // ends of each wire
    float elevx[CAR_ELEVATORS][4], elevy[CAR_ELEVATORS][4];
    // ---- end of the deck block
};
extern carrierstruct car;

// ================================================================ data output, graphs and the flight path (pat, grf)
constexpr int MAX_PATH_SAMPLES = 6000;
constexpr int MAX_GRAPH_PERIODS = 1800;

struct pathstruct {
    // ---- the trail, written by the flight events' recording step
    // (flight/events.cpp) and emptied by resetpat
    int cntr_record;         // newest sample, 0..5999, wrapping
    float xyztpp[MAX_PATH_SAMPLES][6];   // m and rad: x, y, z, the, psi, phi
    int inited[MAX_PATH_SAMPLES];        // 1 when the sample holds data
    // ---- end of the trail block
    // ---- the replay camera's, set by the replay's start (output/) and the
    // free-camera keys (shell/keys.cpp)
    int cntr_replay;         // sample the follow key last went to, 0..5999
    float centroid_x, centroid_y, centroid_z;   // m, mean of the recorded samples
    float circ_rad;          // m, radius of the circling camera
    float visrat;            // replay's visibility multiplier 0.5..2 (0 before a replay: 1)
    // ---- end of the replay block
    int gs_dest;             // receiver whose course the chart shows
};
extern pathstruct pat;

// The graph buffer, written by the data output (output/graph.cpp): one
// sample per frame while a row is graphed. A value v is missing when
// |v + 999| <= 0.001 (is_missing).
struct graphstruct {
    int lefttime;            // s at the graph window's left edge, 0..89
    int cntr;                // newest sample, -1 when empty
    int indexstart;          // oldest sample once the buffer has wrapped
    int graphstruct_full;    // 1 once the buffer has wrapped
    float period[MAX_GRAPH_PERIODS];        // s, frame period of each sample (999 empty)
    float data1[MAX_GRAPH_PERIODS][4];      // value 1 of each graph slot
    float data2[MAX_GRAPH_PERIODS][4];      // value 2
    float data3[MAX_GRAPH_PERIODS][4];      // value 3
};
extern graphstruct grf;

// ================================================================ air traffic control (atc, fpl)
// The controller's dialogue and menu, written by atc/ (the space bar and
// the Set Sound switches through atc/'s calls; voice_out and text_out also
// by the preferences and situations).
constexpr int ATC_LIST_SLOTS = 60;     // list menus: 4 columns of 15
struct atcstruct {
    int menu_up;             // the call menu is shown over the view
    int menu_level;          // 5 main; 6 ATIS list; 9 vectors; 10 landing; 11 ILS; 12 localizer
    int ils_vec_in_progress; // vectoring onto an ILS or localizer
    char ils_command[MAX_STR];   // the request being vectored, replayed on the slow tick
    char response[MAX_STR];      // the last controller message
    float response_timeout;  // s of simulated time the message stays on screen until
    int sel_to_nav[ATC_LIST_SLOTS];   // navaid slot of each list entry
    int voice_out, text_out; // speak messages; show them over the view
    int planphase;           // flight-plan phase 0..9
    int plan_index;          // navaid slot of the arrival airport, once found
    int waiting_new_frq;     // handed to a new frequency, the pilot has not checked in
};
extern atcstruct atc;

// The filed flight plan: the ATC menu and the Flight Plan window write it.
struct flightplanstruct {
    int onfile, activated;
    int ifr, vfr, dvfr;      // flight rules, exactly one is 1
    char dep_apt[MAX_STR], arr_apt[MAX_STR];   // the first 3 characters are an airport id
    float init_alt;          // ft, the altitude cleared for the departure
    float cruise_alt;        // ft
};
extern flightplanstruct fpl;

// ================================================================ settings, timing, autopilot modes, failures (set, msc, ott, rel)
constexpr int MAX_DATA_ITEMS = 60;     // selectable data-output items
constexpr int MAX_FAIL_KINDS = 19;
constexpr int MAX_CNTR = 30000;        // msc.cntr wraps past this

// User settings and control inputs. Written by the shell, the controls
// (YK*, CT*, OS*, controls_type), the panel (gear_handle, partbrake) and the
// settings windows.
struct settingstruct {
    int dragging;            // a mouse button is held down
    float dragtime;          // s the button has been held
    int controls_type;       // 2 force-feedback joystick, 3 mouse flying
    int nwheel_steer_type;
    int recip_hel_thrt_type;
    float OSptch, OSroll, OShdng;           // joystick calibration offsets
    float YKptch, YKroll, YKhdng, YKthro;   // raw normalised inputs
    float CTptch, CTroll, CThdng, CTthro;   // mapped commands; throttle 0..1
    int gear_handle;                        // 1 down
    int gear_stat[3];
    float gear_time[3];                     // s
    int viewtype;            // 601..615, or 999 for the free camera
    float partbrake;         // 0..1
    int cycout, cycoutwaiting;
    int dskout, rltout, grfout;
    int dskcsv;              // the data file is also written as CSV (Set Data Output window)
    int Bdsk[MAX_DATA_ITEMS], Brlt[MAX_DATA_ITEMS], Bgrf[MAX_DATA_ITEMS];
    int rltsel[4], grfsel[4];               // -1 none
    float damp;              // 0..1
    float joy_rat;
    float cus_x, cus_y, cus_z;  // custom start, m east, north, up
    float cus_psi;              // deg
    float cus_v;                // m/s
    int ah_bar_adjust;          // -10..10
};
extern settingstruct set;

// Frame timing, counters, mouse, start location and flags. Written by the
// shell's loop and handlers; `est_Vs` by aircraft loading (m/s), `ice` and
// `icebld` by the flight events.
struct miscstruct {
    int event;               // a click or repaint since the last measurement
    float prd;               // s, frame period
    float tottime;           // s simulated
    float rtrat;             // real s per simulated s, 0.2..5
    int cntr;                // frame counter 0..MAX_CNTR
    int cntr10;              // event periods 0..10
    int evup;                // frames per event period, 1..99
    int timer_running;
    float timer_value;       // s
    int speech_avail, sound_avail, sound_on, sound_ready;
    int mx, my;              // client pixels of the last mouse message
    int typestart;           // 900 runway, 1000 VFR final, 1100 ILS final
    int loc_apt, rway_sel, loc_index, topplate;
    float est_Vs;            // m/s
    char apt_id_req[MAX_STR];
    int icebld;
    float ice;               // 0..1
    int mouse_is_joy;
    int paused;
    int map_type;            // 503, 504, 505 or 999
    float x_view, y_view, z_view;   // m, free camera
    int warn_frame, warn_overspeed, warn_flaps, warn_gpws;
};
extern miscstruct msc;

// Autopilot modes and targets (the law is the controls' own).
struct ottostruct {
    int HDSLCT;
    int NAV[2];
    int ALHOLD, VVHOLD, GS2, ASHOLD;
    float alhold;            // m
    float vvhold;            // m/s
    float as_hold;           // kt
    float mn_hold;           // Mach
    float delhorz, delvert;  // deg, written by the navigation code
};
extern ottostruct ott;

// Failure settings and the state of each system (1 working, 0 failed).
struct relstruct {
    float ins_fail_rat, con_fail_rat;
    int fail_type[MAX_FAIL_KINDS];        // 1 never, 2 random, 3 failed now
    float fail_time_max[MAX_FAIL_KINDS];  // min, mean time of a random failure
    int eng[2];
    int vac, asi, ahz, alt, tsi, dgy, vvi, ail, elv, rud, flp, slt, thr, hyd, tro;
    int ger[3];
    float vac_death_time;                 // s
    float the_fail_err, phi_fail_err;     // deg
    float hyd_rat;                        // 1 full
};
extern relstruct rel;

// ================================================================ codes the folders share
// Sound table indices (file names in the "sounds" folder).
enum SoundIndex {
    SND_RECIP = 0, SND_TURBO, SND_JET, SND_HELI_RECIP, SND_HELI_TURBO, SND_WIND,
    SND_THUNDER, SND_GEARACT, SND_SQUEAK, SND_BOOM, SND_SINKRATE, SND_PULLUP,
    SND_GEAR, SND_TERRAIN, SND_GLIDESLP, SND_MINIMUMS, SND_WNDSHEAR, SND_CAUTION,
    SND_ALERT, SND_DOT, SND_DASH, SND_STALL, NSOUNDS
};
// Marker-beacon tones of beepme.
enum BeepKind { BEEP_DOT = 5, BEEP_DASH = 6 };

// Force-feedback request kinds of forcecall.
enum ForceKind {
    FF_SPRING = 23,          // a x, b y centring (-100..100), c strength 0..100
    FF_X_VIBRATION = 24,     // a 0..100 magnitude, b 0..50 rate
    FF_Y_VIBRATION = 25,
    FF_X_VIBRATION_CLEAR = 26,
    FF_Y_VIBRATION_CLEAR = 27,
    FF_BUFFETING = 28,       // a 0..100
    FF_BUFFETING_CLEAR = 29,
    FF_JOLT = 30,            // a 0..100 magnitude, b direction deg, c ms 0..2500
    FF_CLEAR = 31            // stop every effect
};
// ================================================================ the whole catalogue
// Clears every global record, in the order the program entry lays down.
void zero_records();
