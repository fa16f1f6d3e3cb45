#!/usr/bin/env bash
# Removing Vantora, end to end: a first installation from the demo CD with
# its additional software, then the uninstaller that Add/Remove Programs
# lists. Cancel at its question changes nothing; a file the user changed is
# asked about and kept; afterwards drive C and the registry are as they
# were before the installation, but for the other installers' files, the
# kept file and the line in WININIT.INI that removes the uninstaller's
# temporary copy at the next restart. Then a reinstallation, a removal
# with a file held open (it goes at the next restart, through WININIT.INI),
# and an installation killed half-way and then removed: what its record
# holds goes, nothing else.
set -uo pipefail
source "$(dirname "$0")/setup_env.sh"
source "$here/snapshot.sh"
vt_setup_begin uninstall || exit 1
main="$(vt_drive_c)/Corvane"
entry='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Vantora'
holder=$VT_BUILD/tests/win32/file_holder.exe

# what_changed BEFORE AFTER: the differences, but for the lines that match
# the patterns given after them (extended expressions).
what_changed() {
  local before=$1 after=$2
  shift 2
  local allowed
  allowed=$(IFS='|'; echo "$*")
  vt_snapshot_diff "$before" "$after" | grep -v -E "${allowed:-^$}"
}

# WININIT.INI as the uninstaller left it (Wine's start-up carries it out
# and renames it WININIT.BAK).
wininit() { find "$(vt_drive_c)/windows" -maxdepth 1 -iname wininit.ini -exec cat {} \; 2>/dev/null | tr -d '\r'; }

vt_snapshot before.txt
echo "== a first installation, with the additional software =="
vt_setup_run "$here/scenarios/first_install.scn" 120
check "the installation's exit code" 1 "$SETUP_RC"
check "the name Add/Remove Programs shows" Vantora "$(vt_reg_query "$entry" DisplayName)"
check "the command it runs" 'c:\Corvane\VTUNINST.EXE' "$(vt_reg_query "$entry" UninstallString)"
check "the uninstaller beside the record" yes "$([ -s "$main/VTUNINST.EXE" ] && [ -s "$main/INSTALL.REC" ] && echo yes)"
printf 'My own notes.\r\n' >>"$main/ReadMe.txt"
vt_snapshot installed.txt

echo "== Cancel at the question =="
vt_uninstall "$here/scenarios/uninstall_cancel.scn"
check "the exit code after Cancel" 0 "$SETUP_RC"
vt_snapshot cancelled.txt
check "what Cancel changed" "" "$(vt_snapshot_diff installed.txt cancelled.txt)"

echo "== removing Vantora; the changed file is kept =="
vt_uninstall "$here/scenarios/uninstall_keep_changed.scn"
check "the exit code" 0 "$SETUP_RC"
check "the temporary copy goes at the next restart" 1 "$(wininit | grep -c -i '^NUL=.*\.EXE$')"
vt_snapshot removed.txt
# What stays: the other installers' markers, the kept file, their folder,
# and the temporary copy's removal at the next restart.
check "what is left but the other installers' files and the kept one" "" \
  "$(what_changed before.txt removed.txt '^\+ dir \./corvane$' '^\+ file \./corvane/(browser|dialer)\.txt ' \
     '^\+ file \./corvane/readme\.txt ' '^\+ file \./windows/wininit\.(ini|bak) ')"
check "the changed file kept" "My own notes." "$(tail -n 1 "$main/ReadMe.txt" | tr -d '\r')"

echo "== installed again after the removal =="
# The other installers' files keep the folder: the setup asks before it
# installs over it.
rm -f "$main/ReadMe.txt"
sed '/^screenshot-mark destination$/{n;s/^click 1$/click 1\nwait-box "Vantora Installation" "The destination directory exists. Overwrite?"\nclick 6/}' \
  "$here/scenarios/first_install.scn" >reinstall.scn
vt_setup_run reinstall.scn 120
check "the reinstallation's exit code" 1 "$SETUP_RC"
check "listed again" Vantora "$(vt_reg_query "$entry" DisplayName)"
cmp -s "$main/ReadMe.txt" "$VT_DEMO_SETUP/readme.txt" || { echo "FAIL: ReadMe.txt is not the CD's"; fail=1; }

echo "== removing it with a file held open =="
vt_bg "$holder" 'C:\Corvane\help\connect.txt'
holder_pid=$VT_BG_PID
for _ in $(seq 1 100); do [ -e "$main/help/connect.txt.held" ] && break; sleep 0.1; done
vt_uninstall "$here/scenarios/uninstall_plain.scn"
check "the held file is still there" yes "$([ -e "$main/help/connect.txt" ] && echo yes)"
check "it goes at the next restart" 1 "$(wininit | grep -c -i '^NUL=.*connect\.txt$')"
uninstall_log=$(find "$(vt_drive_c)" -iname VTUNINST.LOG | head -n 1)
check_log "$uninstall_log" "deleted when Windows next starts: c:\\Corvane\\help\\connect.txt" \
  "the log says the held file goes at the next restart"
check "the rest of its folder is gone" no "$([ -e "$main/help/settings.txt" ] && echo yes || echo no)"
touch "$main/help/connect.txt.release"
vt_wait_bg "$holder_pid" 10
# What the restart would do.
rm -rf "$main"
find "$(vt_drive_c)/windows" -maxdepth 1 -iname 'wininit.*' -delete

echo "== an installation killed half-way, then removed =="
vt_snapshot before_kill.txt
vt_bg "$VT_SETUP_EXE"
setup_pid=$VT_BG_PID
vt_robot "$here/scenarios/uninstall_until_downloads.scn" || { echo "FAIL: the robot failed before the kill"; fail=1; }
kill -9 "$setup_pid" 2>/dev/null
pkill -9 -f 'Brightwall.setup\.exe' 2>/dev/null
wait "$setup_pid" 2>/dev/null
check "the record holds the files installed before the kill" 1 "$(tr -d '\r' <"$main/INSTALL.REC" | grep -c 'settings\.txt')"
check "not yet registered" missing "$(vt_reg_query "$entry" DisplayName || echo missing)"
vt_uninstall "$here/scenarios/uninstall_plain.scn"
vt_snapshot after_kill.txt
check "what the killed installation left after the removal" "" \
  "$(what_changed before_kill.txt after_kill.txt '^\+ file \./windows/wininit\.(ini|bak) ')"
exit $fail
