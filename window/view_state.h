// The window's date state. Plain integers, no window system: the steps work on it natively too.
#ifndef ZORVIK_WINDOW_VIEW_STATE_H
#define ZORVIK_WINDOW_VIEW_STATE_H

#include <stdint.h>

enum { FirstYear = 1900, LastYear = 2099 };

struct ViewState {
    int32_t shownMonth;
    int32_t shownYear;
    int32_t currentMonth;   // today's date as read at the last initialisation
    int32_t currentYear;
    int32_t todayDay;
    int32_t hideTodayMark;  // non-zero while a copy captures the view
};

#endif
