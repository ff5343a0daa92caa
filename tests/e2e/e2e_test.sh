#!/bin/bash
# End-to-end tests of the real dru binary on a virtual X display, driven
# with xdotool. Usage: e2e_test.sh path/to/dru
set -u
DRU=$(realpath "$1")
CAPTION="dru - Sentence Typing Drill"
ROOT=$(mktemp -d /tmp/dru-e2e-XXXXXX)
passed=0
failed=0
export XDG_RUNTIME_DIR="$ROOT/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=xcb

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$ROOT/display" 2>/dev/null &
XVFB=$!
for _ in $(seq 50); do [ -s "$ROOT/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$ROOT/display")"

cleanup() {
  pkill -KILL -f "^$DRU" 2>/dev/null
  kill "$XVFB" 2>/dev/null
  rm -rf "$ROOT"
}
trap cleanup EXIT

fail() { echo "  FAIL: $*"; return 1; }

# Starts dru in folder $1 and waits until its window is mapped.
start() {
  (cd "$1" && exec "$DRU" >"$1/out.log" 2>&1) &
  PID=$!
  disown "$PID"
  WINDOW=$(timeout 10 xdotool search --sync --onlyvisible --name "^$CAPTION\$" | head -n 1)
  [ -n "$WINDOW" ] || { fail "no window"; return 1; }
  xdotool windowfocus --sync "$WINDOW" 2>/dev/null
  sleep 1.3  # the clock's first tick gives the input box the focus
}

# Waits up to 10 s for the process to end.
wait_gone() {
  for _ in $(seq 100); do kill -0 "$PID" 2>/dev/null || return 0; sleep 0.1; done
  fail "dru still runs"
}

# File, Exit from the menu, as a user would.
menu_exit() {
  xdotool windowfocus --sync "$WINDOW" 2>/dev/null  # no window manager hands it back
  xdotool key --clearmodifiers alt+f
  sleep 0.3
  xdotool key x
  wait_gone
}

folder() {
  local dir="$ROOT/$1"
  mkdir -p "$dir"
  echo "$dir"
}

case_first_start_writes_settings() {
  local dir
  dir=$(folder first)
  start "$dir" || return 1
  menu_exit || return 1
  [ -f "$dir/dru.ini" ] || fail "no dru.ini" || return 1
  grep -qx 'LastOpenFile=Default.dat' "$dir/dru.ini" || fail "LastOpenFile" || return 1
  grep -qx 'SoundEffect=1' "$dir/dru.ini" || fail "SoundEffect" || return 1
  grep -qx 'CaseSensitive=1' "$dir/dru.ini" || fail "CaseSensitive" || return 1
  [ ! -e "$dir/Default.dat" ] || fail "Default.dat was created"
}

case_typing_and_mark_ready_reach_the_file() {
  local dir
  dir=$(folder mark)
  printf 'one two\r\none two\r\n*done\r\n' >"$dir/Default.dat"
  start "$dir" || return 1
  xdotool type --delay 20 "one two"
  xdotool key Return
  xdotool key F12
  sleep 0.3
  menu_exit || return 1
  [ "$(grep -c '^\*one two' "$dir/Default.dat")" = 1 ] || fail "mark not saved: $(cat -A "$dir/Default.dat")"
}

case_last_record_asks_a_question() {
  local dir
  dir=$(folder last)
  printf 'alone\r\n*learned\r\n' >"$dir/Default.dat"
  start "$dir" || return 1
  xdotool key F12
  local box
  box=$(timeout 5 xdotool search --sync --onlyvisible --name '^Confirm$' | head -n 1)
  [ -n "$box" ] || fail "no question" || return 1
  xdotool windowfocus --sync "$box" 2>/dev/null
  xdotool key Return  # OK clears every mark
  sleep 0.3
  menu_exit || return 1
  [ "$(cat "$dir/Default.dat")" = "$(printf 'alone\r\nlearned\r')" ] || fail "marks not cleared"
}

case_options_are_remembered() {
  local dir
  dir=$(folder options)
  start "$dir" || return 1
  xdotool key F4 F5
  menu_exit || return 1
  start "$dir" || return 1
  menu_exit || return 1
  grep -qx 'SoundEffect=0' "$dir/dru.ini" || fail "SoundEffect" || return 1
  grep -qx 'CaseSensitive=0' "$dir/dru.ini" || fail "CaseSensitive"
}

case_second_instance_defers_to_the_first() {
  local dir other
  dir=$(folder single)
  other=$(folder single2)
  start "$dir" || return 1
  local first=$PID
  local begin=$SECONDS
  (cd "$other" && timeout 5 "$DRU" >/dev/null 2>&1)
  local rc=$?
  [ "$rc" = 0 ] || fail "second start ended with $rc" || return 1
  [ $((SECONDS - begin)) -le 2 ] || fail "second start took too long" || return 1
  [ ! -e "$other/dru.ini" ] || fail "second start wrote settings" || return 1
  [ "$(xdotool search --onlyvisible --name "^$CAPTION\$" | wc -l)" = 1 ] || fail "window count" || return 1
  [ "$(xdotool getwindowname "$WINDOW")" = "$CAPTION" ] || fail "caption changed" || return 1
  PID=$first
  menu_exit
}

case_sigterm_saves_marks() {
  local dir
  dir=$(folder term)
  printf 'a\r\nb\r\nc\r\n' >"$dir/Default.dat"
  start "$dir" || return 1
  xdotool key F12
  sleep 0.3
  kill -TERM "$PID"
  wait_gone || return 1
  [ "$(grep -c '^\*' "$dir/Default.dat")" = 1 ] || fail "mark not saved" || return 1
  [ -f "$dir/dru.ini" ] || fail "settings not written"
}

case_unwritable_settings_still_let_it_end() {
  local dir
  dir=$(folder unwritable)
  mkdir "$dir/dru.ini"  # a folder where the settings file should go
  start "$dir" || return 1
  xdotool windowfocus --sync "$WINDOW" 2>/dev/null
  xdotool key --clearmodifiers alt+f
  sleep 0.3
  xdotool key x
  local box
  box=$(timeout 5 xdotool search --sync --onlyvisible --name '^Dru$' | head -n 1)
  [ -n "$box" ] || fail "no error report" || return 1
  xdotool windowfocus --sync "$box" 2>/dev/null
  xdotool key Return
  wait_gone
}

case_killed_instance_does_not_block() {
  local dir
  dir=$(folder killed)
  start "$dir" || return 1
  kill -KILL "$PID"
  wait_gone || return 1
  start "$dir" || return 1
  menu_exit
}

for test in $(declare -F | awk '{print $3}' | grep '^case_'); do
  if "$test"; then
    echo "PASS ${test#case_}"
    passed=$((passed + 1))
  else
    echo "FAIL ${test#case_}"
    failed=$((failed + 1))
    pkill -KILL -f "^$DRU" 2>/dev/null
    sleep 0.3
  fi
done
echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
