#!/usr/bin/env bash
# Every program file on the media as we ship them (the disc and the floppies
# that vtmedia made, stripped), held to Windows 95 and the 486: each import
# a Windows 95 export (scripts/check-imports.sh), each instruction one a 486
# has (scripts/check-cpu.sh --cpu i486). A fault names its function, read
# from the same file before vtmedia stripped it (below media-source/cd).
#   check_media.sh MEDIA OBJDUMP    MEDIA: build/win32/media
set -uo pipefail
[ $# -eq 2 ] || { echo "usage: $0 MEDIA OBJDUMP" >&2; exit 2; }
media=$1 objdump=$2
scripts=$(cd "$(dirname "$0")/../../scripts" && pwd)
source_cd=$media-source/cd
[ -d "$media/cd" ] && [ -d "$source_cd" ] || { echo "FAIL: $media holds no disc (build the demo media)"; exit 1; }

mapfile -t programs < <(find "$media/cd" "$media/floppy" -type f \( -iname '*.exe' -o -iname '*.dll' \) 2>/dev/null | sort)
[ ${#programs[@]} -gt 0 ] || { echo "FAIL: no programs below $media/cd"; exit 1; }
status=0

bash "$scripts/check-imports.sh" --objdump "$objdump" --allow QRMGUI.dll "${programs[@]}" || status=1

# The unstripped file of a program on the media: the disc's at the same
# place below the source; a floppy's at the same place below the setup's
# folder of the disc.
unstripped() {
  local f=$1 rel
  case $f in
    "$media"/cd/*) rel=${f#"$media"/cd/}; [ -f "$source_cd/$rel" ] && echo "$source_cd/$rel" ;;
    "$media"/floppy/disk*/*)
      rel=${f#"$media"/floppy/disk*/}
      local dir
      for dir in "$source_cd"/*/; do
        [ -f "$dir$rel" ] && { echo "$dir$rel"; return; }
      done ;;
  esac
}

for f in "${programs[@]}"; do
  twin=$(unstripped "$f")
  symbols=()
  [ -n "$twin" ] && symbols=(--symbols "$twin")
  bash "$scripts/check-cpu.sh" --cpu i486 --objdump "$objdump" "${symbols[@]}" "$f" || status=1
done
echo "${#programs[@]} programs on the media"
exit $status
