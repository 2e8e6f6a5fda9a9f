// Writes the default aircraft files (Trainer, Twin, Jet, Helicopter,
// Seaplane) with Airwright's own writer, from the definitions in
// tools/aircraft/defaults.cpp. Run: make_aircraft <folder>.
#include <cstdio>
#include <string>

#include "common/common.h"
#include "files/airwright_files.h"
#include "tools/aircraft/defaults.h"

int main(int argc, char **argv)
{
    program_kind = PROG_AIRWRIGHT;
    if (argc != 2) {
        fprintf(stderr, "usage: make_aircraft <folder>\n");
        return 2;
    }
    int failed = 0;
    for (const DefaultAircraft &d : DEFAULT_AIRCRAFT) {
        d.build();
        std::string path = std::string(argv[1]) + "/" + d.file;
        if (!airwright::writeout_file(path.c_str())) {
            fprintf(stderr, "could not write %s\n", path.c_str());
            failed = 1;
        }
    }
    return failed;
}
