#!/usr/bin/env bash
# The wizard pages' tests with the drives a plain test prefix lacks: a
# CD-ROM drive E: (refused) and a floppy drive A: (questioned), and a
# picture of each page on the screen.
set -uo pipefail
source "$(dirname "$0")/setup_env.sh"
vt_e2e_begin setup-wizard-drives || exit 1
mkdir -p cd floppy
echo "label" > cd/QRM.D00
vt_drive e: cd cdrom
vt_drive a: floppy floppy
vt_start

tests=$VT_BUILD/tests/win32/vt_setup_tests.exe
filter='Wizard.DestRefusesACdRomDrive:Wizard.DestQuestionsARemovableDrive:Wizard.Pictures'
out=gtest.txt
# The pictures are taken when the test asks ("SCREENSHOT name"); it waits
# for name.done before it goes on.
VT_WIZARD_SHOTS=1 WINEDEBUG=-all wine "$tests" --gtest_filter="$filter" </dev/null 2>&1 |
  while IFS= read -r line; do
    line=${line%$'\r'}
    printf '%s\n' "$line" >>"$out"
    [[ $line == "SCREENSHOT "* ]] || continue
    name=${line#SCREENSHOT }
    [[ $name =~ ^[A-Za-z0-9_]+$ ]] || continue
    mkdir -p "$VT_SHOTS"
    sleep 0.5  # let the window manager of the virtual desktop settle
    vt_screenshot "$VT_SHOTS/$name.png" || vt_log "screenshot $name failed"
    touch "$name.done"
  done
rc=${PIPESTATUS[0]}
cat "$out"
check "the wizard tests' exit code" 0 "$rc"
for name in DestRefusesACdRomDrive DestQuestionsARemovableDrive Pictures; do
  check "Wizard.$name ran and passed" 1 "$(grep -c "^\[       OK \] Wizard.$name " "$out")"
done
for shot in wizard_intro wizard_destination wizard_choice; do
  check_shot "$VT_SHOTS/$shot.png" "picture $shot"
done
exit $fail
