// The window procedure all windows share (keys, mouse, menu commands,
// paint), the menu bar, and the menu commands served so far: the File
// items, the view choices and zoom, the alternate environment, Reset
// Preferences and Exit.
#include "shell/local.h"

#include "atc/atc.h"
#include "files/files.h"
#include "world/world.h"

constexpr int FILE_MENU = 2, LOCATION_MENU = 3, SETTINGS_MENU = 4, OUTPUT_MENU = 5,
              VIEW_MENU = 6, SPECIAL_MENU = 7, ABOUT_MENU = 8, FAVORITES_MENU = 14;
constexpr int LOAD_SITUATION_ITEM = 203, SAVE_SITUATION_ITEM = 204, EXIT_ITEM = 206;
constexpr int RESET_PREFS_ITEM = 705;
constexpr int FIRST_VIEW = 601, LAST_VIEW = 615;

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
static char sim_char(int key, int mods)
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
    if (key == ' ' || key == KEY_TAB || key == KEY_ENTER || key == KEY_ESCAPE)
        return (char)key;
    return 0;
}

static void key_down(int key, int mods)
{
    if (key >= KEY_F1 && key <= KEY_F9) {
        handle_funkey(key - KEY_F1);
        return;
    }
    if (key == KEY_BACKSPACE || key == KEY_F11 || key == KEY_F12) {
        handle_funkey(key == KEY_BACKSPACE ? 9 : (key == KEY_F11 ? 10 : 11));
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
        break;
    case MSG_BUTTONUP: set.dragging = 0; break;
    case MSG_PAINT:
        MACIBM_startwind(index, 0);
        updatewin(index);
        break;
    case MSG_QUIT: exit_simulator();
    default: break;
    }
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
    if (index == 0)
        panplot();
    else if (index == ATC_FLIGHT_PLAN_WINDOW)
        plnplot();
}

static void choose_view(int item)
{
    set.viewtype = item;
    for (int v = FIRST_VIEW; v <= LAST_VIEW; v++)
        MACIBM_check_menu(VIEW_MENU, v, v == item);
    set_mon(0, 0.0f);
}

constexpr int ALTERNATE_ENV_ITEM = 701;   // "Select Alternate Environment"

void handlemenu(int item)
{
    set.dragging = 0;
    for (int k = 1; k < MAX_SIM_WINDOWS; k++)
        MACIBM_killwind(k);
    if (item == EXIT_ITEM)
        exit_simulator();
    else if (item == LOAD_SITUATION_ITEM)
        load_situation();
    else if (item == SAVE_SITUATION_ITEM)
        save_situation();
    else if (item == RESET_PREFS_ITEM)
        reset_prefs_and_exit();
    else if (item >= FIRST_VIEW && item <= LAST_VIEW)
        choose_view(item);
    else if (item == 617 || item == 618)
        set_mon(-1, item == 617 ? 2.0f : 0.5f);
    else if (item == ALTERNATE_ENV_ITEM && select_alternate_environment())
        set_fltvars(4, 0);   // the flight starts again in the new region
    set.dragging = 0;
}
