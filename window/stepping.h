// The four stepping commands, with press-and-hold repeat for the mouse.
#ifndef ZORVIK_WINDOW_STEPPING_H
#define ZORVIK_WINDOW_STEPPING_H

#include <windows.h>
#include <stdint.h>

struct RepeatState {
    int32_t repeatActive;
    int32_t releasePending;
    int32_t repeatCount;
};

extern RepeatState repeatState;
// Raised by the message loop while the shortcut table translates a message.
extern int32_t shortcutMark;

// The pause between repeated steps; Sleep in the program, replaceable in tests.
typedef void (*RepeatPause)(DWORD milliseconds);
extern RepeatPause repeatPause;

INT_PTR HandleStepCommand(HWND window, int32_t command, int32_t notifyCode);

#endif
