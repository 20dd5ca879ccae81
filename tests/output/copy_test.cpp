// Copy on the real dialog: the picture on the clipboard, today's mark left out of it and put
// back, a clipboard held by another program, and messages that the copy's pump meets.
#include <gtest/gtest.h>
#include <windows.h>
#include <stdint.h>
#include <string>
#include <vector>
#include "output/clipboard_copy.h"
#include "tests/support/pixels.h"
#include "tests/window/dialog_fixture.h"

namespace {

const DWORD WaitLimit = 30000;

bool HasColourIn(const Pixels &pixels, const RECT &area, uint32_t rgb)
{
    for (int y = area.top; y < area.bottom && y < pixels.height; y++)
        for (int x = area.left; x < area.right && x < pixels.width; x++)
            if (pixels.At(x, y) == rgb)
                return true;
    return false;
}

struct ClipboardPicture {
    bool present = false;
    BITMAP header = {};
    Pixels pixels;
};

class CopyTest : public DialogTest {
protected:
    uint32_t highlight = RgbOf(GetSysColor(COLOR_HIGHLIGHT));

    // The window active and fully painted, with nothing left in the queue: a later activation
    // would bring the view back to today's month in the middle of a test.
    void Settle(void)
    {
        SetForegroundWindow(window);
        for (DWORD waited = 0; GetActiveWindow() != window && waited < WaitLimit; waited += 10) {
            PumpPendingMessages(window);
            Sleep(10);
        }
        ASSERT_EQ(GetActiveWindow(), window);
        PumpPendingMessages(window);
        Repaint();
    }

