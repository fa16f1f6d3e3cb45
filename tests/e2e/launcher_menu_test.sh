#!/usr/bin/env bash
# The CD launcher from a CD of its own making (E:, a CD-ROM drive): the
# launcher at the root and sample installers where its buttons look. The
# mouse is real (X events through xdotool); the screenshots' pixels are
# compared with the generated pictures; the sample installers log which
# program started in which folder (VT_SAMPLE_LOG).
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../wine/robot.sh"
command -v xdotool >/dev/null || { echo "FAIL: xdotool is missing (scripts/deps.sh installs it)"; exit 1; }
vt_e2e_begin launcher-menu || exit 1
fail=0
check() { [ "$2" = "$3" ] || { echo "FAIL: $1: expected '$2', found '$3'"; fail=1; }; }

pictures=$VT_BUILD/pictures
sample=$VT_BUILD/examples/sample_installer.exe
make_cd() { # FOLDER TARGET...: the launcher at FOLDER's root, samples at the targets
  local folder=$1 target
  shift
  mkdir -p "$folder" && cp "$VT_BUILD/cdmenu/cdmenu.exe" "$folder/"
  for target in "$@"; do
    mkdir -p "$folder/$(dirname "$target")" && cp "$sample" "$folder/$target"
  done
}
make_cd cd Brightwall/Setup.exe Pw/Setup.exe ie/Msie.exe Corvane/Setup.exe
vt_drive e: cd cdrom
export VT_SAMPLE_LOG='C:\started.log'
started="$(vt_drive_c)/started.log"

# The launcher's client area starts at (101, 100) of the desktop (window at
# 97, 77, a 4-pixel sizing frame, a 19-pixel caption); Wine's desktop is an
# X window whose own origin the screenshots include.
client_x=101 client_y=100
desktop_window() { xdotool search --name "Wine desktop" 2>/dev/null | tail -n 1; }
mouse() { # ACTION X Y (client pixels of the launcher)
  local d
  d=$(desktop_window)
  xdotool mousemove ${d:+--window "$d"} $((client_x + $2)) $((client_y + $3))
  case $1 in
    down) xdotool mousedown 1 ;;
    up) xdotool mouseup 1 ;;
    click) xdotool click 1 ;;
  esac
  sleep 0.3
}
# same_pixels SHOT BITMAP X Y W H [BX BY]: the shot's client rectangle
# (X, Y, W, H) shows the bitmap's W x H pixels from (BX, BY), by default its
# top left, exactly.
same_pixels() {
  local shot=$VT_SHOTS/$1.png bmp=$pictures/$2 origin diff
  origin=$(xdotool getwindowgeometry "$(desktop_window)" 2>/dev/null | awk '/Position/ {print $2}')
  local ox=${origin%,*} oy=${origin#*,}
  [ -n "$ox" ] || ox=0 oy=0
  convert "$shot" -crop "$5x$6+$((ox + client_x + $3))+$((oy + client_y + $4))" +repage "crop-$1-$2.png"
  convert "$bmp" -crop "$5x$6+${7:-0}+${8:-0}" +repage "want-$1-$2.png"
  diff=$(compare -metric AE "crop-$1-$2.png" "want-$1-$2.png" null: 2>&1)
  [ "$diff" = 0 ] || { echo "FAIL: $1: $2 differs in $diff pixels at $3,$4 ${5}x$6"; fail=1; }
}

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
exit $fail
