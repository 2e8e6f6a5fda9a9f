// The preferences: the sections shared by "Vortan.prf" and the situation
// files (aircraft, region and start, weather, switches and data output,
// radios, time step), their reader and writer, the factory settings with the
// first-start dialogue, and the data-output selection derived from them.
#include "shell/local.h"

#include <cmath>
#include <cstring>

#include "atc/atc.h"
#include "files/files.h"
#include "flight/flight.h"
#include "output/output.h"
#include "panel/panel.h"
#include "view/view.h"
#include "world/world.h"

constexpr int PREFS_VERSION = 40;
constexpr int MAX_START_RUNWAY = 4;     // runway ends 1..4
constexpr int MAX_TIME_CODE = 4;        // 1 day .. 4 dark night
constexpr int MAX_WX_CODE = 5;          // weather severities 1..5
constexpr float MAX_ABS_VALUE = 1.0e7f; // far beyond any sane setting or position
constexpr float CLEAR_ABOVE_FT = 18000.5f;   // bases above this: no cloud layer

// ---------------------------------------------------------------- reading
// Every value goes through these: a value missing, not finite or outside the
// range its table allows is not stored and makes the next checkpoint fail,
// since a bad index would reach a table later.
static int read_ok = 1;

static void take_int(int v, int lo, int hi, int *dst)
{
    if (!inf_good() || v < lo || v > hi)
        read_ok = 0;
    else
        *dst = v;
}

static void take_flt(float v, float *dst)
{
    if (!inf_good() || !std::isfinite(v) || fabsf(v) > MAX_ABS_VALUE)
        read_ok = 0;
    else
        *dst = v;
}

static void scan_int(int lo, int hi, int *dst) { take_int(intscan(), lo, hi, dst); }
static void scan_flt(float *dst) { take_flt(fltscan(), dst); }
static void word_int(int lo, int hi, int *dst) { take_int(intscanNOSN(), lo, hi, dst); }
static void word_flt(float *dst) { take_flt(fltscanNOSN(), dst); }

int PREFScheckpoint(int pointwanted)
{
    show_init();
    rln();
    int point = intscan();
    if (!read_ok || !inf_good() || point != pointwanted)
        return 0;
    rln();
    return 1;
}

// Aircraft file name and path, scenery path: whole lines.
static void grab_names()
{
    spacescan(pln.C_file);
    spacescan(pln.C_path);
    spacescan(env.C_path);
}

// The region and start: latitudes the quadrant names can carry, airport
// slots of the navigation table, runway ends 1..4, time codes 1..4.
static int grab_region()
{
    if (!PREFScheckpoint(100))
        return 0;
    scan_int(-89, 89, &env.lat_south);
    scan_int(-359, 359, &env.lon_west);
    scan_int(0, MAX_NAV - 1, &msc.loc_apt);
    scan_int(1, MAX_START_RUNWAY, &msc.rway_sel);
    scan_int(1, MAX_TIME_CODE, &scn.time);
    scan_flt(&atm.temp_SL);
    return 1;
}

static int grab_weather()
{
    if (!PREFScheckpoint(101))
        return 0;
    scan_int(1, MAX_WX_CODE, &atm.rain_tstm);
    scan_int(1, MAX_WX_CODE, &atm.wind_tbl);
    scan_int(1, MAX_WX_CODE, &atm.shear_prob);
    scan_flt(&atm.topsMSL);
    scan_flt(&atm.baseMSL);
    atm.clear = atm.baseMSL > CLEAR_ABOVE_FT * con.fttomtrs;
    scan_flt(&atm.vis);
    for (int i = 0; i < NWIND_LAYERS; i++) {
        word_flt(&atm.wnddir[i]);
        word_flt(&atm.wndspd[i]);
        word_flt(&atm.shrdir[i]);
        word_flt(&atm.shrspd[i]);
        word_flt(&atm.tbl[i]);
        rln();
    }
    if (!PREFScheckpoint(102))
        return 0;
    scan_flt(&atm.wave_amp);
    scan_flt(&atm.wave_length);
    scan_flt(&atm.wave_speed);
    float dir = atm.wave_dir;   // stored as a float, truncated to whole degrees
    scan_flt(&dir);
    take_int((int)dir, 0, 360, &atm.wave_dir);
    atm.thermal_part = 0.0f;
    atm.thermal_vvi = 0.0f;
    return 1;
}

// Switches and the data-output selection. Disk output always starts off:
// the stored column is read past.
static int grab_switches()
{
    if (!PREFScheckpoint(103))
        return 0;
    int *const SWITCHES[7] = {&msc.sound_on,       &atc.voice_out,  &atc.text_out, &msc.warn_frame,
                              &msc.warn_overspeed, &msc.warn_flaps, &msc.warn_gpws};
    for (int *sw : SWITCHES)
        *sw = bolscan();
    for (int i = 0; i < MAX_DATA_ITEMS; i++) {
        intscanNOSN();
        set.Bdsk[i] = 0;
        set.Brlt[i] = intscanNOSN() != 0;
        set.Bgrf[i] = intscanNOSN() != 0;
        rln();
    }
    scan_flt(&set.damp);
    scan_flt(&set.joy_rat);
    scan_int(INT32_MIN, INT32_MAX, &set.nwheel_steer_type);
    scan_int(INT32_MIN, INT32_MAX, &set.recip_hel_thrt_type);
    return 1;
}

