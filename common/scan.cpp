// The line-oriented text files of all three programs: the input stream
// `inf` with its scanners and the output stream `ouf`. Lines ending in LF,
// CR or CR LF read alike (the reader folds each ending into one x_eln), a
// value that does not parse puts the stream into a failed state in which
// every later read gives 0, and no line, however long, overruns a buffer.
#include "common/common.h"

#include <cctype>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

constexpr int NO_PEEK = -2;
constexpr int MAX_NUMBER_CHARS = 63;   // longer digit runs are not numbers

char x_eln = '\n';

static FILE *inf_fp;          // the open input file, or null
static bool inf_failed;       // a read found no value or a bad one
static int inf_peeked = NO_PEEK;  // one character of look-ahead

static FILE *ouf_fp;          // the temporary output file, or null
static bool ouf_failed;       // a write failed since ouf_open
static char ouf_final[MAX_STR];       // the name the file gets on success
static char ouf_temp[MAX_STR + 8];    // the name it is written under

// Next character with every line ending folded into '\n'; EOF at the end.
static int raw_get()
{
    // Only this thread reads the input file: the unlocked read spares a
    // lock per character (a tenth of loading the scenery).
    int c = getc_unlocked(inf_fp);
    if (c == '\r') {
        int c2 = getc_unlocked(inf_fp);
        if (c2 != '\n' && c2 != EOF)
            ungetc(c2, inf_fp);
        return '\n';
    }
    return c;
}

static int peek_char()
{
    if (inf_peeked == NO_PEEK)
        inf_peeked = inf_fp ? raw_get() : EOF;
    return inf_peeked;
}

static int get_char()
{
    int c = peek_char();
    inf_peeked = NO_PEEK;
    return c;
}

static void skip_white()
{
    while (isspace(peek_char()))
        get_char();
}

static void wrong_version(const char *inf_name)
{
    MACIBM_exitalert("The following file is the wrong version for this version of Vortan:",
                     inf_name,
                     "Throw that file away. You should only use the files that came with the program.",
                     "You may have to install Vortan again.");
}

// The designers tell a file's origin by its marker: "A" or "I".
static void check_designer_marker(const char *inf_name)
{
    skip_white();
    int marker = get_char();
    if (marker != 'A' && marker != 'I')
        MACIBM_exitalert(inf_name, "is not a Corvane file, on this computer or any other!",
                         "If it is, it has become corrupted and must be thrown away!", "");
}

int inf_open(const char *inf_name, int version, int is_prf)
{
    inf_close();
    inf_failed = false;
    inf_fp = fopen(inf_name, "rb");
    if (!inf_fp)
        return 0;
    if (program_kind == PROG_VORTAN) {
        if (get_char() == EOF || peek_char() == EOF) {
            inf_failed = true;
            return 0;
        }
    } else {
        check_designer_marker(inf_name);
    }
    x_eln = '\n';
    rln();
    int file_version = intscan();
    if (inf_failed)
        return 0;
    if (file_version != version) {
        if (is_prf)
            return 0;
        wrong_version(inf_name);
    }
    return inf_good();
}

void inf_close()
{
    if (inf_fp)
        fclose(inf_fp);
    inf_fp = nullptr;
    inf_peeked = NO_PEEK;
}

int inf_good() { return inf_fp && !inf_failed; }

void rln()
{
    if (inf_failed)
        return;
    for (;;) {
        int c = get_char();
        if (c == EOF || c == x_eln)
            return;
    }
}

// Reads the characters of a number into buf; false when there are none or
// too many. Accepts what a formatted stream would: sign, digits, point,
// exponent. The character in hand is the one peeked at, so each is read once.
static bool read_number_text(char *buf, bool allow_fraction)
{
    int n = 0;
    bool digits = false;
    skip_white();
    int c = peek_char();
    auto take = [&]() {
        if (n < MAX_NUMBER_CHARS) buf[n] = (char)c;
        n++;
        inf_peeked = NO_PEEK;
        c = peek_char();
    };
    auto digit = [&]() { return c >= '0' && c <= '9'; };
    if (c == '+' || c == '-')
        take();
    while (digit()) { take(); digits = true; }
    if (allow_fraction && c == '.') {
        take();
        while (digit()) { take(); digits = true; }
    }
    if (allow_fraction && digits && (c == 'e' || c == 'E')) {
        take();
        if (c == '+' || c == '-')
            take();
        if (!digit())
            return false;
        while (digit()) take();
    }
    if (n > MAX_NUMBER_CHARS)
        return false;
    buf[n] = 0;
    return digits;
}

// Up to 18 digits with an optional sign, as strtoll reads them; 0 for
// anything else (the caller then asks strtoll).
static int short_integer(const char *buf, long long *v)
{
    const char *p = buf + (*buf == '+' || *buf == '-');
    long long m = 0;
    int n = 0;
    for (; *p >= '0' && *p <= '9'; p++, n++) {
        if (n == 18)
            return 0;   // a 19th digit could overflow m
        m = m * 10 + (*p - '0');
    }
    if (*p || n == 0)
        return 0;
    *v = *buf == '-' ? -m : m;
    return 1;
}

