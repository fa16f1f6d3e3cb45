#!/usr/bin/env bash
# Configures and builds the named trees under build/:
#   native       host compiler, tools and benchmarks
#   native-asan  host compiler with AddressSanitizer and UBSan, for the tests
#   win32        MinGW-w64 i686: the Windows programs, DLL and test binaries
#                (what we ship)
#   win64        MinGW-w64 x86_64: the same targets, for running the Windows
#                tests under the 64-bit Wine (see scripts/wine-mode.sh)
# TREE:TARGET builds only that target of the tree (win32:pe_inputs, the
# shipped programs and what their checks read). A tree named twice is built
# once. VT_JOBS: parallel jobs (default 2).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=${VT_JOBS:-2}
[ $# -gt 0 ] || set -- native win32
done_trees=" "
for name in "$@"; do
  [[ $done_trees == *" $name "* ]] && continue
  tree=${name%%:*}
  target=()
  [ "$tree" != "$name" ] && target=(--target "${name#*:}")
  case $tree in
    native)      args=(-DCMAKE_BUILD_TYPE=Release) ;;
    native-asan) args=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DVT_SANITIZE=ON) ;;
    win32)       args=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake") ;;
    win64)       args=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-x86_64.cmake") ;;
    *) echo "build.sh: unknown tree '$tree' (native, native-asan, win32, win64)" >&2; exit 2 ;;
  esac
  echo "== build $name =="
  cmake -S "$root" -B "$root/build/$tree" "${args[@]}" >/dev/null
  cmake --build "$root/build/$tree" -j"$jobs" "${target[@]}"
  done_trees+="$name "
done
