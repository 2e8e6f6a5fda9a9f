// The call menu drawn over the out-the-window view: the main menu of calls
// (which rows are offered, which pulse as recommended) and the lists of
// airports and approaches, what a click on each does, and the message
// line shown while the menu is closed.
#include <cstring>

#include "atc/local.h"

namespace {

// The view world's rows above 17 are not shown, so the menu starts lower
// than the 15 the row pitch would give.
constexpr int MENU_X = 12, MENU_Y0 = 19, ROW_H = 10, MENU_W = 628;
constexpr int LIST_ROWS = 15, LIST_X0 = 20;
constexpr int MESSAGE_X = 6, MESSAGE_Y = 25, MESSAGE_W = 635;
constexpr float SECONDS_PER_CHAR = 0.1f;
constexpr float LANDING_LIST_NM = 15.0f;
const int PULSE[5] = {29, 37, 29, 38, 29};

int has_tower(int n) { return atc_is_airport(n) && env.ILScode[n] > 0; }

int level_qualifies(int level, int n)
{
    switch (level) {
    case ATC_MENU_ATIS: return has_tower(n);
    case ATC_MENU_LANDING: return has_tower(n) && navaid_dist_nm(n) < LANDING_LIST_NM;
    case ATC_MENU_VECTORS: return atc_is_airport(n);
    case ATC_MENU_ILS: return env.navmsc[n][0] == NAV_ILS;
    case ATC_MENU_LOC: return env.navmsc[n][0] == NAV_LOC;
    default: return 0;
    }
}

int list_col_w(int level) { return level == ATC_MENU_VECTORS || level == ATC_MENU_LANDING ? 150 : 300; }
int list_cols(int level) { return level == ATC_MENU_VECTORS || level == ATC_MENU_LANDING ? 4 : 2; }

// The list entry under the mouse, clamped to the entries there are; -1
// for an empty list.
int list_entry_at(int level, int nentries, int mx, int my)
{
    if (nentries <= 0)
        return -1;
    int w = list_col_w(level);
    int ncols = (nentries + LIST_ROWS - 1) / LIST_ROWS;
    int col = intlim((mx - LIST_X0) / w, 0, ncols - 1);
    int last_row = col == ncols - 1 ? (nentries - 1) % LIST_ROWS : LIST_ROWS - 1;
    int row = intlim((my - MENU_Y0) / ROW_H, 0, last_row);
    return col * LIST_ROWS + row;
}

int main_row_at(int mx, int my)
{
    if (mx < MENU_X || mx > MENU_X + MENU_W || my < MENU_Y0)
        return -1;
    int row = (my - MENU_Y0) / ROW_H;
    return row < ATC_MAIN_ROWS ? row : -1;
}

void open_list(int level)
{
    atc.menu_level = level;
    atc.menu_up = 1;
}

void plot_main()
{
    char s[MAX_STR];
    for (int row = 0; row < ATC_MAIN_ROWS; row++) {
        int c = atc_row_color(row);
        if (c == ATC_HIDDEN)
            continue;
        atc_row_text(row, s);
        HS_plot_string(MENU_X, MENU_Y0 + ROW_H * row, c, s, MENU_X + MENU_W, 0);
    }
    int row = main_row_at(msc.mx, msc.my);
    if (row >= 0 && atc_row_color(row) != ATC_HIDDEN)
        MACIBM_framerect(ATC_AVAILABLE, MENU_X - 3, MENU_Y0 + ROW_H * row - 2, MENU_W + 3, ROW_H, 1);
}

void plot_list(int level)
{
    int n = atc_list_fill(level), w = list_col_w(level);
    for (int k = 0; k < n; k++) {
        int x = (k / LIST_ROWS) * w + LIST_X0, y = MENU_Y0 + ROW_H * (k % LIST_ROWS);
        HS_plot_string(x, y, ATC_AVAILABLE, env.navname[atc.sel_to_nav[k]], x + w - 6, 0);
    }
    int k = list_entry_at(level, n, msc.mx, msc.my);
    if (k >= 0)
        MACIBM_framerect(ATC_AVAILABLE, (k / LIST_ROWS) * w + LIST_X0 - 3,
                         MENU_Y0 + ROW_H * (k % LIST_ROWS) - 2, w - 4, ROW_H, 1);
}

// "<tail number><text>"
void say_tail(char *s, const char *text)
{
    C_to_C(pln.tailnum, s);
    app_string(s, text);
}

void checkin_text(char *s)
{
    int dep = airport_by_id(fpl.dep_apt), arr = airport_by_id(fpl.arr_apt), here = nearest_airport();
    s[0] = 0;
    switch (atc.planphase) {
    case 4:
        app_string(s, dep >= 0 ? env.navname[dep] : fpl.dep_apt);
        app_string(s, " departure ");
        break;
    case 5: app_string(s, "Center, "); break;
    case 6:
        app_string(s, arr >= 0 ? env.navname[arr] : fpl.arr_apt);
        app_string(s, " approach ");
        break;
    case 7: app_string(s, "Tower "); break;
    case 9:
        app_string(s, here >= 0 ? env.navname[here] : "");
        app_string(s, " ground ");
        break;
    default: break;
    }
    app_string(s, pln.tailnum);
    app_string(s, atc.planphase == 6 || atc.planphase == 7 ? " with you inbound."
                  : atc.planphase == 9                    ? " clear active."
                                                          : " with you.");
}

}   // namespace

