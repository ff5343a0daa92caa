#!/bin/bash
# Makes docs/recall.png: the real program typing from memory, First Letters
# Only, a line of examples/german-english.txt with its prompt, half-way
# through and with one hint. Run after a build (cmake --build --preset dev).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d /tmp/dru-recall-XXXXXX)
trap 'kill "$dru" "$xvfb" 2>/dev/null; rm -rf "$work"' EXIT
# One sentence twice: whichever is drawn, it is the one typed.
line=$(grep '^Der Zug' "$root/examples/german-english.txt")
printf '%s\n%s\n' "$line" "$line" >"$work/Default.dat"
printf '[Options]\nRecall=3\nMarkWhileTyping=1\n' >"$work/dru.ini"
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
sleep 1.3
# Typed right once, whole, then shown at first letters.
xdotool type --delay 20 "$(printf '%s' "$line" | cut -f1)"
xdotool key Return
sleep 0.5
xdotool type --delay 150 "Der Zug "
xdotool key F1
sleep 0.5
import -window "$window" "$root/docs/recall.png"
echo "docs/recall.png written"
