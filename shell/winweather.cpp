// The weather window (7): precipitation, turbulence, wind shear, waves,
// temperature, thermals, visibility and clouds on the left; the nine wind
// layers with their step buttons on the right. Every change is followed by
// limwx, which keeps the settings within their ranges.
#include "shell/winlocal.h"

#include <cmath>

#include "flight/flight.h"
#include "world/world.h"

namespace {

constexpr int VALUE = 29;
constexpr int SEL_X = 14, SEL_DX = 92, SEL_W = 80;
constexpr int PRECIP_Y = 62, TABLE_Y = 122, SHEAR_Y = 182;
constexpr int COL_A = 24, TEMP_Y = 206, VIS_Y = 256, THERM_Y = 306, CLIMB_Y = 356;
constexpr int COL_B = 176, TOPS_Y = 26, BASE_Y = 76, AGL_Y = 126;
constexpr int WAVE_AMP_Y = 206, WAVE_LEN_Y = 256, WAVE_SPD_Y = 306, WAVE_DIR_Y = 356;
constexpr float CLEAR_ABOVE_FT = 18000.5f, MAX_CLOUD_FT = 20001.0f;

// The wind rows: five groups of two button columns, 10 pixels each.
constexpr int ROW_Y0 = 39, ROW_DY = 40, UP_H = 10, DOWN_DY = 25;
constexpr int GROUP_X[5] = {293, 333, 373, 413, 453};
constexpr int LABEL_X = 478;

const char *const PRECIP[5] = {"none", "light", "moderate", "heavy", "severe"};
const char *const LIKELY[5] = {"none", "slight", "moderate", "high", "very high"};
const char *const LAYER[NWIND_LAYERS] = {"below 1,000 ft", "1,000-2,000", "2,000-3,000",
                                         "3,000-4,000",    "4,000-5,000", "5,000-7,000",
                                         "7,000-10,000",   "10,000-15,000", "above 15,000"};

float kt() { return con.msctokts; }

}   // namespace

void paint_weather(const Port *)
{
    art_back(607, 409, "Weather");
    static const char *const SEL_CAPTION[3] = {"Rain, thunderstorms", "Turbulence, gusts", "Wind shear chance"};
    const int SEL_Y[3] = {PRECIP_Y, TABLE_Y, SHEAR_Y};
    for (int k = 0; k < 3; k++) {
        art_selector(SEL_X, SEL_Y[k], SEL_DX, SEL_W, "");
        art_text(WIN_CAPTION, SEL_X - 3, SEL_Y[k] - 29, SEL_CAPTION[k]);
    }
    art_field(COL_A, TEMP_Y, 3, "Sea-level temp.", "F");
    art_field(COL_A, VIS_Y, 3, "Visibility", "nm");
    art_field(COL_A, THERM_Y, 2, "Thermals cover", "%");
    art_field(COL_A, CLIMB_Y, 3, "Thermal climb", "fpm");
    art_field(COL_B, TOPS_Y, 5, "Cloud tops", "ft MSL");
    art_field(COL_B, BASE_Y, 5, "Cloud base", "ft MSL");
    art_field(COL_B, AGL_Y, 5, "Base above field", "ft");
    art_text(WIN_NOTE, COL_B - 4, 176, "Above 18,000 ft:");
    art_text(WIN_NOTE, COL_B - 4, 186, "clear sky.");
    art_field(COL_B, WAVE_AMP_Y, 3, "Wave height", "ft");
    art_field(COL_B, WAVE_LEN_Y, 3, "Wave length", "ft");
    art_field(COL_B, WAVE_SPD_Y, 3, "Wave speed", "kt");
    art_field(COL_B, WAVE_DIR_Y, 3, "Waves from", "deg");
    art_text(WIN_TITLE, 293, 14, "Wind layers");
    static const char *const HEAD[5] = {"From", "Speed", "Swing", "Gusts", "Turb"};
    for (int g = 0; g < 5; g++)
        art_text(WIN_CAPTION, GROUP_X[g] - 2, 30, HEAD[g]);
    art_text(WIN_CAPTION, LABEL_X, 30, "Layer");
    for (int r = 0; r < NWIND_LAYERS; r++) {
        int y = ROW_Y0 + ROW_DY * r;
        art_rect(WIN_PANEL, 288, y - 3, 312, 39);
        for (int g = 0; g < 5; g++) {
            int ncol = g == 4 ? 1 : 2;
            for (int c = 0; c < ncol; c++) {
                art_arrow_box(GROUP_X[g] + 10 * c, y, 10, UP_H + 1, 1);
                art_arrow_box(GROUP_X[g] + 10 * c, y + DOWN_DY, 10, UP_H + 1, 0);
            }
            art_rect(WIN_FIELD, GROUP_X[g] - 1, y + 12, ncol == 2 ? 22 : 12, 12);
        }
        art_text(WIN_CAPTION, LABEL_X, y + 22, LAYER[r]);
    }
    art_text(WIN_NOTE, 290, 405, "Left arrows: 10 kt or 100 deg; right: 1 kt or 10");
}

