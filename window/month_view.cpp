// Writing a month into the window's controls; redrawing the view; draining the queue.
#include "window/month_view.h"

#include <stdio.h>
#include "calendar/day_numbers.h"
#include "resources/resource.h"

ViewState viewState;

enum { LabelSize = 32 };

static const char *const monthNames[12] = {
    "January", "February", "March", "April", "May", "June",
    "July", "August", "September", "October", "November", "December",
};

static void SetControlText(HWND window, int id, const char *text)
{
    SetWindowTextA(GetDlgItem(window, id), text);
}

static void WriteGpsWeeks(HWND window, int32_t firstMjd)
{
    char text[LabelSize] = "";
    int32_t week = GpsWeekOfMjd(firstMjd);
    if (week >= 0)
        snprintf(text, sizeof text, "GPS Weeks %d-%d", (int)week, (int)((week + 5) % 1024));
    SetControlText(window, IDC_GPS_WEEKS, text);
}

static void WriteMonthYear(HWND window, int32_t month, int32_t year)
{
    char text[LabelSize] = "";
    if (month >= 1 && month <= 12)
        snprintf(text, sizeof text, "%s  %d", monthNames[month - 1], (int)year);
    SetControlText(window, IDC_MONTH_YEAR, text);
}

static void WriteDays(HWND window, const MonthLayout *layout)
{
    for (int32_t i = 0; i < layout->dayCount; i++) {
        char text[LabelSize];
        snprintf(text, sizeof text, "%2.0d   %d\r\n%ld", (int)(i + 1),
                 (int)(layout->firstDayOfYear + i), (long)(layout->firstMjd + i));
        SetControlText(window, IDC_CELL_FIRST + layout->firstWeekday + i, text);
    }
}

void FillMonthView(HWND window, int32_t shownMonth, int32_t currentMonth, int32_t shownYear,
                   int32_t currentYear, int32_t todayDay, int32_t hideTodayMark)
{
    MonthLayout layout = ComputeMonthLayout(shownMonth, shownYear);
    WriteGpsWeeks(window, layout.firstMjd);
    WriteMonthYear(window, shownMonth, shownYear);
    // Setting a text also drops the cell's selection, so no earlier mark survives this.
    for (int id = IDC_CELL_FIRST; id <= IDC_CELL_LAST; id++)
        SetControlText(window, id, "");
    SetControlText(window, IDC_LEGEND_MJD, "MJD");
    WriteDays(window, &layout);
    // The day check keeps a day that is not of this month from marking a neighbour's cell.
    if (shownYear == currentYear && shownMonth == currentMonth && !hideTodayMark &&
        todayDay >= 1 && todayDay <= layout.dayCount) {
        HWND cell = GetDlgItem(window, IDC_CELL_FIRST - 1 + layout.firstWeekday + todayDay);
        SendMessageA(cell, EM_SETSEL, 0, 2);
    }
}

// The grid of day cells, in the window's client coordinates.
static void GetGridArea(HWND window, RECT *area)
{
    RECT last;
    GetWindowRect(GetDlgItem(window, IDC_CELL_FIRST), area);
    GetWindowRect(GetDlgItem(window, IDC_CELL_LAST), &last);
    UnionRect(area, area, &last);
    MapWindowPoints(NULL, window, (POINT *)area, 2);
}

// A cell that repaints alone covers the box around its day number, which lies under it, so
// the grid is redrawn with everything in it, at once, while the rest of the window is left
// alone: the labels repaint themselves when their texts change, and nothing else changes.
// Redrawing every control of the window instead takes longer than the 50 ms pace of a held
// stepping button.
void RefreshView(HWND window)
{
    FillMonthView(window, viewState.shownMonth, viewState.currentMonth, viewState.shownYear,
                  viewState.currentYear, viewState.todayDay, viewState.hideTodayMark);
    RECT grid;
    GetGridArea(window, &grid);
    RedrawWindow(window, &grid, NULL, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

// A quit request taken here would otherwise be lost inside a copy or a held button; it is
// posted again for the message loop, and the pump stops.
void PumpPendingMessages(HWND window)
{
    MSG message;
    while (PeekMessageA(&message, NULL, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage((int)message.wParam);
            return;
        }
        if (!IsDialogMessageA(window, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
}
