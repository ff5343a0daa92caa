#!/bin/bash
# Makes docs/poem.png: the real program learning the first eight lines of
# examples/harbour.txt with Fade as You Learn, In Text Order, typed by a
# script pass after pass: whole, every other word hidden, first letters;
# the picture is the fourth pass, from the prompt alone. Run after a build
# (cmake --build --preset dev; DRU_BUILD names another build folder).
set -eu
. "$(dirname "$0")/screenshot-lib.sh"
start_display poem 800x600
head -n 8 "$root/examples/harbour.txt" >"$work/Default.dat"
printf '[Options]\nRecall=1\nOrder=2\n' >"$work/dru.ini"
start_dru
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
