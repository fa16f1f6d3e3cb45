#!/usr/bin/env bash
# Gathers the corpus (make-corpus.sh) and prints ratio and speed per file
# and mode. Run by hand on a quiet machine; needs build/native.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${VT_BENCH_BUILD:-$root/build/native}
corpus=$build/bench-corpus
"$root/tests/bench/make-corpus.sh" "$corpus"
"$build/tests/bench/vt_dcl_bench" "$corpus"/{text.txt,code.bin,picture.bmp,zeros.bin,random.bin}
