// Navigation records of a quadrant file: one line each, 'a' for an airport,
// 'n' for any other navaid, 'z' ends the list. Every value is checked before
// it reaches the table; a record that cannot be used stops the program with
// the file's name and the reason.
#include "world/local.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <initializer_list>


struct Cursor {
    const char *s;
    int ok;
};

static float next_float(Cursor *c)
{
    char *end = nullptr;
    float v = strtof(c->s, &end);
    if (end == c->s || !std::isfinite(v))
        c->ok = 0;
    c->s = end;
    return v;
}

static int next_int(Cursor *c)
{
    char *end = nullptr;
    long v = strtol(c->s, &end, 10);
    if (end == c->s || v > 1000000 || v < -1000000)
        c->ok = 0;
    c->s = end;
    return (int)v;
}

static char next_letter(Cursor *c)
{
    while (*c->s == ' ' || *c->s == '\t')
        c->s++;
    if (!*c->s) {
        c->ok = 0;
        return 'x';
    }
    char l = *c->s++;
    return l == 'L' || l == 'R' ? l : 'x';
}

// The next slot: the first empty one after the last written, so that new
// quadrants fill the gaps of a paged table before anything is overwritten;
// with no gap left the table wraps over its oldest slot.
static int next_slot()
{
    for (int n = 1; n <= MAX_NAV; n++) {
        int k = (env.act_in + n) % MAX_NAV;
        if (env.navmsc[k][0] == NAV_EMPTY && !env.navname[k][0])
            return k;
    }
    return (env.act_in + 1) % MAX_NAV;
}

static void read_runways(Cursor *c, int *v, char *lr, int *code)
{
    for (int r = 0; r < 2; r++) {
        for (int n = 0; n < 4; n++)
            v[4 * r + n] = next_int(c);
        lr[r] = next_letter(c);
    }
    *code = next_int(c);
}

// Runway values in feet, heading and number; "" when usable.
static const char *check_runways(int *v)
{
    if (v[0] < 1 || v[1] < 1)
        return "An airport's first runway has no length or width.";
    if (v[3] < 1 || v[3] > 36)
        return "An airport's runway number is not 1 to 36.";
    if (v[7] < 0 || v[7] > 36 || v[4] < 0 || v[5] < 0 || (v[7] && (v[4] < 1 || v[5] < 1)))
        return "An airport's second runway is out of range.";
    v[2] = ((v[2] % 360) + 360) % 360;
    v[6] = ((v[6] % 360) + 360) % 360;
    return "";
}

// Identifier and name after the numbers: one separator, three characters,
// one separator, the name (cut to 40).
static const char *read_id_name(const char *s, char *id, char *name)
{
    if (strlen(s) < 4 || s[1] == ' ')
        return "An identifier is shorter than three characters.";
    memcpy(id, s + 1, 3);
    id[3] = 0;
    const char *n = s[4] ? s + 5 : s + 4;
    int k = 0;
    for (; n[k] && n[k] != '\r' && k < NAV_NAME - 1; k++)
        name[k] = n[k];
    name[k] = 0;
    return "";
}

static void place_beacon(int k)
{
    float l = (float)env.navmsc[k][1], w = (float)env.navmsc[k][2];
    int h = env.navmsc[k][3];
    beacx[k] = env.navxyz[k][0] + 0.5f * l * lsin[h] + 2.5f * w * lcos[h];
    beacy[k] = env.navxyz[k][1] + 0.5f * l * lcos[h] - 2.5f * w * lsin[h];
    beacz[k] = env.navxyz[k][4] + 27.0f;
}

struct Record {
    float f[5];
    int type, v[8], code;
    char lr[2], id[4], name[NAV_NAME];
};

static const char *parse_record(const char *line, Record *r)
{
    Cursor c{line + 1, 1};
    for (float &f : r->f)
        f = next_float(&c);
    r->type = next_int(&c);
    r->code = 0;
    r->lr[0] = r->lr[1] = 'x';
    memset(r->v, 0, sizeof r->v);
    if (line[0] == 'a')
        read_runways(&c, r->v, r->lr, &r->code);
    else
        for (int n = 0; n < 3; n++)
            r->v[n] = next_int(&c);
    if (!c.ok)
        return "A navigation record ends early or holds a bad number.";
    if (line[0] == 'a' && !is_airport(r->type))
        return "An airport record has a type other than 1 to 3.";
    if (line[0] == 'n' && (r->type < NAV_NDB || r->type > NAV_LOC))
        return "A navaid record has a type other than 4 to 10.";
    if (line[0] == 'a') {
        const char *e = check_runways(r->v);
        if (e[0])
            return e;
    } else if (r->type >= NAV_ILS) {
        r->v[2] = ((r->v[2] % 360) + 360) % 360;
    }
    return read_id_name(c.s, r->id, r->name);
}

static void store_record(const Record &r, int quadrant, float cx, float cy)
{
    int k = next_slot();
    env.act_in = k;
    env.navxyz[k][0] = r.f[0] + cx;
    env.navxyz[k][1] = r.f[1] + cy;
    env.navxyz[k][2] = r.f[2] + cx;
    env.navxyz[k][3] = r.f[3] + cy;
    env.navxyz[k][4] = r.f[4] * 0.3048f;
    env.navmsc[k][0] = r.type;
    for (int n = 0; n < 8; n++)
        env.navmsc[k][n + 1] = r.v[n];
    env.lr[k][0] = r.lr[0];
    env.lr[k][1] = r.lr[1];
    env.ILScode[k] = r.code;
    env.nav_quad[k] = quadrant;
    C_to_C(r.id, env.navID[k]);
    C_to_C(r.name, env.navname[k]);
    if (is_airport(r.type)) {
        for (int n : {1, 2, 5, 6})   // feet to whole metres
            env.navmsc[k][n] = (int)((float)env.navmsc[k][n] * 0.3048f);
        place_beacon(k);
    } else {
        beacx[k] = beacy[k] = beacz[k] = 0.0f;
    }
}

void read_nav_records(int quadrant, const char *path)
{
    int i0 = QUAD_COL[quadrant] * QUAD_CI, j0 = QUAD_ROW[quadrant] * QUAD_CJ;
    float cx = planex[i0][j0], cy = planey[i0][j0];
    char line[MAX_STR];
    for (;;) {
        spacescan(line);
        if (!inf_good()) {
            inf_close();
            corrupt_file(path, "The list of airports and navaids does not end with 'z'.");
        }
        if (line[0] == 'z')
            return;
        if (line[0] != 'a' && line[0] != 'n')
            continue;
        Record r;
        const char *e = parse_record(line, &r);
        if (e[0]) {
            inf_close();
            corrupt_file(path, e);
        }
        store_record(r, quadrant, cx, cy);
    }
}
