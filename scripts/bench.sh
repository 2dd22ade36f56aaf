#!/usr/bin/env bash
# Builds the Release benchmarks (build-release/) and prints the figures that guard the hot
# paths, each beside its goal: median and minimum of REPS repetitions (default 5).
#   scripts/bench.sh [REPS]
# Start-up is measured offscreen and, where Xvfb is installed, under X; memory once the
# dictionary has been read. The full-size synthetic book and the 30-minute recording that the
# aligner is timed on (another voice than the aligner's, with its sentences' true times) are made
# once in $TMPDIR.
set -euo pipefail
cd "$(dirname "$0")/.."
REPS="${1:-5}"

bash scripts/setup.sh
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-release -j "$(nproc)" \
  --target kelvaro_bench kelvaro_window_bench kelvaro-startup-probe kelvaro-demo \
  kelvaro-tool kelvaro-align-probe kelvaro-history-probe kelvaro_open_dictionary >/dev/null
BIN=build-release/bin
export QT_QPA_PLATFORM=offscreen QT_AUDIO_BACKEND=null

# The voice benchmark reads the demo's lesson recording beside the executables.
"$BIN/kelvaro-demo" --out "$BIN" >/dev/null 2>&1 || true
FULL="${TMPDIR:-/tmp}/kelvaro-full-size-book"
if [ ! -d "$FULL/Book" ]; then
  "$BIN/kelvaro-demo" --full-size --out "$FULL" >/dev/null
fi

OUT=$(mktemp -d)
trap 'rm -rf "$OUT"; [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null || true' EXIT

bench() { # binary filter name
  "$BIN/$1" --benchmark_filter="$2" --benchmark_repetitions="$REPS" \
    --benchmark_format=json >"$OUT/$3.json" 2>/dev/null
}
bench kelvaro_bench 'BM_Mp3SeekIndexBuilt|BM_PlaySentenceRightAfterOpening' audio
bench kelvaro_bench 'BM_PlayStretchedSentenceToFirstSample|BM_PlayingStretchedCpuShare' stretched
bench kelvaro_window_bench 'BM_OpenLesson|BM_KeyWordStep|BM_ReadAfterStopToComparison' window
# The open dictionary: a lookup through it, a word spoken warm, and (each run a process of its
# own) the first word of a session, with espeak-ng starting, and the memory the file takes.
bench kelvaro_bench 'BM_OpenLookup|BM_SpokenWordFirstSample' open
for i in $(seq "$REPS"); do
  "$BIN/kelvaro_bench" --benchmark_filter='BM_SpokenWordColdStart' --benchmark_format=json \
    >"$OUT/open-cold-$i.json" 2>/dev/null || true
done
"$BIN/kelvaro_bench" --benchmark_filter='BM_OpenDictionaryLoadAndResidentGrowth' \
  --benchmark_format=json >"$OUT/open-memory.json" 2>/dev/null || true
# Coverage on a long English text found on this machine: Vim's user manual (vim-runtime),
# every distinct word of it, looked up with no folder dictionary (the open data alone).
MANUAL=(/usr/share/vim/vim9*/doc/usr_*.txt)
if [ -f "${MANUAL[0]}" ]; then
  mkdir -p "$OUT/empty-folder"
  cat "${MANUAL[@]}" | tr -cs 'A-Za-z' '\n' | tr 'A-Z' 'a-z' | awk 'length > 1' | sort -u \
    >"$OUT/coverage-words"
  xargs -a "$OUT/coverage-words" "$BIN/kelvaro-tool" lookup --folder "$OUT/empty-folder" --json \
    >"$OUT/coverage.json" 2>/dev/null || true
fi

seconds() { python3 -c 'import time; print(time.monotonic())'; }

# A learner's import: the audio benchmark's half-hour mp3 with an LRC of 720 sentences.
HALF="${TMPDIR:-/tmp}/kelvaro-bench-audio/half-hour-44k-stereo-vbr.mp3"
if [ -f "$HALF" ]; then
  python3 -c '
