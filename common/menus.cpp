// Numbered menus: the bar drawn above the main window's client area, pop-up
// sub-menus, mnemonics (Alt + letter), check marks, greyed items, separators
// and new columns, and the menu loop that runs while a menu is open.
#include "common/local.h"
#include "common/testsupport.h"

#include <cctype>
#include <cstring>

constexpr int MAX_MENU_ITEMS = 400;   // airports x runways of a region fit
constexpr int MENU_TEXT = 64;         // characters kept of an item's title
constexpr int MAX_LEVELS = 4;         // bar menu and nested pop-ups open at once
constexpr int ITEM_H = 16;            // pixels
constexpr int SEP_H = 8;
constexpr int BAR_PAD = 6;            // pixels each side of a bar title
constexpr int CHECK_W = 14;           // check-mark column
constexpr int ARROW_W = 14;           // sub-menu arrow column

struct MenuItem {
    int id;              // item number (0 for separators and pop-ups)
    int submenu;         // menu index of a pop-up, else 0
    int mnemonic;        // position of the underlined character, -1 none
    int separator, checked, grayed, new_column;
    char title[MENU_TEXT];
};
struct Menu {
    int exists;
    int parent;          // -1 on the bar
    int mnemonic;
    char title[MENU_TEXT];
    int nitems;
    MenuItem items[MAX_MENU_ITEMS];
};
struct ItemRect { int x, y, w, h; };
struct Level {
    int menu;
    int x, y, w, h;      // pop-up outline, frame pixels
    int hl;              // highlighted item, -1 none
    ItemRect rect[MAX_MENU_ITEMS];
};

static Menu menus[MAX_MENUS];
static int bar[MAX_MENUS];        // bar order: menu indices
static int nbar;
static int bar_attached;          // finalized: the bar is shown
static Level levels[MAX_LEVELS];  // open pop-ups during the menu loop
static int nlevels;
static int bar_open = -1;         // bar position open during the loop

// ---------------------------------------------------------------- table

static void check_menu_index(int index, const char *fname)
{
    char text[MAX_STR];
    if (index > MAX_MENUS - 1) {
        C_plus_C("Menu index out of range in ", fname, text);
        app_C(text, "!");
        MACIBM_exitalert(text, "", "", "");
    }
    if (index < 1 || index > 235)
        MACIBM_exitalert("Menu index must be 1->235!", "", "", "");
}

static void copy_title(const char *src, char *dst)
{
    int n = 0;
    for (; src[n] && n < MENU_TEXT - 1; n++)
        dst[n] = src[n];
    dst[n] = 0;
}

static MenuItem *new_item(int menu)
{
    Menu &m = menus[menu];
    if (m.nitems >= MAX_MENU_ITEMS)
        MACIBM_numberexitalert("Too many items in menu!", menu);
    MenuItem *it = &m.items[m.nitems++];
    *it = MenuItem{};
    it->mnemonic = -1;
    return it;
}

static void clear_menu(int index, int parent)
{
    Menu &m = menus[index];
    m.exists = 1;
    m.parent = parent;
    m.nitems = 0;
    m.mnemonic = -1;
    m.title[0] = 0;
}

void MACIBM_startmenus()
{
    nbar = 0;
    bar_attached = 0;
    for (int k = 0; k < MAX_MENUS; k++)
        menus[k].exists = 0;
}

void MACIBM_create_menu(int index, const char *title)
{
    check_menu_index(index, "create_menu");
    int on_bar = menus[index].exists && menus[index].parent == -1;
    clear_menu(index, -1);
    copy_title(title, menus[index].title);
    menus[index].mnemonic = 0;
    mnw.menu[index] = &menus[index];
    if (!on_bar)
        bar[nbar++] = index;
}

void MACIBM_create_submenu(int parent, int index, int position, const char *title)
{
    check_menu_index(parent, "create_sub_menu");
    check_menu_index(index, "create_sub_menu");
    if (!menus[parent].exists)
        return;
    clear_menu(index, parent);
    copy_title(title, menus[index].title);
    mnw.menu[index] = &menus[index];
    MenuItem *it = new_item(parent);
    it->submenu = index;
    it->new_column = position % 25 == 0;
    copy_title(title, it->title);
}

