#!/bin/bash
# Makes docs/progress.png: the real program's Progress window over three
# weeks of made-up answers to the English sample file; and docs/review.png:
# the drill in review order, marking while typing, a wrong character in.
# Run after a build (cmake --build --preset dev).
set -eu
. "$(dirname "$0")/screenshot-lib.sh"
start_display progress 1024x768
cp "$root/examples/Default.dat" "$work/Default.dat"
"$build/bench/dru_make_history" "$work/Default.dat" 21
start_dru
sleep 1.3
xdotool key F3
progress=$(timeout 10 xdotool search --all --sync --onlyvisible --pid "$dru" --name '^Progress' | head -n 1)
sleep 1
xdotool windowmove "$progress" 0 0
sleep 0.5
# Without a window manager the window is at the screen's corner, at the
# size it asks for.
import -window root -crop 960x560+0+0 +repage "$root/docs/progress.png"
echo "docs/progress.png written"
# The drill in review order, over a file whose sentences all start alike,
# so that the typed start matches whichever is shown.
kill "$dru"
wait "$dru" 2>/dev/null || true
for place in "in the garden" "at the station" "by the river" "on the hill" "in the old town"; do
  printf 'We met our friends %s.\r\nWe met our friends %s yesterday.\r\n' "$place" "$place"
done >"$work/review.dat"
"$build/bench/dru_make_history" "$work/review.dat" 10
printf '[Files]\nLastOpenFile=review.dat\n[Options]\nOrder=1\nMarkWhileTyping=1\n' >"$work/dru.ini"
start_dru
sleep 1.3
xdotool type --delay 120 "We met our frei"
sleep 0.5
import -window "$window" "$root/docs/review.png"
echo "docs/review.png written"
