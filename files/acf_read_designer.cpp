// Airwright's aircraft-file reader: walks the same field list as the writer
// and keeps every value in the units of the file. Counts read from the file
// are checked before they index anything.
#include <cassert>

#include "files/airwright_files.h"
#include "files/local.h"

namespace airwright {

static char *aw_field(const AcfItem &it, int part)
{
    return (char *)&pln + it.aw_off + (part > 0 ? part : 0) * it.aw_stride;
}

static void checkpoint_failed(int expected, int got)
{
    char wanted[MAX_STR], line[MAX_STR], number[MAX_STR];
    C_to_C("Wanted checkpoint ", wanted);
    i_to_cs(expected, number);
    app_C(wanted, number);
    C_to_C(", but got point ", line);
    i_to_cs(got, number);
    app_C(line, number);
    app_C(line, ".");
    app_C(wanted, line);
    MACIBM_exitalert("An error occurred during read-in of the aircraft file.",
                     "Either the file has been corrupted,or it is not really an aircraft file.",
                     wanted, "");
}

void checkpoint(int expected)
{
    rln();
    int got = intscan();
    rln();
    if (got != expected)
        checkpoint_failed(expected, got);
}

static void read_fuselage()
{
    for (int i = 0; i < N_FUSE_STATIONS; i++)
        for (int j = 0; j < N_FUSE_RADIALS; j++) {
            pln.fuse_x[i][j] = fltscanNOSN();
            pln.fuse_y[i][j] = fltscanNOSN();
            pln.fuse_z[i][j] = fltscanNOSN();
            rln();
        }
}

static void read_row(const AcfItem &it, int part)
{
    char *elements = aw_field(it, part);
    for (int e = 0; e < pln.els[part]; e++) {
        if (it.kind == AK_ROWF)
            ((float *)elements)[e] = fltscanNOSN();
        else
            ((int *)elements)[e] = bolscanNOSN();
    }
    rln();
}

// An element count beyond the 8 element slots would overrun every row; the
// file is refused as one that lost step with the writer.
static void read_els(const AcfItem &it, int part)
{
    int n = intscan();
    if (checked_els(n) < 0)
        checkpoint_failed(PART_CHECKPOINT[part], n);
    *(int *)aw_field(it, part) = n;
}

static void read_item(const AcfItem &it, int part, TypeSwitch set_up_for_type)
{
    char *field = aw_field(it, part);
    switch (it.kind) {
    case AK_CHECK: checkpoint(it.number); break;
    case AK_FLAG:
        *(int *)field = bolscan();
        if (field == (char *)&pln.is_heli && set_up_for_type)
            set_up_for_type(pln.is_heli);
        break;
    case AK_INT: *(int *)field = intscan(); break;
    case AK_ELS: read_els(it, part); break;
    case AK_FLT: *(float *)field = fltscan(); break;
    case AK_PAIR1: *(float *)field = fltscanNOSN(); break;
    case AK_STR: spacescan(field); break;
    case AK_ROWF:
    case AK_ROWB: read_row(it, part); break;
    case AK_NSTATIONS:
    case AK_NRADIALS: check_fuselage_count(it.kind); break;
    case AK_FUSE: read_fuselage(); break;
    }
}

static void read_items(const AcfItem *items, int n, int part, TypeSwitch set_up_for_type)
{
    for (int k = 0; k < n; k++)
        if (!items[k].props_only || part <= 1)
            read_item(items[k], part, set_up_for_type);
}

void grabapart(int checkpoint_number, int part)
{
    assert(part >= 0 && part < MAX_PARTS);
    checkpoint(checkpoint_number);
    read_items(PART_ITEMS, N_PART_ITEMS, part, nullptr);
}

void readin(TypeSwitch set_up_for_type)
{
    for (int s = 0; s < N_ACF_SECTIONS; s++) {
        const AcfSection &sec = ACF_SECTIONS[s];
        if (sec.kind == SEC_PART)
            grabapart(PART_CHECKPOINT[sec.part], sec.part);
        else
            read_items(sec.items, sec.nitems, sec.part, set_up_for_type);
    }
    // A file cut short after the last checkpoint would leave zeros behind.
    if (!inf_good())
        checkpoint_failed(117, 0);
    inf_close();
}

void readin_path(const char *path, TypeSwitch set_up_for_type)
{
    if (!inf_open(path, ACF_VERSION, 0))
        MACIBM_exitalert("I am unable to open the airplane! Sorry!!!", "I am trying to open:", path,
                         "The actual file-opening has failed. InfOpen failed after string selected!");
    readin(set_up_for_type);
}

}  // namespace airwright
