// Force feedback: each request kind reaches the stick's calls with its
// arguments limited, and a scripted flight of the trainer shakes the stick
// near the stall and bumps it on touchdown.
#include <vector>

#include "sound/sound.h"
#include "tests/controls/flying_fixture.h"

namespace {

struct Call {
    int call, a, b, c;
    bool operator==(const Call &o) const { return call == o.call && a == o.a && b == o.b && c == o.c; }
};

std::vector<Call> recorded()
{
    std::vector<Call> v;
    for (int n = 0; n < test_haptic_count(); n++) {
        int args[3];
        int call = test_haptic_call(n, args);
        v.push_back({call, args[0], args[1], args[2]});
    }
    return v;
}

void PrintTo(const Call &c, std::ostream *os) { *os << c.call << "(" << c.a << "," << c.b << "," << c.c << ")"; }

TEST(Forcecall, EveryKindReachesItsCallsWithLimitedArguments)
{
    test_set_haptic_recording(1);
    forcecall(FF_SPRING, -150.0f, 40.0f, 120.0f);
    forcecall(FF_X_VIBRATION, 130.0f, 80.0f, 0.0f);
    forcecall(FF_Y_VIBRATION, -5.0f, 10.0f, 0.0f);
    forcecall(FF_X_VIBRATION_CLEAR, 0, 0, 0);
    forcecall(FF_Y_VIBRATION_CLEAR, 0, 0, 0);
    forcecall(FF_BUFFETING, 55.5f, 0, 0);
    forcecall(FF_BUFFETING_CLEAR, 0, 0, 0);
    forcecall(FF_JOLT, 100.0f, -90.0f, 9000.0f);
    forcecall(FF_JOLT, NAN, 725.0f, 100.0f);
    forcecall(FF_CLEAR, 0, 0, 0);
    forcecall(99, 1, 2, 3);   // not a force kind
    std::vector<Call> want = {
        {FF_CALL_XSPRING, -100, 100, 100},  {FF_CALL_YSPRING, 40, 100, 100},
        {FF_CALL_XVIBRATION, 100, 100, 50}, {FF_CALL_YVIBRATION, 0, 0, 10},
        {FF_CALL_XVIBRATION_CLEAR, 0, 0, 0}, {FF_CALL_YVIBRATION_CLEAR, 0, 0, 0},
        {FF_CALL_BUFFETING, 55, 0, 0},      {FF_CALL_BUFFETING_CLEAR, 0, 0, 0},
        {FF_CALL_JOLT, 100, 270, 2500},     {FF_CALL_JOLT, 0, 5, 100},
        {FF_CALL_CLEAR, 0, 0, 0}};
    EXPECT_EQ(recorded(), want);
    test_set_haptic_recording(0);
    // Without the recorder and without a stick nothing happens, safely.
    forcecall(FF_JOLT, 50, 10, 10);
    EXPECT_EQ(test_haptic_count(), 0);
}

int first_index(const std::vector<Call> &v, int call, size_t from = 0)
{
    for (size_t i = from; i < v.size(); i++)
        if (v[i].call == call)
            return (int)i;
    return -1;
}

// The trainer, given a stick shaker, is pulled slowly toward the stall
// with the power off, then the stick goes forward with full power.
TEST_F(FlyingTest, ShakerRunsFromTheStallWarningUntilItEnds)
{
    start_in_air("Trainer.acf", 1000.0f, 1.5f, 0.0f, 0.0f);
    pln.ff_stickshaker = 1;
    // The stall horn loaded and sound on, with no device to play it.
    find_program_folder();
    fill_buffer(SND_STALL);
    msc.sound_avail = msc.sound_ready = msc.sound_on = 1;
    int warned_at = -1, shaken_at = -1;
    for (int i = 0; i < 60 * 20 && warned_at < 0; i++) {
        set_scripted_input(fminf(i / 400.0f, 0.6f), 0, 0, 0);
        frame();
        if (flt.stall_warn)
            warned_at = i;
        if (shaken_at < 0 && first_index(recorded(), FF_CALL_YVIBRATION) >= 0)
            shaken_at = i;
    }
    ASSERT_GE(warned_at, 0) << "the stall warning never came";
    printf("stall warning at %.2f s, %.1f kt (stall %.1f kt)\n", warned_at * FRAME_S, flt.vind, msc.est_Vs * con.msctokts);
    EXPECT_EQ(shaken_at, warned_at);   // the same frame
    // The stall horn sounds with the warning.
    EXPECT_EQ(sound_state(SND_STALL).playing, 1);
    EXPECT_EQ(sound_state(SND_STALL).loop, 1);
    std::vector<Call> calls = recorded();
    int on = first_index(calls, FF_CALL_YVIBRATION);
    EXPECT_TRUE(calls[on] == (Call{FF_CALL_YVIBRATION, 100, 100, 10}));
    // Stick forward and power on: the warning ends and the shaker stops.
    int ended_at = -1;
    for (int i = 0; i < 30 * 20 && ended_at < 0; i++) {
        set_scripted_input(-0.3f, 0, 0, 1.0f);
        frame();
        if (first_index(recorded(), FF_CALL_YVIBRATION_CLEAR, on) >= 0)
            ended_at = i;
    }
    ASSERT_GE(ended_at, 0);
    printf("shaker stopped %.2f s later at %.1f kt\n", ended_at * FRAME_S, flt.vind);
    EXPECT_EQ(flt.stall_warn, 0);
    EXPECT_FALSE(flt.stalled[2]);
    EXPECT_EQ(sound_state(SND_STALL).playing, 0);
    dispose_sound();
    msc.sound_avail = msc.sound_ready = msc.sound_on = 0;
    // No other shaking in level flight.
    test_set_haptic_recording(1);
    set_scripted_input(0, 0, 0, 0.5f);
    for (int i = 0; i < 100; i++)
        frame();
    EXPECT_EQ(first_index(recorded(), FF_CALL_YVIBRATION), -1);
}

TEST_F(FlyingTest, TouchdownBumpsTheStick)
{
    start_in_air("Trainer.acf", 30.0f, 1.3f, 0.0f, 0.3f, 1);
    ott.VVHOLD = 1;
    ott.vvhold = -1.5f;   // a firm approach onto the ground at 0
    int bumped_at = -1;
    for (int i = 0; i < 60 * 20 && bumped_at < 0; i++) {
        frame();
        if (first_index(recorded(), FF_CALL_JOLT) >= 0)
            bumped_at = i;
    }
    ASSERT_GE(bumped_at, 0);
    printf("touchdown after %.2f s\n", bumped_at * FRAME_S);
    EXPECT_EQ(flt.onground, 1);
    Call bump = recorded()[first_index(recorded(), FF_CALL_JOLT)];
    EXPECT_EQ(bump.b, 180);   // pushed straight back
    EXPECT_GE(bump.a, 10);
    EXPECT_EQ(bump.c, 100);
}

} // namespace

namespace {

// The flight events' springs: stiffer as the trainer dives faster.
TEST_F(FlyingTest, SpringsStiffenWithAirspeed)
{
    start_in_air("Trainer.acf", 2000.0f, 1.3f, 0.0f, 1.0f);
    int last_strength = -1, rises = 0, springs = 0;
    for (int i = 0; i < 40 * 20; i++) {
        set_scripted_input(-0.15f, 0, 0, 1.0f);   // nose down, full power
        frame();
        std::vector<Call> calls = recorded();
        test_set_haptic_recording(1);   // forget what was seen
        for (const Call &c : calls) {
            if (c.call != FF_CALL_XSPRING)
                continue;
            springs++;
            EXPECT_GE(c.b, 10);
            EXPECT_LE(c.b, 100);
            if (last_strength >= 0 && c.b > last_strength)
                rises++;
            last_strength = c.b;
        }
    }
    printf("%d spring updates, %d stiffer than the one before, last %d at %.0f kt\n", springs, rises, last_strength,
           flt.vind);
    EXPECT_GT(springs, 10);
    EXPECT_GT(rises, 5);
    EXPECT_GE(last_strength, (int)(100.0f * flt.vind / pln.Vne) - 5);
}

} // namespace
