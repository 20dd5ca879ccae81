// Benchmark, run by hand under Wine: the time from starting zorvik.exe to its window being
// visible, and to its first wait for input (painted and ready), against a one-control dialog
// program started the same way. The two programs alternate, so that a load on the machine
// weighs on both alike.
//   wine-run.sh tests/window/startup_bench.exe [starts of each]
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>
#include <algorithm>
#include <string>
#include <vector>
#include "tests/support/program_window.h"

static double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * (double)(to.QuadPart - from.QuadPart) / (double)frequency.QuadPart;
}

struct Program {
    const char *name;
    std::string path;
    std::vector<double> visible, ready;
};

// One start: returns false if the program did not show its window within 30 s.
static bool StartOnce(Program *program)
{
    PROCESS_INFORMATION process = {};
    LARGE_INTEGER start, visible, ready;
    QueryPerformanceCounter(&start);
    if (!StartProgram(program->path, NULL, NULL, &process))
        return false;
    HWND found = WaitForProgramWindow(process.dwProcessId, "#32770", 30000, 1);
    QueryPerformanceCounter(&visible);
    WaitForInputIdle(process.hProcess, 30000);
    QueryPerformanceCounter(&ready);
    if (found)
        PostMessageA(found, WM_SYSCOMMAND, SC_CLOSE, 0);
    WaitForSingleObject(process.hProcess, 30000);  // time to close on its own, then ended
    EndProgram(&process);
    if (!found)
        return false;
    program->visible.push_back(Milliseconds(start, visible));
    program->ready.push_back(Milliseconds(start, ready));
    return true;
}

static double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

int main(int argc, char **argv)
{
    int starts = argc > 1 ? atoi(argv[1]) : 15;
    if (starts < 1)
        starts = 1;
    Program programs[] = {{"zorvik.exe", WindowsPath(ZORVIK_EXE), {}, {}},
                          {"bare dialog", WindowsPath(BARE_DIALOG_EXE), {}, {}}};
    for (Program &program : programs)
        StartOnce(&program);  // warm-up: the first start loads more from disk
    for (int i = 0; i < starts; i++) {
        for (Program &program : programs) {
            if (!StartOnce(&program)) {
                fprintf(stderr, "%s did not start\n", program.name);
                return 1;
            }
        }
    }
    printf("%d starts of each, alternating, warm-up start not counted\n", starts);
    for (Program &program : programs)
        printf("%-12s visible median %7.1f ms   ready median %7.1f ms\n", program.name,
               Median(program.visible), Median(program.ready));
    printf("ratio zorvik / bare: visible %.2f, ready %.2f\n",
           Median(programs[0].visible) / Median(programs[1].visible),
           Median(programs[0].ready) / Median(programs[1].ready));
    return 0;
}
