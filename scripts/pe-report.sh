#!/usr/bin/env bash
# What our Windows program files weigh: for each file its size, its code
# (the size of every section but the resources and the debugging
# information) and the number of functions it imports.
#
#   pe-report.sh [--objdump PROG] FILE...
#   pe-report.sh [--objdump PROG] --media MEDIA   every program of a media
#                folder (build/win32/media: the disc and the floppies)
# Prints one line a file: bytes, code bytes, imports, path. Exits 1 when
# a file cannot be read, 2 on a bad command line.
set -uo pipefail
usage() { sed -n '2,/^set -uo/{/^set -uo/d;s/^# \{0,1\}//;p}' "$0"; }
die() { echo "pe-report.sh: $*" >&2; exit 2; }

objdump=i686-w64-mingw32-objdump
files=()
while [ $# -gt 0 ]; do
  case $1 in
    --objdump) [ $# -ge 2 ] || die "--objdump needs a value"; objdump=$2; shift 2 ;;
    --media)
      [ $# -ge 2 ] || die "--media needs a folder"
      [ -d "$2" ] || die "$2 is not a folder"
      while IFS= read -r f; do files+=("$f"); done < <(find "$2" -type f \( -iname '*.exe' -o -iname '*.dll' \) | sort)
      shift 2 ;;
    -h|--help) usage; exit 0 ;;
    -*) die "unknown option '$1' (see --help)" ;;
    *) files+=("$1"); shift ;;
  esac
done
[ ${#files[@]} -gt 0 ] || die "no file named (see --help)"

status=0
printf '%10s %9s %7s  %s\n' bytes code imports file
for f in "${files[@]}"; do
  if ! sections=$("$objdump" -h "$f" 2>/dev/null) || ! private=$("$objdump" -p "$f" 2>/dev/null); then
    echo "pe-report.sh: cannot read $f" >&2
    status=1
    continue
  fi
  # Section sizes are hexadecimal; mawk has no strtonum.
  code=$(awk '$1 ~ /^[0-9]+$/ && $2 != ".rsrc" && $2 !~ /^\.debug/ {
                n = 0; h = tolower($3)
                for (i = 1; i <= length(h); i++) n = n * 16 + index("0123456789abcdef", substr(h, i, 1)) - 1
                total += n }
              END { print total + 0 }' <<<"$sections")
  # Each DLL's block of names (or ordinals) ends at a blank line.
  imports=$(awk '/Hint\/Ord Member-Name/ { inside = 1; next } inside && /^[[:space:]]*$/ { inside = 0 }
                 inside { n++ } END { print n + 0 }' <<<"$private")
  printf '%10d %9d %7d  %s\n' "$(stat -c %s "$f")" "$code" "$imports" "$f"
done
exit $status
