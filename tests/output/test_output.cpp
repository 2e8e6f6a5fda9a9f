// Data output, graphs and the replay: the data file's lines, the selection
// rules, the graph buffer and scale, the trail's recording and the replay
// camera, and one take-off written to the data files end to end.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <algorithm>
#include <fstream>
#include <sstream>

#include "../shell/sim_fixture.h"
#include "output/local.h"

static std::string slurp(const std::filesystem::path &p)
{
    std::ifstream f(p, std::ios::binary);
    std::stringstream ss;
    ss << f.rdbuf();
    return ss.str();
}

static std::vector<std::string> lines_of(const std::string &text)
{
    std::vector<std::string> out;
    std::stringstream ss(text);
    for (std::string l; std::getline(ss, l);)
        out.push_back(l);
    return out;
}

class OutputTest : public HeadlessTest {
  protected:
    void SetUp() override
    {
        HeadlessTest::SetUp();
        zero_records();
        fill_constants();
        open_output_streams();
    }
    void TearDown() override
    {
        close_output_streams();
        HeadlessTest::TearDown();
    }
    std::string box()
    {
        close_output_streams();
        return slurp(dir / "data/vortan/Vortan.box");
    }
};

// The data file's lines for a few selections and ten-step counts.
TEST_F(OutputTest, DataFileLines)
{
    struct Case {
        int rows[3];
        int cntr10;
        const char *expect;
    } const CASES[] = {
        {{5, -1, -1}, 0, "\nALPH,_deg | BETA,_deg | \n     5.00 |      0.00 | \n"},
        {{5, -1, -1}, 3, "     5.00 |      0.00 | \n"},
        {{16, -1, -1}, 0, "\n_VVI,_fpm | \n  -600.00 | \n"},
        {{2, 41, -1}, 0, "\nTIME,_sec | _L/D,_rat | \n    12.50 | \n"},   // no axial force: L/D missing
    };
    std::string all;
    for (const Case &c : CASES) {
        memset(set.Bdsk, 0, sizeof set.Bdsk);
        for (int r : c.rows)
            if (r >= 0)
                set.Bdsk[r] = 1;
        flt.Alpha = 5.0f;
        flt.vz = -600.0 / con.msctofpm;
        msc.tottime = 12.5f;
        msc.cntr10 = c.cntr10;
        dskoutproc();
        all += c.expect;
        // Flushed per line: the file holds every line while still open.
        EXPECT_EQ(slurp(dir / "data/vortan/Vortan.box"), all);
    }
    EXPECT_EQ(box(), all);
}

TEST_F(OutputTest, MissingValuesAndCaptions)
{
    EXPECT_TRUE(is_missing(-999.0f));
    EXPECT_FALSE(is_missing(-998.995f));
    EXPECT_FALSE(is_missing(0.0f));
    float v[3];
    data_row_values(60, v);   // beyond the rows: all missing
    EXPECT_TRUE(is_missing(v[0]) && is_missing(v[1]) && is_missing(v[2]));
    flt.thrust[0] = 1e30f;    // limited, never beyond +-9.9e9
    data_row_values(29, v);
    EXPECT_FLOAT_EQ(v[0], MAX_OUT_VALUE);
    const struct { int row; const char *caption; } CAPTIONS[] = {
        {5, "ALPH BETA deg"}, {24, "HDNG true mag, MVAR deg"}, {26, "LAT LON deg, ALT ft"},
        {28, "POWR 1,hp 2,hp"}, {41, "L/D rat"}, {13, "TRIM deg, FLAP SLAT part"}};
    for (const auto &c : CAPTIONS) {
        char s[48];
        data_row_caption(c.row, s);
        EXPECT_STREQ(s, c.caption) << c.row;
    }
}

// Clicks in the selection window: row and box, separators, and the rule
// that a fifth graph or live row clears the first other one.
TEST_F(OutputTest, SelectionWindowRows)
{
    const struct { int x, y, row, col; } CLICKS[] = {
        {10, 36, 0, 0},  {27, 66, 2, 1},  {44, 66, 2, 2},  {10, 80, -1, -1},   // line 3 separates
        {10, 96, 3, 0},  {10, 385, 19, 0}, {242, 36, 20, 0}, {242, 340, 37, 0},
        {436, 36, 41, 0}, {436, 215, 51, 0}, {436, 230, -1, -1}, {100, 36, 0, -1}};
    for (const auto &c : CLICKS) {
        int col, row = datclick_row(c.x, c.y, &col);
        EXPECT_EQ(row, c.row) << c.x << "," << c.y;
        EXPECT_EQ(col, c.col) << c.x << "," << c.y;
    }
    for (int col = 1; col <= 2; col++) {
        for (int r : {9, 3, 30, 12, 20})
            toggle_data_box(r, col);
        int *sel = col == 1 ? set.Bgrf : set.Brlt;
        EXPECT_EQ(sel[3], 0);   // the lowest other row gave way
        EXPECT_EQ(sel[9] + sel[12] + sel[20] + sel[30], 4);
    }
    for (int r = 0; r < 10; r++)
        toggle_data_box(r, 0);   // the file takes any number
    EXPECT_EQ(set.Bdsk[0] + set.Bdsk[9], 2);
}

