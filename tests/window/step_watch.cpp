// Watches a running zorvik.exe from outside, for the end-to-end stepping test.
//   step_watch watch   prints where the Month Up button and the grid are, then a line for every
//                      change of the month label and of the focus, and a "pause" line when the
//                      program, having shown a new month, handles its messages while that month
//                      is still shown: a held button then goes on to the pause after the step.
//   step_watch close   asks the program to close, as its Close button does.
// Every line starts with the kind and the milliseconds since the watch began.
#include <windows.h>
#include <stdio.h>
#include <string.h>

#include "resources/resource.h"

namespace {

enum { FindTimeout = 30000, WatchTime = 60000, PumpWait = 5000, TextSize = 64 };

LARGE_INTEGER started, frequency;

long Milliseconds(void)
{
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return (long)((now.QuadPart - started.QuadPart) * 1000 / frequency.QuadPart);
}

HWND FindZorvik(void)
{
    for (long waited = 0; waited < FindTimeout; waited += 50) {
        HWND window = FindWindowA("#32770", "Zorvik");
        if (window && IsWindowVisible(window))
            return window;
        Sleep(50);
    }
    return NULL;
}

void PrintCentre(const char *name, HWND control)
{
    RECT rect;
    GetWindowRect(control, &rect);
    printf("%s %ld %ld %ld\n", name, Milliseconds(), (rect.left + rect.right) / 2,
           (rect.top + rect.bottom) / 2);
}

int FocusId(HWND window)
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, NULL), &info) || !info.hwndFocus)
        return 0;
    return GetDlgCtrlID(info.hwndFocus);
}

// A held button's repeat takes messages sent from outside only in the pump after each step,
// and pauses right after it. So the moment the program takes our message, with the month just
// seen still on view, is the start of the pause after that month's step. If the month changed
// meanwhile, that was the next step's pump, and the watch goes on with the new month.
bool PumpedOnMonth(HWND window, HWND label, const char *shown)
{
    DWORD_PTR result;
    if (!SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, PumpWait, &result))
        return false;
    char text[TextSize] = "";
    GetWindowTextA(label, text, sizeof text);
    return strcmp(text, shown) == 0;
}

int Watch(void)
{
    HWND window = FindZorvik();
    if (!window) {
        printf("error %ld no window\n", Milliseconds());
        return 1;
    }
    HWND label = GetDlgItem(window, IDC_MONTH_YEAR);
    PrintCentre("button", GetDlgItem(window, IDC_MONTH_UP));
    PrintCentre("grid", GetDlgItem(window, IDC_CELL_FIRST + 17));
    char shown[TextSize] = "";
    int focus = -1;
    bool newMonth = false;
    while (IsWindow(window) && Milliseconds() < WatchTime) {
        char text[TextSize] = "";
        GetWindowTextA(label, text, sizeof text);
        if (strcmp(text, shown) != 0) {
            strcpy(shown, text);
            printf("label %ld %s\n", Milliseconds(), shown);
            newMonth = true;
        }
        int nowFocus = FocusId(window);
        if (nowFocus != focus) {
            focus = nowFocus;
            printf("focus %ld %d\n", Milliseconds(), focus);
        }
        if (newMonth) {
            if (PumpedOnMonth(window, label, shown)) {
                printf("pause %ld\n", Milliseconds());
                newMonth = false;
            }
        } else {
            Sleep(1);
        }
    }
    printf("end %ld\n", Milliseconds());
    return 0;
}

int Close(void)
{
    HWND window = FindZorvik();
    if (!window)
        return 1;
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    return 0;
}

}  // namespace

int main(int argc, char **argv)
{
    setvbuf(stdout, NULL, _IONBF, 0);
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&started);
    if (argc == 2 && strcmp(argv[1], "watch") == 0)
        return Watch();
    if (argc == 2 && strcmp(argv[1], "close") == 0)
        return Close();
    fprintf(stderr, "usage: step_watch watch|close\n");
    return 2;
}
