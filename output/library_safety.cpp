#include "output/library_safety.h"

#include <windows.h>
#include <string.h>

typedef BOOL (WINAPI *SetDefaultDllDirectoriesCall)(DWORD directoryFlags);

int32_t RestrictLibrarySearch(void)
{
    // Looked up at run time: systems before Windows 8 without update KB2533623 lack the call.
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    if (!kernel)
        return 0;
    FARPROC call = GetProcAddress(kernel, "SetDefaultDllDirectories");
    if (!call)
        return 0;
    SetDefaultDllDirectoriesCall setDirectories = (SetDefaultDllDirectoriesCall)(void (*)(void))call;
    return setDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32) != 0;
}

int32_t EnterProgramFolder(void)
{
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(NULL, path, sizeof path);
    if (length == 0 || length >= sizeof path)
        return 0;
    char *lastSeparator = strrchr(path, '\\');
    if (!lastSeparator)
        return 0;
    // Keep the separator of a drive's root ("C:\"), which the folder name needs.
    if (lastSeparator > path && lastSeparator[-1] == ':')
        lastSeparator[1] = '\0';
    else
        lastSeparator[0] = '\0';
    return SetCurrentDirectoryA(path) != 0;
}
