// The load report "Vortan.out": written by the loading steps while the
// aircraft is read and derived. In the simulator the data output holds the
// report file open for the whole run and takes the text through
// report_sink; without one (the batch runner, tests) each load opens the
// file afresh and closes it at the end of the load.
#include <cstdarg>
#include <cstdio>

#include "flight/flight.h"

static FILE *report_file;
void (*report_sink)(const char *text) = nullptr;
void (*box_sink)(const char *text) = nullptr;

int load_report_open()
{
    load_report_close();
    if (report_sink)
        return 1;
    char path[MAX_STR];
    if (!user_file_path(USER_DATA, "Vortan.out", path))
        return 0;
    report_file = fopen(path, "wb");
    return report_file != nullptr;
}

void load_printf(const char *fmt, ...)
{
    va_list args;
    va_start(args, fmt);
    if (report_sink) {
        char text[4 * MAX_STR];   // a separator, a file name and another separator fit
        vsnprintf(text, sizeof text, fmt, args);
        report_sink(text);
    } else if (report_file) {
        vfprintf(report_file, fmt, args);
    }
    va_end(args);
}

void load_report_close()
{
    if (report_file)
        fclose(report_file);
    report_file = nullptr;
}
