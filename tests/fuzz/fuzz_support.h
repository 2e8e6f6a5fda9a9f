// What the file-reading fuzz targets share: the fatal exit turned into an
// exception the target catches, and the input written to the file the
// reader under test opens.
#pragma once

#include <cstdio>
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
