#!/bin/bash
# Installs the build into a scratch folder and checks what a desktop needs.
# Usage: install_test.sh BUILD_DIR
set -u
build=$1
stage=$(mktemp -d /tmp/dru-install-XXXXXX)
trap 'rm -rf "$stage"' EXIT
status=0
check() { if "$@"; then echo "PASS $*"; else echo "FAIL $*"; status=1; fi; }

DESTDIR="$stage" cmake --install "$build" --prefix /usr >/dev/null || { echo "FAIL install"; exit 1; }
check test -x "$stage/usr/bin/dru"
check test -f "$stage/usr/share/applications/dru.desktop"
check test -f "$stage/usr/share/icons/hicolor/32x32/apps/dru.png"
check test -f "$stage/usr/share/man/man1/dru.1"
check desktop-file-validate "$stage/usr/share/applications/dru.desktop"
check grep -qx 'Categories=Education;' "$stage/usr/share/applications/dru.desktop"
check sh -c "man -l '$stage/usr/share/man/man1/dru.1' 2>&1 >/dev/null | (! grep -q .)"
exit $status
