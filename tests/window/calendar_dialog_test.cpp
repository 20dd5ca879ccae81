// The dialog procedure on the real window: initialisation, colours, titles, activation,
// Today, Close, commands without an action, and the dialog's focus and tab order.
#include "tests/window/dialog_fixture.h"

#include <math.h>
#include <stdio.h>
#include <string.h>
#include "calendar/clock.h"

namespace {

const char *const monthNames[] = {"January", "February", "March", "April", "May", "June", "July",
                                  "August", "September", "October", "November", "December"};

std::string MonthYearOf(const LocalDate &date)
{
    return std::string(monthNames[date.month - 1]) + "  " + std::to_string(date.year);
}

class Dialog : public DialogTest {
protected:
    // Today's date as the test reads it around an action, in case midnight passes between.
    LocalDate before = {}, after = {};

    void ReadDateBefore(void) { ASSERT_TRUE(CurrentLocalDate(&before)); }
    void ReadDateAfter(void) { ASSERT_TRUE(CurrentLocalDate(&after)); }

    static bool SameDate(const LocalDate &a, const LocalDate &b)
    {
        return a.day == b.day && a.month == b.month && a.year == b.year;
    }

    // The view is on today's month with today's fields and today's cell marked.
    void ExpectTodayShown(void)
    {
        LocalDate taken = {viewState.todayDay, viewState.currentMonth, viewState.currentYear};
        const LocalDate &today = SameDate(taken, after) ? after : before;
        EXPECT_EQ(today.month, viewState.shownMonth);
        EXPECT_EQ(today.year, viewState.shownYear);
        EXPECT_EQ(today.month, viewState.currentMonth);
        EXPECT_EQ(today.year, viewState.currentYear);
        EXPECT_EQ(today.day, viewState.todayDay);
        EXPECT_EQ(MonthYearOf(today), ControlText(IDC_MONTH_YEAR));
        std::vector<int> marked = SelectedCells();
        ASSERT_EQ(1u, marked.size());
        int day = 0;
        sscanf(ControlText(marked[0]).c_str(), "%d", &day);
        EXPECT_EQ(today.day, day);
    }

    // Shows a month away from today's, as the stepping would.
    void StepAway(void)
    {
        viewState.shownMonth = viewState.currentMonth % 12 + 1;
        viewState.shownYear = viewState.currentYear == 1950 ? 1951 : 1950;
        RefreshView(window);
        ASSERT_NE(viewState.shownYear, viewState.currentYear);
    }

    // Takes every waiting message, handing all but a quit request to the window.
    static bool TakeQuit(WPARAM *exitCode)
    {
        MSG message;
        while (PeekMessageA(&message, NULL, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                *exitCode = message.wParam;
                return true;
            }
            DispatchMessageA(&message);
        }
        return false;
    }

    static bool QuitWaiting(void)
    {
        MSG message;
        return PeekMessageA(&message, NULL, WM_QUIT, WM_QUIT, PM_NOREMOVE) != 0;
    }

    void Minimise(void)
    {
        ShowWindow(window, SW_MINIMIZE);
        ASSERT_TRUE(IsIconic(window));
    }

    void Restore(void)
    {
        ShowWindow(window, SW_RESTORE);
        ASSERT_FALSE(IsIconic(window));
    }

