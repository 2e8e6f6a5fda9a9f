// Damaging good files for the mutation tests of the file readers: a damaged
// copy is truncated, bit-flipped, given an overlong line, an odd number at a
// line start or after a count's label, a line dropped or doubled, or a
// stray line break, NUL or tab. Also silences stderr for the length of a run.
#pragma once
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace mutation {

enum Outcome { LOADED, REFUSED };

// The long run: VORTAN_MUTATION_SCALE multiplies every pass's case count and
// VORTAN_MUTATION_SEED shifts its seed, so successive long runs see new
// damage; both unset, the short deterministic pass of the test suite.
inline int scaled_cases(int cases)
{
    const char *s = getenv("VORTAN_MUTATION_SCALE");
    long k = s ? strtol(s, nullptr, 10) : 1;
    return k > 1 && k < 1000000 ? (int)(cases * k) : cases;
}

inline unsigned scaled_seed(unsigned seed)
{
    const char *s = getenv("VORTAN_MUTATION_SEED");
    return seed + (s ? (unsigned)strtoul(s, nullptr, 10) * 1000u : 0u);
}

inline const char *const BAD_NUMBERS[] = {"99999999999", "-1", "-2147483648", "2147483647", "1e38", "-1e38",
                                          "9", "8", "0", "nan", "inf", "-0", "4", "1e-45", "+", "."};

// Start of the line holding byte `at`.
inline size_t line_start(const std::string &t, size_t at)
{
    size_t s = t.rfind('\n', at ? at - 1 : 0);
    return (s == std::string::npos || at == 0) ? 0 : s + 1;
}

// A damaged copy of `t`; `labels` are texts that follow a count or code on
// its line ("38 cells"), whose number the last kind of damage replaces.
inline std::string mutate(std::string t, std::mt19937 &rng, const std::vector<const char *> &labels)
{
    if (t.empty())
        return t;
    auto pick = [&](size_t n) { return n ? (size_t)(rng() % n) : 0; };
    size_t at = pick(t.size());
    switch (rng() % 8) {
    case 0: t.resize(at); break;
    case 1:
        for (int k = 0, n = 1 + (int)pick(4); k < n; k++)
            t[pick(t.size())] ^= (char)(1 << pick(8));
        break;
    case 2: {
        std::string junk(1000 + pick(9000), '7');
        for (char &c : junk) c = (char)(' ' + pick(95));
        t.insert(line_start(t, at), junk + "\n");
        break;
    }
    case 3: {   // the number at the start of a line becomes an odd one
        size_t s = line_start(t, at);
        size_t e = t.find_first_of(" \n", s + 1);
        t.replace(s, (e == std::string::npos ? t.size() : e) - s, BAD_NUMBERS[pick(std::size(BAD_NUMBERS))]);
        break;
    }
    case 4: {
        size_t s = line_start(t, at), e = t.find('\n', at);
        t.erase(s, e == std::string::npos ? std::string::npos : e - s + 1);
        break;
    }
    case 5: {
        size_t s = line_start(t, at), e = t.find('\n', at);
        t.insert(s, t.substr(s, e == std::string::npos ? std::string::npos : e - s + 1));
        break;
    }
    case 6: t[at] = "\r\n\0\t"[pick(4)]; break;
    default: {   // a count or code line gets an odd number
        if (labels.empty())
            break;
        size_t e = t.find(labels[pick(labels.size())], pick(t.size()));
        if (e == std::string::npos)
            break;
        size_t s = line_start(t, e);
        t.replace(s, e - s, BAD_NUMBERS[pick(std::size(BAD_NUMBERS))]);
        break;
    }
    }
    return t;
}

// Silences the fatal messages on stderr for the length of a run.
struct QuietStderr {
    int saved;
    QuietStderr()
    {
        fflush(stderr);
        saved = dup(2);
        int null_fd = open("/dev/null", O_WRONLY);
        dup2(null_fd, 2);
        close(null_fd);
    }
    ~QuietStderr()
    {
        fflush(stderr);
        dup2(saved, 2);
        close(saved);
    }
};

}  // namespace mutation
