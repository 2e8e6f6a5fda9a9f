// Stage timing: the CPU time of the frame's stages, summed while switched
// on, for the benchmarks and the start-up report. Off by default, when
// stage_begin/stage_end cost one test each. Stages may nest (the HUD is
// drawn inside the scene); each sums its own span, so a caller subtracts
// the inner from the outer.
#pragma once

enum TimedStage {
    STAGE_PANEL, STAGE_SCENE, STAGE_HUD, STAGE_FLIGHT, STAGE_PRESENT, STAGE_PASS,
    N_TIMED_STAGES
};
extern int stage_timing;   // 1 while the sums run
void stage_timing_on(int on);   // also zeroes the sums
void stage_mark(int stage, int begin);
inline void stage_begin(int stage) { if (stage_timing) stage_mark(stage, 1); }
inline void stage_end(int stage) { if (stage_timing) stage_mark(stage, 0); }
// Summed CPU time of the stage's spans, microseconds of this thread.
double stage_cpu_us(int stage);
// This thread's CPU time, microseconds; and the monotonic wall clock,
// microseconds (never frozen by the tests' clock).
double thread_cpu_us();
double wall_us();
