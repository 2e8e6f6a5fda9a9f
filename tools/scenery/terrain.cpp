// The terrain of the quadrants: quadrant naming and frames, elevation by
// bicubic interpolation of the grid, each cell's diagonal and water flags
// from the mask, the water bodies with their surface levels, and the final
// height of every point. Every value is a function of the global point or
// cell alone, so neighbouring quadrants agree on their shared border.
#include "tools/scenery/scenery.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numeric>

constexpr double GRID_PER_DEG = 12.0;     // elevation grid: 5 arc-minutes
constexpr double MASK_PER_DEG = 120.0;    // water mask: 30 arc-seconds
constexpr float LAND_MIN_M = 1.0f;        // land stands clear of the sea
constexpr float SEA_SHORE_MAX_M = 8.0f;   // a body whose shore lies lower is sea
// A lake's surface is a low percentile of its shore's heights: the coarse
// grid smears valley floors up the slopes, so small lakes in valleys and
// canyons read high; the long shores of large lakes lie flatter and the
// median matches their surface best (Great Lakes within about 10 m).
constexpr double SMALL_LAKE_PERCENTILE = 0.2;
constexpr double LARGE_LAKE_PERCENTILE = 0.5;
constexpr size_t LARGE_LAKE_SHORE_POINTS = 300;

// ---------------------------------------------------------------- quadrants
Quad quad_of(double lat_deg, double lon_deg)
{
    return Quad{(int)std::floor(lat_deg), -(int)std::floor(lon_deg)};
}

double quad_lon_scale_m(Quad q) { return M_PER_DEG * std::cos(q.lat_s * M_PI / 180.0); }

void latlon_to_quad_m(Quad q, double lat_deg, double lon_deg, double *x_m, double *y_m)
{
    *x_m = (lon_deg + q.lon_w) * quad_lon_scale_m(q);
    *y_m = (lat_deg - q.lat_s) * M_PER_DEG;
}

void quad_m_to_latlon(Quad q, double x_m, double y_m, double *lat_deg, double *lon_deg)
{
    *lon_deg = x_m / quad_lon_scale_m(q) - q.lon_w;
    *lat_deg = y_m / M_PER_DEG + q.lat_s;
}

std::string quad_file_name(Quad q)
{
    char name[32];
    int lon = ((q.lon_w % 360) + 360) % 360;
    snprintf(name, sizeof name, "%c%02d%03d.env", q.lat_s >= 1 ? '+' : '-', std::abs(q.lat_s) % 100, lon);
    return name;
}

int quad_index(Quad q)
{
    int qi = BOX_LON_W - q.lon_w, qj = q.lat_s - BOX_LAT_S;
    if (qi < 0 || qi >= NQUAD_I || qj < 0 || qj >= NQUAD_J)
        return -1;
    return qj * NQUAD_I + qi;
}

Quad quad_at_index(int index)
{
    return Quad{BOX_LAT_S + index / NQUAD_I, BOX_LON_W - index % NQUAD_I};
}

// Global cell or point indices to degrees.
static double cell_lat(double cj) { return BOX_LAT_S + cj / QUAD_CELLS_J; }
static double cell_lon(double ci) { return -BOX_LON_W + ci / QUAD_CELLS_I; }

// ---------------------------------------------------------------- elevation
static double grid_at(const Grid16 &g, int r, int c)
{
    r = std::clamp(r, 0, g.rows - 1);
    c = std::clamp(c, 0, g.cols - 1);
    return g.m[(size_t)r * g.cols + c];
}

// Catmull-Rom weights: a cubic through four samples that meets its
// neighbours with a continuous slope (Catmull and Rom, 1974).
static void cubic_weights(double t, double w[4])
{
    double t2 = t * t, t3 = t2 * t;
    w[0] = 0.5 * (-t3 + 2 * t2 - t);
    w[1] = 0.5 * (3 * t3 - 5 * t2 + 2);
    w[2] = 0.5 * (-3 * t3 + 4 * t2 + t);
    w[3] = 0.5 * (t3 - t2);
}

double terrain_m(const Grid16 &grid, double lat_deg, double lon_deg)
{
    double fr = (BOX_LAT_N - lat_deg) * GRID_PER_DEG;
    double fc = (lon_deg + BOX_LON_W) * GRID_PER_DEG;
    int r0 = (int)std::floor(fr), c0 = (int)std::floor(fc);
    double wr[4], wc[4];
    cubic_weights(fr - r0, wr);
    cubic_weights(fc - c0, wc);
    double z = 0;
    for (int a = 0; a < 4; a++) {
        double row = 0;
        for (int b = 0; b < 4; b++)
            row += wc[b] * grid_at(grid, r0 - 1 + a, c0 - 1 + b);
        z += wr[a] * row;
    }
    return z;
}

