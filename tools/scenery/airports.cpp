// Airports: which ones the world gets, their class, field elevation, two
// longest runways with both ends (from the data or synthesised from number,
// length and the airport's position), their instrument landing systems, and
// the field triangles flattened under every runway.
#include "tools/scenery/scenery.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <tuple>
#include <unordered_map>

constexpr double M_PER_FT = 0.3048;
constexpr double MIN_RUNWAY_FT = 1000;    // shorter strips are not offered
constexpr double MIN_WIDTH_FT = 20;       // narrower widths in the data are typing errors
constexpr double HARD_WIDTH_FT = 75;      // assumed when the data has no width
constexpr double SOFT_WIDTH_FT = 50;
constexpr double MAJOR_RUNWAY_FT = 8000;  // class 1 with scheduled service and a tower
constexpr double AIRLINE_RUNWAY_FT = 5000;
constexpr double FIELD_MARGIN_M = 30;     // field beyond the pavement and taxiway
constexpr double FIELD_STEP_M = 30;       // sampling step over the field rectangle
constexpr double MAX_END_DISTANCE_M = 5000;   // runway end from the airport's position

static double deg2rad(double d) { return d * M_PI / 180.0; }

// The simulator's own variation model: two straight lines across the
// country (north and south), interpolated in latitude.
double magnetic_variation_deg(double lat_deg, double lon_west_deg)
{
    auto line = [](double a, double b, double c, double d, double x) {
        return b + (d - b) * (x - a) / (c - a);
    };
    double v_n = line(122.3, 20.0, 69.8, -18.0, lon_west_deg);
    double lat_n = line(122.3, 47.9, 69.8, 44.3, lon_west_deg);
    double v_s = line(117.0, 13.0, 82.0, -2.0, lon_west_deg);
    double lat_s = line(117.0, 32.6, 82.0, 28.0, lon_west_deg);
    return line(lat_s, v_s, lat_n, v_n, lat_deg);
}

bool parse_runway_end(const std::string &end, int *number, char *side)
{
    size_t k = 0;
    int n = 0;
    while (k < end.size() && isdigit((unsigned char)end[k]) && k < 2)
        n = n * 10 + (end[k++] - '0');
    if (k == 0 || n < 1 || n > 36)
        return false;
    char c = k < end.size() ? (char)toupper((unsigned char)end[k]) : 0;
    *number = n;
    *side = (c == 'L' || c == 'R') ? c : 'x';
    return true;
}

// "01L" and "1L" name the same end.
static std::string end_key(const std::string &end)
{
    size_t k = 0;
    while (k + 1 < end.size() && end[k] == '0')
        k++;
    std::string out;
    for (; k < end.size(); k++)
        out += (char)toupper((unsigned char)end[k]);
    return out;
}

// A point `dist_m` from (lat, lon) along true heading `hdg_deg`, on a
// locally flat earth (runways are at most a few kilometres long).
static void offset_latlon(double lat, double lon, double hdg_deg, double dist_m,
                          double *lat2, double *lon2)
{
    *lat2 = lat + dist_m * std::cos(deg2rad(hdg_deg)) / M_PER_DEG;
    *lon2 = lon + dist_m * std::sin(deg2rad(hdg_deg)) / (M_PER_DEG * std::cos(deg2rad(lat)));
}

// Completes the two ends of a runway; returns 0 when both came from the
// data, 1 when one was synthesised, 2 when both were.
static double distance_m(double lat1, double lon1, double lat2, double lon2)
{
    double dx = (lon2 - lon1) * M_PER_DEG * std::cos(deg2rad(0.5 * (lat1 + lat2)));
    return std::hypot(dx, (lat2 - lat1) * M_PER_DEG);
}

// An end position is believed when it lies near the airport, and a pair
// when their distance matches the runway's length; the data has typing
// errors of whole degrees.
static void trusted_ends(const SrcAirport &a, const SrcRunway &r, bool *has0, bool *has1)
{
    double len_m = r.length_ft * M_PER_FT, reach_m = std::max(MAX_END_DISTANCE_M, 1.5 * len_m);
    *has0 = !std::isnan(r.lat[0]) && !std::isnan(r.lon[0]) &&
            distance_m(a.lat, a.lon, r.lat[0], r.lon[0]) < reach_m;
    *has1 = !std::isnan(r.lat[1]) && !std::isnan(r.lon[1]) && !r.end[1].empty() &&
            distance_m(a.lat, a.lon, r.lat[1], r.lon[1]) < reach_m;
    if (*has0 && *has1 &&
        std::fabs(distance_m(r.lat[0], r.lon[0], r.lat[1], r.lon[1]) - len_m) > 0.25 * len_m + 100)
        *has0 = *has1 = false;
}

