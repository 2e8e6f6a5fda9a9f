// Reads the compact extracts in data/scenery/: four comma-separated tables
// (never quoted: the extraction script strips commas from names), the
// elevation grid as a 16-bit grey PNG and the water mask as a 1-bit PNG.
#include "tools/scenery/scenery.h"

#include <png.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>

std::vector<std::string> split_csv(const std::string &line)
{
    std::vector<std::string> out(1);
    for (char c : line) {
        if (c == ',') out.emplace_back();
        else if (c != '\r') out.back() += c;
    }
    return out;
}

static double num_or_nan(const std::string &s)
{
    if (s.empty())
        return NAN;
    char *end = nullptr;
    double v = strtod(s.c_str(), &end);
    return (*end == 0 && std::isfinite(v)) ? v : NAN;
}

// Reads a table with its header; every row must have `ncols` fields.
static bool read_table(const std::string &path, size_t ncols,
                       std::vector<std::vector<std::string>> *rows, std::string *error)
{
    std::ifstream f(path);
    if (!f) {
        *error = "cannot open " + path;
        return false;
    }
    std::string line;
    std::getline(f, line);
    if (split_csv(line).size() != ncols) {
        *error = path + ": unexpected header";
        return false;
    }
    int lineno = 1;
    while (std::getline(f, line)) {
        lineno++;
        auto cols = split_csv(line);
        if (cols.size() != ncols) {
            *error = path + ": line " + std::to_string(lineno) + " has " +
                     std::to_string(cols.size()) + " fields";
            return false;
        }
        rows->push_back(std::move(cols));
    }
    return true;
}

static bool read_airports(const std::string &dir, Sources *src, std::string *error)
{
    std::vector<std::vector<std::string>> rows;
    if (!read_table(dir + "/airports.csv", 8, &rows, error))
        return false;
    for (auto &r : rows) {
        SrcAirport a;
        a.id = r[0];
        a.kind = r[1].empty() ? 'S' : r[1][0];
        a.scheduled = r[2] == "1";
        a.tower = r[3] == "1";
        a.lat = num_or_nan(r[4]);
        a.lon = num_or_nan(r[5]);
        a.elev_ft = num_or_nan(r[6]);
        a.name = r[7];
        if (a.id.size() != 3 || std::isnan(a.lat) || std::isnan(a.lon)) {
            *error = "airports.csv: bad row for '" + a.id + "'";
            return false;
        }
        src->airports.push_back(a);
    }
    return true;
}

static bool read_runways(const std::string &dir, Sources *src, std::string *error)
{
    std::vector<std::vector<std::string>> rows;
    if (!read_table(dir + "/runways.csv", 15, &rows, error))
        return false;
    for (auto &r : rows) {
        SrcRunway w;
        w.id = r[0];
        w.length_ft = num_or_nan(r[1]);
        w.width_ft = num_or_nan(r[2]);
        w.surface = r[3].empty() ? 'S' : r[3][0];
        w.end[0] = r[4];
        w.lat[0] = num_or_nan(r[5]);
        w.lon[0] = num_or_nan(r[6]);
        w.elev_ft[0] = num_or_nan(r[7]);
        w.disp_ft[0] = num_or_nan(r[8]);
        w.hdg1_true = num_or_nan(r[9]);
        w.end[1] = r[10];
        w.lat[1] = num_or_nan(r[11]);
        w.lon[1] = num_or_nan(r[12]);
        w.elev_ft[1] = num_or_nan(r[13]);
        w.disp_ft[1] = num_or_nan(r[14]);
        src->runways.push_back(w);
    }
    return true;
}

// "111.70" -> 111 and 70, exactly, without floating-point rounding.
static bool parse_mhz(const std::string &s, int *mhz, int *hundredths)
{
    int whole = 0, frac = 0, nfrac = 0;
    size_t k = 0;
    if (s.empty() || !isdigit((unsigned char)s[0]))
        return false;
    for (; k < s.size() && isdigit((unsigned char)s[k]); k++)
        whole = whole * 10 + (s[k] - '0');
    if (k < s.size() && s[k] == '.')
        for (k++; k < s.size() && isdigit((unsigned char)s[k]) && nfrac < 2; k++, nfrac++)
            frac = frac * 10 + (s[k] - '0');
    if (nfrac == 1)
        frac *= 10;
    *mhz = whole;
    *hundredths = frac;
    return whole > 0 && whole < 1000;
}

static bool read_ils(const std::string &dir, Sources *src, std::string *error)
{
    std::vector<std::vector<std::string>> rows;
    if (!read_table(dir + "/ils.csv", 10, &rows, error))
        return false;
    for (auto &r : rows) {
        SrcIls s;
        s.id = r[0];
        s.runway_end = r[1];
        s.type = r[2];
        s.category = r[3];
        if (!parse_mhz(r[4], &s.freq_mhz, &s.freq_hundredths)) {
            *error = "ils.csv: bad frequency '" + r[4] + "'";
            return false;
        }
        s.course_true = num_or_nan(r[5]);
        s.gs_angle = num_or_nan(r[6]);
        s.tch_ft = num_or_nan(r[7]);
        s.disp_ft = num_or_nan(r[8]);
        s.thr_elev_ft = num_or_nan(r[9]);
        src->ils.push_back(s);
    }
    return true;
}

