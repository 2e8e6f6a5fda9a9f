// File dialogs drawn by the layer: a modal panel listing one folder (its
// sub-folders and the files of the asked kinds; in one of the program's
// folders of designs, also the user's own designs of that kind), with
// folder navigation, a typed or picked name, a check that an opened file
// exists and a question before a saved file replaces another.
#include "common/local.h"

#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>
#include <climits>
#include <cstdio>
#include <unistd.h>

constexpr int MAX_DIR_ENTRIES = 1000;   // entries listed; more are cut off
constexpr int NAME_LEN = 256;
constexpr int LIST_ROWS = 18;
constexpr int ROW_H = 14;               // pixels
constexpr int DLG_W = 600, DLG_H = 420;
constexpr int DOUBLE_CLICK_MS = 500;

struct Entry {
    char name[NAME_LEN];
    int is_dir;
    int is_user;   // a file of user_twin, not of the listed folder
};
struct FileKindInfo {
    int kind;
    const char *desc;      // the filter description shown
    const char *exts[4];   // extensions without the dot; null ends
    const char *def_ext;   // added to a saved name without one, or null
};
static const FileKindInfo KINDS[] = {
    {FILE_ACF, "Aircraft (*.acf)", {"acf"}, "acf"},
    {FILE_AFL, "Airfoil (*.afl)", {"afl"}, "afl"},
    {FILE_FLP, "Flap (*.flp)", {"flp"}, "flp"},
    {FILE_SIT, "Situation (*.sit)", {"sit"}, "sit"},
    {FILE_ENV, "Environment (*.env)", {"env"}, "env"},
    {FILE_PART, "Part (*.afl;*.flp;*.led;*.prp)", {"afl", "flp", "led", "prp"}, nullptr},
};
static const FileKindInfo ALL_FILES = {0, "All files (*.*)", {nullptr}, nullptr};

static Entry entries[MAX_DIR_ENTRIES];
static int nentries;
static int ncut;                 // entries left out
static char folder[MAX_STR];     // listed folder, no trailing '/' (except "/")
static char user_twin[MAX_STR];  // the user's folder of the listed program folder's kind, or ""
static const char YOURS[] = "  (yours)";   // after the name of a user_twin file
static char typed[MAX_STR];      // the file-name field
static const FileKindInfo *kind;
static int saving;
static int sel, top;             // selected entry, first row shown
static int64_t last_click_ms;
static int last_click_row = -1;

static const FileKindInfo *kind_info(int file_type)
{
    for (const FileKindInfo &k : KINDS)
        if (k.kind == file_type)
            return &k;
    return &ALL_FILES;
}

static int matches_kind(const char *name)
{
    if (!kind->exts[0])
        return 1;
    const char *dot = strrchr(name, '.');
    if (!dot)
        return 0;
    for (int k = 0; k < 4 && kind->exts[k]; k++)
        if (strcasecmp(dot + 1, kind->exts[k]) == 0)
            return 1;
    return 0;
}

static int is_dir(const char *path)
{
    struct stat st;
    return stat(path, &st) == 0 && S_ISDIR(st.st_mode);
}

static int is_file(const char *path)
{
    struct stat st;
    return stat(path, &st) == 0 && S_ISREG(st.st_mode);
}

// folder + "/" + name into out; 0 when it does not fit.
static int join(const char *dir, const char *name, char *out)
{
    size_t n = strlen(dir);
    const char *sep = n > 0 && dir[n - 1] == '/' ? "" : "/";
    int len = snprintf(out, MAX_STR, "%s%s%s", dir, sep, name);
    return len > 0 && len < MAX_STR;
}

// Folders first, then the folder's files, then the user's own.
static int entry_order(const void *a, const void *b)
{
    const Entry *x = (const Entry *)a, *y = (const Entry *)b;
    if (x->is_dir != y->is_dir)
        return y->is_dir - x->is_dir;
    if (x->is_user != y->is_user)
        return x->is_user - y->is_user;
    return strcasecmp(x->name, y->name);
}

