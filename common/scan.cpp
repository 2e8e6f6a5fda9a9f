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
    int c = getc(inf_fp);
    if (c == '\r') {
        int c2 = getc(inf_fp);
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
// exponent.
static bool read_number_text(char *buf, bool allow_fraction)
{
    int n = 0;
    bool digits = false;
    auto take = [&](int c) {
        if (n < MAX_NUMBER_CHARS) buf[n] = (char)c;
        n++;
        get_char();
    };
    skip_white();
    if (peek_char() == '+' || peek_char() == '-')
        take(peek_char());
    while (isdigit(peek_char())) { take(peek_char()); digits = true; }
    if (allow_fraction && peek_char() == '.') {
        take('.');
        while (isdigit(peek_char())) { take(peek_char()); digits = true; }
    }
    if (allow_fraction && digits && (peek_char() == 'e' || peek_char() == 'E')) {
        take(peek_char());
        if (peek_char() == '+' || peek_char() == '-')
            take(peek_char());
        if (!isdigit(peek_char()))
            return false;
        while (isdigit(peek_char())) take(peek_char());
    }
    if (n > MAX_NUMBER_CHARS)
        return false;
    buf[n] = 0;
    return digits;
}

int intscanNOSN()
{
    char buf[MAX_NUMBER_CHARS + 1];
    if (inf_failed || !read_number_text(buf, false)) {
        inf_failed = true;
        return 0;
    }
    long long v = strtoll(buf, nullptr, 10);
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
    float v = strtof(buf, nullptr);
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
