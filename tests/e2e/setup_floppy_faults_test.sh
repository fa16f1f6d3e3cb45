#!/usr/bin/env bash
# The floppy set handled roughly: when disk 2 is asked for, the user first
# leaves disk 1 in, then inserts a disk of another set; each time the setup
# asks again, and it reads nothing from the wrong disks. With disk 2 in, the
# disk is pulled out while a big file copies from it: the file arrives
# whole (Wine keeps an open file readable, so the pull shows at the next
# file), the next file is asked for through the file prompt, and once the
# disk is back the installation ends as usual, every file whole and no
# partial file left.
set -uo pipefail
source "$(dirname "$0")/setup_env.sh"
vt_setup_begin setup-floppy-faults || exit 1
cp -r "$VT_BUILD/media/floppy" floppy
mkdir -p empty other
# Another set's first disk.
printf 'Other setup disk 1\r\n' >other/qrm.d01
printf 'not ours\r\n' >other/access.dll
# A big file copied first from disk 2.
head -c $((48 << 20)) /dev/urandom >floppy/disk2/big.bin
sed -i 's/^\[Setup Disk2\]\r\?$/&\nbig.bin=1,{SRC_DIR},{MAIN_DIR}\\data/' floppy/disk1/setup.cfg
grep -q '^big.bin=1' floppy/disk1/setup.cfg || { echo "FAIL: cannot add the big file to disk 2's section"; exit 1; }
vt_drive a: floppy/disk1 floppy
vt_start
main="$(vt_drive_c)/Corvane"
drive_a() { ln -sfn "$PWD/$1" "$WINEPREFIX/dosdevices/a:"; }

vt_robot_mark() {
  case $1 in
    foreign_disk) drive_a other ;;
    insert_disk2)
      drive_a floppy/disk2
      # Pulled out as soon as the big file begins to arrive.
      ( deadline=$((SECONDS + 60))
        until [ -e "$main/data/big.bin.~vt" ] || [ $SECONDS -ge $deadline ]; do sleep 0.005; done
        drive_a empty
        echo "the disk is pulled out: $(ls "$main/data" 2>/dev/null | tr '\n' ' ')" ) & ;;
    disk_pulled) drive_a floppy/disk2 ;;
  esac
}
vt_drive_program "$here/scenarios/floppy_faults.scn" 180 'A:\setup.exe'
check "exit code" 1 "$SETUP_RC"
check "Major after the installation" 0xa2003 "$(major)"
cmp -s "$main/data/big.bin" floppy/disk2/big.bin && echo "ok: the big file arrived whole" ||
  { echo "FAIL: the big file is not whole"; fail=1; }
cmp -s "$main/access/access.dll" floppy/disk2/access.dll && echo "ok: access.dll is disk 2's" ||
  { echo "FAIL: access.dll is not disk 2's"; fail=1; }
for f in bin/vantora.exe ReadMe.txt VANTORA.TXT help/connect.txt; do
  [ -s "$main/$f" ] || { echo "FAIL: $f was not installed"; fail=1; }
done
check "partial files left" "" "$(cd "$main" && find . -name '*.~vt')"
for shot in disk1_still_in foreign_disk insert_disk2 disk_pulled; do
  check_shot "$VT_SHOTS/$shot.png" "screenshot $shot"
done
exit $fail
