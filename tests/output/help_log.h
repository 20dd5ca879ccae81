// The log that the help tests' programs and the fake help control library append to: one line
// per event, in the file named by ZORVIK_HELP_LOG.
#ifndef ZORVIK_TESTS_OUTPUT_HELP_LOG_H
#define ZORVIK_TESTS_OUTPUT_HELP_LOG_H

#include <windows.h>
#include <stdarg.h>
#include <stdio.h>
#include <string.h>

inline void AppendToHelpLog(const char *format, ...)
{
    char line[1024];
    va_list arguments;
    va_start(arguments, format);
    vsnprintf(line, sizeof line - 1, format, arguments);
    va_end(arguments);
    strcat(line, "\n");

    char logPath[MAX_PATH];
    DWORD length = GetEnvironmentVariableA("ZORVIK_HELP_LOG", logPath, sizeof logPath);
    if (length == 0 || length >= sizeof logPath)
        return;
    HANDLE file = CreateFileA(logPath, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return;
    DWORD written;
    WriteFile(file, line, (DWORD)strlen(line), &written, NULL);
    CloseHandle(file);
}

#endif
