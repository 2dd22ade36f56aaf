#!/usr/bin/env bash
# Builds the Debian package in build-deb/ with Debian's hardening flags, then checks it with
# lintian and the desktop entry with desktop-file-validate.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

BUILD_DIR=build-deb
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
LDFLAGS="$(dpkg-buildflags --get LDFLAGS)"
export CXXFLAGS LDFLAGS
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKELVARO_BENCHMARKS=OFF >/dev/null
cmake --build "$BUILD_DIR" -j "$(nproc)" \
  --target kelvaro-player kelvaro-tool kelvaro-demo kelvaro_packaging_files kelvaro_open_dictionary
rm -f "$BUILD_DIR"/kelvaro-player_*.deb
(cd "$BUILD_DIR" && cpack -G DEB >/dev/null)

DEB=$(ls "$BUILD_DIR"/kelvaro-player_*.deb)
desktop-file-validate packaging/kelvaro-player.desktop
lintian --fail-on error "$DEB"
echo "The package is $DEB"
