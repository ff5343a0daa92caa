#!/bin/bash
# Makes docs/new-from-text.png: the real program's File › New from Text…
# window with two paragraphs typed in, cut into sentences by English
# rules, and their preview. Run after a build (cmake --build --preset dev;
# DRU_BUILD names another build folder).
set -eu
. "$(dirname "$0")/screenshot-lib.sh"
start_display new-text 800x700
cp "$root/examples/Default.dat" "$work/Default.dat"
start_dru
sleep 1
xdotool key ctrl+n
dialog=$(timeout 10 xdotool search --sync --onlyvisible --name '^New from Text$' | head -n 1)
xdotool type --delay 5 "Dr. Smith arrived at the harbour at 10 a.m. The boats were already out. He waited"
xdotool key shift+Return
xdotool type --delay 5 "on the pier until noon."
xdotool key shift+Return shift+Return
xdotool type --delay 5 "Later that day, the wind turned. Nobody knew why; some said it was the season, others the moon."
sleep 1
import -window "$dialog" "$root/docs/new-from-text.png"
echo "docs/new-from-text.png written"