void MACIBM_append_menu(int menu_index, int item_index, int command_key_index, const char *C_string)
{
    check_menu_index(menu_index, "append_menu");
    if (!menus[menu_index].exists)
        return;   // as the system does with a menu that was never made
    MenuItem *it = new_item(menu_index);
    if (C_string[0] == '-') {
        it->separator = 1;
        return;
    }
    it->id = item_index;
    copy_title(C_string, it->title);
    if (command_key_index >= 0 && command_key_index < (int)strlen(it->title))
        it->mnemonic = command_key_index;
    it->new_column = item_index % 25 == 0;
}

static MenuItem *find_item(int menu, int id)
{
    if (menu < 1 || menu >= MAX_MENUS || !menus[menu].exists)
        return nullptr;
    for (int k = 0; k < menus[menu].nitems; k++)
        if (!menus[menu].items[k].separator && !menus[menu].items[k].submenu &&
            menus[menu].items[k].id == id)
            return &menus[menu].items[k];
    return nullptr;
}

static void remove_item_at(int menu, int k)
{
    Menu &m = menus[menu];
    memmove(&m.items[k], &m.items[k + 1], sizeof(MenuItem) * (m.nitems - k - 1));
    m.nitems--;
}

void MACIBM_delete_menu_item(int menu, int item)
{
    check_menu_index(menu, "delete_menu_item");
    Menu &m = menus[menu];
    for (int k = 0; k < m.nitems; k++)
        if (!m.items[k].separator && !m.items[k].submenu && m.items[k].id == item) {
            remove_item_at(menu, k);
            return;
        }
}

// Removes the menu and its entry on the bar or in its parent.
void MACIBM_delete_menu(int menu)
{
    check_menu_index(menu, "delete_menu");
    Menu &m = menus[menu];
    if (!m.exists)
        return;
    if (m.parent == -1) {
        for (int k = 0; k < nbar; k++)
            if (bar[k] == menu) {
                memmove(&bar[k], &bar[k + 1], sizeof(int) * (nbar - k - 1));
                nbar--;
                break;
            }
    } else if (m.parent > 0 && menus[m.parent].exists) {
        Menu &p = menus[m.parent];
        for (int k = 0; k < p.nitems; k++)
            if (p.items[k].submenu == menu) {
                remove_item_at(m.parent, k);
                break;
            }
    }
    m.exists = 0;
    m.nitems = 0;
    mnw.menu[menu] = nullptr;
}

void MACIBM_finalize_menus() { bar_attached = 1; }

void MACIBM_check_menu(int menu_ind, int id, int val)
{
    MenuItem *it = find_item(menu_ind, id);
    if (it)
        it->checked = val != 0;
}

void MACIBM_gray_menu(int menu_ind, int id, int val)
{
    MenuItem *it = find_item(menu_ind, id);
    if (it)
        it->grayed = val == 0;
}

void menu_release()
{
    MACIBM_startmenus();
    nlevels = 0;
    bar_open = -1;
}

// ---------------------------------------------------------------- layout

static int bar_x(int pos)
{
    int x = 4;
    for (int k = 0; k < pos; k++)
        x += text_width(menus[bar[k]].title) + 2 * BAR_PAD;
    return x;
}

int menu_bar_hit(int x)
{
    if (!bar_attached)
        return -1;
    for (int k = 0; k < nbar; k++) {
        int x1 = bar_x(k);
        if (x >= x1 && x < x1 + text_width(menus[bar[k]].title) + 2 * BAR_PAD)
            return k;
    }
    return -1;
}

