// The program's text files: one line-oriented data file read at a time
// (version line, one value a line, checkpoints) and one written at a time,
// atomically.
#pragma once
#include "common/numbers.h"

// ---------------------------------------------------------------- text files
// Input: one file at a time. Lines may end in LF, CR or CR LF; the reader
// hands every one of them to the scanners as x_eln.
extern char x_eln;
// Opens a data file and checks its version. Returns 1 when open and good.
// A wrong version returns 0 when is_prf is set, else ends the program with
// the wrong-version message. The designers check the marker "A"/"I" first.
int inf_open(const char *inf_name, int version, int is_prf);
void inf_close();
int inf_good();        // 1 while nothing has failed and the end is not passed
void rln();            // skip to the start of the next line
int intscan();         // one integer, then skip the line; 0 once failed
float fltscan();       // one float, then skip the line; 0 once failed
int bolscan();         // 1 only for the integer 1
int intscanNOSN();     // the same without skipping the line
float fltscanNOSN();
int bolscanNOSN();
// A whole line (spaces kept) into s, at most MAX_STR - 1 characters; the rest
// of an overlong line is skipped. Empty at end of file.
void spacescan(char *s);

// Output: one file at a time, written to a temporary file and renamed into
// place by ouf_close, so a failed save never destroys the old file.
// Returns 1 when the temporary file is open; writes "I", the version line.
int ouf_open(const char *ouf_name, int ftype, int version);
// printf-style text into the output file; nothing happens when none is open.
void ouf_printf(const char *fmt, ...) __attribute__((format(printf, 1, 2)));
// Finishes the file: 1 when every write succeeded and the file replaced the
// old one, 0 otherwise (the old file is then left as it was).
int ouf_close();
// Drops an output file still open: its temporary file is removed and the
// old file stays as it was (the program's end calls it).
void ouf_abandon();