// ---------------------------------------------------------------- cells
int triangle_at(int div, double u, double v)
{
    if (div == 0)
        return u + v < 1.0 ? 0 : 1;   // triangle 0 holds the south-west corner
    return v > u ? 0 : 1;              // triangle 0 holds the north-west corner
}

// Water flags of the two triangles for one diagonal, and how many mask
// pixels disagree with them.
static int flags_for_diagonal(const Sources &src, int ci, int cj, int div, uint8_t water[2])
{
    const double lon0 = cell_lon(ci), lat0 = cell_lat(cj);
    int c_lo = (int)std::ceil((lon0 + BOX_LON_W) * MASK_PER_DEG - 0.5);
    int c_hi = (int)std::ceil((cell_lon(ci + 1) + BOX_LON_W) * MASK_PER_DEG - 0.5);
    int r_lo = (int)std::ceil((BOX_LAT_N - cell_lat(cj + 1)) * MASK_PER_DEG - 0.5);
    int r_hi = (int)std::ceil((BOX_LAT_N - lat0) * MASK_PER_DEG - 0.5);
    int nwet[2] = {0, 0}, nall[2] = {0, 0};
    for (int r = r_lo; r < r_hi; r++) {
        double v = (BOX_LAT_N - (r + 0.5) / MASK_PER_DEG - lat0) * QUAD_CELLS_J;
        for (int c = c_lo; c < c_hi; c++) {
            double u = ((c + 0.5) / MASK_PER_DEG - BOX_LON_W - lon0) * QUAD_CELLS_I;
            int t = triangle_at(div, u, v);
            nall[t]++;
            nwet[t] += mask_water(src.water, r, c);
        }
    }
    int mismatch = 0;
    for (int t = 0; t < 2; t++) {
        if (2 * nwet[t] != nall[t]) {
            water[t] = 2 * nwet[t] > nall[t];
        } else {
            // A tie (or no pixel centre inside): the pixel under the centroid decides.
            static const double centroid[2][2][2] = {   // [div][t] = u, v
                {{1.0 / 3, 1.0 / 3}, {2.0 / 3, 2.0 / 3}},
                {{1.0 / 3, 2.0 / 3}, {2.0 / 3, 1.0 / 3}}};
            double u = centroid[div][t][0], v = centroid[div][t][1];
            int r = (int)std::floor((BOX_LAT_N - lat0 - v / QUAD_CELLS_J) * MASK_PER_DEG);
            int c = (int)std::floor((lon0 + u / QUAD_CELLS_I + BOX_LON_W) * MASK_PER_DEG);
            water[t] = (uint8_t)mask_water(src.water, r, c);
        }
        mismatch += water[t] ? nall[t] - nwet[t] : nwet[t];
    }
    return mismatch;
}

void classify_cell(const Sources &src, int ci, int cj, uint8_t *div, uint8_t water[2])
{
    uint8_t w0[2], w1[2];
    int m0 = flags_for_diagonal(src, ci, cj, 0, w0);
    int m1 = flags_for_diagonal(src, ci, cj, 1, w1);
    int choice;
    if (m0 != m1) {
        choice = m1 < m0;                        // the shoreline decides first
    } else {
        // Then the terrain: the diagonal whose midpoint lies nearer the
        // grid's height at the cell centre bends the surface the right way.
        auto z = [&](int di, int dj) {
            return terrain_m(src.terrain, cell_lat(cj + dj), cell_lon(ci + di));
        };
        double centre = terrain_m(src.terrain, cell_lat(cj + 0.5), cell_lon(ci + 0.5));
        double e0 = std::fabs(0.5 * (z(1, 0) + z(0, 1)) - centre);
        double e1 = std::fabs(0.5 * (z(0, 0) + z(1, 1)) - centre);
        choice = e1 < e0;
    }
    *div = (uint8_t)choice;
    water[0] = choice ? w1[0] : w0[0];
    water[1] = choice ? w1[1] : w0[1];
}

void build_tile(World *w, Quad q)
{
    int k = quad_index(q);
    if (k < 0 || w->tiles[k])
        return;
    auto tile = std::make_unique<Tile>();
    int ci0 = (BOX_LON_W - q.lon_w) * QUAD_CELLS_I, cj0 = (q.lat_s - BOX_LAT_S) * QUAD_CELLS_J;
    tile->nwater = 0;
    for (int j = 0; j < QUAD_CELLS_J; j++)
        for (int i = 0; i < QUAD_CELLS_I; i++) {
            classify_cell(*w->src, ci0 + i, cj0 + j, &tile->div[j][i], tile->water[j][i]);
            for (int t = 0; t < 2; t++) {
                tile->field[j][i][t] = -1;
                tile->comp[j][i][t] = -1;
                tile->nwater += tile->water[j][i][t];
            }
        }
    w->tiles[k] = std::move(tile);
}

