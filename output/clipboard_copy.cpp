// Copy puts the calendar part of the client area on the clipboard as a bitmap. Today's mark is
// taken off for the capture, so the picture of the current month looks like any other.
#include "output/clipboard_copy.h"

#include "window/month_view.h"

// Raised while a copy runs. A Copy dispatched by the copy's own pump would put the mark back
// before the first capture, so it is refused.
static int32_t copyRunning;

int32_t CaptureWidth(int32_t clientWidth)
{
    return (int32_t)(((int64_t)clientWidth * 822) / 1000);
}

void HandleCopyCommand(HWND window)
{
    if (copyRunning)
        return;
    copyRunning = 1;
    viewState.hideTodayMark = 1;
    RefreshView(window);
    // Let the controls repaint without the mark before anything is captured.
    PumpPendingMessages(window);
    // The pump stops at a quit request, which comes out of the queue before any repaint; the
    // repaint is forced so that the picture never shows the mark.
    RedrawWindow(window, NULL, NULL, RDW_UPDATENOW | RDW_ALLCHILDREN);
    CopyViewToClipboard(window);
    viewState.hideTodayMark = 0;
    RefreshView(window);
    copyRunning = 0;
}

// Once the clipboard has taken the bitmap it owns it; otherwise the caller still does.
static int32_t GiveBitmapToClipboard(HWND window, HBITMAP bitmap)
{
    if (!OpenClipboard(window))
        return 0;
    EmptyClipboard();
    int32_t taken = SetClipboardData(CF_BITMAP, bitmap) != NULL;
    CloseClipboard();
    return taken;
}

void CopyViewToClipboard(HWND window)
{
    RECT client;
    GetClientRect(window, &client);
    int32_t width = CaptureWidth(client.right - client.left);
    int32_t height = client.bottom - client.top;

    HDC windowDc = GetDC(window);
    if (!windowDc)
        return;
    HDC memoryDc = CreateCompatibleDC(windowDc);
    // Compatible with the window's DC, not the memory DC, whose initial bitmap is monochrome.
    HBITMAP bitmap = memoryDc ? CreateCompatibleBitmap(windowDc, width, height) : NULL;
    if (bitmap) {
        HGDIOBJ kept = SelectObject(memoryDc, bitmap);
        BitBlt(memoryDc, 0, 0, width, height, windowDc, 0, 0, SRCCOPY);
        SelectObject(memoryDc, kept);
    }
    if (memoryDc)
        DeleteDC(memoryDc);
    ReleaseDC(window, windowDc);

    if (bitmap && !GiveBitmapToClipboard(window, bitmap))
        DeleteObject(bitmap);
}
