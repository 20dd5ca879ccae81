// Julian day numbers, MJD, GPS weeks and the layout of a month.
#include "calendar/day_numbers.h"

static const int32_t DaysBeforeMonth[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
static const int32_t DaysInMonth[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

static int32_t IsLeapYear(int32_t year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

// Algorithm 199 (Collected Algorithms of the ACM), Gregorian calendar.  The year is counted
// from March so that the leap day falls at its end: March is m' = 0, February m' = 11 of the
// year before.  Then 146097 / 4 days per century, 1461 / 4 per year of the century and
// (153 m' + 2) / 5 for the months of 31, 30, 31, 30, 31 days repeating from March; 1721119
// makes 1 January 2000 day 2451545.  Valid from 1 March of the year 0 on.
int32_t JulianDayNumber(PackedDate value)
{
    // 19000000 is what MakePackedDate makes of month 0, day 0, year 0: no date at all.
    if (value <= 0 || value == 19000000)
        return -1;

    int32_t month, day, year;
    SplitPackedDate(value, &month, &day, &year);
    int32_t m = month > 2 ? month - 3 : month + 9;
    int32_t y = month > 2 ? year : year - 1;
    int32_t c = y / 100;
    int32_t ya = y % 100;
    return (146097 * c) / 4 + (1461 * ya) / 4 + (153 * m + 2) / 5 + day + 1721119;
}

// 10-bit week number: whole weeks since Sunday 6 January 1980, modulo 1024.
int32_t GpsWeekOfMjd(int32_t mjd)
{
    if (mjd < GpsEpochMjd)
        return -1;
    return ((mjd - GpsEpochMjd) / 7) % 1024;
}

// The callers keep the month within 1 ... 12 and the year within 1900 ... 2099.  Anything
// else would read past the month tables or give a first weekday of -1, which is no grid
// column, so such a month gets -1 in every field instead.
MonthLayout ComputeMonthLayout(int32_t month, int32_t year)
{
    PackedDate date = MakePackedDate(month, 1, year);
    int32_t day;
    SplitPackedDate(date, &month, &day, &year);
    MonthLayout layout;
    if (month < 1 || month > 12 || year < 1900) {
        layout.dayCount = layout.firstWeekday = layout.firstDayOfYear = layout.firstMjd = -1;
        return layout;
    }

    int32_t leap = IsLeapYear(year);
    layout.dayCount = DaysInMonth[month - 1] + (leap && month == 2 ? 1 : 0);
    layout.firstWeekday = DayOfWeek(date);
    layout.firstDayOfYear = DaysBeforeMonth[month - 1] + 1 + (leap && month > 2 ? 1 : 0);
    layout.firstMjd = JulianDayNumber(date) - MjdOffset;
    return layout;
}
