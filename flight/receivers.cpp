// The radios' receivers: tuning latches the nearest matching station of the
// region's navigation table (or the GPS waypoint of the country database),
// and every event period the NAV needles, bearings, DME, GPS course and
// marker beacons are worked out from the latched positions. The panel draws
// what is written here; the autopilot follows the needles.
#include <cmath>

#include "flight/local.h"

// Marker beacons are received within a box round the beacon (m each way):
// the outer's fan is the widest, the inner's the narrowest.
constexpr float OUTER_RANGE_M = 500.0f, MIDDLE_RANGE_M = 200.0f, INNER_RANGE_M = 150.0f;
constexpr float DME_PERIOD_S = 1.0f;
constexpr float DME_MAX = 999.0f;        // nm, kt and minutes: the display's three digits
constexpr float DME_MAX_MIN = 99.0f;     // the time window has two
constexpr float DME_SMOOTH_NEW = 0.4f;   // weight of a new distance reading
constexpr float DME_MIN_SPEED_KT = 1.0f; // slower gives no time to the station
constexpr float GPS_CDI_PX_PER_NM = 12.5f;   // 25 px full scale at 2 nm
constexpr float DEG_PER_RAD_ROUNDED = 57.3f;   // the cross-track's small-angle divisor
constexpr float NM_PER_DEG = 60.0f;
constexpr float ILS_GLIDE_DEG = 3.0f;

int panel_has_gps() { return pln.layouttype != 1 && pln.layouttype != 7; }

// Bearing (deg, -180..180, clockwise from north) from the aircraft to (x, y).
static float bearing_to(float x, float y)
{
    return (float)atan2((double)x - flt.x, (double)y - flt.y) * con.radtodeg;
}

// ---------------------------------------------------------------- tuning

static int is_nav_station(int k)
{
    int t = env.navmsc[k][0];
    return t == NAV_VOR || t == NAV_ILS || t == NAV_LOC;
}

// Nearest slot for which `wanted` says yes, by horizontal distance; -1 none.
static int nearest_slot(int (*wanted)(int k, int arg), int arg)
{
    int best = -1;
    double best_d2 = 0.0;
    for (int k = 0; k < MAX_NAV; k++) {
        if (!wanted(k, arg))
            continue;
        double dx = env.navxyz[k][0] - flt.x, dy = env.navxyz[k][1] - flt.y;
        double d2 = dx * dx + dy * dy;
        if (best < 0 || d2 < best_d2) {
            best = k;
            best_d2 = d2;
        }
    }
    return best;
}

// A VOR, ILS or localizer on receiver r's frequency; a localizer only while
// the aircraft heads within 90 degrees of its front course (no back course).
static int nav_matches(int k, int r)
{
    if (!is_nav_station(k) || env.navmsc[k][1] != nav.nf[r] || env.navmsc[k][2] != nav.nf100[r])
        return 0;
    if (env.navmsc[k][0] == NAV_VOR)
        return 1;
    return fabsf(wrap180(flt.psi - (float)env.navmsc[k][3])) <= 90.0f;
}

static int ndb_matches(int k, int khz)
{
    return env.navmsc[k][0] == NAV_NDB && env.navmsc[k][1] == khz;
}

// The needles follow at the next event period (a region page retunes every
// radio, mostly to the stations they had).
static void latch_nav(int r)
{
    int was = nav.goodnav[r];
    nav.goodnav[r] = 0;
    int k = nearest_slot(nav_matches, r);
    int same = was && k >= 0 && nav.vorx[r] == env.navxyz[k][0] && nav.vory[r] == env.navxyz[k][1];
    if (nav.dmesel == r && !same)
        nav.dme_ok = 0;   // another station: the DME's smoothing starts afresh
    if (k < 0)
        return;
    nav.goodnav[r] = 1;
    nav.vorx[r] = env.navxyz[k][0];
    nav.vory[r] = env.navxyz[k][1];
    nav.gsx[r] = env.navxyz[k][2];
    nav.gsy[r] = env.navxyz[k][3];
    nav.vorz[r] = nav.gsz[r] = env.navxyz[k][4];
    int type = env.navmsc[k][0];
    if (type == NAV_VOR) {
        nav.ilsgs[r] = VOR_GLIDESLOPE;
        return;
    }
    nav.ilscrs[r] = (float)env.navmsc[k][3];
    nav.ilsgs[r] = type == NAV_ILS ? (int)ILS_GLIDE_DEG : 0;
}

