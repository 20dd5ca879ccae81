// Writing months into the real window's controls, and today's mark.
#include "tests/support/pixels.h"
#include "tests/window/dialog_fixture.h"

#include <algorithm>

namespace {

class MonthView : public DialogTest {
protected:
    void ExpectNoSelection(const char *after)
    {
        SCOPED_TRACE(after);
        EXPECT_EQ(std::vector<int>{}, SelectedCells());
    }
};

TEST_F(MonthView, WorkedExampleFebruary2024)
{
    FillMonthView(window, 2, 2, 2024, 2024, 14, 0);

    EXPECT_EQ("GPS Weeks 251-256", ControlText(IDC_GPS_WEEKS));
    EXPECT_EQ("February  2024", ControlText(IDC_MONTH_YEAR));
    EXPECT_EQ("MJD", ControlText(IDC_LEGEND_MJD));
    for (int id = 1101; id <= 1104; id++)
        EXPECT_EQ("", ControlText(id)) << id;
    EXPECT_EQ(" 1   32\r\n60341", ControlText(1105));
    EXPECT_EQ("14   45\r\n60354", ControlText(1118));
    EXPECT_EQ("29   60\r\n60369", ControlText(1133));
    for (int id = 1134; id <= 1142; id++)
        EXPECT_EQ("", ControlText(id)) << id;
    EXPECT_EQ((std::pair<DWORD, DWORD>(0, 2)), Selection(1118));
    EXPECT_EQ(std::vector<int>{1118}, SelectedCells());
}

struct MonthCase {
    int32_t month, year;
    const char *gpsWeeks;
    const char *monthYear;
    int firstCell, lastCell;
    const char *firstText, *lastText;
};

// Expected values worked out independently of the program's arithmetic.
const MonthCase monthCases[] = {
    {1, 1900, "", "January  1900", 1102, 1132, " 1   1\r\n15020", "31   31\r\n15050"},
    {2, 1900, "", "February  1900", 1105, 1132, " 1   32\r\n15051", "28   59\r\n15078"},
    {3, 1900, "", "March  1900", 1105, 1135, " 1   60\r\n15079", "31   90\r\n15109"},
    {12, 1979, "", "December  1979", 1107, 1137, " 1   335\r\n44208", "31   365\r\n44238"},
    {1, 1980, "", "January  1980", 1103, 1133, " 1   1\r\n44239", "31   31\r\n44269"},
    {2, 1980, "GPS Weeks 3-8", "February  1980", 1106, 1134, " 1   32\r\n44270",
     "29   60\r\n44298"},
    {8, 1999, "GPS Weeks 1021-2", "August  1999", 1101, 1131, " 1   213\r\n51391",
     "31   243\r\n51421"},
    {4, 2019, "GPS Weeks 1023-4", "April  2019", 1102, 1131, " 1   91\r\n58574",
     "30   120\r\n58603"},
    {9, 2097, "GPS Weeks 1019-0", "September  2097", 1101, 1130, " 1   244\r\n87217",
     "30   273\r\n87246"},
    {8, 2020, "GPS Weeks 68-73", "August  2020", 1107, 1137, " 1   214\r\n59062",
     "31   244\r\n59092"},
    {2, 2015, "GPS Weeks 806-811", "February  2015", 1101, 1128, " 1   32\r\n57054",
     "28   59\r\n57081"},
    {2, 2000, "GPS Weeks 23-28", "February  2000", 1103, 1131, " 1   32\r\n51575",
     "29   60\r\n51603"},
    {3, 2024, "GPS Weeks 255-260", "March  2024", 1106, 1136, " 1   61\r\n60370",
     "31   91\r\n60400"},
    {12, 2099, "GPS Weeks 112-117", "December  2099", 1103, 1133, " 1   335\r\n88038",
     "31   365\r\n88068"},
};

// Rendered one after the other into the same window, so a cell that an earlier month filled
// and this one leaves empty shows up too.
TEST_F(MonthView, EdgeMonths)
{
    for (const MonthCase &c : monthCases) {
        SCOPED_TRACE(c.monthYear);
        FillMonthView(window, c.month, 6, c.year, 2024, 14, 0);
        EXPECT_EQ(c.gpsWeeks, ControlText(IDC_GPS_WEEKS));
        EXPECT_EQ(c.monthYear, ControlText(IDC_MONTH_YEAR));
        EXPECT_EQ("MJD", ControlText(IDC_LEGEND_MJD));
        EXPECT_EQ(c.firstText, ControlText(c.firstCell));
        EXPECT_EQ(c.lastText, ControlText(c.lastCell));
        for (int id = IDC_CELL_FIRST; id <= IDC_CELL_LAST; id++) {
            bool filled = id >= c.firstCell && id <= c.lastCell;
            EXPECT_EQ(filled, !ControlText(id).empty()) << id;
        }
        EXPECT_EQ(std::vector<int>{}, SelectedCells());
    }
}

// The day number of every filled cell runs on from 1 with one day per cell.
TEST_F(MonthView, DaysRunOnRowByRow)
{
    FillMonthView(window, 8, 1, 2020, 2021, 1, 0);
    for (int id = 1107; id <= 1137; id++) {
        int day = 0, dayOfYear = 0;
        long mjd = 0;
        ASSERT_EQ(3, sscanf(ControlText(id).c_str(), "%d %d %ld", &day, &dayOfYear, &mjd)) << id;
        EXPECT_EQ(id - 1106, day);
        EXPECT_EQ(213 + day, dayOfYear);
        EXPECT_EQ(59061 + day, mjd);
    }
}

struct MarkCase {
    int32_t month, year, todayDay;
    int cell;
    const char *cellText;
};

const MarkCase markCases[] = {
    {2, 2024, 14, 1118, "14   45\r\n60354"},
    {2, 2024, 5, 1109, " 5   36\r\n60345"},      // a leading space: the mark takes it too
    {8, 2020, 31, 1137, "31   244\r\n59092"},    // the highest cell a month reaches
    {8, 1999, 1, 1101, " 1   213\r\n51391"},     // the first cell of the grid
    {12, 2099, 31, 1133, "31   365\r\n88068"},
};

TEST_F(MonthView, MarkOnTodaysCellOnly)
{
    for (const MarkCase &c : markCases) {
        SCOPED_TRACE(c.cell);
        FillMonthView(window, c.month, c.month, c.year, c.year, c.todayDay, 0);
        EXPECT_EQ(c.cellText, ControlText(c.cell));
        EXPECT_EQ((std::pair<DWORD, DWORD>(0, 2)), Selection(c.cell));
        EXPECT_EQ(std::vector<int>{c.cell}, SelectedCells());
    }
}

// Each case follows a rendering that marked a cell, so a mark left over would show.
TEST_F(MonthView, NoMarkWhenHiddenOrAnotherMonth)
{
    struct {
        const char *what;
        int32_t shownMonth, currentMonth, shownYear, currentYear, todayDay, hide;
    } cases[] = {
        {"mark hidden", 2, 2, 2024, 2024, 14, 1},
        {"another month", 3, 2, 2024, 2024, 14, 0},
        {"same month of another year", 2, 2, 2023, 2024, 14, 0},
        {"another month with the same cell", 5, 2, 2024, 2024, 14, 0},
        {"a day the month does not have", 2, 2, 2024, 2024, 30, 0},
        {"no day read", 2, 2, 2024, 2024, 0, 0},
    };
    for (const auto &c : cases) {
        FillMonthView(window, 2, 2, 2024, 2024, 14, 0);
        ASSERT_EQ(std::vector<int>{1118}, SelectedCells());
        FillMonthView(window, c.shownMonth, c.currentMonth, c.shownYear, c.currentYear,
                      c.todayDay, c.hide);
        ExpectNoSelection(c.what);
    }
}

// The mark comes back with the next rendering that asks for it.
TEST_F(MonthView, MarkReturnsAfterHiddenRendering)
{
    FillMonthView(window, 2, 2, 2024, 2024, 14, 1);
    ExpectNoSelection("hidden");
    FillMonthView(window, 2, 2, 2024, 2024, 14, 0);
    EXPECT_EQ(std::vector<int>{1118}, SelectedCells());
}

// The rendering leaves the date state, the focus and the title alone.
TEST_F(MonthView, RenderingTouchesNothingElse)
{
    ViewState before = {6, 2010, 6, 2010, 9, 0};
    viewState = before;
    SetWindowTextA(window, "Title");
    HWND focus = GetFocus();
    FillMonthView(window, 2, 2, 2024, 2024, 14, 0);
    EXPECT_EQ(0, memcmp(&before, &viewState, sizeof before));
    EXPECT_EQ("Title", Text(window));
    EXPECT_EQ(focus, GetFocus());
}

TEST_F(MonthView, RefreshViewRendersTheViewState)
{
    viewState = ViewState{8, 2020, 8, 2020, 31, 0};
    RefreshView(window);
    EXPECT_EQ("August  2020", ControlText(IDC_MONTH_YEAR));
    EXPECT_EQ(std::vector<int>{1137}, SelectedCells());
    viewState.hideTodayMark = 1;
    RefreshView(window);
    EXPECT_EQ("August  2020", ControlText(IDC_MONTH_YEAR));
    EXPECT_EQ(std::vector<int>{}, SelectedCells());
}

}  // namespace

