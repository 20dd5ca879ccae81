#!/usr/bin/env bash
# Press and hold of Month Up on the real zorvik.exe with the real mouse of the virtual display
# and the real clock: press, watch the month label step, release in the pause after step 3 (or
# after the first step the watcher sees a pause after), and expect the view that many months on,
# the focus on Today, no change afterwards, and exit code 0.
# Usage: stepping_end_to_end.sh WINE-RUN ZORVIK-EXE STEP-WATCH-EXE
set -euo pipefail
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi
run=$1 exe=$2 watch=$3
steps=3

fail() { echo "FAIL: $*" >&2; exit 1; }

# Month label "March  2024" as a count of months.
monthIndex() {
  local names=(January February March April May June July August September October November December)
  local i
  for i in "${!names[@]}"; do
    if [ "${names[$i]}" = "$1" ]; then
      echo $(( $2 * 12 + i ))
      return
    fi
  done
  fail "unknown month label '$1 $2'"
}

"$run" "$exe" &
zorvik=$!
coproc WATCH { "$run" "$watch" watch 2>&1; }
watcher=$WATCH_PID
cleanup() {
  xdotool mouseup 1 2>/dev/null || true
  kill "$zorvik" "$watcher" 2>/dev/null || true
}
trap cleanup EXIT

# Reads the watcher's lines until one of the given kind arrives (bounded); sets kind, at, rest.
# Label and focus lines seen on the way are kept in shownLabel and focus.
shownLabel="" focus=""
nextLine() {  # kind seconds
  local deadline=$(( SECONDS + $2 )) line
  while [ $SECONDS -lt $deadline ]; do
    IFS= read -r -t $(( deadline - SECONDS + 1 )) -u "${WATCH[0]}" line || fail "no '$1' line from the watcher"
    line=${line%$'\r'}
    echo "watch: $line"
    read -r kind at rest <<<"$line"
    case $kind in
      label) shownLabel=$rest ;;
      focus) focus=$rest ;;
      error) fail "watcher: $line" ;;
    esac
    [ "$kind" = "$1" ] && return 0
  done
  fail "no '$1' line in $2 s"
}

nextLine button 60; read -r buttonX buttonY <<<"$rest"
nextLine grid 10; read -r gridX gridY <<<"$rest"

# Activation first, with a click on the grid: it brings the view to today's month, which must
# happen before the hold, not in the middle of it.
xdotool mousemove "$gridX" "$gridY" click 1
nextLine focus 10
while [ "$focus" -lt 1101 ]; do nextLine focus 10; done
start=$shownLabel
[ -n "$start" ] || fail "no month label"
startIndex=$(monthIndex $start)

xdotool mousemove "$buttonX" "$buttonY" mousedown 1
# Wait for step 3 on view, then for the pause after it.
while :; do
  nextLine label 20
  seen=$(( $(monthIndex $shownLabel) - startIndex ))
  [ "$seen" -ge 1 ] && [ "$seen" -le "$steps" ] || fail "label '$shownLabel' after press on '$start'"
  [ "$seen" -eq "$steps" ] && break
done
# Release in the first pause reported from step 3 on: the view must stay on the month then shown.
nextLine pause 5
steps=$(( $(monthIndex $shownLabel) - startIndex ))
xdotool mouseup 1

# The click takes back the step taken ahead of the release and moves the focus to Today.
while [ "$focus" != 1006 ]; do nextLine focus 10; done
final=$shownLabel
# Anything more that comes must not change the month: watch for a while, with a wide margin.
deadline=$(( SECONDS + 2 ))
while [ $SECONDS -lt $deadline ]; do
  if IFS= read -r -t 1 -u "${WATCH[0]}" line; then
    line=${line%$'\r'}
    echo "watch: $line"
    read -r kind at rest <<<"$line"
    if [ "$kind" = label ]; then final=$rest; fi
  fi
done
[ "$(( $(monthIndex $final) - startIndex ))" -eq "$steps" ] ||
  fail "after the release on step $steps the view is '$final', press was on '$start'"

"$run" "$watch" close || fail "could not ask zorvik to close"
trap - EXIT
status=0
wait "$zorvik" || status=$?
[ "$status" -eq 0 ] || fail "zorvik ended with $status"
echo "stepping end to end: press on '$start', released after step $steps, view '$final'"
