#!/usr/bin/env bash
# The robot fails loudly: a wrong text, a window that never shows, a missing
# control and a scenario over its global timeout each end with exit code 1
# and a FAIL line naming the scenario line; a bad scenario ends with 2
# before any step. Then the target, still waiting, is cancelled.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../wine/robot.sh"
vt_e2e_begin robot-reports-failures || exit 1

fail=0
# expect_robot NAME RC TEXT [VTROBOT-OPTIONS...] <<< SCENARIO
expect_robot() {
  local name=$1 want_rc=$2 want_text=$3 out rc
  shift 3
  cat >"$name.scn"
  out=$(vt_robot "$name.scn" "$@")
  rc=$?
  if [ "$rc" -ne "$want_rc" ] || ! grep -qF -- "$want_text" <<<"$out"; then
    echo "FAIL: $name: wanted exit $want_rc and the line '$want_text'; got exit $rc:"
    echo "$out"
    fail=1
  fi
  LAST_OUT=$out
}

vt_bg "$VT_BUILD/tests/robot/robot_target.exe"
dialog='wait #32770 "Robot target" 10000'

expect_robot wrong-text 1 'vtrobot: FAIL line 3: control 101 text: expected "Your nam:", found "Your name:"' <<EOF2
$dialog
# a typo in the expectation
expect-text 101 "Your nam:"
EOF2
# The failure shows the window the robot was looking at.
grep -qE '^ +Edit +id 0x0066 ' <<<"$LAST_OUT" || { echo "FAIL: no dump after the failure"; fail=1; }

expect_robot no-window 1 'vtrobot: FAIL line 1: no visible window #32770 "No such window" within 300 ms' <<EOF2
wait #32770 "No such window" 300
EOF2

expect_robot current-window 1 'within 200 ms (only the current window matches; waits look for another one)' <<EOF2
$dialog
wait #32770 "Robot target" 200
EOF2

expect_robot no-control 1 'vtrobot: FAIL line 2: no control with id 999 (0x3E7) in #32770 "Robot target"' <<EOF2
$dialog
click 999
EOF2

expect_robot guard 1 'vtrobot: FAIL line 2: the whole scenario took longer than 800 ms (--timeout)' --timeout 800 <<EOF2
$dialog
sleep 5000
EOF2

expect_robot bad-scenario 2 'bad-scenario.scn line 2: unknown command "clik"' <<EOF2
$dialog
clik 1
EOF2
grep -q 'line 1:' <<<"$LAST_OUT" && { echo "FAIL: a bad scenario ran its first step"; fail=1; }

expect_robot cancel 0 'vtrobot: OK (2 steps)' <<EOF2
$dialog
click-text "Cancel"
EOF2
vt_wait_bg "$VT_BG_PID" 10
rc=$?
[ "$rc" -eq 2 ] || { echo "FAIL: robot_target ended with $rc, not 2 (Cancel)"; fail=1; }
exit $fail
