// vortan_scenery <extract folder> <program folder> [report file]
// Builds "DATA/United States/*.env" and "DATA/gps_dat" in the program folder
// from the extracts and prints what it kept and dropped.
#include "tools/scenery/scenery.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

namespace fs = std::filesystem;

// The quadrants that get files: every one holding an entry, and the land
// quadrants around them so the coast and the border country are not sea.
static std::vector<int> build_world(World *w, const Selection &sel)
{
    std::vector<bool> wanted(w->tiles.size(), false);
    for (auto &qe : sel.quads)
        wanted[quad_index(qe.quad)] = true;
    std::vector<bool> around = wanted;
    for (size_t k = 0; k < wanted.size(); k++) {
        if (!wanted[k])
            continue;
        Quad q = quad_at_index((int)k);
        for (int dj = -1; dj <= 1; dj++)
            for (int di = -1; di <= 1; di++) {
                int n = quad_index(Quad{q.lat_s + dj, q.lon_w + di});
                if (n >= 0) around[n] = true;
            }
    }
    std::vector<int> files;
    for (size_t k = 0; k < around.size(); k++) {
        if (!around[k])
            continue;
        build_tile(w, quad_at_index((int)k));
        bool all_sea = w->tiles[k]->nwater == 2 * QUAD_CELLS_I * QUAD_CELLS_J;
        if (wanted[k] || !all_sea)
            files.push_back((int)k);
    }
    // A ring of tiles beyond the files, so border points see both sides.
    for (int k : files) {
        Quad q = quad_at_index(k);
        for (int dj = -1; dj <= 1; dj++)
            for (int di = -1; di <= 1; di++)
                build_tile(w, Quad{q.lat_s + dj, q.lon_w + di});
    }
    return files;
}

// The fullest region of 3 x 2 quadrants, and how many regions hold more
// than nine tenths of the table.
static void region_fill(const Selection &sel, int *most, Quad *where, int *nfull)
{
    std::vector<int> count(NQUAD_I * NQUAD_J, 0);
    for (auto &qe : sel.quads)
        count[quad_index(qe.quad)] = (int)qe.entries.size();
    *most = *nfull = 0;
    *where = Quad{0, 0};
    for (int k = 0; k < NQUAD_I * NQUAD_J; k++) {
        Quad sw = quad_at_index(k);
        int n = 0;
        for (int dj = 0; dj < 2; dj++)
            for (int di = 0; di < 3; di++) {
                int q = quad_index(Quad{sw.lat_s + dj, sw.lon_w - di});
                n += q >= 0 ? count[q] : 0;
            }
        *nfull += n > 9 * MAX_REGION_ENTRIES / 10;
        if (n > *most) {
            *most = n;
            *where = sw;
        }
    }
}

static void print_report(FILE *out, const Plan &plan, const Selection &sel, int nfiles,
                         int nsea_only, int nbodies, int nlakes, int nconflict, double seconds)
{
    const PlanCounts &p = plan.counts;
    const EntryCounts &c = sel.counts;
    int ngps[4] = {0, 0, 0, 0};
    for (auto &g : sel.gps)
        ngps[g.kind]++;
    int apt_made = c.made[1] + c.made[2] + c.made[3], apt_kept = c.kept[1] + c.kept[2] + c.kept[3];
    fprintf(out, "scenery: %d quadrant files (%d of them land round the airports' quadrants), "
                 "all-sea quadrants left out\n", nfiles, nsea_only);
    fprintf(out, "airports: %d read, %d without a usable runway, %d outside the grids, %d duplicate "
                 "identifiers; %d planned, %d kept (class 1/2/3: %d/%d/%d), %d dropped for capacity\n",
            p.airports_read, p.no_runway, p.outside, p.duplicate, apt_made, apt_kept, c.kept[1],
            c.kept[2], c.kept[3], apt_made - apt_kept);
    fprintf(out, "runways: %d read, %d unusable (water, under 1000 ft, no number); %d with both ends "
                 "synthesised, %d with one end synthesised, at %zu airports; %d field elevations "
                 "below sea level raised to 0; %d field triangles left to a more important airport\n",
            p.runways_read, p.runways_unusable, p.runways_synthesised, p.runways_one_end,
            p.synthesised_ids.size(), p.below_sea, nconflict);
    fprintf(out, "ils: %d read, %d at airports not planned, %d on runways other than the two kept; "
                 "%d with glide slope and %d localizers planned, %d and %d kept\n",
            p.ils_read, p.ils_no_airport, p.ils_other_runway, c.made[NAV_ILS], c.made[NAV_LOC],
            c.kept[NAV_ILS], c.kept[NAV_LOC]);
    fprintf(out, "markers: %d planned, %d kept\n", c.made[6] + c.made[7] + c.made[8],
            c.kept[6] + c.kept[7] + c.kept[8]);
    fprintf(out, "vor: %d planned, %d kept, %d bad frequency; ndb: %d planned, %d kept, %d bad "
                 "frequency; %d navaids outside the grids\n",
            c.made[NAV_VOR], c.kept[NAV_VOR], c.vor_bad_freq, c.made[NAV_NDB], c.kept[NAV_NDB],
            c.ndb_bad_freq, c.outside);
    int most, nfull;
    Quad where;
    region_fill(sel, &most, &where, &nfull);
    fprintf(out, "capacity: %d quadrants at %d entries; fullest region %d of %d entries (south-west "
                 "quadrant %s), %d regions above nine tenths\n",
            c.quads_full, MAX_QUAD_ENTRIES, most, MAX_REGION_ENTRIES, quad_file_name(where).c_str(), nfull);
    fprintf(out, "water: %d bodies, %d of them lakes above sea level\n", nbodies, nlakes);
    fprintf(out, "gps_dat: %d NDB, %d VOR, %d airports (%d kept airports left out for a leading "
                 "digit)\n", ngps[1], ngps[2], ngps[3], sel.gps_apt_skipped_digit);
    fprintf(out, "time: %.1f s\n", seconds);
}

