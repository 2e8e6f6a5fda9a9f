// The keyboard: character keys and function keys. Most keys stand for a
// click or a lever drag on the panel at the pixel of the knob they name, so
// keys and mouse share the panel's one code path; the rest choose views,
// step the radios or steer the replay's free camera.
#include "shell/local.h"

#include <cmath>

#include "atc/atc.h"
#include "output/output.h"
#include "panel/panel.h"
#include "sound/sound.h"

// What the lever keys step by (pixels of the lever's slot): a larger row
// means less.
constexpr int DEL_THROT = 4, DEL_PROP = 3, DEL_MIX = 3;
constexpr int THROT_GRAB = 7, PROP_GRAB = 11, MIX_GRAB = 11;   // grab point below the knob's top

// Free camera: metres per key press, and per second while a button is held.
constexpr float FREE_STEP_M = 100.0f;
constexpr float FREE_HELD_M_PER_S = 2000.0f;
constexpr float FOLLOW_SPANS = 20.0f;      // follow distance, wing semi-spans
constexpr float FOLLOW_HELI_LENGTHS = 10.0f;
constexpr float FOLLOW_PITCH_DEG = 3.0f, FOLLOW_HEADING_DEG = 15.0f, FOLLOW_LOOK_DEG = 1.0f;

// The horizontal (and for the gyro, vertical) reference a key's pixel is
// counted from.
enum KeyBase { AT_SCREEN, AT_SIX, AT_RAD, AT_ENG, AT_PAU, AT_TRM, AT_DG };

struct PanelKey {
    char key;
    int kind;     // ACT_CLICK, ACT_DRAG or ACT_MENU
    int base;     // KeyBase
    int x, y;     // pixel from the base, or the menu item in x
};

static const PanelKey PANEL_KEYS[] = {
    {'w', ACT_MENU, AT_SCREEN, 601, 0}, {'s', ACT_MENU, AT_SCREEN, 602, 0},
    {'x', ACT_MENU, AT_SCREEN, 603, 0}, {'q', ACT_MENU, AT_SCREEN, 604, 0},
    {'e', ACT_MENU, AT_SCREEN, 605, 0}, {'z', ACT_MENU, AT_SCREEN, 606, 0},
    {'v', ACT_MENU, AT_SCREEN, 607, 0}, {'t', ACT_MENU, AT_SCREEN, 609, 0},
    {'a', ACT_MENU, AT_SCREEN, 610, 0}, {'c', ACT_MENU, AT_SCREEN, 611, 0},
    {'r', ACT_MENU, AT_SCREEN, 612, 0}, {'f', ACT_MENU, AT_SCREEN, 613, 0},
    {'.', ACT_MENU, AT_SCREEN, 615, 0}, {'d', ACT_MENU, AT_SCREEN, 503, 0},
    {'=', ACT_MENU, AT_SCREEN, 617, 0}, {'-', ACT_MENU, AT_SCREEN, 618, 0},
    {'p', ACT_CLICK, AT_PAU, 725, 249},
    {'y', ACT_CLICK, AT_DG, 30, 40},    {'u', ACT_CLICK, AT_DG, 65, 40},      // DG drift +1, -1
    {'n', ACT_CLICK, AT_DG, -55, 40},   {'m', ACT_CLICK, AT_DG, -20, 40},     // OBS 2 down, up
    {'i', ACT_CLICK, AT_SIX, 273, 378}, {'o', ACT_CLICK, AT_SIX, 303, 378},   // altimeter setting
    {'h', ACT_CLICK, AT_SCREEN, 393, 395}, {'j', ACT_CLICK, AT_SCREEN, 428, 395},
    {'k', ACT_CLICK, AT_SCREEN, 398, 395}, {'l', ACT_CLICK, AT_SCREEN, 408, 395},
    {'b', ACT_CLICK, AT_RAD, 494, 560}, {'g', ACT_CLICK, AT_RAD, 609, 520},
    // The autopilot buttons: heading, NAV 1, NAV 2, altitude, vertical
    // speed, glide slope, airspeed.
    {'!', ACT_CLICK, AT_RAD, 497, 481}, {'@', ACT_CLICK, AT_RAD, 517, 481},
    {'#', ACT_CLICK, AT_RAD, 537, 481}, {'$', ACT_CLICK, AT_RAD, 560, 481},
    {'%', ACT_CLICK, AT_RAD, 580, 481}, {'^', ACT_CLICK, AT_RAD, 600, 481},
    {'&', ACT_CLICK, AT_RAD, 620, 481},
    {'_', ACT_CLICK, AT_SIX, 201, 520}, {'+', ACT_CLICK, AT_SIX, 246, 520},   // map range
    // Flap positions, the two lever groups beside them, and the trim wheel.
    {'1', ACT_DRAG, AT_ENG, 650, 446}, {'2', ACT_DRAG, AT_ENG, 650, 464},
    {'3', ACT_DRAG, AT_ENG, 650, 482}, {'4', ACT_DRAG, AT_ENG, 650, 500},
    {'5', ACT_DRAG, AT_ENG, 688, 463}, {'6', ACT_DRAG, AT_ENG, 688, 473},
    {'7', ACT_DRAG, AT_ENG, 688, 483}, {'8', ACT_DRAG, AT_ENG, 726, 463},
    {'9', ACT_DRAG, AT_ENG, 726, 473}, {'0', ACT_DRAG, AT_ENG, 726, 483},
    {'*', ACT_DRAG, AT_ENG, 726, 453},
    {'[', ACT_DRAG, AT_TRM, 769, 524}, {']', ACT_DRAG, AT_TRM, 769, 564},
};

