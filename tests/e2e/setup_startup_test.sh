#!/usr/bin/env bash
# Start-up of the setup program: a missing setup.cfg, a second copy, the
# command-line keywords and a system other than Windows 95.
set -uo pipefail
source "$(dirname "$0")/setup_env.sh"
vt_setup_begin setup-startup || exit 1
# The splash has its own scenario; here it would only add its 5.5 s to every run.
set_switch SkipSplash 1
drive_c=$(vt_drive_c)
log=$drive_c/VTLog.txt

echo "== missing setup.cfg =="
set_switch VTLog 1
mkdir -p "$drive_c/nocfg" && cp "$VT_DEMO_SETUP/setup.exe" "$VT_DEMO_SETUP/QRMGUI.dll" "$drive_c/nocfg/"
vt_drive_program "$here/scenarios/missing_cfg.scn" 20 'C:\nocfg\setup.exe'
check "exit code without setup.cfg" 0 "$SETUP_RC"
check_shot "$VT_SHOTS/missing_cfg.png" "screenshot of the missing setup.cfg"
[ -f "$log" ] && echo "ok: the developer switch opened the log" || { echo "FAIL: no log"; fail=1; }

echo "== a second copy =="
vt_bg "$VT_SETUP_EXE"
first=$VT_BG_PID
vt_robot "$here/scenarios/intro_shown.scn" || { echo "FAIL: robot (first copy)"; fail=1; }
vt_bg "$VT_SETUP_EXE"
second=$VT_BG_PID
vt_robot "$here/scenarios/already_running.scn" || { echo "FAIL: robot (second copy)"; fail=1; }
vt_wait_bg "$second" 20
check "exit code of the second copy" 0 "$?"
vt_robot "$here/scenarios/intro_cancel.scn" || { echo "FAIL: robot (cancel)"; fail=1; }
vt_wait_bg "$first" 20
check "exit code of the first copy" 1 "$?"
check "Major after a cancelled introduction" 0x62000 "$(major)"

echo "== command-line keywords =="
set_switch SkipAccess 1
for keyword in 'R&U' 'r&u'; do
  set_major 0x000A4003
  vt_setup_launch "$here/scenarios/ru_mode.scn" 30 "$VT_SETUP_EXE $keyword"
  check "exit code with $keyword" 1 "$SETUP_RC"
  check "Major untouched with $keyword" 0xa4003 "$(major)"
  check_log "$log" "Command line = $keyword" "logged $keyword"
done
set_switch SkipAccess 0
set_major 0x000A4003
vt_setup_launch "$here/scenarios/choice_quit.scn" 30 "$VT_SETUP_EXE R&U "
check "exit code with 'R&U '" 1 "$SETUP_RC"
check "Major rewritten by a normal run" 0xa4003 "$(major)"
check_log "$log" "Writing Major status: step = STEP_CHOICE" "the normal run wrote its steps"

echo "== Windows NT and later =="
for version in nt40 win7; do
  rm -f "$log"
  vt_windows_version "$version" || fail=1
  vt_setup_run "$here/scenarios/nt_refused.scn" 20
  check "exit code on $version" 0 "$SETUP_RC"
  [ ! -e "$log" ] && echo "ok: no log on $version" || { echo "FAIL: a log was written on $version"; fail=1; }
done
exit $fail
