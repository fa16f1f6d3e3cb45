# Shared by the setup program's end-to-end scripts (sourced).
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/../wine/robot.sh"

STATUS_KEY='HKCU\Software\CorvaneNetwork\Vantora\Status'
PRODUCT_KEY='HKCU\Software\CorvaneNetwork\Vantora'
source "$here/checks.sh"

# The demo CD on this machine: VT_DEMO_CD is the disc's root (the built one
# unless the caller names another, such as a disc image's extracted files),
# VT_DEMO_SETUP the provider's setup folder on it, and VT_SETUP_EXE that
# setup as the programs see it with the disc in drive E:.
VT_DEMO_CD=${VT_DEMO_CD:-$VT_BUILD/media/cd}
VT_DEMO_SETUP=$VT_DEMO_CD/Brightwall
VT_SETUP_EXE='E:\Brightwall\setup.exe'

# The build machine's vtpack, for scripts that make media of their own.
vtpack=${VT_HOST_VTPACK:-$VT_BUILD/examples/vtpack-host}

# vt_pack FOLDER ARCHIVE FILE...: packs FILEs of FOLDER, named as given,
# into ARCHIVE (an absolute path); the script fails when they cannot be
# packed. FILEs may be patterns, quoted: they are expanded inside FOLDER.
vt_pack() {
  local from=$1 archive=$2
  shift 2
  # shellcheck disable=SC2068 # the patterns expand here, in FOLDER
  (cd "$from" && "$vtpack" create "$archive" $@ >/dev/null) ||
    { echo "FAIL: cannot pack $(basename "$archive")"; exit 1; }
}

# vt_setup_begin NAME: a fresh prefix with the demo CD as drive E:.
vt_setup_begin() {
  vt_e2e_begin "$1" || return 1
  vt_drive e: "$VT_DEMO_CD" cdrom
  vt_start
}

# vt_drive_program SCENARIO SECONDS PROGRAM [ARGS...]: runs a program with
# the robot following SCENARIO; sets SETUP_RC (the program's exit code, 124
# when it had to be killed) and ROBOT_RC, and counts a robot failure.
vt_drive_program() {
  local scenario=$1 seconds=$2
  shift 2
  vt_bg "$@"
  local pid=$VT_BG_PID
  vt_robot "$scenario"
  ROBOT_RC=$?
  vt_wait_bg "$pid" "$seconds"
  SETUP_RC=$?
  [ "$ROBOT_RC" -eq 0 ] || { echo "FAIL: the robot failed in $(basename "$scenario")"; fail=1; }
}

# vt_setup_run SCENARIO SECONDS [ARGS...]: the same for the setup on the CD.
vt_setup_run() {
  local scenario=$1 seconds=$2
  shift 2
  vt_drive_program "$scenario" "$seconds" "$VT_SETUP_EXE" "$@"
}

# vt_setup_launch SCENARIO SECONDS "COMMAND LINE": the same with an exact
# command line (trailing blanks included).
vt_setup_launch() {
  vt_drive_program "$1" "$2" "$VT_BUILD/tests/robot/vtlaunch.exe" "$3"
}

# The uninstaller that the demo CD's installation registers.
VT_UNINSTALLER='C:\Corvane\VTUNINST.EXE'

# vt_uninstall SCENARIO: the uninstaller as Add/Remove Programs starts it,
# driven by the robot (no SCENARIO: by a person); SETUP_RC is its exit
# code. Returns once the temporary copy it hands over to has ended too.
vt_uninstall() {
  local deadline=$((SECONDS + 600))  # a person reads the summary at leisure
  if [ -n "${1:-}" ]; then
    vt_drive_program "$1" 60 "$VT_UNINSTALLER"
    deadline=$((SECONDS + 60))
  else
    vt_run "$VT_UNINSTALLER"
    SETUP_RC=$?
  fi
  while pgrep -f -i 'vtu[0-9a-f]*\.(exe|tmp)|vtuninst' >/dev/null; do
    [ $SECONDS -lt $deadline ] || { echo "FAIL: the uninstaller's temporary copy did not end"; fail=1; break; }
    sleep 0.2
  done
}

major() { vt_reg_query "$STATUS_KEY" Major || echo missing; }
set_major() { wine reg add "$STATUS_KEY" /v Major /t REG_DWORD /d "$1" /f >/dev/null 2>&1; }
set_switch() { wine reg add 'HKCU\Software\QRM_internal' /v "$1" /t REG_DWORD /d "$2" /f >/dev/null 2>&1; }
