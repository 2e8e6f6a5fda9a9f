// The force build-up report ("Cycle Dump"): while set.cycout is on for its
// one frame, the flight model writes its intermediate values through here.
// The data output owns the report file and points the sink at it.
#include <cstdarg>
#include <cstdio>

#include "flight/flight.h"

void (*cyc_sink)(const char *text) = nullptr;

void cyc_printf(const char *fmt, ...)
{
    if (!set.cycout || !cyc_sink)
        return;
    char text[MAX_STR];
    va_list args;
    va_start(args, fmt);
    vsnprintf(text, sizeof text, fmt, args);
    va_end(args);
    cyc_sink(text);
}
