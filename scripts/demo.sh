#!/usr/bin/env bash
# Runs the setup program on the demo CD under Wine, as Windows 95 (from
# E:\Brightwall\setup.exe, where the disc's launcher starts it): a first
# installation, then a maintenance run, printing the status record after
# each, and last the removal by the uninstaller that Add/Remove Programs
# lists, printing what stays. With a display and a person at it (DISPLAY set, VT_DEMO_ROBOT unset)
# you answer the windows yourself; otherwise the UI robot does, on a virtual
# X display, and screenshots land in build/<tree>/e2e/demo/shots.
#
# The tree is build/win32, or build/win64 on a machine that runs no 32-bit
# programs (scripts/wine-mode.sh; VT_WINE=32 or 64 forces one, VT_BUILD
# names any).
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
if [ -z "${VT_BUILD:-}" ]; then
  tree=$("$root/scripts/wine-mode.sh" --tree) || exit 1
  export VT_BUILD=$root/build/$tree
fi
source "$root/tests/e2e/setup_env.sh" || exit 1
if [ ! -f "$VT_DEMO_SETUP/setup.exe" ]; then
  echo "demo.sh: no demo CD in $VT_DEMO_CD (./scripts/build.sh $(basename "$VT_BUILD"), or make demo)" >&2
  exit 1
fi
echo "The demo CD of $VT_BUILD, in a $WINEARCH prefix"

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
    vt_run "$VT_SETUP_EXE"
    SETUP_RC=$?
  else
    vt_setup_run "$2" 120
  fi
  echo "setup.exe ended with exit code $SETUP_RC"
  show_status "$1"
}

run_setup "first installation" "$scenarios/first_install.scn"
run_setup "maintenance run" "$scenarios/maintenance_quit.scn"

echo "== removing Vantora: $VT_UNINSTALLER, as Add/Remove Programs starts it =="
if [ "$interactive" -eq 1 ]; then vt_uninstall; else vt_uninstall "$scenarios/uninstall_plain.scn"; fi
echo "The uninstaller ended with exit code $SETUP_RC"
show_status "removal"
echo "Left in C:\Corvane (what the other installers wrote): $(cd "$(vt_drive_c)/Corvane" 2>/dev/null && find . -type f | sed 's|^\./||' | sort | tr '\n' ' ')"
uninstall_log=$(find "$(vt_drive_c)" -iname VTUNINST.LOG 2>/dev/null | head -n 1)
[ -n "$uninstall_log" ] && { echo "The uninstaller's log:"; tr -d '\r' <"$uninstall_log" | sed 's/^/  /'; }
[ "$interactive" -eq 1 ] || echo "Screenshots: $VT_SHOTS"
exit $fail
