#!/bin/sh
# Starts dru in a scratch folder that holds the sample file as Default.dat.
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
work="${DRU_SAMPLE_DIR:-$HOME/dru-sample}"
mkdir -p "$work"
[ -e "$work/Default.dat" ] || cp "$root/examples/Default.dat" "$work/Default.dat"
cd "$work"
exec "$root/build/ui/dru"
