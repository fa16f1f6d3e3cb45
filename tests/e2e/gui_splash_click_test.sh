#!/usr/bin/env bash
# The splash window under real mouse clicks (X events through the X server,
# as a person's would come): a click on another window of the same program
# leaves it up, a click on it closes it long before its time-out.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../wine/robot.sh"
command -v xdotool >/dev/null || { echo "FAIL: xdotool is missing (scripts/deps.sh installs it)"; exit 1; }
vt_e2e_begin gui-splash-click || exit 1

# click X Y: a left click at a point of Wine's virtual desktop, wherever a
# window manager has put its X window.
click() {
  local desktop
  desktop=$(xdotool search --name "Wine desktop" 2>/dev/null | tail -n 1)
  if [ -n "$desktop" ]; then
    xdotool mousemove --window "$desktop" "$1" "$2" click 1
  else
    xdotool mousemove "$1" "$2" click 1
  fi
}

# The marks of the scenario: the "other" button is at 10,10 (80 x 30), the
# splash at 214,181 (372 x 237) on the 800 x 600 desktop.
vt_robot_mark() {
  case $1 in
    click_elsewhere) click 50 25 ;;
    click_on_it) click 400 300 ;;
  esac
}

fail=0
vt_bg "$VT_BUILD/tests/win32/splash_target.exe" "$(vt_winpath "$VT_BUILD/pictures/splash.bmp")" 20000
vt_robot "$here/scenarios/splash_click.scn" || { echo "FAIL: the robot failed"; fail=1; }
vt_wait_bg "$VT_BG_PID" 10
rc=$?
[ "$rc" -eq 0 ] || { echo "FAIL: splash_target ended with $rc, not 0 (closed by the click before its time-out)"; fail=1; }
exit $fail
