// Warnings of the event tick: the glide-slope call of a jet on an ILS
// approach, and the penalties for busting the redline or the flap speed.
#include <cmath>

#include "flight/local.h"

namespace {

int gs_captured[2];            // per receiver: the approach is captured
float gs_last_call = -1.0e9f;  // s, when the warning last sounded
constexpr float GS_CALL_GAP_S = 2.0f;

// Capture and release of receiver r's approach.
void track_capture(int r, float crs_off, float fpm)
{
    if (nav.ilsgs[r] == 0 || nav.ilsgs[r] == 9) {   // no glide slope tuned
        gs_captured[r] = 0;
        return;
    }
    if (fabsf(nav.hdef[r]) <= 5.0f && fabsf(nav.vdef[r]) <= 5.0f && fabsf(crs_off) <= 10.0f &&
        fpm < 100.0f && nav.gs_dist_nm[r] <= 10.0f)
        gs_captured[r] = 1;
    if (fpm > 1000.0f || flt.onground || fabsf(crs_off) > 45.0f)
        gs_captured[r] = 0;
}

}   // namespace

void glideslope_reset()
{
    gs_captured[0] = gs_captured[1] = 0;
    gs_last_call = -1.0e9f;
}

int glideslope_warning()
{
    if (pln.entype != 3 || !msc.warn_gpws)
        return 0;
    int sounded = 0;
    float fpm = flt.vu * con.msctofpm;
    for (int r = 0; r < 2; r++) {
        float crs_off = fltwrap(flt.psi - nav.ilscrs[r], -180.0f, 180.0f);
        track_capture(r, crs_off, fpm);
        if (!gs_captured[r] || flt.h * con.mtrstoft >= 1000.0f || nav.vdef[r] >= -1.0f)
            continue;
        if (msc.tottime - gs_last_call >= GS_CALL_GAP_S || msc.tottime < gs_last_call) {
            flight_calls.play_buffer(SND_GLIDESLP, 0);
            gs_last_call = msc.tottime;
            sounded = 1;
        }
    }
    return sounded;
}

void speed_penalties()
{
    if (pln.is_heli)
        return;
    float speed = pln.as_is_kias ? flt.vind : flt.vind * 1.15f;   // the limits' own unit
    if (speed > pln.Vne && pln.Vne > 0.0f && msc.warn_overspeed && !flt.over_vne) {
        flt.over_vne = 1;
        if (pln.fwd_foil >= 2 && pln.fwd_foil < MAX_PARTS)
            pln.foileq[pln.fwd_foil] = 0;
        MACIBM_alert("You just busted the redline speed.", "I shall now remove a critical flying surface.",
                     "Enjoy the ride down.",
                     "(To avoid this occurrence again, you can fly more slowly or select the 'Warnings' item in the 'Settings' menu).");
    }
    if (flt.flaprequest == 0)
        flt.over_vfe = 0;
    if (speed > pln.Vfe && pln.Vfe > 0.0f && flt.flaprequest > 0 && msc.warn_flaps && !flt.over_vfe) {
        flt.over_vfe = 1;
        MACIBM_alert("You just extended the flaps above Vfe.",
                     "(To avoid this occurrence again, you can fly right or go to the 'Warnings' item in the 'Settings' menu.",
                     "", "");
    }
}
