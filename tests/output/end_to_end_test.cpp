// The real zorvik.exe: F1 opens the help viewer on zorvik.chm although the program was started
// from another folder, and a Close that arrives during a copy still ends the program.
#include <gtest/gtest.h>
#include <windows.h>
#include <string.h>
#include <string>
#include "resources/resource.h"

namespace {

// A bound on every wait, far above what a start, an end or opening the viewer takes.
const DWORD WaitLimit = 30000;

std::string ExePath(void)
{
    std::string path = ZORVIK_EXE;
    if (!path.empty() && path[0] == '/')
        path = "Z:" + path;  // a Unix path, as the build gives it, through Wine's root drive
    return path;
}

struct Search {
    DWORD processId;
    const char *className;
    HWND found;
};

BOOL CALLBACK FindWindowOfProcess(HWND window, LPARAM lParam)
{
    Search *search = (Search *)lParam;
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

class ProgramRun : public ::testing::Test {
protected:
    PROCESS_INFORMATION process = {};

    void TearDown() override
    {
        if (process.hProcess) {
            if (WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT)
                TerminateProcess(process.hProcess, 1);
            CloseHandle(process.hProcess);
            CloseHandle(process.hThread);
        }
    }

    HWND WaitForWindow(const char *className)
    {
        Search search = {process.dwProcessId, className, NULL};
        for (DWORD waited = 0; waited < WaitLimit; waited += 20) {
            EnumWindows(FindWindowOfProcess, (LPARAM)&search);
            if (search.found)
                return search.found;
            Sleep(20);
        }
        return NULL;
    }

    // Starts the program in the given current folder and waits for its window.
    HWND Start(const char *currentFolder)
    {
        std::string path = ExePath();
        std::string commandLine = "\"" + path + "\"";
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        if (!CreateProcessA(path.c_str(), &commandLine[0], NULL, NULL, FALSE, 0, NULL, currentFolder,
                            &startup, &process)) {
            ADD_FAILURE() << "cannot start " << path << ": error " << GetLastError();
            return NULL;
        }
        return WaitForWindow("#32770");
    }

    DWORD WaitForExit(void)
    {
        if (WaitForSingleObject(process.hProcess, WaitLimit) != WAIT_OBJECT_0)
            return 999;
        DWORD exitCode = 998;
        GetExitCodeProcess(process.hProcess, &exitCode);
        return exitCode;
    }
};

TEST_F(ProgramRun, F1OpensTheHelpViewerWhenStartedFromAnotherFolder)
{
    char temp[MAX_PATH] = "";
    GetTempPathA(sizeof temp, temp);
    HWND window = Start(temp);
    ASSERT_NE(window, (HWND)NULL);

    PostMessageA(window, WM_KEYDOWN, VK_F1, 0x003B0001);
    HWND viewer = WaitForWindow("HH Parent");
    ASSERT_NE(viewer, (HWND)NULL) << "no help viewer appeared";

    PostMessageA(viewer, WM_CLOSE, 0, 0);
    for (DWORD waited = 0; IsWindow(viewer) && waited < WaitLimit; waited += 20)
        Sleep(20);
    EXPECT_FALSE(IsWindow(viewer));
    PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
    EXPECT_EQ(WaitForExit(), 0u);
}

TEST_F(ProgramRun, CloseDuringACopyEndsTheProgram)
{
    HWND window = Start(NULL);
    ASSERT_NE(window, (HWND)NULL);
    // Both wait in the queue: the copy's pump takes the Close, and with it the quit request.
    PostMessageA(window, WM_COMMAND, IDC_COPY, 0);
    PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
    EXPECT_EQ(WaitForExit(), 0u);
}

}  // namespace
