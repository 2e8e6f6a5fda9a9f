// The simulator started once, headless, for every benchmark in the program:
// the layer with its menus, the country file, the factory start region and
// the default aircraft on its runway, as the real start-up leaves them.
#pragma once
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "common/testsupport.h"
#include "shell/local.h"

// Everything a frame changes, to fly the same stretch over and over.
struct FlightSnapshot {
    flightstruct flt;
    atmospherestruct atm;
    miscstruct msc;
    relstruct rel;
    float localh;
};

inline FlightSnapshot take_snapshot() { return {flt, atm, msc, rel, env.localh}; }

inline void restore_snapshot(const FlightSnapshot &s)
{
    flt = s.flt;
    atm = s.atm;
    msc = s.msc;
    rel = s.rel;
    env.localh = s.localh;
}

// Returns 1 when the layer started (0 without a usable display driver).
inline int bench_start_simulator()
{
    static int started, ok;
    if (started)
        return ok;
    started = 1;
    // The benchmarks live in build/bench, the generated data in build/program.
    char exe[1024] = "";
    ssize_t n = readlink("/proc/self/exe", exe, sizeof exe - 1);
    std::string dir(exe, n > 0 ? (size_t)n : 0);
    dir = dir.substr(0, dir.find_last_of('/') + 1) + "../program";
    setenv("VORTAN_PROGRAM_DIR", dir.c_str(), 0);
    // Preferences and logs go to a private folder, not the user's own.
    std::string user = (std::filesystem::temp_directory_path() / "vortan_bench_user").string();
    setenv("XDG_CONFIG_HOME", (user + "/config").c_str(), 1);
    setenv("XDG_DATA_HOME", (user + "/data").c_str(), 1);
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    test_set_test_mode(1);
    test_set_joystick_state(JOY_NONE_PLUGGED);
    program_kind = PROG_VORTAN;
    ok = vortan_start_layer();
    if (ok) {
        // A first start (no saved preferences) asks for the aircraft.
        test_answer_file_dialog("Trainer.acf");   // the factory start asks, in Aircraft/
        simulate_start();
    }
    return ok;
}