for i in range(720):
    t = i * 2.5
    print("[%02d:%05.2f]Sentence number %d of the half hour. / 第%d句" % (t // 60, t % 60, i + 1, i + 1))
' >"$OUT/half.lrc"
  for _ in $(seq "$REPS"); do
    rm -rf "$OUT/import" && mkdir -p "$OUT/import"
    start=$(seconds)
    "$BIN/kelvaro-tool" import --folder "$OUT/import" --book "Half hour" "$HALF" "$OUT/half.lrc" \
      >/dev/null
    python3 -c "print(($(seconds) - $start) * 1000)"
  done >"$OUT/import-lrc"
fi

startups() { # platform file
  for _ in $(seq "$REPS"); do
    QT_QPA_PLATFORM="$1" "$BIN/kelvaro-startup-probe" "$FULL" 2>/dev/null |
      sed -n 's/^first paint: \([0-9.]*\) ms after main.*/\1/p'
  done >"$OUT/$2"
}
startups offscreen startup-offscreen
# The same book with 50 own books of 200 lessons each in the tree.
MANY="${TMPDIR:-/tmp}/kelvaro-fifty-own-books"
if [ ! -f "$MANY/SETTING/BookList.dat" ]; then
  rm -rf "$MANY" && cp -r "$FULL" "$MANY"
  python3 - "$MANY" <<'EOF'
import os, sys
setting = os.path.join(sys.argv[1], "SETTING")
books = ["Own book %02d" % b for b in range(1, 51)]
open(os.path.join(setting, "BookList.dat"), "w").write("^" + "^".join(books) + "^")
for book in books:
    lessons = ["%s, lesson %03d" % (book, n) for n in range(1, 201)]
    open(os.path.join(setting, "BookList", book + ".dat"), "w").write("^" + "^".join(lessons) + "^")
EOF
fi
FULL="$MANY" startups offscreen startup-many
if command -v Xvfb >/dev/null; then
  Xvfb :97 -screen 0 1280x800x24 >/dev/null 2>&1 &
  XVFB_PID=$!
  sleep 1
  DISPLAY=:97 startups xcb startup-x
fi
# A plain text aligned with its 30-minute mp3 through the tool, as the player runs it: time and
# peak memory; then where the sentences landed, there and on alsa-utils' recorded voice.
ALIGN="${TMPDIR:-/tmp}/kelvaro-align-30min"
if [ ! -f "$ALIGN/recording.mp3" ]; then
  "$BIN/kelvaro-align-probe" make "$ALIGN" 30 >/dev/null
  lame --quiet -b 64 "$ALIGN/recording.wav" "$ALIGN/recording.mp3"
fi
for i in $(seq "$REPS"); do
  rm -rf "$OUT/align-folder" && mkdir "$OUT/align-folder"
  /usr/bin/time -v "$BIN/kelvaro-tool" import --folder "$OUT/align-folder" --book Bench \
    "$ALIGN/recording.mp3" "$ALIGN/text.txt" 2>"$OUT/align-run" >/dev/null
  sed -n 's/.*Elapsed (wall clock) time (h:mm:ss or m:ss): \([0-9]*\):\([0-9.]*\)/\1 \2/p' \
    "$OUT/align-run" | awk '{print ($1 * 60 + $2) * 1000}' >>"$OUT/align-times"
  sed -n 's/.*Maximum resident set size (kbytes): \([0-9]*\)/\1/p' "$OUT/align-run" |
    awk '{print $1 / 1024}' >>"$OUT/align-memory"
done
"$BIN/kelvaro-align-probe" measure "$ALIGN/recording.mp3" "$ALIGN/text.txt" "$ALIGN/truth.txt" \
  >"$OUT/align-quality" 2>&1 || true
"$BIN/kelvaro-align-probe" alsa "$OUT/alsa" >/dev/null 2>&1 &&
  "$BIN/kelvaro-align-probe" measure "$OUT/alsa/recording.wav" "$OUT/alsa/text.txt" \
    "$OUT/alsa/truth.txt" >"$OUT/alsa-quality" 2>&1 || true

"$BIN/kelvaro-history-probe" "$REPS" >"$OUT/history" 2>/dev/null || true

"$BIN/kelvaro-startup-probe" "$FULL" --memory 2>/dev/null |
  sed -n 's/^resident memory: \([0-9.]*\) MiB, peak \([0-9.]*\) MiB/\1 \2/p' >"$OUT/memory"

python3 - "$OUT" <<'EOF'
import json, statistics, sys, os
out = sys.argv[1]

def runs(file, name):
    path = os.path.join(out, file + ".json")
    if not os.path.exists(path):
        return []
    data = json.load(open(path))
    unit = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}
    return [b["real_time"] * unit[b["time_unit"]] for b in data["benchmarks"]
            if b.get("run_type") == "iteration" and b["run_name"] == name]

def counters(file, name, counter):
    path = os.path.join(out, file + ".json")
    if not os.path.exists(path):
        return []
    data = json.load(open(path))
    return [b[counter] for b in data["benchmarks"]
            if b.get("run_type") == "iteration" and b["run_name"] == name and counter in b]

def lines(file):
    path = os.path.join(out, file)
    return [float(x) for x in open(path).read().split()] if os.path.exists(path) else []

def row(what, values, goal, unit="ms"):
    if not values:
        print(f"| {what} | (not measured) | {goal} |")
        return
    print(f"| {what} | {statistics.median(values):.1f} / {min(values):.1f} {unit} | {goal} |")

print("| What | Median / min | Goal |")
print("|---|---|---|")
row("Start-up to painted window, full-size book, offscreen", lines("startup-offscreen"), "< 100 ms")
row("Start-up to painted window, full-size book, under X", lines("startup-x"), "< 100 ms")
row("Start-up, the same with 50 own books of 200 lessons, offscreen", lines("startup-many"), "< 100 ms")
row("Seek index of a 30-minute VBR stereo mp3", runs("audio", "BM_Mp3SeekIndexBuilt/iterations:10"), "< 50 ms (aim < 10)")
row("First sample right after opening a lesson",
    runs("audio", "BM_PlaySentenceRightAfterOpening/iterations:10/manual_time") or
    runs("audio", "BM_PlaySentenceRightAfterOpening/manual_time"), "< 20 ms")
row("First sample of a sentence at 0.7x after the click",
    runs("stretched", "BM_PlayStretchedSentenceToFirstSample/iterations:200/manual_time"),
    "< 30 ms")
row("CPU while a sentence plays at 0.7x, one core",
    counters("stretched", "BM_PlayingStretchedCpuShare/iterations:1", "cpu_percent"), "< 5 %",
    unit="%")
for sentences in (200, 2000, 20000):
    for words in (2, 10):
        name = f"BM_OpenLesson/sentences:{sentences}/words:{words}/rich:0"
        goal = "< 100 ms" if sentences == 20000 else "< 16 ms"
        row(f"Open a {sentences:,}-sentence lesson, {words} words a sentence", runs("window", name), goal)
open_lookup = [t * 1000 for t in runs("open", "BM_OpenLookup")]
row("Lookup through the open dictionary (folder misses, WordNet forms)", open_lookup, "< 20 µs", "µs")
row("Synthesised word written for the word player (first sample), espeak-ng started",
    runs("open", "BM_SpokenWordFirstSample/manual_time"), "< 50 ms")
cold = []
for name in sorted(os.listdir(out)):
    if name.startswith("open-cold-"):
        cold += runs(name[:-5], "BM_SpokenWordColdStart/iterations:1/manual_time")
row("First open word of a session: espeak-ng starts, transcribes and speaks", cold, "< 50 ms")
try:
    growth = json.load(open(os.path.join(out, "open-memory.json")))["benchmarks"][0]["resident_growth_MiB"]
    print(f"| Resident memory growth, open dictionary read and looked up | {growth:.1f} MiB | < 40 MB |")
except (OSError, ValueError, KeyError, IndexError):
    print("| Resident memory growth, open dictionary read and looked up | (not measured) | < 40 MB |")
try:
    answers = json.load(open(os.path.join(out, "coverage.json")))
    total = len(answers)
    meaning = sum(1 for a in answers if a["answer"] == "open")
    chinese = sum(1 for a in answers if a["answer"] == "open" and a["cedict"])
    print(f"| Coverage, {total} distinct words of Vim's user manual: base form + meaning / "
          f"+ Chinese | {100 * meaning / total:.1f} % / {100 * chinese / total:.1f} % | (reported) |")
except (OSError, ValueError, ZeroDivisionError):
    print("| Coverage of a long English text | (not measured) | (reported) |")
row("One key-word step, 2,000 sentences", runs("window", "BM_KeyWordStep"), "independent of length")
row("\"停止\" to comparison, sentence not yet analysed",
    runs("window", "BM_ReadAfterStopToComparison/lessonReady:0"), "< 50 ms")
row("Import of a 30-minute mp3 with its LRC (720 sentences), whole command", lines("import-lrc"), "< 2 s")
row("Align a plain text with its 30-minute mp3 (kelvaro-tool import)", lines("align-times"),
    "< 3 min")
align_memory = lines("align-memory")
if align_memory:
    print(f"| Peak memory, aligning 30 minutes | {max(align_memory):.1f} MiB | < 500 MB |")
else:
    print("| Peak memory, aligning 30 minutes | (not measured) | < 500 MB |")
for file, what in (("align-quality", "30 minutes, another voice"), ("alsa-quality", "alsa-utils' voice")):
    path = os.path.join(out, file)
    text = open(path).read() if os.path.exists(path) else ""
    figures = {k.strip(): v.strip() for k, v in
               (line.split(":", 1) for line in text.splitlines() if ":" in line)}
    print(f"| Aligned sentence edges, {what}: error from the speech edge | "
          f"{figures.get('boundary error', '(not measured)')} | in the pauses |")
    print(f"| Aligned sentence edges, {what}: cutting own speech / reaching a neighbour | "
          f"{figures.get('edges cutting their own speech', '?').replace(', reaching a neighbour' + chr(39) + 's:', ' /')} | 0 / 0 |")
history = {}
if os.path.exists(os.path.join(out, "history")):
    for line in open(os.path.join(out, "history")):
        if ":" in line:
            key, value = line.split(":", 1)
            history[key.strip()] = value.strip()
for key, what, goal in (
        ("record one outcome on the caller's thread", "Record one practice outcome, window's thread", "< 1 ms"),
        ("review summary, first read", "Review tab's summary, 100,000 outcomes over 50 books (first read)", "< 16 ms"),
        ("review summary, again", "Review tab's summary, the same, read again", "< 16 ms"),
        ("file size", "History file with 100,000 outcomes", "< 20 MB")):
    print(f"| {what} | {history.get(key, '(not measured)')} | {goal} |")
memory = lines("memory")
if memory:
    print(f"| Resident memory, full-size book (now / peak) | {memory[0]:.1f} / {memory[1]:.1f} MiB | < 100 MB |")
else:
    print("| Resident memory, full-size book | (not measured) | < 100 MB |")
EOF
