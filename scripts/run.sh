#!/usr/bin/env bash
# Installs what is missing, builds, generates the demo program folder next to the
# executables (skipped when it is up to date) and checks it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake -S . -B build -G Ninja >/dev/null
cmake --build build -j "$(nproc)"

PROGRAM_FOLDER=build/bin
if [ -x build/bin/kelvaro-demo ]; then
  build/bin/kelvaro-demo --out "$PROGRAM_FOLDER"
else
  # No generator yet: check the small fixture folder instead.
  PROGRAM_FOLDER=tests/data/folder
fi
build/bin/kelvaro-tool check "$PROGRAM_FOLDER"

if [ -x build/bin/kelvaro-player ]; then
  exec build/bin/kelvaro-player "$@"
fi
echo "The demo program folder is ready in $PROGRAM_FOLDER; the player window is not built yet."