// The first bar menu after position `after` (cyclically) whose mnemonic is
// c, so that Alt and a letter two titles share opens them in turn.
static int bar_mnemonic_after(int c, int after)
{
    if (!bar_attached)
        return -1;
    for (int n = 1; n <= nbar; n++) {
        int k = (after + n + nbar) % nbar;
        const Menu &m = menus[bar[k]];
        if (m.mnemonic >= 0 && tolower((unsigned char)m.title[m.mnemonic]) == tolower(c))
            return k;
    }
    return -1;
}

int menu_bar_mnemonic(int c) { return bar_mnemonic_after(c, -1); }

// Lays the pop-up of `menu` out with its top left at (x, y): columns break
// at items flagged so and where the frame's bottom is reached; the whole
// pop-up is then moved to stay inside the frame.
static void layout_level(Level *lv, int menu, int x, int y)
{
    const Menu &m = menus[menu];
    int colw = 60;
    for (int k = 0; k < m.nitems; k++)
        colw = intmax2(colw, text_width(m.items[k].title) + CHECK_W + ARROW_W + 8);
    int cx = 0, cy = 2, maxh = 0;
    for (int k = 0; k < m.nitems; k++) {
        int h = m.items[k].separator ? SEP_H : ITEM_H;
        if (k > 0 && (m.items[k].new_column || y + cy + h + 2 > FRAME_H)) {
            cx += colw;
            cy = 2;
        }
        lv->rect[k] = ItemRect{cx + 2, cy, colw, h};
        cy += h;
        maxh = intmax2(maxh, cy);
    }
    lv->menu = menu;
    lv->w = cx + colw + 4;
    lv->h = maxh + 2;
    lv->x = intlim(x, 0, intmax2(0, FRAME_W - lv->w));
    lv->y = intlim(y, MENU_BAR_H, intmax2(MENU_BAR_H, FRAME_H - lv->h));
    lv->hl = -1;
}

static void open_level(int depth, int menu, int x, int y)
{
    layout_level(&levels[depth], menu, x, y);
    nlevels = depth + 1;
}

// Opens the pop-up of item k of level d beside the item.
static void open_child(int d, int k)
{
    if (d + 1 >= MAX_LEVELS)
        return;
    const Level &lv = levels[d];
    const ItemRect &r = lv.rect[k];
    int x = lv.x + r.x + r.w - 2;
    int sub = menus[lv.menu].items[k].submenu;
    if (menus[sub].nitems == 0)
        return;   // nothing to show until the region loader fills it
    open_level(d + 1, sub, x, lv.y + r.y - 2);
    if (levels[d + 1].x < x - 4)   // no room on the right: open to the left
        levels[d + 1].x = intmax2(0, lv.x + r.x - levels[d + 1].w + 2);
}

// ---------------------------------------------------------------- drawing

static void draw_item(const Port *p, const Level &lv, int k)
{
    const MenuItem &it = menus[lv.menu].items[k];
    const ItemRect &r = lv.rect[k];
    int x = lv.x + r.x, y = lv.y + r.y;
    if (it.separator) {
        port_fill(p, x + 2, y + 3, x + r.w - 2, y + 4, UI_DARK);
        port_fill(p, x + 2, y + 4, x + r.w - 2, y + 5, UI_WHITE);
        return;
    }
    int hl = k == lv.hl && !it.grayed;
    if (hl)
        port_fill(p, x, y, x + r.w, y + r.h, UI_NAVY);
    int color = it.grayed ? UI_DARK : (hl ? UI_WHITE : UI_BLACK);
    if (it.checked)   // a tick in the check column
        for (int j = 0; j < 3; j++) {
            port_fill(p, x + 3 + j, y + 7 + j, x + 4 + j, y + 9 + j, color);
            port_fill(p, x + 6 + j, y + 8 - j, x + 7 + j, y + 10 - j, color);
            port_fill(p, x + 9 + j, y + 5 - j, x + 10 + j, y + 7 - j, color);
        }
    port_text(p, x + CHECK_W, y + 4, it.title, color);
    if (it.mnemonic >= 0)
        port_underline(p, x + CHECK_W + it.mnemonic * FONT_W, y + 12, 1, color);
    if (it.submenu)
        port_text(p, x + r.w - ARROW_W + 2, y + 4, ">", color);
}

