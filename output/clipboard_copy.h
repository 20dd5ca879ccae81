// Copying the calendar part of the window to the clipboard as a bitmap.
#ifndef ZORVIK_OUTPUT_CLIPBOARD_COPY_H
#define ZORVIK_OUTPUT_CLIPBOARD_COPY_H

#include <windows.h>
#include <stdint.h>

// The width of the captured strip: the calendar, without the button column.
int32_t CaptureWidth(int32_t clientWidth);

void HandleCopyCommand(HWND window);
void CopyViewToClipboard(HWND window);

#endif
