#!/usr/bin/env bash
# Configures and builds Zorvik: natively (calendar arithmetic, its tests and benchmark) and for
# 32-bit Windows (the program, its help file and the tests that run under Wine).
# Usage: scripts/build.sh [native|windows|all]   Build folders: $ZORVIK_BUILD (default ./build).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${ZORVIK_BUILD:-$top/build}
which=${1:-all}

configure() {  # folder, extra cmake arguments...
  local dir=$1; shift
  if [ ! -f "$dir/build.ninja" ]; then
    cmake -S "$top" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
  fi
}

if [ "$which" = native ] || [ "$which" = all ]; then
  configure "$build/native"
  cmake --build "$build/native"
fi
if [ "$which" = windows ] || [ "$which" = all ]; then
  configure "$build/windows" -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-i686.cmake"
  cmake --build "$build/windows"
fi
