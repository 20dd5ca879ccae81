// Holds the clipboard open for the copy tests, as another program would: opens it, signals
// the first event, and closes it when the second is set (or after a bound, should the test die).
#include <windows.h>

int main(int argc, char **argv)
{
    if (argc != 3)
        return 2;
    HANDLE ready = OpenEventA(EVENT_MODIFY_STATE, FALSE, argv[1]);
    HANDLE release = OpenEventA(SYNCHRONIZE, FALSE, argv[2]);
    if (!ready || !release)
        return 3;
    if (!OpenClipboard(NULL))
        return 4;
    SetEvent(ready);
    DWORD waited = WaitForSingleObject(release, 60000);
    CloseClipboard();
    return waited == WAIT_OBJECT_0 ? 0 : 5;
}