static int complete_ends(const SrcAirport &a, const SrcRunway &r, int number,
                         double lat[2], double lon[2])
{
    bool has0, has1;
    trusted_ends(a, r, &has0, &has1);
    double len_m = r.length_ft * M_PER_FT;
    double hdg = !std::isnan(r.hdg1_true)
                     ? r.hdg1_true
                     : number * 10.0 + magnetic_variation_deg(a.lat, -a.lon);
    lat[0] = r.lat[0], lon[0] = r.lon[0], lat[1] = r.lat[1], lon[1] = r.lon[1];
    if (has0 && has1)
        return 0;
    if (has0) {
        offset_latlon(lat[0], lon[0], hdg, len_m, &lat[1], &lon[1]);
        return 1;
    }
    if (has1) {
        offset_latlon(lat[1], lon[1], hdg + 180, len_m, &lat[0], &lon[0]);
        return 1;
    }
    offset_latlon(a.lat, a.lon, hdg + 180, 0.5 * len_m, &lat[0], &lon[0]);
    offset_latlon(a.lat, a.lon, hdg, 0.5 * len_m, &lat[1], &lon[1]);
    return 2;
}

// Strength of an approach: a glide slope and a higher category rank first.
static int ils_strength(const SrcIls &s)
{
    int cat = s.category == "IIIB" ? 4 : s.category == "III" ? 3 : s.category == "II" ? 2 : 1;
    return (s.type == "ILS" && !std::isnan(s.gs_angle) ? 10 : 0) + cat;
}

// Instrument approaches of one airport by end designator.
using IlsByEnd = std::multimap<std::string, const SrcIls *>;

static int best_ils(const IlsByEnd &ils, const std::string &end)
{
    int best = 0;
    auto range = ils.equal_range(end_key(end));
    for (auto it = range.first; it != range.second; ++it)
        best = std::max(best, ils_strength(*it->second));
    return best;
}

// One usable runway as the simulator will build it: the start end is the
// one with the best instrument approach, else the low-numbered end.
static bool plan_runway(const SrcAirport &a, const SrcRunway &r, const IlsByEnd &ils,
                        RunwayPlan *p, int *synth)
{
    int number;
    char side;
    if (r.surface == 'W' || !(r.length_ft >= MIN_RUNWAY_FT) ||
        !parse_runway_end(r.end[0], &number, &side))
        return false;
    double lat[2], lon[2];
    *synth = complete_ends(a, r, number, lat, lon);
    int start = (!r.end[1].empty() && best_ils(ils, r.end[1]) > best_ils(ils, r.end[0])) ? 1 : 0;
    int far = 1 - start;
    p->length_ft = r.length_ft;
    p->hard = r.surface == 'H';
    p->width_ft = !(r.width_ft >= MIN_WIDTH_FT) ? (p->hard ? HARD_WIDTH_FT : SOFT_WIDTH_FT) : r.width_ft;
    p->end_name[0] = r.end[start];
    p->end_name[1] = r.end[far].empty() ? std::to_string((number + 17) % 36 + 1) : r.end[far];
    if (start == 1 && !parse_runway_end(r.end[1], &number, &side))
        return false;
    p->number = number;
    p->side = side;
    p->lat[0] = lat[start], p->lon[0] = lon[start];
    p->lat[1] = lat[far], p->lon[1] = lon[far];
    p->elev_ft[0] = r.elev_ft[start];
    p->elev_ft[1] = r.elev_ft[far];
    p->disp_ft = std::isnan(r.disp_ft[start]) ? 0 : r.disp_ft[start];
    p->synthesised = *synth != 0;
    return true;
}

static int classify_airport(const SrcAirport &a, const AirportPlan &p)
{
    double hard_ft = 0;
    for (auto &r : p.runways)
        if (r.hard)
            hard_ft = std::max(hard_ft, r.length_ft);
    if (a.kind == 'L' || (a.scheduled && a.tower && hard_ft >= MAJOR_RUNWAY_FT))
        return 1;
    if (a.kind == 'M' || a.tower || p.ils_code > 0 || (a.scheduled && hard_ft >= AIRLINE_RUNWAY_FT))
        return 2;
    return 3;
}