// A decimal number without exponent whose digits (the point left out) make
// an integer m below 2^53, with at most 22 digits after the point, read
// bit for bit as strtof reads it. m and the power of ten are then exact
// doubles, so m / 10^frac is the correctly rounded double. With at most
// 2^24 and ten digits after the point they are exact floats and the float
// quotient is the correctly rounded float itself. Otherwise the double is
// rounded to float, which is the correct rounding unless the double lies
// within a unit of its last place of a point halfway between two floats
// (the exact value may then lie on the other side): those go to strtof.
// 0 for anything not read here.
static int short_decimal(const char *buf, float *v)
{
    static const double POW10[23] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                     1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                     1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    constexpr int64_t MAX_EXACT_FLOAT = (int64_t)1 << 24, MAX_EXACT_DOUBLE = (int64_t)1 << 53;
    const char *p = buf + (*buf == '+' || *buf == '-');
    int64_t m = 0;
    int frac = -1;   // digits after the point; -1 before it
    for (; *p; p++) {
        if (*p == '.' && frac < 0) {
            frac = 0;
            continue;
        }
        if (*p < '0' || *p > '9')
            return 0;
        m = m * 10 + (*p - '0');
        if (m > MAX_EXACT_DOUBLE)
            return 0;
        if (frac >= 0 && ++frac > 22)
            return 0;
    }
    int k = frac > 0 ? frac : 0;
    float f;
    if (m <= MAX_EXACT_FLOAT && k <= 10) {
        f = (float)m / (float)POW10[k];
    } else {
        double d = (double)m / POW10[k];
        uint64_t bits;
        memcpy(&bits, &d, sizeof bits);
        // The 29 bits a float drops; halfway is 1 followed by 28 zeros.
        int64_t below = (int64_t)(bits & ((1u << 29) - 1)) - (1 << 28);
        if (m != 0 && (below >= -1 && below <= 1))
            return 0;
        if (d != 0.0 && (d < 1e-37 || d > 1e37))
            return 0;   // near the ends of the float range: left to strtof
        f = (float)d;
    }
    *v = *buf == '-' ? -f : f;
    return 1;
}

int intscanNOSN()
{
    char buf[MAX_NUMBER_CHARS + 1];
    if (inf_failed || !read_number_text(buf, false)) {
        inf_failed = true;
        return 0;
    }
    long long v;
    if (!short_integer(buf, &v))
        v = strtoll(buf, nullptr, 10);
    if (v > 2147483647LL || v < -2147483647LL - 1) {
        inf_failed = true;
        return 0;
    }
    return (int)v;
}

float fltscanNOSN()
{
    char buf[MAX_NUMBER_CHARS + 1];
    if (inf_failed || !read_number_text(buf, true)) {
        inf_failed = true;
        return 0.0f;
    }
    float v;
    if (!short_decimal(buf, &v))
        v = strtof(buf, nullptr);
    if (!std::isfinite(v)) {
        inf_failed = true;
        return 0.0f;
    }
    return v;
}

int bolscanNOSN() { return intscanNOSN() == 1; }

int intscan()
{
    int v = intscanNOSN();
    rln();
    return v;
}

float fltscan()
{
    float v = fltscanNOSN();
    rln();
    return v;
}

int bolscan() { return intscan() == 1; }

void spacescan(char *s)
{
    int n = 0;
    s[0] = 0;
    if (inf_failed)
        return;
    if (peek_char() == EOF) {
        inf_failed = true;
        return;
    }
    for (;;) {
        int c = get_char();
        if (c == EOF || c == x_eln)
            break;
        if (n < MAX_STR - 1)
            s[n++] = (char)c;
    }
    s[n] = 0;
}

void ouf_abandon()
{
    if (!ouf_fp)
        return;
    fclose(ouf_fp);
    ouf_fp = nullptr;
    remove(ouf_temp);
}

int ouf_open(const char *ouf_name, int ftype, int version)
{
    (void)ftype;
    ouf_abandon();   // one left unfinished never reaches its name
    ouf_failed = true;
    if (strlen(ouf_name) >= MAX_STR - 1)
        return 0;
    C_to_C(ouf_name, ouf_final);
    snprintf(ouf_temp, sizeof ouf_temp, "%s.tmp~", ouf_name);
    ouf_fp = fopen(ouf_temp, "wb");
    if (!ouf_fp)
        return 0;
    ouf_failed = false;
    ouf_printf("I\n%d version\n", version);
    return 1;
}

void ouf_printf(const char *fmt, ...)
{
    if (!ouf_fp)
        return;
    va_list ap;
    va_start(ap, fmt);
    if (vfprintf(ouf_fp, fmt, ap) < 0)
        ouf_failed = true;
    va_end(ap);
}

int ouf_close()
{
    if (!ouf_fp)
        return 0;
    bool ok = !ouf_failed && fflush(ouf_fp) == 0 && !ferror(ouf_fp);
    ok = (fclose(ouf_fp) == 0) && ok;
    ouf_fp = nullptr;
    if (ok && rename(ouf_temp, ouf_final) == 0)
        return 1;
    remove(ouf_temp);
    return 0;
}
