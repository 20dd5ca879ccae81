// The main window's dialog procedure.
#ifndef ZORVIK_WINDOW_CALENDAR_DIALOG_H
#define ZORVIK_WINDOW_CALENDAR_DIALOG_H

#include <windows.h>

INT_PTR CALLBACK CalendarDlgProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

#endif
