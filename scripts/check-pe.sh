#!/usr/bin/env bash
# Checks Windows program files as we ship them: a PE file of the right
# machine, for the Windows GUI subsystem, an exe or a DLL as its name says,
# importing nothing but system DLLs (and what it is told it may or must
# import). The i686 files must also load on Windows 95, which refuses an
# image that asks for a subsystem or system version above 4.
#
#   check-pe.sh [OPTIONS] FILE...   check the named files
#   check-pe.sh TREE                check a build tree's shipped programs:
#                                   setupvt.exe (which must import
#                                   QRMGUI.dll), QRMGUI.dll and cdmenu.exe
#                                   (which must import winmm.dll, for its
#                                   sounds) and vtuninst.exe
# Options:
#   --arch i686|x86_64   the machine (default i686; a TREE says its own)
#   --objdump PROG       the objdump to read headers with (default the
#                        MinGW-w64 one of the machine)
#   --needs DLL          FILE must import DLL (repeatable; implies --allow)
#   --allow DLL          FILE may import DLL as well as the system DLLs
#   -h, --help           this text
# Prints one line a file ("ok: ..." or "FAIL: ..." per fault); exits 0 when
# every file passed, 1 when one did not, 2 on a bad command line.
set -uo pipefail

usage() { sed -n '2,/^set -uo/{/^set -uo/d;s/^# \{0,1\}//;p}' "$0"; }
die() { echo "check-pe.sh: $*" >&2; exit 2; }

# The DLLs a Windows 95 system has. Anything else must travel with the
# program, and we ship none: our programs carry their own runtime (crt/),
# and Windows 95 has no C runtime DLL (MSVCRT.DLL came later, with other
# products). SHLWAPI is not here: it comes with Internet Explorer 4, not
# with Windows 95. Which functions of these a program may import is
# check-imports.sh's concern.
SYSTEM_DLLS=" KERNEL32.DLL USER32.DLL GDI32.DLL ADVAPI32.DLL COMCTL32.DLL COMDLG32.DLL
  SHELL32.DLL OLE32.DLL OLEAUT32.DLL WINMM.DLL VERSION.DLL LZ32.DLL MPR.DLL "
SYSTEM_DLLS=$(echo $SYSTEM_DLLS)

arch=i686
objdump=
needs=()
allow=()
files=()
while [ $# -gt 0 ]; do
  case $1 in
    --arch)    [ $# -ge 2 ] || die "--arch needs a value"; arch=$2; shift 2 ;;
    --objdump) [ $# -ge 2 ] || die "--objdump needs a value"; objdump=$2; shift 2 ;;
    --needs)   [ $# -ge 2 ] || die "--needs needs a DLL name"; needs+=("$2"); shift 2 ;;
    --allow)   [ $# -ge 2 ] || die "--allow needs a DLL name"; allow+=("$2"); shift 2 ;;
    -h|--help) usage; exit 0 ;;
    --)        shift; files+=("$@"); break ;;
    -*)        die "unknown option '$1' (see --help)" ;;
    *)         files+=("$1"); shift ;;
  esac
