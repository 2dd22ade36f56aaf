#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, AddressSanitizer and UndefinedBehaviorSanitizer) in
# build-fuzz/ and runs each one on the checked-in corpus for SECONDS (default 30).
#   scripts/fuzz.sh [SECONDS] [TARGET...]     targets: text text_roundtrip lesson settings
#                                             dictionary book_list transcript wav segment
#                                             (default: all)
# The corpus of a target is its seed files from tests/data and the regression inputs in
# tests/data/fuzz/TARGET/. Inputs found on the way are kept in build-fuzz/corpus/TARGET/. A failing
# input is saved as build-fuzz/findings/TARGET/crash-* (or timeout-*, oom-*) and fails the run;
# minimise it with build-fuzz/bin/fuzz_TARGET -minimize_crash=1 -runs=100000 FILE, fix the
# reader and keep the minimised input in tests/data/fuzz/TARGET/ with a test that reads it.
set -euo pipefail
cd "$(dirname "$0")/.."

SECONDS_EACH=${1:-30}
shift || true
ALL_TARGETS=(text text_roundtrip lesson settings dictionary book_list transcript wav segment)
TARGETS=("$@")
if ((${#TARGETS[@]} == 0)); then TARGETS=("${ALL_TARGETS[@]}"); fi

bash scripts/setup.sh

BUILD_DIR=build-fuzz
CC=clang CXX=clang++ cmake -S . -B "$BUILD_DIR" -G Ninja -DKELVARO_FUZZ=ON -DKELVARO_BENCHMARKS=OFF \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD_DIR" --target kelvaro_fuzzers -j "${KELVARO_FUZZ_JOBS:-$(nproc)}"

DATA=tests/data
# The fixtures each reader starts from.
seeds() {
  case "$1" in
    text | text_roundtrip)
      echo "$DATA"/rtf/* "$DATA"/folder/Book/Kelvaro/* "$DATA"/folder/lib.dll \
        "$DATA"/folder/SETTING/Set.dat "$DATA"/folder/SETTING/*/* ;;
    lesson) echo "$DATA"/folder/Book/Kelvaro/* ;;
    settings) echo "$DATA"/folder/SETTING/Set.dat ;;
    dictionary) echo "$DATA"/folder/lib.dll ;;
    book_list) echo "$DATA"/folder/SETTING/BookList/* "$DATA"/folder/SETTING/Results/* ;;
    transcript) echo "$DATA"/transcripts/* ;;
    wav) echo "$DATA"/wav/* ;;
    segment) ;; # its regression inputs are its seeds: pairs of times
  esac
  if [ -d "$DATA/fuzz/$1" ]; then echo "$DATA/fuzz/$1"/*; fi
}

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:allocator_may_return_null=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export QT_QPA_PLATFORM=offscreen QT_AUDIO_BACKEND=null

failed=()
for target in "${TARGETS[@]}"; do
  corpus="$BUILD_DIR/corpus/$target"
  seed_dir="$BUILD_DIR/seeds/$target"
  findings="$BUILD_DIR/findings/$target"
  rm -rf "$seed_dir"
  mkdir -p "$corpus" "$seed_dir" "$findings"
  for file in $(seeds "$target"); do
    [ -f "$file" ] && cp "$file" "$seed_dir/$(echo "$file" | tr '/' '_')"
  done
  dict=()
  case "$target" in
    text_roundtrip) dict=(-dict=fuzz/dict/text.dict) ;;
    segment) ;;
    *) dict=(-dict="fuzz/dict/$target.dict") ;;
  esac
  log="$BUILD_DIR/findings/$target.log"
  echo "fuzz: $target for ${SECONDS_EACH}s"
  if "$BUILD_DIR/bin/fuzz_$target" -max_total_time="$SECONDS_EACH" -timeout=10 -rss_limit_mb=2560 \
    -max_len=16384 -print_final_stats=1 -artifact_prefix="$findings/" "${dict[@]}" \
    "$corpus" "$seed_dir" >"$log" 2>&1; then
    executed=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    coverage=$(grep -o 'cov: [0-9]* ft: [0-9]*' "$log" | tail -n 1)
    echo "fuzz: $target passed: $executed runs, $coverage, corpus $(ls "$corpus" | wc -l) inputs"
  else
    echo "fuzz: $target FAILED (log: $log)"
    grep -E 'ERROR|property failed|SUMMARY|artifact|Test unit written' "$log" | head -n 20 || true
    failed+=("$target")
  fi
done

if ((${#failed[@]})); then
  echo "fuzz: findings in ${failed[*]}"
  exit 1
fi
