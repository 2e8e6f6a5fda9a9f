// The panel drawn headless: the layer started as the simulator starts it,
// a shipped aircraft loaded, and a steady flight state the instruments are
// settled on; pixels are read from window 0.
#pragma once
#include "../common/headless.h"
#include "files/files.h"
#include "flight/flight.h"
#include "panel/panel.h"
#include "shell/local.h"
#include "view/view.h"

#include <cstdint>

class PanelTest : public HeadlessTest {
  protected:
    void SetUp() override
    {
        HeadlessTest::SetUp();
        test_set_clock_ms(1000);
        test_set_joystick_state(JOY_NONE_PLUGGED);
        ASSERT_EQ(vortan_start_layer(), 1);
        set_record_defaults();
    }
    // Loads Aircraft/<file> of the program folder, on dash type `dash` and
    // layout `layout` (0 keeps the file's).
    static void load(const char *file, int dash = 0, int layout = 0)
    {
        C_to_C(file, pln.C_file);
        C_to_C(app_path, pln.C_appdir);
        load_plane(nullptr);
        if (dash) {
            pln.dashtype = dash;
            ins.msctoVVI = con.msctofpm * (dash == 2 ? 0.0225f : 0.08f);
        }
        if (layout)
            pln.layouttype = layout;
    }
    // Cruise: the state every drawing test starts from.
    static void cruise()
    {
        scn.time = 1;
        msc.prd = 0.05f;
        msc.tottime = 125.0f;
        flt.vind = 100.0f;
        flt.h = 3500.0f * con.fttomtrs;
        flt.psi = 61.0f;
        flt.magpsi = 47.0f;
        flt.the180 = 2.0f;
        flt.phi180 = 10.0f;
        flt.phi = 10.0f;
        flt.vu = -2.0f;
        flt.R = 3.0f;
        flt.Beta = -1.0f;
        flt.v = flt.av = 52.0f;
        flt.machno[FLT_ROW_FUSE] = 0.16f;
        for (int e = 0; e < 2; e++) {
            flt.omega[e] = 235.0f;
            flt.throt[e] = flt.throtrequest[e] = 0.6f;
            flt.mix[e] = 1.0f;
            flt.eng_running[e] = 1;
            flt.power[e] = 0.6f * pln.pmax;
            flt.n1[e] = 80.0f;
            flt.parteqlbmthrust[e] = 0.6f;
            flt.ff_lbhr[e] = 40.0f;
        }
        flt.m_fuel = 0.7f * pln.m_fuel;
        atm.crtsig = 0.9f;
        atm.T = 281.0f;
        atm.a = 336.0f;
        env.localh = 100.0f;
        rel.vac = rel.ahz = rel.dgy = rel.asi = rel.alt = rel.vvi = rel.tsi = 1;
        // NAV2 on an ILS, slightly left of the localizer and low.
        nav.nf[0] = 110, nav.nf100[0] = 30, nav.nf[1] = 111, nav.nf100[1] = 70;
        nav.cf[0] = 121, nav.cf100[0] = 50, nav.cf[1] = 118, nav.cf100[1] = 0;
        nav.adf1 = 3, nav.adf2 = 2, nav.adf3 = 5;
        nav.goodnav[1] = 1, nav.ilsgs[1] = 3, nav.ntf[1] = 1;
        nav.hdef[1] = 1.5f, nav.vdef[1] = -0.4f, nav.obs[1] = 50.0f;
        nav.adfx = 5000.0f, nav.adfy = 9000.0f;
        nav.goodadf = 1, nav.adf_brg = 328.0f;   // the NDB as the aircraft at 0, 0 heading 61 sees it
        nav.dme_ok = 1, nav.dme_nm = 12.3f, nav.dme_kt = 140.0f, nav.dme_min = 5.3f;
        ott.HDSLCT = 1;
        set_lever_rows(0);
    }
    // panplot, enough updates for the lagged needles to settle, and a full
    // redraw (a needle within 2 degrees of its value is not redrawn, so
    // only a full redraw shows every value exactly).
    static void settle(int updates = 200)
    {
        panplot();
        for (int k = 0; k < updates; k++)
            updatepanel();
        ins.tickle_all = 1;
        updatepanel();
    }
    // A hash of window 0's pixels in a rectangle (inclusive).
    static uint64_t region_hash(int x1, int y1, int x2, int y2)
    {
        uint64_t h = 1469598103934665603ull;
        for (int y = y1; y <= y2; y++)
            for (int x = x1; x <= x2; x++)
                h = (h ^ (uint64_t)test_window_pixel(0, x, y)) * 1099511628211ull;
        return h;
    }
};
