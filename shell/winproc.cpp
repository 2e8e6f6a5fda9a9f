// The window procedure all 18 windows share: keys to the key handlers,
// mouse clicks to the click handler of the window under the mouse, paint
// requests to its drawing routine, closes to process_zap; and mouse flying,
// which a click in the centre of the windshield turns on and off.
#include "shell/local.h"

#include "atc/atc.h"
#include "controls/controls.h"
#include "panel/panel.h"
#include "world/world.h"

// The box in the middle of the windshield the view draws while the mouse
// flies (window pixels); a click in it starts or ends mouse flying. Its top
// is the view's first row below the menu line.
constexpr int YOKE_BOX_X1 = 300, YOKE_BOX_X2 = 500, YOKE_BOX_Y1 = 27, YOKE_BOX_Y2 = 210;

static int exiting;   // the program is ending: closes change nothing

int winsup()
{
    for (int k = 1; k < MAX_SIM_WINDOWS; k++)
        if (mnw.up[k])
            return 1;
    return 0;
}

// The key handler's character for a key: letters by the shift state,
// shifted digits as their symbols, punctuation keys as their shifted or
// plain characters; 0 for keys it does not know.
char sim_char(int key, int mods)
{
    static const char SHIFTED_DIGITS[] = ")!@#$%^&*(";
    static const char PLAIN[] = "-=[];,./`";
    static const char SHIFTED[] = "_+{}:<>?~";
    int shift = mods & MOD_SHIFT_KEY;
    if (key >= 'a' && key <= 'z')
        return (char)(shift ? key - 'a' + 'A' : key);
    if (key >= '0' && key <= '9')
        return shift ? SHIFTED_DIGITS[key - '0'] : (char)key;
    for (int k = 0; PLAIN[k]; k++)
        if (key == PLAIN[k])
            return shift ? SHIFTED[k] : PLAIN[k];
    if (key == ' ')
        return ' ';
    return 0;
}

int funkey_number(int key)
{
    if (key >= KEY_F1 && key <= KEY_F9)
        return key - KEY_F1;
    if (key == KEY_BACKSPACE)
        return 9;
    if (key == KEY_F11 || key == KEY_F12)
        return key == KEY_F11 ? 10 : 11;
    return -1;   // F10 opens the menu bar
}

static void key_down(int key, int mods)
{
    int n = funkey_number(key);
    if (n >= 0) {
        handle_funkey(n);
        return;
    }
    char c = sim_char(key, mods);
    if (c)
        handle_simkey(c);
}

void handle_IBM_win(const WinEvent *ev)
{
    int index = ev->index;
    switch (ev->message) {
    case MSG_KEYDOWN: key_down(ev->key, ev->mods); break;
    case MSG_COMMAND:
        MACIBM_startwind(0, 1);
        handlemenu(ev->item);
        break;
    case MSG_MOUSEMOVE:
        msc.mx = ev->x;
        msc.my = ev->y;
        break;
    case MSG_BUTTONDOWN:
        MACIBM_startwind(index, 1);
        msc.mx = ev->x;
        msc.my = ev->y;
        set.dragging = 1;
        set.dragtime = 0.0f;
        handlewindowclick(index);
        if (index == 0 && !winsup())
            MACIBM_show_cursor(0);   // out of the way of the view while held
        break;
    case MSG_BUTTONUP:
        set.dragging = 0;
        MACIBM_show_cursor(1);
        break;
    case MSG_PAINT:
        MACIBM_startwind(index, 0);
        updatewin(index);
        break;
    case MSG_QUIT: exit_simulator();
    default: break;
    }
}

// Mouse flying needs no joystick (controls type 3) and stays off while the
// ATC choice list takes the view's clicks.
void windshield_click(int x, int y)
{
    if (set.controls_type != CONTROLS_MOUSE || atc.menu_up || set.viewtype == VIEW_REPLAY)
        return;
    if (x < YOKE_BOX_X1 || x >= YOKE_BOX_X2 || y < YOKE_BOX_Y1 || y >= YOKE_BOX_Y2)
        return;
    msc.mouse_is_joy = !msc.mouse_is_joy;
}

