// The shipped program as a process: it starts headless, runs its frame loop
// and ends cleanly when the system asks it to close.
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include "common/testsupport.h"
#include "shell/local.h"

extern char **environ;

// The preferences a first start leaves with the trainer chosen, so the
// process starts without asking anything (a first start would wait for
// the user in its welcome alert and aircraft dialog).
static void write_factory_prefs()
{
    program_kind = PROG_VORTAN;
    test_set_test_mode(1);
    ASSERT_EQ(vortan_start_layer(), 1);
    test_answer_file_dialog("Trainer.acf");   // the dialog opens in Aircraft/
    hardprefs();
    ASSERT_EQ(ouf_open(prefs_path, 305, 40), 1);
    dump_prefs();
    ASSERT_EQ(ouf_close(), 1);
    test_shutdown_layer();
    MACIBM_set_callbacks(nullptr);
    test_reset_layer();
    test_set_test_mode(0);
}

static std::filesystem::path program_path()
{
    char self[4096];
    ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
    self[n > 0 ? n : 0] = 0;
    return std::filesystem::path(self).parent_path() / "../program/vortan";
}

// A private home for a started program, headless, with the factory
// preferences in it.
static std::filesystem::path private_home(const char *prefix)
{
    std::filesystem::path home = std::filesystem::temp_directory_path() / (prefix + std::to_string(getpid()));
    std::filesystem::create_directories(home);
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    setenv("XDG_CONFIG_HOME", (home / "config").c_str(), 1);
    setenv("XDG_DATA_HOME", (home / "data").c_str(), 1);
    write_factory_prefs();
    return home;
}

TEST(Process, VortanRunsHeadlessAndClosesCleanly)
{
    std::filesystem::path exe = program_path();
    ASSERT_TRUE(std::filesystem::exists(exe));
    std::filesystem::path home = private_home("vortan_process_");
    pid_t pid;
    char *argv[] = {(char *)exe.c_str(), nullptr};
    ASSERT_EQ(posix_spawn(&pid, exe.c_str(), nullptr, nullptr, argv, environ), 0);
    usleep(700 * 1000);   // start-up and a good many frames
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, WNOHANG), 0) << "ended on its own";
    kill(pid, SIGTERM);   // SDL turns it into the window's close
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_FALSE(std::filesystem::exists(home / "data/vortan/Error.out"));
    std::filesystem::remove_all(home);
}

// The start-up report the benchmark reads: with VORTAN_TIMING=exit the
// program names every part of its start, then its first frame, and ends by
// itself, cleanly, keeping the preferences.
TEST(Process, StartUpReportEndsAfterTheFirstFrame)
{
    std::filesystem::path exe = program_path();
    std::filesystem::path home = private_home("vortan_timing_");
    std::string cmd = "VORTAN_TIMING=exit timeout 20 " + exe.string() + " 2>&1 >/dev/null";
    FILE *p = popen(cmd.c_str(), "r");
    ASSERT_TRUE(p);
    std::string out;
    char buf[512];
    while (fgets(buf, sizeof buf, p))
        out += buf;
    int status = pclose(p);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << out;
    for (const char *part : {"layer, window, menus", "country file", "scenery region", "aircraft and airfoils",
                             "first pass of the frame loop", "first frame at "})
        EXPECT_NE(out.find(part), std::string::npos) << part << " missing from:\n" << out;
    EXPECT_TRUE(std::filesystem::exists(home / "config/vortan/Vortan.prf"));
    std::filesystem::remove_all(home);
}
