// The program's entry: the show command from the start-up information, then the program.
#include <windows.h>
#include "output/library_safety.h"
#include "window/startup.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    // Before anything else can load a library: libraries only from the system directory,
    // and the help file's bare name found beside the executable.
    RestrictLibrarySearch();
    EnterProgramFolder();
    STARTUPINFOA startup;
    GetStartupInfoA(&startup);
    int showCommand = SW_SHOWDEFAULT;
    if (startup.dwFlags & STARTF_USESHOWWINDOW)
        showCommand = startup.wShowWindow;
    return RunZorvik(GetModuleHandleA(NULL), showCommand);
}