    void PressKey(WPARAM key)
    {
        MSG message = {};
        message.hwnd = GetFocus();
        message.message = WM_KEYDOWN;
        message.wParam = key;
        message.lParam = 1;
        IsDialogMessageA(window, &message);
    }
};

TEST_F(Dialog, InitialisationShowsTodayWithIconTimerAndFocus)
{
    ReadDateBefore();
    DestroyWindow(window);
    viewState = ViewState{0, 0, 0, 0, 0, 0};
    window = CreateDialogParamA(GetModuleHandleA(NULL), "ZorvikBox", NULL, CalendarDlgProc, 0);
    ASSERT_NE(window, (HWND)NULL);
    ReadDateAfter();
    ExpectTodayShown();
    EXPECT_EQ((ULONG_PTR)windowIcon, GetClassLongPtrA(window, GCLP_HICON));
    EXPECT_EQ("Zorvik", Text(window));
    EXPECT_EQ(Control(IDHELP), GetFocus());
    EXPECT_TRUE(KillTimer(window, 1)) << "the title timer is not running";
}

// --- Colours --------------------------------------------------------------------------------

struct ColourCase {
    int id;
    bool label;
    COLORREF text;
};

const ColourCase colourCases[] = {
    {IDC_GPS_WEEKS, true, RGB(0, 0, 0x80)},
    {IDC_MONTH_YEAR, true, RGB(0xFF, 0, 0)},
    {IDC_NAME_LABEL, true, RGB(0, 0, 0x80)},
    {IDC_CELL_FIRST, false, RGB(0, 0, 0)},
    {1118, false, RGB(0, 0, 0)},
    {IDC_CELL_LAST, false, RGB(0, 0, 0)},
};

class Colours : public Dialog {
protected:
    HDC dc = NULL;
    const COLORREF untouchedText = RGB(1, 2, 3), untouchedBack = RGB(4, 5, 6);

    void SetUp() override
    {
        Dialog::SetUp();
        dc = CreateCompatibleDC(NULL);
    }

    void TearDown() override
    {
        DeleteDC(dc);
        Dialog::TearDown();
    }

    INT_PTR AskColours(HWND control)
    {
        SetTextColor(dc, untouchedText);
        SetBkColor(dc, untouchedBack);
        return CalendarDlgProc(window, WM_CTLCOLORSTATIC, (WPARAM)dc, (LPARAM)control);
    }

    static void ExpectSolidBrush(INT_PTR brush, COLORREF colour)
    {
        ASSERT_NE(0, brush);
        LOGBRUSH info = {};
        ASSERT_EQ((int)sizeof info, GetObjectA((HBRUSH)brush, sizeof info, &info));
        EXPECT_EQ((UINT)BS_SOLID, info.lbStyle);
        EXPECT_EQ(colour, info.lbColor);
    }
};

TEST_F(Colours, LabelsAndCells)
{
    COLORREF face = GetSysColor(COLOR_BTNFACE);
    for (const ColourCase &c : colourCases) {
        SCOPED_TRACE(c.id);
        INT_PTR brush = AskColours(Control(c.id));
        EXPECT_EQ(c.text, GetTextColor(dc));
        EXPECT_EQ(c.label ? face : RGB(0xFF, 0xFF, 0xFF), GetBkColor(dc));
        ExpectSolidBrush(brush, c.label ? face : RGB(0xFF, 0xFF, 0xFF));
    }
}

// Every other control keeps the platform's colours: no brush, the DC untouched.
TEST_F(Colours, OtherControlsLeftToThePlatform)
{
    int coloured = 0, others = 0;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        int id = GetDlgCtrlID(child);
        bool isColoured = id == IDC_GPS_WEEKS || id == IDC_MONTH_YEAR || id == IDC_NAME_LABEL ||
                          (id >= IDC_CELL_FIRST && id <= IDC_CELL_LAST);
        INT_PTR brush = AskColours(child);
        if (isColoured) {
            coloured++;
            EXPECT_NE(0, brush) << id;
            continue;
        }
        others++;
        EXPECT_EQ(FALSE, brush) << id;
        EXPECT_EQ(untouchedText, GetTextColor(dc)) << id;
        EXPECT_EQ(untouchedBack, GetBkColor(dc)) << id;
    }
    EXPECT_EQ(45, coloured);
    EXPECT_EQ(118 - 45, others);
    EXPECT_EQ(FALSE, AskColours(window));
}