Tile *world_tile(const World &w, int ci, int cj)
{
    if (ci < 0 || cj < 0 || ci >= NCELL_I || cj >= NCELL_J)
        return nullptr;
    return w.tiles[(cj / QUAD_CELLS_J) * NQUAD_I + ci / QUAD_CELLS_I].get();
}

// ---------------------------------------------------------------- points
// The triangles of the four cells round a point that touch it.
struct Touching {
    int n = 0;
    int ci[8], cj[8], t[8];
    Tile *tile[8];
};

static Touching touching(const World &w, int pi, int pj)
{
    Touching out;
    for (int dj = -1; dj <= 0; dj++)
        for (int di = -1; di <= 0; di++) {
            int ci = pi + di, cj = pj + dj;
            Tile *tile = world_tile(w, ci, cj);
            int div = tile ? tile->div[cj % QUAD_CELLS_J][ci % QUAD_CELLS_I] : 0;
            // The point is corner (cx, cy) of this cell.
            int cx = -di, cy = -dj;
            bool diag_end = div == 0 ? cx != cy : cx == cy;
            for (int t = 0; t < 2; t++) {
                // Off the diagonal the corner belongs to one triangle only:
                // triangle 0 holds the west corner, triangle 1 the east one.
                bool has = diag_end || (t == 0) == (cx == 0);
                if (!has)
                    continue;
                out.ci[out.n] = ci;
                out.cj[out.n] = cj;
                out.t[out.n] = t;
                out.tile[out.n] = tile;
                out.n++;
            }
        }
    return out;
}

float field_point_z(const World &w, int64_t id)
{
    auto it = std::lower_bound(w.field_points.begin(), w.field_points.end(),
                               std::make_pair(id, -1e30f));
    if (it != w.field_points.end() && it->first == id)
        return it->second;
    return NAN;
}

// Surface of the water a point touches (the lowest when it touches more
// than one body); false when it touches none.
static bool water_level_at(const World &w, int pi, int pj, float *level)
{
    Touching tt = touching(w, pi, pj);
    bool wet = false;
    *level = 1e30f;
    for (int k = 0; k < tt.n; k++) {
        Tile *tile = tt.tile[k];
        int c = tile ? tile->comp[tt.cj[k] % QUAD_CELLS_J][tt.ci[k] % QUAD_CELLS_I][tt.t[k]] : -1;
        if (!tile || c >= 0) {                    // beyond the built world: open sea
            wet = true;
            *level = std::min(*level, tile ? w.comp_level_m[c] : 0.0f);
        }
    }
    return wet;
}

