#!/usr/bin/env bash
# Installs what is missing, builds and runs every test headless.
#   scripts/test.sh             the normal build (build/)
#   scripts/test.sh --sanitize  built with AddressSanitizer and UndefinedBehaviorSanitizer (build-asan/)
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

BUILD_DIR=build
EXTRA=()
if [ "${1:-}" = "--sanitize" ]; then
  BUILD_DIR=build-asan
  EXTRA=(-DKELVARO_SANITIZE=ON -DKELVARO_BENCHMARKS=OFF -DCMAKE_BUILD_TYPE=Debug)
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
fi

cmake -S . -B "$BUILD_DIR" -G Ninja "${EXTRA[@]}" >/dev/null
cmake --build "$BUILD_DIR" -j "$(nproc)"

export QT_QPA_PLATFORM=offscreen
export QT_AUDIO_BACKEND=null
ctest --test-dir "$BUILD_DIR" --output-on-failure -j "$(nproc)"
