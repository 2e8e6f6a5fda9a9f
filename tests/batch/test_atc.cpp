// A filed IFR plan flown from one real airport to another by the batch
// runner's ATC pilot on the autopilot, through every phase of the plan to
// "taxi to the ramp.".
#include "tests/batch/batch_fixture.h"

#include <sstream>
#include <vector>

TEST_F(BatchTest, IfrPlanFromJohnWayneToLongBeachEndsAtTheRamp)
{
    std::string scenario = std::string(getenv("VORTAN_SOURCE_DIR")) + "/docs/scenarios/atc-ifr-sna-lgb.txt";
    BatchRun r = run_batch(scenario, dir.string());
    ASSERT_EQ(r.status, 0) << r.err;
    std::istringstream rows(r.out);
    std::string line, last_message;
    std::vector<int> phases;
    int crashed = 0;
    std::getline(rows, line);
    EXPECT_EQ(line, "t,alt_ft,agl_ft,kias,heading,on_ground,crashed,atc_phase,atc");
    std::vector<std::string> heard;
    while (std::getline(rows, line)) {
        std::vector<std::string> f;
        std::string cell;
        std::istringstream cells(line.substr(0, line.find('"')));
        while (std::getline(cells, cell, ','))
            f.push_back(cell);
        ASSERT_GE(f.size(), 8u) << line;
        crashed = std::max(crashed, std::stoi(f[6]));
        int phase = std::stoi(f[7]);
        if (phases.empty() || phases.back() != phase)
            phases.push_back(phase);
        std::string message = line.substr(line.find('"') + 1);
        message.pop_back();
        if (message != last_message)
            heard.push_back(message);
        last_message = message;
    }
    EXPECT_EQ(crashed, 0);
    EXPECT_EQ(phases, (std::vector<int>{3, 4, 5, 6, 7, 8, 9, 0}));
    const char *SAID[] = {"contact departure.", "Climb to 4000 approved", "contact center",
                          "proceed on course to LGB", "contact approach on", "vectors ILS 30 Long Beach",
                          "intercept localizer altimeter 29.92 cleared ILS 30 Long Beach", "cleared to land.",
                          "make next turn-off contact ground"};
    size_t k = 0;
    for (const std::string &m : heard)
        if (k < std::size(SAID) && m.find(SAID[k]) != std::string::npos)
            k++;
    EXPECT_EQ(k, std::size(SAID)) << "missing: " << (k < std::size(SAID) ? SAID[k] : "");
    EXPECT_EQ(last_message, "november one six zero one tango taxi to the ramp.");
}
