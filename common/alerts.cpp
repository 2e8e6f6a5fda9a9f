// Alerts drawn by the layer: a modal panel over the frame with up to four
// messages (word-wrapped, a blank line between them) and OK, or a question
// with Yes, No and Cancel. Enter answers with the first button, Escape with
// the last; a click on a button answers with it.
#include "common/local.h"

#include <cstdio>
#include <cstring>

constexpr int MAX_ALERT_LINES = 40;
constexpr int ALERT_W = 560;        // pixels
constexpr int LINE_H = 10;
constexpr int BUTTON_W = 72, BUTTON_H = 22;
constexpr int MAX_BUTTONS = 3;

struct AlertPanel {
    const char *title;
    char lines[MAX_ALERT_LINES][MAX_STR];
    int nlines;
    const char *labels[MAX_BUTTONS];
    int nbuttons;
    int x, y, w, h;
    int pressed;            // button under a held mouse button, -1 none
};
static AlertPanel ap;
static void (*under)(const Port *p);   // the panel below this one, if any

static int button_x(int k)
{
    int total = ap.nbuttons * BUTTON_W + (ap.nbuttons - 1) * 12;
    return ap.x + (ap.w - total) / 2 + k * (BUTTON_W + 12);
}
static int button_y() { return ap.y + ap.h - BUTTON_H - 12; }

static void draw_alert(const Port *p)
{
    if (under)
        under(p);
    port_bevel(p, ap.x, ap.y, ap.w, ap.h, 1);
    port_fill(p, ap.x + 3, ap.y + 3, ap.x + ap.w - 3, ap.y + 3 + FRAME_CAPTION_PX - 1, UI_NAVY);
    port_text(p, ap.x + 8, ap.y + 9, ap.title, UI_WHITE);
    port_fill(p, ap.x + 16, ap.y + 36, ap.x + 40, ap.y + 60, UI_NAVY);   // the "i" sign
    port_text(p, ap.x + 26, ap.y + 44, "i", UI_WHITE);
    for (int k = 0; k < ap.nlines; k++)
        port_text(p, ap.x + 52, ap.y + 36 + k * LINE_H, ap.lines[k], UI_BLACK);
    for (int k = 0; k < ap.nbuttons; k++) {
        int bx = button_x(k), by = button_y();
        port_bevel(p, bx, by, BUTTON_W, BUTTON_H, k != ap.pressed);
        if (k == 0)
            port_fill(p, bx - 1, by - 1, bx + BUTTON_W + 1, by, UI_BLACK);
        port_text(p, bx + (BUTTON_W - text_width(ap.labels[k])) / 2, by + 8, ap.labels[k], UI_BLACK);
    }
}

static void lay_out(const char *title, const char *const msgs[4])
{
    ap.title = title;
    ap.nlines = 0;
    int last = 3;
    while (last >= 0 && (!msgs[last] || !msgs[last][0]))
        last--;
    for (int k = 0; k <= last; k++) {
        if (k > 0 && ap.nlines < MAX_ALERT_LINES)
            ap.lines[ap.nlines++][0] = 0;
        const char *s = msgs[k] ? msgs[k] : "";
        ap.nlines += wrap_text(s, ALERT_W - 72, ap.lines + ap.nlines, MAX_ALERT_LINES - ap.nlines);
    }
    ap.w = ALERT_W;
    ap.h = 36 + intmax2(ap.nlines, 3) * LINE_H + 16 + BUTTON_H + 12;
    ap.x = (FRAME_W - ap.w) / 2;
    ap.y = intmax2(MENU_BAR_H, (FRAME_H - ap.h) / 2);
    ap.pressed = -1;
}

static int button_at(int x, int y)
{
    for (int k = 0; k < ap.nbuttons; k++)
        if (x >= button_x(k) && x < button_x(k) + BUTTON_W && y >= button_y() &&
            y < button_y() + BUTTON_H)
            return k;
    return -1;
}

// Answer (button number from 1) for one input, 0 while none.
static int alert_input(const LayerInput &in)
{
    if (in.kind == IN_QUIT)
        return ap.nbuttons;
    if (in.kind == IN_KEY) {
        if (in.key == KEY_ENTER || in.key == ' ')
            return 1;
        if (in.key == KEY_ESCAPE)
            return ap.nbuttons;
        for (int k = 0; k < ap.nbuttons; k++)
            if (in.key == ap.labels[k][0] - 'A' + 'a')
                return k + 1;
        return 0;
    }
    int b = button_at(in.x, in.y);
    if (in.kind == IN_DOWN)
        ap.pressed = b;
    if (in.kind == IN_UP) {
        int was = ap.pressed;
        ap.pressed = -1;
        if (b >= 0 && b == was)
            return b + 1;
    }
    return 0;
}

// Runs one alert; the default answer (the last button) when nothing can
// answer it (no screen, or a test left no input for it).
static int run_alert(const char *title, const char *const msgs[4], int nbuttons,
                     const char *const labels[])
{
    test_note_alert(msgs[0], msgs[1], msgs[2], msgs[3]);
    int pre = test_take_alert_answer();
    if (pre >= 1 && pre <= nbuttons)
        return pre;
    if (!layer_up) {
        for (int k = 0; k < 4; k++)
            fprintf(stderr, "%s\n", msgs[k] ? msgs[k] : "");
        return nbuttons;
    }
    AlertPanel saved = ap;
    void (*saved_under)(const Port *) = under;
    lay_out(title, msgs);
    ap.nbuttons = nbuttons;
    for (int k = 0; k < nbuttons; k++)
        ap.labels[k] = labels[k];
    under = modal_overlay;
    modal_overlay = draw_alert;
    int answer = 0;
    while (!answer) {
        compose_frame();
        show_frame();
        LayerInput in;
        if (!input_next(&in, 1))
            answer = nbuttons;
        else
            answer = alert_input(in);
    }
    modal_overlay = under;
    under = saved_under;
    ap = saved;
    return answer;
}

void MACIBM_alert(const char *s1, const char *s2, const char *s3, const char *s4)
{
    static const char *const OK[] = {"OK"};
    const char *const msgs[4] = {s1, s2, s3, s4};
    int sim = program_kind == PROG_VORTAN;   // the designers' alerts are silent
    if (sim && layer_cb.alert_begin)
        layer_cb.alert_begin();
    run_alert("Corvane Message", msgs, 1, OK);
    if (sim && layer_cb.alert_end)
        layer_cb.alert_end();
}

int MACIBM_respond_alert(const char *C_name)
{
    static const char *const YNC[] = {"Yes", "No", "Cancel"};
    char text[MAX_STR];
    C_plus_C("Save changes to ", C_name, text);
    app_C(text, " first?");
    const char *const msgs[4] = {text, "", "", ""};
    return run_alert("Corvane Alert Question", msgs, 3, YNC);
}

// A yes/no question of the layer's own (file dialogs): 1 yes, 0 no.
int layer_ask(const char *s1, const char *s2, const char *s3)
{
    static const char *const YN[] = {"Yes", "No"};
    const char *const msgs[4] = {s1, s2, s3, ""};
    return run_alert("Corvane Alert Question", msgs, 2, YN) == 1;
}

void layer_tell(const char *s1, const char *s2)
{
    static const char *const OK[] = {"OK"};
    const char *const msgs[4] = {s1, s2, "", ""};
    run_alert("Corvane Message", msgs, 1, OK);
}
