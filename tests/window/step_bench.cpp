// Benchmark, run by hand under Wine: one full step as the user sees it, that is RefreshView
// plus the repaint that the next pump does, on the real window. For comparison it times the
// same step with the whole client area invalidated instead, every control repainting. The
// two kinds of step alternate, so that a load on the machine weighs on both alike.
//   wine-run.sh tests/window/step_bench.exe [steps of each kind]
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>
#include <algorithm>
#include <vector>
#include "window/calendar_dialog.h"
#include "window/month_view.h"
#include "window/startup.h"

static double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * (double)(to.QuadPart - from.QuadPart) / (double)frequency.QuadPart;
}

static void NextMonth(void)
{
    viewState.shownMonth = viewState.shownMonth % 12 + 1;
    if (viewState.shownMonth == 1)
        viewState.shownYear = viewState.shownYear == LastYear ? FirstYear : viewState.shownYear + 1;
}

static void WholeClientRefresh(HWND window)
{
    FillMonthView(window, viewState.shownMonth, viewState.currentMonth, viewState.shownYear,
                  viewState.currentYear, viewState.todayDay, viewState.hideTodayMark);
    RECT client;
    GetClientRect(window, &client);
    InvalidateRect(window, &client, FALSE);
}

struct Variant {
    const char *name;
    void (*refresh)(HWND window);
    std::vector<double> refreshTimes, pumpTimes, stepTimes;
};

static void Step(HWND window, Variant *variant)
{
    NextMonth();
    LARGE_INTEGER start, refreshed, pumped;
    QueryPerformanceCounter(&start);
    variant->refresh(window);
    QueryPerformanceCounter(&refreshed);
    PumpPendingMessages(window);
    GdiFlush();
    QueryPerformanceCounter(&pumped);
    variant->refreshTimes.push_back(Milliseconds(start, refreshed));
    variant->pumpTimes.push_back(Milliseconds(refreshed, pumped));
    variant->stepTimes.push_back(Milliseconds(start, pumped));
}

static void Report(Variant *variant)
{
    std::vector<double> *series[] = {&variant->refreshTimes, &variant->pumpTimes,
                                     &variant->stepTimes};
    const char *labels[] = {"refresh", "pump", "step"};
    printf("%s\n", variant->name);
    for (int i = 0; i < 3; i++) {
        std::vector<double> &values = *series[i];
        std::sort(values.begin(), values.end());
        size_t n = values.size();
        printf("  %-8s median %7.2f ms  quartiles %7.2f %7.2f ms  min %7.2f ms  max %7.2f ms\n",
               labels[i], values[n / 2], values[n / 4], values[3 * n / 4], values.front(),
               values.back());
    }
}

int main(int argc, char **argv)
{
    int steps = argc > 1 ? atoi(argv[1]) : 100;
    if (steps < 4)
        steps = 4;
    HINSTANCE instance = GetModuleHandleA(NULL);
    windowIcon = LoadIconA(instance, "ZorvikIcon");
    mainWindow = CreateDialogParamA(instance, "ZorvikBox", NULL, CalendarDlgProc, 0);
    if (!mainWindow) {
        fprintf(stderr, "no window\n");
        return 1;
    }
    UpdateWindow(mainWindow);
    PumpPendingMessages(mainWindow);

    Variant variants[] = {
        {"RefreshView + pump", RefreshView, {}, {}, {}},
        {"FillMonthView + whole client invalidated + pump", WholeClientRefresh, {}, {}, {}},
    };
    Variant warmUp = {"warm-up", RefreshView, {}, {}, {}};
    for (int i = 0; i < 10; i++)
        Step(mainWindow, &warmUp);
    for (int i = 0; i < steps; i++) {
        for (Variant &variant : variants)
            Step(mainWindow, &variant);
    }
    printf("%d steps of each kind, alternating\n", steps);
    for (Variant &variant : variants)
        Report(&variant);
    DestroyWindow(mainWindow);
    return 0;
}
