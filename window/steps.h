// One step of the shown month or year, wrapping between FirstYear and LastYear.
#ifndef ZORVIK_WINDOW_STEPS_H
#define ZORVIK_WINDOW_STEPS_H

#include "window/view_state.h"

void StepYearUp(ViewState *view);
void StepYearDown(ViewState *view);
void StepMonthUp(ViewState *view);
void StepMonthDown(ViewState *view);

#endif
