// The main window's dialog procedure: initialisation, title, activation, colours, commands.
#include "window/calendar_dialog.h"

#include <stdio.h>
#include "calendar/clock.h"
#include "output/clipboard_copy.h"
#include "output/help_viewer.h"
#include "resources/resource.h"
#include "window/month_view.h"
#include "window/startup.h"
#include "window/stepping.h"
#include "window/today.h"

enum { TitleTimer = 1, TitlePeriod = 1000, TitleSize = 32 };

static const COLORREF Navy = RGB(0x00, 0x00, 0x80);
static const COLORREF Red = RGB(0xFF, 0x00, 0x00);
static const COLORREF Black = RGB(0x00, 0x00, 0x00);
static const COLORREF White = RGB(0xFF, 0xFF, 0xFF);

static HBRUSH whiteBrush;
static HBRUSH faceBrush;

// Each initialisation takes the button-face colour of its moment; the old pair goes only
// once the new one stands.
static void MakeBrushes(void)
{
    HBRUSH oldWhite = whiteBrush;
    HBRUSH oldFace = faceBrush;
    whiteBrush = CreateSolidBrush(White);
    faceBrush = CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
    if (oldWhite)
        DeleteObject(oldWhite);
    if (oldFace)
        DeleteObject(oldFace);
}

static void ReadToday(void)
{
    LocalDate date = {0, 0, 0};
    int32_t dateRead = CurrentLocalDate(&date);
    TakeTodayIntoView(&viewState, dateRead, &date);
}

static void ShowViewState(HWND window)
{
    FillMonthView(window, viewState.shownMonth, viewState.currentMonth, viewState.shownYear,
                  viewState.currentYear, viewState.todayDay, viewState.hideTodayMark);
}

static void InitialiseDialog(HWND window)
{
    MakeBrushes();
    SetClassLongPtrA(window, GCLP_HICON, (LONG_PTR)windowIcon);
    ReadToday();
    SetTimer(window, TitleTimer, TitlePeriod, NULL);
    ShowViewState(window);
}

static void SetNameTitle(HWND window)
{
    SetWindowTextA(window, "Zorvik");
}

static void HandleTimer(HWND window)
{
    if (!IsIconic(window)) {
        SetNameTitle(window);
        return;
    }
    char title[TitleSize];
    snprintf(title, sizeof title, "MJD=%f", CurrentMjd());
    SetWindowTextA(window, title);
}

// Activation and deactivation alike: whenever the user comes or goes, the view is back on
// today's month, and a date that changed meanwhile is picked up. The window is visible here,
// so the grid is redrawn as after a step: cells that repaint alone would cover the boxes
// around their day numbers.
static void HandleActivate(HWND window)
{
    if (IsIconic(window)) {
        char title[TitleSize];
        snprintf(title, sizeof title, "MJD=%d", (int)CurrentMjd());
        SetWindowTextA(window, title);
        return;
    }
    SetNameTitle(window);
    ReadToday();
    RefreshView(window);
}

static INT_PTR ColourLabel(HDC dc, COLORREF textColour)
{
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    SetTextColor(dc, textColour);
    return (INT_PTR)faceBrush;
}

// The control's own identifier, checked against the window's control of that identifier,
// finds the same control as trying the 45 coloured identifiers in turn, at a fraction of the
// cost: every static control of the window asks on every repaint.
static INT_PTR ColourControl(HWND window, HDC dc, HWND control)
{
    int id = GetDlgCtrlID(control);
    if (!control || GetDlgItem(window, id) != control)
        return FALSE;
    if (id == IDC_GPS_WEEKS || id == IDC_NAME_LABEL)
        return ColourLabel(dc, Navy);
    if (id == IDC_MONTH_YEAR)
        return ColourLabel(dc, Red);
    if (id >= IDC_CELL_FIRST && id <= IDC_CELL_LAST) {
        SetBkColor(dc, White);
        SetTextColor(dc, Black);
        return (INT_PTR)whiteBrush;
    }
    return FALSE;
}

// The whole window is invalidated first, so that the nested initialisation's new month is
// drawn in full.
static void ShowToday(HWND window)
{
    RECT client;
    GetClientRect(window, &client);
    InvalidateRect(window, &client, FALSE);
    SendMessageA(window, WM_INITDIALOG, 0, 0);
}

static void HandleCommand(HWND window, WPARAM wParam)
{
    switch (LOWORD(wParam)) {
    case IDCANCEL:
        PostQuitMessage(0);
        break;
    case IDHELP:
        ShowHelpFile(window, "zorvik.chm", 0, 0);
        break;
    case IDC_YEAR_UP:
    case IDC_YEAR_DOWN:
    case IDC_MONTH_UP:
    case IDC_MONTH_DOWN:
        HandleStepCommand(window, LOWORD(wParam), HIWORD(wParam));
        break;
    case IDC_TODAY:
        ShowToday(window);
        break;
    case IDC_COPY:
        HandleCopyCommand(window);
        break;
    }
}

INT_PTR CALLBACK CalendarDlgProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        InitialiseDialog(window);
        return TRUE;
    case WM_ACTIVATE:
        HandleActivate(window);
        return FALSE;
    case WM_TIMER:
        HandleTimer(window);
        return FALSE;
    case WM_CTLCOLORSTATIC:
        return ColourControl(window, (HDC)wParam, (HWND)lParam);
    case WM_COMMAND:
        HandleCommand(window, wParam);
        return FALSE;
    }
    return FALSE;
}
