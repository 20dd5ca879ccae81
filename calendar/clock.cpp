// Readings of the system clock.  The arithmetic is in MjdOfReading and LocalDateOfReading, pure
// functions of a reading; CurrentMjd and CurrentLocalDate only read the clock and pass it on.
#include "calendar/clock.h"

#include <limits.h>
#include <time.h>

// The C runtime of 32-bit Windows (msvcrt) has a 32-bit time_t, which ends on 2038-01-19;
// its 64-bit calls serve until the year 3000.  Elsewhere time_t is the 64-bit count itself.
#ifdef _WIN32
static_assert(sizeof(_time64(NULL)) == sizeof(ClockReading), "the clock must be read 64 bits wide");
#else
static_assert(sizeof(time(NULL)) == sizeof(ClockReading), "the clock must be read 64 bits wide");
#endif
static_assert(sizeof(ClockReading) == 8, "a 32-bit reading ends in 2038");

// 1970-01-01 is MJD 40587.  A multiplication by the double nearest 1/86400 rather than a
// division by 86400: every midnight UTC still comes out as an exact whole day, and the second
// before it stays below that day.
static const double DaysPerSecond = 1.0 / 86400.0;

double MjdOfReading(ClockReading seconds)
{
    return 40587.0 + (double)seconds * DaysPerSecond;
}

static int32_t ConvertToLocalTime(ClockReading seconds, struct tm *local)
{
#ifdef _WIN32
    __time64_t t = seconds;
    return _localtime64_s(local, &t) == 0;
#else
    time_t t = seconds;
    return localtime_r(&t, local) != NULL;
#endif
}

// The year is not limited to the calendar's 1900 ... 2099 here; the window decides what to
// show for a clock outside them.  Only a year beyond int32_t counts as a failed conversion.
int32_t LocalDateOfReading(ClockReading seconds, LocalDate *date)
{
    struct tm local;
    if (!ConvertToLocalTime(seconds, &local) || local.tm_year > INT32_MAX - 1900)
        return 0;
    date->day = local.tm_mday;
    date->month = local.tm_mon + 1;
    date->year = local.tm_year + 1900;
    return 1;
}

static ClockReading ReadClock(void)
{
#ifdef _WIN32
    return _time64(NULL);
#else
    return time(NULL);
#endif
}

double CurrentMjd(void)
{
    return MjdOfReading(ReadClock());
}

// The clock reports a failure as -1.
int32_t CurrentLocalDate(LocalDate *date)
{
    ClockReading now = ReadClock();
    if (now == -1)
        return 0;
    return LocalDateOfReading(now, date);
}
