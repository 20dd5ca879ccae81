// The real zorvik.exe: it starts on today's month and ends with exit code 0 on Alt+X, on
// Escape and on the close box.
#include <gtest/gtest.h>
#include <windows.h>
#include <string>
#include "resources/resource.h"
#include "tests/support/program_window.h"

namespace {

const char *const monthNames[] = {"January", "February", "March", "April", "May", "June", "July",
                                  "August", "September", "October", "November", "December"};

// A bound on every wait, far above what a start or an end takes.
const DWORD WaitLimit = 30000;

std::string MonthYearToday(void)
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    return std::string(monthNames[now.wMonth - 1]) + "  " + std::to_string(now.wYear);
}

class EndToEnd : public ::testing::Test {
protected:
    PROCESS_INFORMATION process = {};

    void TearDown() override { EndProgram(&process); }

    // Starts the program, with an argument that it must ignore, and waits for its window.
    HWND Start(void)
    {
        std::string path = WindowsPath(ZORVIK_EXE);
        if (!StartProgram(path, "--ignored argument", NULL, &process)) {
            ADD_FAILURE() << "cannot start " << path << ": error " << GetLastError();
            return NULL;
        }
        HWND found = WaitForProgramWindow(process.dwProcessId, "#32770", WaitLimit, 20);
        EXPECT_NE((HWND)NULL, found) << "no window within " << WaitLimit << " ms";
        return found;
    }

    std::string MonthLabel(HWND window)
    {
        char text[64] = "";
        SendMessageA(GetDlgItem(window, IDC_MONTH_YEAR), WM_GETTEXT, sizeof text, (LPARAM)text);
        return text;
    }

    void BringToFront(HWND window)
    {
        SetForegroundWindow(window);
        for (DWORD waited = 0; waited < WaitLimit && GetForegroundWindow() != window; waited += 20)
            Sleep(20);
        ASSERT_EQ(window, GetForegroundWindow());
    }

    static void Type(const WORD *keys, const bool *up, int count)
    {
        INPUT inputs[8] = {};
        for (int i = 0; i < count; i++) {
            inputs[i].type = INPUT_KEYBOARD;
            inputs[i].ki.wVk = keys[i];
            inputs[i].ki.dwFlags = up[i] ? KEYEVENTF_KEYUP : 0;
        }
        ASSERT_EQ((UINT)count, SendInput(count, inputs, sizeof(INPUT)));
    }

    DWORD ExitCode(void)
    {
        EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(process.hProcess, WaitLimit));
        DWORD exitCode = 12345;
        GetExitCodeProcess(process.hProcess, &exitCode);
        return exitCode;
    }

    void ExpectTodaysMonth(HWND window)
    {
        std::string before = MonthYearToday();
        std::string shown = MonthLabel(window);
        std::string after = MonthYearToday();
        EXPECT_TRUE(shown == before || shown == after) << shown << " is not " << before;
    }
};

TEST_F(EndToEnd, StartsOnTodaysMonthAndEndsOnAltX)
{
    HWND window = Start();
    ASSERT_NE((HWND)NULL, window);
    ExpectTodaysMonth(window);
    BringToFront(window);
    const WORD keys[] = {VK_MENU, 'X', 'X', VK_MENU};
    const bool up[] = {false, false, true, true};
    Type(keys, up, 4);
    EXPECT_EQ(0u, ExitCode());
}

TEST_F(EndToEnd, EndsOnEscape)
{
    HWND window = Start();
    ASSERT_NE((HWND)NULL, window);
    ExpectTodaysMonth(window);
    BringToFront(window);
    const WORD keys[] = {VK_ESCAPE, VK_ESCAPE};
    const bool up[] = {false, true};
    Type(keys, up, 2);
    EXPECT_EQ(0u, ExitCode());
}

TEST_F(EndToEnd, EndsOnTheCloseBox)
{
    HWND window = Start();
    ASSERT_NE((HWND)NULL, window);
    PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(0u, ExitCode());
}

}  // namespace
