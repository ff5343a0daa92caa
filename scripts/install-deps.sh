#!/bin/sh
# Installs what building, running and testing need on Debian 12.
set -e
if [ "$(id -u)" -eq 0 ]; then SUDO=; else SUDO=sudo; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update
# qt6-declarative-dev: the speech module's header includes its QML
# integration header, which Debian 12 ships there.
$SUDO apt-get install -y --no-install-recommends \
  qt6-declarative-dev \
  cmake ninja-build g++ pkg-config libgtest-dev \
  qt6-base-dev qt6-multimedia-dev qt6-speech-dev qt6-speech-speechd-plugin qt6-tools-dev qt6-l10n-tools qt6-translations-l10n libicu-dev libsqlite3-dev qt6-qpa-plugins libgl-dev libx11-dev \
  fonts-dejavu-core xvfb xauth xkb-data x11-xkb-utils xdotool x11-utils imagemagick \
  dbus-daemon at-spi2-core python3-pyatspi \
  speech-dispatcher espeak-ng \
  desktop-file-utils appstream lintian dpkg-dev file binutils man-db clang clang-format libclang-rt-14-dev
