// Random failures: the decision for one item, the pass over every item the
// aircraft has, and what a failure sets off (the horizon's spin-down errors,
// the hydraulic bleed, the engine-failure warning).
#include "flight/local.h"

namespace {

// Failure items as the reliability window lists them: 0..7 instruments
// (item 7, the compass, has no flag yet), 8..18 controls and systems.
enum FailItem {
    F_VAC = 0, F_ASI, F_AHZ, F_ALT, F_TSI, F_DGY, F_VVI, F_COMPASS,
    F_ENG1, F_ENG2, F_AIL, F_ELV, F_RUD, F_FLP, F_SLT, F_THR, F_HYD, F_TRO, F_GEAR
};
static_assert(F_GEAR == MAX_FAIL_KINDS - 1, "one item per failure kind");

constexpr float HYD_BLEED_S = 30.0f;   // hydraulic pressure lasts 30 s after a failure
float hyd_fail_time = -1.0f;           // s, when the hydraulics failed; -1 working

// The working flag of item w, or null when the item has no flag.
int *flag_of(int w)
{
    int *flags[MAX_FAIL_KINDS] = {&rel.vac, &rel.asi, &rel.ahz, &rel.alt, &rel.tsi, &rel.dgy,
                                  &rel.vvi, nullptr, &rel.eng[0], &rel.eng[1], &rel.ail,
                                  &rel.elv, &rel.rud, &rel.flp, &rel.slt, &rel.thr, &rel.hyd,
                                  &rel.tro, &rel.ger[0]};
    return w >= 0 && w < MAX_FAIL_KINDS ? flags[w] : nullptr;
}

// Whether the aircraft has the thing item w fails.
int fitted(int w)
{
    switch (w) {
    case F_ENG1: return pln.entype && pln.numen >= 1;
    case F_ENG2: return pln.entype && pln.numen >= 2;
    case F_AIL: return pln.ailnEQ || pln.is_heli;
    case F_ELV: return pln.elevEQ || pln.is_heli;
    case F_RUD: return pln.ruddEQ || pln.is_heli;
    case F_FLP: return pln.flapEQ;
    case F_SLT: return pln.slatEQ;
    case F_THR: return pln.entype != 0;
    case F_TRO: return pln.is_heli;
    case F_GEAR: return pln.retractEQ;
    default: return 1;
    }
}

// What follows a failure of item w.
void after_failure(int w)
{
    if (w == F_GEAR)
        rel.ger[1] = rel.ger[2] = 0;   // the gear fails as one system
    if ((w == F_ENG1 || w == F_ENG2) && pln.entype == 3 && msc.warn_gpws)
        flight_calls.play_buffer(SND_CAUTION, 0);
    if (w == F_VAC) {
        // The horizon topples to an error of at least 10 degrees each way.
        rel.vac_death_time = msc.tottime;
        rel.the_fail_err = fallout(fltrand(-40.0f, 40.0f), -10.0f, 10.0f);
        rel.phi_fail_err = fallout(fltrand(-20.0f, 20.0f), -10.0f, 10.0f);
    }
    if (w == F_HYD)
        hyd_fail_time = msc.tottime;
}

}   // namespace

int failme(int w)
{
    if (w < 0 || w >= MAX_FAIL_KINDS)
        return 0;
    if (rel.fail_type[w] == 3)
        return 1;
    if (rel.fail_type[w] != 2)
        return 0;
    return fltrand(0.0f, 60.0f * rel.fail_time_max[w]) < 1.0f;
}

void failure_pass()
{
    for (int w = 0; w < MAX_FAIL_KINDS; w++) {
        int *flag = flag_of(w);
        if (!flag || !*flag || !fitted(w) || !failme(w))
            continue;
        *flag = 0;
        after_failure(w);
    }
}

void hydraulic_decay()
{
    if (rel.hyd) {
        hyd_fail_time = -1.0f;
        return;
    }
    if (hyd_fail_time < 0.0f)
        hyd_fail_time = msc.tottime;   // failed by the window, not by the pass
    rel.hyd_rat = fltlim(1.0f - (msc.tottime - hyd_fail_time) / HYD_BLEED_S, 0.0f, 1.0f);
}
