// The performance table of the open design: the batch runner flies the
// saved file through the real flight model beside Airwright, and its table
// (or what went wrong) is shown in the Performance window.
#include "airwright/local.h"

#include <cstring>
#include <unistd.h>

namespace airwright {

constexpr int PERF_CAP = 16384;
constexpr int TEXT_X = 12, TEXT_Y = 40, LINE_PX = 10;
constexpr int TEXT_COLOR = 23;

static char out_text[PERF_CAP], err_text[PERF_CAP];
static char message[MAX_STR];
static int running, last_status;

const char *performance_text() { return message[0] ? message : out_text; }

void start_performance()
{
    if (running) {
        makeawindow(WIN_PERFORMANCE);
        return;
    }
    // The runner reads the file, so the file must hold the design.
    if ((msc.planemod || !msc.planenamed) && !designer_save_question(1, pln.C_name, save_design))
        return;
    if (!msc.planenamed)
        return;
    char program[MAX_STR];
    ap_dir("", "vortan-batch", program);   // beside the program folder's data when built in place
    if (access(program, X_OK) != 0)
        exe_dir("vortan-batch", program);   // installed, the programs lie apart from their data
    const char *args[] = {"--performance", pln.C_path, nullptr};
    out_text[0] = err_text[0] = 0;
    if (child_start(program, args)) {
        running = 1;
        C_to_C("Flying the design through the flight model (about a minute)...", message);
    } else {
        C_to_C("The batch runner could not be started.", message);
    }
    makeawindow(WIN_PERFORMANCE);
}

void poll_performance()
{
    if (!running || child_poll(out_text, err_text, PERF_CAP, &last_status))
        return;
    running = 0;
    message[0] = 0;
    if (last_status != 0) {
        // What the runner said about it is the best explanation there is.
        C_to_C(last_status < 0 ? "The batch runner could not be run: " : "The batch runner failed: ",
               message);
        app_C(message, err_text[0] ? err_text : "no reason given.");
    }
    if (mnw.up[WIN_PERFORMANCE])
        MACIBM_invalwind(WIN_PERFORMANCE);
}

// Lines of text at the left, a line too long for the window wrapped at its
// last space that fits (or cut there when it has none), down to the bottom.
static void draw_lines(const char *text, int y, int w, int h)
{
    char line[MAX_STR];
    int maxc = intlim((w - 2 * TEXT_X) / CHAR_W, 1, MAX_STR - 1);
    while (*text && y < h - LINE_PX) {
        int n = (int)strcspn(text, "\n");
        int k = intmin2(n, maxc);
        int next = k;
        if (k < n) {
            int space = k;
            while (space > 0 && text[space] != ' ')
                space--;
            if (space > 0)
                k = next = space;
        }
        memcpy(line, text, k);
        line[k] = 0;
        MACIBM_drstring(TEXT_COLOR, TEXT_X, y, line, 0);
        y += LINE_PX;
        text += next;
        while (*text == ' ' && next < n)
            text++, next++;
        if (next >= n)
            text += *text == '\n';
    }
}

void draw_performance()
{
    int w = mnw.dx[WIN_PERFORMANCE], h = mnw.dy[WIN_PERFORMANCE], x = 0, y = 0;
    start_IBM_surf3(0, 0, w, h, PANEL_COLOR, &x, &y);
    paint_panel(w, h, nullptr);
    char title[MAX_STR];
    C_to_C("Performance of ", title);
    app_C(title, pln.C_name);
    MACIBM_drstring(HEADING_COLOR, TEXT_X, 20, title, 0);
    draw_lines(performance_text(), TEXT_Y, w, h);
    finish_IBM_surf3(1);
}

}  // namespace airwright
