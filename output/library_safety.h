// Start-up steps that keep the process from loading libraries out of folders that others
// may write to, and let bare file names resolve beside the executable.
#ifndef ZORVIK_OUTPUT_LIBRARY_SAFETY_H
#define ZORVIK_OUTPUT_LIBRARY_SAFETY_H

#include <stdint.h>

// Restricts the library search of the whole process to the system directory, where the
// platform offers it. Returns 1 when the restriction is in force.
int32_t RestrictLibrarySearch(void);
// Makes the executable's folder the current folder. Returns 1 on success.
int32_t EnterProgramFolder(void);

#endif