// Today makes a new pair of brushes in the colours of its moment and deletes the old pair.
TEST_F(Colours, TodayRenewsTheBrushes)
{
    INT_PTR oldFace = AskColours(Control(IDC_MONTH_YEAR));
    INT_PTR oldWhite = AskColours(Control(IDC_CELL_FIRST));
    int element = COLOR_BTNFACE;
    COLORREF face = GetSysColor(COLOR_BTNFACE);
    COLORREF changed = RGB(10, 20, 30);
    ASSERT_TRUE(SetSysColors(1, &element, &changed));
    SendMessageA(window, WM_COMMAND, IDC_TODAY, 0);
    INT_PTR newFace = AskColours(Control(IDC_MONTH_YEAR));
    COLORREF back = GetBkColor(dc);
    INT_PTR newWhite = AskColours(Control(IDC_CELL_FIRST));
    SetSysColors(1, &element, &face);

    EXPECT_EQ(changed, back);
    ExpectSolidBrush(newFace, changed);
    ExpectSolidBrush(newWhite, RGB(0xFF, 0xFF, 0xFF));
    LOGBRUSH info;
    EXPECT_EQ(0, GetObjectA((HBRUSH)oldFace, sizeof info, &info));
    EXPECT_EQ(0, GetObjectA((HBRUSH)oldWhite, sizeof info, &info));
}

// --- Titles ---------------------------------------------------------------------------------

// The MJD in a title lies between the readings taken around it; "MJD=%f" rounds to six
// decimals, "MJD=%d" truncates.
void ExpectMjdTitle(const std::string &title, double mjdBefore, double mjdAfter, bool whole)
{
    SCOPED_TRACE(title);
    ASSERT_EQ(0u, title.find("MJD="));
    std::string number = title.substr(4);
    size_t point = number.find('.');
    if (whole) {
        ASSERT_EQ(std::string::npos, point);
        long value = strtol(number.c_str(), NULL, 10);
        EXPECT_GE(value, (long)mjdBefore);
        EXPECT_LE(value, (long)mjdAfter);
        EXPECT_EQ(std::to_string(value), number);
        return;
    }
    ASSERT_NE(std::string::npos, point);
    EXPECT_EQ(6u, number.size() - point - 1);
    double value = strtod(number.c_str(), NULL);
    EXPECT_GE(value, mjdBefore - 0.5e-6);
    EXPECT_LE(value, mjdAfter + 0.5e-6);
}

TEST_F(Dialog, TimerTitles)
{
    SetWindowTextA(window, "x");
    EXPECT_EQ(FALSE, CalendarDlgProc(window, WM_TIMER, 1, 0));
    EXPECT_EQ("Zorvik", Text(window));

    Minimise();
    for (int tick = 0; tick < 2; tick++) {
        SetWindowTextA(window, "x");
        double mjdBefore = CurrentMjd();
        EXPECT_EQ(FALSE, CalendarDlgProc(window, WM_TIMER, 1, 0));
        double mjdAfter = CurrentMjd();
        ExpectMjdTitle(Text(window), mjdBefore, mjdAfter, false);
    }

    Restore();
    CalendarDlgProc(window, WM_TIMER, 1, 0);
    EXPECT_EQ("Zorvik", Text(window));
}

TEST_F(Dialog, ActivationWhileMinimisedShowsWholeMjdAndKeepsTheView)
{
    StepAway();
    ViewState stepped = viewState;
    std::string shown = ControlText(IDC_MONTH_YEAR);
    Minimise();
    for (WPARAM state : {WA_INACTIVE, WA_ACTIVE}) {
        SetWindowTextA(window, "x");
        double mjdBefore = CurrentMjd();
        EXPECT_EQ(FALSE, CalendarDlgProc(window, WM_ACTIVATE, state, 0));
        double mjdAfter = CurrentMjd();
        ExpectMjdTitle(Text(window), mjdBefore, mjdAfter, true);
        EXPECT_EQ(0, memcmp(&stepped, &viewState, sizeof stepped));
        EXPECT_EQ(shown, ControlText(IDC_MONTH_YEAR));
    }
}

// Activation and deactivation alike bring a stepped view back to today's month.
TEST_F(Dialog, ActivationReturnsToTodaysMonth)
{
    for (WPARAM state : {WA_INACTIVE, WA_ACTIVE, WA_CLICKACTIVE}) {
        SCOPED_TRACE(state);
        StepAway();
        EXPECT_EQ(std::vector<int>{}, SelectedCells());
        SetWindowTextA(window, "x");
        ReadDateBefore();
        EXPECT_EQ(FALSE, CalendarDlgProc(window, WM_ACTIVATE, state, 0));
        ReadDateAfter();
        ExpectTodayShown();
        EXPECT_EQ("Zorvik", Text(window));
    }
}

