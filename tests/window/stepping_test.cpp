// The stepping commands against the real dialog and its real push buttons, driven by real
// input: mouse and keys go in through SendInput, the same path as a user's, and the ordinary
// message processing hands them to the buttons. The pause between repeated steps is replaced
// by a simulated clock, which releases the mouse (or does something else) at a chosen moment,
// so no test here depends on real time.
#include <functional>
#include <string>
#include <vector>

#include "tests/window/dialog_fixture.h"
#include "window/steps.h"

namespace {

// Real time only bounds the waiting for a condition; no test waits this long when it passes.
enum { SettleTimeout = 60000 };
// A repeat that is still running after this much simulated time has run away.
enum { RunawayTime = 60000 };

const int32_t StartMonth = 3;
const int32_t StartYear = 2024;

struct ScheduledInput {
    DWORD time;
    std::function<void()> act;
};

// The simulated clock of the repeat: every pause advances it and carries out what was
// scheduled up to the new time, as if it had happened while the thread slept.
DWORD simulatedTime;
std::vector<DWORD> pausesTaken;
std::vector<ScheduledInput> scheduled;
bool ranAway;

void SendMouse(DWORD flags, POINT screen)
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(screen.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(screen.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof input);
}

void SendKey(WORD key, bool down)
{
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
    SendInput(1, &input, sizeof input);
}

void Release(POINT screen)
{
    SendMouse(MOUSEEVENTF_LEFTUP, screen);
}

bool MouseDown(void)
{
    return GetAsyncKeyState(VK_LBUTTON) < 0;
}

void TestPause(DWORD milliseconds)
{
    pausesTaken.push_back(milliseconds);
    simulatedTime += milliseconds;
    for (size_t i = 0; i < scheduled.size(); i++) {
        if (scheduled[i].time <= simulatedTime) {
            std::function<void()> act = scheduled[i].act;
            scheduled.erase(scheduled.begin() + i);
            i--;
            act();
        }
    }
    if (simulatedTime > RunawayTime && MouseDown()) {
        ranAway = true;
        POINT corner = {0, 0};
        Release(corner);
    }
}

// The pauses of a repeat, as runs of equal pauses.
std::vector<DWORD> Pauses(std::initializer_list<std::pair<int, DWORD>> runs)
{
    std::vector<DWORD> pauses;
    for (const std::pair<int, DWORD> &run : runs)
        pauses.insert(pauses.end(), run.first, run.second);
    return pauses;
}

class SteppingTest : public DialogTest {
protected:
    bool quitSeen = false;
    WPARAM quitCode = 99;

    void SetUp() override
    {
        DialogTest::SetUp();
        if (HasFatalFailure())
            return;
        // Activation brings the view to today's month; it has to be over before a test sets
        // its own month, and the dialog must be in front to get the keys.
        SetForegroundWindow(window);
        ASSERT_TRUE(ProcessUntil([&] {
            return GetForegroundWindow() == window && GetActiveWindow() == window;
        }));
        ProcessWaiting();
        shortcutTable = LoadAcceleratorsA(GetModuleHandleA(NULL), "ZorvikAccel");
        ASSERT_NE((HACCEL)NULL, shortcutTable);
        repeatState = RepeatState{0, 0, 0};
        shortcutMark = 0;
        repeatPause = TestPause;
        simulatedTime = 0;
        pausesTaken.clear();
        scheduled.clear();
        ranAway = false;
        ShowMonth(StartMonth, StartYear);
    }

    void TearDown() override
    {
        if (MouseDown())
            Release(Outside());
        scheduled.clear();
        DialogTest::TearDown();
    }

    void ShowMonth(int32_t month, int32_t year)
    {
        viewState.shownMonth = month;
        viewState.shownYear = year;
        RefreshView(window);
    }

    // One message as the message loop handles it, a quit request noted instead.
    void HandleOne(MSG *message)
    {
        if (message->message == WM_QUIT) {
            quitSeen = true;
            quitCode = message->wParam;
            return;
        }
        if (TranslateShortcut(message))
            return;
        if (!IsDialogMessageA(window, message)) {
            TranslateMessage(message);
            DispatchMessageA(message);
        }
    }

    // Runs the ordinary message processing until the condition holds; false on time-out.
    bool ProcessUntil(const std::function<bool()> &condition)
    {
        DWORD start = GetTickCount();
        while (!condition()) {
            if (GetTickCount() - start > SettleTimeout)
                return false;
            MSG message;
            if (PeekMessageA(&message, NULL, 0, 0, PM_REMOVE))
                HandleOne(&message);
            else
                MsgWaitForMultipleObjects(0, NULL, FALSE, 10, QS_ALLINPUT);
        }
        return true;
    }

