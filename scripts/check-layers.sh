#!/bin/sh
# Fails when an include runs upward: core includes nothing of history,
# app or ui; history nothing of app or ui; app nothing of ui. Includes are
# written from the repository's root, so the layer is in every line.
cd "$(dirname "$0")/.."
status=0
check() {
  layer=$1
  above=$2
  if grep -rnE "#include \"($above)/" "$layer"; then
    echo "$layer includes a layer above it" >&2
    status=1
  fi
}
check core 'history|app|ui'
check history 'app|ui'
check app 'ui'
exit $status
