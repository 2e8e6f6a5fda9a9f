// The simulator's menu bar: File, Location, Settings, Output, View, Special
// and About, with their item numbers and mnemonics. The region loader adds
// the airports, navaids and approach charts.
#include "shell/local.h"

struct MenuLine {
    int menu, item, key;   // key: position of the mnemonic, -1 none
    const char *title;     // "-" for a separator
};

static const MenuLine LINES[] = {
    {2, 201, 0, "Open Aircraft"}, {2, 202, -1, "-"}, {2, 203, -1, "Load Situation"},
    {2, 204, -1, "Save Situation"}, {2, 205, -1, "-"}, {2, 206, 1, "Exit"},
    {4, 401, 4, "Set Data Output..."}, {4, 402, -1, "-"}, {4, 403, 4, "Set Time Of Day..."},
    {4, 404, -1, "-"}, {4, 405, 4, "Set Weather Conditions..."}, {4, 406, -1, "-"},
    {4, 407, 4, "Set Flight Mode..."}, {4, 408, -1, "-"}, {4, 409, 8, "Set Weights..."},
    {4, 410, -1, "-"}, {4, 411, 4, "Set Reliability..."}, {4, 412, -1, "-"},
    {4, 413, 4, "Set Sound..."}, {4, 414, -1, "-"}, {4, 415, 7, "Set Warnings..."},
    {5, 501, 0, "Graphic Flight Record"}, {5, 502, -1, "-"}, {5, 503, -1, "Low Enroute"},
    {5, 504, -1, "Local Virtual-World"}, {5, 505, -1, "Weather Radar Map"},
    {5, 506, 0, "3-D Flight-Path"}, {5, 507, 0, "Isometric Region"}, {5, 508, -1, "-"},
    {6, 601, -1, "[W] Forwards"}, {6, 602, -1, "[S] Down 4 Degrees"},
    {6, 603, -1, "[X] Down 8 Degrees"}, {6, 604, -1, "[Q] Left"}, {6, 605, -1, "[E] Right"},
    {6, 606, -1, "[Z] Backwards"}, {6, 607, -1, "[V] Satellite"}, {6, 608, -1, "-"},
    {6, 609, -1, "[T] Control Tower"}, {6, 610, -1, "[A] Chase"}, {6, 611, -1, "[C] Circling"},
    {6, 612, -1, "[R] Above 40 Degrees"}, {6, 613, -1, "[F] Above 10 Degrees"},
    {6, 614, -1, "-"}, {6, 615, -1, "[.] Full-Screen"}, {6, 616, -1, "-"},
    {6, 617, -1, "[+] Zoom In"}, {6, 618, -1, "[-] Zoom Out"}, {6, 619, -1, "-"},
    {6, 620, -1, "[,] Light-Amplification"},
    {7, 701, -1, "Select Alternate Environment"}, {7, 702, -1, "-"}, {7, 703, -1, "Cycle Dump"},
    {7, 704, -1, "-"}, {7, 705, -1, "Reset Preferences and Exit"}, {7, 706, -1, "-"},
    {7, 707, -1, "Instructions: Flight Controls"}, {7, 708, -1, "Instructions: Cockpit"},
    {7, 709, -1, "Instructions: Keyboard"}, {7, 710, -1, "Instructions: Air Traffic Control"},
    {7, 711, -1, "Instructions: Tech Support"},
    {8, 801, 0, "About"},
};

// The Location menu mixes sub-menus, separators and items in one order.
static void build_location_menu()
{
    MACIBM_create_submenu(3, 9, 1, "Takeoff");
    MACIBM_append_menu(3, 302, -1, "-");
    MACIBM_create_submenu(3, 10, 3, "VFR Final");
    MACIBM_create_submenu(3, 11, 4, "ILS Final");
    MACIBM_append_menu(3, 305, -1, "-");
    MACIBM_create_submenu(3, 12, 6, "Over VOR");
    MACIBM_create_submenu(3, 13, 7, "Over NDB");
    MACIBM_append_menu(3, 308, -1, "-");
    MACIBM_append_menu(3, 309, 0, "Airport...");
    MACIBM_append_menu(3, 310, 0, "Enroute...");
    MACIBM_append_menu(3, 311, 6, "Local VR...");
    MACIBM_append_menu(3, 312, 0, "US Visual...");
    MACIBM_append_menu(3, 313, 0, "Lat-Lon...");
    MACIBM_append_menu(3, 314, -1, "-");
    MACIBM_create_submenu(3, 14, 15, "Favorites");
    MACIBM_append_menu(3, 316, -1, "-");
    MACIBM_append_menu(3, 317, -1, "Frigate App");
    MACIBM_append_menu(3, 318, -1, "Carrier App");
    MACIBM_append_menu(3, 319, -1, "Catshot");
    static const char *const FAVORITES[6] = {"San Bernardino", "Bishop",       "Aspen",
                                             "Lone Pine",      "Palm Springs", "Thermal"};
    for (int k = 0; k < 6; k++)
        MACIBM_append_menu(14, 1401 + k, -1, FAVORITES[k]);
}

void set_up_menus()
{
    MACIBM_startmenus();
    static const char *const TITLES[7] = {"File",   "Location", "Settings", "Output",
                                          "View",   "Special",  "About"};
    for (int k = 0; k < 7; k++)
        MACIBM_create_menu(2 + k, TITLES[k]);
    build_location_menu();
    for (const MenuLine &l : LINES)
        MACIBM_append_menu(l.menu, l.item, l.key, l.title);
    MACIBM_finalize_menus();
}
