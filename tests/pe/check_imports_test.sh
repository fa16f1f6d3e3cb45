#!/usr/bin/env bash
# scripts/check-imports.sh must refuse each import Windows 95 would refuse
# to load, naming the file, the DLL, the function and who calls it, and
# pass a program importing only what Windows 95 exports: otherwise a
# program calling GetTickCount64, say, would pass every test under Wine and
# not start on Windows 95.
#   check_imports_test.sh OBJDUMP STRIP LISTED LACKS WIDE ORDINAL FOREIGN
# (the programs of listed_imports.c, lacks_win95_export.c, wide_import.c,
# ordinal_import.c and foreign_import.c)
set -uo pipefail
[ $# -eq 7 ] || { echo "usage: $0 OBJDUMP STRIP LISTED LACKS WIDE ORDINAL FOREIGN" >&2; exit 2; }
objdump=$1 strip=$2 listed=$3 lacks=$4 wide=$5 ordinal=$6 foreign=$7
scripts=$(cd "$(dirname "$0")/../../scripts" && pwd)
lists=$(cd "$(dirname "$0")/win95" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail=0 cases=0

# expect RC DESCRIPTION LINE... -- CHECK-IMPORTS-ARGUMENTS...: the exit
# status, and each LINE whole in the output.
expect() {
  local want_rc=$1 what=$2 out rc line missing=()
  shift 2
  local lines=()
  while [ "$1" != -- ]; do lines+=("$1"); shift; done
  shift
  cases=$((cases + 1))
  out=$(bash "$scripts/check-imports.sh" "$@" 2>&1)
  rc=$?
  for line in "${lines[@]}"; do
    grep -qxF -- "$line" <<<"$out" || missing+=("$line")
  done
  if [ "$rc" -eq "$want_rc" ] && [ ${#missing[@]} -eq 0 ]; then
    echo "ok: $what"
  else
    echo "FAIL: $what: expected exit $want_rc and these lines:"
    printf '    %s\n' "${missing[@]}"
    echo "  got exit $rc:"
    sed 's/^/    /' <<<"$out"
    fail=1
  fi
}

# copy_lists DIR: a copy of the lists to change.
copy_lists() { rm -rf "$1"; cp -r "$lists" "$1"; }

expect 0 "a program importing only listed functions passes" \
  "ok: $listed (3 imports from 2 DLLs, all exported by Windows 95)" \
  -- --objdump "$objdump" "$listed"
copy_lists "$work/no-messagebox"
sed -i '/^MessageBoxA /d' "$work/no-messagebox/user32.txt"
expect 1 "... and is refused once the list lacks a function it calls" \
  "$listed: USER32.dll!MessageBoxA is not exported by Windows 95 (called from WinMainCRTStartup)" \
  "FAIL: $listed: 1 import Windows 95 lacks" \
  -- --objdump "$objdump" --lists "$work/no-messagebox" "$listed"

expect 1 "functions Windows 95 lacks are refused, with their callers" \
  "$lacks: KERNEL32.dll!GetTickCount64 is not exported by Windows 95 (called from ElapsedMs)" \
  "$lacks: KERNEL32.dll!IsDebuggerPresent is not exported by Windows 95 (called from DebuggerAttached)" \
  "FAIL: $lacks: 2 imports Windows 95 lacks" \
  -- --objdump "$objdump" "$lacks"
cp "$lacks" "$work/stripped.exe"
"$strip" "$work/stripped.exe"
expect 1 "... and without symbols, the callers are unknown" \
  "$work/stripped.exe: KERNEL32.dll!GetTickCount64 is not exported by Windows 95 (called from ?)" \
  -- --objdump "$objdump" "$work/stripped.exe"

expect 1 "a wide-character function is refused although KERNEL32's list names it" \
  "$wide: KERNEL32.dll!GetModuleHandleW is a wide-character function, a stub that fails on Windows 95, and wide-stubs.txt gives it no fallback (called from OwnModule)" \
  -- --objdump "$objdump" "$wide"
copy_lists "$work/wide-fallback"
echo "KERNEL32.dll!GetModuleHandleW  fallback: GetModuleHandleA" >>"$work/wide-fallback/wide-stubs.txt"
expect 0 "... unless wide-stubs.txt gives it a fallback" \
  "ok: $wide (2 imports from 1 DLL, all exported by Windows 95)" \
  -- --objdump "$objdump" --lists "$work/wide-fallback" "$wide"

expect 1 "an import by ordinal is refused" \
  "$ordinal: KERNEL32.dll!@17 is imported by ordinal, which the Windows 95 list does not name (called from CallByNumber)" \
  -- --objdump "$objdump" "$ordinal"
copy_lists "$work/ordinal"
echo "@17  # the test's numbered function" >>"$work/ordinal/kernel32.txt"
expect 0 "... unless the list names the ordinal" "ok: $ordinal (2 imports from 1 DLL, all exported by Windows 95)" \
  -- --objdump "$objdump" --lists "$work/ordinal" "$ordinal"

# An ordinary MinGW program: the C runtime DLL and a DLL without a list.
expect 1 "the C runtime DLL and a DLL without a list are refused" \
  "$foreign: no Windows 95 export list for libwinpthread-1.dll (1 function)" \
  -- --objdump "$objdump" "$foreign"
out=$(bash "$scripts/check-imports.sh" --objdump "$objdump" --allow libwinpthread-1.dll "$foreign" 2>&1)
cases=$((cases + 1))
if grep -qE "^$foreign: imports the C runtime DLL msvcrt.dll, which Windows 95 does not have \([0-9]+ functions\)$" <<<"$out" &&
   ! grep -q libwinpthread <<<"$out"; then
  echo "ok: ... the C runtime named with its count, an allowed DLL not at all"
else
  echo "FAIL: expected the msvcrt.dll line and no libwinpthread-1.dll line, got:"
  sed 's/^/    /' <<<"$out"
  fail=1
fi

expect 1 "a missing file is refused, the others still checked" \
  "FAIL: $work/missing.exe: no such file" "ok: $listed (3 imports from 2 DLLs, all exported by Windows 95)" \
  -- "$work/missing.exe" "$listed"
expect 2 "a missing list directory is a bad command line" \
  "check-imports.sh: no export list directory $work/none" -- --lists "$work/none" "$listed"
copy_lists "$work/bad-line"
echo "Get Tick Count" >>"$work/bad-line/kernel32.txt"
expect 2 "a list line that is no function name is refused" \
  "check-imports.sh: $work/bad-line/kernel32.txt:$(wc -l <"$work/bad-line/kernel32.txt"): not a function name or @ordinal: Get Tick Count" \
  -- --lists "$work/bad-line" "$listed"
expect 2 "an unknown option is a bad command line" \
  "check-imports.sh: unknown option '--list' (see --help)" -- --list "$lists" "$listed"

echo "$cases cases"
exit $fail
