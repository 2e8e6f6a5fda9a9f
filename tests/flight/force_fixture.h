// Fixture for the force build-up tests: a shipped aircraft loaded from the
// source tree, still air at a chosen height, and a small test-only stepper
// that runs the force build-up and integrates it simply (the real
// integrator belongs to the flight step).
#pragma once
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

#include "common/testsupport.h"
#include "files/files.h"
#include "flight/flight.h"
#include "panel/panel.h"
#include "shell/shell.h"
#include "tests/common/fatal_catch.h"
#include "view/view.h"
#include "world/world.h"

class ForceTest : public UserFolderTest {
  protected:
    void SetUp() override
    {
        UserFolderTest::SetUp();
        fill_constants();
        test_reset_layer();
        test_set_fatal_hook(throw_fatal);
        memset(&flt, 0, sizeof flt);
        memset(&atm, 0, sizeof atm);
        memset(&env, 0, sizeof env);
        memset(&set, 0, sizeof set);
        memset(&msc, 0, sizeof msc);
        memset(&rel, 0, sizeof rel);
        memset(&ins, 0, sizeof ins);
        memset(&car, 0, sizeof car);
        memset(on_water, 0, sizeof on_water);
        rel.tro = rel.vac = 1;
        fill_density_table();
        atm.temp_SL = 59.0f;
    }
    void TearDown() override
    {
        test_set_fatal_hook(nullptr);
        UserFolderTest::TearDown();
    }
    // Loads data/Aircraft/<name> of the source tree; the aircraft at its
    // load, gear down, in still air at height h_m (env.localh 0).
    void load(const char *name, float h_m = 1000.0f)
    {
        const char *src = getenv("VORTAN_SOURCE_DIR");
        std::string appdir = std::string(src ? src : ".") + "/data/";
        C_to_C(appdir.c_str(), pln.C_appdir);
        C_to_C((std::string("Aircraft/") + name).c_str(), pln.C_file);
        load_plane(nullptr);
        load_report_close();
        flt.m_total = pln.m_empty + flt.m_fixed + flt.m_fuel + flt.m_water;
        msc.prd = 0.025f;
        setgear(1);
        // What the flight events keep up to date: out of ground effect,
        // slats in, the airfoils' own stall.
        for (int p = 0; p < MAX_PARTS; p++) {
            flt.CDIgrndeffect[p] = flt.CLgrndeffect[p] = 1.0f;
            flt.slat_effect[p] = 1.0f;
            flt.alphamax[p] = pln.alphamax[p];
        }
        flt.h = h_m;
        flt.z = h_m;
        air_state(h_m);
        atm.g = con.g;
        derive();
    }
    // Speed v (m/s) along the heading, with a flight-path angle gamma (deg)
    // and the attitude the, psi, phi (deg).
    void fly(float v, float gamma_deg, float the, float psi = 0.0f, float phi = 0.0f)
    {
        flt.the = the;
        flt.psi = psi;
        flt.phi = phi;
        float g = gamma_deg * con.degtorad, p = psi * con.degtorad;
        flt.vx = v * cosf(g) * sinf(p);
        flt.vy = v * cosf(g) * cosf(p);
        flt.vz = v * sinf(g);
        derive();
    }
    // Every quantity the force build-up reads that the integrator derives.
    void derive()
    {
        float st = sinf(flt.the * con.degtorad), ct = cosf(flt.the * con.degtorad);
        float ss = sinf(flt.psi * con.degtorad), cs = cosf(flt.psi * con.degtorad);
        float sf = sinf(flt.phi * con.degtorad), cf = cosf(flt.phi * con.degtorad);
        flt.sinthe = st; flt.costhe = ct; flt.sinpsi = ss; flt.cospsi = cs; flt.sinphi = sf; flt.cosphi = cf;
        flt.sinphi_path = sf; flt.cosphi_path = cf;
        float F[3] = {ss * ct, cs * ct, st};
        float R[3] = {cs * cf + ss * st * sf, -ss * cf + cs * st * sf, -ct * sf};
        float U[3] = {R[1] * F[2] - R[2] * F[1], R[2] * F[0] - R[0] * F[2], R[0] * F[1] - R[1] * F[0]};
        float V[3] = {(float)flt.vx, (float)flt.vy, (float)flt.vz};
        float f = V[0] * F[0] + V[1] * F[1] + V[2] * F[2];
        float r = V[0] * R[0] + V[1] * R[1] + V[2] * R[2];
        float u = V[0] * U[0] + V[1] * U[1] + V[2] * U[2];
        flt.v = flt.av = sqrtf(V[0] * V[0] + V[1] * V[1] + V[2] * V[2]);
        flt.vu = V[2];
        flt.Alpha = flt.av > 0.01f ? atan2f(-u, f) * con.radtodeg : 0.0f;
        flt.Beta = flt.av > 0.01f ? atan2f(-r, f) * con.radtodeg : 0.0f;
        flt.sinalph = sinf(flt.Alpha * con.degtorad); flt.cosalph = cosf(flt.Alpha * con.degtorad);
        flt.sinbeta = sinf(flt.Beta * con.degtorad); flt.cosbeta = cosf(flt.Beta * con.degtorad);
        flt.vaxial = flt.av * flt.cosalph * flt.cosbeta;
        float hp = flt.v > 0.01f ? atan2f(V[0], V[1]) : flt.psi * con.degtorad;
        float vp = flt.v > 0.01f ? atan2f(V[2], sqrtf(V[0] * V[0] + V[1] * V[1])) : 0.0f;
        flt.hpath = flt.ahpath = fltwrap(hp * con.radtodeg, 0.0f, 360.0f);
        flt.vpath = flt.avpath = vp * con.radtodeg;
        flt.sinhpath = flt.sinahpath = sinf(hp); flt.coshpath = flt.cosahpath = cosf(hp);
        flt.sinvpath = flt.sinavpath = sinf(vp); flt.cosvpath = flt.cosavpath = cosf(vp);
        flt.Qstatic = 0.5f * atm.rho * flt.av * flt.av;
        flt.machno[FLT_ROW_FUSE] = atm.a > 1.0f ? flt.av / atm.a : 0.0f;
        flt.rho[FLT_ROW_FUSE] = thinair(flt.machno[FLT_ROW_FUSE]);
        flt.Prad = flt.P * con.degtorad; flt.Qrad = flt.Q * con.degtorad; flt.Rrad = flt.R * con.degtorad;
    }
    // One physics step of dt: forces, then a plain Euler integration.
    void step(float dt)
    {
        msc.prd = dt;
        mixture_ratios();
        set_a();
        flt.P += flt.Pdot * dt;
        flt.Q += flt.Qdot * dt;
        flt.R += flt.Rdot * dt;
        flt.vx += flt.ax * dt;
        flt.vy += flt.ay * dt;
        flt.vz += flt.az * dt;
        flt.x += flt.vx * dt;
        flt.y += flt.vy * dt;
        flt.z += flt.vz * dt;
        flt.h = (float)flt.z;
        flt.the += flt.Q * dt;
        flt.phi += flt.P * dt;
        flt.psi += flt.R * dt;
        msc.tottime += dt;
        derive();
    }
    // Runs steps for t seconds; returns 1 if the aircraft crashed (the crash
    // restarts on runway 1 with a takeoff start).
    int run(float t, float dt = 0.01f)
    {
        msc.typestart = 1000;
        msc.rway_sel = 3;
        for (float s = 0; s < t; s += dt) {
            step(dt);
            if (msc.typestart == 900)
                return 1;
        }
        return 0;
    }
    // The aircraft at rest height h above the ground, level at its resting pitch.
    void on_ground(float extra_h = 0.0f)
    {
        env.localh = 0.0f;
        flt.z = flt.h = pln.h_eqlbm + extra_h;
        air_state(0.0f);
        flt.the = pln.the_eqlbm > 180.0f ? pln.the_eqlbm - 360.0f : pln.the_eqlbm;
        derive();
    }
};
