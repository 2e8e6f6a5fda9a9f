// libFuzzer entry for the scenery readers: the first byte picks the reader
// (even: a quadrant of the start region, the other five left as open sea,
// looked through for an airport and then loaded;
// odd: the country file "gps_dat"), the rest is the file. A reader must load
// the file or end through the fatal exit, which the hook turns into a caught
// exception. The simulator's layer runs headless.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "common/testsupport.h"
#include "shell/local.h"
#include "tests/fuzz/fuzz_support.h"
#include "world/world.h"

namespace {

std::string folder;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    char templ[] = "/tmp/vortan_fuzz_world_XXXXXX";
    folder = mkdtemp(templ);
    setenv("XDG_CONFIG_HOME", (folder + "/config").c_str(), 1);
    setenv("XDG_DATA_HOME", (folder + "/data").c_str(), 1);
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    mkdir((folder + "/DATA").c_str(), 0700);
    test_set_test_mode(1);
    program_kind = PROG_VORTAN;
    if (!vortan_start_layer())
        abort();
    C_to_C((folder + "/").c_str(), app_path);   // gps_dat is read from DATA/ here
    test_set_fatal_hook(throw_fatal);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, size_t size)
{
    if (size < 1)
        return 0;
    int quadrant = fuzz_reader(data[0], 2) == 0;
    char name[16];
    quadrant_name(33, 119, name);
    std::string file = quadrant ? folder + "/" + name : folder + "/DATA/gps_dat";
    if (!write_input(file, data + 1, size - 1))
        return 0;
    try {
        if (quadrant) {
            C_to_C((folder + "/---").c_str(), env.C_path);
            env.lat_south = 33;
            env.lon_west = 119;
            region_has_airport(33, 119);   // the lat-lon window's check reads it first
            load_region(0);
        } else {
            init_country_data();
        }
    } catch (const FatalSeen &) {
    }
    inf_close();
    return 0;
}
