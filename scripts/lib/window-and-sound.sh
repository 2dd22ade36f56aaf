# Sourced by the scripts that try the player in the real window with real sound and no
# hardware (try-voice.sh, try-speed.sh). Expects `display` and `folder` set, runs from the
# repository root. Gives $work (removed on exit, with everything started here stopped, last
# first: the player saves its settings on SIGTERM), $pids, DISPLAY and PULSE_SERVER.

# need TOOL... : every tool is installed and the player is built; the demo is fresh.
need() {
  for tool in "$@"; do
    command -v "$tool" >/dev/null || { echo "$tool is not installed" >&2; exit 1; }
  done
  [ -x build/bin/kelvaro-player ] || { echo "build the player first" >&2; exit 1; }
  if [ "$folder" = build/bin ] && [ -x build/bin/kelvaro-demo ]; then
    build/bin/kelvaro-demo --out build/bin >/dev/null
  fi
}

work=$(mktemp -d)
pids=()
cleanup() {
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
    kill "${pids[i]}" 2>/dev/null || true
    wait "${pids[i]}" 2>/dev/null || true
  done
  rm -rf "$work"
}
trap cleanup EXIT

# start_display_and_sound [PULSEAUDIO -L MODULE...]: the real window and real sound, whatever
# the test settings of this shell say. The display is started unless it already runs; the
# sound server is our own, reachable only through its socket, with a null sink "speakers"
# (the default) and any further modules given.
start_display_and_sound() {
  unset QT_QPA_PLATFORM QT_AUDIO_BACKEND
  export DISPLAY=":$display"
  if [ ! -e "/tmp/.X11-unix/X$display" ]; then
    Xvfb "$DISPLAY" -screen 0 1280x800x24 >"$work/xvfb.log" 2>&1 &
    pids+=($!)
    for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.1; done
  fi
  mkdir -p "$work/pulse"
  HOME="$work/pulse" XDG_RUNTIME_DIR="$work/pulse" XDG_CONFIG_HOME="$work/pulse" \
    pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no --system=no \
    -L "module-null-sink sink_name=speakers" "$@" \
    -L "module-native-protocol-unix auth-anonymous=1 socket=$work/pulse/native" \
    >"$work/pulse.log" 2>&1 &
  pids+=($!)
  export PULSE_SERVER="unix:$work/pulse/native"
  for _ in $(seq 100); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
  pactl set-default-sink speakers
}
