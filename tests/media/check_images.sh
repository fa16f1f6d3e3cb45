#!/usr/bin/env bash
# check_images.sh MEDIA: the disc and floppy images of a media folder
# (build/<tree>/media) against the folders they were made of: each listed,
# extracted and compared file by file with its folder (same names, same
# bytes), the volume labels, the Joliet names in their case, the floppies'
# size and file system. Exit 0 when everything holds, 1 otherwise.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/images.sh"
source "$here/../e2e/checks.sh"
if [ $# -ne 1 ] || [ "$1" = --help ]; then
  echo "usage: check_images.sh MEDIA   (a folder with cd/, floppy/disk1, disk2 and their images)" >&2
  exit 2
fi
media=$(cd "$1" && pwd) || exit 2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# same_tree WHAT SOURCE EXTRACTED: the same files with the same bytes.
same_tree() {
  local differences
  if differences=$(diff -r "$2" "$3" 2>&1); then
    echo "ok: $1 holds its folder's $(find "$2" -type f | wc -l) files, byte for byte"
  else
    echo "FAIL: $1 differs from $2:"
    echo "$differences" | sed 's/^/  /'
    fail=1
  fi
}

echo "== the CD: vantora-cd.iso =="
iso=$media/vantora-cd.iso
listing=$work/cd.list
vt_xorriso -indev "$iso" -find / -exec lsdl >"$listing" 2>/dev/null || { echo "FAIL: cannot list $iso"; fail=1; }
cat "$listing"
if vt_iso_extract "$iso" "$work/cd"; then
  same_tree "vantora-cd.iso" "$media/cd" "$work/cd"
else
  fail=1
fi
check "the CD's volume" VANTORA "$(vt_iso_volume "$iso")"
check "the CD's Joliet volume" VANTORA "$(vt_joliet_volume "$iso")"
# Long names in their case, as Windows shows them (plain ISO 9660 names are
# 8.3 and upper case: BRIGHTWA, MSIE.EXE).
names=(/autorun.inf /Brightwall/setup.exe /Brightwall/QRMGUI.dll /Brightwall/VTScreen.z /Brightwall/Media/intro.vtm
       /Pw/Setup.exe /ie/Msie.exe /Corvane/Setup.exe)
[ -f "$media/cd/cdmenu.exe" ] && names+=(/cdmenu.exe)
for name in "${names[@]}"; do
  if grep -qF -- " '$name'" "$listing"; then echo "ok: $name"; else echo "FAIL: no $name on the CD"; fail=1; fi
done
check "autorun.inf" "[autorun]|open=cdmenu.exe|icon=cdmenu.exe,0|" \
  "$(tr '\n' '|' <"$work/cd/autorun.inf" 2>/dev/null | sed 's/\r|/|/g')"
check "autorun.inf's lines end with CR LF" 3 "$(grep -c $'\r$' "$work/cd/autorun.inf" 2>/dev/null)"

for n in 1 2; do
  echo "== floppy $n: vantora-disk$n.img =="
  img=$media/vantora-disk$n.img
  check "the size of vantora-disk$n.img" 1474560 "$(stat -c %s "$img" 2>/dev/null)"
  check "its file system" FAT12 "$(vt_fat_type "$img")"
  check "its volume" "VANTORA $n" "$(vt_floppy_label "$img")"
  mdir -/ -i "$img" :: || { echo "FAIL: cannot list $img"; fail=1; }
  if vt_floppy_extract "$img" "$work/disk$n"; then
    same_tree "vantora-disk$n.img" "$media/floppy/disk$n" "$work/disk$n"
  else
    fail=1
  fi
done
exit $fail