    // Handles what is waiting now, and returns without waiting for more.
    void ProcessWaiting(void)
    {
        MSG message;
        while (PeekMessageA(&message, NULL, 0, 0, PM_REMOVE))
            HandleOne(&message);
    }

    // A gesture is over when the mouse is up, its release has been handled, the button has
    // let go of the mouse and no repeat is running or waiting for its click.
    bool Settled(void)
    {
        MSG release;
        return !MouseDown() &&
               !(PeekMessageA(&release, NULL, WM_LBUTTONUP, WM_LBUTTONUP, PM_NOREMOVE) &&
                 release.message == WM_LBUTTONUP) &&
               GetCapture() == NULL && repeatState.repeatActive == 0 &&
               repeatState.releasePending == 0;
    }

    void ProcessUntilSettled(void)
    {
        ASSERT_TRUE(ProcessUntil([&] { return Settled(); })) << "the gesture never ended";
        ProcessWaiting();
        ASSERT_FALSE(ranAway) << "the repeat ran on after the release";
    }

    POINT CentreOf(int id) const
    {
        RECT rect;
        GetWindowRect(Control(id), &rect);
        POINT centre = {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
        return centre;
    }

public:
    // A point in the dialog but on no button: the middle of the month's grid.
    POINT OnGrid(void) const { return CentreOf(IDC_CELL_FIRST + 17); }

    // A point on the screen outside the dialog.
    POINT Outside(void) const
    {
        RECT rect;
        GetWindowRect(window, &rect);
        POINT point = {rect.left > 20 ? 5 : rect.right + 20, 5};
        return point;
    }

protected:
    void Press(int id)
    {
        SendMouse(MOUSEEVENTF_LEFTDOWN, CentreOf(id));
    }

    void ReleaseAt(DWORD time, POINT screen)
    {
        scheduled.push_back(ScheduledInput{time, [screen] { Release(screen); }});
    }

    void At(DWORD time, std::function<void()> act)
    {
        scheduled.push_back(ScheduledInput{time, std::move(act)});
    }

    void ExpectShown(int32_t month, int32_t year)
    {
        EXPECT_EQ(month, viewState.shownMonth);
        EXPECT_EQ(year, viewState.shownYear);
        static const char *const names[] = {"January", "February", "March", "April",
                                            "May", "June", "July", "August", "September",
                                            "October", "November", "December"};
        EXPECT_EQ(std::string(names[month - 1]) + "  " + std::to_string(year),
                  ControlText(IDC_MONTH_YEAR));
    }

    // The month `steps` month steps away from the starting month.
    static ViewState MonthsOn(int32_t month, int32_t year, int steps)
    {
        ViewState view = {month, year, 0, 0, 0, 0};
        for (int i = 0; i < steps; i++)
            StepMonthUp(&view);
        for (int i = 0; i > steps; i--)
            StepMonthDown(&view);
        return view;
    }

    void ExpectMonthsOn(int steps)
    {
        ViewState expected = MonthsOn(StartMonth, StartYear, steps);
        ExpectShown(expected.shownMonth, expected.shownYear);
    }

    bool FocusOn(int id) const { return GetFocus() == Control(id); }

    bool Pushed(int id) const
    {
        return (SendMessageA(Control(id), BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
    }

    void ExpectIdleAndLetGo(int id)
    {
        EXPECT_EQ(0, repeatState.repeatActive);
        EXPECT_EQ(0, repeatState.releasePending);
        EXPECT_FALSE(Pushed(id));
        EXPECT_EQ((HWND)NULL, GetCapture());
    }
};

// A release is noticed in the pump after the next step, and that step is taken back: the view
// stays on the month that was shown when the mouse button came up.
struct HoldCase {
    const char *name;
    DWORD releaseTime;
    int viewSteps;
    std::vector<DWORD> pauses;
};

class HoldTest : public SteppingTest, public testing::WithParamInterface<HoldCase> {};

TEST_P(HoldTest, ReleaseOverTheButtonLeavesTheMonthShownAtTheRelease)
{
    const HoldCase &c = GetParam();
    ReleaseAt(c.releaseTime, CentreOf(IDC_MONTH_UP));
    Press(IDC_MONTH_UP);
    ProcessUntilSettled();

    ExpectMonthsOn(c.viewSteps);
    EXPECT_EQ(c.pauses, pausesTaken);
    EXPECT_TRUE(FocusOn(IDC_TODAY));
    ExpectIdleAndLetGo(IDC_MONTH_UP);
}

INSTANTIATE_TEST_SUITE_P(
    Stepping, HoldTest,
    testing::Values(HoldCase{"QuickClick", 120, 1, Pauses({{1, 200}})},
                    HoldCase{"ReleaseInThirdPause", 450, 3, Pauses({{3, 200}})},
                    // Steps 1 to 10 come 200 ms apart, then 100 ms apart: step 11 at 1900.
                    HoldCase{"NearlyTwoSeconds", 1950, 11, Pauses({{9, 200}, {2, 100}})},
                    // Step 30 comes at 3800 ms, then every 50 ms: step 33 at 3950.
                    HoldCase{"IntoTheFastestPace", 3960, 33,
                             Pauses({{9, 200}, {20, 100}, {4, 50}})}),
    [](const testing::TestParamInfo<HoldCase> &info) { return std::string(info.param.name); });

TEST_F(SteppingTest, HoldOfYearUpFromTwentyTwentyFourForNearlyTwoSecondsShows2035)
{
    ReleaseAt(1950, CentreOf(IDC_YEAR_UP));
    Press(IDC_YEAR_UP);
    ProcessUntilSettled();

    ExpectShown(StartMonth, 2035);
    EXPECT_TRUE(FocusOn(IDC_TODAY));
}

// After a repeat the focus is on Today, so the next press reports the focus and repeats again.
TEST_F(SteppingTest, EachOfTwoQuickClicksStepsOnce)
{
    ReleaseAt(120, CentreOf(IDC_MONTH_DOWN));
    Press(IDC_MONTH_DOWN);
    ProcessUntilSettled();
    // Away from the first press, or the two would make a double click.
    POINT aside = CentreOf(IDC_MONTH_DOWN);
    aside.x += 2 * GetSystemMetrics(SM_CXDOUBLECLK);
    ReleaseAt(simulatedTime + 150, aside);
    SendMouse(MOUSEEVENTF_LEFTDOWN, aside);
    ProcessUntilSettled();

    ExpectMonthsOn(-2);
    EXPECT_EQ(Pauses({{2, 200}}), pausesTaken);
    EXPECT_TRUE(FocusOn(IDC_TODAY));
}

TEST_F(SteppingTest, ReleaseAlreadyWaitingAtTheFirstPumpStepsForwardAndBack)
{
    Press(IDC_MONTH_UP);
    Release(CentreOf(IDC_MONTH_UP));
    ProcessUntilSettled();

    ExpectMonthsOn(0);
    EXPECT_TRUE(pausesTaken.empty());
    EXPECT_TRUE(FocusOn(IDC_TODAY));
    ExpectIdleAndLetGo(IDC_MONTH_UP);
}

// The button makes no click for such a release; the repeat ends all the same, the button
// lets go of the mouse, and nothing steps afterwards.
struct ElsewhereCase {
    const char *name;
    POINT (SteppingTest::*where)(void) const;
};

class ReleaseElsewhereTest : public SteppingTest,
                             public testing::WithParamInterface<ElsewhereCase> {};

TEST_P(ReleaseElsewhereTest, EndsTheRepeatOnTheMonthShownAtTheRelease)
{
    POINT where = (this->*GetParam().where)();
    ReleaseAt(650, where);
    Press(IDC_MONTH_UP);
    ProcessUntilSettled();

    ExpectMonthsOn(4);
    EXPECT_EQ(Pauses({{4, 200}}), pausesTaken);
    EXPECT_TRUE(FocusOn(IDC_TODAY));
    ExpectIdleAndLetGo(IDC_MONTH_UP);

    // A later click elsewhere is not taken for the end of the repeat.
    SendMouse(MOUSEEVENTF_LEFTDOWN, OnGrid());
    SendMouse(MOUSEEVENTF_LEFTUP, OnGrid());
    ProcessUntilSettled();
    ExpectMonthsOn(4);
}

INSTANTIATE_TEST_SUITE_P(Stepping, ReleaseElsewhereTest,
                         testing::Values(ElsewhereCase{"OnTheGrid", &SteppingTest::OnGrid},
                                         ElsewhereCase{"OutsideTheWindow",
                                                       &SteppingTest::Outside}),
                         [](const testing::TestParamInfo<ElsewhereCase> &info) {
                             return std::string(info.param.name);
                         });

TEST_F(SteppingTest, HoldOfYearUpAcrossTheWrapShows2099AgainOnceReleased)
{
    ShowMonth(6, 2097);
    At(300, [&] { EXPECT_EQ(2099, viewState.shownYear); });
    ReleaseAt(300, CentreOf(IDC_YEAR_UP));
    Press(IDC_YEAR_UP);
    ProcessUntilSettled();

    ExpectShown(6, 2099);
}

TEST_F(SteppingTest, TodayDuringAHoldShowsTodaysMonthAndSteppingGoesOnFromIt)
{
    ShowMonth(1, 1950);
    At(300, [&] { PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDC_TODAY, BN_CLICKED), 0); });
    ReleaseAt(650, CentreOf(IDC_MONTH_UP));
    Press(IDC_MONTH_UP);
    ProcessUntilSettled();

    // Step 3 at 400 ms, then Today in its pump; step 4 at 600 ms from today's month.
    ViewState expected = MonthsOn(viewState.currentMonth, viewState.currentYear, 1);
    ExpectShown(expected.shownMonth, expected.shownYear);
    EXPECT_TRUE(FocusOn(IDC_TODAY));
}

// The held button has the mouse, so a second press during a hold, on another stepping button,
// goes to the held button: the repeat goes on, and the release over the other button ends it
// without a click anywhere.
TEST_F(SteppingTest, SecondPressDuringAHoldGoesToTheHeldButton)
{
    At(300, [&] { SendMouse(MOUSEEVENTF_LEFTDOWN, CentreOf(IDC_YEAR_UP)); });
    ReleaseAt(650, CentreOf(IDC_YEAR_UP));
    Press(IDC_MONTH_UP);
    ProcessUntilSettled();

    ExpectMonthsOn(4);
    EXPECT_EQ(Pauses({{4, 200}}), pausesTaken);
    EXPECT_TRUE(FocusOn(IDC_TODAY));
    ExpectIdleAndLetGo(IDC_MONTH_UP);
    ExpectIdleAndLetGo(IDC_YEAR_UP);
}

// A press that does reach a second stepping button during a hold (delivered to it as the
// platform would if that button had the mouse) runs its repeat nested in the first; the one
// click that the release makes ends both and takes back one step of the clicked command.
TEST_F(SteppingTest, PressReachingASecondButtonDuringAHoldRunsNestedAndOneClickEndsBoth)
{
    At(300, [&] {
        POINT centre = CentreOf(IDC_YEAR_UP);
        SendMouse(0, centre);
        ScreenToClient(Control(IDC_YEAR_UP), &centre);
        PostMessageA(Control(IDC_YEAR_UP), WM_LBUTTONDOWN, MK_LBUTTON,
                     MAKELPARAM(centre.x, centre.y));
    });
    ReleaseAt(650, CentreOf(IDC_YEAR_UP));
    Press(IDC_MONTH_UP);
    ProcessUntilSettled();

    // Month steps at 0, 200 and 400 ms; the second press is handled in the pump of the third,
    // its year steps come at 400 and 600 ms, and the one at 800 ms is taken back.
    ViewState expected = MonthsOn(StartMonth, StartYear + 2, 3);
    ExpectShown(expected.shownMonth, expected.shownYear);
    EXPECT_EQ(Pauses({{4, 200}}), pausesTaken);
    EXPECT_TRUE(FocusOn(IDC_TODAY));
    ExpectIdleAndLetGo(IDC_MONTH_UP);
    ExpectIdleAndLetGo(IDC_YEAR_UP);
}

// Close during a hold, by Escape or by Alt+X: the repeat ends at once, without waiting for
// the release, and the quit request with exit code 0 reaches the message loop.
struct CloseKeysCase {
    const char *name;
    std::vector<WORD> keys;
};

class CloseDuringHoldTest : public SteppingTest,
                            public testing::WithParamInterface<CloseKeysCase> {};

void TypeKeys(const std::vector<WORD> &keys)
{
    for (WORD key : keys)
        SendKey(key, true);
    for (size_t i = keys.size(); i > 0; i--)
        SendKey(keys[i - 1], false);
}

TEST_P(CloseDuringHoldTest, EndsTheRepeatAtOnceAndQuitsWithZero)
{
    const std::vector<WORD> keys = GetParam().keys;
    At(300, [keys] { TypeKeys(keys); });
    Press(IDC_MONTH_UP);
    ASSERT_TRUE(ProcessUntil([&] { return quitSeen; }));
    bool mouseStillDown = MouseDown();

    EXPECT_EQ(0u, quitCode);
    EXPECT_TRUE(mouseStillDown);
    EXPECT_EQ(0, repeatState.repeatActive);
    EXPECT_EQ(0, repeatState.releasePending);
    EXPECT_EQ(Pauses({{2, 200}}), pausesTaken);
    EXPECT_EQ((HWND)NULL, GetCapture());
}

INSTANTIATE_TEST_SUITE_P(Stepping, CloseDuringHoldTest,
                         testing::Values(CloseKeysCase{"Escape", {VK_ESCAPE}},
                                         CloseKeysCase{"AltX", {VK_MENU, 'X'}}),
                         [](const testing::TestParamInfo<CloseKeysCase> &info) {
                             return std::string(info.param.name);
                         });

// A shortcut during a hold steps once, as at any other time, and the repeat goes on from there.
TEST_F(SteppingTest, ArrowKeyDuringAHoldStepsOnceAndTheRepeatGoesOn)
{
    At(300, [] { TypeKeys({VK_UP}); });
    ReleaseAt(650, CentreOf(IDC_MONTH_DOWN));
    Press(IDC_MONTH_DOWN);
    ProcessUntilSettled();

    // Month Down at 0, 200, 400 and 600 ms, Up in the pump at 400 ms: three back, one on.
    ExpectMonthsOn(-3);
    EXPECT_EQ(Pauses({{4, 200}}), pausesTaken);
    EXPECT_FALSE(quitSeen);
}

TEST_F(SteppingTest, MnemonicStepsOnceAlsoWhileTheMouseIsHeldElsewhere)
{
    auto typeAltU = [&] {
        SendKey(VK_MENU, true);
        SendKey('U', true);
        SendKey('U', false);
        SendKey(VK_MENU, false);
        ASSERT_TRUE(ProcessUntil([&] { return GetAsyncKeyState(VK_MENU) >= 0; }));
        ProcessWaiting();
    };
    typeAltU();
    ExpectMonthsOn(1);

    SendMouse(MOUSEEVENTF_LEFTDOWN, OnGrid());
    ProcessWaiting();
    typeAltU();
    ExpectMonthsOn(2);
    Release(OnGrid());
    ProcessUntilSettled();

    ExpectMonthsOn(2);
    EXPECT_TRUE(pausesTaken.empty());
    ExpectIdleAndLetGo(IDC_MONTH_UP);
}

TEST_F(SteppingTest, SpaceOnAFocusedSteppingButtonStepsOnce)
{
    SetFocus(Control(IDC_YEAR_DOWN));
    ProcessWaiting();
    ExpectMonthsOn(0);

    SendKey(VK_SPACE, true);
    SendKey(VK_SPACE, false);
    ASSERT_TRUE(ProcessUntil([&] { return viewState.shownYear != StartYear; }));
    ProcessWaiting();

    ExpectShown(StartMonth, StartYear - 1);
    EXPECT_TRUE(pausesTaken.empty());
    ExpectIdleAndLetGo(IDC_YEAR_DOWN);
}

TEST_F(SteppingTest, OtherNotificationsTakeNoStep)
{
    for (int code : {BN_DOUBLECLICKED, BN_KILLFOCUS, BN_SETFOCUS}) {
        SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDC_MONTH_UP, code),
                     (LPARAM)Control(IDC_MONTH_UP));
        ExpectMonthsOn(0);
    }
    EXPECT_TRUE(pausesTaken.empty());
    EXPECT_EQ(0, repeatState.releasePending);
}

TEST_F(SteppingTest, ShortcutWithTheMarkRaisedStepsOnceAndStartsNoRepeat)
{
    shortcutMark = 1;
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDC_MONTH_DOWN, 1), 0);

    ExpectMonthsOn(-1);
    EXPECT_EQ(0, shortcutMark);
    EXPECT_TRUE(pausesTaken.empty());
    EXPECT_EQ(0, repeatState.releasePending);
}

// The real shortcut table in the loop's way: each press of the arrow key steps exactly once.
TEST_F(SteppingTest, ArrowKeyThroughTheShortcutTableStepsOncePerPress)
{
    for (int press = 1; press <= 3; press++) {
        SendKey(VK_UP, true);
        SendKey(VK_UP, false);
        ASSERT_TRUE(ProcessUntil([&] { return GetAsyncKeyState(VK_UP) >= 0; }));
        ProcessWaiting();
        ExpectMonthsOn(press);
    }
    EXPECT_TRUE(pausesTaken.empty());
    EXPECT_EQ(0, shortcutMark);
}

}  // namespace
