// String and character helpers over the programs' 400-character buffers.
// Every copy is bounded by MAX_STR and truncates rather than overflowing.
#include "common/common.h"

#include <cctype>
#include <cstring>

void C_to_C(const char *src, char *dst)
{
    if (src == dst)
        return;
    int n = 0;
    while (n < MAX_STR - 1 && src[n]) {
        dst[n] = src[n];
        n++;
    }
    dst[n] = 0;
}

// `a` and `dst` may be the same buffer; `b` may overlap neither.
void C_plus_C(const char *a, const char *b, char *dst)
{
    int n = 0;
    if (a == dst) {
        while (n < MAX_STR - 1 && dst[n])
            n++;
    } else {
        while (n < MAX_STR - 1 && a[n]) {
            dst[n] = a[n];
            n++;
        }
    }
    for (int k = 0; n < MAX_STR - 1 && b[k]; k++)
        dst[n++] = b[k];
    dst[n] = 0;
}

void app_C(char *dst, const char *src) { C_plus_C(dst, src, dst); }

char *lit_to_var(const char *s) { return const_cast<char *>(s); }

int char_to_int_(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c == '+') return 1;
    if (c == '-') return -1;
    return 0;
}

char int_to_char_(int i)
{
    return (i >= 1 && i <= 9) ? (char)('0' + i) : '0';
}

void i_to_cs(int i, char *s)
{
    char digits[12];
    int n = 0;
    long long v = i;
    bool neg = v < 0;
    if (neg) v = -v;
    do {
        digits[n++] = (char)('0' + v % 10);
        v /= 10;
    } while (v > 0);
    int k = 0;
    if (neg) s[k++] = '-';
    while (n > 0) s[k++] = digits[--n];
    s[k] = 0;
}

void flt_switch(float *a, float *b) { float t = *a; *a = *b; *b = t; }
void int_switch(int *a, int *b) { int t = *a; *a = *b; *b = t; }
void chr_switch(char *a, char *b) { char t = *a; *a = *b; *b = t; }

int names_match(const char *a, const char *b)
{
    for (int k = 0; k < MAX_STR; k++) {
        if (tolower((unsigned char)a[k]) != tolower((unsigned char)b[k]))
            return 0;
        if (!a[k])
            return 1;
    }
    return 1;
}
