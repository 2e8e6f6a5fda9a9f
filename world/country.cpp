// The country navigation database "gps_dat", the magnetic-variation model,
// the standard-folder test and the choice of an alternate environment.
#include "world/local.h"

#include <cmath>
#include <cstring>



static void store_id(char *dst, char c1, char c2, char c3)
{
    dst[0] = c1 ? c1 : ' ';
    dst[1] = c1 && c2 ? c2 : ' ';
    dst[2] = c1 && c2 && c3 ? c3 : ' ';
}

void build_navbase(int kind, char c1, char c2, char c3, float lat, float lon)
{
    static const char *const FULL[4] = {"", "Too many ndbs in US database!",
                                        "Too many vors in US database!",
                                        "Too many apts in US database!"};
    static const int CAP[4] = {0, MAX_NDB_US, MAX_VOR_US, MAX_APT_US};
    if (kind < 1 || kind > 3)
        return;
    int *used = kind == 1 ? &env.nid_max_used : kind == 2 ? &env.vid_max_used : &env.aid_max_used;
    int k = *used + 1;
    if (k >= CAP[kind])
        MACIBM_numberexitalert(FULL[kind], k + 1);
    char(*ids)[3] = kind == 1 ? nid_id : kind == 2 ? vid_id : aid_id;
    float *lats = kind == 1 ? nid_lat : kind == 2 ? vid_lat : aid_lat;
    float *lons = kind == 1 ? nid_lon : kind == 2 ? vid_lon : aid_lon;
    store_id(ids[k], c1, c2, c3);
    lats[k] = lat;
    lons[k] = lon;
    *used = k;
}

// One identifier word from the rest of a line: leading blanks skipped, at
// most three characters kept, a longer word cut.
static void id_word(const char *rest, char id[3])
{
    while (*rest == ' ' || *rest == '\t')
        rest++;
    id[0] = id[1] = id[2] = 0;
    for (int n = 0; n < 3 && rest[n] && rest[n] != ' ' && rest[n] != '\t' && rest[n] != '\r'; n++)
        id[n] = rest[n];
}

static void gps_dat_damaged(const char *path)
{
    inf_close();
    MACIBM_exitalert("The Global Positioning System data file 'gps_dat' is damaged:", path,
                     "a record is unreadable or the end record 4 is missing.",
                     "Put the file 'gps_dat' that came with Vortan in the 'DATA' folder!");
}

void init_country_data()
{
    char path[MAX_STR], rest[MAX_STR];
    ap_dir("DATA", "gps_dat", path);
    env.nid_max_used = env.vid_max_used = env.aid_max_used = -1;
    if (!inf_open(path, 1, 0))
        MACIBM_exitalert("I am unable to access the Global Positioning System data file 'gps_dat'.",
                         "The path I am looking at is as follows:", path,
                         "Put the file 'gps_dat' in the 'DATA' folder in the same directory as 'Vortan'!");
    for (;;) {
        int kind = intscanNOSN();
        if (!inf_good())
            gps_dat_damaged(path);
        if (kind == 4)
            break;
        if (kind < 1 || kind > 3) {
            rln();   // comments (99) and kinds this program does not use
            continue;
        }
        float lat = fltscanNOSN(), lon = fltscanNOSN();
        spacescan(rest);
        char id[3];
        id_word(rest, id);
        if (!inf_good() || !std::isfinite(lat) || !std::isfinite(lon) || !id[0])
            gps_dat_damaged(path);
        build_navbase(kind, id[0], id[1], id[2], lat, lon);
    }
    inf_close();
}

// The straight line through (a, b) and (c, d) at x, unclamped; the mean of
// b and d when the line is vertical.
static double line_at(double a, double b, double c, double d, double x)
{
    if (fabs(c - a) < 1e-9)
        return 0.5 * (b + d);
    return b + (x - a) * (d - b) / (c - a);
}

int find_var(int lat, int lon)
{
    // Two isogonic lines across the country, each a straight line in
    // longitude: variation and latitude at their two ends.
    double vn = line_at(122.3, 20.0, 69.8, -18.0, lon), latn = line_at(122.3, 47.9, 69.8, 44.3, lon);
    double vs = line_at(117.0, 13.0, 82.0, -2.0, lon), lats = line_at(117.0, 32.6, 82.0, 28.0, lon);
    double v = line_at(lats, vs, latn, vn, lat);
    if (!std::isfinite(v))
        return 0;
    return (int)fmax(-180.0, fmin(180.0, v));
}

int inUS()
{
    char standard[MAX_STR], folder[MAX_STR];
    standard_env_path("", standard);
    env_folder_path("", folder);
    return strcmp(standard, folder) == 0;
}

static void name_format_alert(const char *first)
{
    MACIBM_alert(first,
                 "The filename format must be a '+' or a '-' followed by 2 digits for latitude. +04 means 4 degrees.",
                 "The next part of the filename must be 3 digits for longitude. 016 means 16 degrees.",
                 "Then you need a '.env' to denote file type. For example +02089.env means 2 degrees lat, 89 degrees lon.");
}

static int digits(const char *s, int n)
{
    int v = 0;
    for (int k = 0; k < n; k++) {
        if (s[k] < '0' || s[k] > '9')
            return -1;
        v = 10 * v + (s[k] - '0');
    }
    return v;
}

int decode_env_name(const char *name, int *lat, int *lon)
{
    const char *slash = strrchr(name, '/');
    const char *file = slash ? slash + 1 : name;   // the folders may hold any signs and digits
    if (file[0] != '+' && file[0] != '-') {
        name_format_alert("The first character of the environment filename is not a '+' or a '-'.");
        return 0;
    }
    int la = strlen(file) >= 6 ? digits(file + 1, 2) : -1;
    int lo = la >= 0 ? digits(file + 3, 3) : -1;
    if (la < 0 || lo < 0 || la > 60 || lo > 359) {
        name_format_alert("I could not decipher the latitude and longitude from the filename.");
        MACIBM_alert("As far as I could tell, the name that you tried to use was:", file,
                     "I'll tell you what, we'll just pretend this never happened and get back to flying.", "");
        return 0;
    }
    *lat = file[0] == '-' ? -la : la;
    *lon = lo;
    return 1;
}

int select_alternate_environment()
{
    MACIBM_alert("After closing this dialog box, navigate over to the 'DATA' folder in Vortan's program folder. Then select a file in any of the environment folders there.",
                 "These are alternate, computer-generated, make-believe worlds. If you wish, you can design your own 'Corvane' worlds.",
                 "These could be make-believe worlds or countries other than the United States. (The file format is described in the readme.txt file).",
                 "You can put your own environments in a folder on your hard drive, the internet, or anywhere else you like.");
    char file[MAX_STR] = "", path[MAX_STR];
    C_to_C(env.C_path, path);
    if (!MACIBM_open(file, path, FILE_ENV)) {
        MACIBM_alert("File-selection failed or cancelled.", "", "", "");
        return 0;
    }
    int lat, lon;
    if (!decode_env_name(path, &lat, &lon))
        return 0;
    C_to_C(path, env.C_path);
    env.lat_south = lat;
    env.lon_west = lon;
    return 1;
}
