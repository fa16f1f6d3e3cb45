#!/usr/bin/env bash
# Checks that Windows 95 can load our programs: every function a PE file
# imports from a system DLL must be one that DLL of Windows 95 (4.00.950)
# exports, or Windows 95 refuses to load the file before a line of it runs.
# Wine exports everything whatever Windows it plays, so the tests under Wine
# never see this.
#
#   check-imports.sh [OPTIONS] FILE...
# Options:
#   --lists DIR      the export lists: DLLNAME.txt for each system DLL, and
#                    wide-stubs.txt (default tests/pe/win95 of this tree)
#   --objdump PROG   the objdump to read the files with (default the
#                    MinGW-w64 one of each file's machine)
#   --allow DLL      a DLL of ours the files may import; its imports are not
#                    checked (repeatable)
#   -h, --help       this text
# A list line is a function name, or @ORDINAL for an import by number, then
# optionally "# source". A wide-character function (a name ending in W after
# a lower-case letter or digit) passes only if wide-stubs.txt gives it a
# fallback, as most are stubs that fail on Windows 95. A C runtime DLL
# (msvcrt.dll and its kin) is refused whole: Windows 95 has none, and our
# programs carry their own runtime.
# Prints a line a fault, with the functions that make the call, and a line a
# file ("ok: FILE ..." or "FAIL: FILE: ..."); exits 0 when every file passed,
# 1 when one did not, 2 on a bad command line or a bad list.
set -uo pipefail

here=$(cd "$(dirname "$0")" && pwd)
usage() { sed -n '2,/^set -uo/{/^set -uo/d;s/^# \{0,1\}//;p}' "$0"; }
die() { echo "check-imports.sh: $*" >&2; exit 2; }
tab=$'\t'

lists=$here/../tests/pe/win95
objdump=
allow=()
files=()
while [ $# -gt 0 ]; do
  case $1 in
    --lists)   [ $# -ge 2 ] || die "--lists needs a directory"; lists=$2; shift 2 ;;
    --objdump) [ $# -ge 2 ] || die "--objdump needs a value"; objdump=$2; shift 2 ;;
    --allow)   [ $# -ge 2 ] || die "--allow needs a DLL name"; allow+=("${2^^}"); shift 2 ;;
    -h|--help) usage; exit 0 ;;
    --)        shift; files+=("$@"); break ;;
    -*)        die "unknown option '$1' (see --help)" ;;
    *)         files+=("$1"); shift ;;
  esac
