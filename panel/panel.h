// The instrument panel and radios: panel state `ins` and radio record
// `nav`, the panel's offsets and lever rows, and the panel's drawing:
// panplot paints the panel of the loaded aircraft, updatepanel moves its
// instruments each frame. The radios' tuning and the panel clicks come later.
#pragma once
#include "common/common.h"

constexpr int TAPE_W = 5, TAPE_H = 90;            // rolling-digit font: 10 digits of 9 rows
constexpr int NAV_PICS = 10, NAV_PIC_W = 10, NAV_PIC_H = 11;
constexpr int MAX_TICKS = 60;

struct inststruct {
    int HUD_on, HOOP_on, radar_on;
    int map_mode, arg_mode;
    float map_range, arg_range, rad_range;  // nm
    float baro;              // inHg, altimeter setting
    int tickle_all, tickle_gps, tickle_map; // redraw requests
    // ---- switches the flight model reads and clears
    int brake_on;            // wheel brakes on (brake light)
    int jato_on;             // JATO burning
    // ---- end of the switches block
    float dg_drift;          // deg, direction-gyro drift (the panel's gyros)

    // ---- flight-event switches and requests
    int antiice_on;          // anti-ice on (the flight start turns it off)
    int tickle_str;          // stormscope redraw request (a new strike)
    // ---- end of the flight-event block

    // ---- needle scalings, set by the aircraft loading (value to degrees)
    float indtoASI;          // per (kt or mph)^ASpwr
    float msctoVVI;          // per m/s
    float tactoINS;          // per rad/s
    float n1_toINS;          // per percent
    float mprtoINS;          // per inHg
    float trqtoINS;          // per N m
    float eprtoINS;          // per unit pressure ratio
    // ---- end of the scalings block

    // ---- the panel's own state (panel/); the lever rows also by set_fltvars
    int tape_col[TAPE_W][TAPE_H];          // rolling-digit font, colour index per pixel
    int nav_pic[NAV_PICS][NAV_PIC_W][NAV_PIC_H];   // map symbols, colour index (11 clear)
    int t1[MAX_TICKS], t2[MAX_TICKS], t3[MAX_TICKS];   // deg: graduations of airspeed, rpm, 2nd engine dial
    int d1[MAX_TICKS], d2[MAX_TICKS], d3[MAX_TICKS];   // px: their lengths (0 ends a table)
    // Lever rows in panel pixels (see the LEVER_ constants below).
    int trim, slat, sbrk, sweep, vect, collect, flap;
    int throt[2], prop[2], mix[2];
    int tickle_arg, tickle_rad;            // glass-map and weather-radar redraw requests
    int reply_level;                       // ATC reply lamp 0..3
    float reply_time1, reply_time2;        // s of simulated time; the ATC sets them
    int EFIS_wxr, EFIS_tcas;               // weather and traffic on the glass map
    float radalt_ft;                       // decision height of the radar altimeter
    float the180, phi180, psimag;          // deg shown by the gyros (pitch, bank, heading)
    int canvas_made;                       // the panel's off-screen world exists (0 at program entry)
    // ---- end of the panel's own block
};
extern inststruct ins;

struct navstruct {
    int nf[2], nf100[2];     // NAV MHz 108..117 and hundredths
    int cf[2], cf100[2];     // COM MHz 118..134 and hundredths
    int adf1, adf2, adf3;    // ADF kHz digits
    int tran1, tran2, tran3, tran4;  // transponder digits 0..7
    int radout;              // audio selector
    float gps_lat, gps_lon;  // deg, longitude positive west
    float gps_lock_crs;      // deg
    // ---- navigation receivers [0 NAV1, 1 NAV2], latched by the radios;
    // the autopilot reads them
    float obs[2];            // deg magnetic, selected course
    float ilscrs[2];         // deg, localizer front course
    int ilsgs[2];            // 9 VOR, 3 ILS (glide-path deg), 0 localizer alone
    int ntf[2];              // flag: 0 off, 1 TO (or localizer valid), 2 FROM
    // ---- end of the receivers block
    // ---- ILS deviations per NAV receiver, written by the receivers and read
    // by the flight events (glide-slope warning, autopilot errors)
    float hdef[2];           // deg, localizer or course deviation
    float vdef[2];           // deg, glide-slope deviation, negative below it
    float gs_dist_nm[2];     // nm, to the glide-slope antenna
    // ---- end of the ILS block
    // ---- the radio settings kept in the preferences and situations (and obs)
    float vol[2];            // NAV audio volume 0..1
    int dmesel;              // DME source: receiver 0 or 1
    int gps_index_mode;      // waypoint kind: 1 NDB, 2 VOR, 3 airport
    int gps_display_mode;    // 1 course/distance/speed, 2 cross-track and time
    int gpsindex;            // waypoint index in its country table
    // ---- stations latched by the tuning (setnav), read by the panel
    int goodnav[2];          // a station is tuned
    float vorx[2], vory[2], vorz[2];   // m, the station (an ILS's localizer)
    float adfx, adfy;        // m, the NDB; both 0 before any is latched
    float gps_crs, gps_dis;  // deg true and m to the GPS waypoint (get_gps_data)
    // ---- end of the latched block
};
extern navstruct nav;

