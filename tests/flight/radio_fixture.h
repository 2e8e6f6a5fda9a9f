// Fixture of the radio tests: the radio, aircraft and scenery records
// cleared, a classic panel (NAV 1 in the stack) not drawn, empty country
// tables.
#pragma once
#include <gtest/gtest.h>

#include <cstring>

#include "flight/flight.h"

class RadioRecordsTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        fill_constants();
        memset(&env, 0, sizeof env);
        memset(&nav, 0, sizeof nav);
        memset(&flt, 0, sizeof flt);
        memset(&pln, 0, sizeof pln);
        memset(&ins, 0, sizeof ins);   // no panel drawn: the tuning paints nothing
        pln.layouttype = 1;
        env.nid_max_used = env.vid_max_used = env.aid_max_used = -1;
    }
};
