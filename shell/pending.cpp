// Stand-ins for the functions start-up, the frame loop and the window
// procedure call whose real bodies are not written yet: each does nothing.
// Each says what it stands in for.
#include "shell/local.h"

void cleargraph() {}                  // stands in for the data output and graphs
void open_output_streams() {}         // stands in for the data output and graphs
void close_output_streams() {}        // stands in for the data output and graphs
void grfload() {}                     // stands in for the data output and graphs
void grfdrag() {}                     // stands in for the data output and graphs
void play_movie() {}                  // stands in for the flight-path replay
void grfclick() {}                    // stands in for the data output and graphs
void datclick() {}                    // stands in for the settings windows
void datplot() {}                     // stands in for the settings windows
void grfplot() {}                     // stands in for the data output and graphs
void start_movie() {}                 // stands in for the flight-path replay
void stop_movie() {}                  // stands in for the flight-path replay
