#!/usr/bin/env bash
# A destination drive that fills up in the middle of the installation: a
# small file system (4 MB, mounted for the test where the machine lets it:
# otherwise the test is skipped) as drive F:, and media of about 7 MB. The
# copy that meets the full disk offers Retry and Cancel with the system's
# text; Retry meets it again, Cancel ends the installation as a failed one
# (the status record at step 6). Every file on F: is whole, no partial file
# is left, and the CD is untouched.
set -uo pipefail
source "$(dirname "$0")/setup_env.sh"
small=$(mktemp -d /tmp/vt-small-XXXXXX)
if ! mount -t tmpfs -o size=4m tmpfs "$small" 2>/dev/null; then
  rmdir "$small"
  echo "skipped: this machine does not let the test mount a small file system"
  exit 77
fi
unmount_small() { umount "$small" 2>/dev/null; rmdir "$small" 2>/dev/null; }
trap unmount_small EXIT
VT_E2E_AT_EXIT=unmount_small
vt_setup_begin setup-full-disk || exit 1

disc=$PWD/cd cd=$PWD/cd/Brightwall
mkdir -p "$cd/data" packed
# The floppies' programs (without debugging information): the setup copies
# itself onto the destination first.
cp -L "$VT_BUILD/media/floppy/disk1/setup.exe" "$VT_BUILD/media/floppy/disk1/QRMGUI.dll" "$VT_DEMO_SETUP/QRM.D00" "$VT_DEMO_SETUP/VTScreen.z" "$cd/"
for i in 1 2 3 4 5; do head -c $((1 << 20)) /dev/urandom >"$cd/data/f$i.bin"; done
for i in 1 2; do head -c $((1 << 20)) /dev/urandom >"packed/e$i.bin"; done
vt_pack packed "$cd/more.z" e1.bin e2.bin
{
  printf '[Misc]\r\nReqFreeSpace=1\r\nIntro Text=An installation onto a small disk.\r\n[Setup Disk1]\r\n'
  printf 'more.z=2,{SRC_DIR},{MAIN_DIR}\\packed\r\n'
  for i in 1 2 3 4 5; do printf 'f%s.bin=1,{SRC_DIR}\\data,{MAIN_DIR}\\data\r\n' "$i"; done
} >"$cd/setup.cfg"
(cd "$cd" && find . -type f -exec md5sum {} + | sort) >cd.sums
vt_drive e: "$disc" cdrom
vt_drive f: "$small" hd
set_switch VTLog 1
set_switch SkipSplash 1
vt_start

cat >full_disk.scn <<'SCN'
wait #32770 "Vantora Installation" 20000
click 1
expect-gone
wait #32770 "Vantora Installation"
set-text 101 "f:\\Corvane"
click 1
expect-gone
wait-box "Vantora Installation" "Error copying file f" 30000
screenshot-mark disk_full
click 4
expect-gone
wait-box "Vantora Installation" "Error copying file f" 10000
click 2
expect-gone
SCN
vt_bg "$VT_SETUP_EXE"
run_pid=$VT_BG_PID
vt_robot "$PWD/full_disk.scn" || { echo "FAIL: the robot failed in full_disk.scn"; fail=1; }
# Whatever the setup says after the failed installation, it ends.
vt_wait_bg "$run_pid" 30 >/dev/null
rc=$?
[ $rc = 124 ] && echo "(the setup was still waiting after the failure: $(tail -n 3 "$(vt_drive_c)/VTLog.txt" | tr -d '\r' | tr '\n' '|'))"
check "the status record says step 6" 6 "$(( $(major) >> 16 ))"
main=$small/Corvane
for f in packed/e1.bin packed/e2.bin; do
  [ -e "$main/$f" ] && { cmp -s "$main/$f" "packed/$(basename "$f")" || { echo "FAIL: $f is not whole"; fail=1; }; }
done
for i in 1 2 3 4 5; do
  [ -e "$main/data/f$i.bin" ] && { cmp -s "$main/data/f$i.bin" "$cd/data/f$i.bin" || { echo "FAIL: f$i.bin is not whole"; fail=1; }; }
done
echo "on F: $(cd "$main" 2>/dev/null && find . -type f | sort | tr '\n' ' ')"
check "partial files left" "" "$(cd "$main" && find . -name '*.~vt')"
check "the CD is untouched" "$(cat cd.sums)" "$(cd "$cd" && find . -type f -exec md5sum {} + | sort)"
check_log "$(vt_drive_c)/VTLog.txt" "Exiting progress with error" "the progress dialog ended"
check_shot "$VT_SHOTS/disk_full.png" "screenshot of the full disk"
exit $fail
