// Finishing a region's navigation table after its quadrants are read: the
// sort by name, the airport, VOR and NDB lists, the location menus with
// their runway items, the beacon cells and the cloud grid's positions.
#include "world/local.h"

#include <cstring>


// What the menus hold from the last finish, so the next one can take it away.
static int listed_apts = 0, listed_vors = 0, listed_ndbs = 0, reset_item = 0;
static int output_separator = 0;

void reset_location_menus()
{
    listed_apts = listed_vors = listed_ndbs = reset_item = output_separator = 0;
}

template <typename T> static void swap_val(T &a, T &b)
{
    T t = a;
    a = b;
    b = t;
}

static void swap_slots(int a, int b)
{
    for (int n = 0; n < 5; n++)
        swap_val(env.navxyz[a][n], env.navxyz[b][n]);
    for (int n = 0; n < 9; n++)
        swap_val(env.navmsc[a][n], env.navmsc[b][n]);
    char name[NAV_NAME];
    memcpy(name, env.navname[a], NAV_NAME);
    memcpy(env.navname[a], env.navname[b], NAV_NAME);
    memcpy(env.navname[b], name, NAV_NAME);
    for (int n = 0; n < 4; n++)
        swap_val(env.navID[a][n], env.navID[b][n]);
    swap_val(env.lr[a][0], env.lr[b][0]);
    swap_val(env.lr[a][1], env.lr[b][1]);
    swap_val(env.ILScode[a], env.ILScode[b]);
    swap_val(env.nav_quad[a], env.nav_quad[b]);
    swap_val(beacx[a], beacx[b]);
    swap_val(beacy[a], beacy[b]);
    swap_val(beacz[a], beacz[b]);
}

// Sort key of the first three name characters (base 255, signed characters,
// as the table has always been ordered).
static int name_key(int k)
{
    const signed char *s = (const signed char *)env.navname[k];
    int c1 = s[0] ? s[1] : 0, c2 = s[0] && s[1] ? s[2] : 0;
    return 65025 * s[0] + 255 * c1 + c2;
}

// Bubble sort; the passes stop once one changes nothing, which gives the
// same order as running all of them.
static void sort_table(int keep_field)
{
    for (int pass = 0; pass < MAX_NAV + 1; pass++) {
        int swapped = 0;
        for (int k = 1; k < MAX_NAV; k++)
            if (name_key(k) < name_key(k - 1)) {
                swap_slots(k, k - 1);
                swapped = 1;
                if (keep_field && msc.loc_index == k)
                    msc.loc_index = k - 1;
                else if (keep_field && msc.loc_index == k - 1)
                    msc.loc_index = k;
            }
        if (!swapped)
            return;
    }
}

static void build_lists()
{
    env.apt_max = env.vor_max = env.ndb_max = -1;
    for (int k = 0; k < MAX_NAV; k++) {
        int type = env.navmsc[k][0];
        if (is_airport(type))
            env.apt_to_index[++env.apt_max] = k;
        else if (type == NAV_VOR)
            env.vor_to_index[++env.vor_max] = k;
        else if (type == NAV_NDB)
            env.ndb_to_index[++env.ndb_max] = k;
    }
}

static void choose_location(int keep_field)
{
    if (env.apt_max < 0) {
        msc.loc_apt = -1;
        msc.loc_index = 0;
        return;
    }
    if (keep_field) {
        msc.loc_apt = 0;
        for (int n = 0; n <= env.apt_max; n++)
            if (env.apt_to_index[n] == msc.loc_index)
                msc.loc_apt = n;
    }
    if (msc.loc_apt < 0 || msc.loc_apt > env.apt_max)
        msc.loc_apt = 0;
    msc.loc_index = env.apt_to_index[msc.loc_apt];
}

void rway_to_cs(int number, char side, int is_pad, char *text)
{
    int n = intlim(number, 0, 99);
    text[0] = 0;
    app_C(text, is_pad ? "Pad " : "Rwy ");
    char digits[4] = {(char)('0' + n / 10), (char)('0' + n % 10), side, 0};
    if (side == 'x' || side == 0)
        digits[2] = 0;
    app_C(text, digits);
}

static char reciprocal_side(char side) { return side == 'x' ? 'x' : side == 'L' ? 'R' : 'L'; }

int tack_on_runway_items(int menu, int first_id, int slot)
{
    int id = first_id;
    for (int r = 0; r < 2; r++) {
        int number = env.navmsc[slot][r ? 8 : 4];
        if (r == 1 && number == 0)
            break;
        int pad = (float)env.navmsc[slot][r ? 5 : 1] * con.mtrstoft < 500.0f;
        char side = env.lr[slot][r], text[MAX_STR];
        rway_to_cs(number, side, pad, text);
        MACIBM_append_menu(menu, ++id, -1, text);
        rway_to_cs(intwrap(number + 18, 1, 36), reciprocal_side(side), pad, text);
        MACIBM_append_menu(menu, ++id, -1, text);
    }
    return id - first_id;
}

