// Per-frame cost of the element aerodynamics: the coefficient lookup of
// every element of one wing (both halves) and the local flow of that wing.
// Two physics steps per frame run this for every surface, inside the
// 25 microsecond flight frame.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstring>

#include "files/files.h"
#include "flight/flight.h"

// A tapered wing of 8 elements with different root and tip airfoils at two
// Reynolds numbers each, the worst case of four table lookups per element.
static void set_up_wing()
{
    memset(&pln, 0, sizeof pln);
    memset(&afl, 0, sizeof afl);
    memset(&flt, 0, sizeof flt);
    fill_constants();
    for (int Re = 0; Re < 2; Re++)
        for (int RT = 0; RT < 2; RT++) {
            for (int s = 0; s < N_CL_SLOTS; s++)
                afl.clpos[2][Re][RT][s] = afl.clneg[2][Re][RT][s] = 1.2f - s * 0.004f;
            for (int s = 0; s < N_CD_SLOTS; s++)
                afl.cdpos[2][Re][RT][s] = afl.cdneg[2][Re][RT][s] = 0.008f + s * 0.004f;
            afl.clM[2][Re][RT] = 0.1f;
            afl.cmal2[2][Re][RT] = -4.0f;
            afl.cmal3[2][Re][RT] = 12.0f;
        }
    pln.foileq[2] = 1;
    pln.els[2] = 8;
    pln.dblel[2] = 8.0f;
    pln.semi_sec_wi[2] = 0.5f / 8.0f;
    pln.diffRe[2] = pln.diffRT[2] = 1;
    pln.Re[2][0][0] = pln.Re[2][1][0] = 2.0f;
    pln.Re[2][0][1] = pln.Re[2][1][1] = 6.0f;
    pln.delRe[2][0] = pln.delRe[2][1] = 4.0f;
    pln.finite_fact[2] = 0.85f;
    pln.PIeAR[2] = 20.0f;
    pln.sweepnow[2] = 5;
    pln.dihed[2] = 4;
    for (int el = 0; el < 8; el++) {
        pln.anginc[2][el] = 2.0f - 0.25f * el;
        pln.mac[2][el] = 1.6f - 0.05f * el;
        pln.xarm[2][el] = 0.3f;
        pln.yarm[2][el] = 0.35f + 0.7f * el;
    }
    flt.slat_effect[2] = 1.0f;
    flt.alphamax[2] = 18.0f;
    flt.CDIgrndeffect[2] = flt.CLgrndeffect[2] = 1.0f;
    flt.av = 55.0f;
    flt.Alpha = 6.0f;
    flt.Qrad = 0.05f;
    atm.rho = 1.225f;
    atm.a = 340.3f;
}

// Argument 1: root and tip at two Reynolds numbers each (four airfoils per
// lookup); 0: a single airfoil.
static void BM_WingLookup(benchmark::State &state)
{
    set_up_wing();
    pln.diffRe[2] = pln.diffRT[2] = (int)state.range(0);
    initwinghstb(2, 0, 1, pln.xarm[2], pln.yarm[2], pln.zarm[2]);
    for (auto _ : state) {
        float sum = 0.0f;
        for (int row = 0; row < 2; row++)
            for (int el = 0; el < 8; el++) {
                float cl, cd, cm;
                float Re = FRe(flt.rho[row], flt.v_el[row][el], pln.mac[2][el]);
                Fco(flt.alpha[row][el], cl, cd, cm, 2, Re, el);
                finitecompressible(2, cl, cd, cm, flt.machno[row], flt.machfac[row]);
                washawing(cl, cd, row, el);
                sum += cl + cd + cm;
            }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * 16);
}
BENCHMARK(BM_WingLookup)->Arg(0)->Arg(1);

static void BM_WingFlow(benchmark::State &state)
{
    set_up_wing();
    for (auto _ : state) {
        initwinghstb(2, 0, 1, pln.xarm[2], pln.yarm[2], pln.zarm[2]);
        benchmark::DoNotOptimize(flt.alpha[1][7]);
    }
    state.SetItemsProcessed(state.iterations() * 16);
}
BENCHMARK(BM_WingFlow);
