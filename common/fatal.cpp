// The program's end: MACIBM_exitalert shows a fatal message (unless a world
// is locked), logs it to "Error.out", invalidates the simulator's
// preferences so the next start uses the factory settings (not from the
// headless tools, which own none), releases the layer and ends the process
// (non-zero after a failure, so a script or desktop launcher sees it).
// Tests may catch it through a hook.
#include "common/local.h"
#include "common/testsupport.h"

#include <cstdio>
#include <cstdlib>

static FatalHook fatal_hook;   // installed by tests only

void test_set_fatal_hook(FatalHook hook) { fatal_hook = hook; }

static void log_error(const char *s1, const char *s2, const char *s3, const char *s4)
{
    char path[MAX_STR];
    if (!user_file_path(USER_DATA, "Error.out", path))
        return;
    FILE *f = fopen(path, "ab");
    if (!f)
        return;
    const char *lines[4] = {s1, s2, s3, s4};
    fprintf(f, "\n");
    for (int k = 0; k < 4; k++)
        fprintf(f, "error string %d:%s\n", k + 1, lines[k] ? lines[k] : "");
    fclose(f);
}

// A file of version -1 fails the version check of the preferences reader.
static void invalidate_prefs()
{
    char path[MAX_STR];
    if (!user_file_path(USER_CONFIG, "Vortan.prf", path))
        return;
    FILE *f = fopen(path, "wb");
    if (!f)
        return;
    fprintf(f, "I\n-1 version\n");
    for (int k = 0; k < 5; k++)
        fprintf(f, "z\n");
    fclose(f);
}

// A failure inside the alert or the release (re-entry) skips straight to
// the log and the end.
void MACIBM_exitalert(const char *s1, const char *s2, const char *s3, const char *s4)
{
    int reentered = layer_exiting;
    layer_exiting = 1;
    if (s1) {
        fprintf(stderr, "%s\n%s\n%s\n%s\n", s1, s2 ? s2 : "", s3 ? s3 : "", s4 ? s4 : "");
        if (!reentered && layer_up && !locked)
            MACIBM_alert(s1, s2, s3, s4);
        log_error(s1, s2, s3, s4);
        if (program_kind == PROG_VORTAN && !keep_user_prefs)
            invalidate_prefs();
    }
    inf_close();
    ouf_abandon();   // a file half written when the end came is not put in place
    if (!reentered)
        screen_release_all();
    layer_exiting = 0;
    if (fatal_hook)
        fatal_hook(s1, s2, s3, s4);
    exit(s1 ? 1 : 0);
}

void MACIBM_numberexitalert(const char *s, int n)
{
    char text[MAX_STR];
    i_to_cs(n, text);
    MACIBM_exitalert(s, text, "", "");
}
