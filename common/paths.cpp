// Where the programs write: the user's config and data folders (XDG base
// directories), and where the designers save when the program's own folders
// are read-only (an installed program). Nothing else is written beside the
// program.
#include "common/common.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

// Creates every missing folder along `path` (a folder path, no file part).
static void make_folders(char *path)
{
    for (char *p = path + 1; *p; p++) {
        if (*p != '/')
            continue;
        *p = 0;
        mkdir(path, 0755);
        *p = '/';
    }
    mkdir(path, 0755);
}

// The user's folder `folder` ("vortan" under the XDG base), not made.
static int user_folder(int folder, char *dir)
{
    const char *xdg = getenv(folder == USER_CONFIG ? "XDG_CONFIG_HOME" : "XDG_DATA_HOME");
    const char *home = getenv("HOME");
    int n;
    if (xdg && xdg[0] == '/')
        n = snprintf(dir, MAX_STR, "%s/vortan", xdg);
    else if (home && home[0])
        n = snprintf(dir, MAX_STR, "%s/%s/vortan", home,
                     folder == USER_CONFIG ? ".config" : ".local/share");
    else
        return 0;
    return n > 0 && n < MAX_STR;
}

int user_file_path(int folder, const char *file, char *out)
{
    char dir[MAX_STR];
    if (!user_folder(folder, dir))
        return 0;
    make_folders(dir);
    int n = snprintf(out, MAX_STR, "%s/%s", dir, file);
    return n > 0 && n < MAX_STR;
}

int user_kind_folder(const char *kind, char *out, int make)
{
    char dir[MAX_STR];
    if (!user_folder(USER_DATA, dir))
        return 0;
    int n = snprintf(out, MAX_STR, "%s/%s", dir, kind);
    if (n <= 0 || n >= MAX_STR)
        return 0;
    if (make)
        make_folders(out);
    struct stat st;
    return stat(out, &st) == 0 && S_ISDIR(st.st_mode);
}

int folder_of_writable(const char *path)
{
    char dir[MAX_STR];
    C_to_C(path, dir);
    char *slash = strrchr(dir, '/');
    if (!slash)
        C_to_C(".", dir);
    else if (slash == dir)
        dir[1] = 0;
    else
        *slash = 0;
    return access(dir, W_OK) == 0;
}

void save_proposal(const char *path, const char *kind, char *out)
{
    char dir[MAX_STR];
    C_to_C(path, out);
    if (folder_of_writable(path) || !user_kind_folder(kind, dir, 1))
        return;
    const char *slash = strrchr(path, '/');
    const char *file = slash ? slash + 1 : path;
    if (strlen(dir) + 1 + strlen(file) < MAX_STR) {
        C_to_C(dir, out);
        app_C(out, "/");
        app_C(out, file);
    }
}