    void Repaint(void)
    {
        RedrawWindow(window, NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    }

    void ShowMonth(int32_t month, int32_t year)
    {
        viewState.shownMonth = month;
        viewState.shownYear = year;
        RefreshView(window);
        Repaint();
    }

    RECT ClientRectOf(int id) const
    {
        RECT area;
        GetWindowRect(Control(id), &area);
        MapWindowPoints(NULL, window, (POINT *)&area, 2);
        return area;
    }

    int ClientWidth(void) const
    {
        RECT client;
        GetClientRect(window, &client);
        return client.right;
    }

    int ClientHeight(void) const
    {
        RECT client;
        GetClientRect(window, &client);
        return client.bottom;
    }

    ClipboardPicture Picture(void) const
    {
        ClipboardPicture picture;
        if (!OpenClipboard(window))
            return picture;
        HBITMAP bitmap = (HBITMAP)GetClipboardData(CF_BITMAP);
        if (bitmap && GetObjectA(bitmap, sizeof picture.header, &picture.header)) {
            picture.present = true;
            picture.pixels = ReadBitmap(bitmap, picture.header.bmWidth, picture.header.bmHeight);
        }
        CloseClipboard();
        return picture;
    }

    void PutTextOnClipboard(const char *text) const
    {
        ASSERT_TRUE(OpenClipboard(window));
        EmptyClipboard();
        size_t size = strlen(text) + 1;
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
        memcpy(GlobalLock(memory), text, size);
        GlobalUnlock(memory);
        EXPECT_NE(SetClipboardData(CF_TEXT, memory), (HANDLE)NULL);
        CloseClipboard();
    }

    std::string TextOnClipboard(void) const
    {
        std::string text = "(no text)";
        if (!OpenClipboard(window))
            return "(clipboard not open)";
        HANDLE memory = GetClipboardData(CF_TEXT);
        if (memory) {
            text = (const char *)GlobalLock(memory);
            GlobalUnlock(memory);
        }
        CloseClipboard();
        return text;
    }

    // True when some day cell of the picture shows the highlight.
    bool PictureShowsAMark(const Pixels &pixels) const
    {
        for (int id = IDC_CELL_FIRST; id <= IDC_CELL_LAST; id++)
            if (HasColourIn(pixels, ClientRectOf(id), highlight))
                return true;
        return false;
    }

    int TodaysCell(void) const
    {
        std::vector<int> cells = SelectedCells();
        return cells.size() == 1 ? cells[0] : 0;
    }

    static BOOL CALLBACK CountVisible(HWND window, LPARAM lParam)
    {
        if (IsWindowVisible(window))
            ++*(int *)lParam;
        return TRUE;
    }

    static int VisibleWindowsOfThisThread(void)
    {
        int count = 0;
        EnumThreadWindows(GetCurrentThreadId(), CountVisible, (LPARAM)&count);
        return count;
    }

    static bool TakeQuit(WPARAM *exitCode)
    {
        MSG message;
        if (!PeekMessageA(&message, NULL, WM_QUIT, WM_QUIT, PM_REMOVE))
            return false;
        *exitCode = message.wParam;
        return true;
    }
};

TEST(CaptureWidth, IsTheLeft822PerMilleTruncated)
{
    struct Row {
        int32_t clientWidth;
        int32_t captureWidth;
    };
    const Row rows[] = {{443, 364}, {1000, 822}, {1001, 822}, {1, 0}, {0, 0}, {2, 1}, {592, 486}};
    for (const Row &row : rows)
        EXPECT_EQ(CaptureWidth(row.clientWidth), row.captureWidth) << row.clientWidth;
}

TEST_F(CopyTest, PutsTheCalendarWithoutTodaysMarkOnTheClipboardAndPutsTheMarkBack)
{
    Settle();
    int today = TodaysCell();
    ASSERT_NE(today, 0) << "today's month is shown with one marked cell";
    RECT todayBox = ClientRectOf(today);
    Pixels before = CaptureClient(window);
    ASSERT_TRUE(HasColourIn(before, todayBox, highlight)) << "the window shows the mark";
    PutTextOnClipboard("before");

    HandleCopyCommand(window);

    ClipboardPicture picture = Picture();
    ASSERT_TRUE(picture.present);
    EXPECT_EQ(picture.header.bmWidth, CaptureWidth(ClientWidth()));
    EXPECT_EQ(picture.header.bmHeight, ClientHeight());
    EXPECT_GT(picture.header.bmBitsPixel, 1) << "in the screen's colours, not monochrome";
    EXPECT_EQ(TextOnClipboard(), "(no text)") << "the bitmap is the only thing offered";
    EXPECT_FALSE(PictureShowsAMark(picture.pixels));
    // Apart from today's box, the picture is the window as it was.
    Pixels strip = before.Strip(picture.header.bmWidth);
    int differing = 0;
    for (int y = 0; y < strip.height; y++)
        for (int x = 0; x < strip.width; x++) {
            POINT point = {x, y};
            if (!PtInRect(&todayBox, point) && strip.At(x, y) != picture.pixels.At(x, y))
                differing++;
        }
    EXPECT_EQ(differing, 0);

    EXPECT_EQ(viewState.hideTodayMark, 0);
    EXPECT_EQ(SelectedCells(), std::vector<int>{today});
    EXPECT_EQ(Selection(today), (std::pair<DWORD, DWORD>{0, 2}));
    PumpPendingMessages(window);
    Repaint();
    EXPECT_TRUE(HasColourIn(CaptureClient(window), todayBox, highlight));
}

TEST_F(CopyTest, AnotherMonthHasNoMarkBeforeDuringOrAfter)
{
    Settle();
    ShowMonth(viewState.currentMonth, viewState.currentYear == 2099 ? 2098 : viewState.currentYear + 1);
    EXPECT_TRUE(SelectedCells().empty());
    Pixels before = CaptureClient(window);

    HandleCopyCommand(window);

    ClipboardPicture picture = Picture();
    ASSERT_TRUE(picture.present);
    EXPECT_FALSE(PictureShowsAMark(picture.pixels));
    EXPECT_TRUE(picture.pixels == before.Strip(CaptureWidth(ClientWidth())));
    EXPECT_TRUE(SelectedCells().empty());
    EXPECT_EQ(viewState.shownYear, viewState.currentYear == 2099 ? 2098 : viewState.currentYear + 1);
}

TEST_F(CopyTest, TwoCopiesInARowLeaveTheSecondPicture)
{
    Settle();
    ShowMonth(8, 1999);
    Pixels first = CaptureClient(window);
    HandleCopyCommand(window);
    ShowMonth(4, 2019);
    Pixels second = CaptureClient(window);
    HandleCopyCommand(window);

    int width = CaptureWidth(ClientWidth());
    ASSERT_FALSE(first.Strip(width) == second.Strip(width)) << "the two months look different";
    ClipboardPicture picture = Picture();
    ASSERT_TRUE(picture.present);
    EXPECT_TRUE(picture.pixels == second.Strip(width));
}

TEST_F(CopyTest, MonthChangeWaitingInTheQueueShowsInThePictureAndStays)
{
    Settle();
    int32_t month = viewState.shownMonth;
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDC_MONTH_UP, BN_CLICKED), 0);

    HandleCopyCommand(window);

    EXPECT_EQ(viewState.shownMonth, month == 12 ? 1 : month + 1);
    EXPECT_TRUE(SelectedCells().empty());
    Repaint();
    ClipboardPicture picture = Picture();
    ASSERT_TRUE(picture.present);
    EXPECT_TRUE(picture.pixels == CaptureClient(window).Strip(CaptureWidth(ClientWidth())));
}