// The NDB on the ADF's frequency; with none the last one stays latched.
static void latch_ndb()
{
    int k = nearest_slot(ndb_matches, 100 * nav.adf1 + 10 * nav.adf2 + nav.adf3);
    if (k < 0)
        return;
    nav.adfx = env.navxyz[k][0];
    nav.adfy = env.navxyz[k][1];
    nav.goodadf = 1;
}

// The GPS waypoint from its country table; an index past the table's end
// (a preferences file of another database) is held at the last entry.
static void latch_waypoint(int uplock)
{
    nav.gps_index_mode = intlim(nav.gps_index_mode, GPS_NDB, GPS_APT);
    int last = nav.gps_index_mode == GPS_NDB ? env.nid_max_used
             : nav.gps_index_mode == GPS_VOR ? env.vid_max_used : env.aid_max_used;
    if (last < 0)
        return;
    nav.gpsindex = intlim(nav.gpsindex, 0, last);
    int i = nav.gpsindex;
    nav.gps_lat = nav.gps_index_mode == GPS_NDB ? nid_lat[i] : nav.gps_index_mode == GPS_VOR ? vid_lat[i] : aid_lat[i];
    nav.gps_lon = nav.gps_index_mode == GPS_NDB ? nid_lon[i] : nav.gps_index_mode == GPS_VOR ? vid_lon[i] : aid_lon[i];
    get_gps_data(&nav.gps_crs, &nav.gps_dis);
    if (uplock)
        nav.gps_lock_crs = nav.gps_crs;
}

void tune_radio(int w, int uplock)
{
    switch (w) {
    case RADIO_NAV1:
    case RADIO_NAV2: latch_nav(w); break;
    case RADIO_ADF: latch_ndb(); break;
    case RADIO_GPS: latch_waypoint(uplock); break;
    default: break;   // COM and transponder: nothing to receive
    }
}

void tune_receivers(int uplock)
{
    // A new flight: the DME's smoothing and the marker beacon start afresh
    // rather than from where the aircraft was before.
    nav.dme_ok = 0;
    nav.marker = nav.marker_lit = 0;
    for (int w = 0; w < N_RADIOS; w++)
        tune_radio(w, uplock);
}

const char *gps_waypoint_id()
{
    int i = nav.gpsindex;
    switch (nav.gps_index_mode) {
    case GPS_NDB: return i >= 0 && i <= env.nid_max_used && i < MAX_NDB_US ? nid_id[i] : nullptr;
    case GPS_VOR: return i >= 0 && i <= env.vid_max_used && i < MAX_VOR_US ? vid_id[i] : nullptr;
    case GPS_APT: return i >= 0 && i <= env.aid_max_used && i < MAX_APT_US ? aid_id[i] : nullptr;
    default: return nullptr;
    }
}

// ---------------------------------------------------------------- the needles

