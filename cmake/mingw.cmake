# Cross-compiling for Windows with Debian's mingw-w64 (posix thread model).
# ZORVIK_WINDOWS_ARCH: i686, the 32-bit program as shipped (the default), or x86_64, the build whose
# tests run under Wine on machines whose kernel does not run 32-bit code.
if(NOT ZORVIK_WINDOWS_ARCH)
  set(ZORVIK_WINDOWS_ARCH i686)
endif()
# try_compile projects read the toolchain again; hand them the architecture too.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES ZORVIK_WINDOWS_ARCH)
set(triplet ${ZORVIK_WINDOWS_ARCH}-w64-mingw32)

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${ZORVIK_WINDOWS_ARCH})

set(CMAKE_C_COMPILER ${triplet}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triplet}-g++-posix)
set(CMAKE_RC_COMPILER ${triplet}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${triplet})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# The executables must need nothing but the system DLLs: no libgcc, libstdc++ or winpthread DLL.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
