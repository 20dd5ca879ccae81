// One help request scenario per process, since the help state is final for a process's life.
// The help tests run this program once per case and read what it and the fake library log.
//   help_case <case> [argument]
#include "tests/output/help_log.h"

#include "output/help_viewer.h"
#include "output/library_safety.h"
#include "resources/resource.h"
#include "window/calendar_dialog.h"
#include "window/startup.h"

// A command that shows nothing, for the cases that reach the system's own library.
enum { HelpCloseAll = 0x12 };

static const char helpControlKey[] =
    "CLSID\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32";

static HWND CreateMainWindow(void)
{
    HINSTANCE instance = GetModuleHandleA(NULL);
    windowIcon = LoadIconA(instance, "ZorvikIcon");
    mainWindow = CreateDialogParamA(instance, "ZorvikBox", NULL, CalendarDlgProc, 0);
    AppendToHelpLog("window=%p", (void *)mainWindow);
    return mainWindow;
}

static void LogLibrary(HMODULE library)
{
    char path[MAX_PATH] = "";
    if (library)
        GetModuleFileNameA(library, path, sizeof path);
    AppendToHelpLog("library %s", path);
}

static void LogRequest(DWORD_PTR result)
{
    AppendToHelpLog("result %llu failed %d", (unsigned long long)result, (int)helpLoadFailed);
}

static void SetRegisteredPath(const char *path)
{
    HKEY key;
    if (RegCreateKeyExA(HKEY_CLASSES_ROOT, helpControlKey, 0, NULL, 0, KEY_SET_VALUE, NULL, &key,
                        NULL) != ERROR_SUCCESS)
        return;
    RegSetValueExA(key, "", 0, REG_SZ, (const BYTE *)path, (DWORD)strlen(path) + 1);
    RegCloseKey(key);
}

// Two requests; the registration is gone before the second.
static int RegisteredLibrary(void)
{
    HWND window = CreateMainWindow();
    LogRequest(ShowHelpFile(window, "zorvik.chm", 0, 0));
    RegDeleteKeyA(HKEY_CLASSES_ROOT, helpControlKey);
    LogRequest(ShowHelpFile(window, "zorvik.chm", 0, 0));
    LogLibrary(helpLibrary);
    return 0;
}

static int FallbackLibrary(void)
{
    HWND window = CreateMainWindow();
    LogRequest(ShowHelpFile(window, "zorvik.chm", HelpCloseAll, 0));
    LogLibrary(helpLibrary);
    return 0;
}

// Two requests; before the second, a usable library is registered, which must not be tried.
static int LibraryWithoutEntry(const char *usableLibrary)
{
    HWND window = CreateMainWindow();
    LogRequest(ShowHelpFile(window, "zorvik.chm", 0, 0));
    SetRegisteredPath(usableLibrary);
    LogRequest(ShowHelpFile(window, "zorvik.chm", 0, 0));
    LogLibrary(helpLibrary);
    return 0;
}

// The Help button, then F1 through the program's message loop.
static int ButtonAndKey(void)
{
    HWND window = CreateMainWindow();
    shortcutTable = LoadAcceleratorsA(GetModuleHandleA(NULL), "ZorvikAccel");
    AppendToHelpLog("help button");
    SendMessageA(GetDlgItem(window, IDHELP), BM_CLICK, 0, 0);
    AppendToHelpLog("f1 key");
    PostMessageA(window, WM_KEYDOWN, VK_F1, 0x003B0001);
    PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
    int exitCode = RunMessageLoop();
    AppendToHelpLog("loop ended %d", exitCode);
    return 0;
}

// As the program starts, then a help request.
static int HardenedRequest(void)
{
    AppendToHelpLog("restricted %d", (int)RestrictLibrarySearch());
    AppendToHelpLog("folder %d", (int)EnterProgramFolder());
    HWND window = CreateMainWindow();
    LogRequest(ShowHelpFile(window, "zorvik.chm", HelpCloseAll, 0));
    LogLibrary(helpLibrary);
    return 0;
}

// The library by its bare name, with or without the search restricted.
static int BareName(int restricted)
{
    if (restricted)
        AppendToHelpLog("restricted %d", (int)RestrictLibrarySearch());
    LogLibrary(LoadLibraryA("hhctrl.ocx"));
    return 0;
}

int main(int argc, char **argv)
{
    if (argc < 2)
        return 2;
    const char *name = argv[1];
    if (strcmp(name, "registered") == 0)
        return RegisteredLibrary();
    if (strcmp(name, "fallback") == 0)
        return FallbackLibrary();
    if (strcmp(name, "no-entry") == 0 && argc == 3)
        return LibraryWithoutEntry(argv[2]);
    if (strcmp(name, "button-and-key") == 0)
        return ButtonAndKey();
    if (strcmp(name, "hardened") == 0)
        return HardenedRequest();
    if (strcmp(name, "bare") == 0)
        return BareName(0);
    if (strcmp(name, "restricted-bare") == 0)
        return BareName(1);
    return 2;
}
