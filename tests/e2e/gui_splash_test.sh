#!/usr/bin/env bash
# The setup program's start-up splash on a 640 x 480 screen: the media's
# splash.bmp centred at 134, 121 (compared pixel by pixel in a screenshot),
# the picture built into the program when the media has none, and no
# splash at all when the developer switch "SkipSplash" is 1.
set -uo pipefail
source "$(dirname "$0")/setup_env.sh"
vt_setup_begin gui-splash || exit 1
vt_desktop 640x480
vt_stop
vt_start
pictures=$VT_BUILD/pictures

# run_splash NAME: starts the setup on the CD, lets the robot find and photograph
# the splash, then ends the program.
run_splash() {
  rm -f "$VT_SHOTS/splash.png"
  vt_bg "$VT_SETUP_EXE"
  local pid=$VT_BG_PID
  vt_robot "$here/scenarios/splash_shown.scn" || { echo "FAIL: robot ($1)"; fail=1; }
  vt_wait_bg "$pid" 1 >/dev/null
  [ -f "$VT_SHOTS/splash.png" ] && mv "$VT_SHOTS/splash.png" "$VT_SHOTS/$1.png"
}

# differing_pixels SHOT PICTURE: how many pixels of the window's area in
# the screenshot differ from the picture.
differing_pixels() {
  convert "$1" -crop 372x237+134+121 +repage window.png &&
    convert "$2" picture.png &&
    compare -metric AE window.png picture.png null: 2>&1 | cut -d' ' -f1
}

echo "== splash.bmp on the media =="
run_splash splash_file
check "pixels differing from splash.bmp" 0 "$(differing_pixels "$VT_SHOTS/splash_file.png" "$pictures/splash.bmp")"

echo "== no splash.bmp: resource 150 =="
mkdir -p cd-nosplash && cp -r "$VT_DEMO_CD/." cd-nosplash/ && rm cd-nosplash/Brightwall/splash.bmp
vt_drive e: cd-nosplash cdrom
vt_start
run_splash splash_resource
check "pixels differing from resource 150" 0 "$(differing_pixels "$VT_SHOTS/splash_resource.png" "$pictures/splash150.bmp")"

echo "== SkipSplash 1 =="
set_switch SkipSplash 1
vt_bg "$VT_SETUP_EXE"
pid=$VT_BG_PID
vt_robot "$here/scenarios/splash_skipped.scn" || { echo "FAIL: robot (SkipSplash)"; fail=1; }
vt_wait_bg "$pid" 1 >/dev/null

exit $fail
