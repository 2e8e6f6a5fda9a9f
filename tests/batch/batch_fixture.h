// Fixture of the batch-runner tests: the headless simulator of the batch
// library started in-process over the generated scenery and the shipped
// aircraft, plus a way to run the vortan-batch executable itself.
#pragma once
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "files/files.h"
#include "flight/flight.h"
#include "shell/shell.h"
#include "tests/common/fatal_catch.h"
#include "tools/batch/local.h"
#include "world/world.h"

class BatchTest : public UserFolderTest {
  protected:
    void SetUp() override
    {
        UserFolderTest::SetUp();
        std::string gps = program_dir() + "/DATA/gps_dat";
        if (!std::filesystem::exists(gps))
            GTEST_SKIP() << "no generated scenery in " << gps;
        batch_init();
    }
    void TearDown() override
    {
        test_set_clock_ms(-1);
        UserFolderTest::TearDown();
    }
    static std::string program_dir()
    {
        const char *d = getenv("VORTAN_PROGRAM_DIR");
        return d ? d : ".";
    }
    // Loads a shipped aircraft and starts it in the air over the factory
    // region (Los Angeles basin, 34 N 118.3 W), heading east.
    static void fly_from_air(const char *acf, float alt_ft, float kias)
    {
        char why[MAX_STR];
        ASSERT_TRUE(batch_load_aircraft((std::string("Aircraft/") + acf).c_str(), why)) << why;
        ASSERT_TRUE(batch_start_air(34.0f, -118.3f, alt_ft, kias, 90.0f, why)) << why;
    }
    static void frames(float seconds)
    {
        for (double end = batch_time() + seconds; batch_time() < end - 1e-6;)
            batch_frame();
    }
    std::string write(const std::string &name, const std::string &text) const
    {
        std::string p = path(name);
        std::ofstream(p) << text;
        return p;
    }
};

// The vortan-batch executable run: exit status, the standard output and
// the standard error.
struct BatchRun {
    int status;
    std::string out, err;
};

inline std::string read_all(const std::string &p)
{
    std::ifstream f(p);
    return std::string((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
}

// Runs vortan-batch (from VORTAN_PROGRAM_DIR) with `args`, a shell command
// line tail; its output and messages are caught in files in `dir`.
inline BatchRun run_batch(const std::string &args, const std::string &dir)
{
    std::string out = dir + "/out.txt", err = dir + "/err.txt";
    const char *d = getenv("VORTAN_PROGRAM_DIR");
    std::string cmd = std::string(d ? d : ".") + "/vortan-batch " + args + " >" + out + " 2>" + err;
    int st = system(cmd.c_str());
    return {WIFEXITED(st) ? WEXITSTATUS(st) : -1, read_all(out), read_all(err)};
}
