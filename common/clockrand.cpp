// The program's clock and random numbers. The clock is monotonic wall time
// in milliseconds (process CPU time would stall while the program waits on
// the display); tests may freeze it. The generator is our own 15-bit linear
// congruential one, so every platform draws the same sequence. The stage
// timer sums thread CPU time for the benchmarks and the start-up report.
#include "common/common.h"
#include "common/stages.h"
#include "common/testsupport.h"

#include <chrono>
#include <ctime>

static int64_t fake_clock_ms = -1;   // test clock; -1 while the real one runs
static uint32_t rand_state = 1;      // generator state; seed 1 at entry

int64_t clock_ms()
{
    if (fake_clock_ms >= 0)
        return fake_clock_ms;
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void test_set_clock_ms(int64_t ms) { fake_clock_ms = ms; }

void delay(float deltime_s)
{
    int64_t until = clock_ms() + (int64_t)(deltime_s * 1000.0f);
    while (clock_ms() < until && fake_clock_ms < 0) {
    }
}

int stage_timing;
static double stage_sum_us[N_TIMED_STAGES];     // summed spans
static double stage_start_us[N_TIMED_STAGES];   // start of the open span

double thread_cpu_us()
{
    timespec t;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return (double)t.tv_sec * 1.0e6 + (double)t.tv_nsec * 1.0e-3;
}

double wall_us()
{
    timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return (double)t.tv_sec * 1.0e6 + (double)t.tv_nsec * 1.0e-3;
}

void stage_timing_on(int on)
{
    stage_timing = on;
    for (int k = 0; k < N_TIMED_STAGES; k++)
        stage_sum_us[k] = stage_start_us[k] = 0.0;
}

void stage_mark(int stage, int begin)
{
    if (stage < 0 || stage >= N_TIMED_STAGES)
        return;
    double now = thread_cpu_us();
    if (begin)
        stage_start_us[stage] = now;
    else
        stage_sum_us[stage] += now - stage_start_us[stage];
}

double stage_cpu_us(int stage)
{
    return stage >= 0 && stage < N_TIMED_STAGES ? stage_sum_us[stage] : 0.0;
}

void seed_rand(unsigned seed) { rand_state = seed; }

// Constants of the portable generator of the C standard's example.
int next_rand15()
{
    rand_state = rand_state * 1103515245u + 12345u;
    return (int)((rand_state >> 16) & 0x7FFF);
}

int intrand(int lo, int hi)
{
    long long r = next_rand15();
    return lo + (int)(r * ((long long)hi - lo + 1) / 32768);
}

float fltrand(float lo, float hi)
{
    return lo + (hi - lo) / 32767.0f * (float)next_rand15();
}
