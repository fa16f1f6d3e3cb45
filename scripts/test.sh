#!/usr/bin/env bash
# Every test: installs what is missing, builds the trees, runs the native
# tests under AddressSanitizer and UndefinedBehaviorSanitizer, the checks of
# the shipped programs, the Windows tests and scenarios under Wine, and
# short fuzzing slices.
#
# The Windows tests run from the i686 tree (build/win32, what we ship) under
# the 32-bit Wine where this machine runs 32-bit programs; elsewhere from an
# x86_64 tree of the same sources (build/win64) under the 64-bit Wine. The
# i686 tree's shipped programs are built and checked either way.
# VT_WINE=auto|32|64 chooses (scripts/wine-mode.sh --help); VT_JOBS sets the
# build's jobs.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
source "$root/scripts/wine-mode.sh"
started=$SECONDS

"$root/scripts/deps.sh" || exit 1
mode=$(vt_wine_mode) || exit 1
tree=$(vt_wine_tree "$mode")
wine_line="Win32 tests: $(vt_wine_describe "$mode")"
echo "== $wine_line =="
# Where the Windows tests run from build/win64, the i686 tree needs only
# what the checks of the shipped programs read.
shipped=win32
[ "$tree" = win32 ] || shipped=win32:pe_inputs
"$root/scripts/build.sh" native-asan "$shipped" "$tree" || exit 1

summary=()
failed=0
total_run=0
total_failed=0
record() { # name, ctest log
  local line
  line=$(grep -E 'tests passed, [0-9]+ tests failed out of [0-9]+' "$2" | tail -n 1)
  summary+=("$1: ${line:-no summary}")
  local p f
  p=$(sed -nE 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\2 \1/p' <<<"$line")
  set -- $p
  total_run=$(( total_run + ${1:-0} ))
  total_failed=$(( total_failed + ${2:-0} ))
}

log=$(mktemp -d)
trap 'rm -rf "$log"' EXIT
echo "== native tests (sanitizers) =="
ctest --test-dir build/native-asan -j2 --output-on-failure 2>&1 | tee "$log/native.txt"
[ "${PIPESTATUS[0]}" -eq 0 ] || failed=1
record native "$log/native.txt"

# The shipped files themselves, whichever tree the Windows tests run from.
echo "== shipped programs (build/win32) =="
# (Only the tests/pe folder: the tree's other tests would be listed by
# running them under Wine.)
ctest --test-dir build/win32/tests/pe --output-on-failure 2>&1 | tee "$log/shipped.txt"
[ "${PIPESTATUS[0]}" -eq 0 ] || failed=1
record "win32 (shipped programs)" "$log/shipped.txt"

echo "== Windows tests under Wine: build/$tree =="
others=()
[ "$tree" = win32 ] && others=(-LE pe)  # run just above
VT_BUILD=$root/build/$tree "$root/scripts/test-win32.sh" "${others[@]}" 2>&1 | tee "$log/wine.txt"
[ "${PIPESTATUS[0]}" -eq 0 ] || failed=1
record "$tree (under Wine)" "$log/wine.txt"

if [ -x "$root/scripts/fuzz-slice.sh" ]; then
  echo "== fuzzing slices =="
  "$root/scripts/fuzz-slice.sh" || failed=1
fi

echo
printf '%s\n' "${summary[@]}"
echo "$wine_line"
passed=$(( total_run - total_failed ))
echo "${passed} passed, ${total_failed} failed ($(( SECONDS - started )) s)"
[ "$failed" -eq 0 ] && [ "$total_failed" -eq 0 ]
