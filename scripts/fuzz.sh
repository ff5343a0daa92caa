#!/bin/sh
# Builds the libFuzzer targets and runs each for a bounded time (seconds,
# first argument, default 45) from its seed corpus. A crash or a sanitizer
# report fails the run and leaves the input in build-fuzz/findings/; a
# finding, once fixed, goes into fuzz/regressions/ and is replayed each run.
set -e
cd "$(dirname "$0")/.."
seconds=${1:-45}
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(nproc)"
mkdir -p build-fuzz/findings
status=0
for target in sentence_file settings flag codec; do
  work=build-fuzz/corpus/$target
  mkdir -p "$work" "fuzz/regressions/$target"
  # Every seed and every past finding must pass before new inputs are tried.
  if ! QT_QPA_PLATFORM=offscreen "build-fuzz/fuzz/fuzz_$target" -runs=0 \
       "fuzz/corpus/$target" "fuzz/regressions/$target" >"build-fuzz/replay_$target.log" 2>&1; then
    tail -n 40 "build-fuzz/replay_$target.log"
    status=1
    continue
  fi
  echo "== fuzz_$target for ${seconds}s"
  if QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 \
     "build-fuzz/fuzz/fuzz_$target" -max_total_time="$seconds" -max_len=65536 -timeout=20 \
       -print_final_stats=0 -artifact_prefix="build-fuzz/findings/$target-" \
       "$work" "fuzz/corpus/$target" >"build-fuzz/fuzz_$target.log" 2>&1; then
    tail -n 1 "build-fuzz/fuzz_$target.log"
  else
    tail -n 40 "build-fuzz/fuzz_$target.log"
    status=1
  fi
done
exit $status
