// Writes the airfoil and flap files that ship with the program: each
// section's published figures become the designer's constants, the shared
// generator makes the tables and the designer's writer the file. The
// figures and their sources are listed in data/airfoils/README.md.
// Usage: make_airfoils <folder>  (writes <folder>/airfoils and <folder>/flaps)
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>

#include "common/common.h"
#include "files/airfoil_gen.h"

using namespace foilwright;

// Published section figures at one Reynolds number (angles in deg, angle
// of attack from the chord line; the Clark-Y's from its flat lower surface).
struct SectionFit {
    const char *file;
    float Re;                             // millions
    float slope_per_deg, zero_lift_deg;   // lift-curve slope, zero-lift angle
    float clmax, clmax_deg;               // maximum lift and its angle
    float drop_at_stall, drop_by_20;      // lift lost at the stall, and by 20 deg
    float cdmin, cl_at_cdmin, cd_at_10;   // least drag, where, and drag at 10 deg
    float cm0, cm_break;                  // quarter-chord moment; its change by +-20 deg
};

// NACA 4- and 5-digit sections: Abbott and von Doenhoff, "Theory of Wing
// Sections", 1949, app. IV (also NACA Report 824), smooth models. Clark-Y:
// NACA Report 502 (Silverstein, full-scale scale-effect tests). Post-stall
// losses: Sheldahl and Klimas, SAND80-2114, for the symmetrical sections;
// read from the plots' last points for the others (see the README).
static const SectionFit SECTIONS[] = {
    // file                          Re   slope   a0    clmax  at   drop1 drop2  cdmin  at   cd10    cm0    break
    {"NACA 0009 (symmetrical).afl", 3.0f, 0.109f, 0.0f, 1.25f, 13.0f, 0.20f, 0.35f, 0.0055f, 0.00f, 0.0115f, 0.000f, 0.06f},
    {"NACA 0009 (high Re).afl",     6.0f, 0.109f, 0.0f, 1.32f, 13.5f, 0.25f, 0.30f, 0.0052f, 0.00f, 0.0105f, 0.000f, 0.06f},
    {"NACA 0012.afl",               3.0f, 0.108f, 0.0f, 1.50f, 15.0f, 0.45f, 0.15f, 0.0060f, 0.00f, 0.0100f, 0.000f, 0.06f},
    {"NACA 0012 (high Re).afl",     6.0f, 0.108f, 0.0f, 1.59f, 16.0f, 0.50f, 0.15f, 0.0056f, 0.00f, 0.0095f, 0.000f, 0.06f},
    {"NACA 2412 (popular).afl",     3.0f, 0.105f, -2.1f, 1.56f, 15.0f, 0.30f, 0.25f, 0.0062f, 0.15f, 0.0110f, -0.045f, 0.06f},
    {"NACA 2412 (high Re).afl",     6.0f, 0.105f, -2.1f, 1.68f, 16.0f, 0.35f, 0.25f, 0.0060f, 0.15f, 0.0105f, -0.047f, 0.06f},
    {"NACA 4412.afl",               3.0f, 0.105f, -4.0f, 1.58f, 14.0f, 0.10f, 0.45f, 0.0065f, 0.40f, 0.0135f, -0.090f, 0.06f},
    {"NACA 23012.afl",              3.0f, 0.107f, -1.2f, 1.68f, 17.0f, 0.55f, 0.15f, 0.0062f, 0.15f, 0.0100f, -0.012f, 0.06f},
    {"NACA 23012 (high Re).afl",    6.0f, 0.107f, -1.2f, 1.79f, 18.0f, 0.60f, 0.10f, 0.0060f, 0.15f, 0.0095f, -0.014f, 0.06f},
    {"Clark-Y (good propeller).afl", 2.0f, 0.095f, -5.0f, 1.48f, 14.0f, 0.05f, 0.45f, 0.0085f, 0.25f, 0.0150f, -0.080f, 0.06f},
};

// Shape exponents shared by every section. Drag: 3 puts the drag at 5 deg
// one eighth of the way from the minimum to the 10 deg value, as the
// polars show. Post-stall fall: 1, a straight fall to 20 deg.
constexpr float DRAG_SHAPE = 3.0f;
constexpr float STALL_FALL_SHAPE = 1.0f;
// The designer's default bucket exponent; no section here has a bucket.
constexpr float NO_BUCKET_POWER = 2.0f;

// Rounded to the designer's four decimals, so that opening a file in the
// designer and saving it again regenerates the same tables.
static float four_decimals(float v) { return roundf(v * 10000.0f) / 10000.0f; }

