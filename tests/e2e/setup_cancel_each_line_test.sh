#!/usr/bin/env bash
# A first installation from the demo CD cancelled at each line of its disk
# sections in turn, answered Yes, one run per line in the same prefix: the
# cancel lands while a pause archive unpacks just before line K (its
# entries are checked for the cancel between them), so lines 1 to K-1 have
# run and line K has not. Each run ends as a cancelled installation does:
# the progress dialog ends with 0, the exit notice, exit code 1, the status
# record at step 6. A last run without the pause completes the
# installation from that state.
set -uo pipefail
source "$(dirname "$0")/setup_env.sh"
vt_setup_begin setup-cancel-each-line || exit 1

disc=$PWD/cd
cd=$disc/Brightwall
mkdir -p "$disc" pause
cp -rL "$VT_DEMO_SETUP" "$cd"
for i in $(seq -w 1 4000); do printf 'pause entry %s\n' "$i" >"pause/p$i.txt"; done
vt_pack pause "$cd/pause.z" 'p*.txt'
# No movies: the runs go straight to the introduction.
sed 's/^MultiMedia=1/MultiMedia=0/' "$VT_DEMO_SETUP/setup.cfg" >plain.cfg
# with_pause K: plain.cfg with the pause archive before the Kth line of
# the disk sections.
with_pause() {
  awk -v k="$1" '
    /^\[/ { disk = ($0 ~ /^\[Setup Disk[0-9]+\]/) }
    disk && !/^\[/ && !/^;/ && NF > 0 { if (++n == k) print "pause.z=2,{SRC_DIR},{TEMP}\\vtpause" }
    { print }' plain.cfg
}
lines=$(with_pause 0 | awk '/^\[/ { d = ($0 ~ /^\[Setup Disk/) } d && !/^\[/ && !/^;/ && NF > 0' | wc -l)
check "lines in the disk sections" 12 "$lines"
vt_drive e: "$disc" cdrom
set_switch VTLog 1
set_switch SkipSplash 1
vt_start
main="$(vt_drive_c)/Corvane"
programs=$(vt_reg_query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders' Programs)
links="$(vt_drive_c)/$(echo "${programs:3}" | tr '\\' /)/Vantora"

# line_ran K: whether line K has left its mark (0: yes). Line 8 asks for
# the downloads folder: the scenarios expect its prompt from run 9 on.
line_ran() {
  case $1 in
    1) [ -d "$main/bin" ] ;;
    2) [ -f "$main/access/QRMGUI.dll" ] ;;
    3) [ -f "$main/bin/vantora.exe" ] ;;
    4) [ -f "$main/ReadMe.txt" ] ;;
    5) [ -f "$main/access/access.dll" ] ;;
    6) [ -f "$main/VANTORA.TXT" ] ;;
    7) [ ! -e "$main/bin/vantora.old" ] ;;
    9) [ -d "$main/My Downloads" ] ;;
    10) [ "$(vt_reg_query "$PRODUCT_KEY\\Client" Downloads)" = 'c:\Corvane\My Downloads' ] ;;
    11) [ -f "$links/Vantora.lnk" ] ;;
    *) return 0 ;;
  esac
}

# scenario K: the run that cancels before line K.
scenario() {
  echo 'wait #32770 "Vantora Installation" 20000'
  echo 'click 1'
  echo 'expect-gone'
  echo 'wait #32770 "Vantora Installation"'
  echo 'click 1'
  # The first run creates the destination; later ones are asked first.
  [ "$1" -gt 1 ] && printf '%s\n' 'wait-box "Vantora Installation" "The destination directory exists. Overwrite?" 10000' 'click 6'
  echo 'expect-gone'
  if [ "$1" -gt 8 ]; then
    echo 'wait #32770 "Vantora Downloads" 20000'
    echo 'set-text 101 "c:\\Corvane\\My Downloads"'
    echo 'click 1'
    echo 'expect-gone'
  fi
  echo 'wait #32770 "Vantora Setup" 20000'
  echo 'wait-text 1003 "Decompressing archive p" 30000'
  echo 'click 2'
  echo 'wait-box "Vantora Installation" "Are you sure you want to cancel the setup?" 10000'
  echo 'click 6'
  echo 'expect-gone'
  echo 'wait #32770 "" 30000'
  echo 'expect-gone 5000'
}

log="$(vt_drive_c)/VTLog.txt"
for k in $(seq 1 12); do
  echo "== cancelled before line $k =="
  with_pause "$k" >"$cd/setup.cfg"
  scenario "$k" >"cancel_$k.scn"
  # The file line 7 deletes, there before runs 7 and 8.
  [ "$k" = 7 ] || [ "$k" = 8 ] && mkdir -p "$main/bin" && echo old >"$main/bin/vantora.old"
  vt_setup_run "$PWD/cancel_$k.scn" 90
  check "run $k: exit code" 1 "$SETUP_RC"
  check "run $k: the status record says step 6" 6 "$(( $(major) >> 16 ))"
  # Each run writes its log afresh.
  check_log "$log" "Canceled" "run $k: the cancel is logged"
  check_log "$log" "Exiting progress with error 0" "run $k: the progress dialog ended with 0"
  [ "$k" -gt 1 ] && { line_ran $((k - 1)) && echo "ok: line $((k - 1)) ran" || { echo "FAIL: line $((k - 1)) did not run"; fail=1; }; }
  line_ran "$k" && [ "$k" != 8 ] && [ "$k" != 12 ] && { echo "FAIL: line $k ran after the cancel"; fail=1; }
done

echo "== the run after them =="
cp plain.cfg "$cd/setup.cfg"
cat >finish.scn <<'SCN'
wait #32770 "Vantora Installation" 20000
click 1
expect-gone
wait #32770 "Vantora Installation"
click 1
wait-box "Vantora Installation" "The destination directory exists. Overwrite?" 10000
click 6
expect-gone
wait #32770 "Vantora Downloads" 20000
set-text 101 "c:\\Corvane\\My Downloads"
click 1
expect-gone
wait-box "Vantora Installation" "Vantora is now on your computer." 30000
click 1
expect-gone
wait #32770 "Corvane Registration" 20000
click 1
expect-gone
wait #32770 "Vantora Setup - Additional Software" 20000
click 2
expect-gone
wait #32770 "" 10000
expect-gone 5000
SCN
vt_setup_run "$PWD/finish.scn" 120
check "the last run's exit code" 1 "$SETUP_RC"
check "the status record says step 10" 10 "$(( $(major) >> 16 ))"
for k in 1 2 3 4 5 6 7 9 10 11; do line_ran "$k" || { echo "FAIL: line $k has not run"; fail=1; }; done
for f in bin/vantora.exe ReadMe.txt VANTORA.TXT help/connect.txt help/settings.txt; do
  cmp -s "$main/$f" "$([ "$f" = ReadMe.txt ] && echo "$cd/readme.txt" || { [ "$f" = bin/vantora.exe ] && echo "$cd/bin/vantora.exe" || echo "$VT_ROOT/examples/packed/client/$f"; })" ||
    { echo "FAIL: $f is not what the CD carries"; fail=1; }
done
check "partial files left" "" "$(cd "$main" && find . -name '*.~vt')"
exit $fail
