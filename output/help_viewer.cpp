// Help goes through the HTML Help control library, loaded on the first request and kept. A
// failure is remembered, so a system without the library stays quiet and never retries.
#include "output/help_viewer.h"

#include <stdio.h>

HMODULE helpLibrary;
HtmlHelpEntry helpEntry;
int32_t helpLoadFailed;

enum { HtmlHelpOrdinal = 14 };

static const char helpControlKey[] =
    "CLSID\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32";

int32_t FindHelpControlPath(char path[HelpPathSize])
{
    HKEY key;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, helpControlKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return 0;
    DWORD size = HelpPathSize;
    LONG result = RegQueryValueExA(key, "", NULL, NULL, (BYTE *)path, &size);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS || size == 0)
        return 0;
    // The registry hands back the bytes as stored, with or without a terminating zero. A value
    // that fills the whole buffer without one has no end that we could trust.
    if (size < HelpPathSize)
        path[size] = '\0';
    else if (path[HelpPathSize - 1] != '\0')
        return 0;
    return path[0] != '\0';
}

// The system's own copy, by its full path: a bare name would be searched for in the program's
// folder and the current folder first, where anyone could have left a file of that name.
static HMODULE LoadSystemHelpControl(void)
{
    char path[HelpPathSize];
    UINT length = GetSystemDirectoryA(path, sizeof path);
    if (length == 0 || length >= sizeof path)
        return NULL;
    int written = snprintf(path + length, sizeof path - length, "\\hhctrl.ocx");
    if (written < 0 || (size_t)written >= sizeof path - length)
        return NULL;
    return LoadLibraryA(path);
}

static HMODULE LoadHelpControl(void)
{
    char path[HelpPathSize];
    HMODULE library = NULL;
    if (FindHelpControlPath(path))
        library = LoadLibraryA(path);
    if (!library)
        library = LoadSystemHelpControl();
    return library;
}

DWORD_PTR ShowHelpFile(HWND window, const char *file, UINT command, DWORD_PTR data)
{
    if (helpLoadFailed)
        return 0;
    if (!helpLibrary) {
        helpLibrary = LoadHelpControl();
        if (!helpLibrary) {
            helpLoadFailed = 1;
            return 0;
        }
    }
    if (!helpEntry) {
        FARPROC entry = GetProcAddress(helpLibrary, MAKEINTRESOURCEA(HtmlHelpOrdinal));
        if (!entry) {
            helpLoadFailed = 1;
            return 0;
        }
        helpEntry = (HtmlHelpEntry)(void (*)(void))entry;
    }
    return helpEntry(window, file, command, data);
}
