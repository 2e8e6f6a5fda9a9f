// libFuzzer entry for the names the programs take from their environment
// and for the designers' recovery note. First byte even: the rest is up to
// six NUL-separated texts (XDG_CONFIG_HOME, XDG_DATA_HOME, HOME,
// VORTAN_PROGRAM_DIR, a design's path and its name) from which the program
// folder, the user files and the recovery copy's path are made. Odd: the
// rest is the note a signalled designer left, read at the next start. The
// folders the user paths create are kept inside a private sandbox: an
// absolute name is put under it and ".." is broken up.
#include <ftw.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "common/common.h"
#include "common/layer.h"
#include "common/testsupport.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

std::string sandbox;   // the fuzzer's own folder
std::string env_root;  // what the fuzzed names may create, emptied now and then
int runs;
int opened;

int remove_one(const char *path, const struct stat *, int, struct FTW *) { return remove(path); }

void fresh_env_root()
{
    nftw(env_root.c_str(), remove_one, 16, FTW_DEPTH | FTW_PHYS);
    mkdir(env_root.c_str(), 0700);
    if (chdir(env_root.c_str()) != 0)
        abort();
}

std::string kept_inside(const std::string &name)
{
    std::string s = name;
    for (size_t k = 1; k < s.size(); k++)
        if (s[k] == '.' && s[k - 1] == '.')
            s[k] = '_';
    return !s.empty() && s[0] == '/' ? env_root + s : s;
}

void set_or_unset(const char *var, const std::string &value, int given)
{
    if (given)
        setenv(var, value.c_str(), 1);
    else
        unsetenv(var);
}

const char *design_path() { return ""; }
const char *design_name() { return "Fuzz.acf"; }
int write_design(const char *) { return 1; }
void open_design(const char *) { opened++; }
const int unmodified = 0;

void names(const unsigned char *data, size_t size)
{
    std::string part[6];
    int given = 0;
    size_t at = 0;
    while (given < 6 && at <= size) {
        const unsigned char *end = (const unsigned char *)memchr(data + at, 0, size - at);
        size_t n = end ? (size_t)(end - data) - at : size - at;
        part[given++].assign((const char *)data + at, n);
        at += n + 1;
    }
    set_or_unset("XDG_CONFIG_HOME", kept_inside(part[0]), given > 0);
    set_or_unset("XDG_DATA_HOME", kept_inside(part[1]), given > 1);
    set_or_unset("HOME", kept_inside(part[2]), given > 2);
    set_or_unset("VORTAN_PROGRAM_DIR", part[3], given > 3);
    find_program_folder();
    if (strnlen(app_path, MAX_STR) >= MAX_STR)
        abort();
    char out[MAX_STR];
    if (user_file_path(USER_CONFIG, "Vortan.prf", out) && strnlen(out, MAX_STR) >= MAX_STR)
        abort();
    if (user_file_path(USER_DATA, "Error.out", out) && strnlen(out, MAX_STR) >= MAX_STR)
        abort();
    if (designer_recovery_path(part[4].c_str(), part[5].c_str(), out) && strnlen(out, MAX_STR) >= MAX_STR)
        abort();
}

void note(const unsigned char *data, size_t size)
{
    setenv("XDG_DATA_HOME", (sandbox + "/data").c_str(), 1);
    FILE *f = fopen((sandbox + "/data/vortan/Fuzz.recovery").c_str(), "wb");
    if (!f)
        return;
    fwrite(data, 1, size, f);
    fclose(f);
    test_answer_alert(1);
    designer_offer_recovery();
    test_reset_layer();
    test_set_test_mode(1);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    char templ[] = "/tmp/vortan_fuzz_paths_XXXXXX";
    sandbox = mkdtemp(templ);
    env_root = sandbox + "/e";
    mkdir((sandbox + "/data").c_str(), 0700);
    mkdir((sandbox + "/data/vortan").c_str(), 0700);
    // a copy the note may name
    FILE *f = fopen((sandbox + "/copy.acf").c_str(), "w");
    if (f)
        fclose(f);
    fresh_env_root();
    test_set_test_mode(1);
    test_set_fatal_hook(throw_fatal);
    static const DesignerRecovery r = {"Fuzz", &unmodified, design_path, design_name, write_design, open_design};
    designer_set_recovery(&r);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, size_t size)
{
    if (size < 1)
        return 0;
    try {
        if (fuzz_reader(data[0], 2) == 0)
            names(data + 1, size - 1);
        else
            note(data + 1, size - 1);
    } catch (const FatalSeen &) {
    }
    if (++runs % 2000 == 0)
        fresh_env_root();
    return 0;
}
