// Steps the two designers share: the layer's start, the start-up bar over
// the splash and the save-changes question that guards every command that
// drops a design.
#include "common/local.h"

constexpr int BAR_COLOR = 24, BAR_Y = 541, BAR_X1 = 59, BAR_X2 = 274, BAR_STEP = 5;

void designer_startup_bar(float pause_s)
{
    MACIBM_startwind(0, 0);
    for (int x = BAR_X1; x <= BAR_X2; x += BAR_STEP) {
        MACIBM_fillrect(BAR_COLOR, x, BAR_Y, 3, 5, 1);
        MACIBM_present();
        if (pause_s > 0)
            delay(pause_s);
    }
}

int designer_start_layer(const char *name, void (*window_proc)(const WinEvent *ev),
                         void (*close_handler)(int index), const int *mx, const int *my,
                         void (*build_menus)())
{
    LayerCallbacks cb = {};
    cb.window_proc = window_proc;
    cb.close_handler = close_handler;
    MACIBM_set_callbacks(&cb);
    // No panel lighting in a designer; the number fields read the mouse.
    static DrawSources sources;
    sources = DrawSources{nullptr, nullptr, nullptr, mx, my};
    set_draw_sources(&sources);
    return MACIBM_init(name, build_menus);
}

int designer_save_question(int modified, const char *name, int (*save)())
{
    if (!modified)
        return 1;
    int answer = MACIBM_respond_alert(name);
    if (answer == 1)
        return save();   // a cancelled or failed save must not lose the design
    return answer == 2;
}
