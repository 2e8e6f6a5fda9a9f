// Foilwright's editor and plot: the constant fields of both screens, the
// curves in the two views with their scales, and the cursor line with its
// numeric read-out.
#include "foilwright/foilwright.h"

#include <cmath>

namespace foilwright {

struct Field {
    float *var;
    int color, x, y, dec;
};

// Every airfoil field is 5 digits, signed, except Re (3 digits, 1 decimal).
static const Field AIRFOIL_FIELDS[] = {
    {&afl.clB, CL_COLOR, 9, 85, 4},      {&afl.clM, CL_COLOR, 70, 85, 4},
    {&afl.Lpow, CL_COLOR, 131, 85, 4},   {&afl.Lstall, CL_COLOR, 192, 85, 4},
    {&afl.Ldrop1, CL_COLOR, 9, 138, 4},  {&afl.Lpowstl, CL_COLOR, 70, 138, 4},
    {&afl.Ldrop2, CL_COLOR, 131, 138, 4},
    {&afl.Dmin, CD_COLOR, 9, 191, 4},    {&afl.DminCL, CD_COLOR, 70, 191, 4},
    {&afl.Dal10, CD_COLOR, 131, 191, 4}, {&afl.Dpow, CD_COLOR, 192, 191, 4},
    {&afl.Bloc, CD_COLOR, 9, 244, 4},    {&afl.Bwidth, CD_COLOR, 70, 244, 4},
    {&afl.Bdepth, CD_COLOR, 131, 244, 4},{&afl.Bpower, CD_COLOR, 192, 244, 4},
    {&afl.cmal2, CM_COLOR, 70, 297, 3},  {&afl.cmal3, CM_COLOR, 131, 297, 3},
    {&afl.cm1, CM_COLOR, 9, 350, 4},     {&afl.cm2, CM_COLOR, 70, 350, 4},
    {&afl.cm3, CM_COLOR, 131, 350, 4},   {&afl.cm4, CM_COLOR, 192, 350, 4},
    {&afl.almin, ALPHA_COLOR, 70, 403, 3}, {&afl.almax, ALPHA_COLOR, 131, 403, 3},
};
static const Field FLAP_FIELDS[] = {
    {&flp.lco1, CL_COLOR, 9, 85, 4},  {&flp.lco2, CL_COLOR, 70, 85, 4},
    {&flp.lco3, CL_COLOR, 131, 85, 4},
    {&flp.dco1, CD_COLOR, 9, 138, 4}, {&flp.dco2, CD_COLOR, 70, 138, 4},
    {&flp.dco3, CD_COLOR, 131, 138, 4},
    {&flp.mco1, CM_COLOR, 9, 191, 4}, {&flp.mco2, CM_COLOR, 70, 191, 4},
    {&flp.mco3, CM_COLOR, 131, 191, 4},
};

int handleclick(int up)
{
    MACIBM_startwind(0, 0);
    int changed = 0;
    if (msc.device == DEVICE_FLAP) {
        for (const Field &f : FLAP_FIELDS)
            changed |= instdbtn(f.color, f.x, f.y, f.var, 5, f.dec, up, 1);
    } else {
        changed |= instdbtn(CL_COLOR, 101, 19, &afl.Re, 3, 1, up, 0);
        for (const Field &f : AIRFOIL_FIELDS)
            changed |= instdbtn(f.color, f.x, f.y, f.var, 5, f.dec, up, 1);
        // The fixed ends of the moment segments.
        fltnum(12, 310, -20.0f, 2, 0, CM_COLOR, 4, 1, 1);
        fltnum(195, 310, 20.0f, 2, 0, CM_COLOR, 4, 1, 1);
    }
    if (!up && changed) {
        generate();
        msc.devicemod = 1;
    }
    return changed;
}

// Table slot of plot column `column` in the current device.
static int column_slot(int column)
{
    return msc.device == DEVICE_FLAP ? column : column + 70;
}

// Column of angle `alpha_deg` on the airfoil plot (-20..20 deg over 0..400).
static int alpha_column(float alpha_deg)
{
    float c = (alpha_deg + 20.0f) * 10.0f;
    return c < -1.0f ? -1 : c > PLOT_COLUMNS ? PLOT_COLUMNS : (int)floorf(c + 0.5f);
}

void elementpoint(int colour, int column, float value)
{
    float px = value * 200.0f;
    if (!(px > -10000.0f && px < 10000.0f))
        return;   // far off the plot (or not a number): nothing to draw
    long y = 220 - (long)px;
    if (y < 3 || y > 435 || column < -2 || column > 406)
        return;
    MACIBM_fillrect(colour, PLOT_X0 + column, (int)y, 1, 2, 1);
}

// Horizontal position of column `column` in the polar view: the column
// limited to the unstalled range, placed by its lift coefficient.
static int polar_position(int column, int *slot)
{
    if (msc.device != DEVICE_FLAP) {
        int lo = alpha_column(afl.almin), hi = alpha_column(afl.almax) - 1;
        column = intlim(column, intlim(lo, 0, PLOT_COLUMNS - 1), intlim(hi, 0, PLOT_COLUMNS - 1));
    }
    *slot = column_slot(column);
    float c = cl[*slot];
    float pos = msc.device == DEVICE_FLAP ? c * 200.0f : 200.0f + c * 125.0f;
    return pos > -1000.0f && pos < 1000.0f ? (int)(long)pos : -1000;
}

// mode 1 draws the column's marks, 0 erases them; cursor draws the cursor
// line under them first (lineup paints an old line out itself).
void plotelement(int column, int mode, int cursor)
{
    if (column < 0 || column >= PLOT_COLUMNS)
        return;
    if (cursor)
        MACIBM_line(CURSOR_COLOR, PLOT_X0 + column, 20, PLOT_X0 + column, 420, 1);
    int slot = column_slot(column), at = column;
    if (msc.view == VIEW_POLAR)
        at = polar_position(column, &slot);
    else
        elementpoint(mode ? CL_COLOR : BACK_COLOR, at, cl[slot] * cls);
    elementpoint(mode ? CD_COLOR : BACK_COLOR, at, cd[slot] * cds);
    elementpoint(mode ? CM_COLOR : BACK_COLOR, at, cm[slot] * cms);
}

void generate()
{
    generate_tables(msc.device);
    cls = 0.5f;
    cds = msc.device == DEVICE_FLAP ? 5.0f : 50.0f;
    cms = 1.0f;
    MACIBM_startwind(0, 0);
    MACIBM_fillrect(BACK_COLOR, 248, 3, 409, 434, 1);
    for (int column = 0; column < PLOT_COLUMNS; column++)
        plotelement(column, 1, 0);
    lineup(1);
}

// The read-out of column lastx at the top left.
static void draw_readout()
{
    int slot = column_slot(lastx);
    readout[0] = msc.device == DEVICE_FLAP ? lastx / 400.0f : lastx / 400.0f * 40.0f - 20.0f;
    readout[1] = cl[slot];
    readout[2] = cd[slot];
    readout[3] = cm[slot];
    static const int COLOURS[4] = {ALPHA_COLOR, CL_COLOR, CD_COLOR, CM_COLOR};
    for (int k = 0; k < 4; k++) {
        MACIBM_fillrect(BACK_COLOR, 24, 6 + 15 * k, 66, 12, 1);
        fltnum(33, 6 + 15 * k, readout[k], 5, k == 0 ? 3 : 4, COLOURS[k], 4, 1, 1);
    }
}

void lineup(int redraw_only)
{
    if (!mnw.up[0])
        return;
    int column = lastx;
    if (!redraw_only && msc.mx >= PLOT_X0 && msc.mx <= PLOT_X0 + 400 && msc.my >= 20 &&
        msc.my <= 420)
        column = msc.mx - PLOT_X0;
    if (column < 0 || (column == lastx && !redraw_only))
        return;
    MACIBM_startwind(0, 0);
    if (lastx >= 0 && lastx != column) {
        int x = PLOT_X0 + lastx;
        MACIBM_line(BACK_COLOR, x, 20, x, 420, 1);
        if (msc.view == VIEW_POLAR) {
            // Marks of any column may lie on the old line in this view.
            for (int c = 0; c < PLOT_COLUMNS; c++)
                plotelement(c, 1, 0);
        } else {
            plotelement(lastx, 1, 0);
        }
    }
    lastx = column;
    plotelement(lastx, 1, 1);
    draw_readout();
}

void update_screen(int window)
{
    if (window != 0)
        return;
    int flap = msc.device == DEVICE_FLAP, polar = msc.view == VIEW_POLAR;
    MACIBM_bitmap(0, 0, polar ? (flap ? SCREEN_FLAP_POLAR : SCREEN_AIRFOIL_POLAR)
                              : (flap ? DEVICE_FLAP : DEVICE_AIRFOIL));
    handleclick(1);
    generate();
}

}  // namespace foilwright
