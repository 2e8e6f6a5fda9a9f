// Steps the two designers share: the layer's start, the start-up bar over
// the splash, the save-changes question that guards every command that
// drops a design, and the recovery copy kept when a signal ends a designer.
#include "common/local.h"

#include <cstdio>
#include <cstring>

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
    cb.quit_now = [] { designer_quit_by_signal(); };
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

// ---------------------------------------------------------------- recovery
static DesignerRecovery recovery;

void designer_set_recovery(const DesignerRecovery *r) { recovery = *r; }

int designer_recovery_path(const char *path, const char *name, char *out)
{
    char base[MAX_STR];
    int saved = path && path[0];
    if (saved && strlen(path) >= MAX_STR)
        return 0;
    if (saved && folder_of_writable(path)) {
        C_to_C(path, base);
    } else {
        // Never saved, or saved where nothing can be written (an installed
        // program's own folder): the data folder keeps the copy.
        const char *slash = saved ? strrchr(path, '/') : nullptr;
        if (!user_file_path(USER_DATA, saved ? (slash ? slash + 1 : path) : name, base))
            return 0;
    }
    const char *slash = strrchr(base, '/');
    char *dot = strrchr(base, '.');
    char ext[MAX_STR] = "";
    if (dot && (!slash || dot > slash + 1)) {
        C_to_C(dot, ext);
        *dot = 0;
    }
    if (strlen(base) + strlen("-recovered") + strlen(ext) >= MAX_STR)
        return 0;
    C_plus_C(base, "-recovered", out);
    app_C(out, ext);
    return 1;
}

static int note_path(char *out)
{
    char file[MAX_STR];
    C_plus_C(recovery.program, ".recovery", file);
    return user_file_path(USER_DATA, file, out);
}

// The note is written beside nothing of the user's, so a plain write with a
// rename is enough to keep it whole.
static void write_note(const char *copy)
{
    char note[MAX_STR], tmp[MAX_STR + 8];
    if (!note_path(note))
        return;
    snprintf(tmp, sizeof tmp, "%s.tmp", note);
    FILE *f = fopen(tmp, "w");
    if (!f)
        return;
    int ok = fprintf(f, "%s\n", copy) > 0;
    ok = fclose(f) == 0 && ok;
    if (!ok || rename(tmp, note) != 0)
        remove(tmp);
}

int designer_quit_by_signal()
{
    if (!layer_quit_signalled() || !recovery.program)
        return 0;
    if (recovery.modified && *recovery.modified) {
        char copy[MAX_STR];
        if (designer_recovery_path(recovery.path(), recovery.name(), copy) && recovery.write(copy)) {
            write_note(copy);
            fprintf(stderr, "%s: unsaved changes kept in %s\n", recovery.program, copy);
        } else {
            fprintf(stderr, "%s: unsaved changes could not be kept\n", recovery.program);
        }
    }
    MACIBM_exitalert(nullptr, nullptr, nullptr, nullptr);
}

void designer_offer_recovery()
{
    char note[MAX_STR], copy[MAX_STR] = "";
    if (!recovery.program || !note_path(note))
        return;
    FILE *f = fopen(note, "r");
    if (!f)
        return;
    int got = fgets(copy, sizeof copy, f) != nullptr;
    fclose(f);
    remove(note);
    copy[strcspn(copy, "\r\n")] = 0;
    FILE *c = got && copy[0] ? fopen(copy, "r") : nullptr;
    if (!c)
        return;
    fclose(c);
    char line[MAX_STR];
    C_plus_C(recovery.program, " was ended with unsaved changes, kept in", line);
    if (layer_ask(line, copy, "Open that copy now?"))
        recovery.open(copy);
}
