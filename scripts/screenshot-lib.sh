# Sourced by the scripts that make the README's pictures from the real
# program: a folder to work in, a virtual display, and dru started on it.
# DRU_BUILD names the build folder (default: build, as the dev preset has it).
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/${DRU_BUILD:-build}"
export LANGUAGE=en  # the pictures in the README are English

# A new folder in $work, with the runtime and data folders dru wants, and
# a display of the size $2 ("800x600"); they go when the script ends.
start_display() {
  work=$(mktemp -d "/tmp/dru-$1-XXXXXX")
  trap 'kill ${dru:-} "$xvfb" 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT
  mkdir -m 700 "$work/runtime"
  export XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/runtime"
  Xvfb -displayfd 3 -screen 0 "$2x24" -nolisten tcp -noreset 3>"$work/display" 2>/dev/null &
  xvfb=$!
  for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
  export DISPLAY=":$(cat "$work/display")"
}

# dru started in $work, with its main window in $window, focused.
start_dru() {
  (cd "$work" && exec "$build/ui/dru" >/dev/null 2>&1) &
  dru=$!
  window=$(timeout 10 xdotool search --all --sync --onlyvisible --pid "$dru" --name '^dru - ' |
    head -n 1)
  xdotool windowfocus --sync "$window"
}