// One wind row's five values: directions rounded to tens, speeds in knots.
static void wind_row(int r)
{
    int y = ROW_Y0 + ROW_DY * r + 13;
    int v[5] = {10 * (int)floorf(atm.wnddir[r] / 10.0f + 0.5f), (int)floorf(atm.wndspd[r] * kt() + 0.5f),
                10 * (int)floorf(atm.shrdir[r] / 10.0f + 0.5f), (int)floorf(atm.shrspd[r] * kt() + 0.5f),
                (int)floorf(atm.tbl[r] + 0.5f)};
    for (int g = 0; g < 5; g++) {
        int dig = g == 4 ? 1 : g == 0 || g == 2 ? 3 : 2;
        MACIBM_fillrect(WIN_FIELD, GROUP_X[g] - 1, y - 1, g == 4 ? 12 : 22, 12, 1);
        intnum(GROUP_X[g] + (g == 4 ? 2 : dig == 2 ? 4 : 1), y + 1, v[g], dig, VALUE, -1, 0, 0);
    }
}

int windclick()
{
    int x = msc.mx, y = msc.my;
    for (int r = 0; r < NWIND_LAYERS; r++) {
        int top = ROW_Y0 + ROW_DY * r;
        int sign = 0;
        if (y >= top && y <= top + UP_H)
            sign = 1;
        else if (y >= top + DOWN_DY && y <= top + DOWN_DY + UP_H)
            sign = -1;
        if (!sign)
            continue;
        for (int g = 0; g < 5; g++) {
            int c = (x - GROUP_X[g]) / 10;
            if (x < GROUP_X[g] || c > (g == 4 ? 0 : 1))
                continue;
            float big = c == 0;
            switch (g) {
            case 0: atm.wnddir[r] += sign * (big ? 100.0f : 10.0f); break;
            case 1: atm.wndspd[r] += sign * (big ? 10.0f : 1.0f) / kt(); break;
            case 2: atm.shrdir[r] += sign * (big ? 100.0f : 10.0f); break;
            case 3: atm.shrspd[r] += sign * (big ? 10.0f : 1.0f) / kt(); break;
            default: atm.tbl[r] += sign; break;
            }
            limwx();
            wind_row(r);
            return 1;
        }
    }
    return 0;
}

void set_precipitation(int p)
{
    atm.rain_tstm = intlim(p, 1, 5);
    if (atm.rain_tstm < 2)
        atm.strike_up = 0;
    else if (atm.baseMSL > CLEAR_ABOVE_FT * con.fttomtrs) {
        atm.baseMSL = 18000.0f * con.fttomtrs;
        atm.clear = 0;
    }
    limwx();
}

void set_clouds_ft(int f, float tops, float base, float agl)
{
    float field = env.fieldh * con.mtrstoft;
    if (f == 2)
        base = agl + field;
    if (f == 0) {
        tops = fltlim(tops, fltmax2(0.0f, field + 2000.0f), MAX_CLOUD_FT);
        base = fltmin2(base, tops - 2000.0f);
    } else {
        base = fltlim(base, fltmax2(50.0f, field + 50.0f), MAX_CLOUD_FT);
        tops = fltmax2(tops, fltmin2(base + 2000.0f, MAX_CLOUD_FT));
    }
    atm.clear = base > CLEAR_ABOVE_FT;
    if (atm.clear) {
        atm.rain_tstm = 1;
        base = tops = MAX_CLOUD_FT;
    }
    atm.topsMSL = tops * con.fttomtrs;
    atm.baseMSL = base * con.fttomtrs;
    atm.baseAGL = atm.baseMSL - env.fieldh;
    limwx();
}

