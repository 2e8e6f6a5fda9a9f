// The buffers as the flight drives them: rate and level, the engine and
// wind loops, the effects, the gate on sound being ready and switched on,
// and the mixer's output; then every shipped sound file.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <vector>

#include "files/files.h"
#include "flight/flight.h"
#include "shell/shell.h"
#include "sound/sound.h"
#include "tests/common/fatal_catch.h"
#include "tests/sound/wave_bytes.h"

using namespace wave_bytes;

namespace {

// Buffers loaded from small test files with no audio device open, so that
// the test alone runs the mixer.
class SoundTest : public UserFolderTest {
  protected:
    void SetUp() override
    {
        UserFolderTest::SetUp();
        fill_constants();
        find_program_folder();
        msc.sound_avail = msc.sound_ready = msc.sound_on = 1;
        pln = planestruct{};
        flt = flightstruct{};
    }
    void TearDown() override
    {
        dispose_sound();
        msc.sound_avail = msc.sound_ready = msc.sound_on = 0;
        UserFolderTest::TearDown();
    }
    void load(int index, const std::string &bytes)
    {
        std::ofstream(path("s.wav"), std::ios::binary) << bytes;
        load_wave(path("s.wav").c_str(), index);
    }
    void load_all(int16_t value, int nframes)
    {
        for (int i = 0; i < NSOUNDS; i++)
            load(i, constant_wave(value, nframes));
    }
    // Mixes `n` frames; returns them interleaved left, right.
    std::vector<int16_t> mix(int n)
    {
        std::vector<int16_t> out(2 * n);
        sound_mix(out.data(), n);
        return out;
    }
};

TEST_F(SoundTest, RateAndLevelFollowTheirRatios)
{
    load_all(1000, 100);
    set_frq_vol(1.0f, 1.0f, 0.0f, 1.0f, SND_WIND);
    EXPECT_EQ(sound_state(SND_WIND).rate_hz, 22050);
    EXPECT_EQ(sound_state(SND_WIND).att, 0);
    // Level 0.25: its root 0.5 is half way to -50 dB.
    set_frq_vol(0.5f, 0.25f, 0.0f, 1.0f, SND_WIND);
    EXPECT_EQ(sound_state(SND_WIND).rate_hz, 11025);
    EXPECT_EQ(sound_state(SND_WIND).att, -2500);
    // lovol..hivol: a ratio of 0 gives lovol.
    set_frq_vol(1.0f, 0.0f, 0.25f, 1.0f, SND_JET);
    EXPECT_EQ(sound_state(SND_JET).att, -2500);
    // Held at the limits, whatever comes in.
    const float WILD[] = {0.0f, -3.0f, 1e30f, NAN, INFINITY, -INFINITY};
    for (float x : WILD) {
        set_frq_vol(x, x, 0.0f, 1.0f, SND_WIND);
        SoundState s = sound_state(SND_WIND);
        EXPECT_TRUE(s.rate_hz >= 100 && s.rate_hz <= 100000) << x;
        EXPECT_TRUE(s.att >= -5000 && s.att <= 0) << x;
    }
    set_frq_vol(9.0f, 4.0f, 0.0f, 1.0f, SND_WIND);
    EXPECT_EQ(sound_state(SND_WIND).rate_hz, 100000);
    EXPECT_EQ(sound_state(SND_WIND).att, 0);
}

TEST_F(SoundTest, NothingPlaysUntilReadyAvailableAndSwitchedOn)
{
    load_all(1000, 100);
    int *const FLAGS[] = {&msc.sound_ready, &msc.sound_avail, &msc.sound_on};
    for (int *flag : FLAGS) {
        *flag = 0;
        play_buffer(SND_BOOM, 0);
        set_frq_vol(0.1f, 0.0f, 0.0f, 1.0f, SND_BOOM);
        play_thunder(1.0f);
        stall_sound();
        EXPECT_EQ(sound_state(SND_BOOM).playing, 0);
        EXPECT_EQ(sound_state(SND_BOOM).rate_hz, 22050);
        EXPECT_EQ(sound_state(SND_THUNDER).playing, 0);
        EXPECT_EQ(sound_state(SND_STALL).playing, 0);
        *flag = 1;
    }
    // Switched off while the loops play: they can still be stopped.
    pln.numen = 1;
    play_engine_and_wind();
    ASSERT_TRUE(sound_state(SND_WIND).playing);
    msc.sound_on = 0;
    stop_engine_and_wind();
    EXPECT_FALSE(sound_state(SND_WIND).playing);
    EXPECT_FALSE(sound_state(SND_RECIP).playing);
    msc.sound_on = 1;
    // Out of the table is a fault of the program.
    try {
        play_buffer(NSOUNDS, 0);
        ADD_FAILURE() << "played sound 22";
    } catch (const FatalExit &e) {
        EXPECT_EQ(e.s1, "Requested sound out of range!");
        EXPECT_EQ(e.s2, "22");
    }
}

TEST_F(SoundTest, EngineLoopFollowsSpeedAndPowerAndBalancesTwoEngines)
{
    load_all(1000, 100);
    pln.entype = 1;
    pln.numen = 2;
    pln.omegamax = 250.0f;
    for (int i = 0; i < 2; i++) {
        flt.omega[i] = 250.0f;
        flt.throt[i] = 1.0f;
        flt.mix_powr_rat[i] = 1.0f;
    }
    play_engine_and_wind();
    SoundState s = sound_state(SND_RECIP);
    EXPECT_TRUE(s.playing && s.loop);
    EXPECT_EQ(s.rate_hz, 22050);
    EXPECT_EQ(s.att, 0);
    EXPECT_EQ(s.pan, 0);   // equal engines: centred
    // The left engine stronger: louder on the left (a negative pan).
    flt.throt[1] = 0.2f;
    maintain_engine_sound();
    int pan = sound_state(SND_RECIP).pan;
    EXPECT_LT(pan, -100);
    // e1 = 2, e2 = 1.2: signsqr((0.5 - 2 / 3.2) x 2) = -0.0625.
    EXPECT_EQ(pan, -625);
    // The right engine stops: the balance is left as it was.
    flt.throt[1] = 0.0f;
    flt.omega[1] = 0.0f;
    maintain_engine_sound();
    EXPECT_EQ(sound_state(SND_RECIP).pan, pan);
    // Average speed 0.5 and power 0.5: the rate halves, the level is at its middle.
    EXPECT_EQ(sound_state(SND_RECIP).rate_hz, 11025);

    // A jet's note is its fan speed.
    pln.entype = 3;
    pln.numen = 1;
    flt.n1[0] = 50.0f;
    play_engine_and_wind();
    EXPECT_TRUE(sound_state(SND_JET).playing);
    EXPECT_EQ(sound_state(SND_JET).rate_hz, 11025);
    stop_engine_and_wind();
    EXPECT_FALSE(sound_state(SND_JET).playing);
    EXPECT_FALSE(sound_state(SND_WIND).playing);
}

TEST_F(SoundTest, HelicopterTakesItsRotorSpeedFromEngineOne)
{
    load_all(1000, 100);
    pln.is_heli = 1;
    pln.entype = 2;
    pln.numen = 2;
    pln.omegamax = 40.0f;
    flt.omega[0] = 40.0f;
    flt.omega[1] = 0.0f;   // a second engine's own rotor speed is ignored
    EXPECT_EQ(ret_engsnd_en(), SND_HELI_TURBO);
    play_engine_and_wind();
    SoundState s = sound_state(SND_HELI_TURBO);
    EXPECT_EQ(s.rate_hz, 22050);
    // Level 0.9 x 1 + 0.1 x 0 = 0.9 between 0.5 and 1: 0.95, root 0.9747.
    EXPECT_EQ(s.att, (int)(-5000.0f + 5000.0f * sqrtf(0.95f)));
    EXPECT_EQ(s.pan, 0);   // a helicopter is never balanced
    pln.entype = 1;
    EXPECT_EQ(ret_engsnd_en(), SND_HELI_RECIP);
}

TEST_F(SoundTest, WindFollowsAirspeedAndAGliderHasOnlyWind)
{
    load_all(1000, 100);
    pln.numen = 0;   // a glider
    pln.Vne = 100.0f;
    pln.as_is_kias = 1;
    play_engine_and_wind();
    for (int i = SND_RECIP; i <= SND_HELI_TURBO; i++)
        EXPECT_FALSE(sound_state(i).playing) << i;
    SoundState s = sound_state(SND_WIND);
    EXPECT_TRUE(s.playing && s.loop);
    EXPECT_EQ(s.rate_hz, 100);   // standing still: the slowest and quietest
    EXPECT_EQ(s.att, -5000);
    flt.vind = 50.0f;
    maintain_wind_sound();
    EXPECT_EQ(sound_state(SND_WIND).rate_hz, 11025);
    EXPECT_EQ(sound_state(SND_WIND).att, -2500);
    // Vne in mph: 115.078 mph is 100 kt.
    pln.as_is_kias = 0;
    pln.Vne = 100.0f * con.nm_to_sm;
    maintain_wind_sound();
    EXPECT_EQ(sound_state(SND_WIND).rate_hz, 11025);
}

TEST_F(SoundTest, EffectsPlayTheirBuffers)
{
    load_all(1000, 100);
    play_thunder(0.29f);
    EXPECT_FALSE(sound_state(SND_THUNDER).playing);
    play_thunder(5.0f);   // a close strike: full level, full rate
    SoundState s = sound_state(SND_THUNDER);
    EXPECT_TRUE(s.playing && !s.loop);
    EXPECT_EQ(s.att, 0);
    EXPECT_EQ(s.rate_hz, 22050);
    play_thunder(0.3f);
    EXPECT_EQ(sound_state(SND_THUNDER).rate_hz, 6615);
    beepme(5);
    beepme(6);
    beepme(4);
    EXPECT_TRUE(sound_state(SND_DOT).playing);
    EXPECT_TRUE(sound_state(SND_DASH).playing);
    stall_sound();
    EXPECT_TRUE(sound_state(SND_STALL).playing && sound_state(SND_STALL).loop);
    // The horn stops with the engine and wind around an alert and comes
    // back afterwards only while the warning lasts.
    stop_engine_and_wind();
    EXPECT_FALSE(sound_state(SND_STALL).playing);
    flt.stall_warn = 1;
    play_engine_and_wind();
    EXPECT_TRUE(sound_state(SND_STALL).playing);
}

TEST_F(SoundTest, MixerScalesPansResamplesAndEnds)
{
    load(SND_BOOM, constant_wave(8000, 1000));
    load(SND_WIND, constant_wave(8000, 50));
    EXPECT_EQ(mix(4), std::vector<int16_t>(8, 0));   // nothing playing: silence
    play_buffer(SND_BOOM, 0);
    std::vector<int16_t> out = mix(10);
    EXPECT_EQ(out[0], 8000);
    EXPECT_EQ(out[1], 8000);
    // -6 dB is about half; a full pan to the right silences the left.
    set_frq_vol(1.0f, 0.25f, 0.0f, 1.0f, SND_BOOM);
    out = mix(2);
    EXPECT_NEAR(out[0], 8000 * powf(10.0f, -2500 / 2000.0f), 1.0);
    pln = planestruct{};
    set_frq_vol(1.0f, 1.0f, 0.0f, 1.0f, SND_BOOM);
    // Twice the rate: 1000 frames are gone in 500 (10 + 2 already mixed).
    set_frq_vol(2.0f, 1.0f, 0.0f, 1.0f, SND_BOOM);
    mix(493);
    EXPECT_TRUE(sound_state(SND_BOOM).playing);
    mix(2);
    EXPECT_FALSE(sound_state(SND_BOOM).playing);
    EXPECT_EQ(mix(1)[0], 0);
    // A loop goes on; two loud sounds saturate rather than wrap.
    load(SND_WIND, constant_wave(30000, 50));
    load(SND_JET, constant_wave(30000, 50));
    play_buffer(SND_WIND, 1);
    play_buffer(SND_JET, 1);
    out = mix(300);
    EXPECT_EQ(out[598], 32767);
    EXPECT_TRUE(sound_state(SND_WIND).playing);
    load(SND_JET, constant_wave(-30000, 50));
    play_buffer(SND_JET, 1);
    stop_buffer(SND_WIND);
    load(SND_WIND, constant_wave(-30000, 50));
    play_buffer(SND_WIND, 1);
    EXPECT_EQ(mix(3)[5], -32768);
}

TEST_F(SoundTest, PanSilencesTheFarSide)
{
    load_all(10000, 100);
    pln.entype = 1;
    pln.numen = 2;
    pln.omegamax = 100.0f;
    flt.omega[0] = 100.0f;
    flt.throt[0] = 1.0f;
    flt.mix_powr_rat[0] = 1.0f;
    flt.omega[1] = 2.0f;   // e2 just above the balance threshold
    play_engine_and_wind();
    stop_buffer(SND_WIND);
    std::vector<int16_t> out = mix(4);
    // e1 = 2, e2 = 0.02: pan -9607, the right 96 dB down.
    EXPECT_GT(out[0], 4000);   // left engine: the left speaker
    EXPECT_LT(out[1], 5);
}

// Every shipped sound through the program's own loader: readable, 16-bit
// at 22,050 samples per second, and the loops without a click at the seam.
TEST_F(SoundTest, ShippedSoundsLoadAndLoopCleanly)
{
    const int LOOPS[] = {SND_RECIP, SND_TURBO, SND_JET, SND_HELI_RECIP, SND_HELI_TURBO, SND_WIND, SND_STALL};
    for (int i = 0; i < NSOUNDS; i++) {
        fill_buffer(i);
        SoundState s = sound_state(i);
        EXPECT_GT(s.nframes, 22050 / 20) << i;   // at least 50 ms
        EXPECT_EQ(s.file_rate_hz, 22050) << i;
    }
    for (int i : LOOPS) {
        // Step across the seam as the mixer does and compare with the
        // largest step inside the loop.
        const int N = 4096;
        play_buffer(i, 1);
        SoundState s = sound_state(i);
        std::vector<int16_t> out(2 * N);
        int before = s.nframes - N / 2;
        for (int k = 0; k < NSOUNDS; k++)
            if (k != i)
                stop_buffer(k);
        // Skip to just before the seam.
        std::vector<int16_t> skip(2 * before);
        sound_mix(skip.data(), before);
        sound_mix(out.data(), N);
        int max_step = 0, seam_step = 0;
        for (int k = 1; k < N; k++) {
            int d = abs(out[2 * k] - out[2 * k - 2]);
            max_step = std::max(max_step, d);
            if (k == N / 2)
                seam_step = d;
        }
        EXPECT_LE(seam_step, max_step) << "sound " << i;
        stop_buffer(i);
    }
}

}  // namespace
