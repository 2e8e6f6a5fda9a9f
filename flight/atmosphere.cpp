// The air at the aircraft: density from a table of the standard atmosphere
// (slug/ft^3 by thousands of feet), temperature from the standard lapse
// profile shifted by the day's sea-level temperature, speed of sound and
// gravity. Table values: U.S. Standard Atmosphere 1976, density column in
// slug/ft^3; temperature breakpoints in degrees Rankine at geopotential feet.
#include "flight/flight.h"

#include <cmath>

constexpr float STD_TEMP_SL_F = 59.02f;     // the profile's own sea-level temperature
constexpr float RANKINE_OFFSET = 459.67f;   // deg F to deg R
constexpr float STD_TEMP_SL_R = 518.69f;
constexpr float GAMMA_R_AIR = 401.8f;       // 1.4 x 287 J/(kg K): a = sqrt(gamma R T)
constexpr float MIN_TEMP_SL_F = -100.0f;    // keeps T and the density ratio positive
constexpr float MAX_TEMP_SL_F = 150.0f;

struct DensityRow { float kft, slugs; };
static const DensityRow DENSITY_ROWS[NDENSITY_ROWS] = {
    {0, 0.0023769f}, {10, 0.001756f}, {20, 0.001267f}, {30, 0.0008907f},
    {40, 0.0005873f}, {50, 0.0003639f}, {60, 0.0002256f}, {70, 0.0001399f},
    {80, 8.594e-5f}, {90, 5.253e-5f}, {100, 3.211e-5f}, {110, 2.001e-5f},
    {120, 1.27e-5f}, {130, 8.19e-6f}, {140, 5.364e-6f}, {150, 3.564e-6f},
    {160, 2.433e-6f}, {170, 1.693e-6f}, {180, 1.2e-6f}, {190, 8.589e-7f},
    {200, 6.061e-7f}, {259, 0.0f}};

struct TempPoint { float ft, rankine; };
constexpr int NTEMP_POINTS = 5;
static const TempPoint TEMP_PROFILE[NTEMP_POINTS] = {
    {0.0f, 518.69f}, {36152.0f, 390.5f}, {82346.0f, 390.5f},
    {155348.0f, 508.8f}, {175344.0f, 508.8f}};

void assign_hr(int i, float kft, float slugs)
{
    if (i < 0 || i >= NDENSITY_ROWS)
        return;
    atm.hr[i][0] = kft * 1000.0f * con.fttomtrs;
    atm.hr[i][1] = slugs * con.endtomed;
}

void fill_density_table()
{
    for (int i = 0; i < NDENSITY_ROWS; i++)
        assign_hr(i, DENSITY_ROWS[i].kft, DENSITY_ROWS[i].slugs);
}

// Linear in the segment holding h; the last such segment wins. Outside the
// table the nearer end row holds.
static float table_density(float h_m)
{
    if (h_m <= atm.hr[0][0])
        return atm.hr[0][1];
    if (h_m >= atm.hr[NDENSITY_ROWS - 1][0])
        return atm.hr[NDENSITY_ROWS - 1][1];
    float rho = atm.hr[0][1];
    for (int i = 0; i + 1 < NDENSITY_ROWS; i++) {
        float h0 = atm.hr[i][0], h1 = atm.hr[i + 1][0];
        if (h_m >= h0 && h_m <= h1 && h1 > h0)
            rho = interp(h0, atm.hr[i][1], h1, atm.hr[i + 1][1], h_m);
    }
    return rho;
}

// Degrees Rankine of the standard profile; constant above its top, the
// first lapse rate continued below sea level.
static float profile_rankine(float h_ft)
{
    if (h_ft >= TEMP_PROFILE[NTEMP_POINTS - 1].ft)
        return TEMP_PROFILE[NTEMP_POINTS - 1].rankine;
    int seg = 0;
    for (int i = 0; i + 1 < NTEMP_POINTS; i++)
        if (h_ft >= TEMP_PROFILE[i].ft)
            seg = i;
    const TempPoint &a = TEMP_PROFILE[seg], &b = TEMP_PROFILE[seg + 1];
    return interp(a.ft, a.rankine, b.ft, b.rankine, h_ft);
}

void air_state(float h_m)
{
    if (!std::isfinite(h_m))
        h_m = 0.0f;
    float temp_sl_f = std::isnan(atm.temp_SL) ? STD_TEMP_SL_F
                                              : fltlim(atm.temp_SL, MIN_TEMP_SL_F, MAX_TEMP_SL_F);
    atm.T = profile_rankine(h_m * con.mtrstoft) * con.dgrtodgk +
            (temp_sl_f - STD_TEMP_SL_F) * con.dgrtodgk;
    atm.a = sqrtf(GAMMA_R_AIR * atm.T);
    atm.rho = table_density(h_m) * STD_TEMP_SL_R / (temp_sl_f + RANKINE_OFFSET);
    atm.crtsig = atm.rho / con.rhoSL;
}

void air_gravity(float h_m)
{
    float r = con.rearth + fltmax2(h_m, -con.rearth * 0.5f);
    atm.g = con.muearth / (r * r);
}

int wind_index(float h_m)
{
    // Upper bounds of layers 0..7: 1000, 2000, 3000, 4000, 5000, 7000,
    // 10000 and 15000 ft; layer 8 is everything above.
    static const float LAYER_TOP_M[NWIND_LAYERS - 1] = {
        304.8f, 609.6f, 914.4f, 1219.2f, 1524.0f, 2133.6f, 3048.0f, 4572.0f};
    for (int i = 0; i < NWIND_LAYERS - 1; i++)
        if (h_m < LAYER_TOP_M[i])
            return i;
    return NWIND_LAYERS - 1;
}
