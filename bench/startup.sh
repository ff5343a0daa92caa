#!/bin/bash
# Start-up, side by side on one virtual display: a bare Qt window (a
# QWidget shown from main), a yardstick window with dru's widgets and no
# logic (bench/yardstick_window.cpp), dru in an empty folder, and dru on a
# 100 MB file of 1,000,000 records. Each is the whole process from its start to
# its first painted window, the median of 10 runs taken in turn. Peak
# memory is the process's resident high-water mark a second later, when
# the file is read and its first sentence shown. Then, until the first
# sentence is shown, the 100 MB file against the small sample file, and a
# file of 100,000 sentences with 1,000,000 answers in the history, with
# review order on and off.
# Usage: bench/startup.sh [BUILD_FOLDER]   (default: build)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath "${1:-$root/build}")
work=$(mktemp -d /tmp/dru-startup-XXXXXX)
xvfb=""
trap '[ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null; rm -rf "$work"' EXIT
mkdir -p "$work/empty" "$work/big" "$work/small" "$work/data" "$work/review"
cp "$root/examples/Default.dat" "$work/small/Default.dat"
mkdir -m 700 "$work/runtime"
awk 'BEGIN {
  pad = "................................................................................"
  for (i = 0; i < 1000000; i++) {
    line = (i % 10 == 0 ? "*" : "") "Record " i ": the quick brown fox jumps over the lazy dog near the riverbank at dawn." pad
    printf "%s\r\n", substr(line, 1, 60 + (i * 7919) % 77)
  }
}' >"$work/big/Default.dat"
XDG_DATA_HOME="$work/data" "$build/bench/dru_make_history" --large "$work/review/Default.dat"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")" XDG_RUNTIME_DIR="$work/runtime" \
  XDG_DATA_HOME="$work/data" QT_QPA_PLATFORM=xcb
# A desktop session has a session bus, which Qt's accessibility asks.
dbus-run-session -- bash -c '
  measure() { "$0/bench/dru_first_paint" "$@"; }
  for i in $(seq 10); do
    echo "bare $(measure "$1/empty" "$0/bench/dru_bare_window")"
    echo "yard $(measure "$1/empty" "$0/bench/dru_yardstick_window")"
    echo "smallready $(measure --ready "$1/small" "$0/ui/dru")"
    echo "bigready $(measure --ready "$1/big" "$0/ui/dru")"
    echo "empty $(measure --settle 1000 "$1/empty" "$0/ui/dru")"
    echo "big $(measure --settle 1000 "$1/big" "$0/ui/dru")"
    rm -f "$1/review/dru.ini"
    echo "off $(measure --ready "$1/review" "$0/ui/dru")"
    printf "[Options]\nReviewDue=1\n" >"$1/review/dru.ini"
    echo "on $(measure --ready "$1/review" "$0/ui/dru")"
  done' "$build" "$work" 2>/dev/null >"$work/runs"
size=$(stat -c %s "$work/big/Default.dat")
awk -v size="$size" '
  { seconds[$1] = seconds[$1] " " $2; memory[$1] = memory[$1] " " $3 }
  function median(list,   values, n, i, j, t) {
    n = split(list, values, " ")
    for (i = 1; i <= n; i++) for (j = i + 1; j <= n; j++)
      if (values[j] + 0 < values[i] + 0) { t = values[i]; values[i] = values[j]; values[j] = t }
    return n % 2 ? values[(n + 1) / 2] : (values[n / 2] + values[n / 2 + 1]) / 2
  }
  END {
    bare = median(seconds["bare"]); empty = median(seconds["empty"]); big = median(seconds["big"])
    emptyKb = median(memory["empty"]); bigKb = median(memory["big"])
    printf "first painted window (medians of 10): bare Qt window %.1f ms, dru %.1f ms, dru with 1,000,000 records %.1f ms\n", bare * 1000, empty * 1000, big * 1000
    printf "dru / bare window: %.2f x (aim at most 1.15)\n", empty / bare
    yard = median(seconds["yard"])
    printf "yardstick window with the same widgets %.1f ms; dru / yardstick: %.2f x (aim at most 1.1)\n", yard * 1000, empty / yard
    small = median(seconds["smallready"]); bigReady = median(seconds["bigready"])
    printf "first sentence shown: 100 MB file %.1f ms, small file %.1f ms: %.2f x (aim at most 2)\n", bigReady * 1000, small * 1000, bigReady / small
    printf "1,000,000 records / empty: %.2f x (aim at most 2)\n", big / empty
    on = median(seconds["on"]); off = median(seconds["off"])
    printf "first sentence shown, 100,000 sentences with 1,000,000 answers: review order on %.1f ms, off %.1f ms: %.1f ms more, %.2f x (aim at most 1.25 x)\n", on * 1000, off * 1000, (on - off) * 1000, on / off
    printf "peak memory with %.0f MB of records: %.0f MB, the empty start-up %.0f MB, and %.2f x the file more (aim at most 1.5)\n", size / 1e6, bigKb * 1024 / 1e6, emptyKb * 1024 / 1e6, (bigKb - emptyKb) * 1024 / size
  }' "$work/runs"
