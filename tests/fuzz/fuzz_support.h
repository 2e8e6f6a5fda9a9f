// What the file-reading fuzz targets share: the fatal exit turned into an
// exception the target catches, the choice of reader, and the input
// written to the file the reader under test opens.
#pragma once

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

struct FatalSeen {};

inline void throw_fatal(const char *, const char *, const char *, const char *) { throw FatalSeen{}; }

// 1 when the whole input is in `file`.
inline int write_input(const std::string &file, const unsigned char *data, size_t size)
{
    FILE *f = fopen(file.c_str(), "wb");
    if (!f)
        return 0;
    size_t n = fwrite(data, 1, size, f);
    return fclose(f) == 0 && n == size;
}

// Targets that hold several readers choose one by the input's first byte,
// modulo `readers`. VORTAN_FUZZ_READER=N holds every input to reader N, so
// that each reader can be given a run of its own.
inline int fuzz_reader(unsigned char first, int readers)
{
    static const int held = [] {
        const char *v = getenv("VORTAN_FUZZ_READER");
        return v && *v ? atoi(v) : -1;
    }();
    return held >= 0 && held < readers ? held : first % readers;
}

// For a target that runs the simulator's code: the layer set to run
// headless, and the file its input is written to, named by the target and
// the process so that parallel fuzzers keep apart.
inline std::string headless_input_file(const char *target, const char *extension)
{
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    return std::string("/tmp/vortan_fuzz_") + target + "_" + std::to_string(getpid()) + extension;
}
