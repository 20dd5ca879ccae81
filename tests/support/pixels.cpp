#include "tests/support/pixels.h"

#include <gtest/gtest.h>

Pixels Pixels::Strip(int stripWidth) const
{
    Pixels strip;
    strip.width = stripWidth;
    strip.height = height;
    for (int y = 0; y < height; y++)
        for (int x = 0; x < stripWidth; x++)
            strip.rgb.push_back(At(x, y));
    return strip;
}

uint32_t RgbOf(COLORREF colour)
{
    return (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
}

Pixels ReadBitmap(HBITMAP bitmap, int width, int height)
{
    Pixels pixels;
    pixels.width = width;
    pixels.height = height;
    pixels.rgb.assign((size_t)width * height, 0);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    HDC screen = GetDC(NULL);
    int lines = GetDIBits(screen, bitmap, 0, height, pixels.rgb.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(NULL, screen);
    EXPECT_EQ(lines, height);
    for (uint32_t &pixel : pixels.rgb)
        pixel &= 0xFFFFFF;
    return pixels;
}

Pixels CaptureClient(HWND window)
{
    RECT client;
    GetClientRect(window, &client);
    HDC windowDc = GetDC(window);
    HDC memoryDc = CreateCompatibleDC(windowDc);
    HBITMAP bitmap = CreateCompatibleBitmap(windowDc, client.right, client.bottom);
    HGDIOBJ kept = SelectObject(memoryDc, bitmap);
    BitBlt(memoryDc, 0, 0, client.right, client.bottom, windowDc, 0, 0, SRCCOPY);
    SelectObject(memoryDc, kept);
    DeleteDC(memoryDc);
    ReleaseDC(window, windowDc);
    Pixels pixels = ReadBitmap(bitmap, client.right, client.bottom);
    DeleteObject(bitmap);
    return pixels;
}
