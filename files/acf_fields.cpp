// The aircraft file's field list: every item in file order with its label,
// decimals, place in the designer's record (file units) and in the
// simulator's record (with the conversion into SI). The writer and both
// readers walk this list and nothing else.
#include <cstddef>

#include "files/airwright_files.h"
#include "files/local.h"

using AW = airwright::planestruct;
using SIM = ::planestruct;

const int PART_CHECKPOINT[MAX_PARTS] = {102, 103, 105, 106, 107, 108, 109};

#define AWO(f) (int)offsetof(AW, f)
#define SIO(f) (int)offsetof(SIM, f)
#define AWS(f) (int)sizeof(AW::f[0])
#define SIS(f) (int)sizeof(SIM::f[0])

// Aircraft-wide items; `a` and `s` name the designer's and the simulator's field.
#define CHECK(n, name) {AK_CHECK, SC_SAME, 0, 0, 0, n, name, 0, 0, -1, 0, -1, "checkpoint"}
#define FLAG(a, s, label) {AK_FLAG, SC_SAME, 6, 0, 0, 0, label, AWO(a), 0, SIO(s), 0, -1, #a}
#define INT(a, s, w, label, conv) {AK_INT, conv, w, 0, 0, 0, label, AWO(a), 0, SIO(s), 0, -1, #a}
#define FLT(a, s, dec, label, conv) {AK_FLT, conv, 6, dec, 0, 0, label, AWO(a), 0, SIO(s), 0, -1, #a}
#define FLT_SKIP(a, dec, label) {AK_FLT, SC_SKIP, 6, dec, 0, 0, label, AWO(a), 0, -1, 0, -1, #a}
#define FLTK(a, s, k, dec, label, conv) \
    {AK_FLT, conv, 6, dec, 0, 0, label, AWO(a) + (k) * (int)sizeof(float), 0, SIO(s) + (k) * (int)sizeof(float), 0, -1, #a}
#define INTK(a, s, k, label, conv) \
    {AK_INT, conv, 6, 0, 0, 0, label, AWO(a) + (k) * (int)sizeof(float), 0, SIO(s) + (k) * (int)sizeof(float), 0, -1, #a}
#define STR(f) {AK_STR, SC_SAME, 0, 0, 0, 0, nullptr, AWO(f), 0, SIO(f), 0, -1, #f}
#define PAIR(a1, a2, label) \
    {AK_PAIR1, SC_SAME, 6, 3, 0, 0, nullptr, AWO(a1), 0, SIO(a1), 0, -1, #a1}, \
    {AK_FLT, SC_SAME, 6, 3, 0, 0, label, AWO(a2), 0, SIO(a2), 0, -1, #a2}

// Per-part items (offset + part x stride).
#define P_STR(f) {AK_STR, SC_SAME, 0, 0, 0, 0, nullptr, AWO(f), AWS(f), SIO(f), SIS(f), -1, #f}
#define P_INT(a, s, label, conv, props) \
    {AK_INT, conv, 6, 0, props, 0, label, AWO(a), AWS(a), SIO(s), SIS(s), -1, #a}
#define P_ONE(a, s, label, conv, props) \
    {AK_INT, conv, 6, 0, props, 0, label, AWO(a), AWS(a), SIO(s), 0, -1, #a}
#define P_FLAG(f, label) {AK_FLAG, SC_SAME, 6, 0, 0, 0, label, AWO(f), AWS(f), SIO(f), SIS(f), -1, #f}
#define P_FLT(f, dec, label, conv, props) \
    {AK_FLT, conv, 6, dec, props, 0, label, AWO(f), AWS(f), SIO(f), SIS(f), -1, #f}
#define P_SKIP(f, label) {AK_FLT, SC_SKIP, 6, 0, 1, 0, label, AWO(f), AWS(f), -1, 0, -1, #f}
#define P_ARM(f, label) \
    {AK_FLT, SC_FT, 6, 1, 0, 0, label, AWO(f) + 8 * (int)sizeof(float), AWS(f), SIO(f) + 8 * (int)sizeof(float), SIS(f), -1, #f}
#define P_ELS {AK_ELS, SC_SAME, 6, 0, 0, 0, " integration sections", AWO(els), AWS(els), SIO(els), SIS(els), -1, "els"}
#define P_ROWF(f, label) {AK_ROWF, SC_SAME, 6, 1, 0, 0, label, AWO(f), AWS(f), SIO(f), SIS(f), -1, #f}
#define P_ROWB(a, s, label, eq) {AK_ROWB, SC_SAME, 0, 0, 0, 0, label, AWO(a), AWS(a), SIO(s), SIS(s), eq, #a}
#define DEVICE_ROW(f, label) P_ROWB(f, f, label, SIO(f##EQ))

static const AcfItem INSTRUMENT_AND_ENGINE_ITEMS[] = {
    CHECK(100, "INSTRUMENTS"),
    FLAG(is_heli, is_heli, " aircraft type, plane/helicopter"),
    STR(tailnum),
    INT(asi_type, asi_type, 6, " indication type, 1=mph, 2=kts", SC_SAME),
    FLT(Vso, Vso, 0, " Vso", SC_WHOLE),
    FLT(Vs, Vs, 0, " Vs", SC_WHOLE),
    FLT(Vfe, Vfe, 0, " Vfe", SC_WHOLE),
    FLT(Vno, Vno, 0, " Vno", SC_WHOLE),
    FLT(Vne, Vne, 0, " Vne", SC_WHOLE),
    FLT(Mmo, Mmo, 2, " Mmo", SC_SAME),
    FLAG(hudEQ, hudEQ, " HUD eq"),
    FLAG(hoopEQ, hoopEQ, " hoop eq"),
    INT(dashtype, dashtype, 6, " dashtype", SC_SAME),
    INT(radiotype, radiotype, 6, " radiotype", SC_SAME),
    INT(AStype, AStype, 6, " AS type", SC_SAME),
    INT(VVItype, VVItype, 6, " VVI type", SC_SAME),
    INT(layouttype, layouttype, 6, " layout type", SC_SAME),
    FLT(pex, pex, 1, " pe long arm, pos aft", SC_FT),
    FLT(pey, pey, 1, " pe lat arm, pos right", SC_FT),
    FLT(pez, pez, 1, " pe vert arm, pos up", SC_FT),
    FLAG(ff_hydraulic, ff_hydraulic, " ff hydraulic"),
    FLAG(ff_stickshaker, ff_stickshaker, " ff stick-shaker"),

    CHECK(101, "POWERPLANT"),
    INT(entype, entype, 6, " engine type", SC_SAME),
    INT(numen, numen, 6, " number engines", SC_SAME),
    FLT(pmax, pmax, 0, " max power", SC_HP),
    FLT(critalt, critalt, 0, " crit alt", SC_FT),
    FLT(rpmmin, omegamin, 0, " rpm lo", SC_RPM),
    FLT(rpmmax, omegamax, 0, " rpm hi", SC_RPM),
    FLT(rpmmingreen, omegamingreen, 0, " rpm lo green", SC_RPM),
    FLT(rpmmaxgreen, omegamaxgreen, 0, " rpm hi green", SC_RPM),
    FLT(tmax, tmax, 0, " max thrust", SC_LBF),
    FLT(spooltime, spooltime, 0, " spool time", SC_SAME),
    FLT(facejet, facejet, 0, " jet face area", SC_SQFT),
    INT(revthrustEQ, revthrustEQ, 6, " revthrustEQ thrust, 0/1", SC_FLAG),
    FLTK(vertcant, vertcant, 0, 1, " vert cant 0", SC_SAME),
    FLTK(sidecant, sidecant, 0, 1, " side cant 0", SC_SAME),
    FLTK(vertcant, vertcant, 1, 1, " vert cant 1", SC_SAME),
    FLTK(sidecant, sidecant, 1, 1, " side cant 1", SC_SAME),
    FLT(trotor_rat, trotor_rat, 1, " tail rotor rat", SC_SAME),
    INT(vectEQ, vectEQ, 6, " vectored thrust, 0/1", SC_FLAG),
};

const AcfItem PART_ITEMS[] = {
    P_STR(Rafl0),
    P_STR(Rafl1),
    P_STR(Tafl0),
    P_STR(Tafl1),
    P_ONE(varpitchEQ, varpitchEQ, " var pitch EQ", SC_FLAG, 1),
    P_INT(propdir, propdir, " rotation dir", SC_PROPDIR, 1),
    P_FLT(numblades, 0, " number blades", SC_SAME, 1),
    P_SKIP(des_adv, " design advance per rev (inches)"),
    P_SKIP(des_rpm, " design rpm"),
    P_SKIP(des_v, " design speed (kt)"),
    P_FLT(minpitch, 0, " flat pitch", SC_SAME, 1),
    P_FLT(maxpitch, 0, " open pitch", SC_SAME, 1),
    P_INT(sweep1, sweep1, " sweep1, deg", SC_SAME, 0),
    P_INT(sweep2, sweep2, " sweep2, deg", SC_SAME, 0),
    P_INT(dihed, dihed, " dihedral, deg", SC_SAME, 0),
    P_FLT(semiB, 1, " semi-span, ft", SC_FT, 0),
    P_FLT(Croot, 2, " cr, ft (hi-res numbers for prop chord in inches!)", SC_FT, 0),
    P_FLT(Ctip, 2, " ct, ft (hi-res numbers for prop chord in inches!)", SC_FT, 0),
    P_ARM(xarm, " long arm, ft"),
    P_ARM(yarm, " lat  arm, ft"),
    P_ARM(zarm, " vert arm, ft"),
    P_FLAG(diffRe, " RE file interp"),
    P_FLAG(diffRT, " root/tip file interp"),
    P_INT(varsweepEQ, varsweepEQ, " 0.0 variable sweep", SC_FLAG, 0),
    P_ELS,
    P_ROWF(anginc, " angle incidence"),
    P_ROWB(wash, propwash, " in propwash", -1),
};
const int N_PART_ITEMS = sizeof PART_ITEMS / sizeof PART_ITEMS[0];

static const AcfItem WING_ROWS[] = {
    {AK_INT, SC_SAME, 2, 0, 0, 0, " stall-strip-equipped", AWO(strp), AWS(strp), SIO(strp), SIS(strp), -1, "strp"},
    DEVICE_ROW(ailn, " ailn"),
    DEVICE_ROW(splr, " splr"),
    DEVICE_ROW(flap, " flap"),
    DEVICE_ROW(slat, " slat"),
    DEVICE_ROW(sbrk, " sbrk"),
    P_ROWB(tilt, tilt, " tilt", -1),
    DEVICE_ROW(drud, " drud"),
};
static const AcfItem HSTAB_ROWS[] = {
    DEVICE_ROW(elev, " elev"),
    DEVICE_ROW(flap, " flap"),
    DEVICE_ROW(slat, " slat"),
};
static const AcfItem VSTAB_ROWS[] = {
    DEVICE_ROW(rudd, " rudd"),
};

#define FLOAT_K(k)                                         \
    FLTK(floatx, floatx, k, 1, " float data", SC_FT),      \
    FLTK(floaty, floaty, k, 1, " float data", SC_FT),      \
    FLTK(floatz, floatz, k, 1, " float data", SC_FT),      \
    FLTK(floatl, floatl, k, 1, " float data", SC_FT),      \
    FLTK(floatw, floatw, k, 1, " float data", SC_FT),      \
    FLTK(floatnoseup, floatnoseup, k, 1, " float data", SC_FT)

static const AcfItem TAIL_ITEMS[] = {
    CHECK(110, "FOILS"),
    STR(flap_str),
    INT(hstabtype, hstabtype, 6, " hstabtype (0=stabilizer,trimmable or not, 1=stabilator)", SC_SAME),
    FLT(hstbtrimmax, hstbtrimmax, 1, " flying stabilizer maximum trim deflection", SC_SAME),
    INTK(inverted, inverted, 5, " vst1 inverted, 0/1", SC_FLAG),
    INTK(inverted, inverted, 6, " vst2 inverted, 0/1", SC_FLAG),

    CHECK(111, "CONTROLS"),
    FLT(ailn_crat, ailn_crat, 2, " chord rat", SC_SAME),
    FLT(elev_crat, elev_crat, 2, " chord rat", SC_SAME),
    FLT(rudd_crat, rudd_crat, 2, " chord rat", SC_SAME),
    FLT(splr_crat, splr_crat, 2, " chord rat", SC_SAME),
    FLT(drud_crat, drud_crat, 2, " chord rat", SC_SAME),
    FLT(sbrk_crat, sbrk_crat, 2, " chord rat", SC_SAME),
    FLT(ailn_up, ailn_up, 1, " ailn up", SC_SAME),
    FLT(ailn_dn, ailn_dn, 1, " ailn dn", SC_SAME),
    FLT(elev_up, elev_up, 1, " elev up", SC_SAME),
    FLT(elev_dn, elev_dn, 1, " elev dn", SC_SAME),
    FLT(rudd_def, rudd_def, 1, " rudd def", SC_SAME),
    FLT(splr_def, splr_def, 1, " splr def", SC_SAME),
    FLT(drud_def, drud_def, 1, " drud def", SC_SAME),
    FLT(sbrk_def, sbrk_def, 1, " sbrk def", SC_SAME),
    FLT(slat_inc, slat_inc, 0, " slat_inc", SC_SAME),
    INT(con_type, con_type, 6, " con surf type", SC_SAME),

    CHECK(112, "FUSE"),
    INT(fusewash, fusewash, 6, " fuse in propwash 0/1", SC_SAME),
    FLT(cdfuse, cdfuse, 2, " cd fuse", SC_SAME),
    FLT_SKIP(fuse_nose, 1, " fuse nose loc"),
    FLT_SKIP(fuse_len, 1, " fuse len"),
    FLT_SKIP(fuse_rad, 1, " fuse rad"),
    {AK_NSTATIONS, SC_SAME, 6, 0, 0, 0, " number stations", 0, 0, -1, 0, -1, "station count"},
    {AK_NRADIALS, SC_SAME, 6, 0, 0, 0, " number radial points", 0, 0, -1, 0, -1, "radial count"},
    {AK_FUSE, SC_FT, 8, 4, 0, 0, nullptr, AWO(fuse_x), 0, SIO(fuse_x), 0, -1, "fuse_x,fuse_y,fuse_z"},

    CHECK(113, "WEIGHT&BAL"),
    FLT(cgx, cgx, 1, " long cg", SC_FT),
    FLT(cgz, cgz, 1, " vert cg", SC_FT),
    FLT(w_empty, m_empty, 0, " empty weight", SC_LBM),
    FLT(w_max, m_max, 0, " max weight", SC_LBM),
    FLT(w_fuel, m_fuel, 0, " fuel weight", SC_LBM),
    FLT(w_water, m_water, 0, " water weight", SC_LBM),

    CHECK(114, "GEAR"),
    INT(gearEQ, gearEQ, 6, " gear equipped Y/N", SC_FLAG),
    INT(retractEQ, retractEQ, 6, " gear retractible", SC_FLAG),
    INT(floatEQ, floatEQ, 6, " float equipped Y/N", SC_FLAG),
    INT(skidEQ, skidEQ, 6, " pln.skidEQ", SC_FLAG),
    FLT(nwsteer, nwsteer, 1, " max nosewheel steering, deg", SC_SAME),
    FLT(sgear, sgear, 1, " sgear, ft*ft", SC_SQFT),
    FLT(ngearx, ngearx, 1, " ngear long arm, feet to 0 station", SC_FT),
    FLT(ngearz, ngearz, 1, " ngear vert arm, feet to centerline", SC_FT),
    FLT(mgearx, mgearx, 1, " mgear long arm, feet to 0 station", SC_FT),
    FLT(mgeary, mgeary, 1, " mgear lat  arm, feet to centerline, always pos", SC_FT),
    FLT(mgearz, mgearz, 1, " mgear vert arm, feet to centerline", SC_FT),
    FLT(skidx, skidx, 1, " skidx", SC_FT),
    FLT(skidy, skidy, 1, " skidy", SC_FT),
    FLT(skidz, skidz, 1, " skidz", SC_FT),
    FLT(skidl, skidl, 1, " skidl", SC_FT),
    FLOAT_K(0), FLOAT_K(1), FLOAT_K(2), FLOAT_K(3), FLOAT_K(4), FLOAT_K(5),

    CHECK(115, "SPECIAL CONTROLS"),
    FLT(jatox, jatox, 1, " JATO long arm", SC_FT),
    FLT(jatoz, jatoz, 1, " JATO vert arm", SC_FT),
    FLT(jatotheta, jatotheta, 0, " JATO angle (0=long axis aft)", SC_WHOLE_INT),
    FLT(jatothrust, jatothrust, 0, " JATO thrust", SC_LBF),
    FLT(jatodur, jatoleft, 0, " JATO duration", SC_SAME),
    FLT(stabroll, stabroll, 1, " stabilator differential deflection in degrees with full aileron", SC_SAME),
    FLT(ailpitch, ailpitch, 1, " aileron deflection in degrees with full pitch up for flying wings", SC_SAME),
    FLT(vstabminv, vstabminv, 0, " vstab min v", SC_KT),
    INT(autosbrk, autosbrk, 6, " automatic speedbrake deployment on touch-down", SC_SAME),
    INT(autobrk, autobrk, 6, " automatic brake deployment on touch-down", SC_SAME),
    INT(autosweep, autosweep, 6, " automatic inverse-wing-sweep with flaps", SC_SAME),
    INT(autoslat, autoslat, 6, " automatic slat deployment with flaps", SC_SAME),

    CHECK(116, "VTOL CONTROLS"),
    FLT(elevcyclic, elevcyclic, 0, " elevcyclic", SC_SAME),
    FLT(ailncyclic, ailncyclic, 0, " ailncyclic", SC_SAME),
    FLT(puffL, puffL, 0, " puffer L", SC_FTLB),
    FLT(puffM, puffM, 0, " puffer M", SC_FTLB),
    FLT(puffN, puffN, 0, " puffer N", SC_FTLB),

    CHECK(117, "ART STAB"),
    INT(ASEQ, ASeq, 6, " Artificial Stability System Equipped 0/1", SC_FLAG),
    FLT(ASloV, ASloV, 0, " ASloV", SC_SAME),
    FLT(AShiV, AShiV, 0, " AShiV", SC_SAME),
    FLT(ASmaxptch, ASmaxptch, 0, " ASmaxptch", SC_SAME),
    FLT(ASmaxhdng, ASmaxhdng, 0, " ASmaxhdng", SC_SAME),
    FLT(ASmaxroll, ASmaxroll, 0, " ASmaxroll", SC_SAME),
    PAIR(ASp1, ASp2, " ptch 1&2"),
    PAIR(ASh1, ASh2, " hdng 1&2"),
    PAIR(ASr1, ASr2, " roll 1&2"),
};

#define ITEMS(list, part) {SEC_ITEMS, list, (int)(sizeof list / sizeof list[0]), part}
#define BLOCK(part) {SEC_PART, nullptr, 0, part}

const AcfSection ACF_SECTIONS[] = {
    ITEMS(INSTRUMENT_AND_ENGINE_ITEMS, -1),
    BLOCK(0), BLOCK(1),
    BLOCK(2), ITEMS(WING_ROWS, 2),
    BLOCK(3), ITEMS(WING_ROWS, 3),
    BLOCK(4), ITEMS(HSTAB_ROWS, 4),
    BLOCK(5), ITEMS(VSTAB_ROWS, 5),
    BLOCK(6), ITEMS(VSTAB_ROWS, 6),
    ITEMS(TAIL_ITEMS, -1),
};
const int N_ACF_SECTIONS = sizeof ACF_SECTIONS / sizeof ACF_SECTIONS[0];
