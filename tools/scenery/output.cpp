// Writes the quadrant files (format version 2) and the country navigation
// file "gps_dat" (format version 1) in the simulator's text layout: a marker
// line, a version line, then one value group per line.
#include "tools/scenery/scenery.h"

#include <cmath>
#include <cstdio>

constexpr int QUAD_VERSION = 2;
constexpr int QUAD_FILE_TYPE = 1001;
constexpr int GPS_VERSION = 1;

// fprintf into a file that remembers whether every write succeeded.
struct OutFile {
    FILE *fp;
    bool ok;
};

#define OUT(f, ...) ((f).ok = (f).ok && fprintf((f).fp, __VA_ARGS__) >= 0)

static bool close_out(OutFile &f)
{
    bool ok = f.ok && fflush(f.fp) == 0 && !ferror(f.fp);
    return fclose(f.fp) == 0 && ok;
}

// The identifier always fills three characters, so the name starts at a
// fixed column after it.
static void write_id_name(OutFile &f, const Entry &e)
{
    OUT(f, " %-3.3s %s\n", e.id.c_str(), e.name.c_str());
}

static void write_entry(OutFile &f, const Entry &e)
{
    if (e.type <= NAV_APT3) {
        OUT(f, "a %.1f %.1f %.1f %.1f %.0f %d %d %d %d %d %c %d %d %d %d %c %d", e.x1, e.y1, e.x2,
            e.y2, e.elev_ft, e.type, e.rw_len_ft[0], e.rw_wid_ft[0], e.rw_hdg[0], e.rw_num[0],
            e.side[0], e.rw_len_ft[1], e.rw_wid_ft[1], e.rw_hdg[1], e.rw_num[1], e.side[1], e.code);
    } else {
        OUT(f, "n %.1f %.1f %.1f %.1f %.0f %d %d %d %d", e.x1, e.y1, e.x2, e.y2, e.elev_ft, e.type,
            e.m[0], e.m[1], e.m[2]);
    }
    write_id_name(f, e);
}

static void write_points(OutFile &f, const World &w, Quad q)
{
    const Tile *tile = w.tiles[quad_index(q)].get();
    int ci0 = (BOX_LON_W - q.lon_w) * QUAD_CELLS_I, cj0 = (q.lat_s - BOX_LAT_S) * QUAD_CELLS_J;
    double width_m = quad_lon_scale_m(q);
    for (int j = 0; j <= QUAD_CELLS_J; j++)
        for (int i = 0; i <= QUAD_CELLS_I; i++) {
            double x = width_m * i / QUAD_CELLS_I, y = M_PER_DEG * j / QUAD_CELLS_J;
            OUT(f, "%.1f %.1f %.1f", x, y, point_z(w, ci0 + i, cj0 + j));
            if (i < QUAD_CELLS_I && j < QUAD_CELLS_J)
                OUT(f, " %d %d %d %d %d", tile->div[j][i], tile->water[j][i][0],
                    tile->water[j][i][1], tile->field[j][i][0] >= 0, tile->field[j][i][1] >= 0);
            OUT(f, "\n");
        }
}

bool write_quadrant(const World &w, const QuadEntries &qe, const std::string &path)
{
    OutFile f{fopen(path.c_str(), "wb"), true};
    if (!f.fp)
        return false;
    OUT(f, "I\n%d version\n", QUAD_VERSION);
    OUT(f, "%d quadrant %s, lat %d lon %dW\n", QUAD_FILE_TYPE, quad_file_name(qe.quad).c_str(),
        qe.quad.lat_s, qe.quad.lon_w);
    OUT(f, "%d cells west to east\n%d cells south to north\n", QUAD_CELLS_I, QUAD_CELLS_J);
    write_points(f, w, qe.quad);
    OUT(f, "1 navigation\n");
    OUT(f, "records: a airport, n navaid, z end\n");
    for (const Entry &e : qe.entries)
        write_entry(f, e);
    OUT(f, "z\n");
    return close_out(f);
}

bool write_gps_dat(const Selection &sel, const std::string &path)
{
    OutFile f{fopen(path.c_str(), "wb"), true};
    if (!f.fp)
        return false;
    OUT(f, "I\n%d version\n", GPS_VERSION);
    OUT(f, "99 country navigation database: kind (1 NDB, 2 VOR, 3 airport), latitude, "
           "longitude west, identifier\n");
    OUT(f, "99 sources: OurAirports, FAA NASR; see data/scenery/SOURCES.md\n");
    for (const GpsEntry &g : sel.gps)
        OUT(f, "%d %.6f %.6f %s\n", g.kind, g.lat, g.lon_west, g.id.c_str());
    OUT(f, "4 end\n");
    return close_out(f);
}
