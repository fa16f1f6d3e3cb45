#!/usr/bin/env bash
# vtmedia try on the demo media: the CD and the floppy set installed with
# every default taken, each matching its plan; and a CD whose installation
# lacks a planned file is reported as different.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
source "$here/checks.sh"
try=$root/tools/vtmedia/vtmedia-try.sh
media=$VT_BUILD/media
fail=0

for medium in cd floppy; do
  flag=
  [ $medium = floppy ] && flag=--floppy
  echo "== vtmedia try $flag (the demo $medium) =="
  started=$SECONDS
  bash "$try" $flag --dest 'c:\Corvane' "$media" >"try-$medium.txt" 2>&1
  rc=$?
  cat "try-$medium.txt"
  check "the demo $medium installs as planned" 0 "$rc"
  grep -q "vtmedia try: [1-9][0-9]* as planned, 0 different" "try-$medium.txt" ||
    { echo "FAIL: no clean summary for the $medium"; fail=1; }
  grep -q 'ok        file c:\\Corvane\\bin\\vantora.exe' "try-$medium.txt" ||
    { echo "FAIL: vantora.exe not compared for the $medium"; fail=1; }
  grep -q "ok        status record" "try-$medium.txt" || { echo "FAIL: status record for the $medium"; fail=1; }
  echo "(the $medium took $((SECONDS - started)) s)"
done

echo "== a CD that installs less than its plan =="
rm -rf short && mkdir short && cp -r "$media/cd" short/cd
# A copy line whose source folder is not on the disc: the setup asks for
# the file again and again, the robot gives up (Cancel) after five times,
# and the installation ends short of its plan.
sed -i 's/^readme.txt=1,{SRC_DIR},/readme.txt=1,{SRC_DIR}\\nowhere,/' short/cd/Brightwall/setup.cfg
bash "$try" --dest 'c:\Corvane' --timeout 120 short >try-short.txt 2>&1
rc=$?
tail -5 try-short.txt
check "a short installation fails the try" 1 "$rc"
grep -q "DIFFERS   file c:\\\\Corvane\\\\ReadMe.txt is missing" try-short.txt ||
  { echo "FAIL: the missing file is not named"; grep DIFFERS try-short.txt; fail=1; }
exit $fail
