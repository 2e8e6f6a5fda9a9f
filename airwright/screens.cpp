// The window table and the field tables of every editing screen: which
// value each field edits, its digits, range and caption with its unit.
// Screens that differ only in the part they edit share one table.
#include "airwright/local.h"

#include <cstddef>
#include <cstring>

namespace airwright {

#define AW(m) ((int)offsetof(planestruct, m))
#define SLOT8(m) (AW(m) + (NARM - 1) * (int)sizeof(float))
constexpr int PF = sizeof(float), PI = sizeof(int);
constexpr int ARM = NARM * sizeof(float);
constexpr int ROWF = MAX_ELS * sizeof(float), ROWI = MAX_ELS * sizeof(int);
constexpr float ANY = 1e30f;

static constexpr Field num(const char *cap, int off, int stride, int dig, int dec, int sign,
                           float lo = -ANY, float hi = ANY, FieldAction act = ACT_NONE)
{
    Field f{};
    f.kind = FK_NUM;
    f.caption = cap;
    f.off = off;
    f.stride = stride;
    f.dig = (unsigned char)dig;
    f.dec = (unsigned char)dec;
    f.sign = (unsigned char)sign;
    f.lo = lo;
    f.hi = hi;
    f.scale = 1.0f;
    f.action = act;
    return f;
}
static constexpr Field of_kind(FieldKind k, Field f)
{
    f.kind = k;
    return f;
}
static constexpr Field whole(const char *cap, int off, int stride, int dig, int sign, float lo,
                             float hi, FieldAction act = ACT_NONE)
{
    return of_kind(FK_INT, num(cap, off, stride, dig, 0, sign, lo, hi, act));
}
static constexpr Field angle(const char *cap, int off)
{
    return whole(cap, off, PI, 3, 1, -999, 999, ACT_WRAP_DEG);
}
static constexpr Field elements(int lo)
{
    return of_kind(FK_ELS, num("Elements", AW(els), PI, 1, 0, 0, (float)lo, MAX_ELS));
}
static constexpr Field yesno(const char *cap, int off, int stride = 0,
                             FieldAction act = ACT_NONE)
{
    return of_kind(FK_YESNO, num(cap, off, stride, 0, 0, 0, -ANY, ANY, act));
}
static constexpr Field check(const char *cap, int off, int stride = 0)
{
    return of_kind(FK_CHECK, num(cap, off, stride, 0, 0, 0));
}
template <int N>
static constexpr Field choice(const char *cap, int off, const char *const (&texts)[N], int base,
                              int stride = 0)
{
    Field f = of_kind(FK_CHOICE, num(cap, off, stride, 0, 0, 0));
    f.texts = texts;
    f.ntexts = N;
    f.base = base;
    return f;
}
static constexpr Field shown(Field f, float offset, float scale)
{
    f.offset = offset;
    f.scale = scale;
    return f;
}
static constexpr Field file(const char *cap, int off, int stride, int file_type)
{
    Field f = of_kind(FK_FILE, num(cap, off, stride, 0, 0, 0));
    f.base = file_type;
    return f;
}
static constexpr Field grid_flag(const char *cap, int off)
{
    return of_kind(FK_GRID_FLAG, num(cap, off, ROWI, 0, 0, 0));
}
static constexpr Field incidence_row()
{
    return of_kind(FK_GRID_NUM, num("Incidence deg", AW(anginc), ROWF, 3, 1, 1));
}
static constexpr Field row_break() { return of_kind(FK_BREAK, num("", 0, 0, 0, 0, 0)); }
static constexpr Field arm(const char *cap, int off) { return num(cap, off, ARM, 4, 1, 1); }

// ---------------------------------------------------------------- texts
static const char *const SPEED_UNITS[] = {"mph", "knots"};
static const char *const PANELS[] = {"round gauges", "glass panel"};
static const char *const RADIOS[] = {"stack 1", "stack 2"};
static const char *const AS_DIALS[] = {"Vso to Vne", "60 to 449"};
static const char *const VSI_RANGES[] = {"2,000 fpm", "5,000 fpm"};
static const char *const LAYOUTS[] = {"standard", "option 2", "Zodoz", "option 4",
                                      "option 5", "weather radar", "option 7"};
static const char *const ENGINE_KINDS[] = {" reciprocating", "   turboprop", "         jet"};
static const char *const HELI_ENGINE_KINDS[] = {" reciprocating", "   turboprop"};
static const char *const ROTATIONS[] = {" CW", "CCW"};
static const char *const STAB_KINDS[] = {"stabilizer", "stabilator"};
static const char *const CONTROL_BUILDS[] = {"rivets, gaps", "flush, gaps", "flush, no gaps"};

// ---------------------------------------------------------------- instruments
static Field INDICATIONS[] = {
    choice("Airspeed unit", AW(asi_type), SPEED_UNITS, 1),
    num("Vso kt/mph", AW(Vso), 0, 3, 0, 0), num("Vs kt/mph", AW(Vs), 0, 3, 0, 0),
    num("Vfe kt/mph", AW(Vfe), 0, 3, 0, 0), num("Vno kt/mph", AW(Vno), 0, 3, 0, 0),
    num("Vne kt/mph", AW(Vne), 0, 3, 0, 0), num("Mmo Mach", AW(Mmo), 0, 3, 2, 0),
    row_break(),
    yesno("Head-up display", AW(hudEQ)), yesno("Hoops", AW(hoopEQ)),
    choice("Panel", AW(dashtype), PANELS, 1), choice("Radios", AW(radiotype), RADIOS, 1),
    row_break(),
    choice("Airspeed dial", AW(AStype), AS_DIALS, 1),
    choice("Climb dial", AW(VVItype), VSI_RANGES, 1),
    choice("Equipment", AW(layouttype), LAYOUTS, 1),
    row_break(),
    num("Eye long ft", AW(pex), 0, 4, 1, 1), num("Eye lat ft", AW(pey), 0, 4, 1, 1),
    num("Eye vert ft", AW(pez), 0, 4, 1, 1),
};
static Field HELI_INDICATIONS[] = {
    choice("Airspeed unit", AW(asi_type), SPEED_UNITS, 1),
    num("Vne kt/mph", AW(Vne), 0, 3, 0, 0),
    yesno("Head-up display", AW(hudEQ)), yesno("Hoops", AW(hoopEQ)),
    choice("Panel", AW(dashtype), PANELS, 1),
    row_break(),
    num("Eye long ft", AW(pex), 0, 4, 1, 1), num("Eye lat ft", AW(pey), 0, 4, 1, 1),
    num("Eye vert ft", AW(pez), 0, 4, 1, 1),
};
static Field FORCE_FEEDBACK[] = {
    yesno("Hydraulic controls", AW(ff_hydraulic)), yesno("Stick shaker", AW(ff_stickshaker)),
};

// ---------------------------------------------------------------- engines
static Field ENGINES[] = {
    choice("Engine kind", AW(entype), ENGINE_KINDS, 1),
    whole("Engines", AW(numen), 0, 1, 0, 0, 2),
    num("Power hp", AW(pmax), 0, 5, 0, 0), num("Critical alt ft", AW(critalt), 0, 5, 0, 0),
    row_break(),
    num("Max rpm", AW(rpmmax), 0, 4, 0, 0), num("Idle rpm", AW(rpmmin), 0, 4, 0, 0),
    num("Green top rpm", AW(rpmmaxgreen), 0, 4, 0, 0),
    num("Green low rpm", AW(rpmmingreen), 0, 4, 0, 0),
    row_break(),
    num("Jet thrust lb", AW(tmax), 0, 6, 0, 0), num("Spool-up s", AW(spooltime), 0, 2, 0, 0),
    num("Jet face sq ft", AW(facejet), 0, 2, 0, 0), yesno("Reverse thrust", AW(revthrustEQ)),
    row_break(),
    num("Vert cant deg", AW(vertcant), 0, 2, 1, 1),
    arm("Engine long ft", SLOT8(xarm)), arm("Engine lat ft", SLOT8(yarm)),
    arm("Engine vert ft", SLOT8(zarm)),
};
static Field HELI_ENGINE[] = {
    choice("Engine kind", AW(entype), HELI_ENGINE_KINDS, 1),
    whole("Engines", AW(numen), 0, 1, 0, 1, 2),
    num("Power hp", AW(pmax), 0, 5, 0, 0),
    row_break(),
    num("Critical alt ft", AW(critalt), 0, 5, 0, 0),
    num("Max rpm", AW(rpmmax), 0, 4, 0, 0), num("Idle rpm", AW(rpmmin), 0, 4, 0, 0),
    row_break(),
    num("Green top rpm", AW(rpmmaxgreen), 0, 4, 0, 0),
    num("Green low rpm", AW(rpmmingreen), 0, 4, 0, 0),
};

// ---------------------------------------------------------------- propellers and rotors
static Field PROPELLER[] = {
    yesno("Variable pitch", AW(varpitchEQ), PI, ACT_PROP_SHAPE),
    choice("Rotation", AW(propdir), ROTATIONS, 0, PI),
    num("Blades", AW(numblades), PF, 1, 0, 0, 2, 9),
    row_break(),
    num("Radius ft", AW(semiB), PF, 3, 1, 0, 1.0f, 99.9f, ACT_PROP_SHAPE),
    shown(num("Blade chord in", AW(Croot), PF, 3, 1, 0, 1.0f, 99.9f, ACT_BLADE_CHORD), 0.0f,
          12.0f),
    row_break(),
    num("Advance in/rev", AW(des_adv), PF, 3, 0, 0, 0, 999, ACT_PROP_ADV),
    num("Design rpm", AW(des_rpm), PF, 4, 0, 0, 100, 9999, ACT_PROP_POINT),
    num("Design speed kt", AW(des_v), PF, 3, 0, 0, 0, 999, ACT_PROP_POINT),
    row_break(),
    num("Flat pitch deg", AW(minpitch), PF, 3, 1, 1, -90, 90),
    num("Open pitch deg", AW(maxpitch), PF, 3, 1, 0, 0, 90),
    of_kind(FK_GRID_SHOW, num("Blade twist deg", AW(anginc), ROWF, 5, 1, 0)),
};
static Field ROTOR_SYSTEM[] = {
    shown(num("Rotor tilt deg", AW(vertcant), 0, 2, 1, 1), 90.0f, -1.0f),
    num("Side tilt deg", AW(sidecant), 0, 2, 1, 1),
    num("Tail rotor ratio", AW(trotor_rat), 0, 3, 1, 0, 1.0f, 99.9f),
    row_break(),
    num("Main rotor long ft", SLOT8(xarm), 0, 4, 1, 1),
    num("Main rotor vert ft", SLOT8(zarm), 0, 4, 1, 1),
    row_break(),
    num("Tail rotor long ft", SLOT8(xarm) + ARM, 0, 4, 1, 1),
    num("Tail rotor vert ft", SLOT8(zarm) + ARM, 0, 4, 1, 1),
    row_break(),
    num("Pitch cyclic deg", AW(elevcyclic), 0, 3, 0, 0),
    num("Roll cyclic deg", AW(ailncyclic), 0, 3, 0, 0),
};

// ---------------------------------------------------------------- lifting surfaces
#define SPAN_AND_CHORDS                                                                   \
    num("Semi-span ft", AW(semiB), PF, 4, 1, 0), num("Root chord ft", AW(Croot), PF, 3, 1, 0), \
        num("Tip chord ft", AW(Ctip), PF, 3, 1, 0)
#define ROOT_ARMS                                                                         \
    arm("Long arm ft", SLOT8(xarm)), arm("Lat arm ft", SLOT8(yarm)), arm("Vert arm ft", SLOT8(zarm))
static Field WING[] = {
    SPAN_AND_CHORDS, angle("Sweep deg", AW(sweep1)), angle("Dihedral deg", AW(dihed)),
    row_break(),
    ROOT_ARMS,
    yesno("Stall strip", AW(strp), PI), elements(4),
    incidence_row(),
    grid_flag("In propwash", AW(wash)), grid_flag("Aileron", AW(ailn)),
    grid_flag("Roll spoiler", AW(splr)), grid_flag("Flap", AW(flap)), grid_flag("Slat", AW(slat)),
    grid_flag("Speed brake", AW(sbrk)), grid_flag("Tilting", AW(tilt)),
    grid_flag("Drag rudder", AW(drud)),
};
static Field HSTAB[] = {
    SPAN_AND_CHORDS, angle("Sweep deg", AW(sweep1)), angle("Dihedral deg", AW(dihed)),
    row_break(),
    ROOT_ARMS,
    choice("Kind", AW(hstabtype), STAB_KINDS, 0),
    row_break(),
    num("Trim range deg", AW(hstbtrimmax), 0, 2, 0, 0), elements(1),
    incidence_row(),
    grid_flag("In propwash", AW(wash)), grid_flag("Elevator", AW(elev)),
    grid_flag("Flap", AW(flap)), grid_flag("Slat", AW(slat)),
};
static Field VSTAB[] = {
    SPAN_AND_CHORDS, angle("Sweep deg", AW(sweep1)),
    row_break(),
    ROOT_ARMS,
    yesno("Inverted", AW(inverted), PI), elements(1),
    incidence_row(),
    grid_flag("In propwash", AW(wash)), grid_flag("Rudder", AW(rudd)),
};
static Field HELI_HSTAB[] = {
    SPAN_AND_CHORDS,
    row_break(),
    arm("Long arm ft", SLOT8(xarm)), arm("Vert arm ft", SLOT8(zarm)),
    num("Trim range deg", AW(hstbtrimmax), 0, 2, 0, 0),
};

// ---------------------------------------------------------------- controls, body, gear
static Field CONTROL_GEOMETRY[] = {
    num("Aileron chord", AW(ailn_crat), 0, 3, 2, 0, 0, 0.6f),
    num("Elevator chord", AW(elev_crat), 0, 3, 2, 0, 0, 0.6f),
    num("Rudder chord", AW(rudd_crat), 0, 3, 2, 0, 0, 0.6f),
    num("Spoiler chord", AW(splr_crat), 0, 3, 2, 0, 0, 0.6f),
    num("Drag rud chord", AW(drud_crat), 0, 3, 2, 0, 0, 0.6f),
    num("Sp brake chord", AW(sbrk_crat), 0, 3, 2, 0, 0, 0.6f),
    row_break(),
    num("Aileron up deg", AW(ailn_up), 0, 3, 1, 0), num("Aileron dn deg", AW(ailn_dn), 0, 3, 1, 0),
    num("Elevator up deg", AW(elev_up), 0, 3, 1, 0), num("Elevator dn deg", AW(elev_dn), 0, 3, 1, 0),
    num("Rudder deg", AW(rudd_def), 0, 3, 1, 0),
    row_break(),
    num("Spoiler deg", AW(splr_def), 0, 3, 1, 0), num("Drag rudder deg", AW(drud_def), 0, 3, 1, 0),
    num("Speed brake deg", AW(sbrk_def), 0, 3, 1, 0), num("Slat stall +deg", AW(slat_inc), 0, 2, 0, 0),
    row_break(),
    choice("Surface build", AW(con_type), CONTROL_BUILDS, 1),
    file("Flap section file", AW(flap_str), 0, FILE_FLP),
};
static Field FUSELAGE[] = {
    num("Nose ft", AW(fuse_nose), 0, 4, 1, 1), num("Length ft", AW(fuse_len), 0, 4, 1, 0),
    num("Drag coeff", AW(cdfuse), 0, 4, 3, 0), yesno("In propwash", AW(fusewash)),
    num("Radius ft", AW(fuse_rad), 0, 3, 1, 0, 1.0f, 99.0f),
};
static Field WEIGHT[] = {
    num("CG long ft", AW(cgx), 0, 4, 1, 1), num("CG vert ft", AW(cgz), 0, 4, 1, 1),
    row_break(),
    num("Empty lb", AW(w_empty), 0, 6, 0, 0), num("Max lb", AW(w_max), 0, 6, 0, 0),
    row_break(),
    num("Fuel lb", AW(w_fuel), 0, 6, 0, 0), num("Water lb", AW(w_water), 0, 6, 0, 0),
};
static Field GEAR[] = {
    yesno("Wheels", AW(gearEQ)), yesno("Retracts", AW(retractEQ)),
    num("Nose steer deg", AW(nwsteer), 0, 3, 1, 0), num("Gear drag sq ft", AW(sgear), 0, 3, 1, 0),
    row_break(),
    num("Nose long ft", AW(ngearx), 0, 4, 1, 1), num("Nose vert ft", AW(ngearz), 0, 4, 1, 1),
    row_break(),
    num("Main long ft", AW(mgearx), 0, 4, 1, 1), num("Main lat ft", AW(mgeary), 0, 4, 1, 0),
    num("Main vert ft", AW(mgearz), 0, 4, 1, 1),
};
static Field SKID[] = {
    yesno("Skids", AW(skidEQ)),
    row_break(),
    num("Skid front ft", AW(skidx), 0, 4, 1, 1), num("Skid lat ft", AW(skidy), 0, 4, 1, 0),
    num("Skid vert ft", AW(skidz), 0, 4, 1, 1), num("Skid length ft", AW(skidl), 0, 4, 1, 0),
};

// ---------------------------------------------------------------- expert screens
#define AIRFOILS                                                                          \
    file("Root, low Re", AW(Rafl0), MAX_STR, FILE_AFL),                                   \
        file("Root, high Re", AW(Rafl1), MAX_STR, FILE_AFL),                              \
        file("Tip, low Re", AW(Tafl0), MAX_STR, FILE_AFL),                                \
        file("Tip, high Re", AW(Tafl1), MAX_STR, FILE_AFL)
static Field X_SECTIONS[] = {
    check("Re interpolation", AW(diffRe), PI), check("Root-tip interp", AW(diffRT), PI),
    AIRFOILS,
};
static Field X_WING[] = {
    yesno("Variable sweep", AW(varsweepEQ), PI), angle("Swept deg", AW(sweep2)),
    check("Re interpolation", AW(diffRe), PI), check("Root-tip interp", AW(diffRT), PI),
    row_break(),
    AIRFOILS,
};
static Field X_SPECIAL[] = {
    num("JATO long ft", AW(jatox), 0, 4, 1, 1), num("JATO vert ft", AW(jatoz), 0, 4, 1, 1),
    num("JATO angle deg", AW(jatotheta), 0, 3, 0, 1), num("JATO thrust lb", AW(jatothrust), 0, 5, 0, 0),
    num("JATO burn s", AW(jatodur), 0, 3, 0, 0),
    row_break(),
    num("Stab roll deg", AW(stabroll), 0, 3, 1, 1), num("Ail pitch deg", AW(ailpitch), 0, 3, 1, 1),
    num("Fin min speed kt", AW(vstabminv), 0, 3, 0, 0),
    row_break(),
    yesno("Auto speed brake", AW(autosbrk)), yesno("Auto brakes", AW(autobrk)),
    yesno("Auto sweep", AW(autosweep)), yesno("Auto slats", AW(autoslat)),
};
static Field X_VTOL[] = {
    yesno("Vectored thrust", AW(vectEQ)),
    num("Pitch cyclic deg", AW(elevcyclic), 0, 2, 0, 0),
    num("Roll cyclic deg", AW(ailncyclic), 0, 2, 0, 0),
    row_break(),
    num("Puffer M ft-lb", AW(puffM), 0, 5, 0, 0), num("Puffer L ft-lb", AW(puffL), 0, 5, 0, 0),
    num("Puffer N ft-lb", AW(puffN), 0, 5, 0, 0),
};
static Field X_ART_STAB[] = {
    yesno("Stability system", AW(ASEQ)),
    num("Low speed kt", AW(ASloV), 0, 3, 0, 0), num("High speed kt", AW(AShiV), 0, 3, 0, 0),
    row_break(),
    num("Max pitch deg", AW(ASmaxptch), 0, 3, 0, 0), num("Max roll deg", AW(ASmaxroll), 0, 3, 0, 0),
    num("Max heading deg", AW(ASmaxhdng), 0, 3, 0, 0),
    row_break(),
    num("Pitch gain 1", AW(ASp1), 0, 3, 3, 1), num("Pitch gain 2", AW(ASp2), 0, 3, 3, 1),
    num("Roll gain 1", AW(ASr1), 0, 3, 3, 1), num("Roll gain 2", AW(ASr2), 0, 3, 3, 1),
    row_break(),
    num("Heading gain 1", AW(ASh1), 0, 3, 3, 1), num("Heading gain 2", AW(ASh2), 0, 3, 3, 1),
};
#define FLOAT_ROW(k, name, ycap)                                                          \
    num(name " long ft", AW(floatx) + (k) * PF, 0, 4, 1, 1), ycap,                       \
        num(name " vert ft", AW(floatz) + (k) * PF, 0, 4, 1, 1),                          \
        num(name " len ft", AW(floatl) + (k) * PF, 0, 4, 1, 0),                           \
        num(name " wide ft", AW(floatw) + (k) * PF, 0, 4, 1, 0), row_break()
static Field X_FLOATS[] = {
    yesno("Floats", AW(floatEQ)),
    row_break(),
    FLOAT_ROW(0, "F1", num("F1 lat ft", AW(floaty), 0, 4, 1, 1)),
    FLOAT_ROW(2, "F2", num("F2 lat ft", AW(floaty) + 2 * PF, 0, 4, 1, 1, 0.0f, 0.0f)),
    FLOAT_ROW(4, "F3", num("F3 lat ft", AW(floaty) + 4 * PF, 0, 4, 1, 1)),
};

// ---------------------------------------------------------------- the tables
struct WindowEntry {
    int index;
    const char *title;
    int w, h, bitmap;
};
// The helicopter fins' screen is taller than the other small screens so that
// their element grid fits under the geometry fields.
static const WindowEntry WINDOWS[] = {
    {WIN_INDICATIONS, "Indications", 590, 433, 128},
    {WIN_FORCE_FEEDBACK, "Force Feedback", 385, 152, 153},
    {WIN_PERFORMANCE, "Performance", 640, 430, 0},
    {WIN_ENGINES, "Engines", 677, 388, 129},
    {WIN_PROPELLERS, "Propellers", 499, 483, 148},
    {WIN_WING1, "Wing 1", 472, 348, 130},
    {WIN_WING2, "Wing 2", 472, 348, 130},
    {WIN_HSTAB, "Horizontal Stab or Canard", 472, 345, 131},
    {WIN_VSTAB1, "Vertical Stab 1", 473, 275, 132},
    {WIN_VSTAB2, "Vertical Stab 2", 473, 275, 132},
    {WIN_CONTROL_GEOMETRY, "Control Geometry", 686, 326, 133},
    {WIN_FUSELAGE, "Fuselage", 608, 445, 149},
    {WIN_WEIGHT, "Weight & Balance", 403, 346, 150},
    {WIN_GEAR, "Landing Gear", 460, 403, 151},
    {WIN_X_PROP, "EXPERT: Propeller", 525, 111, 152},
    {WIN_X_WING1, "EXPERT: Wing 1", 524, 155, 134},
    {WIN_X_WING2, "EXPERT: Wing 2", 524, 155, 134},
    {WIN_X_HSTAB, "EXPERT: Horizontal Stab or Canard", 524, 155, 135},
    {WIN_X_VSTAB1, "EXPERT: Vertical Stab 1", 524, 110, 136},
    {WIN_X_VSTAB2, "EXPERT: Vertical Stab 2", 524, 110, 136},
    {WIN_X_SPECIAL, "EXPERT: Special Controls", 657, 454, 137},
    {WIN_X_VTOL, "EXPERT: VTOL Controls", 484, 330, 138},
    {WIN_X_ART_STAB, "EXPERT: Artificial Stability System", 606, 362, 139},
    {WIN_X_FLOATS, "EXPERT: Floats", 531, 308, 140},
    {WIN_H_INDICATIONS, "Indications", 590, 266, 141},
    {WIN_H_FORCE_FEEDBACK, "Force Feedback", 385, 152, 153},
    {WIN_H_ENGINE, "Engine", 437, 279, 142},
    {WIN_H_MAIN_ROTOR, "Main Rotor", 499, 483, 148},
    {WIN_H_TAIL_ROTOR, "Tail Rotor", 499, 483, 148},
    {WIN_H_ROTOR_SYSTEM, "Rotor System", 507, 325, 143},
    {WIN_H_HSTAB, "Horizontal Stab", 462, 153, 144},
    {WIN_H_VSTAB1, "Vertical Stab 1", 473, 236, 145},
    {WIN_H_VSTAB2, "Vertical Stab 2", 473, 236, 145},
    {WIN_H_FUSELAGE, "Fuselage", 608, 445, 149},
    {WIN_H_WEIGHT, "Weight & Balance", 403, 346, 150},
    {WIN_H_GEAR, "Landing Gear", 460, 403, 151},
    {WIN_H_SKID, "Skid", 423, 247, 146},
    {WIN_H_X_MAIN_ROTOR, "EXPERT: Main Rotor", 525, 111, 152},
    {WIN_H_X_TAIL_ROTOR, "EXPERT: Tail Rotor", 525, 111, 152},
    {WIN_H_X_HSTAB, "EXPERT: Horizontal Stab", 524, 110, 147},
};

static const WindowEntry *window_entry(int index)
{
    for (const WindowEntry &w : WINDOWS)
        if (w.index == index)
            return &w;
    return nullptr;
}

const char *window_title(int index)
{
    const WindowEntry *w = window_entry(index);
    return w ? w->title : index == WIN_MAIN ? "Airwright" : nullptr;
}

int window_bitmap(int index)
{
    const WindowEntry *w = window_entry(index);
    return w ? w->bitmap : index == WIN_MAIN ? MAIN_BITMAP : 0;
}

void window_size(int index, int *w, int *h)
{
    const WindowEntry *e = window_entry(index);
    *w = e ? e->w : 0;
    *h = e ? e->h : 0;
}

#define FIELDS(a) a, (int)(sizeof a / sizeof a[0])
static Screen SCREENS[] = {
    {WIN_INDICATIONS, 128, 0, FIELDS(INDICATIONS)},
    {WIN_FORCE_FEEDBACK, 153, 0, FIELDS(FORCE_FEEDBACK)},
    {WIN_ENGINES, 129, 0, FIELDS(ENGINES)},
    {WIN_PROPELLERS, 148, 0, FIELDS(PROPELLER)},
    {WIN_WING1, 130, 2, FIELDS(WING)},
    {WIN_WING2, 130, 3, FIELDS(WING)},
    {WIN_HSTAB, 131, 4, FIELDS(HSTAB)},
    {WIN_VSTAB1, 132, 5, FIELDS(VSTAB)},
    {WIN_VSTAB2, 132, 6, FIELDS(VSTAB)},
    {WIN_CONTROL_GEOMETRY, 133, 0, FIELDS(CONTROL_GEOMETRY)},
    {WIN_FUSELAGE, 149, 0, FIELDS(FUSELAGE)},
    {WIN_WEIGHT, 150, 0, FIELDS(WEIGHT)},
    {WIN_GEAR, 151, 0, FIELDS(GEAR)},
    {WIN_X_PROP, 152, 0, FIELDS(X_SECTIONS)},
    {WIN_X_WING1, 134, 2, FIELDS(X_WING)},
    {WIN_X_WING2, 134, 3, FIELDS(X_WING)},
    {WIN_X_HSTAB, 135, 4, FIELDS(X_WING)},
    {WIN_X_VSTAB1, 136, 5, FIELDS(X_SECTIONS)},
    {WIN_X_VSTAB2, 136, 6, FIELDS(X_SECTIONS)},
    {WIN_X_SPECIAL, 137, 0, FIELDS(X_SPECIAL)},
    {WIN_X_VTOL, 138, 0, FIELDS(X_VTOL)},
    {WIN_X_ART_STAB, 139, 0, FIELDS(X_ART_STAB)},
    {WIN_X_FLOATS, 140, 0, FIELDS(X_FLOATS)},
    {WIN_H_INDICATIONS, 141, 0, FIELDS(HELI_INDICATIONS)},
    {WIN_H_FORCE_FEEDBACK, 153, 0, FIELDS(FORCE_FEEDBACK)},
    {WIN_H_ENGINE, 142, 0, FIELDS(HELI_ENGINE)},
    {WIN_H_MAIN_ROTOR, 148, 0, FIELDS(PROPELLER)},
    {WIN_H_TAIL_ROTOR, 148, 1, FIELDS(PROPELLER)},
    {WIN_H_ROTOR_SYSTEM, 143, 0, FIELDS(ROTOR_SYSTEM)},
    {WIN_H_HSTAB, 144, 4, FIELDS(HELI_HSTAB)},
    {WIN_H_VSTAB1, 145, 5, FIELDS(VSTAB)},
    {WIN_H_VSTAB2, 145, 6, FIELDS(VSTAB)},
    {WIN_H_FUSELAGE, 149, 0, FIELDS(FUSELAGE)},
    {WIN_H_WEIGHT, 150, 0, FIELDS(WEIGHT)},
    {WIN_H_GEAR, 151, 0, FIELDS(GEAR)},
    {WIN_H_SKID, 146, 0, FIELDS(SKID)},
    {WIN_H_X_MAIN_ROTOR, 152, 0, FIELDS(X_SECTIONS)},
    {WIN_H_X_TAIL_ROTOR, 152, 1, FIELDS(X_SECTIONS)},
    {WIN_H_X_HSTAB, 147, 4, FIELDS(X_SECTIONS)},
};
constexpr int N_SCREENS = (int)(sizeof SCREENS / sizeof SCREENS[0]);

const Screen *screen_of(int window)
{
    for (const Screen &s : SCREENS)
        if (s.window == window)
            return &s;
    return nullptr;
}

const Screen *screen_at(int n) { return n >= 0 && n < N_SCREENS ? &SCREENS[n] : nullptr; }
int screen_count() { return N_SCREENS; }

int field_position(int window, const char *caption, int *x, int *y)
{
    const Screen *s = screen_of(window);
    for (int k = 0; s && k < s->nfields; k++)
        if (strcmp(s->fields[k].caption, caption) == 0) {
            *x = s->fields[k].x;
            *y = s->fields[k].y;
            return 1;
        }
    return 0;
}

}  // namespace airwright
