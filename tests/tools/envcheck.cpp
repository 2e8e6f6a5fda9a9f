// Strict reading of quadrant files and "gps_dat": the header and terrain
// with the program's own scanners (inf_open, intscan, fltscanNOSN ...), the
// navigation records character by character as the simulator reads them,
// and every value against the range its field allows.
#include "envcheck.h"

#include <cctype>
#include <cmath>
#include <cstdlib>

#include "common/common.h"

constexpr double M_PER_DEG = 111120.0;   // 60 nm of 1852 m
constexpr int MAX_ENTRIES = 200 / 6;     // a sixth of the region's table
constexpr float POS_SLACK_M = 40000;     // records may reach into neighbours
constexpr int LIMIT_NDB = 2000, LIMIT_VOR = 1100, LIMIT_APT = 3000;

static std::string fail(const std::string &what)
{
    inf_close();
    return what;
}

// ---------------------------------------------------------------- records
// A cursor over one record line with the scanner's number grammar.
struct Line {
    const std::string &s;
    size_t p = 0;
    bool ok = true;
    void skip_blank() { while (p < s.size() && (s[p] == ' ' || s[p] == '\t')) p++; }
    std::string word()
    {
        skip_blank();
        size_t b = p;
        while (p < s.size() && s[p] != ' ' && s[p] != '\t') p++;
        if (b == p) ok = false;
        return s.substr(b, p - b);
    }
    float flt()
    {
        std::string w = word();
        char *end = nullptr;
        float v = strtof(w.c_str(), &end);
        if (w.empty() || *end || !std::isfinite(v)) ok = false;
        return v;
    }
    int integer()
    {
        std::string w = word();
        char *end = nullptr;
        long v = strtol(w.c_str(), &end, 10);
        if (w.empty() || *end || v > 100000 || v < -100000) ok = false;
        return (int)v;
    }
    char letter()
    {
        std::string w = word();
        if (w.size() != 1) ok = false;
        return w.empty() ? 0 : w[0];
    }
};

static bool printable(const std::string &s)
{
    for (char c : s)
        if (c < 32 || c > 126) return false;
    return true;
}

static std::string check_runway(const EnvRecord &r, int k, bool optional)
{
    int len = r.v[4 * k], wid = r.v[4 * k + 1], hdg = r.v[4 * k + 2], num = r.v[4 * k + 3];
    if (optional && len == 0 && wid == 0 && hdg == 0 && num == 0 && r.side[k] == 'x')
        return "";
    if (len < 100 || len > 25000 || wid < 10 || wid > 1000 || hdg < 0 || hdg > 359 || num < 1 ||
        num > 36)
        return "runway " + std::to_string(k + 1) + " out of range";
    if (r.side[k] != 'L' && r.side[k] != 'R' && r.side[k] != 'x')
        return "bad side letter";
    return "";
}

static std::string check_navaid_values(const EnvRecord &r)
{
    const int *v = r.v;
    switch (r.type) {
    case 4:
        return v[0] >= 1 && v[0] <= 999 && !v[1] && !v[2] ? "" : "NDB frequency";
    case 5:
        return v[0] >= 108 && v[0] <= 117 && v[1] >= 0 && v[1] <= 95 && v[1] % 5 == 0 && !v[2]
                   ? "" : "VOR frequency";
    case 6: case 7: case 8:
        return !v[0] && !v[1] && !v[2] ? "" : "marker values";
    case 9: case 10:
        return v[0] >= 108 && v[0] <= 111 && v[1] >= 0 && v[1] <= 95 && v[1] % 5 == 0 &&
                       v[2] >= 0 && v[2] <= 359 ? "" : "localizer frequency or course";
    }
    return "navaid type " + std::to_string(r.type);
}

// One record line; `width_m` is the quadrant's width for the position check.
static std::string parse_record(const std::string &s, double width_m, EnvRecord *r)
{
    Line in{s};
    r->kind = s[0];
    in.p = 1;
    r->x1 = in.flt(), r->y1 = in.flt(), r->x2 = in.flt(), r->y2 = in.flt();
    r->elev_ft = in.flt();
    r->type = in.integer();
    if (r->kind == 'a') {
        for (int k = 0; k < 2; k++) {
            for (int n = 0; n < 4; n++) r->v[4 * k + n] = in.integer();
            r->side[k] = in.letter();
        }
        r->code = in.integer();
    } else {
        for (int n = 0; n < 3; n++) r->v[n] = in.integer();
    }
    // The rest of the line: one separator, three identifier characters,
    // one separator, the name.
    if (!in.ok || in.p + 4 > s.size() || s[in.p] != ' ' || (in.p + 4 < s.size() && s[in.p + 4] != ' '))
        return "malformed record";
    r->id = s.substr(in.p + 1, 3);
    r->name = in.p + 5 <= s.size() ? s.substr(in.p + 5) : "";
    if (!printable(r->id) || r->id[0] == ' ' || !printable(r->name) || r->name.size() > 40)
        return "bad identifier or name";
    for (float c : {r->x1, r->x2})
        if (c < -POS_SLACK_M || c > width_m + POS_SLACK_M) return "position outside the quadrant";
    for (float c : {r->y1, r->y2})
        if (c < -POS_SLACK_M || c > M_PER_DEG + POS_SLACK_M) return "position outside the quadrant";
    if (r->elev_ft < 0 || r->elev_ft > 15000)
        return "elevation out of range";
    if (r->kind == 'n')
        return check_navaid_values(*r);
    if (r->type < 1 || r->type > 3 || r->code < 0 || r->code > 3 || r->id.find(' ') != std::string::npos)
        return "airport type, code or identifier";
    std::string e = check_runway(*r, 0, false);
    return e.empty() ? check_runway(*r, 1, true) : e;
}

