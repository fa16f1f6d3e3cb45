#!/usr/bin/env bash
# check_refuses_test.sh MEDIA: the image check fails on copies of the
# images with one file changed inside (on the CD, on a floppy) and on a
# floppy image cut short.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/images.sh"
media=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail=0

# refused WHAT TEXT: the check, run on the copy, fails and prints TEXT.
refused() {
  local out rc
  out=$(bash "$here/check_images.sh" "$work/media" 2>&1)
  rc=$?
  if [ "$rc" -ne 0 ] && grep -qF -- "$2" <<<"$out"; then
    echo "ok: the check refuses $1"
  else
    echo "FAIL: the check did not refuse $1 (exit $rc, '$2' not in its output):"
    echo "$out" | grep -E '^(FAIL|ok)' | sed 's/^/  /'
    fail=1
  fi
}
fresh_copy() { rm -rf "$work/media" && cp -r "$media" "$work/media"; }

fresh_copy
bash "$here/check_images.sh" "$work/media" >/dev/null 2>&1 ||
  { echo "FAIL: the check fails on an untouched copy"; fail=1; }

# One byte of readme.txt's data on the CD, found through its block address.
lba=$(vt_xorriso -indev "$work/media/vantora-cd.iso" -find /Brightwall/readme.txt -exec report_lba 2>/dev/null |
      sed -n "s/^File data lba: *[0-9]* *, *\([0-9]*\) *,.*/\1/p")
if [ -n "$lba" ]; then
  printf 'X' | dd of="$work/media/vantora-cd.iso" bs=1 seek=$((lba * 2048)) conv=notrunc 2>/dev/null
  refused "a file changed on the CD" "Brightwall/readme.txt"
else
  echo "FAIL: no block address of /Brightwall/readme.txt"; fail=1
fi

fresh_copy
printf 'not the setup\r\n' >"$work/other.txt"
MTOOLS_SKIP_CHECK=1 mcopy -o -i "$work/media/vantora-disk2.img" "$work/other.txt" ::/vantora.reg
refused "a file changed on floppy 2" "vantora.reg"

fresh_copy
truncate -s 1474048 "$work/media/vantora-disk1.img"
refused "a floppy image cut short" "the size of vantora-disk1.img"

exit $fail
