// The geometry report of the loaded aircraft in the load report: axis and
// sign conventions, every element's area, chord and place, the fuselage's
// figures, the downwash set-up and the control-surface effectiveness. All
// lengths in feet, with respect to the centre of gravity.
#include <cmath>

#include "flight/load_local.h"
#include "flight/flight.h"

static void conventions()
{
    load_printf("x location positive aft      x force positive forwards    pitch/alpha pos nose up\n");
    load_printf("y location positive right    y force positive right       roll pos right wing down\n");
    load_printf("z location positive up       z force positive up          yaw/beta pos nose right\n\n");
    load_printf("elevator/aileron/spoiler deflection positive trailing edge down\n");
    load_printf("rudder deflection positive trailing edge left (nose right)\n");
    load_printf("brake-yaw positive nose right\n");
    load_printf("differential thrust vector positive nose right\n");
    load_printf("pitch cyclic positive nose up, roll cyclic positive right wing down\n\n");
}

static const char *const GEO_LABEL[2][MAX_PARTS] = {
    {"prop1:", "prop2:", "wing1:", "wing2:", "hstb :", "vstb1:", "vstb2:"},
    {"mrotr:", "tailr:", "wing1:", "wing2:", "hstb :", "vstb1:", "vstb2:"},
};

static void element_table()
{
    float ft = con.mtrstoft;
    load_printf("ELEMENT BREAK-DOWN, (WITH RESPECT TO CENTER OF GRAVITY!):\n");
    load_printf("      -------area   ------mac   ----------x   ----------y   ----------z\n");
    for (int p = 0; p < MAX_PARTS; p++) {
        if (!pln.foileq[p])
            continue;
        for (int el = 0; el < pln.els[p]; el++)
            load_printf("%s%11.2f%12.2f%14.2f%14.2f%14.2f\n", GEO_LABEL[pln.is_heli ? 1 : 0][p],
                        pln.s[p][el] * con.smtrtosf, pln.mac[p][el] * ft, pln.xarm[p][el] * ft,
                        pln.yarm[p][el] * ft, pln.zarm[p][el] * ft);
    }
    load_printf("\n");
}

static void fuselage_figures()
{
    float ft = con.mtrstoft;
    load_printf("Based on fuselage geometry:\n");
    load_printf("   fuselage frontal area is %.2f square feet\n", pln.sfuse * con.smtrtosf);
    load_printf("   fuselage longitudinal centroid is %.2f feet\n", pln.fusexcent * ft);
    load_printf("   fuselage vertical centroid is %.2f feet\n", pln.fusezcent * ft);
    load_printf("These dimensions, like all dimensions in this output file, are with respect to the cg!\n");
    load_printf("   fuselage side-force coefficient per degree beta is %.4f\n", pln.clfusebeta);
    load_printf("   fuselage lift coefficient per degree alpha is %.4f\n", pln.clfusealph);
    load_printf("   radius of gyration in pitch is %.2f feet\n", sqrtf(pln.Jyy_unitmass) * ft);
    load_printf("   radius of gyration in roll  is %.2f feet\n", sqrtf(pln.Jxx_unitmass) * ft);
    load_printf("   radius of gyration in yaw   is %.2f feet\n\n", sqrtf(pln.Jzz_unitmass) * ft);
}

static void report_line(const char *line) { load_printf("%s", line); }

static void control_row(int fitted, const char *name, float crat, float cl, float cd, float cm)
{
    if (fitted)
        load_printf("%s%9.2f%9.4f%9.4f%9.4f\n", name, crat, cl, cd, cm);
}

static void control_section()
{
    if (pln.con_type == 1)
        load_printf("Aircraft has non-flush rivets and control surface gaps,\nwhich reduce control-surface effectiveness to 70%% of theoretical.\n");
    else if (pln.con_type == 2)
        load_printf("Aircraft flush rivets but control surface gaps,\nwhich reduce control-surface effectiveness to 85%% of theoretical.\n");
    else if (pln.con_type == 3)
        load_printf("Aircraft has flush rivets and no control surface gaps,\ngiving full theoretical control-surface effectiveness.\n");
    load_printf("          chord rat   cl/deg   cd/deg   cm/deg\n");
    control_row(pln.ailnEQ, "ailerons:      ", pln.ailn_crat, pln.clailn, pln.cdailn, pln.cmailn);
    control_row(pln.splrEQ, "roll spoilers: ", pln.splr_crat, pln.clsplr, pln.cdsplr, pln.cmsplr);
    control_row(pln.drudEQ, "drag rudder:   ", pln.drud_crat, pln.cldrud, pln.cddrud, pln.cmdrud);
    control_row(pln.elevEQ, "elevator:      ", pln.elev_crat, pln.clelev, pln.cdelev, pln.cmelev);
    control_row(pln.ruddEQ, "rudder:        ", pln.rudd_crat, pln.clrudd, pln.cdrudd, pln.cmrudd);
    control_row(pln.sbrkEQ, "speedbrake:    ", pln.sbrk_crat, pln.clsbrk, pln.cdsbrk, pln.cmsbrk);
    load_printf("Control surface deflections above 10 degrees will encounter additional large-deflection losses.\n");
    if (pln.sbrkEQ)
        load_printf("The peedbrakes have a chord ratio of %.2f   cl=%.4f   cd=%.4f   cm=%.4f\n", pln.sbrk_crat,
                    pln.clsbrk * pln.sbrk_def, pln.cdsbrk * pln.sbrk_def, pln.cmsbrk * pln.sbrk_def);
}

void dump_geo()
{
    for (int p = 0; p < MAX_PARTS; p++)
        pln.semi_sec_wi[p] = pln.foileq[p] && pln.els[p] > 0 ? 0.5f / pln.els[p] : 0.0f;
    if (pln.varsweepEQ[2] || pln.varsweepEQ[3] || pln.varsweepEQ[4])
        load_printf("Variable wing/hstb sweep user: This data is for wing at ZERO SWEEP CONDITION!\n");
    conventions();
    element_table();
    fuselage_figures();
    setup_downwash(report_line);
    if (!pln.is_heli)
        control_section();
}
