// Taking a reading of today's local date into the view state.
#include "window/today.h"

static int32_t IsCoveredMonth(int32_t month, int32_t year)
{
    return month >= 1 && month <= 12 && year >= FirstYear && year <= LastYear;
}

// A clock that cannot be read marks no day: no cell belongs to month 0. The view keeps the
// month it shows, so that a later reading still has something sane to replace.
static void TakeNoDate(ViewState *view)
{
    view->currentMonth = 0;
    view->currentYear = 0;
    view->todayDay = 0;
    if (!IsCoveredMonth(view->shownMonth, view->shownYear)) {
        view->shownMonth = 1;
        view->shownYear = 2000;
    }
}

void TakeTodayIntoView(ViewState *view, int32_t dateRead, const LocalDate *date)
{
    if (!dateRead || date->month < 1 || date->month > 12) {
        TakeNoDate(view);
        return;
    }
    view->currentMonth = date->month;
    view->currentYear = date->year;
    view->todayDay = date->day;
    view->shownMonth = date->month;
    view->shownYear = date->year;
    // A clock beyond the calendar's years shows the nearest month it has. Today's fields
    // keep the reading, so that no cell of that month is taken for today.
    if (date->year > LastYear) {
        view->shownMonth = 12;
        view->shownYear = LastYear;
    } else if (date->year < FirstYear) {
        view->shownMonth = 1;
        view->shownYear = FirstYear;
    }
}