int atc_row_color(int row)
{
    int ground = atc_at_towered_field(), air = !flt.onground;
    int avail = 0, recommend = 0;
    switch (row) {
    case ATC_ROW_FILE: avail = recommend = !fpl.onfile; break;
    case ATC_ROW_AMEND: avail = fpl.onfile; break;
    case ATC_ROW_ATIS: avail = 1; break;
    case ATC_ROW_PICKUP: avail = recommend = fpl.onfile && !fpl.activated; break;
    case ATC_ROW_CLOSE: avail = fpl.onfile && fpl.activated; break;
    case ATC_ROW_CHECKIN: avail = recommend = atc.waiting_new_frq; break;
    case ATC_ROW_SAY_AGAIN: avail = atc.response[0] != 0; break;
    case ATC_ROW_TAXI:
    case ATC_ROW_TAKEOFF:
        avail = ground;
        recommend = ground && atc.planphase == 3 && fpl.onfile && fpl.activated;
        break;
    case ATC_ROW_VECTORS:
    case ATC_ROW_LANDING:
    case ATC_ROW_ILS:
    case ATC_ROW_LOC:
    case ATC_ROW_EMERGENCY: avail = air; break;
    default: break;
    }
    if (!avail)
        return ATC_HIDDEN;
    return recommend ? PULSE[intlim(msc.cntr10, 0, 10) % 5] : ATC_AVAILABLE;
}

void atc_row_text(int row, char *s)
{
    int here = nearest_airport();
    const char *field = here >= 0 ? env.navname[here] : "";
    s[0] = 0;
    switch (row) {
    case ATC_ROW_FILE: C_to_C("File flight plan", s); break;
    case ATC_ROW_AMEND: C_to_C("Ammend flight plan", s); break;
    case ATC_ROW_ATIS: C_to_C("Get ATIS...", s); break;
    case ATC_ROW_PICKUP: say_tail(s, " would like to pick up my flight plan."); break;
    case ATC_ROW_CLOSE: say_tail(s, " would like to close my flight plan."); break;
    case ATC_ROW_CHECKIN: checkin_text(s); break;
    case ATC_ROW_SAY_AGAIN: say_tail(s, " say again please."); break;
    case ATC_ROW_TAXI:
        say_tail(s, " request taxi to active ");
        app_string(s, field);
        break;
    case ATC_ROW_TAKEOFF:
        say_tail(s, " request take off ");
        app_string(s, field);
        break;
    case ATC_ROW_VECTORS: say_tail(s, " request vectors..."); break;
    case ATC_ROW_LANDING: say_tail(s, " request landing..."); break;
    case ATC_ROW_ILS: say_tail(s, " request ILS..."); break;
    case ATC_ROW_LOC: say_tail(s, " request localizer..."); break;
    case ATC_ROW_EMERGENCY: say_tail(s, " DECLARING AN EMERGENCY, REQUEST VECTORS NEAREST FIELD!"); break;
    default: break;
    }
}

// The request sent for a taxi or take-off call: "request taxi <field>.".
static void request_at_field(const char *what)
{
    int here = nearest_airport();
    if (here < 0)
        return;
    char r[MAX_STR];
    C_to_C(what, r);
    app_string(r, env.navname[here]);
    app_string(r, ".");
    atc_end_vectoring();
    controller_respond(r);
}

