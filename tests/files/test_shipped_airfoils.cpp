// The airfoils and flaps committed under data/: read with the simulator's
// own readers and held against the published section figures (listed again
// here, independently of the authoring tool), and byte-equal to what the
// authoring tool writes.
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <set>

#include "files/airfoil_gen.h"
#include "tests/files/sample.h"

namespace fs = std::filesystem;

namespace {

// Published figures at the file's Reynolds number (see data/airfoils/README.md).
struct Published {
    const char *file;
    float Re;                  // millions
    float slope, zero_lift;    // per deg, deg
    float clmax, clmax_deg;
    float cdmin, cm0;
};
const Published SECTIONS[] = {
    {"NACA 0009 (symmetrical).afl", 3.0f, 0.109f, 0.0f, 1.25f, 13.0f, 0.0055f, 0.0f},
    {"NACA 0009 (high Re).afl", 6.0f, 0.109f, 0.0f, 1.32f, 13.5f, 0.0052f, 0.0f},
    {"NACA 0012.afl", 3.0f, 0.108f, 0.0f, 1.50f, 15.0f, 0.0060f, 0.0f},
    {"NACA 0012 (high Re).afl", 6.0f, 0.108f, 0.0f, 1.59f, 16.0f, 0.0056f, 0.0f},
    {"NACA 2412 (popular).afl", 3.0f, 0.105f, -2.1f, 1.56f, 15.0f, 0.0062f, -0.045f},
    {"NACA 2412 (high Re).afl", 6.0f, 0.105f, -2.1f, 1.68f, 16.0f, 0.0060f, -0.047f},
    {"NACA 4412.afl", 3.0f, 0.105f, -4.0f, 1.58f, 14.0f, 0.0065f, -0.090f},
    {"NACA 23012.afl", 3.0f, 0.107f, -1.2f, 1.68f, 17.0f, 0.0062f, -0.012f},
    {"NACA 23012 (high Re).afl", 6.0f, 0.107f, -1.2f, 1.79f, 18.0f, 0.0060f, -0.014f},
    {"Clark-Y (good propeller).afl", 2.0f, 0.095f, -5.0f, 1.48f, 14.0f, 0.0085f, -0.080f},
};
// Scatter of the published figures between tunnels and readings.
constexpr float TOL_SLOPE = 0.003f, TOL_ZERO_LIFT_DEG = 0.3f, TOL_CLMAX = 0.04f;
constexpr float TOL_CLMAX_DEG = 1.0f, TOL_CDMIN = 0.0004f, TOL_CM = 0.01f;

const char *const TWINS[][2] = {
    {"NACA 0009 (symmetrical).afl", "NACA 0009 (high Re).afl"},
    {"NACA 0012.afl", "NACA 0012 (high Re).afl"},
    {"NACA 2412 (popular).afl", "NACA 2412 (high Re).afl"},
    {"NACA 23012.afl", "NACA 23012 (high Re).afl"},
};

// Full-deflection increments (cl, cd, cm) of the flap figures.
struct PublishedFlap {
    const char *file;
    float dcl, dcd, dcm;
};
const PublishedFlap FLAPS[] = {
    {"plain flap.flp", 0.80f, 0.080f, -0.16f},
    {"split flap.flp", 0.90f, 0.150f, -0.18f},
    {"slotted flap.flp", 1.25f, 0.060f, -0.30f},
};

std::string source_dir()
{
    const char *s = getenv("VORTAN_SOURCE_DIR");
    return s ? s : "";
}

std::set<std::string> names_in(const fs::path &folder)
{
    std::set<std::string> names;
    std::error_code err;
    for (const auto &e : fs::directory_iterator(folder, err))
        if (e.path().extension() != ".md")
            names.insert(e.path().filename().string());
    return names;
}

}  // namespace

class ShippedParts : public UserFolderTest {
  protected:
    void SetUp() override
    {
        UserFolderTest::SetUp();
        ASSERT_FALSE(source_dir().empty()) << "VORTAN_SOURCE_DIR is not set";
        fill_constants();
        memset(&pln, 0, sizeof pln);
        memset(&afl, 0, sizeof afl);
        C_to_C((source_dir() + "/data/").c_str(), pln.C_appdir);
    }
    void grab(const char *name, int Re = 0)
    {
        try {
            grabafoil(name, 2, Re, 0);
        } catch (const FatalExit &f) {
            FAIL() << name << ": " << f.s1 << " " << f.s2;
        }
    }
};