// ---------------------------------------------------------------- quadrant
static std::string read_points(EnvFile *f, double width_m)
{
    for (int j = 0; j < ENV_POINTS_J; j++)
        for (int i = 0; i < ENV_POINTS_I; i++) {
            EnvPoint &p = f->pt[j][i];
            p.x = fltscanNOSN(), p.y = fltscanNOSN(), p.z = fltscanNOSN();
            p.div = p.water[0] = p.water[1] = p.field[0] = p.field[1] = 0;
            if (i < ENV_POINTS_I - 1 && j < ENV_POINTS_J - 1) {
                int *flags[5] = {&p.div, &p.water[0], &p.water[1], &p.field[0], &p.field[1]};
                for (int *v : flags) {
                    *v = intscanNOSN();
                    if (*v != 0 && *v != 1) return "flag not 0 or 1";
                }
            }
            rln();
            if (!inf_good())
                return "terrain point " + std::to_string(i) + "," + std::to_string(j) + " unreadable";
            if (std::fabs(p.x - width_m * i / (ENV_POINTS_I - 1)) > 0.1 ||
                std::fabs(p.y - M_PER_DEG * j / (ENV_POINTS_J - 1)) > 0.1)
                return "terrain point off the grid";
            if (p.z < 0 || p.z > 7000)
                return "elevation out of range";
        }
    return "";
}

static std::string read_records(EnvFile *f, double width_m)
{
    char line[MAX_STR];
    for (;;) {
        spacescan(line);
        if (!inf_good())
            return "navigation records not ended by 'z'";
        std::string s(line);
        if (s == "z")
            return "";
        if (s.empty() || (s[0] != 'a' && s[0] != 'n') || s.size() < 2 || s[1] != ' ')
            return "unexpected line in the navigation records";
        EnvRecord r{};
        std::string e = parse_record(s, width_m, &r);
        if (!e.empty())
            return e + ": " + s;
        f->records.push_back(r);
        if ((int)f->records.size() > MAX_ENTRIES)
            return "more entries than a sixth of a region";
    }
}

std::string check_quadrant(const std::string &path, int lat_s, int lon_w, EnvFile *out)
{
    (void)lon_w;
    out->records.clear();
    if (!inf_open(path.c_str(), 2, 1))
        return fail("cannot open, or not version 2");
    if (intscan() != 1001)
        return fail("file type is not 1001");
    if (intscan() != 38 || intscan() != 50)
        return fail("cell counts are not 38 and 50");
    double width_m = M_PER_DEG * std::cos(lat_s * M_PI / 180.0);
    std::string e = read_points(out, width_m);
    if (!e.empty())
        return fail(e);
    if (intscan() != 1)
        return fail("no '1' line after the terrain");
    rln();
    e = read_records(out, width_m);
    inf_close();
    return e;
}

// ---------------------------------------------------------------- gps_dat
static std::string check_gps_record(const GpsRecord &g)
{
    if (g.lat < -90 || g.lat > 90 || g.lon_west < -180 || g.lon_west > 360)
        return "position out of range";
    if (g.id.empty() || g.id.size() > 3 || !printable(g.id))
        return "identifier";
    if (g.kind == 3 && (g.id.size() != 3 || isdigit((unsigned char)g.id[0])))
        return "airport identifier not three characters or starting with a digit";
    return "";
}

std::string check_gps_dat(const std::string &path, std::vector<GpsRecord> *out)
{
    out->clear();
    if (!inf_open(path.c_str(), 1, 1))
        return fail("cannot open, or not version 1");
    int count[4] = {0, 0, 0, 0};
    const int limit[4] = {0, LIMIT_NDB, LIMIT_VOR, LIMIT_APT};
    char rest[MAX_STR];
    for (;;) {
        int kind = intscanNOSN();
        if (!inf_good())
            return fail("record without a kind, or no end record 4");
        if (kind == 4)
            break;
        if (kind == 99) {
            rln();
            continue;
        }
        if (kind < 1 || kind > 3)
            return fail("unknown kind " + std::to_string(kind));
        GpsRecord g{kind, fltscanNOSN(), fltscanNOSN(), ""};
        spacescan(rest);
        if (!inf_good())
            return fail("truncated record");
        std::string rest_s(rest);
        Line l{rest_s};
        g.id = l.word();
        if (!l.ok || (l.skip_blank(), l.p != l.s.size()))
            return fail(std::string("identifier word: ") + rest);
        std::string e = check_gps_record(g);
        if (!e.empty())
            return fail(e + ": " + g.id);
        if (++count[kind] > limit[kind])
            return fail("more records of kind " + std::to_string(kind) + " than the table holds");
        out->push_back(g);
    }
    inf_close();
    return "";
}
