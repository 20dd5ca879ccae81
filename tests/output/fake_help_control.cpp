// A stand-in for the HTML Help control library. It logs its own loading, with its path, and
// every call of its entry, with the arguments.
#include "tests/output/help_log.h"

// What the entry returns, so that the caller's passing it on can be seen.
enum { FakeHelpResult = 0x2A17 };

extern "C" DWORD_PTR WINAPI FakeHtmlHelp(HWND window, const char *file, UINT command, DWORD_PTR data)
{
    AppendToHelpLog("call window=%p file=%s command=%u data=%llu", (void *)window,
                    file ? file : "(null)", command, (unsigned long long)data);
    return FakeHelpResult;
}

extern "C" void FakeUnrelated(void)
{
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
        char path[MAX_PATH] = "";
        GetModuleFileNameA(instance, path, sizeof path);
        AppendToHelpLog("load %s", path);
    }
    return TRUE;
}