// Field elevation: the data's, else the mean of the runway ends, else the
// terrain; never below sea level, as the land around it is not.
static double field_elevation_ft(const Sources &src, const SrcAirport &a, const AirportPlan &p,
                                 int *below_sea)
{
    double e = a.elev_ft;
    if (std::isnan(e)) {
        double sum = 0;
        int n = 0;
        for (auto &r : p.runways)
            for (double v : r.elev_ft)
                if (!std::isnan(v)) sum += v, n++;
        e = n ? sum / n : terrain_m(src.terrain, a.lat, a.lon) / M_PER_FT;
    }
    if (e < 0) {
        (*below_sea)++;
        e = 0;
    }
    return std::round(e);
}

// Keeps the instrument approaches that serve the airport's two runways.
static void attach_ils(Plan *plan, int index, const IlsByEnd &ils)
{
    AirportPlan &p = plan->airports[index];
    p.ils_code = 0;
    int nused = 0;
    for (int r = 0; r < (int)std::min<size_t>(2, p.runways.size()); r++)
        for (int e = 0; e < 2; e++) {
            auto range = ils.equal_range(end_key(p.runways[r].end_name[e]));
            for (auto it = range.first; it != range.second; ++it) {
                bool gs = it->second->type == "ILS" && !std::isnan(it->second->gs_angle);
                plan->ils.push_back(IlsPlan{index, r, e, it->second, gs});
                p.ils_code |= 1 << r;
                nused++;
            }
        }
    plan->counts.ils_other_runway += (int)ils.size() - nused;
}

// One airport's usable runways, longest first (among equals the one with
// the better approach); false when it has none or lies outside the grids.
static bool plan_one_airport(const SrcAirport &a, const std::vector<const SrcRunway *> &runways,
                             const IlsByEnd &ils, PlanCounts *n, AirportPlan *p)
{
    *p = AirportPlan{&a, 3, 0, quad_of(a.lat, a.lon), {}, 0, 0};
    bool synth_here = false;
    for (const SrcRunway *r : runways) {
        RunwayPlan rp;
        int synth = 0;
        if (!plan_runway(a, *r, ils, &rp, &synth)) {
            n->runways_unusable++;
            continue;
        }
        n->runways_synthesised += synth == 2;
        n->runways_one_end += synth == 1;
        synth_here |= synth != 0;
        p->runways.push_back(rp);
    }
    if (p->runways.empty()) {
        n->no_runway++;
        return false;
    }
    if (quad_index(p->quad) < 0) {
        n->outside++;
        return false;
    }
    std::stable_sort(p->runways.begin(), p->runways.end(), [&](auto &x, auto &y) {
        if (x.length_ft != y.length_ft) return x.length_ft > y.length_ft;
        return best_ils(ils, x.end_name[0]) > best_ils(ils, y.end_name[0]);
    });
    if (synth_here)
        n->synthesised_ids.push_back(a.id);
    return true;
}

void plan_airports(const Sources &src, Plan *plan)
{
    std::map<std::string, std::vector<const SrcRunway *>> runways;
    for (auto &r : src.runways)
        runways[r.id].push_back(&r);
    std::map<std::string, IlsByEnd> ils;
    for (auto &s : src.ils)
        ils[s.id].emplace(end_key(s.runway_end), &s);
    PlanCounts &n = plan->counts;
    n.airports_read = (int)src.airports.size();
    n.runways_read = (int)src.runways.size();
    n.ils_read = (int)src.ils.size();
    std::vector<AirportPlan> all;
    for (auto &a : src.airports) {
        AirportPlan p;
        if (!plan_one_airport(a, runways[a.id], ils[a.id], &n, &p))
            continue;
        for (int r = 0; r < (int)std::min<size_t>(2, p.runways.size()); r++)
            for (int e = 0; e < 2; e++)
                if (best_ils(ils[a.id], p.runways[r].end_name[e])) p.ils_code |= 1 << r;
        p.klass = classify_airport(a, p);
        p.elev_ft = field_elevation_ft(src, a, p, &n.below_sea);
        p.rank = p.runways[0].length_ft + (a.tower ? 5000 : 0) + (a.scheduled ? 3000 : 0);
        all.push_back(std::move(p));
    }
    std::stable_sort(all.begin(), all.end(), [](auto &x, auto &y) {
        return std::tie(x.klass, y.rank, x.src->id) < std::tie(y.klass, x.rank, y.src->id);
    });
    std::set<std::string> with_plan;
    for (auto &p : all) {
        if (!with_plan.insert(p.src->id).second) { n.duplicate++; continue; }
        plan->airports.push_back(std::move(p));
        attach_ils(plan, (int)plan->airports.size() - 1, ils[plan->airports.back().src->id]);
    }
    for (auto &[id, list] : ils)
        if (!with_plan.count(id))
            n.ils_no_airport += (int)list.size();
}

