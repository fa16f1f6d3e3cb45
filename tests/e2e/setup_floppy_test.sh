#!/usr/bin/env bash
# A first installation from the floppy set in drive A:: the test swaps the
# folder behind A: when the setup asks for disk 2, and the installation
# ends with the same files as one from the CD. Then Cancel at that question:
# the installation fails and the status record keeps step 6.
#
# The floppies are the built ones, or those in the folder VT_DEMO_FLOPPY
# names (disk1, disk2: the floppy images' extracted files,
# setup_floppy_image_test.sh); VT_E2E_NAME names the run's prefixes and
# working folder then.
set -uo pipefail
source "$(dirname "$0")/setup_env.sh"
name=${VT_E2E_NAME:-setup-floppy}
vt_setup_begin "$name" || exit 1
floppies=${VT_DEMO_FLOPPY:-$VT_BUILD/media/floppy}
echo "The floppies: $floppies"
cp -r "$floppies" floppy
vt_drive a: floppy/disk1 floppy
vt_start
main="$(vt_drive_c)/Corvane"

vt_robot_mark() {
  [ "$1" = insert_disk2 ] && ln -sfn "$PWD/floppy/disk2" "$WINEPREFIX/dosdevices/a:"
}
vt_drive_program "$here/scenarios/floppy_install.scn" 120 'A:\setup.exe'
check "exit code" 1 "$SETUP_RC"
check "Major after the floppy installation" 0xa2003 "$(major)"
check "SrcDir" "A:" "$(vt_reg_query "$PRODUCT_KEY" SrcDir)"
# setup.ini is read from the drive after the last disk's section.
check "a value of setup.ini" 10 "$(vt_reg_query "$PRODUCT_KEY" FreeHours)"
# The same files as the CD installs (the first-installation test's list).
expected="bin/vantora.exe ReadMe.txt VANTORA.TXT help/connect.txt help/settings.txt access/setup.cfg access/setup.exe"
for f in $expected; do
  [ -s "$main/$f" ] || { echo "FAIL: $f was not installed"; fail=1; }
done
# (The floppies' programs carry no debugging information; the CD's do.)
cmp -s "$main/bin/vantora.exe" "$floppies/disk1/bin/vantora.exe" || { echo "FAIL: vantora.exe differs"; fail=1; }
cmp -s "$main/help/connect.txt" "$VT_ROOT/examples/packed/client/help/connect.txt" ||
  { echo "FAIL: help/connect.txt differs from its source"; fail=1; }
[ -d "$main/My Downloads" ] || { echo "FAIL: the user's download folder is missing"; fail=1; }
check "the registry file's value" 'c:\Corvane\My Downloads' \
  "$(vt_reg_query 'HKCU\Software\CorvaneNetwork\Vantora\Client' Downloads)"
check_shot "$VT_SHOTS/insert_disk2.png" "screenshot of the disk prompt"

echo "== Cancel at the disk 2 question =="
vt_stop
vt_prefix "$name-cancel" || exit 1
vt_drive e: "$VT_DEMO_CD" cdrom
vt_drive a: floppy/disk1 floppy
vt_start
vt_drive_program "$here/scenarios/floppy_cancel.scn" 60 'A:\setup.exe'
check "exit code after Cancel" 1 "$SETUP_RC"
major=$(major)
check "the status record keeps step 6" 6 "$(( major >> 16 ))"
check "nothing of disk 2 installed" "" "$(ls "$(vt_drive_c)/Corvane/VANTORA.TXT" 2>/dev/null)"
exit $fail