static void remove_old_items()
{
    for (int n = 0; n < listed_apts; n++) {
        MACIBM_delete_menu(15 + n);
        MACIBM_delete_menu(75 + n);
        MACIBM_delete_menu(135 + n);
        MACIBM_delete_menu_item(5, 509 + n);
    }
    if (reset_item)
        MACIBM_delete_menu_item(5, reset_item);
    for (int n = 0; n < listed_vors; n++)
        MACIBM_delete_menu_item(12, 1201 + n);
    for (int n = 0; n < listed_ndbs; n++)
        MACIBM_delete_menu_item(13, 1301 + n);
}

static void add_airport_items()
{
    for (int n = 0; n <= env.apt_max; n++) {
        const char *name = env.navname[env.apt_to_index[n]];
        static const int PARENT[3] = {9, 10, 11}, FIRST[3] = {15, 75, 135};
        for (int m = 0; m < 3; m++) {
            MACIBM_create_submenu(PARENT[m], FIRST[m] + n, n, name);
            tack_on_runway_items(FIRST[m] + n, 100 * (FIRST[m] + n), env.apt_to_index[n]);
        }
        MACIBM_append_menu(5, 509 + n, -1, name);
    }
    listed_apts = env.apt_max + 1;
    if (env.apt_max < 0)
        return;
    // The layer cannot take a separator away again: it is added once.
    if (!output_separator)
        MACIBM_append_menu(5, 510 + env.apt_max, -1, "-");
    output_separator = 1;
    reset_item = 511 + env.apt_max;
    MACIBM_append_menu(5, reset_item, -1, "Reset Flight Path");
}

// VORs 1201.. and NDBs 1301..: each list stops at 100 so the ids never meet.
static void add_navaid_items()
{
    listed_vors = intmin2(env.vor_max + 1, MAX_VOR_MENU);
    listed_ndbs = intmin2(env.ndb_max + 1, MAX_NDB_MENU);
    for (int n = 0; n < listed_vors; n++)
        MACIBM_append_menu(12, 1201 + n, -1, env.navname[env.vor_to_index[n]]);
    for (int n = 0; n < listed_ndbs; n++)
        MACIBM_append_menu(13, 1301 + n, -1, env.navname[env.ndb_to_index[n]]);
}

int listed_navaid_items(int type)
{
    return type == NAV_VOR ? listed_vors : type == NAV_NDB ? listed_ndbs : listed_apts;
}

static void mark_beacon_cells()
{
    for (int i = 0; i < MESH_I; i++)
        for (int j = 0; j < MESH_J; j++)
            beacon_index[i][j] = -1;
    for (int i = 0; i < MESH_I - 1; i++)
        for (int j = 0; j < MESH_J - 1; j++)
            for (int t = 0; t < 2; t++) {
                if (!on_field[i][j][t])
                    continue;
                int di[3], dj[3];
                convert_ij_cw(planediv[i][j], t, di, dj);
                for (int k = 0; k < MAX_NAV; k++)
                    if (is_airport(env.navmsc[k][0]) &&
                        ontri(i + di[0], j + dj[0], i + di[1], j + dj[1], i + di[2], j + dj[2],
                              beacx[k], beacy[k]))
                        beacon_index[i][j] = k;
            }
}

static void scale_map_and_clouds()
{
    float height = planey[MESH_I - 1][MESH_J - 1] - planey[0][0];
    float width = planex[MESH_I - 1][0] - planex[0][0];
    if (height > 1.0f) {
        con.mtrtonrt = 414.0f / height;
        con.nrttomtr = 1.0f / con.mtrtonrt;
        set_wind_size(2, iround(width * con.mtrtonrt) + 60, iround(height * con.mtrtonrt) + 80);
    }
    for (int i = 0; i < CLOUD_I; i++)
        for (int j = 0; j < CLOUD_J; j++) {
            cloudx[i][j] = interp(8.0f, planex[0][0], 32.0f, planex[MESH_I - 1][0], (float)i);
            cloudy[i][j] = interp(8.0f, planey[0][0], 24.0f, planey[0][MESH_J - 1], (float)j);
        }
}

static void enable_ship_items()
{
    int boat = 0, carrier = 0;
    for (int i = 0; i < MESH_I; i++)
        for (int j = 0; j < MESH_J; j++) {
            boat |= boat_on_poly[i][j];
            carrier |= carr_on_poly[i][j];
        }
    MACIBM_gray_menu(3, 317, boat);
    MACIBM_gray_menu(3, 318, carrier);
    MACIBM_gray_menu(3, 319, carrier);
}

void finish_nav_readin(int keep_field)
{
    scale_map_and_clouds();
    remove_old_items();
    sort_table(keep_field);
    build_lists();
    choose_location(keep_field);
    if (env.apt_max > MAX_APT_MENU - 1)
        env.apt_max = MAX_APT_MENU - 1;
    add_airport_items();
    add_navaid_items();
    mark_beacon_cells();
    enable_ship_items();
}
