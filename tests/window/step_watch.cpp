// Watches a running zorvik.exe from outside, for the end-to-end stepping test.
//   step_watch watch   prints where the Month Up button and the grid are, then a line for every
//                      change of the month label and of the focus, and a "pause" line when the
//                      program, having shown a new month, has handled its messages and stopped
//                      answering: it is then in the pause between two repeated steps.
//   step_watch close   asks the program to close, as its Close button does.
// Every line starts with the kind and the milliseconds since the watch began.
#include <windows.h>
#include <stdio.h>
#include <string.h>

#include "resources/resource.h"

namespace {

enum { FindTimeout = 30000, WatchTime = 60000, AnswerWait = 60, TextSize = 64 };

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

// True when the program does not take a message within the wait: it is not pumping.
bool Unanswered(HWND window)
{
    DWORD_PTR result;
    return !SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, AnswerWait, &result);
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
    // After a new month: first the program must answer (its pump runs, the month is written),
    // then stop answering (its pump is over and it pauses).
    bool newMonth = false, answered = false;
    while (IsWindow(window) && Milliseconds() < WatchTime) {
        char text[TextSize] = "";
        GetWindowTextA(label, text, sizeof text);
        if (strcmp(text, shown) != 0) {
            strcpy(shown, text);
            printf("label %ld %s\n", Milliseconds(), shown);
            newMonth = true;
            answered = false;
        }
        int nowFocus = FocusId(window);
        if (nowFocus != focus) {
            focus = nowFocus;
            printf("focus %ld %d\n", Milliseconds(), focus);
        }
        if (newMonth) {
            if (!Unanswered(window)) {
                answered = true;
            } else if (answered) {
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
