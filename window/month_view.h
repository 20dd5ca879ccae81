// Writing a month into the window's controls, and the two routines that command handlers
// running nested loops share: redraw the current view, and drain the message queue.
#ifndef ZORVIK_WINDOW_MONTH_VIEW_H
#define ZORVIK_WINDOW_MONTH_VIEW_H

#include <windows.h>
#include "window/view_state.h"

extern ViewState viewState;

void FillMonthView(HWND window, int32_t shownMonth, int32_t currentMonth, int32_t shownYear,
                   int32_t currentYear, int32_t todayDay, int32_t hideTodayMark);
void RefreshView(HWND window);
void PumpPendingMessages(HWND window);

#endif
