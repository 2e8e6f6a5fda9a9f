// libFuzzer entry for the WAVE reader: the input is the sound file. The
// loader must take it or end through the fatal exit (the hook turns that
// into a caught exception); what it takes is then played through the mixer
// once and looping, at a slow and a fast rate, so that every sample it
// claims to hold is read.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "common/testsupport.h"
#include "tests/fuzz/fuzz_support.h"
#include "shell/shell.h"
#include "sound/sound.h"

namespace {

std::string file;

void play_through(int loop, float rate_ratio)
{
    int16_t out[2 * 1024];
    play_buffer(SND_BOOM, loop);
    set_frq_vol(rate_ratio, 1.0f, 0.0f, 1.0f, SND_BOOM);
    for (int k = 0; k < 4 && sound_state(SND_BOOM).playing; k++)
        sound_mix(out, 1024);
    stop_buffer(SND_BOOM);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    file = "/tmp/vortan_fuzz_sound_" + std::to_string(getpid()) + ".wav";
    fill_constants();
    test_set_fatal_hook(throw_fatal);
    msc.sound_avail = msc.sound_ready = msc.sound_on = 1;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, size_t size)
{
    if (!write_input(file, data, size))
        return 0;
    try {
        load_wave(file.c_str(), SND_BOOM);
    } catch (const FatalSeen &) {
        return 0;
    }
    play_through(0, 4.5f);
    play_through(1, 0.01f);
    dispose_sound();
    return 0;
}
