// The rasterizer's hot paths: triangle fill over a mix of sizes (pixels per
// second) and a full 800 x 568 view world cleared and filled with terrain-
// like triangles, as the outside view does every frame; clipped row spans
// and the span filler alone.
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "bench/bench_sim.h"
#include "common/common.h"

namespace {
constexpr int VIEW_W = 800, VIEW_H = 568;

// Starts the simulator headless once (its start-up makes world 0 the
// view's size) and locks world 0.
void lock_view_world()
{
    bench_start_simulator();
    MACIBM_settogworld(0, VIEW_W, VIEW_H, 62, 1);
}

struct Tri { int x[3], y[3]; };

// n triangles of roughly `size` pixels across, anywhere in the world.
std::vector<Tri> triangles(int n, int size, unsigned seed)
{
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> px(0, VIEW_W - 1), py(0, VIEW_H - 1), d(-size, size);
    std::vector<Tri> v(n);
    for (Tri &t : v) {
        int cx = px(rng), cy = py(rng);
        for (int k = 0; k < 3; k++) {
            t.x[k] = cx + d(rng);
            t.y[k] = cy + d(rng);
        }
    }
    return v;
}

// Pixels the triangles fill, counted by drawing each alone.
long long pixels_of(const std::vector<Tri> &v)
{
    long long n = 0;
    for (const Tri &t : v) {
        MACIBM_settogworld(0, VIEW_W, VIEW_H, 0, 1);
        MACIBM_poly3(1, t.x[0], t.y[0], t.x[1], t.y[1], t.x[2], t.y[2], 1);
        for (int y = 0; y < VIEW_H; y++)
            for (int x = 0; x < VIEW_W; x++)
                n += test_world_pixel(0, x, y) == 1;
    }
    return n;
}
}   // namespace

// A mix of sizes: many small far-off pieces, fewer large near ones.
static void BM_TriangleFillMix(benchmark::State &state)
{
    lock_view_world();
    std::vector<Tri> mix;
    for (auto [n, size] : {std::pair{600, 4}, {300, 16}, {80, 60}, {20, 200}}) {
        std::vector<Tri> v = triangles(n, size, (unsigned)size);
        mix.insert(mix.end(), v.begin(), v.end());
    }
    long long npix = pixels_of(mix);
    lock_view_world();
    int c = 65;
    for (auto _ : state) {
        for (const Tri &t : mix)
            MACIBM_poly3(c, t.x[0], t.y[0], t.x[1], t.y[1], t.x[2], t.y[2], 1);
        c = c == 200 ? 65 : c + 1;
        benchmark::ClobberMemory();
    }
    state.counters["pixels_per_s"] =
        benchmark::Counter((double)npix * state.iterations(), benchmark::Counter::kIsRate);
    state.counters["triangles_per_s"] =
        benchmark::Counter((double)mix.size() * state.iterations(), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_TriangleFillMix);

// Clear the view world and cover it with a 40 x 28 grid of cells, two
// triangles each, every cell its own colour: one full outside-view fill.
static void BM_FullWorldClearAndFill(benchmark::State &state)
{
    lock_view_world();
    constexpr int NX = 40, NY = 28;
    for (auto _ : state) {
        MACIBM_settogworld(0, VIEW_W, VIEW_H, 62, 1);
        for (int j = 0; j < NY; j++)
            for (int i = 0; i < NX; i++) {
                int x0 = i * VIEW_W / NX, x1 = (i + 1) * VIEW_W / NX;
                int y0 = j * VIEW_H / NY, y1 = (j + 1) * VIEW_H / NY;
                int c = 65 + (i * 7 + j * 3) % 180;
                MACIBM_poly3(c, x0, y0, x1, y0, x1, y1, 1);
                MACIBM_poly3(c + 1, x0, y0, x1, y1, x0, y1, 1);
            }
        benchmark::ClobberMemory();
    }
    state.counters["frames_per_s"] =
        benchmark::Counter((double)state.iterations(), benchmark::Counter::kIsRate);
    state.counters["pixels_per_s"] = benchmark::Counter(
        2.0 * VIEW_W * VIEW_H * state.iterations(), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_FullWorldClearAndFill);

// The span filler alone on spans of typical lengths.
static void BM_Memscan(benchmark::State &state)
{
    static uint8_t line[1024];
    int len = (int)state.range(0);
    for (auto _ : state) {
        for (int off = 0; off < 8; off++)
            memscan(line, off, off + len - 1, 0x41414141u, 0x41);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed((int64_t)state.iterations() * 8 * len);
}
BENCHMARK(BM_Memscan)->Arg(3)->Arg(12)->Arg(60)->Arg(400);

// Clipped horizontal spans into the locked view world: every row of the
// view twice, once inside and once reaching past both edges (the clip at
// each span's ends), as sky, haze bands and the HUD's lines draw them.
static void BM_SpanFillRows(benchmark::State &state)
{
    lock_view_world();
    long long npix = 0;
    for (auto _ : state) {
        npix = 0;
        for (int y = 0; y < VIEW_H; y++) {
            int x0 = (y * 37) % 200, len = VIEW_W - 2 * x0;
            ADD_hline(65 + y % 100, x0, y, len);
            ADD_hline(66 + y % 100, -40, y, VIEW_W + 80);
            npix += len + VIEW_W;
        }
        benchmark::ClobberMemory();
    }
    state.counters["pixels_per_s"] =
        benchmark::Counter((double)npix * state.iterations(), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_SpanFillRows);
