#!/bin/bash
# What a screen reader gets from the real dru, read through AT-SPI on a
# virtual X display with its own session and accessibility buses.
# Usage: screen_reader_test.sh path/to/dru
set -u
DRU=$(realpath "$1")
HERE=$(dirname "$(realpath "$0")")
ROOT=$(mktemp -d /tmp/dru-a11y-XXXXXX)
mkdir -m 700 "$ROOT/runtime"
printf 'Hello world\r\nHello world\r\nGood night\r\n' >"$ROOT/Default.dat"
# One display for every phase (-noreset: no reset between them, when a
# client would be refused), ready once it has written its number.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$ROOT/display" 2>/dev/null &
XVFB=$!
trap 'kill "$XVFB" 2>/dev/null; rm -rf "$ROOT"' EXIT
for _ in $(seq 300); do [ -s "$ROOT/display" ] && break; sleep 0.1; done
[ -s "$ROOT/display" ] || { echo "Xvfb did not start"; exit 1; }
export DISPLAY=":$(cat "$ROOT/display")" XDG_RUNTIME_DIR="$ROOT/runtime" HOME="$ROOT"
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
# English but where a phase says otherwise, whatever the machine's language.
export LANGUAGE=en
# The system's Python, which has the AT-SPI bindings. The buses' daemons
# write nowhere, so that none keeps this test's output open once it ends.
dbus-run-session -- bash -c '
  /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
  launcher=$!
  status=0
  # The drill, then, after a restart, its history in the Progress window,
  # then twenty new sentences in review order, then a file named on the
  # command line that cannot be written (root without its power to
  # override file modes), then sentences typed from memory, then a poem
  # learned in text order, then dictation without a speech service, then
  # a text pasted into New from Text, then the drill in German.
  for phase in drill progress review readonly recall prompt poem listen paste german; do
    run=("$1")
    file="$0/typed.txt"
    if [ "$phase" = review ]; then
      for i in $(seq 20); do printf "Sentence number %s\r\n" "$i"; done >"$0/twenty.txt"
      printf "[Files]\nLastOpenFile=twenty.txt\n[Options]\nReviewDue=1\n" >"$0/dru.ini"
    elif [ "$phase" = readonly ]; then
      printf "Read me only\r\n" >"$0/read-only.txt"
      chmod 444 "$0/read-only.txt"
      run=(setpriv --bounding-set=-dac_override,-dac_read_search "$1" read-only.txt)
    elif [ "$phase" = recall ]; then
      printf "The quick brown fox jumps over the lazy dog.\r\n" >"$0/fox.txt"
      printf "[Files]\nLastOpenFile=fox.txt\n[Options]\nRecall=3\n" >"$0/dru.ini"
    elif [ "$phase" = prompt ]; then
      file="$0/prompts.txt"
      printf "Ich bin froh.\tI am glad.\r\nGute Nacht.\tGood night.\r\n" >"$file"
      printf "[Files]\nLastOpenFile=prompts.txt\n[Options]\nRecall=4\n" >"$0/dru.ini"
    elif [ "$phase" = poem ]; then
      file="$0/poem.txt"
      printf "One fish two fish\r\nRed fish blue fish\r\nOld fish new fish\r\n" >"$file"
      printf "[Files]\nLastOpenFile=poem.txt\n[Options]\nRecall=1\nOrder=2\n" >"$0/dru.ini"
    elif [ "$phase" = listen ]; then
      file="$0/listen.txt"
      printf "Der Zug f\xc3\xa4hrt um acht.\tThe train leaves at eight.\n" >"$file"
      printf "[Files]\nLastOpenFile=listen.txt\n[Options]\nRecall=5\n" >"$0/dru.ini"
      run=(env SPEECHD_ADDRESS="unix_socket:$0/no-speech.sock" "$1")
    elif [ "$phase" = german ]; then
      file="$0/deutsch.txt"
      printf "Guten Morgen\r\nGute Nacht\r\n" >"$file"
      printf "[Files]\nLastOpenFile=deutsch.txt\n" >"$0/dru.ini"
      run=(env LANGUAGE=de "$1")
    fi
    (cd "$0" && exec "${run[@]}" >>"$0/out.log" 2>&1) &
    dru=$!
    /usr/bin/python3 "$2/screen_reader_test.py" "$phase" "$file" || status=1
    kill "$dru" 2>/dev/null
    wait "$dru" 2>/dev/null
    [ $status -eq 0 ] || break
  done
  kill "$launcher" 2>/dev/null
  wait "$launcher" 2>/dev/null
  exit $status
' "$ROOT" "$DRU" "$HERE" 2>/dev/null