TEST_F(ShippedParts, AirfoilsMatchTheirSectionData)
{
    for (const Published &p : SECTIONS) {
        SCOPED_TRACE(p.file);
        grab(p.file);
        EXPECT_FLOAT_EQ(pln.Re[2][0][0], p.Re);
        float slope = afl.clM[2][0][0], clB = afl.clB[2][0][0];
        EXPECT_NEAR(slope, p.slope, TOL_SLOPE);
        EXPECT_NEAR(-clB / slope, p.zero_lift, TOL_ZERO_LIFT_DEG);

        // Maximum lift over the stall range 10..20 deg (slots 0..100 of the
        // positive table, 0.1 deg apart).
        const float *clt = afl.clpos[2][0][0];
        int top = 0;
        for (int s = 0; s <= 100; s++)
            if (clt[s] > clt[top])
                top = s;
        EXPECT_NEAR(clt[top], p.clmax, TOL_CLMAX);
        EXPECT_NEAR(10.0f + top / 10.0f, p.clmax_deg, TOL_CLMAX_DEG);
        // The stall flag follows the peak, and the simulator's straight line
        // hands over to the table at 10 deg without a jump.
        EXPECT_NEAR(pln.alphamax[2], p.clmax_deg, TOL_CLMAX_DEG);
        EXPECT_NEAR(clB + 10.0f * slope, clt[0], 1e-4f);

        float cdmin = 1.0f;
        for (int s = 0; s <= 200; s++)
            cdmin = fminf(cdmin, fminf(afl.cdpos[2][0][0][s], afl.cdneg[2][0][0][s]));
        EXPECT_NEAR(cdmin, p.cdmin, TOL_CDMIN);
        // Moment at 0 deg, on the simulator's segment between the breakpoints.
        float c2 = afl.cmal2[2][0][0], c3 = afl.cmal3[2][0][0];
        ASSERT_LT(c2, 0.0f);
        ASSERT_GT(c3, 0.0f);
        float cm0 = afl.cm2[2][0][0] + (afl.cm3[2][0][0] - afl.cm2[2][0][0]) * (0.0f - c2) / (c3 - c2);
        EXPECT_NEAR(cm0, p.cm0, TOL_CM);
        // Past the stall, lift falls and drag rises toward the flat plate.
        EXPECT_LT(afl.clpos[2][0][0][170], 0.01f);
        EXPECT_GT(afl.cdpos[2][0][0][270], 1.0f);
    }
}

TEST_F(ShippedParts, HighReynoldsTwinsLoadAsPairs)
{
    for (const auto &t : TWINS) {
        SCOPED_TRACE(t[1]);
        grab(t[0], 0);
        grab(t[1], 1);
        try {
            checkRediff(t[0], t[1], 2, 0);
        } catch (const FatalExit &f) {
            FAIL() << f.s1;
        }
        EXPECT_GE(pln.delRe[2][0], 1.0f);
        EXPECT_GE(pln.Re[2][0][1], 6.0f);
        EXPECT_LE(pln.Re[2][0][1], 9.0f);
        // A higher Reynolds number stalls later and higher.
        EXPECT_GT(afl.clpos[2][1][0][60], afl.clpos[2][0][0][60]);
    }
}

TEST_F(ShippedParts, FlapsLoadWithTheirFullDeflectionIncrements)
{
    for (const PublishedFlap &p : FLAPS) {
        SCOPED_TRACE(p.file);
        try {
            grabflaps((source_dir() + "/data/flaps/" + p.file).c_str());
        } catch (const FatalExit &f) {
            FAIL() << f.s1;
        }
        EXPECT_NEAR(pln.clflap[50], p.dcl, 0.01f);
        EXPECT_NEAR(pln.cdflap[50], p.dcd, 0.002f);
        EXPECT_NEAR(pln.cmflap[50], p.dcm, 0.005f);
        EXPECT_EQ(pln.clflap[0], 0.0f);
        // More flap never loses lift, and its drag is never a saving.
        for (int d = 1; d < N_FLAP_ROWS; d++) {
            EXPECT_GE(pln.clflap[d], pln.clflap[d - 1]) << d;
            EXPECT_GE(pln.cdflap[d], 0.0f) << d;
            EXPECT_LE(pln.cmflap[d], 0.0f) << d;
        }
    }
}

// The tool run twice writes the same bytes, and those are the committed
// files, with nothing committed that it does not write.
TEST_F(ShippedParts, CommittedFilesAreTheToolsOutput)
{
    fs::path runs[2] = {dir / "one", dir / "two"};
    for (const fs::path &out : runs) {
        std::string cmd = std::string("\"") + VORTAN_MAKE_AIRFOILS + "\" \"" + out.string() + "\"";
        ASSERT_EQ(std::system(cmd.c_str()), 0) << cmd;
    }
    for (const char *kind : {"airfoils", "flaps"}) {
        fs::path committed = fs::path(source_dir()) / "data" / kind;
        std::set<std::string> names = names_in(runs[0] / kind);
        EXPECT_EQ(names, names_in(committed)) << kind;
        EXPECT_EQ(names, names_in(runs[1] / kind)) << kind;
        for (const std::string &n : names) {
            std::string first = sample::slurp((runs[0] / kind / n).string());
            EXPECT_EQ(first, sample::slurp((runs[1] / kind / n).string())) << n;
            EXPECT_EQ(first, sample::slurp((committed / n).string())) << n << " differs from the tool's output";
        }
    }
    EXPECT_EQ(names_in(runs[0] / "airfoils").size(), 10u);
    EXPECT_EQ(names_in(runs[0] / "flaps").size(), 3u);
}

// Opened in the designer (constants only) and saved again, every shipped
// part regenerates byte for byte: its constants carry no more decimals than
// the file keeps.
TEST_F(ShippedParts, ReopenedInTheDesignerTheySaveUnchanged)
{
    program_kind = PROG_FOILWRIGHT;
    for (const char *kind : {"airfoils", "flaps"}) {
        fs::path committed = fs::path(source_dir()) / "data" / kind;
        for (const std::string &n : names_in(committed)) {
            SCOPED_TRACE(n);
            std::string original = (committed / n).string(), copy = path(n);
            int device = foilwright::readinpart(original.c_str(), 0, nullptr);
            foilwright::reset_part_stream_precision();
            foilwright::generate_tables(device);
            ASSERT_EQ(foilwright::writeoutpart(copy.c_str(), device), 1);
            EXPECT_EQ(sample::slurp(copy), sample::slurp(original));
        }
    }
}
