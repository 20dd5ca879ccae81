// Starting a program as a user would and finding its window, for the tests and benchmarks that
// run the real executable.
#ifndef ZORVIK_TESTS_SUPPORT_PROGRAM_WINDOW_H
#define ZORVIK_TESTS_SUPPORT_PROGRAM_WINDOW_H

#include <windows.h>
#include <string>

// The path as Windows sees it: a Unix path, as the build gives it, through Wine's root drive.
std::string WindowsPath(const char *path);

// Starts the program with the given arguments (or none) in the given current folder (NULL:
// this one). FALSE if it could not be started; GetLastError tells why.
BOOL StartProgram(const std::string &path, const char *arguments, const char *currentFolder,
                  PROCESS_INFORMATION *process);

// Ends the program if it is still running and closes its handles; for a test's clean-up.
void EndProgram(PROCESS_INFORMATION *process);

// A visible top-level window of the given class that belongs to the process, or NULL.
HWND FindProgramWindow(DWORD processId, const char *className);

// Looks for that window every pollMs until it appears or waitLimit ms have passed.
HWND WaitForProgramWindow(DWORD processId, const char *className, DWORD waitLimit, DWORD pollMs);

#endif