// A radio digit key: the digit's field, the radio to retune, the step, and
// whether it works only on the panels with the first NAV/COM pair (1 and 7).
enum RadioStep { STEP_COM, STEP_NAV, STEP_HUN, STEP_ADF, STEP_XPN };
struct RadioKey {
    char down, up;
    int step_kind;   // RadioStep
    int *field;
    int radio;       // RadioNumber of the panel's setnav
    int step;
    int layouts_1_7;
};

static const RadioKey RADIO_KEYS[] = {
    {'Q', 'W', STEP_COM, &nav.cf[0], 2, 1, 1},    {'E', 'R', STEP_HUN, &nav.cf100[0], 2, 5, 1},
    {'T', 'Y', STEP_NAV, &nav.nf[0], 0, 1, 1},    {'U', 'I', STEP_HUN, &nav.nf100[0], 0, 5, 1},
    {'A', 'S', STEP_COM, &nav.cf[1], 3, 1, 0},    {'D', 'F', STEP_HUN, &nav.cf100[1], 3, 5, 0},
    {'G', 'H', STEP_NAV, &nav.nf[1], 1, 1, 0},    {'J', 'K', STEP_HUN, &nav.nf100[1], 1, 5, 0},
    {'O', 'P', STEP_ADF, &nav.adf1, 4, 1, 0},     {'L', ':', STEP_ADF, &nav.adf2, 4, 1, 0},
    {'>', '?', STEP_ADF, &nav.adf3, 4, 1, 0},
    {'Z', 'X', STEP_XPN, &nav.tran1, 6, 1, 0},    {'C', 'V', STEP_XPN, &nav.tran2, 6, 1, 0},
    {'B', 'N', STEP_XPN, &nav.tran3, 6, 1, 0},    {'M', '<', STEP_XPN, &nav.tran4, 6, 1, 0},
};

static void key_base(int base, int *x, int *y)
{
    static const int *const OFFSETS[] = {nullptr, &ossix, &osrad, &oseng, &ospau, &ostrm};
    *x = *y = 0;
    if (base == AT_DG) {
        *x = pln.dgx;
        *y = pln.dgy;
    } else if (base > AT_SCREEN) {
        *x = *OFFSETS[base];
    }
}

// The map-mode key clicks the button of the mode it is not in.
static int map_mode_key(KeyAction *a)
{
    a->kind = ACT_CLICK;
    a->x = ossix + (ins.map_mode == 1 ? 335 : 290);
    a->y = 520;
    return 1;
}

int key_action(char key, KeyAction *a)
{
    *a = KeyAction{};
    if (key == '~')
        return map_mode_key(a);
    for (const PanelKey &k : PANEL_KEYS) {
        if (k.key != key)
            continue;
        a->kind = k.kind;
        if (k.kind == ACT_MENU) {
            a->item = k.x;
            return 1;
        }
        key_base(k.base, &a->x, &a->y);
        a->x += k.x;
        a->y += k.y;
        return 1;
    }
    return 0;
}

static void radio_step(const RadioKey &r, int step)
{
    switch (r.step_kind) {
    case STEP_COM: COMinc(r.field, r.radio, step); break;
    case STEP_NAV: NAVinc(r.field, r.radio, step); break;
    case STEP_HUN: HUNinc(r.field, r.radio, step); break;
    case STEP_ADF: ADFinc(r.field, r.radio, step); break;
    default: XPNinc(r.field, r.radio, step); break;
    }
}

static int radio_key(char key)
{
    for (const RadioKey &r : RADIO_KEYS) {
        if (key != r.down && key != r.up)
            continue;
        if (r.layouts_1_7 && pln.layouttype != 1 && pln.layouttype != 7)
            return 1;   // that radio pair is not on this panel
        radio_step(r, key == r.up ? r.step : -r.step);
        return 1;
    }
    return 0;
}

