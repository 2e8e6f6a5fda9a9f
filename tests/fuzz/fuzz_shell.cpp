// libFuzzer entry for the simulator's own readers: the first byte picks the
// preferences file (even) or a situation (odd), the rest is the file. The
// simulator is started headless as its entry starts it (the program folder
// from VORTAN_PROGRAM_DIR). Preferences are read as at start-up; a situation
// goes through "Load Situation" with its name typed in the dialog, so one
// that is taken is then flown from: its region and aircraft are loaded.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "common/testsupport.h"
#include "shell/local.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

std::string folder;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    char templ[] = "/tmp/vortan_fuzz_shell_XXXXXX";
    folder = mkdtemp(templ);
    setenv("XDG_CONFIG_HOME", (folder + "/config").c_str(), 1);
    setenv("XDG_DATA_HOME", (folder + "/data").c_str(), 1);
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    test_set_test_mode(1);
    test_set_clock_ms(1000);
    test_set_joystick_state(JOY_NONE_PLUGGED);
    program_kind = PROG_VORTAN;
    if (!vortan_start_layer())
        abort();
    test_answer_file_dialog("Trainer.acf");   // the factory start asks for an aircraft
    simulate_start();
    test_set_fatal_hook(throw_fatal);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, size_t size)
{
    if (size < 1)
        return 0;
    int prefs = fuzz_reader(data[0], 2) == 0;
    std::string file = folder + (prefs ? "/fuzz.prf" : "/fuzz.sit");
    if (!write_input(file, data + 1, size - 1))
        return 0;
    try {
        if (prefs) {
            if (inf_open(file.c_str(), 40, 1))
                grab_prefs();
        } else {
            test_answer_file_dialog(file.c_str());
            load_situation();
        }
    } catch (const FatalSeen &) {
    }
    inf_close();
    test_reset_layer();
    test_set_test_mode(1);
    return 0;
}
