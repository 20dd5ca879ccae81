// One step of the shown month or year. The range wraps, so every step has an exact reverse:
// the repeat's closing click relies on that to take back the step it overshot.
#include "window/steps.h"

void StepYearUp(ViewState *view)
{
    view->shownYear += 1;
    if (view->shownYear > LastYear)
        view->shownYear = FirstYear;
}

void StepYearDown(ViewState *view)
{
    view->shownYear -= 1;
    if (view->shownYear < FirstYear)
        view->shownYear = LastYear;
}

void StepMonthUp(ViewState *view)
{
    view->shownMonth += 1;
    if (view->shownMonth == 13) {
        view->shownMonth = 1;
        view->shownYear += 1;
    }
    if (view->shownYear > LastYear)
        view->shownYear = FirstYear;
}

void StepMonthDown(ViewState *view)
{
    view->shownMonth -= 1;
    if (view->shownMonth == 0) {
        view->shownMonth = 12;
        view->shownYear -= 1;
    }
    if (view->shownYear < FirstYear)
        view->shownYear = LastYear;
}