// The GPS index counts into the country table of its kind.
static int gps_table_size(int mode)
{
    return mode == 1 ? MAX_NDB_US : (mode == 2 ? MAX_VOR_US : MAX_APT_US);
}

static int grab_radios()
{
    if (!PREFScheckpoint(104))
        return 0;
    word_flt(&nav.vol[0]);
    word_flt(&nav.vol[1]);
    rln();
    for (int r = 0; r < 2; r++) {
        word_int(108, 117, &nav.nf[r]);
        word_int(0, 99, &nav.nf100[r]);
        rln();
    }
    for (int r = 0; r < 2; r++) {
        word_int(118, 136, &nav.cf[r]);
        word_int(0, 99, &nav.cf100[r]);
        rln();
    }
    word_int(0, 9, &nav.adf1);
    word_int(0, 9, &nav.adf2);
    word_int(0, 9, &nav.adf3);
    rln();
    scan_flt(&nav.obs[0]);
    scan_flt(&nav.obs[1]);
    scan_int(0, 1, &nav.dmesel);
    scan_int(1, 3, &nav.gps_index_mode);
    scan_int(1, 2, &nav.gps_display_mode);
    scan_int(0, gps_table_size(nav.gps_index_mode) - 1, &nav.gpsindex);
    return 1;
}

int grab_prefs()
{
    read_ok = 1;
    grab_names();
    if (!grab_region() || !grab_weather() || !grab_switches() || !grab_radios())
        return 0;
    if (!PREFScheckpoint(105))
        return 0;
    float prd = msc.prd;
    scan_flt(&prd);
    if (!read_ok)
        return 0;
    msc.prd = fltlim(prd, 0.01f, 0.1f);
    return 1;
}

int readprefs()
{
    if (!inf_open(prefs_path, PREFS_VERSION, 1))
        return 0;
    return grab_prefs();
}

// ---------------------------------------------------------------- writing
static void dump_weather()
{
    ouf_printf("%d wx\n%d wx\n%d wx\n", atm.rain_tstm, atm.wind_tbl, atm.shear_prob);
    ouf_printf("%f tops,  m\n%f bases, m\n%f vis,   km\n", atm.topsMSL, atm.baseMSL, atm.vis);
    for (int i = 0; i < NWIND_LAYERS; i++)
        ouf_printf("%f %f %f %f %f  wx data\n", atm.wnddir[i], atm.wndspd[i], atm.shrdir[i],
                   atm.shrspd[i], atm.tbl[i]);
    ouf_printf("\n102 checkpoint\n\n");
    ouf_printf("%f wave stuff, metric\n%f wave stuff, metric\n%f wave stuff, metric\n",
               atm.wave_amp, atm.wave_length, atm.wave_speed);
    ouf_printf("%d wave stuff, metric\n", atm.wave_dir);
}

static void dump_switches()
{
    const int SWITCHES[7] = {msc.sound_on,       atc.voice_out,  atc.text_out, msc.warn_frame,
                             msc.warn_overspeed, msc.warn_flaps, msc.warn_gpws};
    for (int sw : SWITCHES)
        ouf_printf("%d prefs on/off\n", sw ? 1 : 0);
    for (int i = 0; i < MAX_DATA_ITEMS; i++)
        ouf_printf("%d %d %d\n", set.Bdsk[i] ? 1 : 0, set.Brlt[i] ? 1 : 0, set.Bgrf[i] ? 1 : 0);
    ouf_printf("%f damping\n%f joystick ratio (sensitivity)\n", set.damp, set.joy_rat);
    ouf_printf("%d nwheel steering type\n%d recip hel throt type\n", set.nwheel_steer_type,
               set.recip_hel_thrt_type);
}

static void dump_radios()
{
    ouf_printf("%f %f nav volumes\n", nav.vol[0], nav.vol[1]);
    ouf_printf("%d %d nav 1\n%d %d nav 2\n", nav.nf[0], nav.nf100[0], nav.nf[1], nav.nf100[1]);
    ouf_printf("%d %d com 1\n%d %d com 2\n", nav.cf[0], nav.cf100[0], nav.cf[1], nav.cf100[1]);
    ouf_printf("%d %d %d adf\n", nav.adf1, nav.adf2, nav.adf3);
    ouf_printf("%f obs 1\n%f obs 2\n", nav.obs[0], nav.obs[1]);
    ouf_printf("%d dme mode\n%d gps mode\n%d gps mode\n%d gps index\n", nav.dmesel,
               nav.gps_index_mode, nav.gps_display_mode, nav.gpsindex);
}

