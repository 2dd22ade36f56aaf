#!/usr/bin/env bash
# Tries the read-after voice comparison in the real window, with no microphone and no speakers:
# a private PulseAudio server with two null sinks (the player's output, and a "voice" sink whose
# monitor, remapped as an ordinary source, is the default microphone), the player on an X
# display, the read-after tab, "录音", a spoken recording played into the voice sink, "停止",
# a screenshot, then "您的读音" and a screenshot while it plays, then a click in the middle of
# the lesson's waveform and a screenshot while the lesson's reading plays from there. With
# --other, the same with a take of another sentence.
#
# Usage: scripts/try-voice.sh [--display N] [--out SHOT.png] [--take WAV | --say TEXT]
#                             [--other-take WAV | --other TEXT] [--folder DIR]
# Defaults: display 92, build/try-voice.png, and the first sentence of the demo's lesson 1
# ("Good morning, Lily!") spoken by espeak-ng in another voice and speed than the lesson's.
# Needs Xvfb, xdotool, ImageMagick's import, pulseaudio, pactl, paplay, parec, espeak-ng; the
# player built (cmake --build build). The player's own messages go to build/try-voice.log.
# kelvaro-tool compare's analysis of what the microphone heard is printed after each take.
set -euo pipefail
cd "$(dirname "$0")/.."

display=92
out=build/try-voice.png
take=""
say="Good morning, Lily!"
other_take=""
other=""
folder=build/bin
while [ $# -gt 0 ]; do
  case "$1" in
    --display) display="$2"; shift 2 ;;
    --out) out="$2"; shift 2 ;;
    --take) take="$2"; shift 2 ;;
    --say) say="$2"; shift 2 ;;
    --other-take) other_take="$2"; shift 2 ;;
    --other) other="$2"; shift 2 ;;
    --folder) folder="$2"; shift 2 ;;
    -h|--help) sed -n '2,14p' "$0"; exit 0 ;;
    *) echo "unknown argument: $1" >&2; exit 2 ;;
  esac
done

source scripts/lib/window-and-sound.sh
need Xvfb xdotool import pulseaudio pactl paplay parec espeak-ng iconv
# The voice sink's monitor, remapped as an ordinary source, is the microphone.
start_display_and_sound \
  -L "module-null-sink sink_name=voice rate=16000 channels=1" \
  -L "module-remap-source master=voice.monitor source_name=mic source_properties=device.description=Microphone"
pactl set-default-source mic

spoken() { # TEXT VOICE SPEED OUT.wav
  espeak-ng -v "$2" -s "$3" -w "$4" "$1"
}
if [ -z "$take" ]; then
  take="$work/take.wav"
  spoken "$say" en-us 140 "$take"
fi
if [ -z "$other_take" ] && [ -n "$other" ]; then
  other_take="$work/other.wav"
  spoken "$other" en-us 140 "$other_take"
fi

player_args=()
[ "$folder" = build/bin ] || player_args=(--folder "$folder")
build/bin/kelvaro-player "${player_args[@]}" >build/try-voice.log 2>&1 &
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
eval "$(xdotool getwindowgeometry --shell "$window")" # X, Y of the window's top left
click() { # x y, in the window at 96 DPI
  xdotool mousemove $((X + $1)) $((Y + $2)) click 1
}

click 89 115 # lesson 1 in the tree: its first sentence, whatever was open last time
sleep 1
click 562 62 # the tab "跟读对比"
sleep 1
click 248 476 # "标准读音"
# The take starts once the reading is over.
sleep 4

# The sentence the takes are compared with: the first of lesson 1.
times=$(iconv -f GB18030 -t UTF-8 "$folder/Book/Kelvaro/1.dat" | awk -F'#' 'NR == 1 { print $3, $4 }')
recording="$folder/Sound/Kelvaro/1.mp3"

record() { # WAV SHOT
  click 349 476 # "录音"
  # What the microphone hears, for kelvaro-tool compare.
  parec --device=mic --file-format=wav --format=s16le --rate=16000 --channels=1 "$work/heard.wav" &
  local listener=$!
  sleep 0.5
  paplay --device=voice "$1"
  sleep 0.3
  click 451 476 # "停止"
  kill "$listener"; wait "$listener" 2>/dev/null || true
  sleep 1.5
  import -window root "$2"
  echo "screenshot: $2"
  # The same analysis from the command line (the player's own take may start a little later).
  if build/bin/kelvaro-tool compare "$recording" $times "$work/heard.wav" >"$work/compare.txt" 2>&1; then
    sed 's/^/  /' "$work/compare.txt"
  fi
  # "您的读音", and a look while it plays: the cursor over the take.
  click 552 476
  sleep 0.8
  import -window root "${2%.png}-playing.png"
  echo "screenshot: ${2%.png}-playing.png"
  sleep 2.5
  # A click in the middle of the lesson's waveform: the lesson's reading from there on.
  click 440 245
  sleep 0.3
  import -window root "${2%.png}-clicked.png"
  echo "screenshot: ${2%.png}-clicked.png"
  sleep 1.5
}
record "$take" "$out"
if [ -n "$other_take" ]; then
  record "$other_take" "${out%.png}-other.png"
fi
