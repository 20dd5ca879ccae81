#!/usr/bin/env bash
# Installs what is missing, builds Zorvik and starts it under Wine.
# With a display, the window opens there. Without one, the program runs on a virtual display: the
# script saves a screenshot of the window, closes the program with Alt+X and prints the screenshot's path.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${ZORVIK_BUILD:-$top/build}

"$top/scripts/setup.sh"
"$top/scripts/build.sh" windows >/dev/null

wine="$build/windows/wine-run.sh"
exe="$build/windows/zorvik.exe"

if [ -n "${DISPLAY:-}" ]; then
  exec "$wine" "$exe"
fi

shot="$build/zorvik-screenshot.png"
export shot wine exe build
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  set -euo pipefail
  "$wine" "$exe" &
  program=$!
  window=""
  for _ in $(seq 1 120); do
    window=$(xdotool search --onlyvisible --name "^Zorvik$" 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && break
    sleep 0.5
  done
  if [ -z "$window" ]; then
    echo "zorvik.exe did not open its window" >&2
    kill "$program" 2>/dev/null || true
    exit 1
  fi
  sleep 1   # let the controls finish painting before the picture is taken
  import -window "$window" "$shot"
  # Real key presses to the focused window: Wine ignores synthetic events sent to a window.
  xdotool windowfocus --sync "$window"
  xdotool key alt+x
  wait "$program"
  # Wine'"'"'s background processes go before the virtual display does.
  WINEPREFIX="$build/windows/wineprefix" wineserver -k 2>/dev/null || true
'
echo "Screenshot of the window: $shot"
