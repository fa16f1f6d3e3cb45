#!/usr/bin/env bash
# Gathers the benchmark corpus from files found on this machine:
#   text.txt     licences and package documentation (about 3 MB)
#   code.bin     machine code: programs from /usr/bin (4 MB)
#   picture.bmp  an 8-bit palette photograph, 640 x 480
#   zeros.bin    2 MB of zeros
#   random.bin   1 MB of random bytes
#   make-corpus.sh OUTDIR      (files already there are kept)
set -uo pipefail
out=$1
mkdir -p "$out"
cd "$out" || exit 1

if [ ! -s text.txt ]; then
  {
    find /usr/share/common-licenses -type f | sort | xargs cat
    find /usr/share/doc -type f ! -name '*.gz' ! -name '*.html' -size -300k | sort | while read -r f; do
      grep -Iq . "$f" 2>/dev/null && cat "$f"
    done
  } 2>/dev/null | head -c 3000000 > text.txt
fi
if [ ! -s code.bin ]; then
  find /usr/bin -maxdepth 1 -type f -size +20k | sort | while read -r f; do
    [ "$(head -c 4 "$f" | od -An -c | tr -d ' ')" = "177ELF" ] && cat "$f"
  done 2>/dev/null | head -c 4000000 > code.bin
fi
if [ ! -s picture.bmp ]; then
  # A photograph, as pictures on setup media are: the largest JPEG in the
  # usual folders, else ImageMagick's built-in photo of a rose, enlarged.
  photo=$(find /usr/share/backgrounds /usr/share/wallpapers /usr/share/images /usr/share/pixmaps /usr/share/doc \
            -type f \( -iname '*.jpg' -o -iname '*.jpeg' \) -size +40k -printf '%s %p\n' 2>/dev/null |
          sort -rn | head -n 1 | cut -d' ' -f2-)
  convert "${photo:-rose:}" -resize '640x480!' -colors 256 -type Palette -compress None BMP3:picture.bmp
fi
[ -s zeros.bin ] || head -c 2000000 /dev/zero > zeros.bin
[ -s random.bin ] || head -c 1000000 /dev/urandom > random.bin
ls -l text.txt code.bin picture.bmp zeros.bin random.bin | awk '{printf "corpus: %-12s %9d bytes\n", $9, $5}'