static void window_click(int index)
{
    switch (index) {
    case 1: aptclick(); break;
    case 2: plt_nrt_click(0, 19); break;
    case 3: staclick(); break;
    case 4: latclick(0); break;
    case 5: datclick(); break;
    case 6: timclick(0); break;
    case 7: wxrclick(0); break;
    case 8: fltclick(0); break;
    case 9: wgtclick(0); break;
    case 10: relclick(); break;
    case 11: sndclick(); break;
    case 12: wrnclick(); break;
    case 13: grfclick(); break;
    case 16: plt_nrt_click(0, 18); break;
    case 17: plnclick(0); break;
    default: break;   // 14 and 15 take no clicks
    }
}

void handlewindowclick(int index)
{
    msc.event = 1;
    mnw.dragging_index = index;
    if (!winsup()) {
        if (atc_view_click(msc.mx, msc.my))
            return;   // the controller's menu takes the view's clicks
        windshield_click(msc.mx, msc.my);
        dasclick(msc.mx, msc.my);
        enginecondrag(msc.mx, msc.my);
        return;
    }
    if (index < 1 || index >= MAX_SIM_WINDOWS)
        return;   // the main window is frozen while a sub-window is open
    MACIBM_startwind(index, 1);
    window_click(index);
}

void updatewin(int index)
{
    msc.event = 1;
    switch (index) {
    case 0: panplot(); break;
    case 1: aptplot(); break;
    case 2: plt_nrt_plot(19, 0); break;
    case 3: staplot(); break;
    case 4: latplot(); break;
    case 5: datplot(); break;
    case 6: timplot(); break;
    case 7: wxrplot(); break;
    case 8: fltplot(); break;
    case 9: wgtplot(); break;
    case 10: relplot(); break;
    case 11: sndplot(); break;
    case 12: wrnplot(); break;
    case 13: grfplot(); break;
    case 15: isoplot(); break;
    case 16: plt_nrt_plot(18, 0); break;
    case 17: plnplot(); break;
    default: break;   // 14 draws itself each pass
    }
}

// ---------------------------------------------------------------- closing a window
// New thermals after the weather window: a share of the cells, then the
// weather field of every sector.
static void regenerate_thermals()
{
    for (int i = 0; i < MESH_I; i++)
        for (int j = 0; j < MESH_J; j++)
            atm.therm_on_poly[i][j] = fltrand(0.0f, 0.99f) < atm.thermal_part;
    for (int i = 0; i < 3; i++)
        for (int j = 0; j < 2; j++)
            gen_wx_for_a_sector(i, j);
}

static void check_weight()
{
    if (flt.m_total > pln.m_max)
        MACIBM_alert("Your total weight is above the maximum allowable weight for the airplane!",
                     "You will be breaking several Federal Aviation Regulations by flying this thing!",
                     "You SHOULD reduce your fuel or fixed load.", "");
}

static void repair_everything()
{
    rel.eng[0] = rel.eng[1] = 1;
    rel.vac = rel.asi = rel.ahz = rel.alt = rel.tsi = rel.dgy = rel.vvi = 1;
    rel.ail = rel.elv = rel.rud = rel.flp = rel.slt = rel.thr = rel.hyd = rel.tro = 1;
    for (int g = 0; g < 3; g++) {
        rel.ger[g] = 1;
        set.gear_time[g] = 0.0f;
    }
    rel.hyd_rat = 1.0f;
}

void process_zap(int index)
{
    if (exiting)
        return;   // the streams may be closed already: load nothing now
    switch (index) {
    case 0: exit_simulator();   // closing the main window is Exit
    case 1: {
        const char *id = msc.apt_id_req;
        char c1 = id[0], c2 = c1 ? id[1] : 0, c3 = c2 ? id[2] : 0;
        gotofield(c1, c2, c3);
        break;
    }
    case 2:
    case 16: chart_closed(index); break;
    case 3: set_palette_for_conditions(); break;
    case 4: latlon_closed(); break;
    case 5:
        set_rlt_grf_choices();
        cleargraph();
        restart_csv();   // the CSV's columns follow the new selection
        break;
    case 7: regenerate_thermals(); break;
    case 9: check_weight(); break;
    case 10: repair_everything(); break;
    case 14: stop_movie(); break;
    case 17: plan_window_closed(); break;
    default: break;
    }
}

void set_exiting(int on) { exiting = on; }
int is_exiting() { return exiting; }
