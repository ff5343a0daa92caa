#!/bin/sh
# Builds everything with warnings as errors and runs every test, then the
# suites again under AddressSanitizer and UndefinedBehaviorSanitizer, each
# fuzzer for a bounded time, and builds and checks the Debian package;
# last, prints the start-up figures.
set -e
cd "$(dirname "$0")/.."
jobs=$(nproc)
# Formatting first: it takes a second and names the file at fault.
find core history app ui tests bench fuzz -name '*.cpp' -o -name '*.h' | xargs clang-format --dry-run --Werror
sh scripts/check-layers.sh
cmake --preset ci
cmake --build --preset ci -j "$jobs"
ctest --preset ci -j "$jobs"
cmake --preset asan
cmake --build --preset asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp" ctest --preset asan -j "$jobs"
sh scripts/fuzz.sh "${DRU_FUZZ_SECONDS:-40}"
sh scripts/package.sh
# Start-up figures, for the record: printed, never a failure.
bash bench/startup.sh build-ci || echo "start-up figures could not be taken"
