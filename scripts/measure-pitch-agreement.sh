#!/usr/bin/env bash
# Measures how far the read-after pitch track agrees with Praat's, frame by frame, on espeak-ng
# voices and the recorded speech of alsa-utils, and prints the figures. Run by hand: it installs
# the reference tools first (scripts/setup.sh --reference) and builds kelvaro-pitch-agreement in
# the release build (build-release/). Exit status 1 when the figures miss their goals.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh --reference

cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-release --target kelvaro-pitch-agreement -j "$(nproc)"

QT_QPA_PLATFORM=offscreen build-release/bin/kelvaro-pitch-agreement
