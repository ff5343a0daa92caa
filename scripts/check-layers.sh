#!/bin/sh
# Fails when an include runs upward: core includes nothing of history,
# app or ui; history nothing of app or ui; app nothing of ui. Inside the
# layers too: core/text, core/file and core/import know nothing of the drill, review or
# recall, and review and recall nothing of the drill; the drill's and the
# Progress window's widgets nothing of the main window; history's
# statements nothing of the store they serve; the store and the app
# nothing of the memory model's formulas, only of its interface. Includes are written from
# the repository's root, so the folder is in every line.
cd "$(dirname "$0")/.."
status=0
check() {
  from=$1
  above=$2
  if grep -rnE "#include \"($above)" $from; then
    echo "$from includes what stands above it" >&2
    status=1
  fi
}
check core 'history/|app/|ui/'
check history 'app/|ui/'
check app 'ui/'
check "core/text core/file core/import" 'core/drill/|core/review/|core/recall/'
check "core/review core/recall" 'core/drill/'
check "ui/drill ui/progress" 'ui/window/'
check history/statement.h 'history/history_store.h|history/sqlite_history_store.h'
check "history app" 'core/review/review_model.h'
exit $status
