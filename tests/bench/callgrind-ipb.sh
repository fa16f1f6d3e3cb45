#!/usr/bin/env bash
# Instructions per output byte of the decoder, counted by callgrind for the
# whole process (start-up, reading the stream, decoding, handing the output
# to a sink that drops it). Counts repeat exactly on a busy machine.
#   callgrind-ipb.sh          the 64-bit figures (build/native)
#   callgrind-ipb.sh --m32    also two 32-bit builds of the core and dclraw,
#                             built here: with the compiler's own 32-bit
#                             defaults, the Pentium Pro (build/native-m32-i686,
#                             as the programs were built before), and with
#                             the flags of the programs we ship (build/native-m32,
#                             from cmake/mingw-i686.cmake); their figures,
#                             what ours cost, and their ratio to the 64-bit one
# Exits 1 when a case is over its limit, or with --m32 when a shipped 32-bit
# figure is over 1.25 times the 64-bit one or 10% over the Pentium Pro's.
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${VT_BENCH_BUILD:-$root/build/native}
build32=${VT_BENCH_BUILD32:-$root/build/native-m32}
build686=${VT_BENCH_BUILD686:-$root/build/native-m32-i686}
ratio_limit=1.25
loss_limit=10
# The instruction set of the programs we ship, as their toolchain file says.
ship_flags=$(sed -nE 's/^set\(VT_MINGW_ARCH_FLAGS "(.*)"\)/\1/p' "$root/cmake/mingw-i686.cmake")
corpus=$build/bench-corpus
dclraw=$build/tests/bench/dclraw

m32=0
case ${1:-} in
  --m32) m32=1 ;;
  "") ;;
  -h|--help) sed -n '2,16s/^# \{0,1\}//p' "$0"; exit 0 ;;
  *) echo "callgrind-ipb.sh: unknown option '$1' (see --help)" >&2; exit 2 ;;
esac

# Can this machine build and run 32-bit programs? A compiler without the
# 32-bit libraries, or a kernel without 32-bit support, skips those figures.
can_run_m32() {
  local probe
  probe=$(mktemp -d) || return 1
  echo 'int main() { return 0; }' > "$probe/probe.cpp"
  ${CXX:-c++} -m32 "$probe/probe.cpp" -o "$probe/probe" >/dev/null 2>&1 && "$probe/probe" 2>/dev/null
  local ok=$?
  rm -rf "$probe"
  return $ok
}

# build_m32 TREE FLAGS: the core and dclraw, 32-bit, with FLAGS. Not
# position-independent, as the 32-bit programs we ship are not: on i386
# that would cost a register the decoder's loop needs.
build_m32() {
  local tree=$1 flags="-m32 -fno-pie $2"
  mkdir -p "$tree"
  if ! { cmake -S "$root" -B "$tree" -DCMAKE_BUILD_TYPE=Release -DVT_BENCH_ONLY=ON \
           -DCMAKE_C_FLAGS="$flags" -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS=-no-pie >/dev/null &&
         cmake --build "$tree" -j"${VT_JOBS:-2}" --target dclraw >"$tree/build.log" 2>&1; }; then
    echo "callgrind-ipb.sh: building the 32-bit dclraw in $tree failed (see $tree/build.log)" >&2
    return 1
  fi
}

if [ $m32 = 1 ]; then
  if ! can_run_m32; then
    echo "callgrind-ipb.sh: this machine cannot build or run 32-bit programs (g++-multilib, 32-bit kernel support); 32-bit figures skipped" >&2
    m32=0
  elif ! build_m32 "$build32" "$ship_flags" || ! build_m32 "$build686" ""; then
    exit 1
  fi
fi

# ipb PROGRAM STREAM SIZE: instructions per output byte.
ipb() {
  local ir
  ir=$(valgrind --tool=callgrind --callgrind-out-file=/dev/null "$1" decode "$2" - 2>&1 |
       sed -nE 's/.*Collected : ([0-9]+).*/\1/p')
  [ -n "$ir" ] || { echo "callgrind-ipb.sh: no count for $1 $2" >&2; return 1; }
  awk -v ir="$ir" -v n="$3" 'BEGIN { printf "%.2f", ir / n }'
}

"$root/tests/bench/make-corpus.sh" "$corpus" >/dev/null
over=0
if [ $m32 = 1 ]; then
  printf '%-12s %-6s %4s %7s %7s %7s %7s %6s %5s\n' file lit dict 64-bit limit i686 ours cost ours/64
else
  printf '%-12s %-6s %4s %7s %7s\n' file lit dict 64-bit limit
fi
#        file         literals dict limit (64-bit; 0: none)
while read -r file lit dict limit; do
  stream=$corpus/$file.$lit.$dict.imp
  "$dclraw" encode "$lit" "$dict" "$corpus/$file" "$stream" || exit 1
  size=$(stat -c %s "$corpus/$file")
  v64=$(ipb "$dclraw" "$stream" "$size") || exit 1
  line=$(awk -v v="$v64" -v lim="$limit" 'BEGIN {
    printf "%7.2f %7s", v, (lim > 0 ? lim : "-"); if (lim > 0 && v > lim) printf " OVER" }')
  if [ $m32 = 1 ]; then
    v686=$(ipb "$build686/tests/bench/dclraw" "$stream" "$size") || exit 1
    v32=$(ipb "$build32/tests/bench/dclraw" "$stream" "$size") || exit 1
    line+=$(awk -v a="$v64" -v p6="$v686" -v b="$v32" -v lim="$ratio_limit" -v loss="$loss_limit" 'BEGIN {
      printf " %7.2f %7.2f %+5.1f%% %5.2f", p6, b, (b / p6 - 1) * 100, b / a
      if (b / a > lim) printf " OVER (ratio limit %s)", lim
      if ((b / p6 - 1) * 100 > loss) printf " OVER (loss limit %s%%)", loss }')
  fi
  printf '%-12s %-6s %4d %s\n' "$file" "$lit" "$dict" "$line"
  case $line in *OVER*) over=1 ;; esac
done <<'CASES'
text.txt    binary 4096 13
code.bin    binary 4096 16.5
picture.bmp binary 4096 26
zeros.bin   binary 4096 1.5
random.bin  binary 4096 25
text.txt    ascii  1024 17.5
text.txt    ascii  4096 13.5
code.bin    ascii  4096 19
picture.bmp ascii  4096 28
zeros.bin   ascii  4096 1.55
CASES
exit $over
