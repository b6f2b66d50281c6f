#!/usr/bin/env bash
# Pictures of the real program under Xvfb for docs/: the main window started on each market tab,
# and on stocks after the keyboard typed a ticket and the calculate button was clicked. Each run
# works on a copy of build/program, so the shipped settings stay as they are.
# usage: tools/docs/screenshots.sh [OUTDIR]     needs: apt-get install xvfb xdotool imagemagick
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
out="${1:-$root/docs}"
for t in Xvfb xdotool import; do
  command -v $t >/dev/null || { echo "missing $t: apt-get install xvfb xdotool imagemagick"; exit 2; }
done
export DISPLAY=:95
Xvfb "$DISPLAY" -screen 0 1024x768x24 >/dev/null 2>&1 &
xvfb=$!
work=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
sleep 1

# shoot NAME TAB-CODE [calculate]
shoot() {
  local dir="$work/$1"
  cp -r "$root/build/program" "$dir"
  printf %s "$2" >"$dir/type.txt"
  "$dir/Pelorix" &
  local pid=$!
  local wid
  wid=$(xdotool search --sync --onlyvisible --name '^Pelorix$' | head -1)
  sleep 1
  xdotool windowfocus --sync "$wid"
  if [ "${3:-}" = calculate ]; then
    # Enter walks capital → risk → entry → stop → target; each field entered with "0" is empty.
    xdotool key Return Return
    xdotool type --delay 30 100; xdotool key Return
    xdotool type --delay 30 95; xdotool key Return
    xdotool type --delay 30 115; xdotool key Return
    # The calculate button, by its place in the window (below the menu bar).
    xdotool mousemove --window "$wid" 300 352 click 1
    sleep 1
  fi
  import -window "$wid" "$out/$1.png"
  kill $pid
  wait $pid 2>/dev/null || true
}

shoot main_window_stocks 1
shoot main_window_futures 2
shoot main_window_forex 3
shoot main_window_calculated 1 calculate
echo "pictures in $out"