done
[ ${#files[@]} -gt 0 ] || die "no file named (see --help)"
[ -d "$lists" ] || die "no export list directory $lists"
[ -f "$lists/wide-stubs.txt" ] || die "$lists has no wide-stubs.txt"

# A DLL by its list's key: "KERNEL32.dll" and kernel32.txt are KERNEL32.
# (A variable, not a function's output: this runs for every import.)
set_key() { key=${1^^}; key=${key%.DLL}; }

# exported[KEY!Name] and exported[KEY!@ordinal]: what the lists name.
# wide_ok[KEY!NameW]: the W functions with a fallback.
declare -A exported=() wide_ok=() has_list=()
name_re='^[[:space:]]*(@[0-9]+|[A-Za-z_?][A-Za-z0-9_@?$]*)[[:space:]]*(#.*)?$'
blank_re='^[[:space:]]*(#.*)?$'
for list in "$lists"/*.txt; do
  [ -f "$list" ] || continue
  base=$(basename "$list" .txt)
  [ "$base" = wide-stubs ] && continue
  set_key "$base"
  has_list[$key]=1
  n=0
  while IFS= read -r line || [ -n "$line" ]; do
    n=$((n + 1))
    [[ $line =~ $blank_re ]] && continue
    [[ $line =~ $name_re ]] || die "$list:$n: not a function name or @ordinal: $line"
    exported[$key!${BASH_REMATCH[1]}]=1
  done <"$list"
done
stub_re='^[[:space:]]*([^!#[:space:]]+)!([A-Za-z_][A-Za-z0-9_]*)[[:space:]]+fallback:[[:space:]]*[^[:space:]]'
n=0
while IFS= read -r line || [ -n "$line" ]; do
  n=$((n + 1))
  [[ $line =~ $blank_re ]] && continue
  [[ $line =~ $stub_re ]] || die "$lists/wide-stubs.txt:$n: not 'DLL!NameW  fallback: ...': $line"
  set_key "${BASH_REMATCH[1]}"
  wide_ok[$key!${BASH_REMATCH[2]}]=1
done <"$lists/wide-stubs.txt"

# objdump_for FILE: the MinGW-w64 objdump of FILE's machine, from its PE header.
objdump_for() {
  local lfanew machine
  [ "$(head -c 2 "$1")" = MZ ] || return 1
  lfanew=$(od -An -t u4 -j 60 -N 4 "$1" | tr -d ' ')
  machine=$(od -An -t x2 -j $((lfanew + 4)) -N 2 "$1" | tr -d ' ')
  case $machine in
    014c) echo i686-w64-mingw32-objdump ;;
    8664) echo x86_64-w64-mingw32-objdump ;;
    *) return 1 ;;
  esac
}

# count N WORD: "1 import", "2 imports".
count() { if [ "$1" = 1 ]; then echo "1 $2"; else echo "$1 $2s"; fi; }

is_allowed() {
  local a
  for a in "${allow[@]}"; do [ "$a" = "$1" ] && return 0; done
  return 1
}

# check_file FILE: prints its faults and its summary line.
check_file() {
  local file=$1 prog headers table
  if [ ! -f "$file" ]; then
    echo "FAIL: $file: no such file"
    return 1
  fi
  if ! prog=${objdump:-$(objdump_for "$file")}; then
    echo "FAIL: $file: not a PE file for i686 or x86_64"
    return 1
  fi
  if ! headers=$("$prog" -p "$file" 2>&1); then
    echo "FAIL: $file: $prog cannot read it: $(head -n 1 <<<"$headers")"
    return 1
  fi
  table=$(awk -f "$here/pe-imports.awk" <<<"$headers")
  if ! grep -q "^format${tab}pei-" <<<"$table"; then
    echo "FAIL: $file: not a PE file"
    return 1
  fi

  # Whole DLLs refused (in the order met), and the functions refused.
  local -A refused_dll=() checked_dll=()
  local dll_order=() faults=() want=() checked=0 bad=0
  local kind dll name slot up key reason
  while IFS=$'\t' read -r kind dll name slot; do
    [ "$kind" = import ] || continue
    up=${dll^^}
    is_allowed "$up" && continue
    set_key "$dll"
    case ${dll,,} in
      msvcr*|crtdll*|ucrtbase*|vcruntime*|api-ms-*) reason="imports the C runtime DLL $dll, which Windows 95 does not have" ;;
      *) [ -n "${has_list[$key]:-}" ] && reason= || reason="no Windows 95 export list for $dll" ;;
    esac
    if [ -n "$reason" ]; then
      [ -n "${refused_dll[$dll]:-}" ] || { dll_order+=("$dll"); refused_dll[$dll]="$reason|0"; }
      refused_dll[$dll]="$reason|$((${refused_dll[$dll]##*|} + 1))"
      bad=$((bad + 1))
      continue
    fi
    checked=$((checked + 1))
    checked_dll[$key]=1
    if [[ $name == @* ]]; then
      [ -n "${exported[$key!$name]:-}" ] && continue
      reason="is imported by ordinal, which the Windows 95 list does not name"
    elif [[ $name =~ [a-z0-9]W$ ]] && [ -z "${wide_ok[$key!$name]:-}" ]; then
      reason="is a wide-character function, a stub that fails on Windows 95, and wide-stubs.txt gives it no fallback"
    elif [ -n "${exported[$key!$name]:-}" ]; then
      continue
    else
      reason="is not exported by Windows 95"
    fi
    bad=$((bad + 1))
    faults+=("$slot$tab$dll!$name $reason")
    want+=("$slot=$name")
  done <<<"$table"

  for dll in "${dll_order[@]}"; do
    echo "$file: ${refused_dll[$dll]%|*} ($(count "${refused_dll[$dll]##*|}" function))"
  done
  if [ ${#faults[@]} -gt 0 ]; then
    # One pass over the code finds the callers of every refused function.
    local -A called_from=()
    local symbols=0 line callers
    while IFS=$'\t' read -r slot callers; do
      if [ "$slot" = symbols ]; then symbols=$callers; else called_from[$slot]=$callers; fi
    done < <("$prog" -d -C "$file" 2>/dev/null | awk -v want="${want[*]}" -f "$here/pe-callers.awk")
    for line in "${faults[@]}"; do
      slot=${line%%$tab*}
      if [ "$symbols" != 1 ]; then
        callers="called from ?"
      elif [ -n "${called_from[$slot]:-}" ]; then
        callers="called from ${called_from[$slot]}"
      else
        callers="no call to it found"
      fi
      echo "$file: ${line#*$tab} ($callers)"
    done
  fi

  if [ "$bad" -gt 0 ]; then
    echo "FAIL: $file: $(count "$bad" import) Windows 95 lacks"
    return 1
  fi
  echo "ok: $file ($(count "$checked" import) from $(count ${#checked_dll[@]} DLL), all exported by Windows 95)"
}

status=0
for file in "${files[@]}"; do
  check_file "$file" || status=1
done
exit $status
