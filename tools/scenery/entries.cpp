// Navigation entries: airports, instrument landing systems with their
// markers, VORs and NDBs placed in their quadrant's frame; the most
// important ones a quadrant can hold; and the country file's contents.
#include "tools/scenery/scenery.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

constexpr double M_PER_FT = 0.3048;
constexpr double LOC_BEYOND_END_M = 305;      // localizer antenna 1,000 ft past the far end
constexpr double GS_SIDE_M = 122;             // glide-slope antenna 400 ft beside the centre line
constexpr double DEFAULT_TCH_FT = 50;         // threshold crossing height when not given
constexpr double DEFAULT_GS_DEG = 3.0;
constexpr double OUTER_MARKER_M = 4.5 * 1852; // outer marker 4.5 nm before the threshold
constexpr double MIDDLE_MARKER_M = 3500 * M_PER_FT;
constexpr double INNER_MARKER_M = 1000 * M_PER_FT;
constexpr double OFFSET_COURSE_DEG = 3;       // a course further off the runway is offset by design

// Importance tiers inside a quadrant, most important first.
enum Tier {
    TIER_MAJOR_APT, TIER_TOWERED_APT, TIER_ILS, TIER_VOR, TIER_OTHER_APT, TIER_NDB, TIER_MARKER
};

static double rad(double d) { return d * M_PI / 180.0; }

static double bearing_deg(double dx, double dy)
{
    double b = std::atan2(dx, dy) * 180.0 / M_PI;
    return b < 0 ? b + 360 : b;
}

static int whole_heading(double deg)
{
    int h = (int)std::lround(deg) % 360;
    return h < 0 ? h + 360 : h;
}

static std::string cut_name(const std::string &s)
{
    std::string out = s.substr(0, std::min<size_t>(s.size(), MAX_NAME_CHARS));
    while (!out.empty() && out.back() == ' ')
        out.pop_back();
    return out;
}

static Entry blank_entry(int type, const std::string &id, const std::string &name, int tier)
{
    Entry e{};
    e.type = type;
    e.id = id;
    e.name = cut_name(name);
    e.tier = tier;
    e.airport = -1;
    e.parent = -1;
    e.side[0] = e.side[1] = 'x';
    return e;
}

static Entry airport_entry(const AirportPlan &p, int index)
{
    int tier = p.klass == 1 ? TIER_MAJOR_APT
               : (p.klass == 2 && p.src->tower) ? TIER_TOWERED_APT : TIER_OTHER_APT;
    Entry e = blank_entry(p.klass, p.src->id, p.src->name, tier);
    e.airport = index;
    e.rank = p.rank;
    e.elev_ft = p.elev_ft;
    e.code = p.ils_code;
    for (int r = 0; r < 2; r++) {
        if (r >= (int)p.runways.size())
            break;
        const RunwayPlan &w = p.runways[r];
        double x0, y0, x1, y1;
        latlon_to_quad_m(p.quad, w.lat[0], w.lon[0], &x0, &y0);
        latlon_to_quad_m(p.quad, w.lat[1], w.lon[1], &x1, &y1);
        (r == 0 ? e.x1 : e.x2) = x0;
        (r == 0 ? e.y1 : e.y2) = y0;
        e.rw_len_ft[r] = (int)std::lround(w.length_ft);
        e.rw_wid_ft[r] = (int)std::lround(w.width_ft);
        e.rw_hdg[r] = whole_heading(bearing_deg(x1 - x0, y1 - y0));
        e.rw_num[r] = w.number;
        e.side[r] = w.side;
    }
    if (p.runways.size() < 2) {
        e.x2 = e.x1;
        e.y2 = e.y1;
    }
    return e;
}

