// A program run beside this one (the designers run the batch runner this
// way): fork and exec without a shell, both output streams read through
// non-blocking pipes, so the designer's loop never waits on it.
#include "common/common.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

constexpr int MAX_CHILD_ARGS = 16;
constexpr int EXEC_FAILED = 127;   // the shell's own code for "could not run"

static pid_t child_pid = -1;
static int out_fd = -1, err_fd = -1;
static int exit_status = -1, exited;

static void close_fd(int *fd)
{
    if (*fd >= 0)
        close(*fd);
    *fd = -1;
}

int child_start(const char *program, const char *const *args)
{
    if (child_pid > 0)
        return 0;
    int out[2], err[2];
    if (pipe2(out, O_CLOEXEC) != 0)
        return 0;
    if (pipe2(err, O_CLOEXEC) != 0) {
        close(out[0]), close(out[1]);
        return 0;
    }
    char *argv[MAX_CHILD_ARGS + 2];
    int n = 0;
    argv[n++] = (char *)program;
    for (int k = 0; args && args[k] && n <= MAX_CHILD_ARGS; k++)
        argv[n++] = (char *)args[k];
    argv[n] = nullptr;
    pid_t pid = fork();
    if (pid == 0) {
        dup2(out[1], STDOUT_FILENO);
        dup2(err[1], STDERR_FILENO);
        execv(program, argv);
        _exit(EXEC_FAILED);
    }
    close(out[1]);
    close(err[1]);
    if (pid < 0) {
        close(out[0]), close(err[0]);
        return 0;
    }
    fcntl(out[0], F_SETFL, O_NONBLOCK);
    fcntl(err[0], F_SETFL, O_NONBLOCK);
    child_pid = pid;
    out_fd = out[0];
    err_fd = err[0];
    exit_status = -1;
    exited = 0;
    return 1;
}

// Reads what the pipe holds into buf (kept within cap); 0 once it is
// closed at the child's end and empty.
static int drain(int *fd, char *buf, int cap)
{
    if (*fd < 0)
        return 0;
    char chunk[4096];
    for (;;) {
        ssize_t got = read(*fd, chunk, sizeof chunk);
        if (got > 0) {
            int len = (int)strnlen(buf, cap);
            int room = cap - 1 - len;
            int take = (int)got < room ? (int)got : room;
            if (take > 0) {
                memcpy(buf + len, chunk, take);
                buf[len + take] = 0;
            }
            continue;
        }
        if (got < 0 && (errno == EAGAIN || errno == EINTR))
            return 1;
        close_fd(fd);
        return 0;
    }
}

int child_poll(char *out, char *err, int cap, int *status)
{
    if (child_pid <= 0) {
        *status = -1;
        return 0;
    }
    int open_out = drain(&out_fd, out, cap);
    int open_err = drain(&err_fd, err, cap);
    if (!exited) {
        int ws;
        if (waitpid(child_pid, &ws, WNOHANG) == child_pid) {
            exited = 1;
            exit_status = WIFEXITED(ws) ? WEXITSTATUS(ws) : -1;
        }
    }
    if (exited && !open_out && !open_err) {
        *status = exit_status == EXEC_FAILED ? -1 : exit_status;
        child_pid = -1;
        return 0;
    }
    return 1;
}

void child_stop()
{
    if (child_pid > 0) {
        kill(child_pid, SIGTERM);
        waitpid(child_pid, nullptr, 0);
    }
    child_pid = -1;
    close_fd(&out_fd);
    close_fd(&err_fd);
}