static void draw_levels(const Port *p)
{
    for (int d = 0; d < nlevels; d++) {
        const Level &lv = levels[d];
        port_bevel(p, lv.x, lv.y, lv.w, lv.h, 1);
        for (int k = 0; k < menus[lv.menu].nitems; k++)
            draw_item(p, lv, k);
    }
}

void menu_draw_bar(const Port *p)
{
    port_fill(p, 0, 0, FRAME_W, MENU_BAR_H - 1, UI_GREY);
    port_fill(p, 0, MENU_BAR_H - 1, FRAME_W, MENU_BAR_H, UI_DARK);
    if (!bar_attached)
        return;
    for (int k = 0; k < nbar; k++) {
        const Menu &m = menus[bar[k]];
        int x = bar_x(k);
        int w = text_width(m.title) + 2 * BAR_PAD;
        int open = k == bar_open;
        if (open)
            port_fill(p, x, 1, x + w, MENU_BAR_H - 2, UI_NAVY);
        int color = open ? UI_WHITE : UI_BLACK;
        port_text(p, x + BAR_PAD, 6, m.title, color);
        if (m.mnemonic >= 0)
            port_underline(p, x + BAR_PAD + m.mnemonic * FONT_W, 14, 1, color);
    }
}

// ---------------------------------------------------------------- menu loop

static void open_bar(int pos)
{
    bar_open = pos;
    open_level(0, bar[pos], bar_x(pos), MENU_BAR_H);
}

// Deepest level and item under (x, y); item -1 when between items.
static int locate(int x, int y, int *item)
{
    for (int d = nlevels - 1; d >= 0; d--) {
        const Level &lv = levels[d];
        if (x < lv.x || y < lv.y || x >= lv.x + lv.w || y >= lv.y + lv.h)
            continue;
        *item = -1;
        for (int k = 0; k < menus[lv.menu].nitems; k++) {
            const ItemRect &r = lv.rect[k];
            if (x >= lv.x + r.x && x < lv.x + r.x + r.w && y >= lv.y + r.y && y < lv.y + r.y + r.h)
                *item = k;
        }
        return d;
    }
    return -1;
}

static void hover(int x, int y)
{
    if (y < MENU_BAR_H) {
        int pos = menu_bar_hit(x);
        if (pos >= 0 && pos != bar_open)
            open_bar(pos);
        return;
    }
    int k;
    int d = locate(x, y, &k);
    if (d < 0)
        return;
    levels[d].hl = k;
    nlevels = d + 1;
    if (k >= 0 && menus[levels[d].menu].items[k].submenu && !menus[levels[d].menu].items[k].grayed)
        open_child(d, k);
}

// What choosing item k of the deepest level d does: 0 nothing yet, -1 close
// without a command, else the item number.
static int activate(int d, int k)
{
    if (k < 0)
        return 0;
    const MenuItem &it = menus[levels[d].menu].items[k];
    if (it.separator)
        return 0;
    if (it.grayed)
        return -1;
    if (it.submenu) {
        levels[d].hl = k;
        nlevels = d + 1;
        open_child(d, k);
        if (nlevels > d + 1)
            levels[d + 1].hl = -1;
        return 0;
    }
    return it.id;
}

static void move_highlight(int step)
{
    Level &lv = levels[nlevels - 1];
    int n = menus[lv.menu].nitems;
    for (int tries = 0; tries < n; tries++) {
        lv.hl = lv.hl < 0 ? (step > 0 ? 0 : n - 1) : (lv.hl + step + n) % n;
        if (!menus[lv.menu].items[lv.hl].separator)
            return;
    }
}

static int mnemonic_item(int c)
{
    const Level &lv = levels[nlevels - 1];
    const Menu &m = menus[lv.menu];
    for (int k = 0; k < m.nitems; k++)
        if (m.items[k].mnemonic >= 0 &&
            tolower((unsigned char)m.items[k].title[m.items[k].mnemonic]) == tolower(c))
            return k;
    return -1;
}

