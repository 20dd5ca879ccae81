// Reading what a window shows as pixels, independently of the program's own drawing and copying.
#ifndef ZORVIK_TESTS_SUPPORT_PIXELS_H
#define ZORVIK_TESTS_SUPPORT_PIXELS_H

#include <windows.h>
#include <stdint.h>
#include <vector>

// Pixels as 0x00RRGGBB, top row first.
struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> rgb;

    uint32_t At(int x, int y) const { return rgb[(size_t)y * width + x] & 0xFFFFFF; }

    // The left `stripWidth` columns, to compare a picture with the window it came from.
    Pixels Strip(int stripWidth) const;

    bool operator==(const Pixels &other) const
    {
        return width == other.width && height == other.height && rgb == other.rgb;
    }
};

uint32_t RgbOf(COLORREF colour);

// The bitmap's pixels; a test failure if not all its lines could be read.
Pixels ReadBitmap(HBITMAP bitmap, int width, int height);

// The window's client area as displayed, child controls included: read the way the program's
// copy reads it (a compatible bitmap, then its bits), but independently of that code.
Pixels CaptureClient(HWND window);

#endif
