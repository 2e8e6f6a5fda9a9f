// The flight model's calls upward and their do-nothing stand-ins.
#include "flight/flight.h"

static void no_play(int, int) {}
static void no_stop(int) {}
static void no_call() {}
static void no_thunder(float) {}
static void no_force(int, float, float, float) {}
static void no_beep(int) {}

FlightCallbacks flight_calls = {no_play, no_stop, no_call, no_thunder, no_call, no_call,
                                no_force, no_call, no_call, no_beep};

void set_flight_callbacks(const FlightCallbacks *callbacks)
{
    FlightCallbacks c = callbacks ? *callbacks : FlightCallbacks{};
    flight_calls.play_buffer = c.play_buffer ? c.play_buffer : no_play;
    flight_calls.stop_buffer = c.stop_buffer ? c.stop_buffer : no_stop;
    flight_calls.stall_sound = c.stall_sound ? c.stall_sound : no_call;
    flight_calls.play_thunder = c.play_thunder ? c.play_thunder : no_thunder;
    flight_calls.play_engine_and_wind = c.play_engine_and_wind ? c.play_engine_and_wind : no_call;
    flight_calls.stop_engine_and_wind = c.stop_engine_and_wind ? c.stop_engine_and_wind : no_call;
    flight_calls.forcecall = c.forcecall ? c.forcecall : no_force;
    flight_calls.stall_shaker = c.stall_shaker ? c.stall_shaker : no_call;
    flight_calls.dskoutproc = c.dskoutproc ? c.dskoutproc : no_call;
    flight_calls.beepme = c.beepme ? c.beepme : no_beep;
}
