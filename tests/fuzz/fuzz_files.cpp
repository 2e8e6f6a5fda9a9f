// libFuzzer entry for the file readers: the first byte picks the reader
// (simulator aircraft, designer aircraft, simulator airfoil, simulator flap,
// Foilwright part), the rest is the file. A reader must load the file or end
// through the fatal exit, which the hook turns into a caught exception.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "common/testsupport.h"
#include "files/airwright_files.h"
#include "files/files.h"
#include "files/foilwright_files.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

std::string folder;

void read_with(int reader, const char *file)
{
    switch (reader) {
    case 0:
        program_kind = PROG_VORTAN;
        if (inf_open(file, ACF_VERSION, 0))
            readin_plane(nullptr);
        break;
    case 1:
        program_kind = PROG_AIRWRIGHT;
        airwright::readin_path(file, nullptr);
        break;
    case 2:
        program_kind = PROG_VORTAN;
        grabafoil("fuzz.afl", 3, 1, 1);
        break;
    case 3:
        program_kind = PROG_VORTAN;
        grabflaps(file);
        break;
    default:
        program_kind = PROG_FOILWRIGHT;
        foilwright::readinpart(file, foilwright::DEVICE_AIRFOIL, nullptr);
        break;
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    char templ[] = "/tmp/vortan_fuzz_XXXXXX";
    folder = mkdtemp(templ);
    setenv("XDG_CONFIG_HOME", (folder + "/config").c_str(), 1);
    setenv("XDG_DATA_HOME", (folder + "/data").c_str(), 1);
    std::string airfoils = folder + "/airfoils";
    mkdir(airfoils.c_str(), 0700);
    fill_constants();
    test_set_fatal_hook(throw_fatal);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, size_t size)
{
    if (size < 1)
        return 0;
    int reader = fuzz_reader(data[0], 5);
    std::string file = reader == 2 ? folder + "/airfoils/fuzz.afl" : folder + "/fuzz.dat";
    if (!write_input(file, data + 1, size - 1))
        return 0;
    C_to_C((folder + "/").c_str(), pln.C_appdir);
    try {
        read_with(reader, file.c_str());
    } catch (const FatalSeen &) {
    }
    inf_close();
    return 0;
}
