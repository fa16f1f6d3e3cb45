#!/usr/bin/env bash
# An installation cut off three times, as by a power cut: the setup process
# killed while it copies a big file, inside a big archive entry, and while
# the registry editor imports the registry file. After each cut no file is
# half-written under its final name, and the status record says step 6; the
# next run takes that path (the introduction again, then the question
# before it goes over the destination) and installs from the start. After
# the last run every installed file is byte for byte what a clean
# installation gives, no partial file is left, the registry holds the
# imported value and the status record says step 10.
set -uo pipefail
source "$(dirname "$0")/setup_env.sh"
vt_setup_begin setup-killed-install || exit 1

# The CD: the demo's programs, a 64 MB file to copy and an archive with a
# 64 MB entry between two small ones.
disc=$PWD/cd
cd=$disc/Brightwall
mkdir -p "$disc" "$cd" packed expect
for f in setup.exe QRMGUI.dll QRM.D00 bin/vantora.exe client.z readme.txt; do
  mkdir -p "$(dirname "$cd/$f")" && cp -L "$VT_DEMO_SETUP/$f" "$cd/$f"
done
mkdir -p "$cd/data"
head -c $((64 << 20)) /dev/urandom >"$cd/data/big.bin"
echo "the first entry" >packed/a.txt
awk 'BEGIN { for (i = 1; i <= 1000000; i++) printf "line %d of the huge entry: %d\n", i, (i * 7919) % 100003 }' \
  >packed/huge.dat
echo "the last entry" >packed/z.txt
vt_pack packed "$cd/huge.z" a.txt huge.dat z.txt
printf 'REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\CorvaneNetwork\\Vantora\\Client]\r\n"InstallDir"="{MAIN_DIR}"\r\n' \
  >"$cd/killed.reg"
cat >"$cd/setup.cfg" <<'CFG'
[Misc]
ReqFreeSpace=15
Intro Text=A long installation that is cut off and started again.
[Setup Disk1]
Program folder=9,{MAIN_DIR}\bin
vantora.exe=1,{SRC_DIR}\bin,{MAIN_DIR}\bin
big.bin=1,{SRC_DIR}\data,{MAIN_DIR}\data
client.z=2,{SRC_DIR},{MAIN_DIR}
huge.z=2,{SRC_DIR},{MAIN_DIR}\packed
[Setup Disk2]
killed.reg=3,{SRC_DIR}
readme.txt=1,{SRC_DIR},{MAIN_DIR},ReadMe.txt
CFG
# What a clean installation puts where: the copies' sources, and the
# archives' entries unpacked here by vtpack (the same decoder).
"$vtpack" extract "$cd/client.z" expect/client >/dev/null && "$vtpack" extract "$cd/huge.z" expect/packed >/dev/null ||
  { echo "FAIL: cannot unpack the expected files"; exit 1; }
main="$(vt_drive_c)/Corvane"
declare -A expected=(
  [bin/vantora.exe]="$cd/bin/vantora.exe" [data/big.bin]="$cd/data/big.bin" [ReadMe.txt]="$cd/readme.txt")
for f in $(cd expect/client && find . -type f | sed 's|^\./||'); do expected[$f]=$PWD/expect/client/$f; done
for f in a.txt huge.dat z.txt; do expected[packed/$f]=$PWD/expect/packed/$f; done

vt_drive e: "$disc" cdrom
set_switch VTLog 1
set_switch SkipSplash 1
set_switch SkipAccess 1
vt_start

# whole_or_absent WHEN: every installed file under its final name is
# complete; says which are there.
whole_or_absent() {
  local f there=0 broken=0
  for f in "${!expected[@]}"; do
    [ -e "$main/$f" ] || continue
    there=$((there + 1))
    cmp -s "$main/$f" "${expected[$f]}" || { echo "FAIL: $1: $f is there but not whole"; broken=1; fail=1; }
  done
  [ $broken = 0 ] && echo "ok: $1: $there of ${#expected[@]} files there, each whole"
}

# cut_off WHAT CONDITION...: once the condition holds, the setup process is
# killed at once, as a power cut would stop it.
cut_off() {
  local what=$1 deadline=$((SECONDS + 90))
  shift
  until "$@"; do
    if [ $SECONDS -ge $deadline ]; then echo "FAIL: $what never came"; fail=1; break; fi
  done
  kill -9 "$run_pid" 2>/dev/null
  pkill -9 -f 'Brightwall.setup\.exe' 2>/dev/null
  wait "$run_pid" 2>/dev/null
  sleep 1
  echo "cut off $what; the log ends with: $(tail -n 1 "$(vt_drive_c)/VTLog.txt" 2>/dev/null | tr -d '\r')"
}

# run_until SCENARIO: the setup driven to its progress dialog.
run_until() {
  vt_bg "$VT_SETUP_EXE"
  run_pid=$VT_BG_PID
  vt_robot "$here/scenarios/$1" || { echo "FAIL: the robot failed in $1"; fail=1; }
}

partial() { [ -e "$main/$1.~vt" ]; }
regedit_runs() { pgrep -i -f 'regedit' >/dev/null; }

run_until killed_install_start.scn
cut_off "in the middle of the copy of big.bin" partial data/big.bin
whole_or_absent "cut off during the copy"
check "the copy is not under its name" absent "$([ -e "$main/data/big.bin" ] && echo present || echo absent)"
check "the status record says step 6" 6 "$(( $(major) >> 16 ))"

run_until killed_install_again.scn
cut_off "inside the archive entry huge.dat" partial packed/huge.dat
whole_or_absent "cut off inside an archive entry"
check "the entry is not under its name" absent "$([ -e "$main/packed/huge.dat" ] && echo present || echo absent)"
check "the entry before it is whole" "the first entry" "$(cat "$main/packed/a.txt" 2>/dev/null)"
check "the status record says step 6" 6 "$(( $(major) >> 16 ))"

run_until killed_install_again.scn
cut_off "during the registry import" regedit_runs
whole_or_absent "cut off during the registry import"
check "the status record says step 6" 6 "$(( $(major) >> 16 ))"
pkill -9 -i -f regedit 2>/dev/null

vt_bg "$VT_SETUP_EXE"
run_pid=$VT_BG_PID
vt_robot "$here/scenarios/killed_install_finish.scn" --timeout 120000 ||
  { echo "FAIL: the robot failed in killed_install_finish.scn"; fail=1; }
vt_wait_bg "$run_pid" 60
check "the last run's exit code" 1 "$?"
whole_or_absent "after the last run"
missing=0
for f in "${!expected[@]}"; do [ -e "$main/$f" ] || { echo "FAIL: $f is missing"; missing=1; fail=1; }; done
[ $missing = 0 ] && echo "ok: every file installed"
check "partial files left" "" "$(cd "$main" && find . -name '*.~vt')"
check "the imported value" 'c:\Corvane' "$(vt_reg_query "$PRODUCT_KEY\\Client" InstallDir)"
check "the status record says step 10" 10 "$(( $(major) >> 16 ))"
exit $fail