void atc_main_row(int row)
{
    if (row < 0 || row >= ATC_MAIN_ROWS || atc_row_color(row) == ATC_HIDDEN) {
        atc.menu_up = 0;
        return;
    }
    atc.menu_up = 0;
    char s[MAX_STR];
    switch (row) {
    case ATC_ROW_FILE: {
        int start = atc_is_airport(msc.loc_index) ? msc.loc_index : nearest_airport();
        char id[4] = {0};
        if (start >= 0)
            memcpy(id, env.navID[start], 3);
        C_to_C(id, fpl.dep_apt);
        fpl.onfile = 1;
        fpl.activated = 0;
        atc_end_vectoring();
        MACIBM_startwind(ATC_FLIGHT_PLAN_WINDOW, 1);
        break;
    }
    case ATC_ROW_AMEND: MACIBM_startwind(ATC_FLIGHT_PLAN_WINDOW, 1); break;
    case ATC_ROW_ATIS: open_list(ATC_MENU_ATIS); break;
    case ATC_ROW_PICKUP:
        fpl.activated = 1;
        atc.planphase = 0;
        break;
    case ATC_ROW_CLOSE:
        fpl.onfile = fpl.activated = 0;
        atc.planphase = 0;
        say_tail(s, " flight plan closed. Squawk 1 2 0 0. Good day.");
        speakstring(s);
        break;
    case ATC_ROW_CHECKIN:
        atc.waiting_new_frq = 0;
        handle_plan(1);
        break;
    case ATC_ROW_SAY_AGAIN:
        C_to_C(atc.response, s);
        speakstring(s);
        break;
    case ATC_ROW_TAXI: request_at_field("request taxi "); break;
    case ATC_ROW_TAKEOFF: request_at_field("request takeoff "); break;
    case ATC_ROW_VECTORS:
    case ATC_ROW_LANDING:
    case ATC_ROW_ILS:
    case ATC_ROW_LOC:
        atc_end_vectoring();
        open_list(ATC_MENU_VECTORS + row - ATC_ROW_VECTORS);
        break;
    case ATC_ROW_EMERGENCY: controller_respond("declaring an emergency"); break;
    default: break;
    }
}

int atc_list_fill(int level)
{
    int cap = list_cols(level) * LIST_ROWS, n = 0;
    for (int k = 0; k < MAX_NAV && n < cap; k++)
        if (level_qualifies(level, k))
            atc.sel_to_nav[n++] = k;
    return n;
}

void atc_list_pick(int level, int entry)
{
    int n = atc_list_fill(level);
    if (entry < 0 || entry >= n)
        return;
    atc.menu_up = 0;
    int nav = atc.sel_to_nav[entry];
    if (level == ATC_MENU_ATIS) {
        give_ATIS(nav);
        return;
    }
    const char *REQUEST[4] = {"request vectors ", "request landing ", "request I L S ", "request localizer "};
    char r[MAX_STR];
    C_to_C(REQUEST[intlim(level - ATC_MENU_VECTORS, 0, 3)], r);
    app_string(r, env.navname[nav]);
    controller_respond(r);
}

void plot_atc_options(int is_clicked)
{
    int level = atc.menu_level;
    if (!is_clicked) {
        if (level == ATC_MENU_MAIN)
            plot_main();
        else
            plot_list(level);
        return;
    }
    if (level == ATC_MENU_MAIN) {
        atc_main_row(main_row_at(msc.mx, msc.my));
        return;
    }
    int n = atc_list_fill(level);
    if (n > 0)
        atc_list_pick(level, list_entry_at(level, n, msc.mx, msc.my));
}

void plot_atc_over_view()
{
    if (atc.menu_up)
        plot_atc_options(0);
    else if (atc.response[0] && msc.tottime < atc.response_timeout)
        HS_plot_string(MESSAGE_X, MESSAGE_Y, ATC_MESSAGE_COLOR, atc.response, MESSAGE_X + MESSAGE_W, 1);
}

// The rows of the window the view strip is copied to.
constexpr int VIEW_TOP = 17, VIEW_BOTTOM = 230, VIEW_RIGHT = 800;

int atc_view_click(int x, int y)
{
    if (!atc.menu_up || x < 0 || x >= VIEW_RIGHT || y < VIEW_TOP || y >= VIEW_BOTTOM)
        return 0;
    msc.mx = x;
    msc.my = y;
    plot_atc_options(1);
    return 1;
}

void atc_space_bar()
{
    atc.menu_up = !atc.menu_up;
    atc.menu_level = ATC_MENU_MAIN;
}

void atc_instructions()
{
    MACIBM_alert("Just hit the space bar to bring up the air traffic control menu.",
                 "Then point and click with the mouse to make your selection. (Selection in pulsing yellow recommended).",
                 "Go to the 'Set Sound' option in the 'Settings' menu to select ATC audio output.",
                 "The controller speaks through the sound output when a sound device is there; otherwise the messages appear as text only.");
}

// Shared by the on-screen timeout: 0.1 s a character.
float atc_text_seconds(const char *s) { return SECONDS_PER_CHAR * (float)strnlen(s, MAX_STR); }
