#!/usr/bin/env bash
# Every test: installs what is missing, builds both trees, runs the native
# tests under AddressSanitizer and UndefinedBehaviorSanitizer, the Win32
# tests and scenarios under Wine, and short fuzzing slices.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

"$root/scripts/deps.sh" || exit 1
"$root/scripts/build.sh" native-asan win32 || exit 1

summary=()
failed=0
record() { # name, ctest log
  local line
  line=$(grep -E 'tests passed, [0-9]+ tests failed out of [0-9]+' "$2" | tail -n 1)
  summary+=("$1: ${line:-no summary}")
  local p f
  p=$(sed -nE 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\2 \1/p' <<<"$line")
  set -- $p
  total_run=$(( ${total_run:-0} + ${1:-0} ))
  total_failed=$(( ${total_failed:-0} + ${2:-0} ))
}

log=$(mktemp -d)
echo "== native tests (sanitizers) =="
ctest --test-dir build/native-asan -j2 --output-on-failure 2>&1 | tee "$log/native.txt"
[ "${PIPESTATUS[0]}" -eq 0 ] || failed=1
record native "$log/native.txt"

echo "== Win32 tests under Wine =="
"$root/scripts/test-win32.sh" 2>&1 | tee "$log/win32.txt"
[ "${PIPESTATUS[0]}" -eq 0 ] || failed=1
record win32 "$log/win32.txt"

if [ -x "$root/scripts/fuzz-slice.sh" ]; then
  echo "== fuzzing slices =="
  "$root/scripts/fuzz-slice.sh" || failed=1
fi

echo
printf '%s\n' "${summary[@]}"
passed=$(( total_run - total_failed ))
echo "${passed} passed, ${total_failed} failed"
[ "$failed" -eq 0 ] && [ "$total_failed" -eq 0 ]
