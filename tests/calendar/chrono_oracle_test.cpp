// Every date of the calendar against the C++20 calendar of <chrono>, an independent count.
#include "calendar/day_numbers.h"

#include <chrono>
#include <gtest/gtest.h>

using namespace std::chrono;

static const sys_days GpsEpoch = sys_days(year(1980) / January / 6);

static int32_t MjdOf(sys_days day)
{
    return (int32_t)day.time_since_epoch().count() + 40587;  // days since 1970-01-01 + its MJD
}

static PackedDate PackedDateOf(sys_days day)
{
    year_month_day ymd(day);
    return MakePackedDate((int32_t)(unsigned)ymd.month(), (int32_t)(unsigned)ymd.day(), (int32_t)ymd.year());
}

TEST(ChronoOracle, JulianDayNumberOfEveryDay)
{
    for (sys_days day = year(1900) / January / 1; day <= sys_days(year(2099) / December / 31); day += days(1)) {
        PackedDate date = PackedDateOf(day);
        ASSERT_EQ(JulianDayNumber(date) - 2400001, MjdOf(day)) << date;
    }
}

// DayOfWeek counts its own leap days; they agree with the Gregorian ones until 28 February 2100.
TEST(ChronoOracle, DayOfWeekOfEveryDay)
{
    for (sys_days day = year(1900) / January / 1; day <= sys_days(year(2100) / February / 28); day += days(1)) {
        PackedDate date = PackedDateOf(day);
        ASSERT_EQ(DayOfWeek(date), (int32_t)weekday(day).c_encoding()) << date;
    }
}

TEST(ChronoOracle, LayoutAndGpsWeekOfEveryMonth)
{
    int32_t months = 0;
    for (int32_t y = 1900; y <= 2099; y++) {
        for (int32_t m = 1; m <= 12; m++) {
            year_month firstMonth = year(y) / month(m);
            sys_days first = sys_days(firstMonth / 1);
            int32_t expectedWeek = first < GpsEpoch ? -1 : (int32_t)(floor<weeks>(first - GpsEpoch).count() % 1024);

            MonthLayout got = ComputeMonthLayout(m, y);
            SCOPED_TRACE(testing::Message() << m << "/" << y);
            ASSERT_EQ(got.dayCount, (int32_t)(unsigned)(firstMonth / last).day());
            ASSERT_EQ(got.firstWeekday, (int32_t)weekday(first).c_encoding());
            ASSERT_EQ(got.firstDayOfYear, (int32_t)(first - sys_days(year(y) / January / 1)).count() + 1);
            ASSERT_EQ(got.firstMjd, MjdOf(first));
            ASSERT_EQ(GpsWeekOfMjd(got.firstMjd), expectedWeek);
            months++;
        }
    }
    EXPECT_EQ(months, 2400);
}
