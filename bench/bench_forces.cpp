// One physics step's force build-up of the default trainer in cruise: both
// halves of every surface, the propeller's rings, the engine, the gear and
// every contact point. A frame runs two of these.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "files/files.h"
#include "flight/flight.h"
#include "shell/shell.h"
#include "world/world.h"

static void load_trainer()
{
    static int loaded;
    if (loaded)
        return;
    loaded = 1;
    std::string tmp = (std::filesystem::temp_directory_path() / "vortan_bench_forces").string();
    setenv("XDG_DATA_HOME", tmp.c_str(), 1);
    fill_constants();
    fill_density_table();
    atm.temp_SL = 59.0f;
    const char *src = getenv("VORTAN_SOURCE_DIR");
    std::string appdir = std::string(src ? src : VORTAN_BENCH_SOURCE_DIR) + "/data/";
    C_to_C(appdir.c_str(), pln.C_appdir);
    C_to_C("Aircraft/Trainer.acf", pln.C_file);
    load_plane(nullptr);
    load_report_close();
    flt.m_total = pln.m_empty + flt.m_fixed + flt.m_fuel + flt.m_water;
    for (int p = 0; p < MAX_PARTS; p++) {
        flt.CDIgrndeffect[p] = flt.CLgrndeffect[p] = flt.slat_effect[p] = 1.0f;
        flt.alphamax[p] = pln.alphamax[p];
    }
    initpower(0.75f);
    flt.eng_running[0] = 1;
    setgear(1);
    flt.z = flt.h = 1000.0f;
    air_state(flt.h);
    atm.g = con.g;
    mixture_ratios();
    // Cruise at 50 m/s, 2 deg alpha, a little roll rate.
    flt.v = flt.av = 50.0f;
    flt.vy = 50.0;
    flt.the = flt.Alpha = 2.0f;
    flt.sinalph = sinf(2.0f * con.degtorad);
    flt.cosalph = cosf(2.0f * con.degtorad);
    flt.cosbeta = flt.cosphi = flt.cosphi_path = flt.cospsi = flt.costhe = 1.0f;
    flt.cosavpath = flt.cosahpath = 1.0f;
    flt.vaxial = 50.0f;
    flt.Prad = 0.05f;
    flt.Qstatic = 0.5f * atm.rho * 2500.0f;
    flt.machno[FLT_ROW_FUSE] = 50.0f / atm.a;
    flt.rho[FLT_ROW_FUSE] = atm.rho;
    msc.prd = 0.025f;
}

static void BM_ForceBuildUp(benchmark::State &state)
{
    load_trainer();
    for (auto _ : state) {
        set_a();
        benchmark::DoNotOptimize(flt.ax);
    }
}
BENCHMARK(BM_ForceBuildUp);
