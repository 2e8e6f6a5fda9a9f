// The mixer: one audio callback's worth of frames (1024 at 22,050 a second,
// 46 ms) with the engine and wind loops and the stall horn playing at
// re-pitched rates and levels, as in a slow approach near the stall.
#include <benchmark/benchmark.h>

#include "shell/shell.h"
#include "sound/sound.h"

namespace {

constexpr int CALLBACK_FRAMES = 1024;

void BM_SoundMix(benchmark::State &state)
{
    // The device's own callback is held off so that only this loop mixes.
    MACIBM_set_mixer(nullptr);
    find_program_folder();
    const int PLAYING[] = {SND_RECIP, SND_WIND, SND_STALL};
    for (int i : PLAYING)
        if (sound_state(i).nframes == 0)
            fill_buffer(i);
    int saved[3] = {msc.sound_avail, msc.sound_ready, msc.sound_on};
    msc.sound_avail = msc.sound_ready = msc.sound_on = 1;
    for (int i : PLAYING)
        play_buffer(i, 1);
    set_frq_vol(0.63f, 0.7f, 0.5f, 1.0f, SND_RECIP);
    set_frq_vol(0.31f, 0.1f, 0.0f, 1.0f, SND_WIND);
    static int16_t out[2 * CALLBACK_FRAMES];
    for (auto _ : state) {
        sound_mix(out, CALLBACK_FRAMES);
        benchmark::DoNotOptimize(out);
    }
    state.SetItemsProcessed(state.iterations() * CALLBACK_FRAMES);
    stop_engine_and_wind();
    msc.sound_avail = saved[0];
    msc.sound_ready = saved[1];
    msc.sound_on = saved[2];
    MACIBM_set_mixer(sound_mix);
}
BENCHMARK(BM_SoundMix);

}  // namespace
