// The United States map's outline data (usmap_data.cpp, generated): runs of
// a count and that many longitude, latitude pairs in hundredths of a degree;
// a count of 0 ends the table.
#pragma once
#include <cstdint>

extern const int16_t US_LAND_RINGS[];     // closed rings of the country's land
extern const int16_t US_STATE_BORDERS[];  // state borders inside the country