// Localizer beyond the far end on the course line through the threshold;
// glide slope beside the touchdown point, where a glide path of the
// published angle crosses the threshold at the published height.
static Entry ils_entry(const Plan &plan, const IlsPlan &ip)
{
    const AirportPlan &p = plan.airports[ip.airport];
    const RunwayPlan &w = p.runways[ip.runway];
    const SrcIls &s = *ip.src;
    double xt, yt, xf, yf;
    latlon_to_quad_m(p.quad, w.lat[ip.end], w.lon[ip.end], &xt, &yt);
    latlon_to_quad_m(p.quad, w.lat[1 - ip.end], w.lon[1 - ip.end], &xf, &yf);
    double along = std::hypot(xf - xt, yf - yt);
    double course = bearing_deg(xf - xt, yf - yt);
    if (!std::isnan(s.course_true)) {
        double off = std::remainder(s.course_true - course, 360.0);
        if (std::fabs(off) > OFFSET_COURSE_DEG)
            course += off;
    }
    double dx = std::sin(rad(course)), dy = std::cos(rad(course));
    std::string kind = s.type == "ILS" && !ip.glide_slope ? "LOC" : s.type;
    Entry e = blank_entry(ip.glide_slope ? NAV_ILS : NAV_LOC, p.src->id,
                          kind + " " + w.end_name[ip.end] + " " + p.src->name, TIER_ILS);
    e.x1 = xt + dx * (along + LOC_BEYOND_END_M);
    e.y1 = yt + dy * (along + LOC_BEYOND_END_M);
    if (ip.glide_slope) {
        double tch = std::isnan(s.tch_ft) ? DEFAULT_TCH_FT : s.tch_ft;
        double angle = std::isnan(s.gs_angle) ? DEFAULT_GS_DEG : s.gs_angle;
        double disp = std::isnan(s.disp_ft) ? (ip.end == 0 ? w.disp_ft : 0) : s.disp_ft;
        double b = (disp + tch / std::tan(rad(angle))) * M_PER_FT;
        int ns;
        char side = 'x';
        parse_runway_end(w.end_name[ip.end], &ns, &side);
        double a = side == 'L' ? -GS_SIDE_M : GS_SIDE_M;   // outside a parallel pair
        e.x2 = xt + dx * b + dy * a;
        e.y2 = yt + dy * b - dx * a;
    } else {
        e.x2 = e.x1;
        e.y2 = e.y1;
    }
    double thr = !std::isnan(s.thr_elev_ft) ? s.thr_elev_ft : w.elev_ft[ip.end];
    e.elev_ft = std::max(0.0, std::round(std::isnan(thr) ? p.elev_ft : thr));
    e.m[0] = s.freq_mhz;
    e.m[1] = s.freq_hundredths;
    e.m[2] = whole_heading(course);
    e.airport = ip.airport;
    e.rank = p.rank * 10 + (ip.glide_slope ? 5 : 0) - ip.end;
    return e;
}

// Marker beacons of an approach with a glide slope: outer and middle, and
// the inner marker for category II and III approaches.
static void marker_entries(const Entry &ils, const IlsPlan &ip, const AirportPlan &p,
                           std::vector<Entry> *out)
{
    const RunwayPlan &w = p.runways[ip.runway];
    double xt, yt;
    latlon_to_quad_m(p.quad, w.lat[ip.end], w.lon[ip.end], &xt, &yt);
    double dx = std::sin(rad(ils.m[2])), dy = std::cos(rad(ils.m[2]));
    bool inner = ip.src->category.rfind("II", 0) == 0;
    const struct { int type; double dist; const char *name; } marks[3] = {
        {NAV_OM, OUTER_MARKER_M, "OM "}, {NAV_MM, MIDDLE_MARKER_M, "MM "}, {NAV_IM, INNER_MARKER_M, "IM "}};
    for (int k = 0; k < (inner ? 3 : 2); k++) {
        Entry e = blank_entry(marks[k].type, p.src->id,
                              marks[k].name + w.end_name[ip.end] + " " + p.src->name, TIER_MARKER);
        e.x1 = e.x2 = xt - dx * marks[k].dist;
        e.y1 = e.y2 = yt - dy * marks[k].dist;
        e.elev_ft = ils.elev_ft;
        e.airport = ils.airport;
        e.rank = ils.rank - k;
        out->push_back(e);
    }
}

static bool navaid_entry(const SrcNavaid &n, Entry *e, EntryCounts *c)
{
    Quad q = quad_of(n.lat, n.lon);
    if (n.kind == 'V') {
        // The receiver tunes 108.00 to 117.95 MHz in steps of 0.05.
        if (n.freq_khz < 108000 || n.freq_khz > 117950 || n.freq_khz % 50) {
            c->vor_bad_freq++;
            return false;
        }
        *e = blank_entry(NAV_VOR, n.ident, n.name, TIER_VOR);
        e->m[0] = n.freq_khz / 1000;
        e->m[1] = n.freq_khz % 1000 / 10;
    } else {
        if (n.freq_khz < 1 || n.freq_khz > 999) {   // three ADF digits
            c->ndb_bad_freq++;
            return false;
        }
        *e = blank_entry(NAV_NDB, n.ident, n.name, TIER_NDB);
        e->m[0] = n.freq_khz;
    }
    if (quad_index(q) < 0) {
        c->outside++;
        return false;
    }
    latlon_to_quad_m(q, n.lat, n.lon, &e->x1, &e->y1);
    e->x2 = e->x1;
    e->y2 = e->y1;
    e->elev_ft = std::isnan(n.elev_ft) ? 0 : std::max(0.0, n.elev_ft);
    return true;
}

