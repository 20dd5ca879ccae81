#include "calendar/clock.h"
#include "calendar/day_numbers.h"

#include <chrono>
#include <gtest/gtest.h>
#include <limits.h>
#include <stdio.h>
#include <stdlib.h>
#include <string>
#include <time.h>

static std::string SixDecimals(double mjd)
{
    char text[64];
    snprintf(text, sizeof text, "%f", mjd);
    return text;
}

TEST(Clock, MjdOfReading)
{
    struct Case { ClockReading seconds; const char *text; int32_t wholeDay; };
    const Case cases[] = {
        {0, "40587.000000", 40587},
        {1, "40587.000012", 40587},
        {43200, "40587.500000", 40587},
        {86399, "40587.999988", 40587},
        {86400, "40588.000000", 40588},
        {946684800, "51544.000000", 51544},      // 2000-01-01 00:00:00 UTC
        {1709332200, "60370.937500", 60370},     // 2024-03-01 22:30:00 UTC
        {2147483647, "65442.134803", 65442},     // last second of a 32-bit count
        {2147483648, "65442.134815", 65442},
        {4102444799, "88068.999988", 88068},     // 2099-12-31 23:59:59 UTC
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.seconds);
        double mjd = MjdOfReading(c.seconds);
        EXPECT_EQ(SixDecimals(mjd), c.text);
        EXPECT_EQ((int32_t)mjd, c.wholeDay);
    }
    EXPECT_EQ(MjdOfReading(0), 40587.0);
    EXPECT_EQ(MjdOfReading(43200), 40587.5);
    EXPECT_EQ(MjdOfReading(1709332200), 60370.9375);
}

// The whole day must change exactly at 00:00:00 UTC: rounding must neither carry the last
// second of a day into the next nor leave a midnight just below its day number.
TEST(Clock, WholeDayChangesAtEveryMidnightUntil2100)
{
    const int32_t lastDay = 88069 - 40587;  // 2100-01-01
    for (int32_t k = 1; k <= lastDay; k++) {
        ClockReading midnight = (ClockReading)k * 86400;
        ASSERT_EQ(MjdOfReading(midnight), 40587.0 + k) << midnight;
        ASSERT_EQ((int32_t)MjdOfReading(midnight - 1), 40587 + k - 1) << midnight - 1;
    }
}

// The C runtime reads the zone from TZ; a POSIX rule, because msvcrt (and Wine's) knows no
// zone names.  The test leaves TZ as it found it.
class LocalClock : public testing::Test {
protected:
    void SetUp() override
    {
        const char *tz = getenv("TZ");
        hadTz = tz != NULL;
        if (hadTz)
            savedTz = tz;
    }
    void TearDown() override
    {
        if (hadTz)
            SetZone(savedTz.c_str());
        else
            SetZone(NULL);
    }
    static void SetZone(const char *rule)
    {
#ifdef _WIN32
        std::string setting = std::string("TZ=") + (rule ? rule : "");
        _putenv(setting.c_str());
        _tzset();
#else
        if (rule)
            setenv("TZ", rule, 1);
        else
            unsetenv("TZ");
        tzset();
#endif
    }
    bool hadTz = false;
    std::string savedTz;
};

TEST_F(LocalClock, LocalDateOfReading)
{
    struct Case { const char *zone; ClockReading seconds; LocalDate date; };
    const Case cases[] = {
        {"UTC0", 0, {1, 1, 1970}},
        {"UTC0", 86399, {1, 1, 1970}},
        {"UTC0", 86400, {2, 1, 1970}},
        {"UTC0", 1709332200, {1, 3, 2024}},
        {"EET-2", 1709332200, {2, 3, 2024}},      // 00:30 local on 2 March, still 1 March by UTC
        {"EET-2", 1709332200 - 1801, {1, 3, 2024}},
        {"EST5", 1709352000, {1, 3, 2024}},       // 04:00 UTC on 2 March, 23:00 local on 1 March
        {"JST-9", 946652400, {1, 1, 2000}},       // local midnight, 15:00 UTC the day before
        {"JST-9", 946652399, {31, 12, 1999}},
        {"UTC0", 2147483647, {19, 1, 2038}},
        {"JST-9", 2147483648, {19, 1, 2038}},
        {"UTC0", 4102444799, {31, 12, 2099}},
        {"JST-9", 4102444799, {1, 1, 2100}},      // not limited to the calendar's years
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.zone << " " << c.seconds);
        SetZone(c.zone);
        LocalDate date = {-1, -1, -1};
        ASSERT_EQ(LocalDateOfReading(c.seconds, &date), 1);
        EXPECT_EQ(date.day, c.date.day);
        EXPECT_EQ(date.month, c.date.month);
        EXPECT_EQ(date.year, c.date.year);
    }
}

