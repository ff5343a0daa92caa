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
usr="$stage/usr"
check test -x "$usr/bin/dru"
check test -f "$usr/share/applications/dru.desktop"
for size in 16 22 24 32 48 64 128 256; do
  check test -f "$usr/share/icons/hicolor/${size}x${size}/apps/dru.png"
done
check test -f "$usr/share/icons/hicolor/scalable/apps/dru.svg"
check test -f "$usr/share/man/man1/dru.1.gz"
check test -f "$usr/share/doc/dru/examples/Default.dat"
check test -f "$usr/share/doc/dru/examples/french.txt"
check test -f "$usr/share/doc/dru/examples/german-english.txt"
check desktop-file-validate "$usr/share/applications/dru.desktop"
check grep -qx 'Categories=Education;' "$usr/share/applications/dru.desktop"
check sh -c "man -l '$usr/share/man/man1/dru.1.gz' 2>&1 >/dev/null | (! grep -q .)"
# Every key dru.ini can hold is in the man page.
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
man -l "$usr/share/man/man1/dru.1.gz" 2>/dev/null >"$stage/man.txt"
for key in LastOpenFile $(grep -o '{"Options", "[A-Za-z]*"}' "$source_dir/app/settings.cpp" |
                          sed 's/.*"\([A-Za-z]*\)"}/\1/'); do
  check grep -q "$key" "$stage/man.txt"
done
if command -v appstreamcli >/dev/null; then
  check appstreamcli validate --no-net "$usr"/share/metainfo/*.metainfo.xml
fi

# --help and --version answer without a display, a lock or settings.
work=$(mktemp -d /tmp/dru-args-XXXXXX)
(cd "$work" && env -u DISPLAY XDG_RUNTIME_DIR="$work" "$usr/bin/dru" --version >version.txt)
check grep -qx "dru [0-9.]*" "$work/version.txt"
(cd "$work" && env -u DISPLAY XDG_RUNTIME_DIR="$work" "$usr/bin/dru" --help >help.txt)
check grep -q -- "--version" "$work/help.txt"
check test ! -e "$work/dru.ini"
check test ! -e "$work/SemaphoreName"
rm -rf "$work"
exit $status
