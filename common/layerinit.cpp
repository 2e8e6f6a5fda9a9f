// Start and end of the portability layer: the program and user folders, the
// display check of the emulated 8-bit 800 x 600 display, the SDL window with
// window 0, palette, menus and splash, and the release of all of it.
#include "common/local.h"

#include <SDL2/SDL.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

char app_path[MAX_STR];
char cd_path[MAX_STR];
char prefs_path[MAX_STR];
char main_title[MAX_STR];
int std_res = 1;
int layer_up;
int layer_exiting;
LayerCallbacks layer_cb;

// What the layer shows the programs: the 256-colour 800 x 600 display they
// were written for, whatever the desktop underneath.
constexpr int EMULATED_W = 800, EMULATED_H = 600, EMULATED_BPP = 8;

void MACIBM_set_callbacks(const LayerCallbacks *callbacks)
{
    layer_cb = callbacks ? *callbacks : LayerCallbacks{};
}

// The folder of the executable, ending in '/'. Tests run the libraries from
// their own binaries and name the program folder in VORTAN_PROGRAM_DIR.
static char exe_folder[MAX_STR];   // the running program's own folder, '/'-terminated

static void end_with_slash(char *dir)
{
    size_t n = strlen(dir);
    if ((n == 0 || dir[n - 1] != '/') && n + 1 < MAX_STR)
        app_C(dir, "/");
}

static int is_folder(const char *path)
{
    struct stat st;
    return stat(path, &st) == 0 && S_ISDIR(st.st_mode);
}

// An installed program lives in <prefix>/lib/vortan/ and finds what it reads
// in <prefix>/share/vortan/; built in place, both lie in one folder.
void find_program_folder()
{
    ssize_t n = readlink("/proc/self/exe", exe_folder, sizeof exe_folder - 1);
    exe_folder[n > 0 ? n : 0] = 0;
    char *slash = strrchr(exe_folder, '/');
    if (slash)
        slash[1] = 0;
    else
        C_to_C("./", exe_folder);
    const char *dir = getenv("VORTAN_PROGRAM_DIR");
    char data[MAX_STR], shared[MAX_STR];
    C_to_C(dir && dir[0] ? dir : exe_folder, data);
    end_with_slash(data);
    if (!(dir && dir[0])) {
        char probe[MAX_STR];
        C_plus_C(data, "Aircraft", probe);
        C_plus_C(exe_folder, "../../share/vortan", shared);
        char *real = is_folder(probe) ? nullptr : realpath(shared, nullptr);
        if (real && strlen(real) + 2 < MAX_STR && is_folder(real)) {
            C_to_C(real, data);
            end_with_slash(data);
        }
        free(real);
    }
    C_to_C(data, app_path);
}

void exe_dir(const char *file, char *path)
{
    if (!exe_folder[0])
        find_program_folder();
    C_plus_C(exe_folder, file, path);
}

void ap_dir(const char *dir, const char *file, char *path)
{
    C_to_C(app_path, path);
    if (dir[0]) {
        app_C(path, dir);
        app_C(path, "/");
    }
    app_C(path, file);
}

void check_display(int init_call, int w, int h, int bpp)
{
    static int start_w, start_h, have_start;
    if (!have_start) {
        start_w = w;
        start_h = h;
        have_start = 1;
    }
    int req_w = init_call ? 800 : start_w;
    int req_h = init_call ? 600 : start_h;
    if (init_call && bpp != 8)
        MACIBM_exitalert("Your display is not set up for 256 colors.",
                         "Vortan must run on a 256-color display.",
                         "To set it, first close this dialog box. Then open your desktop's display settings.",
                         "Select a 256-color mode there, or let the desktop provide one, and start Vortan again.");
    std_res = w == req_w && h == req_h;
    if (!init_call || std_res)
        return;
    const char *s2 = "It is not set that way now.";
    const char *s3 = "To set the resolution, exit this program and open your desktop's display settings.";
    const char *s4 = "Select a resolution of 800x600 pixels there, then start Vortan again.";
    if (w < 800 || h < 600)
        MACIBM_exitalert("Your machine must be set to at least 800x600 pixels resolution to run Vortan.",
                         s2, s3, s4);
    MACIBM_alert("Your machine should be set to 800x600 pixels resolution to run Vortan.", s2, s3, s4);
}

void set_res(int init_call) { check_display(init_call, EMULATED_W, EMULATED_H, EMULATED_BPP); }

int MACIBM_init(const char *main_name, void (*build_menus)())
{
    worlds_release();
    find_program_folder();
    C_to_C(app_path, cd_path);
    if (!user_file_path(USER_CONFIG, "Vortan.prf", prefs_path))
        prefs_path[0] = 0;
    fill_constants();
    C_to_C(main_name, main_title);
    if (!screen_open(main_name)) {
        fprintf(stderr, "%s: cannot open the display: %s\n", main_name, SDL_GetError());
        screen_close();
        return 0;
    }
    layer_up = 1;
    watch_quit_signals();
    set_res(1);
    set_system_colors();
    set_program_colors();
    screen_set_icon();
    set_win_params(0, main_name, 0, 0);
    MACIBM_startwind(0, 1);
    MACIBM_startmenus();
    if (build_menus)
        build_menus();
    MACIBM_startwind(0, 1);
    MACIBM_bitmap(0, 0, 500);
    MACIBM_present();
    return 1;
}

// Everything the layer holds, in the order the program's end releases it.
void screen_release_all()
{
    if (layer_cb.release)
        layer_cb.release();
    modal_overlay = nullptr;   // a fatal exit may leave a modal panel mid-loop
    worlds_release();
    release_windows();
    menu_release();
    ff_clear_forces();
    ff_close_stick();
    MACIBM_close_audio();
    screen_close();
    layer_up = 0;
    SDL_Quit();
}
