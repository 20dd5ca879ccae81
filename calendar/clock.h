// Readings of the system clock: the current MJD (UTC) and today's local date.
#ifndef ZORVIK_CALENDAR_CLOCK_H
#define ZORVIK_CALENDAR_CLOCK_H

#include <stdint.h>

// Whole seconds since 1970-01-01 00:00:00 UTC, 64 bits wide so that dates after 2038 stay right.
typedef int64_t ClockReading;

struct LocalDate {
    int32_t day;
    int32_t month;
    int32_t year;
};

double MjdOfReading(ClockReading seconds);
// 1 and the local date of the reading, whatever its year, or 0 (the date left alone) when the
// C runtime cannot convert it.
int32_t LocalDateOfReading(ClockReading seconds, LocalDate *date);

double CurrentMjd(void);
// 1 and today's local date, or 0 when the clock cannot be read or converted.
int32_t CurrentLocalDate(LocalDate *date);

#endif
