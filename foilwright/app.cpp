// Foilwright's state and commands: the default part, the device switch, the
// menus, New/Open/Save/Save As/Exit with the save-changes question, the
// window procedure and the start-up with its progress bar.
#include "foilwright/foilwright.h"

#include <cstring>

namespace foilwright {

miscstruct msc;
float cls = 0.5f, cds = 50.0f, cms = 1.0f;
int lastx = -1;
float readout[4];
float startup_pause_s = 0.05f;   // per progress cell; tests set 0

void initfoilwright()
{
    for (int k = 0; k < PART_TABLE_SLOTS; k++)
        cl[k] = cd[k] = cm[k] = 0.0f;
}

void retitle()
{
    set_win_title(0, msc.C_openfile);
}

void reset_to_default()
{
    int airfoil = msc.device != DEVICE_FLAP;
    if (airfoil)
        default_airfoil();
    else
        default_flap();
    C_to_C(airfoil ? "Untitled Airfoil.afl" : "Untitled Flap.flp", msc.C_openfile);
    ap_dir(airfoil ? "airfoils" : "flaps", msc.C_openfile, msc.path_name);
    retitle();
    msc.haveaname = 0;
    msc.devicemod = 0;
}

void switchmode(int device)
{
    msc.device = device == DEVICE_FLAP ? DEVICE_FLAP : DEVICE_AIRFOIL;
    retitle();
    msc.devicemod = 0;
}

int savepart()
{
    if (writeoutpart(msc.path_name, msc.device)) {
        msc.devicemod = 0;
        return 1;
    }
    // The old file is untouched and the edits are still only in memory.
    MACIBM_alert("The part could not be saved!", msc.path_name,
                 "Your changes are not saved yet.", "");
    return 0;
}

int saveasproc()
{
    char file[MAX_STR], path[MAX_STR];
    C_to_C(msc.C_openfile, file);
    save_proposal(msc.path_name, msc.device == DEVICE_FLAP ? "flaps" : "airfoils", path);
    if (!MACIBM_save(file, path, msc.device))
        return 0;
    C_to_C(file, msc.C_openfile);
    C_to_C(path, msc.path_name);
    msc.haveaname = 1;
    retitle();
    return savepart();
}

static void openpart()
{
    char file[MAX_STR], path[MAX_STR];
    C_to_C(msc.C_openfile, file);
    C_to_C(msc.path_name, path);
    if (!MACIBM_open(file, path, FILE_PART))
        return;
    readinpart(path, msc.device, switchmode);
    C_to_C(file, msc.C_openfile);
    C_to_C(path, msc.path_name);
    msc.haveaname = 1;
    msc.devicemod = 0;
    retitle();
}

// Saves the part under its name, or asks for one first (also when its
// folder takes no new files, as a shipped part of an installed program).
static int save_now()
{
    return msc.haveaname && folder_of_writable(msc.path_name) ? savepart() : saveasproc();
}

void dothing(int action, int device)
{
    switch (action) {
    case 0: reset_to_default(); break;
    case 1: openpart(); break;
    case 2: MACIBM_exitalert(nullptr, nullptr, nullptr, nullptr);
    case 3:
        switchmode(device);
        reset_to_default();
        break;
    }
}


void donewdeal(int action, int device)
{
    if (designer_save_question(msc.devicemod, msc.C_openfile, save_now))
        dothing(action, device);
    MACIBM_invalwind(0);
}

static void set_view(int view)
{
    msc.view = view;
    MACIBM_check_menu(3, VIEW_ALPHA, view == VIEW_ALPHA);
    MACIBM_check_menu(3, VIEW_POLAR, view == VIEW_POLAR);
    MACIBM_invalwind(0);
}

void handlemenu(int item)
{
    switch (item) {
    case 201: donewdeal(0, msc.device); break;
    case 202: donewdeal(1, msc.device); break;
    case 203:
        save_now();
        MACIBM_invalwind(0);
        break;
    case 204: saveasproc(); MACIBM_invalwind(0); break;
    case 206: donewdeal(2, msc.device); break;
    case DEVICE_AIRFOIL:
    case DEVICE_FLAP: donewdeal(3, item); break;
    case VIEW_ALPHA:
    case VIEW_POLAR: set_view(item); break;
    case 501:
        MACIBM_alert("Foilwright", "The airfoil and flap designer of Vortan.",
                     "Shapes lift, drag and moment curves for the aircraft to use.", "");
        break;
    }
}

static void set_up_menus()
{
    MACIBM_create_menu(1, "File");
    MACIBM_append_menu(1, 201, 0, "New");
    MACIBM_append_menu(1, 202, 0, "Open");
    MACIBM_append_menu(1, 203, 0, "Save");
    MACIBM_append_menu(1, 204, 5, "Save As");
    MACIBM_append_menu(1, 205, -1, "-");
    MACIBM_append_menu(1, 206, 1, "Exit");
    MACIBM_create_menu(2, "Part");
    MACIBM_append_menu(2, DEVICE_AIRFOIL, 0, "Airfoil");
    MACIBM_append_menu(2, DEVICE_FLAP, 0, "Flap");
    MACIBM_create_menu(3, "View");
    MACIBM_append_menu(3, VIEW_ALPHA, 0, "Cl Cd Cm VS. Alpha");
    MACIBM_append_menu(3, VIEW_POLAR, 3, "Cd Cm VS. Cl");
    MACIBM_create_menu(4, "About");
    MACIBM_append_menu(4, 501, 0, "About");
    MACIBM_finalize_menus();
    MACIBM_check_menu(3, VIEW_ALPHA, 1);
}

void handle_IBM_win(const WinEvent *ev)
{
    switch (ev->message) {
    case MSG_COMMAND: handlemenu(ev->item); break;
    case MSG_QUIT:
        if (!designer_quit_by_signal())
            donewdeal(2, msc.device);
        break;
    case MSG_MOUSEMOVE:
        msc.mx = ev->x;
        msc.my = ev->y;
        break;
    case MSG_BUTTONDOWN:
        msc.mx = ev->x;
        msc.my = ev->y;
        handleclick(0);
        msc.devicemod = 1;   // any click on the window counts as a change
        break;
    case MSG_PAINT: update_screen(ev->index); break;
    }
    lineup(0);
}

// A part opened from its recovery copy goes on under the copy's name, so
// that a save never lands on the part it was kept from.
static void open_recovered(const char *path)
{
    readinpart(path, msc.device, switchmode);
    const char *slash = strrchr(path, '/');
    C_to_C(slash ? slash + 1 : path, msc.C_openfile);
    C_to_C(path, msc.path_name);
    msc.haveaname = 1;
    msc.devicemod = 0;
    retitle();
}

static void keep_recovery()
{
    static const DesignerRecovery R = {
        "Foilwright", &msc.devicemod, [] { return msc.haveaname ? (const char *)msc.path_name : ""; },
        [] { return (const char *)msc.C_openfile; },
        [](const char *path) { return writeoutpart(path, msc.device); }, open_recovered};
    designer_set_recovery(&R);
}

int foilwright_start_layer()
{
    msc = miscstruct{};
    msc.device = DEVICE_AIRFOIL;
    msc.view = VIEW_ALPHA;
    lastx = -1;
    register_backgrounds();
    keep_recovery();
    return designer_start_layer("Foilwright", handle_IBM_win, nullptr, &msc.mx, &msc.my,
                                set_up_menus);
}

void foilwright_start()
{
    designer_startup_bar(startup_pause_s);
    initfoilwright();
    switchmode(DEVICE_AIRFOIL);
    reset_to_default();
    designer_offer_recovery();
    MACIBM_invalwind(0);
}

int another_instance_running()
{
    return !claim_single_instance("foilwright.lock");
}

int foilwright_main()
{
    if (another_instance_running())
        return 0;
    if (!foilwright_start_layer())
        return 1;
    foilwright_start();
    for (;;) {
        MACIBM_pump();
        MACIBM_present();
        MACIBM_idle(10);   // a designer waits for the user: no busy loop
    }
}

}  // namespace foilwright
