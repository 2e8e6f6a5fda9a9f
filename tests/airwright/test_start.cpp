// Airwright at start: the untitled aeroplane and its defaults.
#include "aw_fixture.h"

TEST_F(AirTest, StartsOnANewAeroplane)
{
    EXPECT_EQ(pln.is_heli, 0);
    EXPECT_STREQ(pln.C_name, "Untitled.acf");
}
