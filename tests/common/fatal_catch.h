// Catches MACIBM_exitalert in a test: the hook throws, so the code after the
// fatal call never runs, and the test sees the message.
#pragma once
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "common/common.h"
#include "common/testsupport.h"

struct FatalExit {
    std::string s1, s2, s3, s4;
};

inline void throw_fatal(const char *s1, const char *s2, const char *s3, const char *s4)
{
    auto str = [](const char *s) { return std::string(s ? s : ""); };
    throw FatalExit{str(s1), str(s2), str(s3), str(s4)};
}

// Gives each test its own empty user folders and catches fatal exits.
class UserFolderTest : public ::testing::Test {
  protected:
    std::filesystem::path dir;
    void SetUp() override
    {
        dir = std::filesystem::temp_directory_path() /
              ("vortan_test_" + std::to_string(getpid()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        setenv("XDG_CONFIG_HOME", (dir / "config").c_str(), 1);
        setenv("XDG_DATA_HOME", (dir / "data").c_str(), 1);
        test_set_fatal_hook(throw_fatal);
        program_kind = PROG_VORTAN;
    }
    void TearDown() override
    {
        test_set_fatal_hook(nullptr);
        program_kind = PROG_VORTAN;
        std::filesystem::remove_all(dir);
    }
    std::string path(const std::string &name) const { return (dir / name).string(); }
};
