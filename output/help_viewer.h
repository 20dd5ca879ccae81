// Opening the help file through the HTML Help control library, loaded on first need.
#ifndef ZORVIK_OUTPUT_HELP_VIEWER_H
#define ZORVIK_OUTPUT_HELP_VIEWER_H

#include <windows.h>
#include <stdint.h>

enum { HelpPathSize = 260 };

typedef DWORD_PTR (WINAPI *HtmlHelpEntry)(HWND window, const char *file, UINT command, DWORD_PTR data);

extern HMODULE helpLibrary;
extern HtmlHelpEntry helpEntry;
extern int32_t helpLoadFailed;

DWORD_PTR ShowHelpFile(HWND window, const char *file, UINT command, DWORD_PTR data);
int32_t FindHelpControlPath(char path[HelpPathSize]);

#endif