static void add_entry(const char *name, int dir, int user)
{
    if (nentries == MAX_DIR_ENTRIES) {
        ncut++;
        return;
    }
    C_to_C(name, entries[nentries].name);
    entries[nentries].is_user = user;
    entries[nentries++].is_dir = dir;
}

// The program's folders of designs (Aircraft, airfoils, flaps) take no new
// files once installed, so the designers then save in the user's folder of
// the same name: listing the one lists the other's designs with it.
static void find_user_twin()
{
    user_twin[0] = 0;
    char prog[PATH_MAX], twin[MAX_STR], real[PATH_MAX];
    const char *slash = strrchr(folder, '/');
    if (!slash || slash == folder || !realpath(app_path, prog))
        return;
    size_t n = (size_t)(slash - folder);
    if (strlen(prog) != n || strncmp(prog, folder, n) != 0)
        return;
    if (user_kind_folder(slash + 1, twin, 0) && realpath(twin, real) && strcmp(real, folder) != 0 &&
        strlen(real) < MAX_STR)
        C_to_C(real, user_twin);
}

// The files of the asked kinds in `dir` (and its sub-folders when `dirs`).
static void add_folder(const char *dir, int dirs, int user)
{
    DIR *d = opendir(dir);
    if (!d)
        return;
    while (struct dirent *e = readdir(d)) {
        if (e->d_name[0] == '.' || strlen(e->d_name) >= NAME_LEN)
            continue;
        char path[MAX_STR];
        if (!join(dir, e->d_name, path))
            continue;
        int sub = is_dir(path);
        if (sub ? dirs : matches_kind(e->d_name))
            add_entry(e->d_name, sub, user);
    }
    closedir(d);
}

static void list_folder()
{
    nentries = ncut = 0;
    sel = -1;
    top = 0;
    test_note_dialog_entry(1, "");
    if (strcmp(folder, "/") != 0)
        add_entry("..", 1, 0);
    add_folder(folder, 1, 0);
    find_user_twin();
    if (user_twin[0])
        add_folder(user_twin, 0, 1);
    int first = strcmp(folder, "/") != 0;   // ".." stays on top
    qsort(entries + first, nentries - first, sizeof(Entry), entry_order);
    char label[NAME_LEN + sizeof YOURS];
    for (int k = 0; k < nentries; k++) {
        C_plus_C(entries[k].name, entries[k].is_user ? YOURS : "", label);
        test_note_dialog_entry(0, label);
    }
}

static void go_to(const char *path)
{
    char real[PATH_MAX];
    if (!realpath(path, real) || strlen(real) >= MAX_STR || !is_dir(real))
        return;
    C_to_C(real, folder);
    list_folder();
}

// ---------------------------------------------------------------- drawing

static int dlg_x() { return (FRAME_W - DLG_W) / 2; }
static int dlg_y() { return (FRAME_H - DLG_H) / 2; }
static int list_x() { return dlg_x() + 10; }
static int list_y() { return dlg_y() + 44; }
static int button_x(int k) { return dlg_x() + DLG_W - 2 * 84 + k * 84; }
static int button_y() { return dlg_y() + DLG_H - 34; }

