#include "calendar/packed_date.h"

#include <gtest/gtest.h>

TEST(PackedDate, MakePackedDateWidensYearsUpTo100)
{
    struct Case { int32_t month, day, year; PackedDate packed; };
    const Case cases[] = {
        {1, 6, 1980, 19800106},
        {1, 6, 80, 19800106},
        {12, 31, 100, 20001231},  // 100 itself is widened
        {7, 4, 101, 1010704},     // 101 is not
        {0, 0, 0, 19000000},
        {1, 1, -5, 18950101},
        {13, 32, 2000, 20001332}, // month and day are not validated
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.month << "/" << c.day << "/" << c.year);
        EXPECT_EQ(MakePackedDate(c.month, c.day, c.year), c.packed);
    }
}

TEST(PackedDate, SplitPackedDateTakesTheDigitsApart)
{
    struct Case { PackedDate packed; int32_t month, day, year; };
    const Case cases[] = {
        {20240229, 2, 29, 2024},
        {19800106, 1, 6, 1980},
        {1010704, 7, 4, 101},
        {20001301, 13, 1, 2000},  // not validated
        {19000000, 0, 0, 1900},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.packed);
        int32_t month = -99, day = -99, year = -99;
        SplitPackedDate(c.packed, &month, &day, &year);
        EXPECT_EQ(month, c.month);
        EXPECT_EQ(day, c.day);
        EXPECT_EQ(year, c.year);
    }
}

TEST(PackedDate, DayOfWeek)
{
    struct Case { PackedDate packed; int32_t weekday; };
    const Case cases[] = {
        {19000101, 1},  // 1900 gets no leap-day correction
        {19000301, 4},
        {19800106, 0},
        {20000101, 6},  // the correction turns 0 into 6
        {20000229, 2},
        {20000301, 3},
        {20240229, 4},
        {20991231, 4},
        {20010230, 5},  // no such day: counted on to 2 March 2001
        {18991231, -1},
        {20001301, -1},
        {20000001, -1},
        {20000100, -1},
        {20000132, -1},
        {0, -1},
        {-20000101, -1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.packed);
        EXPECT_EQ(DayOfWeek(c.packed), c.weekday);
    }
}
