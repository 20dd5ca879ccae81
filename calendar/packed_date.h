// Calendar dates packed into one integer, and the day of the week.
// No window system here: this builds and is tested natively as well.
#ifndef ZORVIK_CALENDAR_PACKED_DATE_H
#define ZORVIK_CALENDAR_PACKED_DATE_H

#include <stdint.h>

// year * 10000 + month * 100 + day: 19800106 is 6 January 1980.
typedef int32_t PackedDate;

PackedDate MakePackedDate(int32_t month, int32_t day, int32_t year);
void SplitPackedDate(PackedDate value, int32_t *month, int32_t *day, int32_t *year);

// 0 = Sunday ... 6 = Saturday, or -1 for a date it refuses.
int32_t DayOfWeek(PackedDate value);

#endif
