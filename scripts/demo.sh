#!/usr/bin/env bash
# Runs the setup program on the demo CD under Wine, as Windows 95: a first
# installation, then a maintenance run, printing the status record after
# each. With a display and a person at it (DISPLAY set, VT_DEMO_ROBOT unset)
# you answer the windows yourself; otherwise the UI robot does, on a virtual
# X display, and screenshots land in build/win32/e2e/demo/shots.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export VT_BUILD=${VT_BUILD:-$root/build/win32}
source "$root/tests/e2e/setup_env.sh"

interactive=0
if [ -n "${DISPLAY:-}" ] && [ -z "${VT_DEMO_ROBOT:-}" ] && [ -t 0 ]; then interactive=1; fi
[ "$interactive" -eq 1 ] || unset DISPLAY

vt_setup_begin demo || exit 1
scenarios=$root/tests/e2e/scenarios

show_status() {
  echo "Status record after the $1:"
  echo "  Major = $(major)"
  echo "  MainDir = $(vt_reg_query "$PRODUCT_KEY" MainDir || echo '(none)')"
  echo "  SrcDir = $(vt_reg_query "$PRODUCT_KEY" SrcDir || echo '(none)')"
}

run_setup() { # WHAT SCENARIO
  echo "== $1 =="
  if [ "$interactive" -eq 1 ]; then
    vt_run 'E:\setup.exe'
    SETUP_RC=$?
  else
    vt_setup_run "$2" 120
  fi
  echo "setup.exe ended with exit code $SETUP_RC"
  show_status "$1"
}

run_setup "first installation" "$scenarios/first_install.scn"
run_setup "maintenance run" "$scenarios/maintenance_quit.scn"
[ "$interactive" -eq 1 ] || echo "Screenshots: $VT_SHOTS"
exit $fail
