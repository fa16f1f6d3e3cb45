#!/usr/bin/env bash
# The robot drives robot_target.exe through its dialog and both message
# boxes, takes two screenshots, and the target ends with the box's answer.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../wine/robot.sh"
source "$here/checks.sh"
vt_e2e_begin robot-drives-target || exit 1

vt_bg "$VT_BUILD/tests/robot/robot_target.exe"
vt_robot "$here/robot_target.scn" || { echo "FAIL: the robot failed"; fail=1; }
vt_wait_bg "$VT_BG_PID" 10
rc=$?
[ "$rc" -eq 6 ] || { echo "FAIL: robot_target ended with $rc, not 6 (Yes)"; fail=1; }
for shot in dialog greeting; do
  check_shot "$VT_SHOTS/$shot.png" "screenshot $shot"
done
exit $fail
