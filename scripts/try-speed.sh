#!/usr/bin/env bash
# Tries slower speech in the real window, with no speakers: a private PulseAudio server whose
# null sink stands in for them, the player on an X display, lesson 1's first sentence read in
# the read-after tab ("标准读音") once at 1.0x and once at 0.7x, each recorded from the sink's
# monitor. Prints how long each reading lasted (silence trimmed) and kelvaro-tool compare's
# view of each against the sentence's own reading (speech length and median pitch), then the
# ratio of the two lengths, which should be 1/0.7 = 1.43 at the same pitch. Saves a screenshot
# of the window with the speed control at 0.7x.
#
# Usage: scripts/try-speed.sh [--display N] [--out SHOT.png] [--folder DIR]
# Defaults: display 93, build/try-speed.png, the demo folder in build/bin. Needs Xvfb, xdotool,
# ImageMagick's import, pulseaudio, pactl, parec, sox; the player built (cmake --build build).
set -euo pipefail
cd "$(dirname "$0")/.."

display=93
out=build/try-speed.png
folder=build/bin
while [ $# -gt 0 ]; do
  case "$1" in
    --display) display="$2"; shift 2 ;;
    --out) out="$2"; shift 2 ;;
    --folder) folder="$2"; shift 2 ;;
    -h|--help) sed -n '2,12p' "$0"; exit 0 ;;
    *) echo "unknown argument: $1" >&2; exit 2 ;;
  esac
done

source scripts/lib/window-and-sound.sh
need Xvfb xdotool import pulseaudio pactl parec sox iconv
start_display_and_sound

# A folder of its own, so the speed chosen here is not kept in the demo's.
cp -r "$folder" "$work/folder"
rm -f "$work/folder/SETTING/Speed.dat"
build/bin/kelvaro-player --folder "$work/folder" >build/try-speed.log 2>&1 &
pids+=($!)
player=$!
window=""
for _ in $(seq 100); do
  window=$(xdotool search --onlyvisible --pid "$player" 2>/dev/null | head -1 || true)
  [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || { echo "the player's window did not appear" >&2; exit 1; }
sleep 1
eval "$(xdotool getwindowgeometry --shell "$window")"
click() { # x y, in the window at 96 DPI
  xdotool mousemove $((X + $1)) $((Y + $2)) click 1
}

click 89 115 # lesson 1 in the tree: its first sentence
sleep 1
click 562 62 # the tab "跟读对比"
sleep 1.5    # its own first reading is over

times=$(iconv -f GB18030 -t UTF-8 "$work/folder/Book/Kelvaro/1.dat" | awk -F'#' 'NR == 1 { print $3, $4 }')
recording="$work/folder/Sound/Kelvaro/1.mp3"

listen() { # NAME: "标准读音" recorded from the sink
  parec --device=speakers.monitor --file-format=wav --format=s16le --rate=22050 --channels=1 \
    "$work/$1-raw.wav" &
  local listener=$!
  sleep 0.5
  click 248 476 # "标准读音"
  sleep 4.5
  kill "$listener"; wait "$listener" 2>/dev/null || true
  # The reading alone: the silence before and after it trimmed.
  sox "$work/$1-raw.wav" "$work/$1.wav" silence 1 0.005 0.3% reverse silence 1 0.005 0.3% reverse
  local seconds
  seconds=$(soxi -D "$work/$1.wav")
  echo "$1: the reading lasted $seconds s on the sink"
  build/bin/kelvaro-tool compare "$recording" $times "$work/$1-raw.wav" | sed -n 's/^/  /; /lesson:\|take:\|duration ratio/p'
  sox "$work/$1.wav" -n stat 2>&1 | sed -n 's/^Rough   frequency: */  rough frequency (sox): /p'
  echo "$seconds" >"$work/$1.seconds"
}

listen normal
click 140 557 # "0.75×", under the library tree
sleep 0.3
click 45 557 # "−": 0.7×
sleep 0.5
import -window root "$out"
echo "screenshot: $out"
listen slow
python3 -c "
normal = float(open('$work/normal.seconds').read()); slow = float(open('$work/slow.seconds').read())
print(f'length at 0.7x / at 1.0x: {slow / normal:.3f} (1/0.7 = {1 / 0.7:.3f})')"
