// The shortcut table and the message loop on the real window: every shortcut reaches the
// window with shortcutMark raised, whichever control has the focus.
#include "tests/window/dialog_fixture.h"

namespace {

class Shortcuts : public DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        shortcutTable = LoadAcceleratorsA(GetModuleHandleA(NULL), "ZorvikAccel");
        ASSERT_NE(shortcutTable, (HACCEL)NULL);
        RecordCommandsInstead();
    }

    void TearDown() override
    {
        SetModifiers(false);
        DialogTest::TearDown();
    }

    // The table asks the thread's key state whether Alt is down.
    static void SetModifiers(bool altDown)
    {
        BYTE keys[256] = {};
        if (altDown)
            keys[VK_MENU] = keys[VK_LMENU] = 0x80;
        SetKeyboardState(keys);
    }

    // Should a quit request never come, the loop still ends, with a code no test expects.
    static void CALLBACK GiveUp(HWND, UINT, UINT_PTR, DWORD) { PostQuitMessage(99); }

    int RunLoopAtMostSeconds(UINT seconds)
    {
        UINT_PTR timer = SetTimer(NULL, 0, seconds * 1000, GiveUp);
        int exitCode = RunMessageLoop();
        KillTimer(NULL, timer);
        return exitCode;
    }

    static MSG KeyMessage(HWND target, UINT message, WPARAM key, LPARAM lParam)
    {
        MSG msg = {};
        msg.hwnd = target;
        msg.message = message;
        msg.wParam = key;
        msg.lParam = lParam;
        return msg;
    }
};

struct ShortcutCase {
    const char *what;
    UINT message;
    WPARAM key;
    LPARAM lParam;
    bool altDown;
    int command;
};

// lParam: repeat count 1; bit 29 says Alt was down for the system-key messages.
const ShortcutCase shortcutCases[] = {
    {"Alt+X", WM_SYSCHAR, 'X', 0x20000001, true, IDCANCEL},
    {"Alt+x", WM_SYSCHAR, 'x', 0x20000001, true, IDCANCEL},
    {"F1", WM_KEYDOWN, VK_F1, 1, false, IDHELP},
    {"Up", WM_KEYDOWN, VK_UP, 1, false, IDC_MONTH_UP},
    {"Down", WM_KEYDOWN, VK_DOWN, 1, false, IDC_MONTH_DOWN},
    {"Page Up", WM_KEYDOWN, VK_PRIOR, 1, false, IDC_YEAR_UP},
    {"Page Down", WM_KEYDOWN, VK_NEXT, 1, false, IDC_YEAR_DOWN},
    {"Home", WM_KEYDOWN, VK_HOME, 1, false, IDC_TODAY},
    {"Up held (auto-repeat)", WM_KEYDOWN, VK_UP, 0x40000001, false, IDC_MONTH_UP},
};

const int focusControls[] = {IDHELP, IDCANCEL, IDC_TODAY, IDC_MONTH_UP, IDC_YEAR_DOWN,
                             IDC_CELL_FIRST, 1120, IDC_CELL_LAST};

TEST_F(Shortcuts, EveryShortcutReachesTheWindowWithTheMarkRaised)
{
    for (int focusId : focusControls) {
        HWND focus = Control(focusId);
        for (const ShortcutCase &c : shortcutCases) {
            SCOPED_TRACE(testing::Message() << c.what << " with the focus on " << focusId);
            SetFocus(focus);
            ASSERT_EQ(focus, GetFocus());
            SetModifiers(c.altDown);
            commandsSeen.clear();
            MSG message = KeyMessage(focus, c.message, c.key, c.lParam);
            EXPECT_EQ(1, TranslateShortcut(&message));
            EXPECT_EQ(0, shortcutMark);
            ASSERT_EQ(1u, commandsSeen.size());
            EXPECT_EQ((CommandSeen{c.command, 1, 1}), commandsSeen[0]);
            EXPECT_EQ(focus, GetFocus());
        }
    }
}

TEST_F(Shortcuts, OtherKeysAreNotTranslated)
{
    const ShortcutCase others[] = {
        {"x without Alt", WM_CHAR, 'x', 1, false, 0},
        {"Left", WM_KEYDOWN, VK_LEFT, 1, false, 0},
        {"Tab", WM_KEYDOWN, VK_TAB, 1, false, 0},
        {"Escape", WM_KEYDOWN, VK_ESCAPE, 1, false, 0},
        {"Alt+Home", WM_SYSKEYDOWN, VK_HOME, 0x20000001, true, 0},
        {"Alt+Y", WM_SYSCHAR, 'y', 0x20000001, true, 0},
    };
    HWND focus = Control(IDHELP);
    for (const ShortcutCase &c : others) {
        SCOPED_TRACE(c.what);
        SetModifiers(c.altDown);
        MSG message = KeyMessage(focus, c.message, c.key, c.lParam);
        EXPECT_EQ(0, TranslateShortcut(&message));
        EXPECT_EQ(0, shortcutMark);
    }
    EXPECT_TRUE(commandsSeen.empty());
}

// The loop offers keys to the table first, hands the dialog keys to the dialog, dispatches
// the rest with the mark lowered, and returns the quit request's code.
TEST_F(Shortcuts, MessageLoop)
{
    HWND help = Control(IDHELP);
    SetFocus(help);
    PostMessageA(help, WM_KEYDOWN, VK_HOME, 1);
    PostMessageA(help, WM_KEYDOWN, VK_TAB, 1);
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDC_COPY, BN_CLICKED), 0);
    PostMessageA(help, WM_KEYDOWN, VK_UP, 1);
    PostQuitMessage(7);
    EXPECT_EQ(7, RunLoopAtMostSeconds(10));
    std::vector<CommandSeen> expected = {
        {IDC_TODAY, 1, 1}, {IDC_COPY, BN_CLICKED, 0}, {IDC_MONTH_UP, 1, 1}};
    EXPECT_EQ(expected, commandsSeen);
    EXPECT_EQ(Control(IDCANCEL), GetFocus());
    EXPECT_EQ(0, shortcutMark);
}

TEST_F(Shortcuts, EscapeThroughTheLoopEndsWithZero)
{
    SetWindowLongPtrA(window, GWLP_WNDPROC, (LONG_PTR)dialogWindowProc);
    PostMessageA(Control(IDHELP), WM_KEYDOWN, VK_ESCAPE, 1);
    EXPECT_EQ(0, RunLoopAtMostSeconds(10));
}

// Without its template the window cannot be made; the program ends at once with a
// non-zero code.
TEST(Startup, NoWindowEndsWithNonZeroCode)
{
    HMODULE noTemplate = GetModuleHandleA("kernel32.dll");
    ASSERT_NE(noTemplate, (HMODULE)NULL);
    int exitCode = RunZorvik(noTemplate, SW_SHOWNORMAL);
    EXPECT_NE(0, exitCode);
    EXPECT_EQ((HWND)NULL, mainWindow);
}

}  // namespace