// The designer's constants for a section. The lift line runs through the
// zero-lift angle with the published slope; the bend to the stall leaves
// 10 deg with that same slope (Lpow = slope x (almax - 10) / rise) and
// peaks at the maximum lift. The generator mirrors the negative stall
// about clB, so almin = -almax keeps the slope at -10 deg as well. The
// moment holds cm0 between the stalls and breaks by cm_break beyond them.
static AFLstruct section_constants(const SectionFit &s)
{
    AFLstruct c{};
    c.Re = s.Re;
    c.clM = s.slope_per_deg;
    c.clB = four_decimals(-s.zero_lift_deg * s.slope_per_deg);
    c.Lstall = s.clmax;
    c.almax = s.clmax_deg;
    c.almin = -s.clmax_deg;
    float rise = s.clmax - (c.clB + 10.0f * c.clM);
    c.Lpow = four_decimals(c.clM * (c.almax - 10.0f) / rise);
    c.Ldrop1 = s.drop_at_stall;
    c.Ldrop2 = s.drop_by_20;
    c.Lpowstl = STALL_FALL_SHAPE;
    c.DminCL = s.cl_at_cdmin;
    c.Dmin = s.cdmin;
    c.Dal10 = s.cd_at_10;
    c.Dpow = DRAG_SHAPE;
    c.Bpower = NO_BUCKET_POWER;
    c.cmal2 = c.almin;
    c.cmal3 = c.almax;
    c.cm1 = s.cm0 + s.cm_break;
    c.cm2 = s.cm0;
    c.cm3 = s.cm0;
    c.cm4 = s.cm0 - s.cm_break;
    return c;
}

struct FlapFit {
    const char *file;
    FLPstruct c;   // lco1..3, dco1..3, mco1..3
};

// Increments at constant angle of attack against deflection f (fraction of
// full), cubics through three points read from NACA Report 554 (Wenzinger,
// 0.20-chord plain and split flaps) and NACA Report 664 (Wenzinger and
// Harris, 0.2566-chord slotted flap on the NACA 23012); drag fitted with no
// linear term, since it grows with the square of deflection at first.
static const FlapFit FLAPS[] = {
    // full 45 deg: cl 0.45, 0.70, 0.80; cd 0.010, 0.040, 0.080; cm -0.09, -0.14, -0.16 at 15, 30, 45
    {"plain flap.flp", {1.7f, -1.125f, 0.225f, 0.0f, 0.11f, -0.03f, -0.34f, 0.225f, -0.045f}},
    // full 60 deg: cl 0.55, 0.80, 0.90; cd 0.025, 0.080, 0.150; cm -0.10, -0.15, -0.18 at 20, 40, 60
    {"split flap.flp", {2.25f, -2.025f, 0.675f, 0.015f, 0.2025f, -0.0675f, -0.405f, 0.36f, -0.135f}},
    // full 40 deg: cl 0.85, 1.15, 1.25; cd 0.015, 0.035, 0.060; cm -0.17, -0.25, -0.30 at 20, 30, 40;
    // its lift through 20 and 40 deg and level at 40 (a cubic through all
    // three would peak above 1.25 at 38 deg), 1.14 at 30 deg
    {"slotted flap.flp", {1.8f, 0.15f, -0.7f, 0.0f, 0.06f, 0.0f, -0.2733f, -0.24f, 0.2133f}},
};

// Writes one part as a freshly started designer would (its number
// precision starts anew), so every file is the same whatever the order.
static int write_part(const std::string &path, int device)
{
    reset_part_stream_precision();
    generate_tables(device);
    if (writeoutpart(path.c_str(), device))
        return 1;
    fprintf(stderr, "make_airfoils: cannot write %s\n", path.c_str());
    return 0;
}

int main(int argc, char **argv)
{
    program_kind = PROG_FOILWRIGHT;
    fill_constants();
    if (argc != 2) {
        fprintf(stderr, "usage: make_airfoils <folder>\n");
        return 2;
    }
    std::string root = argv[1];
    std::error_code err;
    std::filesystem::create_directories(root + "/airfoils", err);
    std::filesystem::create_directories(root + "/flaps", err);
    int ok = 1;
    for (const SectionFit &s : SECTIONS) {
        afl = section_constants(s);
        ok &= write_part(root + "/airfoils/" + s.file, DEVICE_AIRFOIL);
    }
    for (const FlapFit &f : FLAPS) {
        flp = f.c;
        ok &= write_part(root + "/flaps/" + f.file, DEVICE_FLAP);
    }
    return ok ? 0 : 1;
}