static void draw_dialog(const Port *p)
{
    int x = dlg_x(), y = dlg_y();
    port_bevel(p, x, y, DLG_W, DLG_H, 1);
    port_fill(p, x + 3, y + 3, x + DLG_W - 3, y + 3 + FRAME_CAPTION_PX - 1, UI_NAVY);
    port_text(p, x + 8, y + 9, saving ? "Save As" : "Open", UI_WHITE);
    char line[MAX_STR];
    int maxc = (DLG_W - 80) / FONT_W;
    int n = (int)strlen(folder);
    C_to_C(folder + (n > maxc ? n - maxc : 0), line);
    port_text(p, x + 10, y + 30, "Look in:", UI_BLACK);
    port_text(p, x + 66, y + 30, line, UI_BLACK);
    int lx = list_x(), ly = list_y(), lw = DLG_W - 20;
    port_fill(p, lx, ly, lx + lw, ly + LIST_ROWS * ROW_H + 4, UI_WHITE);
    for (int r = 0; r < LIST_ROWS && top + r < nentries; r++) {
        const Entry &e = entries[top + r];
        int ry = ly + 2 + r * ROW_H;
        int hl = top + r == sel;
        if (hl)
            port_fill(p, lx + 2, ry, lx + lw - 2, ry + ROW_H, UI_NAVY);
        C_plus_C(e.name, e.is_dir ? "/" : e.is_user ? YOURS : "", line);
        port_text(p, lx + 6, ry + 3, line, hl ? UI_WHITE : (e.is_dir ? UI_NAVY : UI_BLACK));
    }
    if (ncut)
        port_text(p, lx + lw - 150, ly + LIST_ROWS * ROW_H + 8, "(more not shown)", UI_DARK);
    int fy = ly + LIST_ROWS * ROW_H + 22;
    port_text(p, x + 10, fy + 4, "File name:", UI_BLACK);
    port_fill(p, x + 100, fy, x + DLG_W - 10, fy + 16, UI_WHITE);
    port_text(p, x + 104, fy + 4, typed, UI_BLACK);
    port_fill(p, x + 104 + text_width(typed), fy + 2, x + 105 + text_width(typed), fy + 13, UI_BLACK);
    port_text(p, x + 10, fy + 26, "Files of type:", UI_BLACK);
    port_text(p, x + 100, fy + 26, kind->desc, UI_BLACK);
    const char *labels[2] = {saving ? "Save" : "Open", "Cancel"};
    for (int k = 0; k < 2; k++) {
        port_bevel(p, button_x(k), button_y(), 76, 22, 1);
        port_text(p, button_x(k) + (76 - text_width(labels[k])) / 2, button_y() + 8, labels[k],
                  UI_BLACK);
    }
}

// ---------------------------------------------------------------- choosing

// Tries the name in the field: a folder is entered; a file is checked and,
// when it will do, its full path goes into `full`. Returns 1 then.
static int accept_typed(char *full)
{
    if (!typed[0])
        return 0;
    char path[MAX_STR];
    if (!(typed[0] == '/' ? (C_to_C(typed, path), 1) : join(folder, typed, path))) {
        layer_tell("The name is too long.", "");
        return 0;
    }
    if (is_dir(path)) {
        go_to(path);
        typed[0] = 0;
        return 0;
    }
    const char *base = strrchr(path, '/');
    base = base ? base + 1 : path;
    if (saving && kind->def_ext && !strchr(base, '.')) {
        if (strlen(path) + strlen(kind->def_ext) + 2 > MAX_STR) {
            layer_tell("The name is too long.", "");
            return 0;
        }
        app_C(path, ".");
        app_C(path, kind->def_ext);
    }
    if (!saving && !is_file(path)) {
        layer_tell(typed, "File not found. Check the name and try again.");
        return 0;
    }
    if (saving && is_file(path) && !layer_ask(base, "This file already exists. Replace it?"))
        return 0;
    C_to_C(path, full);
    return 1;
}

static void select_row(int k)
{
    if (nentries == 0)
        return;
    sel = intlim(k, 0, nentries - 1);
    if (sel < top)
        top = sel;
    if (sel >= top + LIST_ROWS)
        top = sel - LIST_ROWS + 1;
    // A design of the user's folder is named by its whole path.
    char full[MAX_STR];
    if (entries[sel].is_user && join(user_twin, entries[sel].name, full))
        C_to_C(full, typed);
    else if (!entries[sel].is_dir)
        C_to_C(entries[sel].name, typed);
}

// Opens the selected folder, or tries the selected file.
static int open_selected(char *full)
{
    if (sel < 0 || sel >= nentries)
        return 0;
    if (!entries[sel].is_dir)
        return accept_typed(full);
    char path[MAX_STR];
    if (join(folder, entries[sel].name, path))
        go_to(path);
    return 0;
}