TEST_F(CopyTest, ClipboardHeldByAnotherProgramIsLeftAsItWas)
{
    Settle();
    int today = TodaysCell();
    ASSERT_NE(today, 0);
    PutTextOnClipboard("before");
    int visibleBefore = VisibleWindowsOfThisThread();

    std::string id = std::to_string(GetCurrentProcessId());
    std::string readyName = "zorvik-clipboard-ready-" + id;
    std::string releaseName = "zorvik-clipboard-release-" + id;
    HANDLE ready = CreateEventA(NULL, TRUE, FALSE, readyName.c_str());
    HANDLE release = CreateEventA(NULL, TRUE, FALSE, releaseName.c_str());
    char own[MAX_PATH] = "";
    GetModuleFileNameA(NULL, own, sizeof own);
    std::string holder = std::string(own).substr(0, std::string(own).find_last_of('\\')) +
                         "\\clipboard_holder.exe";
    std::string commandLine = "\"" + holder + "\" " + readyName + " " + releaseName;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    ASSERT_TRUE(CreateProcessA(holder.c_str(), &commandLine[0], NULL, NULL, FALSE, 0, NULL, NULL,
                               &startup, &process)) << holder;
    ASSERT_EQ(WaitForSingleObject(ready, WaitLimit), WAIT_OBJECT_0);
    DWORD sequence = GetClipboardSequenceNumber();

    HandleCopyCommand(window);

    EXPECT_EQ(GetClipboardSequenceNumber(), sequence);
    EXPECT_EQ(VisibleWindowsOfThisThread(), visibleBefore) << "nothing is shown";
    EXPECT_EQ(viewState.hideTodayMark, 0);
    EXPECT_EQ(SelectedCells(), std::vector<int>{today});
    SetEvent(release);
    EXPECT_EQ(WaitForSingleObject(process.hProcess, WaitLimit), WAIT_OBJECT_0);
    DWORD holderExit = 99;
    GetExitCodeProcess(process.hProcess, &holderExit);
    EXPECT_EQ(holderExit, 0u);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    CloseHandle(ready);
    CloseHandle(release);

    EXPECT_EQ(TextOnClipboard(), "before");
    EXPECT_FALSE(Picture().present);
}

// A quit that the copy's pump meets, whether already waiting or posted by a Close handled in
// the pump, is still there for the message loop afterwards; the picture has no mark either way.
TEST_F(CopyTest, QuitMetDuringTheCopyReachesTheMessageLoop)
{
    struct Row {
        const char *name;
        bool closeCommand;  // else a quit request waiting before the copy
        WPARAM exitCode;
    };
    const Row rows[] = {{"quit waiting", false, 7}, {"Close in the queue", true, 0}};
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        Settle();
        int today = TodaysCell();
        ASSERT_NE(today, 0);
        ASSERT_TRUE(HasColourIn(CaptureClient(window), ClientRectOf(today), highlight));
        if (row.closeCommand)
            PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
        else
            PostQuitMessage((int)row.exitCode);
        PutTextOnClipboard("before");

        HandleCopyCommand(window);

        WPARAM exitCode = 99;
        EXPECT_TRUE(TakeQuit(&exitCode));
        EXPECT_EQ(exitCode, row.exitCode);
        ClipboardPicture picture = Picture();
        ASSERT_TRUE(picture.present);
        EXPECT_FALSE(PictureShowsAMark(picture.pixels));
        EXPECT_NE(TodaysCell(), 0);
    }
}

// A Copy that the pump of a running copy dispatches is refused: it would put the mark back
// before the first capture. A copy changes the clipboard's sequence number by a fixed amount.
TEST_F(CopyTest, CopyNestedInACopyIsRefused)
{
    Settle();
    int today = TodaysCell();
    ASSERT_NE(today, 0);
    DWORD start = GetClipboardSequenceNumber();
    HandleCopyCommand(window);
    DWORD oneCopy = GetClipboardSequenceNumber() - start;
    ASSERT_GT(oneCopy, 0u);

    PostMessageA(window, WM_COMMAND, IDC_COPY, 0);
    start = GetClipboardSequenceNumber();
    HandleCopyCommand(window);
    EXPECT_EQ(GetClipboardSequenceNumber() - start, oneCopy);
    ClipboardPicture picture = Picture();
    ASSERT_TRUE(picture.present);
    EXPECT_FALSE(PictureShowsAMark(picture.pixels));
    EXPECT_EQ(SelectedCells(), std::vector<int>{today});

    // The refusal lasts only while a copy runs.
    start = GetClipboardSequenceNumber();
    HandleCopyCommand(window);
    EXPECT_EQ(GetClipboardSequenceNumber() - start, oneCopy);
}

}  // namespace
