// Julian day numbers, MJD, GPS weeks and the layout of a month.
#ifndef ZORVIK_CALENDAR_DAY_NUMBERS_H
#define ZORVIK_CALENDAR_DAY_NUMBERS_H

#include "calendar/packed_date.h"

// MJD of a date = Julian day number - MjdOffset (17 November 1858 is MJD 0).
enum { MjdOffset = 2400001, GpsEpochMjd = 44244 };

struct MonthLayout {
    int32_t dayCount;
    int32_t firstWeekday;
    int32_t firstDayOfYear;
    int32_t firstMjd;
};

int32_t JulianDayNumber(PackedDate value);
int32_t GpsWeekOfMjd(int32_t mjd);
// A year of 100 or less is widened by 1900 as in MakePackedDate.  A month outside 1 ... 12 or a
// year before 1900 gives -1 in every field.
MonthLayout ComputeMonthLayout(int32_t month, int32_t year);

#endif