// One input: 1 chosen, -1 cancelled, 0 going on.
static int dialog_key(const LayerInput &in, char *full)
{
    switch (in.key) {
    case KEY_ESCAPE: return -1;
    case KEY_ENTER: return typed[0] ? accept_typed(full) : open_selected(full);
    case KEY_UP: select_row(sel - 1); return 0;
    case KEY_DOWN: select_row(sel + 1); return 0;
    case KEY_HOME: select_row(0); return 0;
    case KEY_END: select_row(nentries - 1); return 0;
    case KEY_BACKSPACE: {
        size_t n = strlen(typed);
        if (n)
            typed[n - 1] = 0;
        return 0;
    }
    default: {
        int c = key_char(in.key, in.mods);
        size_t n = strlen(typed);
        if (c && n < MAX_STR - 1) {
            typed[n] = (char)c;
            typed[n + 1] = 0;
        }
        return 0;
    }
    }
}

static int dialog_click(const LayerInput &in, char *full)
{
    for (int k = 0; k < 2; k++)
        if (in.x >= button_x(k) && in.x < button_x(k) + 76 && in.y >= button_y() &&
            in.y < button_y() + 22)
            return k == 1 ? -1 : (typed[0] ? accept_typed(full) : open_selected(full));
    int r = (in.y - list_y() - 2) / ROW_H;
    if (in.x < list_x() || in.x >= list_x() + DLG_W - 20 || in.y < list_y() + 2 || r >= LIST_ROWS ||
        top + r >= nentries)
        return 0;
    int64_t now = clock_ms();
    int twice = top + r == last_click_row && now - last_click_ms < DOUBLE_CLICK_MS;
    last_click_row = top + r;
    last_click_ms = now;
    select_row(top + r);
    if (twice) {
        last_click_row = -1;
        return open_selected(full);
    }
    return 0;
}

static void set_start(const char *C_file, const char *C_path)
{
    char dir[MAX_STR];
    typed[0] = 0;
    C_to_C(app_path, dir);
    if (C_path[0] && is_dir(C_path)) {
        C_to_C(C_path, dir);
    } else if (C_path[0]) {
        C_to_C(C_path, dir);
        char *slash = strrchr(dir, '/');
        C_to_C(slash ? slash + 1 : C_path, typed);
        if (slash)
            *slash = 0;
        if (!is_dir(dir))
            C_to_C(app_path, dir);
    } else if (saving) {
        C_to_C(C_file, typed);
    }
    if (!is_dir(dir) && !getcwd(dir, sizeof dir))
        C_to_C("/", dir);
    go_to(dir);
    if (!folder[0])
        go_to("/");
}

static int run_dialog(char *C_file, char *C_path, int file_type, int save)
{
    saving = save;
    kind = kind_info(file_type);
    if (layer_cb.sounds_off)
        layer_cb.sounds_off();
    folder[0] = 0;
    set_start(C_file, C_path);
    char full[MAX_STR] = "";
    char answer[MAX_STR];
    int result = 0;
    int pre = test_take_dialog_answer(answer);
    if (pre == 0)
        result = -1;
    if (pre == 1) {
        C_to_C(answer, typed);
        result = accept_typed(full);
    }
    void (*saved)(const Port *) = modal_overlay;
    modal_overlay = draw_dialog;
    while (result == 0) {
        compose_frame();
        show_frame();
        LayerInput in;
        if (!input_next(&in, 1) || in.kind == IN_QUIT)
            result = -1;
        else if (in.kind == IN_KEY)
            result = dialog_key(in, full);
        else if (in.kind == IN_DOWN)
            result = dialog_click(in, full);
    }
    modal_overlay = saved;
    if (result == 1) {
        C_to_C(full, C_path);
        const char *base = strrchr(full, '/');
        C_to_C(base ? base + 1 : full, C_file);
    }
    if (layer_cb.sounds_on)
        layer_cb.sounds_on();
    return result == 1;
}

int MACIBM_open(char *C_file, char *C_path, int file_type)
{
    return run_dialog(C_file, C_path, file_type, 0);
}

int MACIBM_save(char *C_file, char *C_path, int file_type)
{
    return run_dialog(C_file, C_path, file_type, 1);
}
