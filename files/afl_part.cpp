// Foilwright's part files: writes an airfoil (constants, the 542 table rows
// and the eight lookup constants) or a flap (constants and 51 rows), and
// reads back only the constants; the designer regenerates the tables.
#include <cstddef>

#include "files/foilwright_files.h"
#include "files/local.h"

namespace foilwright {

AFLstruct afl;
FLPstruct flp;
float cl[PART_TABLE_SLOTS], cd[PART_TABLE_SLOTS], cm[PART_TABLE_SLOTS];

// Values without a stated precision follow the stream: 6 decimals until the
// first airfoil table of the run has been written, 5 from then on.
static int stream_precision = 6;

int part_stream_precision() { return stream_precision; }
void reset_part_stream_precision() { stream_precision = 6; }

#define FWO(f) (int)offsetof(AFLstruct, f)
#define FPO(f) (int)offsetof(FLPstruct, f)
// The constants in the order of the "constants:" line.
static const int AFL_CONSTANT_ORDER[N_AFL_CONSTANTS] = {
    FWO(Re), FWO(almin), FWO(almax), FWO(clB), FWO(clM), FWO(Lpow), FWO(Lstall), FWO(Ldrop1),
    FWO(Ldrop2), FWO(Lpowstl), FWO(DminCL), FWO(Dmin), FWO(Dal10), FWO(Dpow), FWO(cmal2),
    FWO(cmal3), FWO(cm1), FWO(cm2), FWO(cm3), FWO(cm4), FWO(Bwidth), FWO(Bdepth), FWO(Bpower),
    FWO(Bloc),
};
static const int FLP_CONSTANT_ORDER[N_FLP_CONSTANTS] = {
    FPO(lco1), FPO(lco2), FPO(lco3), FPO(dco1), FPO(dco2), FPO(dco3), FPO(mco1), FPO(mco2), FPO(mco3),
};

static float *constant(void *record, int offset) { return (float *)((char *)record + offset); }

static void write_constants(void *record, const int *order, int n)
{
    ouf_printf("constants: ");
    for (int k = 0; k < n; k++)
        ouf_printf(k + 1 < n ? "%.*f " : "%.*f", stream_precision, *constant(record, order[k]));
    ouf_printf("\n");
}

static void write_runs(int from, int to)
{
    for (int r = from; r < to; r++)
        for (int i = AFL_RUNS[r].first; i <= AFL_RUNS[r].last; i++) {
            int k = i + 270;
            if (AFL_RUNS[r].has_cl)
                ouf_printf("%4.1f %8.5f %8.5f\n", alpha_of_index(i), cl[k], cd[k]);
            else
                ouf_printf("%4.1f %8.5f\n", alpha_of_index(i), cd[k]);
        }
}

static void write_airfoil()
{
    ouf_printf("%d device type code\n", AIRFOIL_DEVICE_CODE);
    write_constants(&afl, AFL_CONSTANT_ORDER, N_AFL_CONSTANTS);
    ouf_printf("index     cl         cd\n");
    write_runs(0, N_AFL_RUNS_NEG);
    stream_precision = 5;
    ouf_printf("\n");
    for (int k = 0; k < N_AFL_CONST_LINES; k++)
        ouf_printf("%.*f%s\n", stream_precision, *constant(&afl, AFL_CONST_LINES[k].fw_off),
                   AFL_CONST_LINES[k].label);
    ouf_printf("\n");
    write_runs(N_AFL_RUNS_NEG, N_AFL_RUNS);
}

// Row d holds the table at d/50 of full deflection, slot 8 d of 0..400.
static void write_flap()
{
    ouf_printf("%d device type code\n", FLAP_DEVICE_CODE);
    write_constants(&flp, FLP_CONSTANT_ORDER, N_FLP_CONSTANTS);
    ouf_printf("def cl cd cm\n");
    for (int d = 0; d < N_FLAP_ROWS; d++)
        ouf_printf("%d %.*f %.*f %.*f\n", d, stream_precision, cl[8 * d], stream_precision,
                   cd[8 * d], stream_precision, cm[8 * d]);
}

int writeoutpart(const char *path, int device)
{
    if (!ouf_open(path, device, PART_VERSION))
        return 0;
    if (device == DEVICE_FLAP)
        write_flap();
    else
        write_airfoil();
    return ouf_close();
}

[[noreturn]] static void cannot_open_part()
{
    MACIBM_exitalert("Sorry, I can't open the part!!!", "Reason: Undetermined!", "Revert to back-up!", "");
}

int readinpart(const char *path, int current_device, DeviceSwitch switchmode)
{
    if (!inf_open(path, PART_VERSION, 0))
        cannot_open_part();
    int code = intscan();
    int device = code == AIRFOIL_DEVICE_CODE ? DEVICE_AIRFOIL : code == FLAP_DEVICE_CODE ? DEVICE_FLAP : 0;
    if (!device)
        MACIBM_exitalert("This does not appear to be a valid file type for Foilwright!", "", "", "");
    if (device != current_device && switchmode)
        switchmode(device);
    void *record = device == DEVICE_FLAP ? (void *)&flp : (void *)&afl;
    const int *order = device == DEVICE_FLAP ? FLP_CONSTANT_ORDER : AFL_CONSTANT_ORDER;
    int n = device == DEVICE_FLAP ? N_FLP_CONSTANTS : N_AFL_CONSTANTS;
    // The whole line is read bounded, then parsed; a line without all its
    // constants is a damaged file, not a set of zeros.
    char line[MAX_STR];
    float vals[N_AFL_CONSTANTS];
    spacescan(line);
    if (parse_constants_line(line, vals, n) != n)
        cannot_open_part();
    for (int k = 0; k < n; k++)
        *constant(record, order[k]) = vals[k];
    inf_close();
    return device;
}

}  // namespace foilwright
