// Made-up sources for the converter's tests: the full box of flat land,
// water painted pixel by pixel, and a world of tiles round one quadrant.
#pragma once
#include <cmath>
#include <memory>

#include "tools/scenery/scenery.h"

// Sources of the full box: flat land at `height_m`, no water.
inline std::unique_ptr<Sources> flat_land(uint16_t height_m)
{
    auto src = std::make_unique<Sources>();
    src->terrain.rows = (BOX_LAT_N - BOX_LAT_S) * 12 + 1;
    src->terrain.cols = (BOX_LON_W - BOX_LON_E) * 12 + 1;
    src->terrain.m.assign((size_t)src->terrain.rows * src->terrain.cols, height_m);
    src->water.rows = (BOX_LAT_N - BOX_LAT_S) * 120;
    src->water.cols = (BOX_LON_W - BOX_LON_E) * 120;
    src->water.stride = src->water.cols / 8;
    src->water.bits.assign((size_t)src->water.rows * src->water.stride, 0);
    return src;
}

// Marks the mask pixel whose centre is nearest (lat, lon) as water.
inline void set_water(Sources *src, double lat, double lon)
{
    int r = (int)std::floor((BOX_LAT_N - lat) * 120), c = (int)std::floor((lon + BOX_LON_W) * 120);
    src->water.bits[(size_t)r * src->water.stride + (c >> 3)] |= (uint8_t)(0x80 >> (c & 7));
}

// Water over a lat/lon box.
inline void water_box(Sources *src, double lat0, double lat1, double lon0, double lon1)
{
    for (double lat = lat0 + 1.0 / 240; lat < lat1; lat += 1.0 / 120)
        for (double lon = lon0 + 1.0 / 240; lon < lon1; lon += 1.0 / 120)
            set_water(src, lat, lon);
}

inline int cell_i(double lon) { return (int)std::floor((lon + BOX_LON_W) * QUAD_CELLS_I); }
inline int cell_j(double lat) { return (int)std::floor((lat - BOX_LAT_S) * QUAD_CELLS_J); }

inline std::unique_ptr<World> world_around(const Sources &src, Quad q)
{
    auto w = std::make_unique<World>();
    w->src = &src;
    w->tiles.resize(NQUAD_I * NQUAD_J);
    for (int dj = -1; dj <= 1; dj++)
        for (int di = -1; di <= 1; di++)
            build_tile(w.get(), Quad{q.lat_s + dj, q.lon_w + di});
    return w;
}


inline SrcRunway runway(const std::string &id, double len, const std::string &e1, const std::string &e2)
{
    SrcRunway r;
    r.id = id;
    r.length_ft = len;
    r.width_ft = 150;
    r.surface = 'H';
    r.end[0] = e1;
    r.end[1] = e2;
    for (int k = 0; k < 2; k++)
        r.lat[k] = r.lon[k] = r.elev_ft[k] = r.disp_ft[k] = NAN;
    r.hdg1_true = NAN;
    return r;
}

inline SrcAirport airport(const std::string &id, char kind, double lat, double lon, bool tower)
{
    return SrcAirport{id, id + " Field", kind, false, tower, lat, lon, 1000};
}

// A quadrant (40 N, 100 W) with an airport, its landing system and an NDB
// whose name is too long, written to `path`. False when it cannot be written.
inline bool write_sample_quadrant(const std::string &path)
{
    auto src = flat_land(300);
    src->airports.push_back(airport("RTR", 'L', 40.5, -99.5, true));
    src->runways.push_back(runway("RTR", 8000, "13L", "31R"));
    src->ils.push_back(SrcIls{"RTR", "31R", "ILS", "I", 111, 5, NAN, 3.0, NAN, NAN, NAN});
    src->navaids.push_back(
        SrcNavaid{'N', "QX", "A name that runs on far beyond forty characters", 382, 40.6, -99.4, 700});
    Plan plan;
    plan_airports(*src, &plan);
    Selection sel;
    select_entries(*src, plan, &sel);
    auto w = world_around(*src, Quad{40, 100});
    mark_fields(w.get(), plan, sel.airport_kept);
    find_water_bodies(w.get());
    return sel.quads.size() == 1 && write_quadrant(*w, sel.quads[0], path);
}
