#!/usr/bin/env bash
# The CD launcher on an 8-bit display (256 colours, as most home PCs of its
# day ran): after each page comes up the system palette settles. A page
# whose buttons kept changing it would repaint and flicker for ever.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/launcher_env.sh"
unset DISPLAY VT_OWN_XVFB VT_XVFB_PID VT_XVFB_OWNER
vt_xvfb 800x600x8 || exit 1
vt_e2e_begin launcher-256-colours || exit 1
fail=0
make_cd cd Brightwall/Setup.exe
vt_drive e: cd cdrom
vt_bg 'E:\cdmenu.exe'
vt_robot "$here/scenarios/launcher_256_colours.scn" || { echo "FAIL: the palette did not settle"; fail=1; }
vt_wait_bg "$VT_BG_PID" 20
check "exit code after the exit button" 0 "$?"
exit $fail
