// Loading a region of six one-degree quadrants into the terrain grid: file
// names, the terrain points with their land-use flags and the seam rule that
// keeps airport fields flat across a quadrant border.
#include "world/local.h"

#include <cmath>
#include <cstdio>
#include <cstring>


// Grid offsets of quadrants 1..6 in quadrants (index 0 unused).
const int QUAD_COL[7] = {0, 0, 1, 2, 0, 1, 2};
const int QUAD_ROW[7] = {0, 0, 0, 0, 1, 1, 1};


void quadrant_name(int lat, int lon, char *name)
{
    int lon_w = ((lon % 360) + 360) % 360;
    int alat = lat < 0 ? -lat : lat;
    snprintf(name, 12, "%c%02d%03d.env", lat >= 1 ? '+' : '-', alat % 100, lon_w);
}

void standard_env_path(const char *file, char *path)
{
    ap_dir("DATA/United States", file, path);
}

// The folder of env.C_path (up to its last '/') followed by `file`.
void env_folder_path(const char *file, char *path)
{
    C_to_C(env.C_path, path);
    char *slash = strrchr(path, '/');
    if (slash)
        slash[1] = 0;
    else
        path[0] = 0;
    app_C(path, file);
}

float degree_width_m(int lat)
{
    return 60.0f * con.nmtomtrs * cosf((float)lat * con.degtorad);
}

int cell_in_grid(int i, int j) { return i >= 0 && i < MESH_I - 1 && j >= 0 && j < MESH_J - 1; }

static int field_at(int i, int j, int t) { return cell_in_grid(i, j) && on_field[i][j][t]; }

void corrupt_file(const char *path, const char *why)
{
    MACIBM_exitalert("The environment file that you are trying to open is corrupted!", path,
                     "is the name of the file.", why);
}

// A point on the quadrant's own border takes the neighbour's height when the
// neighbour's field triangle touches it, so fields across seams stay flat.
static int neighbour_field_wins(int i, int j, int li, int lj)
{
    if (i == 0 || j == 0 || planez[i][j] <= -9998.0f)
        return 0;
    int ni = li == 0 ? i - 1 : i, nj = lj == 0 ? j - 1 : j;
    int t = li == 0 ? 1 : 0;
    if (lj == 0)
        t = planediv[i][j] == 0;
    else if (lj == QUAD_CJ)
        t = planediv[i][j] == 1;
    if (field_at(ni, nj, t))
        return 1;
    if (li == 0 || li == QUAD_CI)
        if (field_at(ni, nj - 1, t))
            return 1;
    if (lj == 0 || lj == QUAD_CJ)
        if (field_at(ni - 1, nj, t))
            return 1;
    return 0;
}

// One point from the file (or open sea); returns 0 when the file ran short.
static int read_point(int has_file, int lat, int i, int j, int li, int lj, float cx, float cy)
{
    float x, y, z;
    int corner = li < QUAD_CI && lj < QUAD_CJ;
    if (has_file) {
        x = fltscanNOSN();
        y = fltscanNOSN();
        z = fltscanNOSN();
        if (corner) {
            planediv[i][j] = bolscanNOSN();
            on_water[i][j][0] = bolscanNOSN();
            on_water[i][j][1] = bolscanNOSN();
            on_field[i][j][0] = bolscanNOSN();
            on_field[i][j][1] = bolscanNOSN();
        }
        rln();
        if (!inf_good() || !std::isfinite(x) || !std::isfinite(y) || !std::isfinite(z))
            return 0;
    } else {
        (void)lat;
        x = (float)li / QUAD_CI * degree_width_m(env.lat_south);
        y = (float)lj / QUAD_CJ * 60.0f * con.nmtomtrs;
        z = 0.0f;
        if (corner) {
            planediv[i][j] = 0;
            on_water[i][j][0] = on_water[i][j][1] = 1;
            on_field[i][j][0] = on_field[i][j][1] = 0;
        }
    }
    int border = li == 0 || li == QUAD_CI || lj == 0 || lj == QUAD_CJ;
    if (!(border && neighbour_field_wins(i, j, li, lj)))
        planez[i][j] = z;
    planex[i][j] = x + cx;
    planey[i][j] = y + cy;
    return 1;
}

static void read_points(int has_file, int lat, int quadrant, const char *path)
{
    int i0 = QUAD_COL[quadrant] * QUAD_CI, j0 = QUAD_ROW[quadrant] * QUAD_CJ;
    float cx = planex[i0][j0], cy = planey[i0][j0];
    for (int lj = 0; lj <= QUAD_CJ; lj++)
        for (int li = 0; li <= QUAD_CI; li++)
            if (!read_point(has_file, lat, i0 + li, j0 + lj, li, lj, cx, cy)) {
                inf_close();
                corrupt_file(path, "The terrain points end early or hold a bad number.");
            }
}

