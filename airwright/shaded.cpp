// The design drawn as the simulator draws an aircraft, as a shaded solid:
// the designer's record (ft, from its datum) is put into the simulator's
// aircraft record (m, from the centre of gravity) before each drawing, and
// the camera the view placed (views.cpp) looks at it.
#include "airwright/local.h"
#include "view/view.h"

#include <cmath>
#include <cstring>

namespace airwright {

constexpr float M_PER_FT = 0.3048f;   // international foot

// Lengths from the cg in metres, as the simulator's loading keeps them.
static float mx(float x_ft) { return (x_ft - pln.cgx) * M_PER_FT; }
static float my(float y_ft) { return y_ft * M_PER_FT; }
static float mz(float z_ft) { return (z_ft - pln.cgz) * M_PER_FT; }

static void fill_parts(::planestruct &s)
{
    for (int p = 0; p < MAX_PARTS; p++) {
        s.semiB[p] = my(pln.semiB[p]);
        s.Croot[p] = my(pln.Croot[p]);
        s.Ctip[p] = my(pln.Ctip[p]);
        s.xarm[p][NARM - 1] = mx(pln.xarm[p][NARM - 1]);
        s.yarm[p][NARM - 1] = my(pln.yarm[p][NARM - 1]);
        s.zarm[p][NARM - 1] = mz(pln.zarm[p][NARM - 1]);
        s.sweepnow[p] = pln.sweep1[p];   // the views show the unswept wing
        s.dihed[p] = pln.dihed[p];
        s.inverted[p] = pln.inverted[p];
        s.els[p] = intlim(pln.els[p], 0, MAX_ELS);
        s.numblades[p] = pln.numblades[p];
        s.foileq[p] = pln.semiB[p] > 0.01f / M_PER_FT;
        memcpy(s.ailn[p], pln.ailn[p], sizeof s.ailn[p]);
        memcpy(s.splr[p], pln.splr[p], sizeof s.splr[p]);
        memcpy(s.flap[p], pln.flap[p], sizeof s.flap[p]);
        memcpy(s.slat[p], pln.slat[p], sizeof s.slat[p]);
        memcpy(s.sbrk[p], pln.sbrk[p], sizeof s.sbrk[p]);
        memcpy(s.tilt[p], pln.tilt[p], sizeof s.tilt[p]);
        memcpy(s.drud[p], pln.drud[p], sizeof s.drud[p]);
        memcpy(s.elev[p], pln.elev[p], sizeof s.elev[p]);
        memcpy(s.rudd[p], pln.rudd[p], sizeof s.rudd[p]);
    }
}

static void fill_body(::planestruct &s)
{
    for (int i = 0; i < N_FUSE_STATIONS; i++)
        for (int j = 0; j < N_FUSE_RADIALS; j++) {
            s.fuse_x[i][j] = mx(pln.fuse_x[i][j]);
            s.fuse_y[i][j] = my(pln.fuse_y[i][j]);
            s.fuse_z[i][j] = mz(pln.fuse_z[i][j]);
        }
    s.floatEQ = pln.floatEQ;
    for (int k = 0; k < N_FLOATS; k++) {
        s.floatx[k] = mx(pln.floatx[k]);
        s.floaty[k] = my(pln.floaty[k]);
        s.floatz[k] = mz(pln.floatz[k]);
        s.floatl[k] = my(pln.floatl[k]);
        s.floatw[k] = my(pln.floatw[k]);
        s.floatnoseup[k] = my(pln.floatnoseup[k]);
    }
    s.skidEQ = pln.skidEQ;
    s.skidx = mx(pln.skidx);
    s.skidy = my(pln.skidy);
    s.skidz = mz(pln.skidz);
    s.skidl = my(pln.skidl);
}

// The simulator's aircraft record holding the design, as drawing needs it.
static void fill_sim_record()
{
    static ::planestruct s;
    s = ::planestruct{};
    s.is_heli = pln.is_heli;
    s.entype = pln.entype;
    s.numen = pln.numen;
    for (int k = 0; k < 2; k++) {
        s.vertcant[k] = pln.vertcant[k];
        s.sidecant[k] = pln.sidecant[k];
    }
    s.ailn_crat = pln.ailn_crat, s.elev_crat = pln.elev_crat, s.rudd_crat = pln.rudd_crat;
    s.splr_crat = pln.splr_crat, s.drud_crat = pln.drud_crat, s.sbrk_crat = pln.sbrk_crat;
    s.sbrk_def = pln.sbrk_def;
    fill_parts(s);
    fill_body(s);
    ::pln = s;
}

void draw_aircraft()
{
    fill_sim_record();
    plot_plane();
}

}  // namespace airwright
