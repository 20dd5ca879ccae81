// Process-wide handles of the start-up, and the message loop.
#ifndef ZORVIK_WINDOW_STARTUP_H
#define ZORVIK_WINDOW_STARTUP_H

#include <windows.h>
#include <stdint.h>

extern HWND mainWindow;
extern HACCEL shortcutTable;
extern HICON windowIcon;

// Runs the program: loads the icon, creates the window, loads the shortcut table, shows the
// window and runs the message loop. Returns the process exit code.
int RunZorvik(HINSTANCE instance, int showCommand);
int RunMessageLoop(void);
// Offers one message to the shortcut table with shortcutMark raised; 1 when it was translated.
int32_t TranslateShortcut(MSG *message);

#endif
