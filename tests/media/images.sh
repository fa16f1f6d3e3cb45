# Reading the demo media's images from Linux (sourced): their files
# extracted into folders (mounting an image needs root and a loop device;
# extracting needs neither) and their volume labels.
export MTOOLS_SKIP_CHECK=1

# vt_xorriso ARGS...: xorriso that fails on any warning (an image it cannot
# read is only a warning to it, and it would go on with an empty one).
vt_xorriso() { xorriso -return_with WARNING 32 "$@"; }

# vt_iso_extract ISO DIR: every file of the disc image (its Joliet tree) into
# DIR, made anew.
vt_iso_extract() {
  [ -s "$1" ] || { echo "FAIL: no disc image $1" >&2; return 1; }
  rm -rf "$2"
  local out
  out=$(vt_xorriso -osirrox on -indev "$1" -extract / "$2" 2>&1) ||
    { echo "FAIL: cannot extract $1:" >&2; echo "$out" >&2; return 1; }
}

# vt_floppy_extract IMG DIR: every file of the floppy image into DIR, made anew.
vt_floppy_extract() {
  [ -s "$1" ] || { echo "FAIL: no floppy image $1" >&2; return 1; }
  rm -rf "$2" && mkdir -p "$2" || return 1
  mcopy -s -m -n -i "$1" '::/*' "$2/" ||
    { echo "FAIL: cannot extract $1" >&2; return 1; }
}

# vt_iso_volume ISO: the volume id of the ISO 9660 descriptor.
vt_iso_volume() {
  vt_xorriso -indev "$1" -pvd_info 2>/dev/null | sed -n "s/^Volume Id *: //p"
}

# vt_joliet_volume ISO: the volume id of the Joliet descriptor, the one that
# Windows shows: a supplementary volume descriptor (type 2, "CD001") whose
# escape sequence names UCS-2, among the descriptors from sector 16 on.
vt_joliet_volume() {
  local sector head escape
  for sector in $(seq 16 31); do
    head=$(dd if="$1" bs=2048 skip="$sector" count=1 2>/dev/null | head -c 6 | od -An -tx1 | tr -d ' \n')
    [ "$head" = ff4344303031 ] && return 1  # the set's terminator
    [ "$head" = 024344303031 ] || continue
    escape=$(dd if="$1" bs=1 skip=$((sector * 2048 + 88)) count=3 2>/dev/null)
    case $escape in
      '%/@' | '%/C' | '%/E')
        dd if="$1" bs=1 skip=$((sector * 2048 + 40)) count=32 2>/dev/null |
          iconv -f UCS-2BE -t UTF-8 | sed 's/ *$//'
        return 0 ;;
    esac
  done
  return 1
}

# vt_floppy_label IMG: the floppy's volume label.
vt_floppy_label() {
  mlabel -s -i "$1" :: 2>/dev/null | sed 's/^ *Volume label is //; s/ *$//'
}

# vt_fat_type IMG: the file system type the boot sector names ("FAT12").
vt_fat_type() { dd if="$1" bs=1 skip=54 count=8 2>/dev/null | sed 's/ *$//'; }