// Keeps the most important entries of one quadrant; an instrument landing
// system only with its airport, a marker only with its landing system.
static void keep_best(std::vector<Entry> &cand, QuadEntries *qe, EntryCounts *c,
                      std::vector<bool> *airport_kept)
{
    std::vector<int> order(cand.size());
    for (size_t k = 0; k < cand.size(); k++)
        order[k] = (int)k;
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const Entry &x = cand[a], &y = cand[b];
        return std::tie(x.tier, y.rank, x.id, x.name) < std::tie(y.tier, x.rank, y.id, y.name);
    });
    std::vector<bool> kept(cand.size(), false);
    for (int k : order) {
        Entry &e = cand[k];
        c->made[e.type]++;
        bool needs_airport = e.type >= NAV_OM && e.airport >= 0;
        if ((int)qe->entries.size() >= MAX_QUAD_ENTRIES ||
            (needs_airport && !(*airport_kept)[e.airport]) || (e.parent >= 0 && !kept[e.parent]))
            continue;
        kept[k] = true;
        if (e.type <= NAV_APT3)
            (*airport_kept)[e.airport] = true;
        c->kept[e.type]++;
        qe->entries.push_back(e);
    }
    if ((int)qe->entries.size() >= MAX_QUAD_ENTRIES)
        c->quads_full++;
}

// Country file: every NDB and VOR within the table limits, and the most
// important airports that a quadrant file holds, none starting with a digit.
static void choose_gps(const Sources &src, const Plan &plan, Selection *sel)
{
    std::vector<GpsEntry> ndb, vor, apt;
    for (auto &n : src.navaids) {
        GpsEntry g{n.kind == 'N' ? 1 : 2, n.lat, -n.lon, n.ident};
        auto &list = n.kind == 'N' ? ndb : vor;
        if ((int)list.size() < (n.kind == 'N' ? MAX_GPS_NDB : MAX_GPS_VOR))
            list.push_back(g);
    }
    for (size_t a = 0; a < plan.airports.size() && (int)apt.size() < MAX_GPS_APT; a++) {
        const SrcAirport &s = *plan.airports[a].src;
        if (!sel->airport_kept[a])
            continue;
        if (isdigit((unsigned char)s.id[0])) {
            sel->gps_apt_skipped_digit++;
            continue;
        }
        apt.push_back(GpsEntry{3, s.lat, -s.lon, s.id});
    }
    auto by_id = [](const GpsEntry &x, const GpsEntry &y) {
        return std::tie(x.id, x.lat, x.lon_west) < std::tie(y.id, y.lat, y.lon_west);
    };
    for (auto *list : {&ndb, &vor, &apt}) {
        std::sort(list->begin(), list->end(), by_id);
        sel->gps.insert(sel->gps.end(), list->begin(), list->end());
    }
}

void select_entries(const Sources &src, const Plan &plan, Selection *sel)
{
    std::map<int, std::vector<Entry>> cand;   // by quad_index
    for (size_t a = 0; a < plan.airports.size(); a++)
        cand[quad_index(plan.airports[a].quad)].push_back(airport_entry(plan.airports[a], (int)a));
    for (auto &ip : plan.ils) {
        auto &list = cand[quad_index(plan.airports[ip.airport].quad)];
        list.push_back(ils_entry(plan, ip));
        if (!ip.glide_slope)
            continue;
        int parent = (int)list.size() - 1;
        std::vector<Entry> marks;
        marker_entries(list.back(), ip, plan.airports[ip.airport], &marks);
        for (auto &m : marks) {
            m.parent = parent;
            list.push_back(m);
        }
    }
    for (auto &n : src.navaids) {
        Entry e;
        if (navaid_entry(n, &e, &sel->counts))
            cand[quad_index(quad_of(n.lat, n.lon))].push_back(e);
    }
    sel->airport_kept.assign(plan.airports.size(), false);
    for (auto &[index, list] : cand) {
        QuadEntries qe{quad_at_index(index), {}};
        keep_best(list, &qe, &sel->counts, &sel->airport_kept);
        sel->quads.push_back(std::move(qe));
    }
    choose_gps(src, plan, sel);
}