static void print_synthesised(FILE *out, const Plan &plan)
{
    fprintf(out, "airports with synthesised runway ends:");
    int n = 0;
    for (auto &id : plan.counts.synthesised_ids)
        fprintf(out, "%s%s", n++ % 20 ? " " : "\n  ", id.c_str());
    fprintf(out, "\n");
}

// Removes quadrant files of an earlier run so none outlives its data.
static void clear_quadrants(const fs::path &dir)
{
    std::error_code ec;
    for (auto &f : fs::directory_iterator(dir, ec)) {
        std::string name = f.path().filename().string();
        if (name.size() == 10 && (name[0] == '+' || name[0] == '-') && name.substr(6) == ".env")
            fs::remove(f.path(), ec);
    }
}

int main(int argc, char **argv)
{
    if (argc < 3) {
        fprintf(stderr, "usage: %s <extract folder> <program folder> [report file]\n", argv[0]);
        return 2;
    }
    auto t0 = std::chrono::steady_clock::now();
    Sources src;
    std::string error;
    if (!load_sources(argv[1], &src, &error)) {
        fprintf(stderr, "vortan_scenery: %s\n", error.c_str());
        return 1;
    }
    Plan plan;
    plan_airports(src, &plan);
    Selection sel;
    select_entries(src, plan, &sel);
    World world;
    world.src = &src;
    world.tiles.resize(NQUAD_I * NQUAD_J);
    std::vector<int> files = build_world(&world, sel);
    int nconflict = mark_fields(&world, plan, sel.airport_kept);
    int nbodies = find_water_bodies(&world);
    int nlakes = 0;
    for (uint8_t sea : world.comp_is_sea)
        nlakes += !sea;

    fs::path data = fs::path(argv[2]) / "DATA", quads = data / "United States";
    std::error_code ec;
    fs::create_directories(quads, ec);
    clear_quadrants(quads);
    size_t next = 0;
    for (int k : files) {
        while (next < sel.quads.size() && quad_index(sel.quads[next].quad) < k)
            next++;
        QuadEntries empty{quad_at_index(k), {}};
        const QuadEntries &qe =
            (next < sel.quads.size() && quad_index(sel.quads[next].quad) == k) ? sel.quads[next] : empty;
        std::string path = (quads / quad_file_name(qe.quad)).string();
        if (!write_quadrant(world, qe, path)) {
            fprintf(stderr, "vortan_scenery: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    if (!write_gps_dat(sel, (data / "gps_dat").string())) {
        fprintf(stderr, "vortan_scenery: cannot write %s\n", (data / "gps_dat").string().c_str());
        return 1;
    }
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    int nsea_only = (int)files.size() - (int)sel.quads.size();
    print_report(stdout, plan, sel, (int)files.size(), nsea_only, nbodies, nlakes, nconflict, seconds);
    if (argc > 3) {
        FILE *f = fopen(argv[3], "w");
        if (f) {
            print_report(f, plan, sel, (int)files.size(), nsea_only, nbodies, nlakes, nconflict, 0);
            print_synthesised(f, plan);
            fclose(f);
        }
    }
    return 0;
}
