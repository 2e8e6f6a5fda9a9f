// The settings-window widgets: number fields clicked digit by digit, switch
// boxes, text selectors, identifier fields and the file-name field. Each
// hit-tests the program's last mouse position and redraws what it changed.
#include "common/local.h"

#include <cmath>
#include <cstring>

constexpr int FIELD_HALF = 17;          // upper half: y .. y + 16
constexpr int DIGIT_SEG = 6;            // seven-segment length in number fields
constexpr int DIGIT_TOP = 11;           // digits stand at y + 11 .. y + 23
constexpr int DIGIT_LEFT = 2;
constexpr int TEXT_COLOR = 24;
constexpr int FRAME_COLOR = 21;         // frames of switch boxes and level blocks
constexpr int SELECT_BOX = 15;
constexpr int TEXT_FIELD_H = 13;
constexpr int FILE_FIELD_W = 150;

static int mouse_in(int x1, int y1, int x2, int y2)
{
    int mx, my;
    draw_mouse(&mx, &my);
    return intbox(mx, my, x1, y1, x2, y2);
}

// Column of a field of ncol columns under the mouse (-1 none), and whether
// the click is in its upper half.
static int field_column(int x, int y, int ncol, int *upper)
{
    int mx, my;
    draw_mouse(&mx, &my);
    if (!intbox(mx, my, x, y, x + ncol * FIELD_COL_W - 1, y + FIELD_H - 1))
        return -1;
    *upper = my < y + FIELD_HALF;
    return (mx - x) / FIELD_COL_W;
}

static void draw_field(int color, int x, int y, float v, int dig, int dec, int sign)
{
    fltnum(x + DIGIT_LEFT, y + DIGIT_TOP, v, dig, dec, color, DIGIT_SEG, sign,
           FIELD_COL_W - DIGIT_SEG - 1);
}

int instdbtn_range(int color, int x, int y, float *var, int dig, int dec, int up, int sign,
                   float lo, float hi)
{
    dig = intlim(dig, 1, 9);
    dec = intlim(dec, 0, dig);
    int changed = 0;
    int upper;
    int k = up ? -1 : field_column(x, y, dig, &upper);
    if (k >= 0) {
        double step = std::pow(10.0, dig - 1 - k - dec);
        double scale = std::pow(10.0, dec);
        double top = (std::pow(10.0, dig) - 1.0) / scale;   // the most the field can show
        double v = std::isnan(*var) ? 0.0 : (double)*var;
        v += upper ? step : -step;
        v = std::round(v * scale) / scale;   // stay on the field's own steps
        v = fltlim((float)v, sign ? (float)-top : 0.0f, (float)top);
        v = fltlim((float)v, lo, hi);
        changed = (float)v != *var;
        *var = (float)v;
    }
    draw_field(color, x, y, *var, dig, dec, sign);
    return changed;
}

int instdbtn(int color, int x, int y, float *var, int dig, int dec, int up, int sign)
{
    return instdbtn_range(color, x, y, var, dig, dec, up, sign, -1e30f, 1e30f);
}

void block(int x, int y, int on)
{
    MACIBM_fillrect(on ? TEXT_COLOR : TRANSPARENT_INDEX, x, y, 7, 7, 1);
}

void level_block(int x, int y, int lit)
{
    MACIBM_framerect(FRAME_COLOR, x, y, LEVEL_BLOCK_W, LEVEL_BLOCK_H, 1);
    MACIBM_fillrect(lit ? TEXT_COLOR : TRANSPARENT_INDEX, x + 2, y + 2, LEVEL_BLOCK_W - 4,
                    LEVEL_BLOCK_H - 4, 1);
}

void boolbox(int x, int y, int on)
{
    MACIBM_framerect(FRAME_COLOR, x - 2, y - 2, 11, 11, 1);
    block(x, y, on);
}

int inboolbtn(int x, int y, int *var)
{
    int changed = 0;
    if (mouse_in(x - 2, y - 2, x + 9, y + 9)) {
        *var = !*var;
        changed = 1;
    }
    boolbox(x, y, *var);
    return changed;
}