void dump_prefs()
{
    ouf_printf("%s\n%s\n%s\n", pln.C_file, pln.C_path, env.C_path);
    ouf_printf("\n100 checkpoint\n\n");
    ouf_printf("%d south corner lat\n%d west corner lon\n", env.lat_south, env.lon_west);
    ouf_printf("%d apt start \n%d rway selection\n%d time\n", msc.loc_apt, msc.rway_sel, scn.time);
    ouf_printf("%f temp\n", atm.temp_SL);
    ouf_printf("\n101 checkpoint\n\n");
    dump_weather();
    ouf_printf("\n103 checkpoint\n\n");
    dump_switches();
    ouf_printf("\n104 checkpoint\n\n");
    dump_radios();
    ouf_printf("\n105 checkpoint\n\n");
    ouf_printf("%f  period\n", msc.prd);
}

// ---------------------------------------------------------------- factory settings
void remember_aircraft(const char *path)
{
    size_t n = strlen(app_path);
    C_to_C(n > 0 && strncmp(path, app_path, n) == 0 ? path + n : path, pln.C_file);
    C_to_C(path, pln.C_path);
}

// The aircraft of the first start: the dialog opens in the program's
// aircraft folder with the trainer proposed, so Enter starts on it.
static void choose_first_aircraft()
{
    char file[MAX_STR] = "", path[MAX_STR];
    ap_dir("Aircraft", "Trainer.acf", path);
    if (!MACIBM_open(file, path, FILE_ACF))
        MACIBM_exitalert("I did not get a valid aircraft from you.",
                         "If you want to try again, navigate to the same folder that this program is in.",
                         "Then select an aircraft file.", "Aircraft files have a '.acf' suffix.");
    remember_aircraft(path);
}

static void factory_weather()
{
    atm.temp_SL = 59.0f;
    atm.rain_tstm = atm.wind_tbl = atm.shear_prob = 1;
    atm.topsMSL = 5000.0f * con.fttomtrs;
    atm.baseMSL = 4000.0f * con.fttomtrs;
    atm.clear = 0;
    atm.vis = 10.0f * con.nmtomtrs;
    for (int i = 0; i < NWIND_LAYERS; i++)
        atm.wnddir[i] = atm.wndspd[i] = atm.shrdir[i] = atm.shrspd[i] = atm.tbl[i] = 0.0f;
    atm.wave_amp = 0.3f;
    atm.wave_length = 10.0f;
    atm.wave_speed = 2.0f;
    atm.wave_dir = 0;
    atm.thermal_part = atm.thermal_vvi = 0.0f;
}

void factory_radios()
{
    for (int r = 0; r < 2; r++) {
        nav.vol[r] = 0.5f;
        nav.nf[r] = 111;
        nav.nf100[r] = 70;
        nav.cf[r] = 121;
        nav.cf100[r] = 0;
        nav.obs[r] = 0.0f;
    }
    nav.adf1 = 2;
    nav.adf2 = 1;
    nav.adf3 = 0;
    nav.dmesel = 0;
    nav.gps_index_mode = 3;
    nav.gps_display_mode = 1;
    nav.gpsindex = 1500;
}

void hardprefs()
{
    MACIBM_alert("Welcome to Vortan for Linux.",
                 "Since you have never flown with us before, you will now select an aircraft to start your flying in Vortan.",
                 "", "");
    choose_first_aircraft();
    standard_env_path("---", env.C_path);
    env.lat_south = 33;
    env.lon_west = 119;
    msc.loc_apt = 41;
    msc.rway_sel = 1;
    scn.time = 2;
    factory_weather();
    msc.sound_on = msc.sound_avail;
    atc.voice_out = msc.speech_avail;
    atc.text_out = 1;
    msc.warn_frame = msc.warn_overspeed = msc.warn_flaps = msc.warn_gpws = 1;
    for (int i = 0; i < MAX_DATA_ITEMS; i++)
        set.Bdsk[i] = set.Brlt[i] = set.Bgrf[i] = 0;
    set.damp = 0.5f;
    set.joy_rat = 0.75f;
    set.nwheel_steer_type = set.recip_hel_thrt_type = 0;
    factory_radios();
    msc.prd = 0.05f;
}

void initprefs()
{
    int ok = readprefs();
    inf_close();
    if (!ok)
        hardprefs();   // the task-bar note that followed has no counterpart here
    set_rlt_grf_choices();
}

// ---------------------------------------------------------------- data-output selection
// The first four items (in item order) shown on the panel and graphed, the
// graph emptied, and whether each kind of output is wanted at all.
void set_rlt_grf_choices()
{
    int nrlt = 0, ngrf = 0;
    for (int k = 0; k < 4; k++)
        set.rltsel[k] = set.grfsel[k] = -1;
    set.dskout = set.rltout = set.grfout = 0;
    for (int i = 0; i < MAX_DATA_ITEMS; i++) {
        if (set.Brlt[i] && nrlt < 4)
            set.rltsel[nrlt++] = i;
        if (set.Bgrf[i] && ngrf < 4)
            set.grfsel[ngrf++] = i;
        set.dskout |= set.Bdsk[i] != 0;
        set.rltout |= set.Brlt[i] != 0;
        set.grfout |= set.Bgrf[i] != 0;
    }
    cleargraph();
}