namespace {

class Pump : public DialogTest {
protected:
    static bool CommandWaiting(void)
    {
        MSG message;
        return PeekMessageA(&message, NULL, WM_COMMAND, WM_COMMAND, PM_NOREMOVE) != 0;
    }
};

TEST_F(Pump, HandlesEveryWaitingMessageAndReturns)
{
    RecordCommandsInstead();
    PostMessageA(window, WM_COMMAND, IDC_TODAY, 0);
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDC_COPY, BN_CLICKED), 0);
    PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
    PumpPendingMessages(window);
    std::vector<CommandSeen> expected = {{IDC_TODAY, 0, 0}, {IDC_COPY, 0, 0}, {IDCANCEL, 0, 0}};
    EXPECT_EQ(expected, commandsSeen);
    EXPECT_FALSE(CommandWaiting());
}

TEST_F(Pump, ReturnsAtOnceWhenNothingWaits)
{
    RecordCommandsInstead();
    DiscardMessages();
    PumpPendingMessages(window);
    EXPECT_TRUE(commandsSeen.empty());
}

// A quit request met inside a copy or a held button still ends the program: the pump stops
// and leaves the request, with its exit code, for the message loop.
TEST_F(Pump, LeavesQuitRequestForTheLoop)
{
    RecordCommandsInstead();
    PostMessageA(window, WM_COMMAND, IDC_TODAY, 0);
    PostQuitMessage(5);
    PostMessageA(window, WM_COMMAND, IDC_COPY, 0);
    PumpPendingMessages(window);
    EXPECT_EQ(2u, commandsSeen.size());
    MSG message;
    ASSERT_TRUE(PeekMessageA(&message, NULL, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(5u, message.wParam);
    EXPECT_FALSE(PeekMessageA(&message, NULL, WM_QUIT, WM_QUIT, PM_REMOVE));
}

// The dialog's own keys work inside the pump; the shortcut table does not.
TEST_F(Pump, DialogKeysButNoShortcuts)
{
    shortcutTable = LoadAcceleratorsA(GetModuleHandleA(NULL), "ZorvikAccel");
    ASSERT_NE(shortcutTable, (HACCEL)NULL);
    RecordCommandsInstead();
    HWND help = Control(IDHELP);
    ASSERT_EQ(help, GetFocus());
    PostMessageA(help, WM_KEYDOWN, VK_HOME, 1);
    PostMessageA(help, WM_KEYDOWN, VK_TAB, 1);
    PumpPendingMessages(window);
    EXPECT_TRUE(commandsSeen.empty());
    EXPECT_EQ(Control(IDCANCEL), GetFocus());
}

}  // namespace

namespace {

class Picture : public DialogTest {
protected:
    // Everything repaints, the dialog and all its controls, as a freshly shown window would.
    void RedrawEverything(void)
    {
        RedrawWindow(window, NULL, NULL,
                     RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        PumpPendingMessages(window);
    }
};

// A step redraws only what it changed; the window must look exactly as if it had been
// redrawn in full.
TEST_F(Picture, RefreshViewLeavesTheFullyRedrawnPicture)
{
    const ViewState steps[] = {
        {3, 2024, 2, 2024, 14, 0},  {2, 2024, 2, 2024, 14, 0},  {2, 2024, 2, 2024, 14, 1},
        {2, 2024, 2, 2024, 14, 0},  {8, 2020, 2, 2024, 14, 0},  {12, 2099, 2, 2024, 14, 0},
        {1, 1900, 2, 2024, 14, 0},  {8, 1999, 2, 2024, 14, 0},
    };
    viewState = ViewState{2, 2024, 2, 2024, 14, 0};
    RefreshView(window);
    RedrawEverything();
    Pixels previous = CaptureClient(window);
    ASSERT_FALSE(previous.rgb.empty());
    ASSERT_NE(std::count(previous.rgb.begin(), previous.rgb.end(), previous.rgb[0]),
              (long)previous.rgb.size());

    for (const ViewState &step : steps) {
        SCOPED_TRACE(testing::Message() << step.shownMonth << "/" << step.shownYear << " hide "
                                        << step.hideTodayMark);
        viewState = step;
        RefreshView(window);
        PumpPendingMessages(window);
        Pixels stepped = CaptureClient(window);
        RedrawEverything();
        Pixels full = CaptureClient(window);
        EXPECT_TRUE(stepped != previous) << "the step changed nothing on the screen";
        EXPECT_TRUE(stepped == full) << "the step left a picture unlike a full redraw";
        previous = full;
    }
}

// Activation writes today's month into the visible window; it must look as a full redraw does.
TEST_F(Picture, ActivationLeavesTheFullyRedrawnPicture)
{
    viewState = ViewState{8, 1999, 2, 2024, 14, 0};
    RefreshView(window);
    RedrawEverything();
    Pixels stepped = CaptureClient(window);
    for (WPARAM state : {WA_INACTIVE, WA_ACTIVE}) {
        SCOPED_TRACE(state);
        CalendarDlgProc(window, WM_ACTIVATE, state, 0);
        PumpPendingMessages(window);
        Pixels activated = CaptureClient(window);
        RedrawEverything();
        Pixels full = CaptureClient(window);
        EXPECT_TRUE(activated != stepped) << "activation changed nothing on the screen";
        EXPECT_TRUE(activated == full) << "activation left a picture unlike a full redraw";
    }
}

}  // namespace