float point_z(const World &w, int pi, int pj)
{
    float fz = field_point_z(w, point_id(pi, pj));
    if (!std::isnan(fz))
        return fz;
    float level;
    if (water_level_at(w, pi, pj, &level))
        return level;
    // Land: above the sea, and not below the water on the next point.
    float z = std::max((float)terrain_m(w.src->terrain, cell_lat(pj), cell_lon(pi)), LAND_MIN_M);
    const int step[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
    for (auto &d : step)
        if (water_level_at(w, pi + d[0], pj + d[1], &level))
            z = std::max(z, level);
    return z;
}

// ---------------------------------------------------------------- water bodies
static int uf_find(std::vector<int> &parent, int a)
{
    while (parent[a] != a) {
        parent[a] = parent[parent[a]];
        a = parent[a];
    }
    return a;
}

static void uf_join(std::vector<int> &parent, int a, int b)
{
    a = uf_find(parent, a);
    b = uf_find(parent, b);
    if (a != b)
        parent[std::max(a, b)] = std::min(a, b);
}

// Triangle of a cell that owns the given side: 0 west, 1 south, 2 east, 3 north.
static int side_triangle(int div, int side)
{
    if (div == 0)
        return side <= 1 ? 0 : 1;
    return (side == 0 || side == 3) ? 0 : 1;
}

// Numbers every water triangle of the built tiles and joins neighbours.
static void join_water(World *w, std::vector<int> &parent, std::vector<int64_t> &base)
{
    base.assign(w->tiles.size(), -1);
    int64_t n = 0;
    for (size_t k = 0; k < w->tiles.size(); k++)
        if (w->tiles[k]) {
            base[k] = n;
            n += QUAD_CELLS_I * QUAD_CELLS_J * 2;
        }
    parent.resize(n);
    std::iota(parent.begin(), parent.end(), 0);
    auto id = [&](int ci, int cj, int t) -> int {
        int k = (cj / QUAD_CELLS_J) * NQUAD_I + ci / QUAD_CELLS_I;
        return (int)(base[k] + ((cj % QUAD_CELLS_J) * QUAD_CELLS_I + ci % QUAD_CELLS_I) * 2 + t);
    };
    for (int cj = 0; cj < NCELL_J; cj++)
        for (int ci = 0; ci < NCELL_I; ci++) {
            Tile *tile = world_tile(*w, ci, cj);
            if (!tile)
                continue;
            int li = ci % QUAD_CELLS_I, lj = cj % QUAD_CELLS_J, div = tile->div[lj][li];
            const uint8_t *wet = tile->water[lj][li];
            if (wet[0] && wet[1])
                uf_join(parent, id(ci, cj, 0), id(ci, cj, 1));
            Tile *east = world_tile(*w, ci + 1, cj), *north = world_tile(*w, ci, cj + 1);
            int te = side_triangle(div, 2), tn = side_triangle(div, 3);
            if (east && wet[te]) {
                int ediv = east->div[lj][(ci + 1) % QUAD_CELLS_I], tw = side_triangle(ediv, 0);
                if (east->water[lj][(ci + 1) % QUAD_CELLS_I][tw])
                    uf_join(parent, id(ci, cj, te), id(ci + 1, cj, tw));
            }
            if (north && wet[tn]) {
                int ndiv = north->div[(cj + 1) % QUAD_CELLS_J][li], ts = side_triangle(ndiv, 1);
                if (north->water[(cj + 1) % QUAD_CELLS_J][li][ts])
                    uf_join(parent, id(ci, cj, tn), id(ci, cj + 1, ts));
            }
        }
}

// Numbers the bodies in cell order, so the result never depends on the
// order in which tiles were built; returns their count.
static int number_bodies(World *w, std::vector<int> &parent, const std::vector<int64_t> &base)
{
    std::vector<int> body_of_root(parent.size(), -1);
    int nbody = 0;
    for (int cj = 0; cj < NCELL_J; cj++)
        for (int ci = 0; ci < NCELL_I; ci++) {
            Tile *tile = world_tile(*w, ci, cj);
            if (!tile)
                continue;
            int k = (cj / QUAD_CELLS_J) * NQUAD_I + ci / QUAD_CELLS_I;
            int li = ci % QUAD_CELLS_I, lj = cj % QUAD_CELLS_J;
            for (int t = 0; t < 2; t++) {
                if (!tile->water[lj][li][t])
                    continue;
                int root = uf_find(parent, (int)(base[k] + (lj * QUAD_CELLS_I + li) * 2 + t));
                if (body_of_root[root] < 0)
                    body_of_root[root] = nbody++;
                tile->comp[lj][li][t] = body_of_root[root];
            }
        }
    return nbody;
}

// Grid heights of every point that touches both a body and land, by body.
static std::vector<std::vector<float>> shore_heights(const World &w, int nbody)
{
    std::vector<std::vector<float>> shore(nbody);
    for (int pj = 0; pj <= NCELL_J; pj++)
        for (int pi = 0; pi <= NCELL_I; pi++) {
            if (!world_tile(w, std::min(pi, NCELL_I - 1), std::min(pj, NCELL_J - 1)))
                continue;
            Touching tt = touching(w, pi, pj);
            int bodies[8], nb = 0;
            bool land = false;
            for (int k = 0; k < tt.n; k++) {
                if (!tt.tile[k])
                    continue;
                int c = tt.tile[k]->comp[tt.cj[k] % QUAD_CELLS_J][tt.ci[k] % QUAD_CELLS_I][tt.t[k]];
                if (c < 0) land = true;
                else if (std::find(bodies, bodies + nb, c) == bodies + nb) bodies[nb++] = c;
            }
            if (!land || nb == 0)
                continue;
            float z = (float)terrain_m(w.src->terrain, cell_lat(pj), cell_lon(pi));
            for (int b = 0; b < nb; b++)
                shore[bodies[b]].push_back(z);
        }
    return shore;
}

int find_water_bodies(World *w)
{
    std::vector<int> parent;
    std::vector<int64_t> base;
    join_water(w, parent, base);
    int nbody = number_bodies(w, parent, base);
    std::vector<std::vector<float>> shore = shore_heights(*w, nbody);
    w->comp_level_m.assign(nbody, 0.0f);
    w->comp_is_sea.assign(nbody, 1);
    for (int b = 0; b < nbody; b++) {
        auto &s = shore[b];
        if (s.empty())
            continue;
        // Sea when a fifth of its shore lies near sea level.
        size_t low = (size_t)(SMALL_LAKE_PERCENTILE * (s.size() - 1));
        std::nth_element(s.begin(), s.begin() + low, s.end());
        if (s[low] < SEA_SHORE_MAX_M)
            continue;
        size_t nth = s.size() >= LARGE_LAKE_SHORE_POINTS
                         ? (size_t)(LARGE_LAKE_PERCENTILE * (s.size() - 1)) : low;
        std::nth_element(s.begin(), s.begin() + nth, s.end());
        w->comp_level_m[b] = s[nth];
        w->comp_is_sea[b] = 0;
    }
    return nbody;
}
