// Packed dates and the day of the week.
#include "calendar/packed_date.h"

// Days before the first of each month in a common year, modulo 7 (0, 31, 59, 90, ... mod 7).
static const int32_t MonthKeys[12] = {0, 3, 3, 6, 1, 4, 6, 2, 5, 0, 3, 5};

PackedDate MakePackedDate(int32_t month, int32_t day, int32_t year)
{
    // Two-digit years (and 100) count from 1900: 80 is 1980, 100 is 2000.
    if (year <= 100)
        year += 1900;
    return year * 10000 + month * 100 + day;
}

void SplitPackedDate(PackedDate value, int32_t *month, int32_t *day, int32_t *year)
{
    *year = value / 10000;
    *month = (value / 100) % 100;
    *day = value % 100;
}

// Days since Sunday 31 December 1899, modulo 7.  A year adds 365 = 1 (mod 7) days, and
// yy / 4 counts the leap days of 1904 ... the date's own year; January and February of a
// leap year come before its leap day, so that one is taken back.  Leap years here are the
// years divisible by 4 except 1900, which is the Gregorian rule from 1900 to 2099; a day
// beyond its month's end (30 February) simply counts on into the next month.
int32_t DayOfWeek(PackedDate value)
{
    int32_t month, day, year;
    SplitPackedDate(value, &month, &day, &year);
    if (month < 1 || month > 12 || day < 1 || day > 31 || year < 1900)
        return -1;

    int32_t yy = year - 1900;
    int32_t r = (MonthKeys[month - 1] + yy / 4 + yy + day) % 7;
    if (month <= 2 && yy != 0 && yy % 4 == 0) {
        r -= 1;
        if (r < 0)
            r = 6;
    }
    return r;
}
