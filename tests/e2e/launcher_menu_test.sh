#!/usr/bin/env bash
# The CD launcher from a CD of its own making (E:, a CD-ROM drive): the
# launcher at the root and sample installers where its buttons look. The
# mouse is real (X events through xdotool); the screenshots' pixels are
# compared with the generated pictures; the sample installers log which
# program started in which folder (VT_SAMPLE_LOG).
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/launcher_env.sh"
begin_with_full_cd launcher-menu
fail=0


vt_robot_mark() {
  case $1 in
    hover) mouse move 161 77 ;;
    press) mouse down 161 77 ;;
    # Released over the page, then a click inside button 1's rectangle
    # but outside its ellipse, near its top-left corner.
    outside_ellipse) mouse up 450 300; mouse click 355 2 ;;
    other_program) (unset VT_SAMPLE_LOG; vt_bg "$sample" /window "Other program" OtherProgram 3000) ;;
    hover_inactive) mouse move 476 39 ;;
    click_page2) mouse click 476 39 ;;
  esac
  # A screenshot taken before the mark's action would show nothing of it.
  case $1 in hover|press|hover_inactive) vt_screenshot "$VT_SHOTS/$1.png" ;; esac
}

: >"$started"
vt_bg 'E:\cdmenu.exe'
launcher=$VT_BG_PID
vt_robot "$here/scenarios/launcher_pages.scn" || { echo "FAIL: the robot failed (pages)"; fail=1; }
vt_wait_bg "$launcher" 20
check "exit code after a start" 0 "$?"
same_pixels page1 cdmenu116.bmp 0 32 323 90        # button 0, normal
same_pixels page1 cdmenu108.bmp 100 200 300 150 100 200  # the page picture around the buttons
same_pixels hover cdmenu113.bmp 0 32 323 90        # focused under the mouse
same_pixels press cdmenu110.bmp 0 32 323 90        # pressed
# Button 1 right of the other program's window: not focused, since the
# launcher was not active.
same_pixels hover_inactive cdmenu117.bmp 383 0 215 78 30 0
same_pixels page2 cdmenu118.bmp 200 200 200 150 200 200
same_pixels page2 cdmenu124.bmp 221 32 158 66      # button 2, normal
# Every pixel of both pages, the buttons at the bottom corners included.
whole_page page1 cdmenu108.bmp cdmenu116.bmp 0 32 cdmenu117.bmp 353 0 cdmenu115.bmp 529 379
whole_page page2 cdmenu118.bmp cdmenu124.bmp 221 32 cdmenu130.bmp 4 121 cdmenu133.bmp 417 115 \
  cdmenu139.bmp 6 379 cdmenu115.bmp 529 379
check "the program the browser button started" 'E:\ie\Msie.exe|E:\ie|E:\ie\Msie.exe' "$(tr -d '\r' <"$started")"

# Button 0: the provider's setup, from its own folder.
: >"$started"
vt_bg 'E:\cdmenu.exe'
vt_robot "$here/scenarios/launcher_start.scn" || { echo "FAIL: the robot failed (start)"; fail=1; }
vt_wait_bg "$VT_BG_PID" 20
check "exit code after the setup's start" 0 "$?"
check "the program button 0 started" 'E:\Brightwall\Setup.exe|E:\Brightwall|E:\Brightwall\Setup.exe' \
  "$(tr -d '\r' <"$started")"

# The exit button.
: >"$started"
vt_bg 'E:\cdmenu.exe'
vt_robot "$here/scenarios/launcher_exit.scn" || { echo "FAIL: the robot failed (exit)"; fail=1; }
vt_wait_bg "$VT_BG_PID" 20
check "exit code after the exit button" 0 "$?"
check "nothing started by the exit button" "" "$(cat "$started")"

# A start that fails: the launcher closes all the same, with -1.
make_cd nosetup
vt_bg "$(vt_winpath nosetup/cdmenu.exe)"
vt_robot "$here/scenarios/launcher_start.scn" || { echo "FAIL: the robot failed (no setup)"; fail=1; }
vt_wait_bg "$VT_BG_PID" 20
check "exit code when the setup is missing" 255 "$?"

# A launcher so deep in folders that the setup's command line would not fit
# its 260-character buffer: nothing is started, the launcher closes with -1.
deep="$(vt_drive_c)/$(printf 'd%.0s' {1..60})/$(printf 'e%.0s' {1..60})/$(printf 'f%.0s' {1..60})/$(printf 'g%.0s' {1..55})"
make_cd "$deep" Brightwall/Setup.exe
rest=${deep#"$(vt_drive_c)"}
vt_bg "C:${rest//\//\\}\\cdmenu.exe"
vt_robot "$here/scenarios/launcher_start.scn" || { echo "FAIL: the robot failed (deep folder)"; fail=1; }
vt_wait_bg "$VT_BG_PID" 20
check "exit code when the command line does not fit" 255 "$?"
check "nothing started from the deep folder" "" "$(cat "$started")"

# The demo CD as it is built: its launcher starts the real setup.
vt_drive e: "$VT_BUILD/media/cd" cdrom
vt_bg 'E:\cdmenu.exe'
vt_robot "$here/scenarios/launcher_demo_cd.scn" || { echo "FAIL: the robot failed (demo CD)"; fail=1; }
vt_wait_bg "$VT_BG_PID" 20
check "exit code after starting the demo setup" 0 "$?"
exit $fail
