#!/usr/bin/env bash
<<<<<<< HEAD
# Short, bounded fuzzing runs for every test run (about a minute in all):
# builds the libFuzzer targets with clang under AddressSanitizer and
# UndefinedBehaviorSanitizer in build/fuzz and runs each for a few seconds,
# keeping what they find in build/fuzz/corpus for the next run.
# Long runs by hand:  VT_FUZZ_RUNS=10000000 scripts/fuzz-slice.sh
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build/fuzz
targets=(dcl_decode_fuzz archive_reader_fuzz dcl_roundtrip_fuzz)
seconds=(20 20 15)

cmake -S "$root" -B "$build" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVT_SANITIZE=ON -DVT_FUZZ=ON >/dev/null || exit 1
cmake --build "$build" -j"${VT_JOBS:-2}" --target "${targets[@]}" >/dev/null || exit 1

# Seeds: the published sample stream, and a one-entry archive holding it.
seeds=$build/seeds
mkdir -p "$seeds/dcl_decode_fuzz" "$seeds/archive_reader_fuzz" "$seeds/dcl_roundtrip_fuzz"
printf '\x00\x00\x04\x82\x24\x25\x8f\x80\x7f' > "$seeds/dcl_decode_fuzz/sample"
printf '\x01\x00\x00\x00A\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\x21\0\0\0\x29\0\0\0\x00\x04\x82\x24\x25\x8f\x80\x7f' \
  > "$seeds/archive_reader_fuzz/plain"
printf '\x01\x00\x01\x00\x06\0\0\0a\\b.c\0\0\0\0\0\0\0\0\0\x22\0\0\0\x2a\0\0\0\x00\x04\x82\x24\x25\x8f\x80\x7f' \
  > "$seeds/archive_reader_fuzz/paths"
printf 'AIAIAIAIAIAIA and then some text text text' > "$seeds/dcl_roundtrip_fuzz/text"

failed=0
for i in "${!targets[@]}"; do
  t=${targets[$i]}
  corpus=$build/corpus/$t
  mkdir -p "$corpus"
  if [ -n "${VT_FUZZ_RUNS:-}" ]; then
    limit=(-runs="$VT_FUZZ_RUNS")
  else
    limit=(-max_total_time="${seconds[$i]}")
  fi
  start=$(date +%s)
  if "$build/tests/fuzz/$t" "${limit[@]}" -rss_limit_mb=2048 -max_len=20000 -print_final_stats=1 \
       -artifact_prefix="$build/" "$corpus" "$seeds/$t" >"$build/$t.log" 2>&1; then
    runs=$(sed -nE 's/^stat::number_of_executed_units: *([0-9]+).*/\1/p' "$build/$t.log")
    echo "fuzz $t: ${runs:-?} inputs in $(( $(date +%s) - start )) s, clean"
  else
    echo "fuzz $t: FAILED (log: $build/$t.log)"
    tail -n 30 "$build/$t.log"
    failed=1
  fi
done
exit $failed
=======
# Short, bounded fuzzing slices for CI: every fuzz target of the sanitizer
# tree runs a fixed number of inputs, from its seeds when it has some.
#   VT_FUZZ_RUNS   inputs per target (default 20000)
# Long runs by hand, e.g.:
#   build/native-asan/tests/fuzz/dib_fuzz -runs=1000000 build/native-asan/tests/fuzz/dib_fuzz.seeds
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=$root/build/native-asan/tests/fuzz
runs=${VT_FUZZ_RUNS:-20000}
status=0
shopt -s nullglob
for target in "$dir"/*_fuzz; do
  [ -x "$target" ] || continue
  name=$(basename "$target")
  corpus=$(mktemp -d)
  seeds=()
  [ -d "$target.seeds" ] && seeds=("$target.seeds")
  echo "== $name: $runs inputs"
  if timeout 600 "$target" -runs="$runs" -max_total_time=300 -max_len=65536 \
       -artifact_prefix="$corpus/" "$corpus" "${seeds[@]}" >"$corpus/log" 2>&1; then
    grep -E '^#[0-9]+.*DONE' "$corpus/log" | tail -n 1
  else
    echo "$name: FAILED"
    tail -n 40 "$corpus/log"
    status=1
  fi
  rm -rf "$corpus"
done
exit $status
>>>>>>> main