int inNtextbtn(int x, int y, const char *const *texts, int n, int dx, int width, int *var,
                     int up)
{
    int changed = 0;
    if (!up) {
        int step = 0;
        if (mouse_in(x + dx, y - 25, x + dx + SELECT_BOX, y - 10))
            step = -1;
        else if (mouse_in(x + dx, y, x + dx + SELECT_BOX, y + SELECT_BOX))
            step = 1;
        if (step) {
            int v = intlim(*var, 1, n) + step;
            *var = v < 1 ? n : v > n ? 1 : v;
            changed = 1;
        }
    }
    MACIBM_fillrect(TRANSPARENT_INDEX, x, y - TEXT_FIELD_H, width, TEXT_FIELD_H, 1);
    MACIBM_drstring(TEXT_COLOR, x, y, texts[intlim(*var, 1, n) - 1], 0);
    return changed;
}

int in2textbtn(int x, int y, const char *C1, const char *C2, int dx, int width, int *var, int up)
{
    const char *t[2] = {C1, C2};
    return inNtextbtn(x, y, t, 2, dx, width, var, up);
}
int in3textbtn(int x, int y, const char *C1, const char *C2, const char *C3, int dx, int width,
               int *var, int up)
{
    const char *t[3] = {C1, C2, C3};
    return inNtextbtn(x, y, t, 3, dx, width, var, up);
}
int in4textbtn(int x, int y, const char *C1, const char *C2, const char *C3, const char *C4,
               int dx, int width, int *var, int up)
{
    const char *t[4] = {C1, C2, C3, C4};
    return inNtextbtn(x, y, t, 4, dx, width, var, up);
}
int in5textbtn(int x, int y, const char *C1, const char *C2, const char *C3, const char *C4,
               const char *C5, int dx, int width, int *var, int up)
{
    const char *t[5] = {C1, C2, C3, C4, C5};
    return inNtextbtn(x, y, t, 5, dx, width, var, up);
}

static void plotnchar(int color, int x, int y, const char *string, int n, int pitch)
{
    int len = (int)strnlen(string, n);
    for (int k = 0; k < n; k++)
        plot_letter(x + k * pitch, y, color, 1, k < len ? (unsigned char)string[k] : ' ');
}
void plot3char(int color, int x, int y, const char *string, int pitch) { plotnchar(color, x, y, string, 3, pitch); }
void plot5char(int color, int x, int y, const char *string, int pitch) { plotnchar(color, x, y, string, 5, pitch); }

// An identifier of n characters (string holds at least n + 1 bytes).
static int incharbtn(int color, int x, int y, char *string, int n, int up)
{
    int changed = 0;
    int upper;
    int k = up ? -1 : field_column(x, y, n, &upper);
    if (k >= 0) {
        int len = (int)strnlen(string, n);
        for (int i = len; i < n; i++)   // a short identifier is padded with blanks
            string[i] = ' ';
        string[n] = 0;
        int code = char_to_code(string[k]) + (upper ? 1 : -1);
        string[k] = code_to_char(intwrap(code, 0, NUM_CHAR_CODES - 1));
        changed = 1;
    }
    plotnchar(color, x + DIGIT_LEFT, y + DIGIT_TOP + 3, string, n, FIELD_COL_W);
    return changed;
}
int in3charbtn(int color, int x, int y, char *string, int up) { return incharbtn(color, x, y, string, 3, up); }
int in5charbtn(int color, int x, int y, char *string, int up) { return incharbtn(color, x, y, string, 5, up); }

// Folder of the program's files of each kind, for the dialog's first look.
static const char *kind_folder(int file_type)
{
    switch (file_type) {
    case FILE_AFL: return "airfoils";
    case FILE_FLP: return "flaps";
    case FILE_ACF: return "Aircraft";
    default: return "";
    }
}

int instringbtn(int x, int y, char *C_file, int up, int file_type)
{
    int changed = 0;
    if (!up && mouse_in(x, y - TEXT_FIELD_H, x + FILE_FIELD_W - 1, y)) {
        char name[MAX_STR], path[MAX_STR];
        C_to_C(C_file, name);
        ap_dir(kind_folder(file_type), C_file, path);
        if (MACIBM_open(name, path, file_type) && strcmp(name, C_file) != 0) {
            C_to_C(name, C_file);
            changed = 1;
        }
    }
    MACIBM_fillrect(TRANSPARENT_INDEX, x, y - TEXT_FIELD_H, FILE_FIELD_W, TEXT_FIELD_H, 1);
    MACIBM_drstring(TEXT_COLOR, x, y, C_file, 0);
    return changed;
}
