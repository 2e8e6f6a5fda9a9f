// Text scanning throughput: region paging reads quadrant files while
// flying, so the scanner's speed matters.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "common/common.h"

static void BM_ScanNumbers(benchmark::State &state)
{
    std::string path = "/tmp/vortan_bench_scan.txt";
    FILE *f = fopen(path.c_str(), "wb");
    fprintf(f, "I\n2 version\n");
    for (int k = 0; k < 20000; k++)
        fprintf(f, "%d %f point\n", k, k * 0.25f);
    fclose(f);
    for (auto _ : state) {
        inf_open(path.c_str(), 2, 0);
        float sum = 0;
        for (int k = 0; k < 20000; k++) {
            sum += (float)intscanNOSN();
            sum += fltscan();
        }
        inf_close();
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * 40000);
    remove(path.c_str());
}
BENCHMARK(BM_ScanNumbers);
