// Test aircraft and airfoil tables built in code: every table entry is a
// distinct, easily predicted number so a lookup at the wrong slot shows.
#pragma once
#include <gtest/gtest.h>

#include <cstring>

#include "files/files.h"
#include "flight/flight.h"
#include "shell/shell.h"

// cl slot s of the "pos" table: 1 + s / 1000; "neg": -(1 + s / 1000).
// cd slot s: 0.01 + s / 10000 (pos), 0.02 + s / 10000 (neg). A second airfoil
// (`bias`) adds the same offset to every value.
inline void fill_foil(int EN, int Re, int RT, float bias)
{
    for (int s = 0; s < N_CL_SLOTS; s++) {
        afl.clpos[EN][Re][RT][s] = 1.0f + s / 1000.0f + bias;
        afl.clneg[EN][Re][RT][s] = -(1.0f + s / 1000.0f) + bias;
    }
    for (int s = 0; s < N_CD_SLOTS; s++) {
        afl.cdpos[EN][Re][RT][s] = 0.01f + s / 10000.0f + bias;
        afl.cdneg[EN][Re][RT][s] = 0.02f + s / 10000.0f + bias;
    }
    afl.clM[EN][Re][RT] = 0.1f;
    afl.clB[EN][Re][RT] = 0.2f + bias;
    afl.cmal2[EN][Re][RT] = -4.0f;
    afl.cmal3[EN][Re][RT] = 12.0f;
    afl.cm1[EN][Re][RT] = 0.1f;
    afl.cm2[EN][Re][RT] = -0.05f;
    afl.cm3[EN][Re][RT] = -0.08f;
    afl.cm4[EN][Re][RT] = -0.2f;
}

// A clean slate: records zeroed, constants filled, part 2 a wing of 8
// elements with one plain airfoil and no finite-span reduction.
class FoilTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        memset(&pln, 0, sizeof pln);
        memset(&afl, 0, sizeof afl);
        memset(&flt, 0, sizeof flt);
        memset(&atm, 0, sizeof atm);
        msc.ice = 0.0f;
        fill_constants();
        for (int p = 0; p < MAX_PARTS; p++) {
            pln.finite_fact[p] = 1.0f;
            flt.slat_effect[p] = 1.0f;
            flt.alphamax[p] = 15.0f;
            pln.alphamax[p] = 15.0f;
        }
        pln.foileq[2] = 1;
        pln.els[2] = 8;
        pln.dblel[2] = 8.0f;
        pln.semi_sec_wi[2] = 0.5f / 8.0f;
        fill_foil(2, 0, 0, 0.0f);
        atm.rho = 1.225f;
        atm.a = 340.3f;
    }
};