// Course deviation of receiver r from a VOR radial or a localizer, and the
// glide slope's; everything off when no station is tuned or the aircraft
// is behind a localizer.
static void nav_needles(int r)
{
    nav.hdef[r] = nav.vdef[r] = 0.0f;
    nav.ntf[r] = 0;
    if (!nav.goodnav[r])
        return;
    float b = bearing_to(nav.vorx[r], nav.vory[r]);
    nav.vor_brg[r] = wrap360(b - (float)env.mvar);
    if (nav.ilsgs[r] == VOR_GLIDESLOPE) {
        // The course is wrapped on its own first, so that radials 0 and 360
        // (or any whole turns of the knob) read exactly alike.
        float d = wrap180(b - wrap360((float)env.mvar + nav.obs[r]));
        if (fabsf(d) <= 90.0f) {
            nav.hdef[r] = d;
            nav.ntf[r] = NTF_TO;
        } else {
            nav.hdef[r] = -wrap180(d + 180.0f);
            nav.ntf[r] = NTF_FROM;
        }
        return;
    }
    float d = wrap180(b - nav.ilscrs[r]);
    if (fabsf(d) > 90.0f)
        return;
    nav.hdef[r] = d;
    nav.ntf[r] = NTF_TO;
    if (nav.ilsgs[r] <= 0)
        return;
    double gx = nav.gsx[r] - flt.x, gy = nav.gsy[r] - flt.y;
    double dist = sqrt(gx * gx + gy * gy);
    nav.gs_dist_nm[r] = (float)dist * con.mtrstonm;
    nav.vdef[r] = (float)atan2(flt.z - nav.gsz[r], dist) * con.radtodeg - (float)nav.ilsgs[r];
}

void cdi_needles(int kind, int r, float *course, float *glide)
{
    r = intlim(r, 0, 1);
    // Needle degrees per degree of deviation and the stops: the VOR head
    // is full scale at 5 degrees of course and 2 of glide, as is the HSI
    // on its shorter needles.
    float hgain = kind == CDI_VOR_HEAD ? 8.0f : 4.0f, hstop = kind == CDI_VOR_HEAD ? 40.0f : 20.0f;
    float vgain = kind == CDI_VOR_HEAD ? 20.0f : 11.0f, vstop = kind == CDI_VOR_HEAD ? 40.0f : 22.0f;
    *course = fltlim(nav.hdef[r] * hgain, -hstop, hstop);
    *glide = fltlim(nav.vdef[r] * vgain, -vstop, vstop);
}

// ---------------------------------------------------------------- GPS, ADF

void get_gps_data(float *crs, float *dis)
{
    double nm = con.nmtomtrs, rad = con.degtorad;
    double mid_lat = ((double)env.lat_south + nav.gps_lat) * 0.5 * rad;
    double dx = ((double)env.lon_west - nav.gps_lon) * NM_PER_DEG * nm * cos(mid_lat) - (flt.x - planex[0][0]);
    double dy = ((double)nav.gps_lat - env.lat_south) * NM_PER_DEG * nm - (flt.y - planey[0][0]);
    *crs = wrap360((float)(atan2(dx, dy) / rad));
    *dis = (float)sqrt(dx * dx + dy * dy);
}

static void gps_and_adf()
{
    get_gps_data(&nav.gps_crs, &nav.gps_dis);
    nav.gps_cdi = wrap180(nav.gps_lock_crs - nav.gps_crs) * nav.gps_dis * con.mtrstonm /
                  DEG_PER_RAD_ROUNDED * GPS_CDI_PX_PER_NM;
    if (nav.goodadf)
        nav.adf_brg = wrap360(bearing_to(nav.adfx, nav.adfy) - flt.psi);
}

// ---------------------------------------------------------------- DME

