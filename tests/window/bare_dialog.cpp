// The start-up benchmark's yardstick: a one-control dialog program, started the way zorvik.exe
// starts (template, show, message loop) and ended by Close, Escape or the close box.
#include <windows.h>

static INT_PTR CALLBACK BareDlgProc(HWND, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_INITDIALOG)
        return TRUE;
    if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL)
        PostQuitMessage(0);
    return FALSE;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand)
{
    HWND window = CreateDialogParamA(instance, "BareBox", NULL, BareDlgProc, 0);
    if (!window)
        return 1;
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    MSG message;
    while (GetMessageA(&message, NULL, 0, 0) > 0) {
        if (!IsDialogMessageA(window, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    return (int)message.wParam;
}
