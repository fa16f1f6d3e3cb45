#!/usr/bin/env bash
# A first installation from the demo CD (E:, a CD-ROM drive) and a
# maintenance run after it: every disk section runs behind the progress
# dialog; the installed files, links and registry values and the status
# record are checked from Linux.
#
# The CD is the built one, or the folder VT_DEMO_CD names (the disc image's
# extracted files: setup_first_install_iso_test.sh); VT_E2E_NAME names the
# run's prefix and working folder then.
set -uo pipefail
source "$(dirname "$0")/setup_env.sh"
vt_setup_begin "${VT_E2E_NAME:-setup-first-install}" || exit 1
echo "The CD: $VT_DEMO_CD"
main="$(vt_drive_c)/Corvane"

vt_setup_run "$here/scenarios/first_install.scn" 120
check "first run exit code" 1 "$SETUP_RC"
check "Major after the first run" 0xa2003 "$(major)"
check "SrcDir after the first run" 'E:\Brightwall' "$(vt_reg_query "$PRODUCT_KEY" SrcDir)"
check "a value of setup.ini" 10 "$(vt_reg_query "$PRODUCT_KEY" FreeHours)"
for f in bin/vantora.exe ReadMe.txt VANTORA.TXT help/connect.txt help/settings.txt \
         access/setup.cfg access/setup.exe; do
  [ -s "$main/$f" ] || { echo "FAIL: $f was not installed"; fail=1; }
done
cmp -s "$main/ReadMe.txt" "$VT_DEMO_SETUP/readme.txt" || { echo "FAIL: ReadMe.txt differs from the CD's"; fail=1; }
[ -d "$main/My Downloads" ] || { echo "FAIL: the user's download folder is missing"; fail=1; }
check "the registry file's value" 'c:\Corvane\My Downloads' \
  "$(vt_reg_query 'HKCU\Software\CorvaneNetwork\Vantora\Client' Downloads)"
check "the remembered user path" 'c:\Corvane\My Downloads' \
  "$(vt_reg_query 'HKCU\Software\CorvaneNetwork\Vantora\Software' Downloads)"
programs=$(vt_reg_query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders' Programs)
links="$(vt_drive_c)/$(echo "${programs:3}" | tr '\\' /)/Vantora"
for link in "Vantora.lnk" "Vantora Settings.lnk"; do
  [ -f "$links/$link" ] || { echo "FAIL: no link $links/$link"; fail=1; }
done
# The additional software: the browser's installer started its second half
# and exited; that half was not left frozen by the debugging setup.
check "the browser installer's second half ran" yes "$([ -s "$main/browser.txt" ] && echo yes)"
check "the watched installer ran" yes "$([ -s "$main/dialer.txt" ] && echo yes)"
check "the always-installed item's file" yes "$([ -s "$main/tools/tools.txt" ] && echo yes)"
check "Browser's state" 0x2 "$(vt_reg_query "$PRODUCT_KEY\Software" Browser)"
check "Dialer Tools' state" 0x2 "$(vt_reg_query "$PRODUCT_KEY\Software" 'Dialer Tools')"
check "the '@' item is not remembered" missing "$(vt_reg_query "$PRODUCT_KEY\Software" Tools || echo missing)"
check "the registration module's status" 0x1 "$(vt_reg_query "$PRODUCT_KEY" AccessDllStatus)"
check "the registered name" "Ann Example" "$(vt_reg_query "$PRODUCT_KEY" TrueUserName)"
runonce=$(wine reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\RunOnce' /v VTSetup 2>/dev/null | tr -d '\r' | grep -c VTSetup)
check "the run-once value exists" 1 "$runonce"
check "the run-once value is empty" "" "$(vt_reg_query 'HKCU\Software\Microsoft\Windows\CurrentVersion\RunOnce' VTSetup)"
for shot in logo_movie intro_movie intro destination folder_browser user_path registration software exit_notice; do
  check_shot "$VT_SHOTS/$shot.png" "screenshot $shot"
done

vt_setup_run "$here/scenarios/maintenance_quit.scn" 60
check "second run exit code" 1 "$SETUP_RC"
check "Major after the maintenance run" 0xa4003 "$(major)"
check_shot "$VT_SHOTS/choice.png" "screenshot choice"

echo "== the additional software from the maintenance choice =="
vt_setup_run "$here/scenarios/maintenance_software.scn" 60
check "exit code" 1 "$SETUP_RC"
check "Browser's state kept" 0x2 "$(vt_reg_query "$PRODUCT_KEY\Software" Browser)"

echo "== resuming with 3PI =="
rm -f "$main/browser.txt"
wine reg add "$PRODUCT_KEY\Software" /v Browser /t REG_DWORD /d 1 /f >/dev/null 2>&1
set_major 0x00082003
vt_setup_launch "$here/scenarios/resume_3pi.scn" 90 "$VT_SETUP_EXE 3PI"
check "exit code" 1 "$SETUP_RC"
check "Browser installed again" 0x2 "$(vt_reg_query "$PRODUCT_KEY\Software" Browser)"
for i in $(seq 1 40); do [ -s "$main/browser.txt" ] && break; sleep 0.1; done
check "the browser installer ran again" yes "$([ -s "$main/browser.txt" ] && echo yes)"
exit $fail