// Near midnight the title (UTC) and today's cell (local) name different days.
TEST_F(LocalClock, UtcAndLocalDayDifferJustAfterLocalMidnight)
{
    SetZone("EET-2");
    LocalDate today;
    ASSERT_EQ(LocalDateOfReading(1709332200, &today), 1);
    MonthLayout month = ComputeMonthLayout(today.month, today.year);
    EXPECT_EQ(month.firstMjd + today.day - 1, 60371);
    EXPECT_EQ(MjdOfReading(1709332200), 60370.9375);
}

// A reading that the C runtime cannot convert (msvcrt stops at the year 3000 and before 1970,
// glibc where the year leaves an int) gives 0 and leaves the date alone; a reading that it does
// convert gives a real date in the expected years, never a year that has wrapped around.
TEST_F(LocalClock, UnconvertibleReadingsGiveNoDate)
{
    struct Case { ClockReading seconds; int32_t minYear, maxYear; };
    const Case cases[] = {
        {-1, 1969, 1969},
        {32535216000, 3001, 3001},                 // 3001-01-01 00:00:00 UTC
        {(ClockReading)1e15, 31690000, 31700000},
        {67767987341572560, INT32_MAX, INT32_MAX}, // a year just past int32_t: never converts
        {INT64_MAX, INT32_MAX, INT32_MAX},
        {INT64_MIN, INT32_MIN, INT32_MIN},
    };
    SetZone("UTC0");
    for (const Case &c : cases) {
        SCOPED_TRACE(c.seconds);
        LocalDate date = {-7, -7, -7};
        if (LocalDateOfReading(c.seconds, &date)) {
            EXPECT_GE(date.year, c.minYear);
            EXPECT_LE(date.year, c.maxYear);
            EXPECT_GE(date.month, 1);
            EXPECT_LE(date.month, 12);
            EXPECT_GE(date.day, 1);
            EXPECT_LE(date.day, 31);
            EXPECT_LT(c.minYear, INT32_MAX) << "this reading must not convert";
        } else {
            EXPECT_EQ(date.day, -7);
            EXPECT_EQ(date.month, -7);
            EXPECT_EQ(date.year, -7);
        }
    }
}

static ClockReading SystemClockSeconds(void)
{
    using namespace std::chrono;
    return (ClockReading)duration_cast<seconds>(system_clock::now().time_since_epoch()).count();
}

// The wrappers read the real clock: their results must lie between readings taken around them
// (two seconds of slack for the two clocks' roundings).
TEST(Clock, CurrentMjdFollowsTheSystemClock)
{
    ClockReading before = SystemClockSeconds();
    double mjd = CurrentMjd();
    ClockReading after = SystemClockSeconds();
    EXPECT_GE(mjd, MjdOfReading(before - 2));
    EXPECT_LE(mjd, MjdOfReading(after + 2));
    EXPECT_GT(before, 1700000000);  // the clock itself is sane: after November 2023
}

TEST(Clock, CurrentLocalDateFollowsTheSystemClock)
{
    ClockReading before = SystemClockSeconds();
    LocalDate today = {-1, -1, -1};
    int32_t read = CurrentLocalDate(&today);
    ClockReading after = SystemClockSeconds();
    ASSERT_EQ(read, 1);
    LocalDate first, last;
    ASSERT_EQ(LocalDateOfReading(before - 2, &first), 1);
    ASSERT_EQ(LocalDateOfReading(after + 2, &last), 1);
    int32_t todayPacked = MakePackedDate(today.month, today.day, today.year);
    EXPECT_GE(todayPacked, MakePackedDate(first.month, first.day, first.year));
    EXPECT_LE(todayPacked, MakePackedDate(last.month, last.day, last.year));
}
