#!/usr/bin/env bash
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