// ---------------------------------------------------------------- fields
// Corners (di, dj) of triangle t of a cell with diagonal div.
static const int TRI_CORNERS[2][2][3][2] = {
    {{{0, 0}, {1, 0}, {0, 1}}, {{1, 1}, {0, 1}, {1, 0}}},
    {{{0, 1}, {1, 1}, {0, 0}}, {{1, 0}, {0, 0}, {1, 1}}}};

// Triangles (global cell and triangle) under one runway's field rectangle:
// the pavement, the parallel taxiway on its right, and a margin.
static void runway_triangles(const World &w, Quad q, const RunwayPlan &r,
                             std::set<std::tuple<int, int, int>> *tris)
{
    double x0, y0, x1, y1;
    latlon_to_quad_m(q, r.lat[0], r.lon[0], &x0, &y0);
    latlon_to_quad_m(q, r.lat[1], r.lon[1], &x1, &y1);
    double len = std::hypot(x1 - x0, y1 - y0);
    if (len < 1)
        return;
    double ax = (x1 - x0) / len, ay = (y1 - y0) / len;   // along
    double rx = ay, ry = -ax;                            // to the right
    double wid = r.width_ft * M_PER_FT;
    for (double b = -FIELD_MARGIN_M; b <= len + FIELD_MARGIN_M; b += FIELD_STEP_M)
        for (double a = -0.5 * wid - FIELD_MARGIN_M; a <= 2 * wid + FIELD_MARGIN_M; a += FIELD_STEP_M) {
            double lat, lon;
            quad_m_to_latlon(q, x0 + b * ax + a * rx, y0 + b * ay + a * ry, &lat, &lon);
            double fi = (lon + BOX_LON_W) * QUAD_CELLS_I, fj = (lat - BOX_LAT_S) * QUAD_CELLS_J;
            int ci = (int)std::floor(fi), cj = (int)std::floor(fj);
            Tile *tile = world_tile(w, ci, cj);
            if (!tile)
                continue;
            int div = tile->div[cj % QUAD_CELLS_J][ci % QUAD_CELLS_I];
            tris->emplace(ci, cj, triangle_at(div, fi - ci, fj - cj));
        }
}

int mark_fields(World *w, const Plan &plan, const std::vector<bool> &kept)
{
    std::unordered_map<int64_t, float> fixed;   // point -> field elevation (m)
    int nconflict = 0;
    for (int a = 0; a < (int)plan.airports.size(); a++) {
        if (!kept[a])
            continue;
        const AirportPlan &p = plan.airports[a];
        float z = (float)(p.elev_ft * M_PER_FT);
        std::set<std::tuple<int, int, int>> tris;
        for (auto &r : p.runways)
            runway_triangles(*w, p.quad, r, &tris);
        for (auto [ci, cj, t] : tris) {
            Tile *tile = world_tile(*w, ci, cj);
            int li = ci % QUAD_CELLS_I, lj = cj % QUAD_CELLS_J, div = tile->div[lj][li];
            bool free = tile->field[lj][li][t] < 0;
            int64_t ids[3];
            for (int k = 0; k < 3; k++) {
                ids[k] = point_id(ci + TRI_CORNERS[div][t][k][0], cj + TRI_CORNERS[div][t][k][1]);
                auto it = fixed.find(ids[k]);
                free = free && (it == fixed.end() || it->second == z);
            }
            if (!free) {
                nconflict += tile->field[lj][li][t] != a;
                continue;
            }
            tile->field[lj][li][t] = a;
            tile->water[lj][li][t] = 0;
            for (int64_t id : ids)
                fixed[id] = z;
        }
    }
    w->field_points.assign(fixed.begin(), fixed.end());
    std::sort(w->field_points.begin(), w->field_points.end());
    return nconflict;
}
