#!/usr/bin/env bash
# Installs what is missing, builds both configurations and runs every test:
# the native tests, then the Windows tests under Wine on a virtual display.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${ZORVIK_BUILD:-$top/build}

"$top/scripts/setup.sh"
"$top/scripts/build.sh" all

status=0
echo "== native tests"
ctest --test-dir "$build/native" --output-on-failure -j2 || status=1

echo "== Windows tests under Wine"
# Always a virtual display: the tests move the mouse and take the focus. One display for the whole
# run, and one test at a time, since the GUI tests share focus and clipboard.
env -u DISPLAY xvfb-run -a -s "-screen 0 1280x1024x24" \
  ctest --test-dir "$build/windows" --output-on-failure -j1 || status=1
WINEPREFIX="$build/windows/wineprefix" wineserver -k 2>/dev/null || true

exit $status
