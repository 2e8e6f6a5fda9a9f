// Airwright's aircraft-file writer: walks the field list and writes each
// value right-aligned in its field, followed by its label. The file is
// written under a temporary name and only then replaces the old one.
#include <cassert>

#include "files/airwright_files.h"
#include "files/local.h"

namespace airwright {

planestruct pln;

static char *aw_field(const AcfItem &it, int part)
{
    return (char *)&pln + it.aw_off + (part > 0 ? part : 0) * it.aw_stride;
}

static int aw_int(const AcfItem &it, int part) { return *(int *)aw_field(it, part); }
static float aw_flt(const AcfItem &it, int part) { return *(float *)aw_field(it, part); }

static void write_checkpoint(int number, const char *name)
{
    if (name)
        ouf_printf("\n%d checkpoint: %s\n\n", number, name);
    else
        ouf_printf("\n%d checkpoint\n\n", number);
}

static void write_row(const AcfItem &it, int part)
{
    int n = intlim(pln.els[part], 0, MAX_ELS);
    for (int e = 0; e < n; e++) {
        char *elements = aw_field(it, part);
        if (it.kind == AK_ROWF)
            ouf_printf("%6.1f ", ((float *)elements)[e]);
        else
            ouf_printf("%d ", ((int *)elements)[e] != 0);
    }
    ouf_printf("%s\n", it.label);
}

// Each point of the fuselage on its own line: x, y, z, then which point.
static void write_fuselage()
{
    for (int i = 0; i < N_FUSE_STATIONS; i++)
        for (int j = 0; j < N_FUSE_RADIALS; j++)
            ouf_printf("%8.4f %8.4f %8.4f fuse x,y,z station #%d, radial position #%d\n",
                       pln.fuse_x[i][j], pln.fuse_y[i][j], pln.fuse_z[i][j], i, j);
}

static void write_item(const AcfItem &it, int part)
{
    switch (it.kind) {
    case AK_CHECK: write_checkpoint(it.number, it.label); break;
    case AK_FLAG: ouf_printf("%*d%s\n", it.width, aw_int(it, part) != 0, it.label); break;
    case AK_INT: ouf_printf("%*d%s\n", it.width, aw_int(it, part), it.label); break;
    case AK_ELS: ouf_printf("%*d%s\n", it.width, intlim(aw_int(it, part), 0, MAX_ELS), it.label); break;
    case AK_FLT: ouf_printf("%*.*f%s\n", it.width, it.decimals, aw_flt(it, part), it.label); break;
    case AK_PAIR1: ouf_printf("%*.*f ", it.width, it.decimals, aw_flt(it, part)); break;
    case AK_STR: ouf_printf("%s\n", aw_field(it, part)); break;
    case AK_ROWF:
    case AK_ROWB: write_row(it, part); break;
    case AK_NSTATIONS: ouf_printf("%*d%s\n", it.width, N_FUSE_STATIONS, it.label); break;
    case AK_NRADIALS: ouf_printf("%*d%s\n", it.width, N_FUSE_RADIALS, it.label); break;
    case AK_FUSE: write_fuselage(); break;
    }
}

static void write_items(const AcfItem *items, int n, int part)
{
    for (int k = 0; k < n; k++)
        if (!items[k].props_only || part <= 1)
            write_item(items[k], part);
}

void spitapart(int checkpoint_number, int part)
{
    assert(part >= 0 && part < MAX_PARTS);
    write_checkpoint(checkpoint_number, nullptr);
    write_items(PART_ITEMS, N_PART_ITEMS, part);
}

int writeout_file(const char *path)
{
    if (!ouf_open(path, pln.is_heli ? ACF_TYPE_HELI : ACF_TYPE_PLANE, ACF_VERSION))
        return 0;
    for (int s = 0; s < N_ACF_SECTIONS; s++) {
        const AcfSection &sec = ACF_SECTIONS[s];
        if (sec.kind == SEC_PART)
            spitapart(PART_CHECKPOINT[sec.part], sec.part);
        else
            write_items(sec.items, sec.nitems, sec.part);
    }
    return ouf_close();
}

}  // namespace airwright
