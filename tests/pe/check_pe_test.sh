#!/usr/bin/env bash
# scripts/check-pe.sh must refuse each kind of fault it is there for, with
# its reason, and pass a sound file: otherwise a shipped program importing
# a MinGW runtime DLL, say, would go out with a green test run.
#   check_pe_test.sh ARCH OBJDUMP FOREIGN_IMPORT_EXE CONSOLE_EXE GUI_EXE GUI_DLL
set -uo pipefail
[ $# -eq 6 ] || { echo "usage: $0 ARCH OBJDUMP FOREIGN_IMPORT_EXE CONSOLE_EXE GUI_EXE GUI_DLL" >&2; exit 2; }
arch=$1 objdump=$2 foreign=$3 console=$4 gui=$5 dll=$6
checker=$(cd "$(dirname "$0")/../../scripts" && pwd)/check-pe.sh
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail=0 cases=0

# expect RC TEXT DESCRIPTION -- CHECK-PE-ARGUMENTS...
expect() {
  local want_rc=$1 text=$2 what=$3 out rc
  shift 4
  cases=$((cases + 1))
  out=$(bash "$checker" --objdump "$objdump" "$@" 2>&1)
  rc=$?
  if [ "$rc" -eq "$want_rc" ] && grep -qF -- "$text" <<<"$out"; then
    echo "ok: $what"
  else
    echo "FAIL: $what: expected exit $want_rc and '$text', got exit $rc:"
    sed 's/^/    /' <<<"$out"
    fail=1
  fi
}

other=x86_64 other_format=pei-i386
[ "$arch" = x86_64 ] && other=i686 other_format=pei-x86-64

expect 0 "ok: $gui" "a GUI program importing system DLLs passes" -- --arch "$arch" "$gui"
expect 0 "ok: $dll" "a GUI DLL importing system DLLs passes" -- --arch "$arch" "$dll"
expect 1 "imports libwinpthread-1.dll, which is no Windows 95 system DLL" \
  "a program importing the MinGW thread DLL is refused" -- --arch "$arch" "$foreign"
expect 1 "imports msvcrt.dll, which is no Windows 95 system DLL" \
  "... and so is one importing the C runtime DLL" -- --arch "$arch" --allow libwinpthread-1.dll "$foreign"
# (It is an ordinary MinGW program: it imports the C runtime DLL as well,
# which no Windows 95 has either.)
expect 0 "ok: $foreign" "... unless that DLL is allowed" \
  -- --arch "$arch" --allow libwinpthread-1.dll --allow msvcrt.dll "$foreign"
expect 1 "not 2 (Windows GUI)" "a console program is refused" -- --arch "$arch" "$console"
expect 1 "does not import QRMGUI.dll" "a program that must import QRMGUI.dll and does not is refused" \
  -- --arch "$arch" --needs QRMGUI.dll "$gui"
expect 1 "file format $other_format, not" "a program for the other machine is refused" -- --arch "$other" "$gui"

cp "$dll" "$work/library.exe"
expect 1 "its header marks a DLL, but it is named library.exe" "a DLL named .exe is refused" -- --arch "$arch" "$work/library.exe"
cp "$gui" "$work/program.dll"
expect 1 "named a DLL, but its header marks no DLL" "a program named .dll is refused" -- --arch "$arch" "$work/program.dll"
cp "$foreign" "$work/libwinpthread-1.dll"
expect 1 "imports itself (libwinpthread-1.dll)" "a file importing itself is refused" \
  -- --arch "$arch" --allow libwinpthread-1.dll --allow msvcrt.dll "$work/libwinpthread-1.dll"

if [ "$arch" = i686 ]; then
  # The same program asking for subsystem 5.0, which Windows 95 will not load.
  # MajorSubsystemVersion is 48 bytes into the optional header, which
  # follows the 4-byte signature and 20-byte file header at e_lfanew.
  cp "$gui" "$work/subsystem5.exe"
  lfanew=$(od -An -t u4 -j 60 -N 4 "$work/subsystem5.exe" | tr -d ' ')
  printf '\005' | dd of="$work/subsystem5.exe" bs=1 seek=$((lfanew + 24 + 48)) conv=notrunc status=none
  expect 1 "MajorSubsystemVersion 5: Windows 95 loads nothing above 4" \
    "a program asking for subsystem 5.0 is refused" -- --arch i686 "$work/subsystem5.exe"
fi

expect 1 "no such file" "a missing file is refused" -- --arch "$arch" "$work/missing.exe"
expect 2 "no file or tree named" "an empty command line is refused" -- --arch "$arch"

echo "$cases cases"
exit $fail
