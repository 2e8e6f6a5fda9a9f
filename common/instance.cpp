// One running copy of a program (an advisory lock on a file in the user's
// data folder, held until the process ends), and the designers' idle wait.
#include "common/common.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

int claim_single_instance(const char *name)
{
    char lock_path[MAX_STR];
    if (!user_file_path(USER_DATA, name, lock_path))
        return 1;
    int fd = open(lock_path, O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0)
        return 1;
    if (flock(fd, LOCK_EX | LOCK_NB) == 0)
        return 1;   // the descriptor stays open: the lock lives with the process
    close(fd);
    return 0;
}

void MACIBM_idle(int ms)
{
    if (ms > 0)
        usleep((useconds_t)ms * 1000);
}
