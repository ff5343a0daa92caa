#!/bin/bash
# Makes docs/poem.png: the real program learning the first eight lines of
# examples/harbour.txt with Fade as You Learn, In Text Order, typed by a
# script pass after pass: whole, every other word hidden, first letters;
# the picture is the fourth pass, from the prompt alone. Run after a build
# (cmake --build --preset dev; DRU_BUILD names another build folder).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d /tmp/dru-poem-XXXXXX)
trap 'kill "$dru" "$xvfb" 2>/dev/null; rm -rf "$work"' EXIT
head -n 8 "$root/examples/harbour.txt" >"$work/Default.dat"
printf '[Options]\nRecall=1\nOrder=2\n' >"$work/dru.ini"
mkdir -m 700 "$work/runtime"
export LANGUAGE=en  # the pictures in the README are English
export XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/runtime"
Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp -noreset 3>"$work/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"
(cd "$work" && exec "$root/${DRU_BUILD:-build}/ui/dru" >/dev/null 2>&1) &
dru=$!
window=$(timeout 10 xdotool search --all --sync --onlyvisible --pid "$dru" --name '^dru - ' |
  head -n 1)
xdotool windowfocus --sync "$window"
sleep 1
for pass in 1 2 3; do
  while IFS= read -r line; do
    xdotool type --delay 15 "$line"
    xdotool key Return
    sleep 0.2
  done <"$work/Default.dat"
done
xdotool type --delay 60 "The lamps"
sleep 0.5
import -window "$window" "$root/docs/poem.png"
echo "docs/poem.png written"
