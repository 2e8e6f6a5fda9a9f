// Airwright's side of the aircraft file: its aircraft record, which keeps
// every value in the units of the file (ft, lb, hp, rpm, kt, deg), and the
// writer and reader of the file. Lives in namespace `airwright` so that the
// designer's `pln`, `grabapart` and `checkpoint` never meet the simulator's.
#pragma once
#include "files/formats.h"

namespace airwright {

// The aircraft being designed, in file units. Written by the designer's
// editing screens and by readin.
struct planestruct {
    // instruments
    int is_heli;
    char tailnum[MAX_STR];
    int asi_type;                    // 1 mph, 2 kt
    float Vso, Vs, Vfe, Vno, Vne;    // mph or kt
    float Mmo;
    int hudEQ, hoopEQ, dashtype, radiotype, AStype, VVItype, layouttype;
    float pex, pey, pez;             // ft
    int ff_hydraulic, ff_stickshaker;
    // powerplant
    int entype, numen;
    float pmax;                      // hp
    float critalt;                   // ft
    float rpmmin, rpmmax, rpmmingreen, rpmmaxgreen;
    float tmax;                      // lb
    float spooltime;                 // s
    float facejet;                   // ft^2
    int revthrustEQ;
    float vertcant[2], sidecant[2];  // deg
    float trotor_rat;
    int vectEQ;
    // lifting parts [part]
    char Rafl0[MAX_PARTS][MAX_STR], Rafl1[MAX_PARTS][MAX_STR];
    char Tafl0[MAX_PARTS][MAX_STR], Tafl1[MAX_PARTS][MAX_STR];
    int varpitchEQ[MAX_PARTS], propdir[MAX_PARTS];
    float numblades[MAX_PARTS];
    float des_adv[MAX_PARTS];        // in per revolution
    float des_rpm[MAX_PARTS];
    float des_v[MAX_PARTS];          // kt
    float minpitch[MAX_PARTS], maxpitch[MAX_PARTS];   // deg
    int sweep1[MAX_PARTS], sweep2[MAX_PARTS], dihed[MAX_PARTS];
    float semiB[MAX_PARTS], Croot[MAX_PARTS], Ctip[MAX_PARTS];   // ft
    float xarm[MAX_PARTS][NARM], yarm[MAX_PARTS][NARM], zarm[MAX_PARTS][NARM];  // ft
    int diffRe[MAX_PARTS], diffRT[MAX_PARTS], varsweepEQ[MAX_PARTS];
    int els[MAX_PARTS];              // 0..8
    float anginc[MAX_PARTS][MAX_ELS];
    int wash[MAX_PARTS][MAX_ELS];
    int strp[MAX_PARTS];
    int ailn[MAX_PARTS][MAX_ELS], splr[MAX_PARTS][MAX_ELS], flap[MAX_PARTS][MAX_ELS];
    int slat[MAX_PARTS][MAX_ELS], sbrk[MAX_PARTS][MAX_ELS], tilt[MAX_PARTS][MAX_ELS];
    int drud[MAX_PARTS][MAX_ELS], elev[MAX_PARTS][MAX_ELS], rudd[MAX_PARTS][MAX_ELS];
    // foils
    char flap_str[MAX_STR];
    int hstabtype;
    float hstbtrimmax;
    int inverted[MAX_PARTS];
    // controls
    float ailn_crat, elev_crat, rudd_crat, splr_crat, drud_crat, sbrk_crat;
    float ailn_up, ailn_dn, elev_up, elev_dn, rudd_def, splr_def, drud_def, sbrk_def;
    float slat_inc;
    int con_type;
    // fuselage
    int fusewash;
    float cdfuse;
    float fuse_nose, fuse_len, fuse_rad;   // ft, shaping inputs
    float fuse_x[N_FUSE_STATIONS][N_FUSE_RADIALS];
    float fuse_y[N_FUSE_STATIONS][N_FUSE_RADIALS];
    float fuse_z[N_FUSE_STATIONS][N_FUSE_RADIALS];
    // weight and balance
    float cgx, cgz;                  // ft
    float w_empty, w_max, w_fuel, w_water;   // lb
    // gear
    int gearEQ, retractEQ, floatEQ, skidEQ;
    float nwsteer, sgear;
    float ngearx, ngearz, mgearx, mgeary, mgearz, skidx, skidy, skidz, skidl;
    float floatx[N_FLOATS], floaty[N_FLOATS], floatz[N_FLOATS];
    float floatl[N_FLOATS], floatw[N_FLOATS], floatnoseup[N_FLOATS];
    // special controls
    float jatox, jatoz, jatotheta, jatothrust, jatodur;
    float stabroll, ailpitch, vstabminv;
    int autosbrk, autobrk, autosweep, autoslat;
    // VTOL controls
    float elevcyclic, ailncyclic, puffL, puffM, puffN;
    // artificial stability
    int ASEQ;
    float ASloV, AShiV, ASmaxptch, ASmaxhdng, ASmaxroll;
    float ASp1, ASp2, ASh1, ASh2, ASr1, ASr2;
    // names
    char C_name[MAX_STR];
    char C_path[MAX_STR];
};
extern planestruct pln;

// Platform file types of aircraft files (no effect beyond the file filter).
constexpr int ACF_TYPE_PLANE = 303;
constexpr int ACF_TYPE_HELI = 304;
constexpr int ACF_TYPE_ANY = 308;

// The file half of writeout: writes pln to `path` (type 304 for a
// helicopter, 303 otherwise). Returns 1 only when the whole file was written
// and replaced the old one; on 0 the old file is untouched and the caller
// must keep its unsaved-changes flag.
int writeout_file(const char *path);
// Writes one lifting-part block, its checkpoint first (inside writeout_file).
void spitapart(int checkpoint_number, int part);

// Switches the designer between aeroplane (0) and helicopter (1).
typedef void (*TypeSwitch)(int is_heli);
// Reads the aircraft file opened by inf_open(path, ACF_VERSION, 0) into pln
// and closes it. `set_up_for_type`, when not null, gets the type flag as soon
// as it is read, before the rest. Damage ends the program with its message.
void readin(TypeSwitch set_up_for_type);
// Opens `path` and readin; an unopenable file ends the program with
// "I am unable to open the airplane! Sorry!!!".
void readin_path(const char *path, TypeSwitch set_up_for_type);
// Reads one lifting-part block, its checkpoint first.
void grabapart(int checkpoint_number, int part);
// Reads one checkpoint; a different number ends the program.
void checkpoint(int expected);

}  // namespace airwright