static bool read_navaids(const std::string &dir, Sources *src, std::string *error)
{
    std::vector<std::vector<std::string>> rows;
    if (!read_table(dir + "/navaids.csv", 7, &rows, error))
        return false;
    for (auto &r : rows) {
        SrcNavaid n;
        n.kind = r[0].empty() ? '?' : r[0][0];
        n.ident = r[1];
        n.freq_khz = atoi(r[2].c_str());
        n.lat = num_or_nan(r[3]);
        n.lon = num_or_nan(r[4]);
        n.elev_ft = num_or_nan(r[5]);
        n.name = r[6];
        if ((n.kind != 'V' && n.kind != 'N') || n.ident.empty() || n.ident.size() > 3 ||
            std::isnan(n.lat) || std::isnan(n.lon)) {
            *error = "navaids.csv: bad row for '" + n.ident + "'";
            return false;
        }
        src->navaids.push_back(n);
    }
    return true;
}

// Opens a PNG and checks its size, depth and colour type; rows are then
// read one by one with png_read_row.
struct PngReader {
    FILE *fp = nullptr;
    png_structp png = nullptr;
    png_infop info = nullptr;
    ~PngReader()
    {
        if (png) png_destroy_read_struct(&png, &info, nullptr);
        if (fp) fclose(fp);
    }
};

static bool open_png(PngReader *r, const std::string &path, int depth, std::string *error,
                     int *rows, int *cols)
{
    r->fp = fopen(path.c_str(), "rb");
    if (!r->fp) {
        *error = "cannot open " + path;
        return false;
    }
    r->png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    r->info = r->png ? png_create_info_struct(r->png) : nullptr;
    if (!r->info) {
        *error = "libpng failed to start";
        return false;
    }
    if (setjmp(png_jmpbuf(r->png))) {
        *error = path + ": damaged PNG";
        return false;
    }
    png_init_io(r->png, r->fp);
    png_read_info(r->png, r->info);
    if (png_get_bit_depth(r->png, r->info) != depth ||
        png_get_color_type(r->png, r->info) != PNG_COLOR_TYPE_GRAY ||
        png_get_interlace_type(r->png, r->info) != PNG_INTERLACE_NONE) {
        *error = path + ": not a " + std::to_string(depth) + "-bit grey PNG";
        return false;
    }
    *rows = (int)png_get_image_height(r->png, r->info);
    *cols = (int)png_get_image_width(r->png, r->info);
    if (*rows <= 0 || *cols <= 0 || *rows > 100000 || *cols > 100000) {
        *error = path + ": implausible size";
        return false;
    }
    return true;
}

// Reads every row into `out` (rowbytes each). libpng reports a damaged
// stream by jumping back here.
static bool read_png_rows(PngReader *r, int rows, size_t rowbytes, uint8_t *out,
                          const std::string &path, std::string *error)
{
    if (setjmp(png_jmpbuf(r->png))) {
        *error = path + ": damaged PNG data";
        return false;
    }
    if (png_get_rowbytes(r->png, r->info) != rowbytes) {
        *error = path + ": unexpected row size";
        return false;
    }
    for (int row = 0; row < rows; row++)
        png_read_row(r->png, out + (size_t)row * rowbytes, nullptr);
    return true;
}

bool read_png_grid16(const std::string &path, Grid16 *grid, std::string *error)
{
    PngReader r;
    int rows, cols;
    if (!open_png(&r, path, 16, error, &rows, &cols))
        return false;
    std::vector<uint8_t> raw((size_t)rows * cols * 2);
    if (!read_png_rows(&r, rows, (size_t)cols * 2, raw.data(), path, error))
        return false;
    grid->rows = rows;
    grid->cols = cols;
    grid->m.resize((size_t)rows * cols);
    for (size_t k = 0; k < grid->m.size(); k++)       // PNG samples are big-endian
        grid->m[k] = (uint16_t)(raw[2 * k] << 8 | raw[2 * k + 1]);
    return true;
}

bool read_png_mask1(const std::string &path, Mask1 *mask, std::string *error)
{
    PngReader r;
    int rows, cols;
    if (!open_png(&r, path, 1, error, &rows, &cols))
        return false;
    mask->rows = rows;
    mask->cols = cols;
    mask->stride = (cols + 7) / 8;
    mask->bits.assign((size_t)rows * mask->stride, 0);
    return read_png_rows(&r, rows, (size_t)mask->stride, mask->bits.data(), path, error);
}

int mask_water(const Mask1 &mask, int row, int col)
{
    if (row < 0 || col < 0 || row >= mask.rows || col >= mask.cols)
        return 1;
    return (mask.bits[(size_t)row * mask.stride + (col >> 3)] >> (7 - (col & 7))) & 1;
}

bool load_sources(const std::string &dir, Sources *src, std::string *error)
{
    if (!(read_airports(dir, src, error) && read_runways(dir, src, error) &&
          read_ils(dir, src, error) && read_navaids(dir, src, error) &&
          read_png_grid16(dir + "/terrain_etopo5.png", &src->terrain, error) &&
          read_png_mask1(dir + "/water_gshhg_30s.png", &src->water, error)))
        return false;
    // Both grids must cover the box exactly: 12 nodes and 120 pixels a degree.
    if (src->terrain.rows != NQUAD_J * 12 + 1 || src->terrain.cols != NQUAD_I * 12 + 1 ||
        src->water.rows != NQUAD_J * 120 || src->water.cols != NQUAD_I * 120) {
        *error = "the elevation grid or the water mask does not cover 180W..60W, 15N..72N";
        return false;
    }
    return true;
}
