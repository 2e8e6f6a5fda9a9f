// What both aircraft-file readers share beyond the field list: the check
// of the fuselage grid size.
#include "files/local.h"

void check_fuselage_count(int kind)
{
    int n = intscan();
    const char *second = "Make sure the fuselage has the same number of data points as other planes used by the sim!";
    if (kind == AK_NSTATIONS && n != N_FUSE_STATIONS)
        MACIBM_exitalert("Number of fuselage station-data points wrong!", second, "", "");
    if (kind == AK_NRADIALS && n != N_FUSE_RADIALS)
        MACIBM_exitalert("Number of fuselage radial-data points wrong!", second, "", "");
}