static void check_header(const char *path)
{
    if (intscan() != 1001)
        MACIBM_exitalert("I'm trying to read an environment file that is not really an environment file!",
                         path, "Most befuddling", "");
    int ci = intscan(), cj = intscan();
    if (ci != QUAD_CI || cj != QUAD_CJ)
        MACIBM_exitalert("Data resolution mis-match in USGS geometry read-in!", path, "", "");
}

void read_quadrant(int lat, int lon, int quadrant)
{
    if (quadrant < 1 || quadrant > 6)
        return;
    char name[16], path[MAX_STR];
    quadrant_name(lat, lon, name);
    env_folder_path(name, path);
    clear_quadrant_cells(quadrant);
    int has_file = inf_open(path, 2, 0);
    if (has_file)
        check_header(path);
    env.mvar = find_var(lat, lon);
    read_points(has_file, lat, quadrant, path);
    if (has_file) {
        if (intscan() != 1) {
            inf_close();
            corrupt_file(path, "The Corvane data files may be damaged.");
        }
        rln();
        read_nav_records(quadrant, path);
        inf_close();
    }
    generate_quadrant(quadrant);
}

// Grays or enables the location items that need the country's own folder.
static void gray_us_items()
{
    int us = inUS();
    MACIBM_gray_menu(3, 309, us);
    MACIBM_gray_menu(3, 312, us);
    for (int k = 0; k < 6; k++)
        MACIBM_gray_menu(14, 1401 + k, us);
}

static void clear_nav_table()
{
    env.act_in = -1;
    memset(env.navxyz, 0, sizeof env.navxyz);
    memset(env.navmsc, 0, sizeof env.navmsc);
    memset(env.navname, 0, sizeof env.navname);
    memset(env.navID, 0, sizeof env.navID);
    memset(env.nav_quad, 0, sizeof env.nav_quad);
    memset(env.ILScode, 0, sizeof env.ILScode);
    memset(beacx, 0, sizeof beacx);
    memset(beacy, 0, sizeof beacy);
    memset(beacz, 0, sizeof beacz);
    for (int k = 0; k < MAX_NAV; k++)
        env.lr[k][0] = env.lr[k][1] = 'x';
}

static int any_airport()
{
    for (int k = 0; k < MAX_NAV; k++)
        if (is_airport(env.navmsc[k][0]))
            return 1;
    return 0;
}

// An airport record line: 'a' and a blank (the terrain lines are numbers).
static int file_has_airport(const char *path)
{
    FILE *f = fopen(path, "r");
    if (!f)
        return 0;
    char line[MAX_STR];
    int found = 0;
    while (!found && fgets(line, sizeof line, f))
        found = line[0] == 'a' && (line[1] == ' ' || line[1] == '\t');
    fclose(f);
    return found;
}

int region_has_airport(int lat, int lon)
{
    if (!env.C_path[0])
        standard_env_path("---", env.C_path);
    for (int q = 1; q <= 6; q++) {
        char name[16], path[MAX_STR];
        quadrant_name(lat + QUAD_ROW[q], lon - QUAD_COL[q], name);
        env_folder_path(name, path);
        if (file_has_airport(path))
            return 1;
    }
    return 0;
}

void load_region(int keep_field)
{
    if (!env.C_path[0])
        standard_env_path("---", env.C_path);
    clear_nav_table();
    free_all_buildings();
    for (int i = 0; i < MESH_I; i++)
        for (int j = 0; j < MESH_J; j++)
            planez[i][j] = NO_HEIGHT;
    planex[0][0] = planey[0][0] = 0.0f;
    env.pages = 0;
    gray_us_items();
    for (int q = 1; q <= 6; q++)
        read_quadrant(env.lat_south + QUAD_ROW[q], env.lon_west - QUAD_COL[q], q);
    // An area with beacons but no airport has nowhere to start from either.
    if (env.act_in == -1 || !any_airport())
        MACIBM_exitalert("You have set the plane up in an area where there are no airports.",
                         "You may fly into areas where there are no airports, but you may not start out there.",
                         "Vortan will now reset the preferences file to the standard settings and exit.", "");
    finish_nav_readin(keep_field);
    for (int i = 0; i < 5; i++)
        for (int j = 0; j < 4; j++)
            fill_a_sector_with_ocast(i, j);
}
