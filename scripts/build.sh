#!/usr/bin/env bash
# Configures and builds Zorvik. Usage: scripts/build.sh [native|windows|all]
# Build folders under $ZORVIK_BUILD (default ./build):
#   native/        the calendar arithmetic, its tests and benchmark, for this machine
#   windows/       the Windows build whose tests run here under Wine (see scripts/windows-arch.sh)
#   windows-i686/  the 32-bit program as shipped, built too where windows/ had to be 64-bit
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${ZORVIK_BUILD:-$top/build}
which=${1:-all}

configure() {  # folder, extra cmake arguments...
  local dir=$1; shift
  local want="$*"
  # A folder configured for another architecture is started afresh.
  if [ -f "$dir/build.ninja" ] && [ "$(cat "$dir/.zorvik-config" 2>/dev/null)" != "$want" ]; then
    rm -rf "$dir"
  fi
  if [ ! -f "$dir/build.ninja" ]; then
    cmake -S "$top" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
    echo "$want" > "$dir/.zorvik-config"
  fi
}

if [ "$which" = native ] || [ "$which" = all ]; then
  configure "$build/native"
  cmake --build "$build/native"
fi
if [ "$which" = windows ] || [ "$which" = all ]; then
  arch=$("$top/scripts/windows-arch.sh")
  configure "$build/windows" -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw.cmake" -DZORVIK_WINDOWS_ARCH="$arch"
  cmake --build "$build/windows"
  if [ "$arch" != i686 ]; then
    configure "$build/windows-i686" -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw.cmake" -DZORVIK_WINDOWS_ARCH=i686
    cmake --build "$build/windows-i686"
  fi
fi