// Autopilot off: heading select is set alone and then clicked off, so every
// mode ends off through the panel's own button.
static void autopilot_off()
{
    ott.HDSLCT = 1;
    ott.NAV[0] = ott.NAV[1] = 0;
    ott.ALHOLD = ott.VVHOLD = ott.GS2 = ott.ASHOLD = 0;
    dasclick(osrad + 493, 481);
    if (msc.warn_gpws && pln.entype == 3)
        play_buffer(SND_CAUTION, 0);
}

static void space_key()
{
    if (flt.cat_stage == 34) {
        flt.cat_stage = 35;   // launch
        return;
    }
    atc_space_bar();
}

// ---------------------------------------------------------------- free camera
static float follow_distance()
{
    if (pln.is_heli)
        return FOLLOW_HELI_LENGTHS *
               fabsf(pln.fuse_x[N_FUSE_STATIONS - 1][0] - pln.fuse_x[0][0]);
    return FOLLOW_SPANS * fmaxf(pln.semiB[2], pln.semiB[3]);
}

// The next recorded sample after the replay counter, once round the ring at
// most: an empty path leaves the camera where it is.
static void follow_next_sample()
{
    int k = pat.cntr_replay;
    for (int n = 0; n < MAX_PATH_SAMPLES; n++) {
        k = (k + 1) % MAX_PATH_SAMPLES;
        if (!pat.inited[k])
            continue;
        pat.cntr_replay = k;
        const float *s = pat.xyztpp[k];
        float d = follow_distance();
        float look_the = s[3] - FOLLOW_PITCH_DEG * con.degtorad;
        float look_psi = s[4] - FOLLOW_HEADING_DEG * con.degtorad;
        msc.x_view = s[0] - d * sinf(look_psi) * cosf(look_the);
        msc.y_view = s[1] - d * cosf(look_psi) * cosf(look_the);
        msc.z_view = s[2] - d * sinf(look_the);
        scn.the180rad = s[3];
        scn.psi180rad = s[4] - FOLLOW_LOOK_DEG * con.degtorad;
        scn.phi180rad = 0.0f;
        return;
    }
}

static void free_camera_key(char key)
{
    float step = set.dragging ? msc.prd * FREE_HELD_M_PER_S : FREE_STEP_M;
    float psi = scn.psi180rad, the = scn.the180rad;
    float sign = 1.0f;
    switch (key) {
    case 'K': case 'k':
        sign = -1.0f;
        [[fallthrough]];
    case 'I': case 'i':
        msc.x_view += sign * step * sinf(psi) * cosf(the);
        msc.y_view += sign * step * cosf(psi) * cosf(the);
        msc.z_view += sign * step * sinf(the);
        break;
    case 'J': case 'j':
        sign = -1.0f;
        [[fallthrough]];
    case 'L': case 'l':
        msc.x_view += sign * step * cosf(psi);
        msc.y_view -= sign * step * sinf(psi);
        break;
    case 'C': case 'c':
        circle_replay_camera();
        break;
    case 'F': case 'f': follow_next_sample(); break;
    default: break;
    }
}

// ---------------------------------------------------------------- the handlers
void handle_simkey(char key)
{
    if (key == ',') {
        handlemenu(620);   // light amplification, in every view
        return;
    }
    if (set.viewtype == VIEW_REPLAY) {
        free_camera_key(key);
        return;
    }
    if (key == ' ') {
        space_key();
        return;
    }
    if (key == '`') {
        autopilot_off();
        return;
    }
    if (radio_key(key))
        return;
    KeyAction a;
    if (!key_action(key, &a))
        return;
    if (a.kind == ACT_MENU)
        handlemenu(a.item);
    else if (a.kind == ACT_CLICK)
        dasclick(a.x, a.y);
    else
        enginecondrag(a.x, a.y);
}

int funkey_action(int n, int *x, int *y)
{
    struct Lever { const int *base; int column; const int *row; int step, grab; };
    static const Lever LEVERS[6] = {
        {&osthr, 647, &ins.throt[0], DEL_THROT, THROT_GRAB}, {&osthr, 682, &ins.throt[1], DEL_THROT, THROT_GRAB},
        {&oseng, 689, &ins.prop[0], DEL_PROP, PROP_GRAB},    {&oseng, 716, &ins.prop[1], DEL_PROP, PROP_GRAB},
        {&osmix, 727, &ins.mix[0], DEL_MIX, MIX_GRAB},       {&osmix, 754, &ins.mix[1], DEL_MIX, MIX_GRAB},
    };
    if (n < 0 || n > 11)
        return 0;
    const Lever &l = LEVERS[n / 2];
    *x = *l.base + l.column;
    *y = *l.row + (n % 2 ? -l.step : l.step) + l.grab;   // odd keys: more
    return 1;
}

void handle_funkey(int n)
{
    int x, y;
    if (funkey_action(n, &x, &y))
        enginecondrag(x, y);
}
