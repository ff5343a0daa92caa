#!/bin/bash
# Makes docs/recall.png: the real program typing from memory, First Letters
# Only, a line of examples/german-english.txt with its prompt, half-way
# through and with one hint. Run after a build (cmake --build --preset dev).
set -eu
. "$(dirname "$0")/screenshot-lib.sh"
start_display recall 800x600
# One sentence twice: whichever is drawn, it is the one typed.
line=$(grep '^Der Zug' "$root/examples/german-english.txt")
printf '%s\n%s\n' "$line" "$line" >"$work/Default.dat"
printf '[Options]\nRecall=3\nMarkWhileTyping=1\n' >"$work/dru.ini"
start_dru
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
