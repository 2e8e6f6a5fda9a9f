// Test-support interface: lets headless tests freeze the clock and catch a
// fatal exit (message and all) without ending the test process. Nothing in
// the shipped programs calls it.
#pragma once
#include <cstdint>

// Freezes clock_ms at `ms`; a negative value lets the real clock run again.
void test_set_clock_ms(int64_t ms);

// Called by MACIBM_exitalert instead of ending the process when installed.
// The hook must not return (a test hook throws); if it does, the process
// ends as usual.
typedef void (*FatalHook)(const char *s1, const char *s2, const char *s3, const char *s4);
void test_set_fatal_hook(FatalHook hook);