// ---------------------------------------------------------------- lever rows
// Pixel rows of the panel's levers (window pixels), shared by the panel,
// the flight start (set_fltvars), the function keys and the lever drags.
// Throttles: the knob's top row, full at 515, idle at 563 (grab at + 7).
constexpr int LEVER_THROT_FULL = 515, LEVER_THROT_IDLE = 563;
// Propeller and mixture: the knob's top row, high at 446, low at 486
// (grab at + 11).
constexpr int LEVER_PROP_HIGH = 446, LEVER_PROP_LOW = 486;
// Flaps: the knob's centre, up at 446, full at 500 (detents every 18).
constexpr int LEVER_FLAP_UP = 446, LEVER_FLAP_FULL = 500;
constexpr int MAX_FLAP_INDEX = 50;
// Speed brake: armed 453, in 463, half 473, full 483 (setting -1..2).
constexpr int LEVER_SBRK_IN = 463, LEVER_SBRK_STEP = 10;
// Slats, sweep, thrust vector: in at 453, out at 493.
constexpr int LEVER_AUX_IN = 453, LEVER_AUX_OUT = 493;
constexpr float MAX_VECTOR_DEG = 90.0f;
// Pitch trim: full nose down at 524, full nose up at 564.
constexpr int LEVER_TRIM_DN = 524, LEVER_TRIM_UP = 564;

inline int lever_row(float lo_value, int lo_row, float hi_value, int hi_row, float value)
{
    return (int)interp(lo_value, (float)lo_row, hi_value, (float)hi_row,
                       fltlim(value, fltmin2(lo_value, hi_value), fltmax2(lo_value, hi_value)));
}

// ---------------------------------------------------------------- panel offsets
// Horizontal offsets of the panel groups for the layout (pixels): six-pack,
// radio stack, engine gauges and flap/propeller levers, pause switch,
// throttles, mixtures, trim wheel. Set by set_mod.
extern int ossix, osrad, oseng, ospau, osthr, osmix, ostrm;

// The panel's bitmap resources (800 x 370, drawn at row PANEL_TOP).
constexpr int PANEL_CLASSIC_BITMAP = 601, PANEL_GLASS_BITMAP = 602;
constexpr int PANEL_TOP = 230;

// ---------------------------------------------------------------- panel
// Registers the panel's bitmap painters (start-up, and the art tool).
void register_panel_bitmaps();
// Geometry of the loaded aircraft's panel: the offsets, the attitude ball's
// row spans, the HSI and glide-slope positions, the lever columns.
// Reads: pln.dashtype, layouttype, is_heli. Writes: the offsets, pln.ahx,
// ahy, dgx, dgy, gs*, ah_*.
void set_mod();
// Paints the panel of the loaded aircraft (when the aircraft, its panel or
// the lighting changed since the last time) and shows it whole; every
// instrument redraws at the next update (ins.tickle_all).
// Reads: pln. Writes: the offsets, pln panel geometry, ins.tickle_all.
void panplot();
// Per frame: moves every instrument that changed, in the fixed order, and
// clears ins.tickle_all.
// Reads: flt, atm, pln, nav, ins, rel, msc, set, ott, env.
// Writes: ins (gyro angles, reply level), sounds of the GPWS and markers.
void updatepanel();
// The initialisations panplot runs: dial angles of the airspeed, vertical
// speed and engine scales from the ins factors the loading set, the tick
// tables, the option and engine gauges of the layout.
void init_as();
void init_vvi();
void init_tach();
void init_n1();
void init_mp();
void init_torque();
void init_epr();
void standard_engine_init();
void standard_options_init();
void init_tickmark();
void init_entick();
// The rolling-digit font (ins.tape_col) for one digit, and the map symbols.
void init_tape(int digit);
void init_nav_pic();
// Course (deg true) and distance (m) from the aircraft to the GPS
// waypoint nav.gps_lat / gps_lon. Reads: flt.x/y, env.lat_south/lon_west,
// planex/planey.
void get_gps_data(float *crs, float *dis);

// ---- panel drawing and lever handling the controls call
// Redraws the brake light from ins.brake_on.
void plotbrakes();
// Moves the panel lever of `kind` (175 trim wheel, 177 speed brake) to
// pixel row `row` and redraws the quadrant (the caller set the flight value).
void handle(int kind, int row);
constexpr int HANDLE_TRIM = 175, HANDLE_SBRK = 177;

// The live data readout of the data output (set.rltsel), refreshed one slot
// per update; null until the data output registers it.
extern void (*realtime_output)();
