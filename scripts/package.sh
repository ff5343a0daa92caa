#!/bin/sh
# Builds the hardened release, packs the .deb and checks it as a
# distribution would: lintian with no error or warning, the AppStream and
# desktop files valid, and the unpacked program answering --version.
set -e
cd "$(dirname "$0")/.."
cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc)"
(cd build-release && cpack -G DEB >/dev/null)
deb=$(ls build-release/dru_*.deb)
root=$(mktemp -d /tmp/dru-deb-XXXXXX)
trap 'rm -rf "$root"' EXIT
echo "== lintian $deb"
status=0
lintian --fail-on error,warning --tag-display-limit 0 "$deb" >"$root.lintian" 2>&1 || status=$?
grep -v "root privileges" "$root.lintian" || true
rm -f "$root.lintian"
[ "$status" = 0 ] || exit "$status"
dpkg -x "$deb" "$root"
appstreamcli validate --no-net --explain "$root"/usr/share/metainfo/*.metainfo.xml
desktop-file-validate "$root/usr/share/applications/dru.desktop"
version=$(env -u DISPLAY "$root/usr/bin/dru" --version)
[ "$version" = "dru $(sed -n 's/^project(dru VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)" ] ||
  { echo "dru --version said: $version"; exit 1; }
echo "$version, packaged and checked"