// The graph buffer: wrapping, the scale without the -999 fillers, and
// lefttime kept within 0..89 by the window's clicks.
TEST_F(OutputTest, GraphBuffer)
{
    cleargraph();
    set.grfsel[0] = 5;
    set.grfsel[1] = set.grfsel[2] = set.grfsel[3] = -1;
    msc.prd = 0.05f;
    const float ALPHA[3] = {2.0f, -1.0f, 0.5f};
    for (float a : ALPHA) {
        flt.Alpha = a;
        grfload();
    }
    EXPECT_EQ(grf.cntr, 2);
    EXPECT_FLOAT_EQ(grf.data1[1][0], -1.0f);
    EXPECT_TRUE(is_missing(grf.data3[1][0]));   // row 5 has two values
    EXPECT_FLOAT_EQ(getscale(0), 33.0f / 2.0f);
    EXPECT_FLOAT_EQ(getscale(1), 33.0f);         // nothing but fillers: range 1
    EXPECT_EQ(graphdata(), 3);
    EXPECT_EQ(graph_sample_at(GRAPH_X0), 0);
    for (int k = 3; k < MAX_GRAPH_PERIODS + 5; k++)
        grfload();
    EXPECT_EQ(grf.cntr, 4);
    EXPECT_EQ(grf.graphstruct_full, 1);
    EXPECT_EQ(grf.indexstart, 5);

    MACIBM_init("Vortan", nullptr);
    register_output_bitmaps();
    MACIBM_startwind(13, 1);
    const struct { int x, y, lefttime; } CLICKS[] = {
        {400, 200, 1}, {115, 385, 11}, {115, 385, 21}, {125, 410, 20}, {200, 200, 19},
        {115, 410, 9}, {115, 410, 0}, {115, 410, 0}, {125, 385, 1}};
    grf.lefttime = 0;
    for (const auto &c : CLICKS) {
        msc.mx = c.x, msc.my = c.y;
        grfclick();
        EXPECT_EQ(grf.lefttime, c.lefttime) << c.x << "," << c.y;
    }
    grf.lefttime = 85;
    for (int k = 0; k < 3; k++) {
        msc.mx = 115, msc.my = 385;
        grfclick();
    }
    EXPECT_EQ(grf.lefttime, GRAPH_MAX_LEFTTIME);
}

// Recording the trail: a stationary aircraft adds nothing, a moving one a
// sample per metre-plus step with the gap slot after the newest; the
// replay's centroid, camera and colours.
TEST_F(OutputTest, TrailAndReplayCamera)
{
    resetpat();
    path_centroid();   // an empty trail: no 0 / 0
    EXPECT_TRUE(std::isfinite(pat.centroid_x));
    EXPECT_FLOAT_EQ(pat.circ_rad, 4000.0f);
    flt.x = 100.0, flt.y = 200.0;
    record_path();
    EXPECT_EQ(pat.cntr_record, 1);
    for (int k = 0; k < 5; k++) {
        flt.x += 0.5;   // under a metre: the newest sample follows
        record_path();
    }
    EXPECT_EQ(pat.cntr_record, 1);
    EXPECT_FLOAT_EQ(pat.xyztpp[1][0], 102.5f);
    pat.cntr_record = MAX_PATH_SAMPLES - 1;
    pat.inited[0] = 1;
    flt.x += 10.0;
    record_path();
    EXPECT_EQ(pat.cntr_record, 0);   // wrapped
    EXPECT_EQ(pat.inited[0], 1);
    EXPECT_EQ(pat.inited[1], 0);     // the gap follows the newest
    flt.x += 10.0;
    record_path();
    EXPECT_EQ(pat.inited[1], 1);
    EXPECT_EQ(pat.inited[2], 0);

    scn.the180rad = 0.0f;
    scn.psi180rad = 3.0f;
    turn_replay_camera(1.0f, 0.5f, 1.0f);
    EXPECT_FLOAT_EQ(scn.the180rad, con.pid2);   // stops at +90 degrees
    EXPECT_NEAR(scn.psi180rad, 5.0f - 2.0f * con.pi, 1e-5);   // heading wraps
    turn_replay_camera(-1.0f, 0.0f, 10.0f);
    EXPECT_FLOAT_EQ(scn.the180rad, -con.pid2);

    atm.vis = 20.0f * con.nmtomtrs;
    pat.visrat = 1.0f;
    const struct { float secs, visrat; } PACE[] = {{4.0f, 0.5f}, {0.25f, 1.0f}, {0.01f, 2.0f}};
    for (const auto &p : PACE) {
        adapt_replay_visibility(p.secs);
        EXPECT_FLOAT_EQ(pat.visrat, p.visrat) << p.secs;
    }
    atm.vis = 5.0f * con.nmtomtrs;   // never below 7 nm
    adapt_replay_visibility(100.0f);
    EXPECT_FLOAT_EQ(pat.visrat, 7.0f / 5.0f);

    for (int i : {3, 6, 9})
        EXPECT_EQ(trail_color(i), 13);
    for (int i : {1, 2, 4, 5})
        EXPECT_EQ(trail_color(i), 31);
}

