#!/bin/bash
# Makes docs/screenshot.png: the real program on a small sentence file
# under a virtual display, half-way through typing a sentence after one
# typed right. Run after a build (cmake --build --preset dev) whenever the
# window changes.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d /tmp/dru-shot-XXXXXX)
trap 'kill "$dru" "$xvfb" 2>/dev/null; rm -rf "$work"' EXIT
# The same sentence twice: whichever is drawn, it is the one typed.
printf 'The early bird catches the worm.\r\nThe early bird catches the worm.\r\n*Practice makes perfect.\r\n' >"$work/Default.dat"
mkdir -m 700 "$work/runtime"
Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp -noreset 3>"$work/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export LANGUAGE=en  # the pictures in the README are English
export DISPLAY=":$(cat "$work/display")" XDG_RUNTIME_DIR="$work/runtime"
(cd "$work" && exec "$root/build/ui/dru" >/dev/null 2>&1) &
dru=$!
window=$(timeout 10 xdotool search --sync --onlyvisible --pid "$dru" --name '^dru - ' | head -n 1)
xdotool windowfocus --sync "$window"
sleep 1.3
xdotool type --delay 150 "The early bird catches the worm."
xdotool key Return
xdotool type --delay 150 "The early"
sleep 0.5
import -window "$window" "$root/docs/screenshot.png"
echo "docs/screenshot.png written"
