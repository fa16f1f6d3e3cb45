#!/usr/bin/env bash
# cd-image.sh FOLDER ISO VOLUME EPOCH: writes ISO, an image of a CD holding
# FOLDER: ISO 9660 with Joliet names (the names Windows 95 shows, in their
# case and length), volume VOLUME, every date EPOCH (seconds since 1970, UTC).
#
# No Rock Ridge: the disc is for Windows, which reads the Joliet tree and
# ignores Rock Ridge; without it every reader that lists or extracts the
# image (xorriso included) sees the same Joliet names Windows sees, and no
# owner or permission of the build machine ends up on the disc.
set -euo pipefail
if [ $# -ne 4 ] || [ "${1:-}" = --help ]; then
  echo "usage: cd-image.sh FOLDER ISO VOLUME EPOCH" >&2
  exit 2
fi
folder=$1 iso=$2 volume=$3 epoch=$4
[ -d "$folder" ] || { echo "cd-image.sh: no folder $folder" >&2; exit 1; }
if [ ${#volume} -gt 32 ] || [[ ! $volume =~ ^[A-Z0-9_\ ]+$ ]]; then
  echo "cd-image.sh: volume '$volume': at most 32 upper-case letters, digits, '_' and blanks" >&2
  exit 2
fi
stamp=$(date -u -d "@$epoch" +%Y%m%d%H%M%S00)

rm -f "$iso" "$iso.part"
# SOURCE_DATE_EPOCH fixes what the options below do not name (the volume's
# expiry and effective dates, the image's UUID).
SOURCE_DATE_EPOCH=$epoch xorriso -as mkisofs -quiet -J -V "$volume" \
  --modification-date="$stamp" --set_all_file_dates "$stamp" \
  -o "$iso.part" "$folder"
mv "$iso.part" "$iso"
