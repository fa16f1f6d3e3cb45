#!/usr/bin/env bash
# Instructions per output byte of the decoder, counted by callgrind for the
# whole process (start-up, reading the stream, decoding, handing the output
# to a sink that drops it). Counts repeat exactly on a busy machine.
# Exits 1 when a case is over its limit.
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${VT_BENCH_BUILD:-$root/build/native}
corpus=$build/bench-corpus
dclraw=$build/tests/bench/dclraw
"$root/tests/bench/make-corpus.sh" "$corpus" >/dev/null
over=0
#        file         literals dict limit
while read -r file lit dict limit; do
  stream=$corpus/$file.$lit.$dict.imp
  "$dclraw" encode "$lit" "$dict" "$corpus/$file" "$stream" || exit 1
  size=$(stat -c %s "$corpus/$file")
  ir=$(valgrind --tool=callgrind --callgrind-out-file=/dev/null "$dclraw" decode "$stream" - 2>&1 |
       sed -nE 's/.*Collected : ([0-9]+).*/\1/p')
  verdict=$(awk -v ir="$ir" -v n="$size" -v lim="$limit" 'BEGIN {
    v = ir / n; printf "%6.2f instructions/byte", v;
    if (lim > 0) printf "  (limit %s) %s", lim, (v <= lim ? "ok" : "OVER") }')
  printf '%-12s %-6s %4d %s\n' "$file" "$lit" "$dict" "$verdict"
  case $verdict in *OVER*) over=1 ;; esac
done <<'CASES'
text.txt    binary 4096 17
code.bin    binary 4096 23
text.txt    ascii  1024 24
picture.bmp binary 4096 0
zeros.bin   binary 4096 0
CASES
exit $over