done
[ ${#files[@]} -gt 0 ] || die "no file or tree named (see --help)"

upper() { printf '%s' "$1" | tr '[:lower:]' '[:upper:]'; }

# check_file FILE: one file against the current arch, needs and allow.
check_file() {
  local file=$1 name headers faults=()
  name=$(basename "$file")
  if [ ! -f "$file" ]; then
    echo "FAIL: $file: no such file"
    return 1
  fi
  if ! headers=$("$objdump" -p "$file" 2>&1); then
    echo "FAIL: $file: $objdump cannot read it: $(head -n 1 <<<"$headers")"
    return 1
  fi

  local format want_format
  format=$(sed -nE 's/.*file format ([^ ]+).*/\1/p' <<<"$headers" | head -n 1)
  case $arch in
    i686)   want_format=pei-i386 ;;
    x86_64) want_format=pei-x86-64 ;;
  esac
  [ "$format" = "$want_format" ] ||
    faults+=("file format ${format:-unknown}, not $want_format (an $arch PE file)")

  local subsystem
  subsystem=$(awk '$1 == "Subsystem" { $1 = ""; sub(/^[ \t]+/, ""); print; exit }' <<<"$headers")
  [ -n "$subsystem" ] && [ $((10#${subsystem%% *})) -eq 2 ] 2>/dev/null ||
    faults+=("subsystem ${subsystem:-missing}, not 2 (Windows GUI)")

  local is_dll=0
  grep -qE '^[[:space:]]+DLL$' <<<"$headers" && is_dll=1
  case $(upper "$name") in
    *.DLL) [ "$is_dll" = 1 ] || faults+=("named a DLL, but its header marks no DLL") ;;
    *)     [ "$is_dll" = 0 ] || faults+=("its header marks a DLL, but it is named $name") ;;
  esac

  if [ "$arch" = i686 ]; then
    local field value
    for field in MajorSubsystemVersion MajorOSystemVersion; do
      value=$(awk -v f="$field" '$1 == f { print $2; exit }' <<<"$headers")
      [[ $value =~ ^[0-9]+$ ]] && [ "$value" -le 4 ] ||
        faults+=("$field ${value:-missing}: Windows 95 loads nothing above 4")
    done
  fi

  local imports dll up listed
  imports=$(sed -nE 's/^[[:space:]]*DLL Name: (.*)$/\1/p' <<<"$headers")
  listed=" $(upper "${allow[*]:-} ${needs[*]:-}") "
  while IFS= read -r dll; do
    [ -n "$dll" ] || continue
    up=$(upper "$dll")
    if [ "$up" = "$(upper "$name")" ]; then
      faults+=("imports itself ($dll)")
    elif [[ " $SYSTEM_DLLS " != *" $up "* ]] && [[ $listed != *" $up "* ]]; then
      faults+=("imports $dll, which is no Windows 95 system DLL")
    fi
  done <<<"$imports"
  for dll in "${needs[@]}"; do
    grep -qixF -- "$dll" <<<"$imports" || faults+=("does not import $dll")
  done

  if [ ${#faults[@]} -eq 0 ]; then
    echo "ok: $file ($format, Windows GUI, imports $(echo $imports))"
    return 0
  fi
  local fault
  for fault in "${faults[@]}"; do echo "FAIL: $file: $fault"; done
  return 1
}

# check_tree TREE: the programs we ship, as that tree builds them.
check_tree() {
  local tree=$1 wine_arch status=0
  wine_arch=$(cat "$tree/wine-arch" 2>/dev/null)
  case $wine_arch in
    win32) arch=i686 ;;
    win64) arch=x86_64 ;;
    *) echo "FAIL: $tree: not a configured Windows build tree (no wine-arch)"; return 1 ;;
  esac
  objdump=${objdump_option:-$arch-w64-mingw32-objdump}
  needs=(QRMGUI.dll) allow=()
  check_file "$tree/setup/setupvt.exe" || status=1
  needs=() allow=()
  check_file "$tree/gui/QRMGUI.dll" || status=1
  if [ -e "$tree/cdmenu/cdmenu.exe" ]; then
    needs=(winmm.dll) allow=()
    check_file "$tree/cdmenu/cdmenu.exe" || status=1
  fi
  if [ -e "$tree/uninst/vtuninst.exe" ]; then
    needs=() allow=()
    check_file "$tree/uninst/vtuninst.exe" || status=1
  fi
  return $status
}

case $arch in i686|x86_64) ;; *) die "--arch '$arch' is neither i686 nor x86_64" ;; esac
objdump_option=$objdump
status=0
for file in "${files[@]}"; do
  if [ -d "$file" ]; then
    check_tree "$file" || status=1
  else
    objdump=${objdump_option:-$arch-w64-mingw32-objdump}
    check_file "$file" || status=1
  fi
done
exit $status
