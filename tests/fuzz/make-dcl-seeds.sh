#!/bin/sh
# Seeds for the implode and archive fuzz targets: the published sample
# stream, and one-entry archives (plain and path names) holding it.
#   make-dcl-seeds.sh FUZZDIR
set -e
d=$1
mkdir -p "$d/dcl_decode_fuzz.seeds" "$d/archive_reader_fuzz.seeds" "$d/dcl_roundtrip_fuzz.seeds"
printf '\000\000\004\202\044\045\217\200\177' > "$d/dcl_decode_fuzz.seeds/sample"
printf '\001\000\004\202\044\045\217\200\177' > "$d/dcl_decode_fuzz.seeds/sample-bytewise"
printf '\001\000\000\000A\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\041\0\0\0\051\0\0\0\000\004\202\044\045\217\200\177' \
  > "$d/archive_reader_fuzz.seeds/plain"
printf '\001\000\001\000\006\0\0\0a\\b.c\0\0\0\0\0\0\0\0\0\042\0\0\0\052\0\0\0\000\004\202\044\045\217\200\177' \
  > "$d/archive_reader_fuzz.seeds/paths"
printf 'AIAIAIAIAIAIA and then some text text text' > "$d/dcl_roundtrip_fuzz.seeds/text"
