// Taking a reading of today's local date into the view state.
#ifndef ZORVIK_WINDOW_TODAY_H
#define ZORVIK_WINDOW_TODAY_H

#include <stdint.h>
#include "calendar/clock.h"
#include "window/view_state.h"

// dateRead and date are what CurrentLocalDate gave. Sets today's fields and shows today's
// month, always leaving a month of FirstYear ... LastYear shown.
void TakeTodayIntoView(ViewState *view, int32_t dateRead, const LocalDate *date);

#endif