static void dme_reading()
{
    float dt = msc.tottime - nav.dme_time;
    if (nav.dme_ok && dt >= 0.0f && dt < DME_PERIOD_S)
        return;
    if (panel_has_gps() && nav.dmesel == 0) {
        nav.dme_nm = fltlim(nav.gps_dis * con.mtrstonm, 0.0f, DME_MAX);
        nav.dme_kt = fltlim(flt.vind, 0.0f, DME_MAX);
        nav.dme_ok = 1;
    } else {
        int r = intlim(nav.dmesel, 0, 1);
        if (!nav.goodnav[r]) {
            nav.dme_ok = 0;
            nav.dme_nm = nav.dme_kt = 0.0f;
        } else {
            float d = pythag3((float)(nav.vorx[r] - flt.x), (float)(nav.vory[r] - flt.y),
                              (float)(nav.vorz[r] - flt.z)) * con.mtrstonm;
            if (!nav.dme_ok || !(dt > 0.0f)) {
                nav.dme_nm = fltlim(d, 0.0f, DME_MAX);
                nav.dme_kt = 0.0f;
            } else {
                float smooth = fltlim(DME_SMOOTH_NEW * d + (1.0f - DME_SMOOTH_NEW) * nav.dme_nm, 0.0f, DME_MAX);
                // Ground speed is the rate the distance changes either way:
                // flying away from the station reads as fast as towards it.
                nav.dme_kt = fltlim(fabsf(smooth - nav.dme_nm) / dt * 3600.0f, 0.0f, DME_MAX);
                nav.dme_nm = smooth;
            }
            nav.dme_ok = 1;
        }
    }
    // No speed, no time to the station (it would be 0 / 0 at a standstill).
    nav.dme_min = nav.dme_ok && nav.dme_kt >= DME_MIN_SPEED_KT
                      ? fltmin2(nav.dme_nm / nav.dme_kt * 60.0f, DME_MAX) : -1.0f;
    nav.dme_time = msc.tottime;
}

void dme_digits(int *tenths, int *kt, int *min)
{
    *tenths = nav.dme_ok ? (int)fltlim(nav.dme_nm * 10.0f, 0.0f, DME_MAX) : 0;
    *kt = nav.dme_ok ? (int)fltlim(nav.dme_kt, 0.0f, DME_MAX) : 0;
    *min = nav.dme_ok && nav.dme_min >= 0.0f ? (int)fltmin2(nav.dme_min, DME_MAX_MIN) : -1;
}

// ---------------------------------------------------------------- markers

static int marker_overhead()
{
    for (int k = 0; k < MAX_NAV; k++) {
        int t = env.navmsc[k][0];
        float range = t == NAV_OM ? OUTER_RANGE_M : t == NAV_MM ? MIDDLE_RANGE_M : t == NAV_IM ? INNER_RANGE_M : 0.0f;
        if (range > 0.0f && fabs(env.navxyz[k][0] - flt.x) < range && fabs(env.navxyz[k][1] - flt.y) < range)
            return t;
    }
    return 0;
}

// Lamp and tone of each beacon in the ten steps of its pattern: the outer's
// long dash, the middle's dot and dash, the inner's three dots. A tone
// starts each flash.
struct MarkerStep {
    int lit, tone;
};
static const MarkerStep OUTER[10] = {{1, BEEP_DASH}, {1, 0}, {1, 0}, {1, 0}, {1, 0},
                                     {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}};
static const MarkerStep MIDDLE[10] = {{1, BEEP_DOT}, {1, 0}, {0, 0}, {0, 0}, {1, BEEP_DASH},
                                      {1, 0}, {1, 0}, {1, 0}, {1, 0}, {0, 0}};
static const MarkerStep INNER[10] = {{1, BEEP_DOT}, {1, 0}, {0, 0}, {1, BEEP_DOT}, {1, 0},
                                     {0, 0}, {1, BEEP_DOT}, {1, 0}, {0, 0}, {0, 0}};

// Once per eleven-count (at count 9, so that a new beacon starts its pattern
// at step 0) the beacon overhead is found; each event period its lamp
// follows the step of the pattern and sounds at the start of each flash.
static void marker_beacons()
{
    if (msc.cntr10 == 9)
        nav.marker = marker_overhead();
    const MarkerStep *pattern = nav.marker == NAV_OM ? OUTER : nav.marker == NAV_MM ? MIDDLE
                              : nav.marker == NAV_IM ? INNER : nullptr;
    int step = msc.cntr10;
    if (!pattern || step < 0 || step > 9) {
        nav.marker_lit = 0;
        return;
    }
    nav.marker_lit = pattern[step].lit;
    if (pattern[step].tone)
        flight_calls.beepme(pattern[step].tone);
}

void radio_receivers()
{
    nav_needles(0);
    nav_needles(1);
    gps_and_adf();
    dme_reading();
    marker_beacons();
}
