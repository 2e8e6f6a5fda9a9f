// The load report "Vortan.out": opened afresh by each aircraft load, written
// by the loading steps while the aircraft is read and derived, closed at the
// end of the load.
#include <cstdarg>
#include <cstdio>

#include "flight/flight.h"

static FILE *report_file;

int load_report_open()
{
    load_report_close();
    char path[MAX_STR];
    if (!user_file_path(USER_DATA, "Vortan.out", path))
        return 0;
    report_file = fopen(path, "wb");
    return report_file != nullptr;
}

void load_printf(const char *fmt, ...)
{
    if (!report_file)
        return;
    va_list args;
    va_start(args, fmt);
    vfprintf(report_file, fmt, args);
    va_end(args);
}

void load_report_close()
{
    if (report_file)
        fclose(report_file);
    report_file = nullptr;
}
