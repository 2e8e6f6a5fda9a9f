// Where the programs write: the user's config and data folders (XDG base
// directories). Nothing is ever written beside the program.
#include "common/common.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <sys/stat.h>

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

int user_file_path(int folder, const char *file, char *out)
{
    const char *xdg = getenv(folder == USER_CONFIG ? "XDG_CONFIG_HOME" : "XDG_DATA_HOME");
    const char *home = getenv("HOME");
    char dir[MAX_STR];
    int n;
    if (xdg && xdg[0] == '/')
        n = snprintf(dir, sizeof dir, "%s/vortan", xdg);
    else if (home && home[0])
        n = snprintf(dir, sizeof dir, "%s/%s/vortan", home,
                     folder == USER_CONFIG ? ".config" : ".local/share");
    else
        return 0;
    if (n <= 0 || n >= MAX_STR)
        return 0;
    make_folders(dir);
    n = snprintf(out, MAX_STR, "%s/%s", dir, file);
    return n > 0 && n < MAX_STR;
}
