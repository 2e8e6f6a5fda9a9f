// Aircraft and airfoil files as the simulator sees them: the loaded
// aircraft `pln` (SI units) and its airfoil tables `afl`, and the readers of
// the aircraft file (version 25), the airfoil and the flap files (version
// 21). The designers' variants of the records and their readers and writers
// are in files/airwright_files.h and files/foilwright_files.h.
#pragma once
#include "common/common.h"
#include "files/formats.h"
#include "records/records.h"

// ------------------------------------------------------------ aircraft file
// Loading an aircraft with these readers: set pln.C_file and pln.C_appdir,
// inf_open(path, ACF_VERSION, 0) (0: not found, the caller asks for
// another), readin_plane; then for each part with foileq: grabafoil of
// Rafl0, of Rafl1 when diffRe (then checkRediff for the root), of Tafl0 when
// diffRT, of Tafl1 when both (then checkRediff for the tip); grabflaps of
// pln.flap_path when flapEQ.
// Reads one checkpoint (empty line, number, empty line); a different number
// closes the file and ends the program with the corrupted-aircraft message.
void checkpoint(int expected);

// Reads one lifting-part block (its checkpoint first) into pln, in metres;
// sets foileq (semi-span above 0.01 m), dblel, and the span arm of each
// element, ((i + 0.5) / els) x semiB, into span_arms[0..els-1] (8 slots).
// An element count outside 0..8 is refused with the checkpoint message.
void grabapart(int checkpoint_number, int part, float *span_arms);

// Reads the whole aircraft file opened by inf_open(path, ACF_VERSION, 0)
// into pln, converting to SI, applying the adjustments made while reading
// (helicopter layout 8, no engines -> entype 0, turboboost, which of parts 0
// and 1 exist, device flags, flap path from pln.C_appdir, gear, JATO,
// collective, flying stabiliser, puffers, artificial-stability band,
// sweepnow), and closes the file. `progress`, when not null, is called
// twice per checkpoint (the start-up progress display). Element geometry,
// control effectiveness, loads and the airfoils are the loading's.
// Any damage ends the program through MACIBM_exitalert.
void readin_plane(void (*progress)());

// ------------------------------------------------------------ airfoil files
// Loads pln.C_appdir + "airfoils/" + name into the tables of part EN,
// Reynolds slot Re (0 lo, 1 hi), span station RT (0 root, 1 tip); sets
// pln.Re[EN][RT][Re] and pln.alphamax[EN]. A name that does not exist as
// written is matched without regard to case (also for grabflaps), since
// aircraft files come from systems that ignore it; one missing from the
// program folder is looked for in the user's folder of the same name
// (user_kind_folder), where the designers save when the program folder
// takes no new files (also for grabflaps). Every fault ends the
// program with its message (missing, corrupted, misaligned row, negative
// drag).
void grabafoil(const char *name, int EN, int Re, int RT);
// Row check of grabafoil: ends the program when the angle read is more than
// 0.00001 deg off the expected one.
void wingalign(float alpha_read, float alpha_expected, const char *name);
// After a high-Reynolds file: pln.delRe[EN][RT] = Re hi - Re lo; pairs less
// than 0.99 million apart end the program.
void checkRediff(const char *file_lo, const char *file_hi, int EN, int RT);
// Reads the flap file at `path` into pln.clflap/cdflap/cmflap (51 rows).
// Missing, of the wrong kind or damaged ends the program.
void grabflaps(const char *path);

// ------------------------------------------------------------ file dialogs
// The open dialog's kind for aircraft files (MACIBM_open, common/).
constexpr int FILE_TYPE_AIRCRAFT = 308;
