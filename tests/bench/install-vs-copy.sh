#!/usr/bin/env bash
# install-vs-copy.sh [ROUNDS]: what an installation costs against a plain
# copy. Generated media of about 50 MB (100 plain files of 256 KB, and
# four archives holding 25 MB more) are installed by the setup program
# under Wine, and the same work is done without it under the same Wine: a
# batch file that copies the plain files and unpacks the archives with the
# Windows vtpack. The setup's time is its progress phase (from the log
# line that starts the installation step to the progress dialog's end);
# the batch's time is its run less that of an empty batch (Wine's
# start-up). Prints each round and the medians. Needs build/win32 (or the
# tree VT_BUILD names); run by hand on a quiet machine.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
export VT_BUILD=${VT_BUILD:-$(cd "$here/../.." && pwd)/build/win32}
rounds=${1:-3}
source "$here/../e2e/setup_env.sh"
vt_setup_begin bench-install-vs-copy >/dev/null || exit 1
vtpack=$VT_BUILD/examples/vtpack-host
winvtpack=$(vt_winpath "$VT_BUILD/tools/vtpack/vtpack.exe")

echo "Generating the media..."
disc=$PWD/cd cd=$PWD/cd/Brightwall
rm -rf "$disc" src && mkdir -p "$cd/plain" src
for f in setup.exe QRMGUI.dll QRM.D00; do cp -L "$VT_DEMO_SETUP/$f" "$cd/"; done
for i in $(seq -w 1 100); do
  if [ $((10#$i % 2)) = 0 ]; then head -c 262144 /dev/urandom; else
    awk -v n="$i" 'BEGIN { for (j = 0; j < 12000; j++) printf "file %s line %d: %d\n", n, j, (j * 7919) % 10007 }' |
      head -c 262144; fi >"$cd/plain/f$i.bin"
done
for a in 1 2 3 4; do
  mkdir -p "src/a$a"
  for i in $(seq -w 1 25); do
    awk -v a="$a" -v n="$i" 'BEGIN { for (j = 0; j < 9000; j++) printf "archive %s entry %s line %d: %d\n", a, n, j, (j * 31337) % 65521 }' |
      head -c 262144 >"src/a$a/e$i.txt"
  done
  (cd "src/a$a" && "$vtpack" create "$cd/a$a.z" e*.txt >/dev/null) || { echo "cannot pack a$a.z"; exit 1; }
done
{
  printf '[Misc]\r\nReqFreeSpace=15\r\nIntro Text=The benchmark media.\r\n[Setup Disk1]\r\n'
  for i in $(seq -w 1 100); do printf 'f%s.bin=1,{SRC_DIR}\\plain,{MAIN_DIR}\\plain\r\n' "$i"; done
  for a in 1 2 3 4; do printf 'a%s.z=2,{SRC_DIR},{MAIN_DIR}\\packed\r\n' "$a"; done
} >"$cd/setup.cfg"
{
  printf '@echo off\r\nmkdir C:\\Base\\plain\r\nmkdir C:\\Base\\packed\r\n'
  for i in $(seq -w 1 100); do printf 'copy /y E:\\Brightwall\\plain\\f%s.bin C:\\Base\\plain\\ >nul\r\n' "$i"; done
  for a in 1 2 3 4; do printf '%s extract --overwrite E:\\Brightwall\\a%s.z C:\\Base\\packed >nul\r\n' "$winvtpack" "$a"; done
} >copy.bat
printf '@echo off\r\n' >empty.bat
echo "  $(du -sm "$cd" | cut -f1) MB on the CD, $(( $(du -sk "$cd/plain" | cut -f1) / 1024 )) MB plain," \
     "$(du -ch src/*/* | tail -1 | cut -f1) unpacked from $(du -ch "$cd"/*.z | tail -1 | cut -f1) of archives"

vt_drive e: "$disc" cdrom
set_switch VTLog 1
set_switch SkipSplash 1
set_switch SkipAccess 1
vt_start
cat >install.scn <<'SCN'
wait #32770 "Vantora Installation" 20000
click 1
expect-gone
wait #32770 "Vantora Installation"
click 1
expect-gone
wait #32770 "Vantora Setup" 20000
wait-box "Vantora Installation" "Registry flag \"SkipAccess\" set to 1" 120000
click 1
expect-gone
wait #32770 "" 30000
expect-gone 5000
SCN
log="$(vt_drive_c)/VTLog.txt"
now() { date +%s.%N; }
elapsed() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", b - a }'; }
median() { tr ' ' '\n' | sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
installs="" copies=""
for r in $(seq 1 "$rounds"); do
  rm -rf "$(vt_drive_c)/Corvane" "$(vt_drive_c)/Base" "$log"
  wine reg delete 'HKCU\Software\CorvaneNetwork' /f >/dev/null 2>&1
  ( until grep -q "step = STEP_INSTALL" "$log" 2>/dev/null; do sleep 0.005; done; now >t0
    until grep -q "Exiting progress" "$log" 2>/dev/null; do sleep 0.005; done; now >t1 ) &
  watcher=$!
  vt_setup_run "$PWD/install.scn" 300 >/dev/null
  wait $watcher
  install=$(elapsed "$(cat t0)" "$(cat t1)")
  s=$(now); wine cmd /c "$(vt_winpath "$PWD/empty.bat")" >/dev/null 2>&1; e=$(now)
  startup=$(elapsed "$s" "$e")
  s=$(now); wine cmd /c "$(vt_winpath "$PWD/copy.bat")" >/dev/null 2>&1; e=$(now)
  copy=$(awk -v t="$(elapsed "$s" "$e")" -v w="$startup" 'BEGIN { printf "%.3f", t - w }')
  same=$(diff -r "$(vt_drive_c)/Corvane/plain" "$(vt_drive_c)/Base/plain" >/dev/null &&
         diff -r "$(vt_drive_c)/Corvane/packed" "$(vt_drive_c)/Base/packed" >/dev/null && echo same || echo DIFFERENT)
  echo "round $r: setup $install s, plain copy and vtpack $copy s (Wine start-up $startup s taken off); files $same"
  installs="$installs $install" copies="$copies $copy"
done
mi=$(echo $installs | median) mc=$(echo $copies | median)
echo "median: setup $mi s, plain $mc s, ratio $(awk -v a="$mi" -v b="$mc" 'BEGIN { printf "%.2f", a / b }') (goal: at most 1.20)"
vt_stop >/dev/null 2>&1