// --- Today and Close ------------------------------------------------------------------------

TEST_F(Dialog, TodayReadsTheDateAgainAndRestartsTheTimer)
{
    StepAway();
    viewState.currentMonth = viewState.currentYear = viewState.todayDay = 0;
    ASSERT_TRUE(KillTimer(window, 1));
    ReadDateBefore();
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDC_TODAY, BN_CLICKED), 0);
    ReadDateAfter();
    ExpectTodayShown();
    EXPECT_TRUE(KillTimer(window, 1)) << "Today did not start the title timer";
}

// On the month already shown, Today still writes the whole month again.
TEST_F(Dialog, TodayRewritesTheShownMonth)
{
    ReadDateBefore();
    std::string cellText = ControlText(IDC_CELL_FIRST + 20);
    SetWindowTextA(Control(IDC_CELL_FIRST + 20), "stale");
    SetWindowTextA(Control(IDC_MONTH_YEAR), "stale");
    SendMessageA(window, WM_COMMAND, IDC_TODAY, 0);
    ReadDateAfter();
    ExpectTodayShown();
    EXPECT_EQ(cellText, ControlText(IDC_CELL_FIRST + 20));
}

TEST_F(Dialog, TodayKeepsAHiddenMark)
{
    viewState.hideTodayMark = 1;
    SendMessageA(window, WM_COMMAND, IDC_TODAY, 0);
    EXPECT_EQ(1, viewState.hideTodayMark);
    EXPECT_EQ(std::vector<int>{}, SelectedCells());
}

TEST_F(Dialog, CloseEscapeAndCloseBoxPostQuitWithZero)
{
    const char *const ways[] = {"Close", "Close button click", "Escape", "close box"};
    for (int way = 0; way < 4; way++) {
        SCOPED_TRACE(ways[way]);
        DiscardMessages();
        if (way == 0)
            SendMessageA(window, WM_COMMAND, IDCANCEL, 0);
        else if (way == 1)
            SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                         (LPARAM)Control(IDCANCEL));
        else if (way == 2)
            PressKey(VK_ESCAPE);
        else
            SendMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
        WPARAM exitCode = 99;
        ASSERT_TRUE(TakeQuit(&exitCode));
        EXPECT_EQ(0u, exitCode);
        EXPECT_TRUE(IsWindow(window));
    }
}

// A command without an action changes nothing at all.
TEST_F(Dialog, CommandsWithoutActionDoNothing)
{
    StepAway();
    DiscardMessages();
    SetWindowTextA(window, "Title");
    auto snapshot = [this]() {
        std::vector<std::string> all = {Text(window)};
        for (HWND c = GetWindow(window, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
            all.push_back(Text(c));
        for (int id = IDC_CELL_FIRST; id <= IDC_CELL_LAST; id++) {
            std::pair<DWORD, DWORD> selection = Selection(id);
            all.push_back(std::to_string(selection.first));
            all.push_back(std::to_string(selection.second));
        }
        return all;
    };
    std::vector<std::string> picture = snapshot();
    ViewState view = viewState;
    HWND focus = GetFocus();
    for (int id : {0, IDOK, 3, 1001, 1007, 1008, 1009, 1010, 1011, 1013, 1101, 1150, 0xFFFF}) {
        SCOPED_TRACE(id);
        EXPECT_EQ(FALSE, CalendarDlgProc(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0));
        EXPECT_EQ(picture, snapshot());
        EXPECT_EQ(0, memcmp(&view, &viewState, sizeof view));
        EXPECT_EQ(focus, GetFocus());
        EXPECT_FALSE(QuitWaiting());
    }
}

// --- Focus and tab order --------------------------------------------------------------------

TEST_F(Dialog, TabCyclesHelpCloseCopyToday)
{
    ASSERT_EQ(Control(IDHELP), GetFocus());
    const int order[] = {IDCANCEL, IDC_COPY, IDC_TODAY, IDHELP, IDCANCEL};
    for (int id : order) {
        PressKey(VK_TAB);
        EXPECT_EQ(Control(id), GetFocus()) << "expected " << id;
    }
}

}  // namespace