// The three cloud fields: the numbers, or "clear".
static void cloud_fields(int up)
{
    float field = env.fieldh * con.mtrstoft;
    float v[3] = {atm.topsMSL * con.mtrstoft, atm.baseMSL * con.mtrstoft, atm.baseAGL * con.mtrstoft};
    const int Y[3] = {TOPS_Y, BASE_Y, AGL_Y};
    const float HI[3] = {MAX_CLOUD_FT, MAX_CLOUD_FT, MAX_CLOUD_FT - field};
    for (int f = 0; f < 3 && !up; f++)
        if (instdbtn_range(VALUE, COL_B, Y[f], &v[f], 5, 0, 0, 0, 0.0f, fltmax2(HI[f], 50.0f))) {
            set_clouds_ft(f, v[0], v[1], v[2]);
            break;
        }
    float now[3] = {atm.topsMSL * con.mtrstoft, atm.baseMSL * con.mtrstoft, atm.baseAGL * con.mtrstoft};
    for (int f = 0; f < 3; f++) {
        MACIBM_fillrect(WIN_FIELD, COL_B - 3, Y[f] + 7, 5 * FIELD_COL_W + 4, 21, 1);
        if (atm.clear)
            MACIBM_drstring(VALUE, COL_B + 6, Y[f] + 22, "clear", 0);
        else
            instdbtn_range(VALUE, COL_B, Y[f], &now[f], 5, 0, 1, 0, -1e30f, 1e30f);
    }
}

// Every widget but the wind rows; returns 1 when the clouds or the
// precipitation changed (the other redraws itself).
static int weather_widgets(int up)
{
    int changed = 0;
    int p = atm.rain_tstm;
    if (in5textbtn(SEL_X, PRECIP_Y, PRECIP[0], PRECIP[1], PRECIP[2], PRECIP[3], PRECIP[4], SEL_DX, SEL_W, &p,
                   up)) {
        set_precipitation(p);
        changed = 1;
    }
    if (in5textbtn(SEL_X, TABLE_Y, PRECIP[0], PRECIP[1], PRECIP[2], PRECIP[3], PRECIP[4], SEL_DX, SEL_W,
                   &atm.wind_tbl, up)) {
        assign_wind_tbl(1.0f);
        for (int k = 0; k < 6; k++)
            assign_wind_tbl(0.1f);
        limwx();
        for (int r = 0; r < NWIND_LAYERS; r++)
            wind_row(r);
    }
    in5textbtn(SEL_X, SHEAR_Y, LIKELY[0], LIKELY[1], LIKELY[2], LIKELY[3], LIKELY[4], SEL_DX, SEL_W,
               &atm.shear_prob, up);
    float ft = con.mtrstoft;
    float temp = atm.temp_SL, vis = atm.vis * con.mtrstonm, therm = floorf(atm.thermal_part * 100.0f + 0.5f);
    float amp = atm.wave_amp * ft, len = atm.wave_length * ft, spd = atm.wave_speed * kt();
    float dir = (float)atm.wave_dir;
    if (instdbtn_range(VALUE, COL_A, TEMP_Y, &temp, 3, 0, up, 1, -20.0f, 100.0f))
        atm.temp_SL = temp;
    if (instdbtn_range(VALUE, COL_A, VIS_Y, &vis, 3, 1, up, 0, 0.2f, 20.0f))
        atm.vis = vis * con.nmtomtrs;
    if (instdbtn_range(VALUE, COL_A, THERM_Y, &therm, 2, 0, up, 0, 0.0f, 99.0f))
        atm.thermal_part = therm / 100.0f;
    instdbtn_range(VALUE, COL_A, CLIMB_Y, &atm.thermal_vvi, 3, 0, up, 0, 0.0f, 999.0f);
    if (instdbtn_range(VALUE, COL_B, WAVE_AMP_Y, &amp, 3, 1, up, 0, 0.0f, 9.9f * ft))
        atm.wave_amp = amp / ft;
    if (instdbtn_range(VALUE, COL_B, WAVE_LEN_Y, &len, 3, 0, up, 0, 0.0f, 99.0f * ft))
        atm.wave_length = len / ft;
    if (instdbtn_range(VALUE, COL_B, WAVE_SPD_Y, &spd, 3, 0, up, 0, 0.0f, 99.0f * kt()))
        atm.wave_speed = spd / kt();
    if (instdbtn_range(VALUE, COL_B, WAVE_DIR_Y, &dir, 3, 0, up, 0, 0.0f, 360.0f))
        atm.wave_dir = (int)dir;
    float base_before = atm.baseMSL;
    int clear_before = atm.clear;
    cloud_fields(up);
    limwx();
    return changed || base_before != atm.baseMSL || clear_before != atm.clear;
}

void wxrplot()
{
    window_back(BMP_WEATHER);
    weather_widgets(1);
    for (int r = 0; r < NWIND_LAYERS; r++)
        wind_row(r);
}

void wxrclick(int)
{
    if (windclick())
        return;
    if (weather_widgets(0)) {
        int p = atm.rain_tstm;
        in5textbtn(SEL_X, PRECIP_Y, PRECIP[0], PRECIP[1], PRECIP[2], PRECIP[3], PRECIP[4], SEL_DX, SEL_W, &p, 1);
        cloud_fields(1);
    }
}
