// The one engine behind every editing screen: lays the fields of a screen
// out in rows, draws them over the background and edits the one under the
// mouse with the shared widgets, then runs what follows a change (wrapped
// angles, propeller twist, copied elements, the blade's tip chord).
#include "airwright/local.h"

#include <cmath>
#include <cstdio>
#include <cstring>

namespace airwright {

static const char *const YES_NO[2] = {" no", "yes"};

static int text_chars(const Field &f)
{
    const char *const *t = f.kind == FK_YESNO ? YES_NO : f.texts;
    int n = f.kind == FK_YESNO ? 2 : f.ntexts, w = 0;
    for (int k = 0; k < n; k++)
        w = intmax2(w, (int)strlen(t[k]));
    return w;
}

void field_size(const Field &f, int *w, int *h)
{
    switch (f.kind) {
    case FK_NUM:
    case FK_INT:
    case FK_ELS:
    case FK_GRID_NUM:
        *w = f.dig * FIELD_COL_W;
        *h = FIELD_H;
        break;
    case FK_YESNO:
    case FK_CHOICE:
        *w = text_chars(f) * CHAR_W + 4 + CHOICE_BOX;
        *h = 2 * CHOICE_BOX + 10;
        break;
    case FK_CHECK:
    case FK_GRID_FLAG:
        *w = *h = 11;
        break;
    case FK_GRID_SHOW:
        *w = f.dig * 7;
        *h = 13;
        break;
    case FK_FILE:
        *w = FILE_W;
        *h = 13;
        break;
    default:
        *w = *h = 0;
    }
}

int field_top(const Field &f)
{
    switch (f.kind) {
    case FK_YESNO:
    case FK_CHOICE: return f.y - (CHOICE_BOX + 10);
    case FK_FILE: return f.y - 13;
    case FK_CHECK:
    case FK_GRID_FLAG: return f.y - 2;
    default: return f.y;
    }
}

static int is_grid(const Field &f)
{
    return f.kind == FK_GRID_NUM || f.kind == FK_GRID_FLAG || f.kind == FK_GRID_SHOW;
}

// Places widget f with its box top at `top` and its left at x.
static void place(Field &f, int x, int top)
{
    f.x = x + (f.sign ? SIGN_W : 0);
    f.y = top;
    if (f.kind == FK_YESNO || f.kind == FK_CHOICE)
        f.y = top + CHOICE_BOX + 10;
    else if (f.kind == FK_FILE)
        f.y = top + 13;
    else if (f.kind == FK_CHECK || f.kind == FK_GRID_FLAG)
        f.y = top + 2, f.x += 2;
}

// Rows left to right, wrapping at the window's right edge; each element
// grid row on its own, its caption on the left and the element columns
// beside it, with room for the element numbers above the first.
static void layout_one(const Screen &s)
{
    int width, height;
    window_size(s.window, &width, &height);
    int x = MARGIN_X, top = FIRST_TOP, row_h = 0, in_grid = 0;
    for (int k = 0; k < s.nfields; k++) {
        Field &f = s.fields[k];
        int w, h;
        field_size(f, &w, &h);
        if (is_grid(f)) {
            // Room for the element numbers above the first grid row.
            top += row_h ? row_h + (in_grid ? 6 : 24) : 12;
            place(f, MARGIN_X + GRID_LABEL_W, top);
            row_h = h;
            in_grid = 1;
            x = width;   // anything after a grid row starts a new row
            continue;
        }
        int cell = intmax2(w + (f.sign ? SIGN_W : 0), (int)strlen(f.caption) * CHAR_W);
        if (f.kind == FK_BREAK || (x > MARGIN_X && x + cell > width - MARGIN_X / 2)) {
            top += row_h + (in_grid ? 26 : 24);
            x = MARGIN_X;
            row_h = 0;
            in_grid = 0;
        }
        if (f.kind == FK_BREAK)
            continue;
        place(f, x, top);
        x += cell + CELL_GAP;
        row_h = intmax2(row_h, h);
    }
}

void layout_screens()
{
    for (int n = 0; n < screen_count(); n++)
        layout_one(*screen_at(n));
}

static char *value_of(const Screen &s, const Field &f, planestruct *rec)
{
    return (char *)rec + f.off + s.part * f.stride;
}

// The element count grew from `from` to `to`: each new element takes the
// incidence and the device flags of the one before it.
static void copy_new_elements(planestruct *rec, int part, int from, int to)
{
    int (*rows[])[MAX_ELS] = {rec->wash, rec->ailn, rec->splr, rec->flap, rec->slat,
                              rec->sbrk, rec->tilt, rec->drud, rec->elev, rec->rudd};
    for (int e = intmax2(from, 1); e < to && e < MAX_ELS; e++) {
        rec->anginc[part][e] = rec->anginc[part][e - 1];
        for (auto row : rows)
            row[part][e] = row[part][e - 1];
    }
}

static int run_number(const Screen &s, const Field &f, planestruct *rec, int up)
{
    char *p = value_of(s, f, rec);
    if (f.kind == FK_NUM) {
        float *v = (float *)p;
        float shown = f.offset + f.scale * *v;
        int c = instdbtn_range(DIGIT_COLOR, f.x, f.y, &shown, f.dig, f.dec, up, f.sign, f.lo, f.hi);
        if (c)
            *v = (shown - f.offset) / f.scale;
        return c;
    }
    int *v = (int *)p;
    float shown = (float)*v;
    if (!instdbtn_range(DIGIT_COLOR, f.x, f.y, &shown, f.dig, f.dec, up, f.sign, f.lo, f.hi))
        return 0;
    int old = *v, now = (int)lroundf(shown);
    if (f.action == ACT_WRAP_DEG)
        now = intwrap(now, -179, 180);
    if (f.kind == FK_ELS && now > old)
        copy_new_elements(rec, s.part, old, now);
    *v = now;
    return now != old;
}

static int run_choice(const Screen &s, const Field &f, planestruct *rec, int up)
{
    int *v = (int *)value_of(s, f, rec);
    int yesno = f.kind == FK_YESNO;
    int n = yesno ? 2 : f.ntexts;
    int var = yesno ? (*v != 0) + 1 : intlim(*v - f.base + 1, 1, n);
    int tw = text_chars(f) * CHAR_W;
    if (!inNtextbtn(f.x, f.y, yesno ? YES_NO : f.texts, n, tw + 4, tw + 2, &var, up))
        return 0;
    int now = yesno ? var - 1 : var - 1 + f.base;
    int changed = now != *v;
    *v = now;
    return changed;
}

// Cells of the elements the part does not have are painted over.
static int hidden_cell(const Screen &s, const Field &f, planestruct *rec, int e)
{
    if (e < intlim(rec->els[s.part], 0, MAX_ELS))
        return 0;
    int w, h;
    field_size(f, &w, &h);
    int x = grid_cell_x(f, e) - (f.sign ? SIGN_W : 0) - 2;
    MACIBM_fillrect(HIDDEN_COLOR, x, field_top(f) - 2, w + (f.sign ? SIGN_W : 0) + 5, h + 5, 1);
    return 1;
}

static int run_grid(const Screen &s, const Field &f, planestruct *rec, int up)
{
    int changed = 0;
    char *p = value_of(s, f, rec);
    for (int e = 0; e < MAX_ELS; e++) {
        if (hidden_cell(s, f, rec, e))
            continue;
        int x = grid_cell_x(f, e);
        if (f.kind == FK_GRID_NUM)
            changed |= instdbtn_range(DIGIT_COLOR, x, f.y, (float *)p + e, f.dig, f.dec, up,
                                      f.sign, f.lo, f.hi);
        else if (f.kind == FK_GRID_SHOW)
            draw_value(x, f.y + 10, ((float *)p)[e], f.dec);
        else if (up)
            boolbox(x, f.y, ((int *)p)[e] != 0);
        else
            changed |= inboolbtn(x, f.y, (int *)p + e);
    }
    return changed;
}

void draw_value(int x, int y, float v, int dec)
{
    char text[32];
    snprintf(text, sizeof text, "%.*f", intlim(dec, 0, 6), std::isfinite(v) ? (double)v : 0.0);
    MACIBM_drstring(DIGIT_COLOR, x, y, text, 0);
}

static int run_field(const Screen &s, const Field &f, planestruct *rec, int up)
{
    switch (f.kind) {
    case FK_NUM:
    case FK_INT:
    case FK_ELS: return run_number(s, f, rec, up);
    case FK_YESNO:
    case FK_CHOICE: return run_choice(s, f, rec, up);
    case FK_CHECK: {
        int *v = (int *)value_of(s, f, rec);
        if (up) {
            boolbox(f.x, f.y, *v != 0);
            return 0;
        }
        return inboolbtn(f.x, f.y, v);
    }
    case FK_GRID_NUM:
    case FK_GRID_FLAG:
    case FK_GRID_SHOW: return run_grid(s, f, rec, up);
    case FK_FILE: return instringbtn(f.x, f.y, value_of(s, f, rec), up, f.base);
    default: return 0;
    }
}

int run_fields(const Screen &s, planestruct *rec, int up, const Field **changed)
{
    int any = 0;
    for (int k = 0; k < s.nfields; k++)
        if (run_field(s, s.fields[k], rec, up) && !any) {
            any = 1;
            if (changed)
                *changed = &s.fields[k];
        }
    return any;
}

void apply_action(const Screen &s, const Field &f)
{
    switch (f.action) {
    case ACT_PROP_ADV:
    case ACT_PROP_SHAPE: do_prop(s.part, 0); break;
    case ACT_PROP_POINT: do_prop(s.part, 1); break;
    case ACT_BLADE_CHORD: pln.Ctip[s.part] = pln.Croot[s.part]; break;
    default: break;
    }
}

}  // namespace airwright
