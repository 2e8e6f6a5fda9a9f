// The fatal exit's log and its invalidation of the preferences.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "fatal_catch.h"

using FatalTest = UserFolderTest;

static std::string slurp(const std::filesystem::path &p)
{
    std::ifstream f(p, std::ios::binary);
    std::stringstream ss;
    ss << f.rdbuf();
    return ss.str();
}

TEST_F(FatalTest, MessageIsLoggedAndPreferencesInvalidated)
{
    std::filesystem::create_directories(dir / "config/vortan");
    std::ofstream(dir / "config/vortan/Vortan.prf") << "I\n40 version\nkeep\n";
    EXPECT_THROW(MACIBM_exitalert("one", "two", "three", "four"), FatalExit);
    EXPECT_EQ(slurp(dir / "data/vortan/Error.out"),
              "\nerror string 1:one\nerror string 2:two\nerror string 3:three\nerror string 4:four\n");
    EXPECT_EQ(slurp(dir / "config/vortan/Vortan.prf"), "I\n-1 version\nz\nz\nz\nz\nz\n");
    try {
        MACIBM_numberexitalert("Whoa! set_win_params out of bounds!", 18);
    } catch (const FatalExit &e) {
        EXPECT_EQ(e.s2, "18");
    }
}

TEST_F(FatalTest, PlainExitWritesNothing)
{
    std::filesystem::create_directories(dir / "config/vortan");
    std::ofstream(dir / "config/vortan/Vortan.prf") << "keep";
    EXPECT_THROW(MACIBM_exitalert(nullptr, nullptr, nullptr, nullptr), FatalExit);
    EXPECT_FALSE(std::filesystem::exists(dir / "data/vortan/Error.out"));
    EXPECT_EQ(slurp(dir / "config/vortan/Vortan.prf"), "keep");
}

TEST_F(FatalTest, DesignersLeavePreferencesAlone)
{
    program_kind = PROG_AIRWRIGHT;
    EXPECT_THROW(MACIBM_exitalert("one", "", "", ""), FatalExit);
    EXPECT_TRUE(std::filesystem::exists(dir / "data/vortan/Error.out"));
    EXPECT_FALSE(std::filesystem::exists(dir / "config/vortan/Vortan.prf"));
}

TEST(FatalDeath, ExitStatusTellsFailureFromPlainExit)
{
    EXPECT_EXIT(MACIBM_exitalert("bad", "", "", ""), ::testing::ExitedWithCode(1), "bad");
    EXPECT_EXIT(MACIBM_exitalert(nullptr, nullptr, nullptr, nullptr), ::testing::ExitedWithCode(0), "");
}
