#!/usr/bin/env bash
# Which Wine the Windows tests run under, chosen with stand-in loaders: one
# that runs, one that fails as a 32-bit loader does on a machine that runs
# no 32-bit programs, and one that is not there.
set -u
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d) || exit 1
trap 'rm -rf "$work"' EXIT
printf '#!/bin/sh\nexit 0\n' >"$work/runs"
printf '#!/bin/sh\necho "cannot execute binary file: Exec format error" >&2\nexit 126\n' >"$work/fails"
chmod +x "$work/runs" "$work/fails"
failed=0

# mode WINE32 WINE64 VT_WINE OPTION: the script's output and exit code
# (as "OUTPUT|CODE", stderr included).
mode() {
  local out rc
  out=$(VT_WINE32_LOADER=$work/$1 VT_WINE64_LOADER=$work/$2 VT_WINE=$3 "$root/scripts/wine-mode.sh" "$4" 2>&1)
  rc=$?
  echo "$out|$rc"
}
want() { # description, expected, got
  [ "$3" = "$2" ] || { echo "FAIL: $1: got '$3', expected '$2'"; failed=1; }
}
has() { # description, text, got
  case $3 in *"$2"*) ;; *) echo "FAIL: $1: '$2' missing from '$3'"; failed=1 ;; esac
}

want "auto takes the 32-bit Wine where it runs" "32|0" "$(mode runs runs auto --mode)"
want "... and the i686 tree" "win32|0" "$(mode runs runs auto --tree)"
want "... and says so" "i686 under 32-bit Wine|0" "$(mode runs runs auto --describe)"
want "auto falls back where 32-bit programs fail" "win64|0" "$(mode fails runs auto --tree)"
want "... and says why" "x86_64 under 64-bit Wine: this machine runs no 32-bit programs|0" \
  "$(mode fails runs auto --describe)"
want "a missing wine32 is told apart" "x86_64 under 64-bit Wine: the 32-bit Wine (wine32) is not installed|0" \
  "$(mode missing runs auto --describe)"
want "VT_WINE=64 where both run" "x86_64 under 64-bit Wine: forced by VT_WINE=64|0" "$(mode runs runs 64 --describe)"
got=$(mode missing runs 32 --mode)
has "VT_WINE=32 without wine32" "the 32-bit Wine (wine32) is not installed (use VT_WINE=64 or auto)" "$got"
has "... exits 1" "|1" "$got"
got=$(mode fails missing auto --tree)
has "no Wine at all" "scripts/deps.sh installs it" "$got"
has "... exits 1" "|1" "$got"
got=$(mode runs runs 48 --mode)
has "a bad VT_WINE" "VT_WINE='48' is none of auto, 32, 64|2" "$got"
has "--help" "Usage: wine-mode.sh" "$(mode runs runs auto --help)"

# The harness refuses a 32-bit tree with the same reason.
got=$(VT_WINE32_LOADER=$work/fails VT_BUILD=$work/win32 bash -c \
  ". '$root/tests/wine/harness.sh' && vt_can_run" 2>&1; echo "|$?")
has "the harness on a machine without 32-bit programs" "does not run here: this machine runs no 32-bit programs" "$got"
has "... refuses" "|1" "$got"

[ "$failed" = 0 ] && echo "wine-mode: all choices as expected"
exit "$failed"
