#include "calendar/day_numbers.h"

#include <gtest/gtest.h>

TEST(DayNumbers, JulianDayNumber)
{
    struct Case { PackedDate packed; int32_t jdn; };
    const Case cases[] = {
        {18581117, 2400001},  // MJD 0
        {19000101, 2415021},
        {19000301, 2415080},  // 1900 has no 29 February
        {19700101, 2440588},
        {19800106, 2444245},
        {20000101, 2451545},
        {20000229, 2451604},
        {20000301, 2451605},
        {20991231, 2488069},
        {0, -1},
        {-5, -1},
        {19000000, -1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.packed);
        EXPECT_EQ(JulianDayNumber(c.packed), c.jdn);
    }
}

TEST(DayNumbers, GpsWeekOfMjd)
{
    struct Case { int32_t mjd; int32_t week; };
    const Case cases[] = {
        {0, -1},
        {44239, -1},  // 1 January 1980: its month reaches into week 0, its first day does not
        {44243, -1},
        {44244, 0},
        {44250, 0},
        {44251, 1},
        {51411, 1023},
        {51412, 0},   // 22 August 1999
        {58579, 1023},
        {58580, 0},   // 7 April 2019
        {65748, 0},   // 21 November 2038
        {88038, 112},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.mjd);
        EXPECT_EQ(GpsWeekOfMjd(c.mjd), c.week);
    }
}

TEST(DayNumbers, ComputeMonthLayout)
{
    struct Case { int32_t month, year; MonthLayout layout; int32_t gpsWeek; };
    const Case cases[] = {
        {1, 1900, {31, 1, 1, 15020}, -1},
        {2, 1900, {28, 4, 32, 15051}, -1},
        {3, 1900, {31, 4, 60, 15079}, -1},
        {1, 1980, {31, 2, 1, 44239}, -1},
        {2, 1980, {29, 5, 32, 44270}, 3},
        {9, 1999, {30, 3, 244, 51422}, 1},
        {2, 2000, {29, 2, 32, 51575}, 23},
        {3, 2000, {31, 3, 61, 51604}, 27},
        {2, 100, {29, 2, 32, 51575}, 23},  // two-digit years widen as in MakePackedDate
        {2, 2023, {28, 3, 32, 59976}, 199},
        {3, 2023, {31, 3, 60, 60004}, 203},
        {2, 2024, {29, 4, 32, 60341}, 251},
        {3, 2024, {31, 5, 61, 60370}, 255},
        {4, 2019, {30, 1, 91, 58574}, 1023},
        {12, 2099, {31, 2, 335, 88038}, 112},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.month << "/" << c.year);
        MonthLayout got = ComputeMonthLayout(c.month, c.year);
        EXPECT_EQ(got.dayCount, c.layout.dayCount);
        EXPECT_EQ(got.firstWeekday, c.layout.firstWeekday);
        EXPECT_EQ(got.firstDayOfYear, c.layout.firstDayOfYear);
        EXPECT_EQ(got.firstMjd, c.layout.firstMjd);
        EXPECT_EQ(GpsWeekOfMjd(got.firstMjd), c.gpsWeek);
    }
}

// A month that no table holds, or a year whose weekday DayOfWeek refuses, must not reach the grid.
TEST(DayNumbers, ComputeMonthLayoutRefusesMonthsOutsideItsDomain)
{
    struct Case { int32_t month, year; };
    const Case cases[] = {{0, 2000}, {13, 2000}, {-1, 2000}, {100, 2000}, {1, 1899}, {12, 101}};
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.month << "/" << c.year);
        MonthLayout got = ComputeMonthLayout(c.month, c.year);
        EXPECT_EQ(got.dayCount, -1);
        EXPECT_EQ(got.firstWeekday, -1);
        EXPECT_EQ(got.firstDayOfYear, -1);
        EXPECT_EQ(got.firstMjd, -1);
    }
}