class OutputSimTest : public SimTest {};

// A take-off flown with rows selected for the file, the graph and the
// panel: the data file has a label block every eleven ticks and a line per
// tick, the CSV a header and as many lines, the report file one load
// report per load; the replay leaves the weather as it found it.
TEST_F(OutputSimTest, TakeOffWritesTheDataFiles)
{
    start();
    for (int r : {2, 5, 15, 25})
        set.Bdsk[r] = 1;
    set.Bgrf[5] = set.Brlt[15] = 1;
    set.dskcsv = 1;
    set_rlt_grf_choices();
    restart_csv();
    set.controls_type = CONTROLS_SCRIPTED;
    int64_t now = 1000;
    for (int f = 0; f < 300; f++) {
        set_scripted_input(0.0f, 0.0f, 0.0f, f < 10 ? 0.0f : 1.0f);   // the lever follows a change
        now += 50;   // the machine keeps pace: the step stays at 0.05 s
        test_set_clock_ms(now);
        simulate_pass();
    }
    handlemenu(703);   // Cycle Dump: one frame's force build-up into the report file
    SimTest::passes(3);
    load_plane(nullptr);   // a second load adds its report, truncating nothing
    close_output_streams();

    auto box = lines_of(slurp(dir / "data/vortan/Vortan.box"));
    const std::string LABELS = "TIME,_sec | ALPH,_deg | BETA,_deg | Vtot,ktas | Vind,kias | "
                               "___X,__nm | ___Y,__nm | ___Z,__ft | ";
    int labels = 0, values = 0;
    for (const std::string &l : box) {
        if (l == LABELS)
            labels++;
        else if (std::count(l.begin(), l.end(), '|') == 8)
            values++;
    }
    EXPECT_GT(values, 30);   // a line per event tick
    EXPECT_NEAR(labels, values / 11.0, 1.0);   // labels every eleventh
    auto csv = lines_of(slurp(dir / "data/vortan/Vortan.csv"));
    ASSERT_EQ((int)csv.size(), values + 1);
    EXPECT_EQ(csv[0], "time_s,alpha,beta,ktas,kias,x_nm,y_nm,z_ft");
    auto field = [](const std::string &line, int k) {
        std::stringstream ss(line);
        std::string f;
        for (int i = 0; i <= k; i++)
            std::getline(ss, f, ',');
        return std::stod(f);
    };
    for (const std::string &l : csv)
        EXPECT_EQ(std::count(l.begin(), l.end(), ','), 7) << l;
    EXPECT_GT(field(csv.back(), 4), field(csv[1], 4) + 10.0);   // the roll gathers speed
    std::string out = slurp(dir / "data/vortan/Vortan.out");
    size_t first = out.find("Simulating"), second = out.find("Simulating", first + 1);
    EXPECT_NE(second, std::string::npos);
    size_t dump = out.find(std::string(100, '\xA5') + "\n" + std::string(100, '\xA5') + "\nframe ");
    EXPECT_LT(first, dump);
    EXPECT_LT(dump, second);
    EXPECT_NE(out.find("GRAND TOTALS AT END OF FORCE AND MOMENT BUILD-UP", dump), std::string::npos);
    EXPECT_GT(grf.cntr, 100);

    open_output_streams();
    atm.rain_tstm = 3;
    atm.baseMSL = 3000.0f * con.fttomtrs;
    limwx();
    atmospherestruct before = atm;
    start_movie();
    EXPECT_EQ(set.viewtype, 999);
    EXPECT_TRUE(atm.clear);
    start_movie();   // chosen again while open: the weather saved first stays
    SimTest::passes(3);
    test_close_window(14);
    SimTest::passes(1);
    EXPECT_EQ(set.viewtype, 601);
    EXPECT_EQ(atm.rain_tstm, before.rain_tstm);
    EXPECT_EQ(atm.clear, before.clear);
    EXPECT_EQ(atm.baseMSL, before.baseMSL);
    EXPECT_EQ(atm.topsMSL, before.topsMSL);
    EXPECT_EQ(atm.vis, before.vis);
}