static int menu_key(const LayerInput &in)
{
    int d = nlevels - 1;
    switch (in.key) {
    case KEY_ESCAPE:
        if (nlevels > 1) {
            nlevels--;
            return 0;
        }
        return -1;
    case KEY_UP: move_highlight(-1); return 0;
    case KEY_DOWN: move_highlight(1); return 0;
    case KEY_RIGHT:
        if (levels[d].hl >= 0 && menus[levels[d].menu].items[levels[d].hl].submenu)
            return activate(d, levels[d].hl);
        open_bar((bar_open + 1) % nbar);
        return 0;
    case KEY_LEFT:
        if (nlevels > 1)
            nlevels--;
        else
            open_bar((bar_open + nbar - 1) % nbar);
        return 0;
    case KEY_ENTER: return activate(d, levels[d].hl);
    default:
        if (in.key <= 0 || in.key >= 128)
            return 0;
        if (in.mods & MOD_ALT_KEY) {
            int pos = bar_mnemonic_after(in.key, bar_open);
            if (pos >= 0) {
                open_bar(pos);
                move_highlight(1);   // as Alt and the letter does from the bar
                return 0;
            }
        }
        return activate(d, mnemonic_item(in.key));
    }
}

static int menu_mouse(const LayerInput &in)
{
    if (in.y < MENU_BAR_H) {
        int pos = menu_bar_hit(in.x);
        if (in.kind == IN_DOWN && pos == bar_open)
            return -1;   // a click on the open title closes the menu
        if (pos >= 0 && pos != bar_open)
            open_bar(pos);
        return pos < 0 && in.kind == IN_DOWN ? -1 : 0;
    }
    int k;
    int d = locate(in.x, in.y, &k);
    if (d < 0)
        return in.kind == IN_DOWN ? -1 : 0;
    hover(in.x, in.y);
    return in.kind == IN_UP ? activate(d, k) : 0;
}

int menu_track(int pos, int by_key)
{
    if (pos < 0 || pos >= nbar)
        return 0;
    open_bar(pos);
    if (by_key)
        move_highlight(1);
    modal_overlay = draw_levels;
    int result = 0;
    for (;;) {
        compose_frame();
        show_frame();
        LayerInput in;
        if (!input_next(&in, 1))
            break;
        if (in.kind == IN_MOVE)
            hover(in.x, in.y);
        else if (in.kind == IN_DOWN || in.kind == IN_UP)
            result = menu_mouse(in);
        else if (in.kind == IN_KEY)
            result = menu_key(in);
        else
            result = -1;
        if (result != 0)
            break;
    }
    modal_overlay = nullptr;
    nlevels = 0;
    bar_open = -1;
    return result > 0 ? result : 0;
}

// ---------------------------------------------------------------- test support

// Centre of menu `index`'s title on the bar, in frame pixels; 0 if absent.
int test_menu_title_pos(int index, int *x, int *y)
{
    for (int k = 0; k < nbar; k++)
        if (bar[k] == index && bar_attached) {
            *x = bar_x(k) + (text_width(menus[index].title) + 2 * BAR_PAD) / 2;
            *y = MENU_BAR_H / 2;
            return 1;
        }
    return 0;
}

// Rectangle of item `id` of a bar menu as it is laid out when opened, in
// frame pixels; 0 if absent.
int test_menu_item_rect(int index, int id, int *x, int *y, int *w, int *h)
{
    for (int k = 0; k < nbar; k++) {
        if (bar[k] != index)
            continue;
        Level &lv = levels[MAX_LEVELS - 1];
        layout_level(&lv, index, bar_x(k), MENU_BAR_H);
        for (int j = 0; j < menus[index].nitems; j++)
            if (!menus[index].items[j].separator && menus[index].items[j].id == id) {
                *x = lv.x + lv.rect[j].x;
                *y = lv.y + lv.rect[j].y;
                *w = lv.rect[j].w;
                *h = lv.rect[j].h;
                return 1;
            }
    }
    return 0;
}
