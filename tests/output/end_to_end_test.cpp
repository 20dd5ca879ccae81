// The real zorvik.exe: F1 opens the help viewer on zorvik.chm although the program was started
// from another folder, and a Close that arrives during a copy still ends the program.
#include <gtest/gtest.h>
#include <windows.h>
#include <string>
#include "resources/resource.h"
#include "tests/support/program_window.h"

namespace {

// A bound on every wait, far above what a start, an end or opening the viewer takes.
const DWORD WaitLimit = 30000;

class ProgramRun : public ::testing::Test {
protected:
    PROCESS_INFORMATION process = {};

    void TearDown() override { EndProgram(&process); }

    HWND WaitForWindow(const char *className)
    {
        return WaitForProgramWindow(process.dwProcessId, className, WaitLimit, 20);
    }

    // Starts the program in the given current folder and waits for its window.
    HWND Start(const char *currentFolder)
    {
        std::string path = WindowsPath(ZORVIK_EXE);
        if (!StartProgram(path, NULL, currentFolder, &process)) {
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
