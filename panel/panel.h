// The instrument panel and the radios. Their records (`ins`, `nav`) are in
// records/records.h.
#pragma once
#include "common/common.h"
#include "records/records.h"


// ---------------------------------------------------------------- radios
// (Re)tunes radio w (RadioNumber: 0 NAV1, 1 NAV2, 2 COM1, 3 COM2, 4 ADF,
// 5 GPS, 6 transponder): latches what it receives (tune_radio), with
// `uplock` locking the GPS course; with `plot_numbers` its digits are
// painted. Called after every frequency change, after a region page and by
// the batch runner. Reads and writes: nav (see tune_radio).
void setnav(int w, int uplock, int plot_numbers);
// One digit step of a radio and its retuning: `field` is the digit's nav
// field, `which` the radio to retune, `step` the change. NAV MHz wrap
// within 108..117, COM MHz within 118..134, hundredths within 0..95 in
// steps of 5, ADF digits within 0..9, transponder digits within 0..7.
void NAVinc(int *field, int which, int step);
void COMinc(int *field, int which, int step);
void HUNinc(int *field, int which, int step);
void ADFinc(int *field, int which, int step);
void XPNinc(int *field, int which, int step);
// NAV receiver `which`'s volume by step x 0.1, held within 0..1.
void VOLinc(int which, int step);
