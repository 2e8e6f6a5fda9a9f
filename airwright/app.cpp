// Airwright's commands and life: the window table, the menus of each
// aircraft type, New/Open/Save/Save As/Exit with the save-changes question,
// a new design's defaults, the window procedure with its fuselage drag,
// and the start-up and message loop.
#include "airwright/local.h"

#include <cmath>
#include <cstddef>
#include <cstring>

namespace airwright {

miscstruct msc;
int waiting_to_rotate;
float prev_rad;
float startup_pause_s = 0.05f;

enum Menus { MENU_FILE = 1, MENU_STANDARD, MENU_EXPERT, MENU_VIEW, MENU_SPECIAL, MENU_HELP };

// ---------------------------------------------------------------- windows

void makeAIRWRIGHTwindowname(char *out, const char *window_name, const char *aircraft_name)
{
    C_to_C(window_name, out);
    app_C(out, ", ");
    app_C(out, aircraft_name);
}

void resetwindownames()
{
    char title[MAX_STR];
    for (int k = 1; k < MAX_WINDOWS; k++) {
        const char *name = window_title(k);
        if (!name)
            continue;
        makeAIRWRIGHTwindowname(title, name, pln.C_name);
        set_win_title(k, title);
    }
    set_win_title(WIN_MAIN, pln.C_name);
}

void makeawindow(int index)
{
    if (!window_title(index))
        return;
    resetwindownames();
    int open = mnw.up[index];
    MACIBM_startwind(index, 1);
    if (open)
        MACIBM_invalwind(index);
}

void close_edit_windows()
{
    for (int k = 1; k <= LAST_EDIT_WINDOW; k++)
        MACIBM_killwind(k);
}

static int any_edit_window_open()
{
    for (int k = 1; k <= LAST_EDIT_WINDOW; k++)
        if (mnw.up[k])
            return 1;
    return 0;
}

// ---------------------------------------------------------------- menus

static void add_items(int menu, const int *codes, const char *const *names, int n)
{
    for (int k = 0; k < n; k++)
        MACIBM_append_menu(menu, codes[k], names[k][0] == '-' ? -1 : 0, names[k]);
}
#define ITEMS(menu, codes, names) add_items(menu, codes, names, (int)(sizeof codes / sizeof codes[0]))

// The Standard and Expert menus of the current type, and the greyed switch.
static void set_up_type_menus()
{
    static const int PLANE_STD[] = {301, 302, 303, 304, 305, 306, 307, 308, 309, 310, 311,
                                    312, 313, 314, 315, 316, 317, 318, 319};
    static const char *const PLANE_STD_NAMES[] = {
        "Instruments", "Force Feedback", "-", "Engines", "Prop", "-", "Wing 1", "Wing 2",
        "Horizontal Stabilizer", "Vertical Stabilizer 1", "Vertical Stabilizer 2", "-",
        "Control Geometry", "-", "Fuselage", "-", "Weight & Balance", "-", "Landing Gear"};
    static const int PLANE_EXP[] = {401, 402, 403, 404, 405, 406, 407, 408, 409, 410, 411, 412, 413};
    static const char *const PLANE_EXP_NAMES[] = {
        "Prop", "Wing 1", "Wing 2", "Horizontal Stabilizer", "Vertical Stabilizer 1",
        "Vertical Stabilizer 2", "-", "Special Controls", "VTOL Controls", "-",
        "Artificial Stability", "-", "Floats"};
    static const int HELI_STD[] = {301, 302, 303, 304, 305, 306, 307, 308, 309, 310, 311,
                                   312, 313, 314, 315, 316, 317, 318};
    static const char *const HELI_STD_NAMES[] = {
        "Instruments", "Force Feedback", "-", "Engine", "Main Rotor", "Tail Rotor",
        "Rotor System", "-", "Horizontal Stabilizer", "Vertical Stabilizer 1",
        "Vertical Stabilizer 2", "-", "Fuselage", "-", "Weight & Balance", "-",
        "Landing Gear", "Skid"};
    static const int HELI_EXP[] = {401, 402, 403};
    static const char *const HELI_EXP_NAMES[] = {"Main Rotor", "Tail Rotor", "Horizontal Stabilizer"};
    MACIBM_create_menu(MENU_STANDARD, "Standard");
    MACIBM_create_menu(MENU_EXPERT, "Expert");
    if (pln.is_heli) {
        ITEMS(MENU_STANDARD, HELI_STD, HELI_STD_NAMES);
        ITEMS(MENU_EXPERT, HELI_EXP, HELI_EXP_NAMES);
    } else {
        ITEMS(MENU_STANDARD, PLANE_STD, PLANE_STD_NAMES);
        ITEMS(MENU_EXPERT, PLANE_EXP, PLANE_EXP_NAMES);
    }
    MACIBM_gray_menu(MENU_SPECIAL, MENU_PLANE_MODE, pln.is_heli);
    MACIBM_gray_menu(MENU_SPECIAL, MENU_HELI_MODE, !pln.is_heli);
}

static void check_view_menu()
{
    for (int v = VIEW_TOP; v <= VIEW_3D_LONG; v++)
        MACIBM_check_menu(MENU_VIEW, v, v == msc.background_type);
}

void set_up_menus()
{
    static const int FILE_CODES[] = {201, 202, 203, 204, 205, 206};
    static const char *const FILE_NAMES[] = {"New", "Open", "Save", "Save As", "-", "Exit"};
    static const int VIEW_CODES[] = {501, 502, 503, 504, 505};
    static const char *const VIEW_NAMES[] = {"Top", "Side", "Front", "3-D Quick", "3-D Long"};
    static const int SPECIAL_CODES[] = {601, 602, 603, 604, 605, 606};
    static const char *const SPECIAL_NAMES[] = {
        "Smooth Fuselage", "-", "Switch to AIRPLANE-MAKING mode",
        "Switch to HELICOPTER-MAKING mode", "-", "Performance Table"};
    MACIBM_startmenus();
    MACIBM_create_menu(MENU_FILE, "File");
    ITEMS(MENU_FILE, FILE_CODES, FILE_NAMES);
    MACIBM_create_menu(MENU_STANDARD, "Standard");
    MACIBM_create_menu(MENU_EXPERT, "Expert");
    MACIBM_create_menu(MENU_VIEW, "View");
    ITEMS(MENU_VIEW, VIEW_CODES, VIEW_NAMES);
    MACIBM_create_menu(MENU_SPECIAL, "Special");
    ITEMS(MENU_SPECIAL, SPECIAL_CODES, SPECIAL_NAMES);
    MACIBM_create_menu(MENU_HELP, "About");
    MACIBM_append_menu(MENU_HELP, MENU_ABOUT, 0, "About");
    set_up_type_menus();
    MACIBM_finalize_menus();
    check_view_menu();
}

// ---------------------------------------------------------------- a new design

static void default_tail_number()
{
    for (int k = 0; k < 3; k++)
        pln.tailnum[k] = (char)('0' + intrand(0, 9));
    for (int k = 3; k < 5; k++)
        pln.tailnum[k] = (char)('A' + intrand(0, 25));
    pln.tailnum[5] = 0;
}

// A 30 ft tube of 3 ft radius about the cg, its stations laid out as the
// fuselage editor lays them (crowding toward the nose).
static void default_tube()
{
    pln.fuse_rad = 3.0f;
    pln.fuse_len = 30.0f;
    pln.fuse_nose = -15.0f;
    for (int i = 0; i < N_FUSE_STATIONS; i++)
        for (int j = 0; j < N_FUSE_RADIALS; j++) {
            float a = j * (float)M_PI / (N_FUSE_RADIALS - 1);
            pln.fuse_x[i][j] = station_x(i);
            pln.fuse_y[i][j] = 3.0f * sinf(a);
            pln.fuse_z[i][j] = 3.0f * cosf(a);
        }
}

static void default_sections()
{
    static const char *const SECTIONS[MAX_PARTS] = {
        "Clark-Y (good propeller).afl", "Clark-Y (good propeller).afl", "NACA 2412 (popular).afl",
        "NACA 2412 (popular).afl", "NACA 0009 (symmetrical).afl", "NACA 0009 (symmetrical).afl",
        "NACA 0009 (symmetrical).afl"};
    for (int p = 0; p < MAX_PARTS; p++) {
        C_to_C(SECTIONS[p], pln.Rafl0[p]);
        C_to_C(SECTIONS[p], pln.Rafl1[p]);
        C_to_C(SECTIONS[p], pln.Tafl0[p]);
        C_to_C(SECTIONS[p], pln.Tafl1[p]);
    }
    C_to_C("plain flap.flp", pln.flap_str);
}

void set_up_for_type(int is_heli, const char *name, const char *path)
{
    close_edit_windows();
    msc.planemod = 0;
    msc.planenamed = 0;
    pln = planestruct{};
    pln.is_heli = is_heli != 0;
    C_to_C(name, pln.C_name);
    C_to_C(path, pln.C_path);
    set_up_type_menus();
    resetwindownames();
    default_tail_number();
    pln.asi_type = 2;
    pln.dashtype = pln.radiotype = pln.AStype = pln.VVItype = pln.layouttype = 1;
    pln.entype = 1;
    pln.numen = 1;
    pln.con_type = 2;
    pln.els[2] = pln.els[3] = 6;
    pln.els[4] = 4;
    pln.els[5] = pln.els[6] = 2;
    pln.numblades[0] = pln.numblades[1] = 2;
    default_tube();
    default_sections();
}

// ---------------------------------------------------------------- file commands

int save_design()
{
    int written = writeout(0);
    if (written)
        msc.planemod = 0;
    return written;
}

int do_new_thing()
{
    return designer_save_question(msc.planemod, pln.C_name, save_design);
}

// Names the design after the file it was read from.
static char opened_name[MAX_STR], opened_path[MAX_STR];
static void switch_type_while_reading(int is_heli)
{
    set_up_for_type(is_heli, opened_name, opened_path);
}

// Reads the design at `path` (file name `file`) as the one being edited.
static void open_design(const char *file, const char *path)
{
    C_to_C(file, opened_name);
    C_to_C(path, opened_path);
    readin_path(path, switch_type_while_reading);
    msc.planemod = 0;
    msc.planenamed = 1;
    close_edit_windows();
    resetwindownames();
}

void openplane()
{
    char file[MAX_STR], path[MAX_STR];
    C_to_C(pln.C_name, file);
    ap_dir("Aircraft", "", path);
    if (MACIBM_open(file, path, ACF_TYPE_ANY))
        open_design(file, path);
}

// A design opened from its recovery copy goes on under the copy's name, so
// that a save never lands on the design it was kept from.
static void open_recovered(const char *path)
{
    const char *slash = strrchr(path, '/');
    open_design(slash ? slash + 1 : path, path);
}

static void keep_recovery()
{
    static const DesignerRecovery R = {
        "Airwright", &msc.planemod, [] { return msc.planenamed ? (const char *)pln.C_path : ""; },
        [] { return (const char *)pln.C_name; }, writeout_file, open_recovered};
    designer_set_recovery(&R);
}

int writeout(int force_new_name)
{
    // A design whose folder takes no new files (a shipped aircraft of an
    // installed program) is saved elsewhere, under a name the user confirms.
    if (!msc.planenamed || force_new_name || !folder_of_writable(pln.C_path)) {
        char file[MAX_STR], path[MAX_STR], start[MAX_STR];
        C_to_C(pln.C_name, file);
        if (msc.planenamed)
            C_to_C(pln.C_path, start);
        else
            ap_dir("Aircraft", pln.C_name, start);
        save_proposal(start, "Aircraft", path);
        if (!MACIBM_save(file, path, ACF_TYPE_ANY))
            return 0;
        C_to_C(file, pln.C_name);
        C_to_C(path, pln.C_path);
        msc.planenamed = 1;
        resetwindownames();
    }
    if (writeout_file(pln.C_path))
        return 1;
    // The old file is untouched (the new one is written beside it first).
    MACIBM_alert("The aircraft could not be saved!", pln.C_path,
                 "Your changes are not saved yet.", "");
    return 0;
}

// ---------------------------------------------------------------- menu actions

// Window of a Standard (3xx) or Expert (4xx) item for the current type.
static int window_of_item(int item)
{
    if (item > 300 && item < 400)
        return item - (pln.is_heli ? 268 : 300);
    return item - (pln.is_heli ? 350 : 381);
}

static void set_background(int type)
{
    msc.background_type = type;
    waiting_to_rotate = type == VIEW_3D_QUICK || type == VIEW_3D_LONG;
    check_view_menu();
    close_edit_windows();
}

void handlemenu(int item)
{
    switch (item) {
    case MENU_ABOUT:
        MACIBM_alert("Airwright", "The aircraft designer of Vortan.",
                     "Shapes aeroplanes and helicopters for the simulator to fly.", "");
        break;
    case MENU_NEW:
        if (do_new_thing())
            set_up_for_type(pln.is_heli, "Untitled.acf", "Untitled.acf");
        break;
    case MENU_PLANE_MODE:
    case MENU_HELI_MODE:
        if (do_new_thing())
            set_up_for_type(item == MENU_HELI_MODE, "Untitled.acf", "Untitled.acf");
        break;
    case MENU_OPEN:
        if (do_new_thing())
            openplane();
        break;
    case MENU_SAVE:
    case MENU_SAVE_AS: msc.planemod = !writeout(item == MENU_SAVE_AS); break;
    case MENU_EXIT:
        if (do_new_thing())
            MACIBM_exitalert(nullptr, nullptr, nullptr, nullptr);
        break;
    case MENU_SMOOTH:
        smoothit(0.1f, 0.2f);
        msc.planemod = 1;
        close_edit_windows();
        break;
    case MENU_PERFORMANCE: start_performance(); break;
    default:
        if (item >= VIEW_TOP && item <= VIEW_3D_LONG)
            set_background(item);
        else if (item > 300 && item < 500)
            makeawindow(window_of_item(item));
        break;
    }
    msc.mousedown = 0;
    MACIBM_invalwind(WIN_MAIN);
}

// ---------------------------------------------------------------- painting and clicks

void update_airwright(int window)
{
    if (pln.is_heli) {
        // A helicopter's tail rotor always points sideways, against the
        // main rotor's torque.
        pln.vertcant[1] = 90.0f;
        pln.sidecant[1] = pln.propdir[0] == 0 ? 90.0f : -90.0f;
    }
    if (window == WIN_MAIN) {
        // The view stays in sight behind the editing windows and follows
        // their edits (it turns only while none is open).
        MACIBM_bitmap(0, 0, MAIN_BITMAP);
        plot_all_views(0);
        return;
    }
    if (msc.pict_id[window])
        MACIBM_bitmap(0, 0, msc.pict_id[window]);
    handlewindowclick(window, 0);
}

// The Floats screen edits whole floats: it works on a joined copy, and only
// a changed float is split into halves again (so looking changes nothing).
static int floats_click(const Screen &s, int click)
{
    static planestruct joined;
    joined = pln;
    join_floats(&joined);
    const Field *f = nullptr;
    if (!run_fields(s, &joined, !click, &f))
        return 0;
    if (f->off == (int)offsetof(planestruct, floatEQ)) {
        pln.floatEQ = joined.floatEQ;
        return 1;
    }
    memcpy(pln.floatx, joined.floatx, sizeof pln.floatx);
    memcpy(pln.floaty, joined.floaty, sizeof pln.floaty);
    memcpy(pln.floatz, joined.floatz, sizeof pln.floatz);
    memcpy(pln.floatl, joined.floatl, sizeof pln.floatl);
    memcpy(pln.floatw, joined.floatw, sizeof pln.floatw);
    split_floats(&pln);
    return 1;
}

int handlewindowclick(int window, int click)
{
    if (window < 0)
        MACIBM_exitalert("win ind<0!", "", "", "");
    if (window >= MAX_WINDOWS)
        MACIBM_exitalert("win ind>=max!", "", "", "");
    if (window == WIN_FUSELAGE || window == WIN_H_FUSELAGE)
        return do_fuse(click);
    if (window == WIN_PERFORMANCE) {
        draw_performance();
        return 0;
    }
    const Screen *s = screen_of(window);
    if (!s)
        return 0;
    if (window == WIN_X_FLOATS)
        return floats_click(*s, click);
    const Field *f = nullptr;
    int changed = run_fields(*s, &pln, !click, &f);
    if (changed)
        apply_action(*s, *f);
    return changed;
}

static void press(const WinEvent *ev)
{
    if (ev->index == WIN_MAIN) {
        close_edit_windows();
        return;
    }
    if (ev->index == WIN_PERFORMANCE)
        return;
    msc.planemod = 1;
    msc.mousedown = 1;
    mnw.dragging_index = ev->index;
    if (handlewindowclick(ev->index, 1)) {
        if (!pln.is_heli)
            mirror_prop();
        MACIBM_invalwind(WIN_MAIN);
    }
    MACIBM_invalwind(ev->index);
}

void handle_IBM_win(const WinEvent *ev)
{
    switch (ev->message) {
    case MSG_COMMAND: handlemenu(ev->item); break;
    case MSG_QUIT:
        if (!designer_quit_by_signal())
            handlemenu(MENU_EXIT);
        break;
    case MSG_MOUSEMOVE:
        msc.mx = ev->x;
        msc.my = ev->y;
        break;
    case MSG_BUTTONDOWN:
        msc.mx = ev->x;
        msc.my = ev->y;
        press(ev);
        break;
    case MSG_BUTTONUP: msc.mousedown = 0; break;
    case MSG_PAINT: update_airwright(ev->index); break;
    }
}

// Closing the last editing window brings the views back.
static void window_closed(int index)
{
    if (index != WIN_MAIN && mnw.up[WIN_MAIN] && !any_edit_window_open())
        MACIBM_invalwind(WIN_MAIN);
}

// ---------------------------------------------------------------- start and loop

void initairwright()
{
    layout_screens();
    for (int k = 1; k < MAX_WINDOWS; k++) {
        int w, h;
        window_size(k, &w, &h);
        msc.pict_id[k] = window_bitmap(k);
        if (window_title(k))
            set_win_params(k, window_title(k), w, h);
    }
    msc.pict_id[WIN_MAIN] = MAIN_BITMAP;
    msc.background_type = VIEW_TOP;
    set_up_for_type(0, "Untitled.acf", "Untitled.acf");
}

int airwright_start_layer()
{
    mnw = menuwindowstruct{};
    pln = planestruct{};
    msc = miscstruct{};
    waiting_to_rotate = 0;
    register_backgrounds();
    keep_recovery();
    return designer_start_layer("Airwright", handle_IBM_win, window_closed, &msc.mx, &msc.my,
                                set_up_menus);
}

void airwright_start()
{
    designer_startup_bar(startup_pause_s);
    initairwright();
    designer_offer_recovery();
    MACIBM_invalwind(WIN_MAIN);
}

void airwright_pass()
{
    MACIBM_pump();
    int fuse = pln.is_heli ? WIN_H_FUSELAGE : WIN_FUSELAGE;
    if (msc.mousedown && mnw.dragging_index == fuse && mnw.up[fuse] &&
        msc.my >= FUSE_DRAG_Y1 && msc.my <= FUSE_DRAG_Y2) {
        // Held down in the station panels: the point follows the mouse.
        if (handlewindowclick(fuse, 1))
            MACIBM_invalwind(WIN_MAIN);
        MACIBM_invalwind(fuse);
    }
    if (waiting_to_rotate && mnw.up[WIN_MAIN] && !any_edit_window_open())
        plot_all_views(1);
    poll_performance();
}

int airwright_main()
{
    if (!claim_single_instance("airwright.lock"))
        return 0;
    if (!airwright_start_layer())
        return 1;
    airwright_start();
    for (;;) {
        airwright_pass();
        MACIBM_present();
        MACIBM_idle(waiting_to_rotate ? 0 : 10);
    }
}

}  // namespace airwright
