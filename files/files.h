// Aircraft and airfoil files as the simulator sees them: the loaded
// aircraft `pln` (SI units) and its airfoil tables `afl`, and the readers of
// the aircraft file (version 25), the airfoil and the flap files (version
// 21). The designers' variants of the records and their readers and writers
// are in files/airwright_files.h and files/foilwright_files.h.
#pragma once
#include "common/common.h"
#include "files/formats.h"

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

    // ---- derived by the aircraft loading (files/load_*.cpp)
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

// ------------------------------------------------------------ aircraft file
// Loading an aircraft with these readers: set pln.C_file and pln.C_appdir,
// inf_open(path, ACF_VERSION, 0) (0: not found, the caller asks for
// another), readin_plane; then for each part with foileq: grabafoil of
// Rafl0, of Rafl1 when diffRe (then checkRediff for the root), of Tafl0 when
// diffRT, of Tafl1 when both (then checkRediff for the tip); grabflaps of
// pln.flap_path when flapEQ.
// Reads one checkpoint (empty line, number, empty line); a different number
// closes the file and ends the program with the corrupted-aircraft message.
void checkpoint(int expected);

// Reads one lifting-part block (its checkpoint first) into pln, in metres;
// sets foileq (semi-span above 0.01 m), dblel, and the span arm of each
// element, ((i + 0.5) / els) x semiB, into span_arms[0..els-1] (8 slots).
// An element count outside 0..8 is refused with the checkpoint message.
void grabapart(int checkpoint_number, int part, float *span_arms);

// Reads the whole aircraft file opened by inf_open(path, ACF_VERSION, 0)
// into pln, converting to SI, applying the adjustments made while reading
// (helicopter layout 8, no engines -> entype 0, turboboost, which of parts 0
// and 1 exist, device flags, flap path from pln.C_appdir, gear, JATO,
// collective, flying stabiliser, puffers, artificial-stability band,
// sweepnow), and closes the file. `progress`, when not null, is called
// twice per checkpoint (the start-up progress display). Element geometry,
// control effectiveness, loads and the airfoils are the loading's.
// Any damage ends the program through MACIBM_exitalert.
void readin_plane(void (*progress)());

// ------------------------------------------------------------ airfoil files
// Loads pln.C_appdir + "airfoils/" + name into the tables of part EN,
// Reynolds slot Re (0 lo, 1 hi), span station RT (0 root, 1 tip); sets
// pln.Re[EN][RT][Re] and pln.alphamax[EN]. A name that does not exist as
// written is matched without regard to case (also for grabflaps), since
// aircraft files come from systems that ignore it. Every fault ends the
// program with its message (missing, corrupted, misaligned row, negative
// drag).
void grabafoil(const char *name, int EN, int Re, int RT);
// Row check of grabafoil: ends the program when the angle read is more than
// 0.00001 deg off the expected one.
void wingalign(float alpha_read, float alpha_expected, const char *name);
// After a high-Reynolds file: pln.delRe[EN][RT] = Re hi - Re lo; pairs less
// than 0.99 million apart end the program.
void checkRediff(const char *file_lo, const char *file_hi, int EN, int RT);
// Reads the flap file at `path` into pln.clflap/cdflap/cmflap (51 rows).
// Missing, of the wrong kind or damaged ends the program.
void grabflaps(const char *path);

// ------------------------------------------------------------ aircraft loading
// The open dialog's kind for aircraft files (MACIBM_open, common/).
constexpr int FILE_TYPE_AIRCRAFT = 308;

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

// The load report: "Vortan.out" in the user data folder, opened afresh by
// load_plane. load_printf writes into it (nothing when it is not open).
int load_report_open();
void load_printf(const char *fmt, ...) __attribute__((format(printf, 1, 2)));
void load_report_close();
