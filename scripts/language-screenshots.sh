#!/bin/bash
# Makes docs/languages/LL-main.png and LL-progress.png: the real program in
# each of its languages, after a wrong answer, with Recall and review on,
# over three weeks of made-up answers to the English sample file.
# Run after a build (cmake --build --preset dev); LANGUAGES="de he" for some.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/${BUILD:-build}  # BUILD=build-ci for another build folder
mkdir -p "$root/docs/languages"
# The languages as the build lists them (CMakeLists.txt, DRU_LANGUAGES).
for language in ${LANGUAGES:-en $(cat "$build/languages.txt")}; do
  work=$(mktemp -d /tmp/dru-language-XXXXXX)
  dru= xvfb=
  trap 'kill $dru $xvfb 2>/dev/null; rm -rf "$work"' EXIT
  cp "$root/examples/Default.dat" "$work/Default.dat"
  printf '[Options]\nReviewDue=1\nRecall=1\n' >"$work/dru.ini"
  mkdir -m 700 "$work/runtime"
  export XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/runtime" LANGUAGE=$language
  "$build/bench/dru_make_history" "$work/Default.dat" 21
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" 2>/dev/null &
  xvfb=$!
  for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
  export DISPLAY=":$(cat "$work/display")"
  (cd "$work" && exec "$build/ui/dru" >/dev/null 2>&1) &
  dru=$!
  window=$(timeout 20 xdotool search --all --sync --onlyvisible --pid "$dru" --name '^dru - ' | head -n 1)
  xdotool windowfocus --sync "$window"
  sleep 1.3
  xdotool type --delay 60 "Wrong"
  xdotool key Return
  sleep 0.5
  import -window "$window" "$root/docs/languages/$language-main.png"
  xdotool key F3
  # "Progress — Default.dat" in every language.
  progress=$(timeout 10 xdotool search --all --sync --onlyvisible --pid "$dru" --name ' — ' | head -n 1)
  sleep 1
  xdotool windowmove "$progress" 0 0
  sleep 0.5
  import -window root -crop 960x560+0+0 +repage "$root/docs/languages/$language-progress.png"
  kill "$dru" "$xvfb"
  wait 2>/dev/null || true
  rm -rf "$work"
  echo "docs/languages/$language-main.png and $language-progress.png written"
done
