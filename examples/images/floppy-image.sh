#!/usr/bin/env bash
# floppy-image.sh FOLDER IMG LABEL SERIAL EPOCH: writes IMG, a 1.44 MB FAT12
# floppy (1,474,560 bytes) holding FOLDER, volume LABEL, serial number
# SERIAL (8 hex digits), every date EPOCH (seconds since 1970, UTC).
# Refuses, and writes nothing, when FOLDER does not fit.
set -euo pipefail
if [ $# -ne 5 ] || [ "${1:-}" = --help ]; then
  echo "usage: floppy-image.sh FOLDER IMG LABEL SERIAL EPOCH" >&2
  exit 2
fi
folder=$1 img=$2 label=$3 serial=$4 epoch=$5
[ -d "$folder" ] || { echo "floppy-image.sh: no folder $folder" >&2; exit 1; }
export LC_ALL=C MTOOLS_SKIP_CHECK=1

# What the files take on the disk: whole 512-byte clusters, and for each
# folder its entries (32 bytes, twice over for a long name). An empty disk
# has 2847 clusters for them.
cluster=512 capacity=$((2847 * 512))
need=0
while IFS= read -r -d '' path; do
  if [ -d "$path" ]; then
    entries=$(find "$path" -mindepth 1 -maxdepth 1 | wc -l)
    bytes=$(( (2 + 2 * entries) * 32 ))
  else
    bytes=$(stat -c %s "$path")
  fi
  need=$(( need + (bytes + cluster - 1) / cluster * cluster ))
done < <(find "$folder" -mindepth 1 -print0)
if [ "$need" -gt "$capacity" ]; then
  echo "floppy-image.sh: $folder does not fit on a 1.44 MB floppy: its files need $need bytes," \
       "the disk has $capacity" >&2
  exit 1
fi

# mcopy dates each file with its modification time: a copy of the folder
# with every date set, so that the build's own files keep theirs.
stage=$(mktemp -d "$img.stage.XXXXXX")
trap 'rm -rf "$stage"' EXIT
cp -r "$folder/." "$stage/"
find "$stage" -exec touch -h -d "@$epoch" {} +
rm -f "$img" "$img.part"
export SOURCE_DATE_EPOCH=$epoch
mformat -f 1440 -C -i "$img.part" -v "$label" -N "$serial" ::
shopt -s nullglob
files=("$stage"/*)
if [ ${#files[@]} -gt 0 ] && ! mcopy -s -m -i "$img.part" "${files[@]}" ::; then
  rm -f "$img.part"
  echo "floppy-image.sh: mcopy could not put $folder on the floppy (above)" >&2
  exit 1
fi
mv "$img.part" "$img"
