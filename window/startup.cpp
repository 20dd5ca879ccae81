// Start-up and the message loop.
#include "window/startup.h"

#include "window/calendar_dialog.h"
#include "window/stepping.h"

HWND mainWindow;
HACCEL shortcutTable;
HICON windowIcon;
int32_t shortcutMark;

// The exit code when the window cannot be made or the queue cannot be read.
enum { StartFailed = 1 };

// The mark tells the stepping commands that the command they handle came from the table:
// the table sends it straight to the window procedure before it returns.
int32_t TranslateShortcut(MSG *message)
{
    shortcutMark = 1;
    int translated = TranslateAcceleratorA(mainWindow, shortcutTable, message);
    shortcutMark = 0;
    return translated != 0;
}

int RunMessageLoop(void)
{
    MSG message;
    for (;;) {
        BOOL result = GetMessageA(&message, NULL, 0, 0);
        if (result == 0)
            return (int)message.wParam;
        if (result == -1)
            return StartFailed;
        if (TranslateShortcut(&message))
            continue;
        if (IsDialogMessageA(mainWindow, &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

int RunZorvik(HINSTANCE instance, int showCommand)
{
    // The window procedure's initialisation runs inside the creation and sets this icon.
    windowIcon = LoadIconA(instance, "ZorvikIcon");
    mainWindow = CreateDialogParamA(instance, "ZorvikBox", NULL, CalendarDlgProc, 0);
    if (!mainWindow)
        return StartFailed;
    shortcutTable = LoadAcceleratorsA(instance, "ZorvikAccel");
    ShowWindow(mainWindow, showCommand);
    UpdateWindow(mainWindow);
    return RunMessageLoop();
}
