// Foilwright's side of the airfoil and flap files: its generating
// constants, the generated tables, and the writer and reader of a part file.
// Lives in namespace `foilwright`: its `afl` is not the simulator's.
#pragma once
#include "files/formats.h"

namespace foilwright {

constexpr int DEVICE_AIRFOIL = 301;    // also the platform file type
constexpr int DEVICE_FLAP = 302;
constexpr int PART_TABLE_SLOTS = 541;  // airfoil: slot k = index k - 270
constexpr int FLAP_TABLE_LAST = 400;   // flap: slots 0..400 of full deflection
constexpr int N_AFL_CONSTANTS = 24;
constexpr int N_FLP_CONSTANTS = 9;

// Airfoil generating constants (meanings with the generator). Written by the
// editor and readinpart.
struct AFLstruct {
    float Re;                // millions
    float clB, clM, Lpow, Lstall, Ldrop1, Ldrop2, Lpowstl;
    float almin, almax;      // deg
    float DminCL, Dmin, Dal10, Dpow;
    float Bwidth, Bdepth, Bpower, Bloc;
    float cmal2, cmal3, cm1, cm2, cm3, cm4;
};
extern AFLstruct afl;

// Flap polynomial coefficients.
struct FLPstruct {
    float lco1, lco2, lco3, dco1, dco2, dco3, mco1, mco2, mco3;
};
extern FLPstruct flp;

// Generated tables of the current device (airfoil: by index + 270; flap:
// slots 0..400). Written by the generator, read by writeoutpart.
extern float cl[PART_TABLE_SLOTS], cd[PART_TABLE_SLOTS], cm[PART_TABLE_SLOTS];

// Writes the current device's constants and tables to `path` (device 301
// airfoil, 302 flap). Returns 1 only when the whole file was written and
// replaced the old one; the caller clears its unsaved-changes flag only then.
int writeoutpart(const char *path, int device);

// Switches the designer to a device (its switchmode).
typedef void (*DeviceSwitch)(int device);
// Reads a part file's constants into afl or flp (the tables are left to the
// generator). Calls `switchmode` (when not null) before the constants when
// the file's device differs from `current_device`. Returns the file's
// device. An unopenable or damaged file ends the program with its message.
int readinpart(const char *path, int current_device, DeviceSwitch switchmode);

// Precision of the values written without an explicit one: 6 decimals until
// an airfoil table has been written in this run, 5 after. Tests reset it.
int part_stream_precision();
void reset_part_stream_precision();

}  // namespace foilwright
