#include "tests/support/program_window.h"

#include <string.h>

std::string WindowsPath(const char *path)
{
    return path[0] == '/' ? std::string("Z:") + path : std::string(path);
}

BOOL StartProgram(const std::string &path, const char *arguments, const char *currentFolder,
                  PROCESS_INFORMATION *process)
{
    std::string commandLine = "\"" + path + "\"";
    if (arguments)
        commandLine = commandLine + " " + arguments;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    return CreateProcessA(path.c_str(), &commandLine[0], NULL, NULL, FALSE, 0, NULL, currentFolder,
                          &startup, process);
}

void EndProgram(PROCESS_INFORMATION *process)
{
    if (!process->hProcess)
        return;
    if (WaitForSingleObject(process->hProcess, 0) == WAIT_TIMEOUT)
        TerminateProcess(process->hProcess, 1);
    CloseHandle(process->hProcess);
    CloseHandle(process->hThread);
    process->hProcess = NULL;
    process->hThread = NULL;
}

struct WindowSearch {
    DWORD processId;
    const char *className;
    HWND found;
};

static BOOL CALLBACK MatchProgramWindow(HWND window, LPARAM lParam)
{
    WindowSearch *search = (WindowSearch *)lParam;
    DWORD owner = 0;
    char className[64] = "";
    GetWindowThreadProcessId(window, &owner);
    GetClassNameA(window, className, sizeof className);
    if (owner == search->processId && strcmp(className, search->className) == 0 &&
        IsWindowVisible(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND FindProgramWindow(DWORD processId, const char *className)
{
    WindowSearch search = {processId, className, NULL};
    EnumWindows(MatchProgramWindow, (LPARAM)&search);
    return search.found;
}

HWND WaitForProgramWindow(DWORD processId, const char *className, DWORD waitLimit, DWORD pollMs)
{
    for (DWORD waited = 0; waited < waitLimit; waited += pollMs) {
        HWND found = FindProgramWindow(processId, className);
        if (found)
            return found;
        Sleep(pollMs);
    }
    return NULL;
}
