# What the launcher's end-to-end tests share: a CD of their own making, the
# real mouse in the launcher's client area, and screenshots compared with
# the generated pictures. Sourced after nothing; sources robot.sh.
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/../wine/robot.sh"
command -v xdotool >/dev/null || { echo "FAIL: xdotool is missing (scripts/deps.sh installs it)"; exit 1; }
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

# begin_with_full_cd NAME: the test's prefix and folder, and a CD (E:) with
# the launcher and a sample installer at each of its targets, which logs
# every start to $started (VT_SAMPLE_LOG).
begin_with_full_cd() {
  vt_e2e_begin "$1" || exit 1
  make_cd cd Brightwall/Setup.exe Pw/Setup.exe ie/Msie.exe Corvane/Setup.exe
  vt_drive e: cd cdrom
  export VT_SAMPLE_LOG='C:\started.log'
  started="$(vt_drive_c)/started.log"
}

# The launcher's client area starts at (100, 99) of the desktop (window at
# 96, 76, a 4-pixel sizing frame, a 19-pixel caption); Wine's desktop is an
# X window whose own origin the screenshots include.
client_x=100 client_y=99
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
# differing_pixels SHOT BITMAP X Y W H [BX BY]: how many pixels of the
# shot's client rectangle (X, Y, W, H) differ from the bitmap's W x H pixels
# from (BX, BY), by default its top left.
differing_pixels() {
  local shot=$VT_SHOTS/$1.png bmp=$pictures/$2 origin
  [[ $2 == /* ]] && bmp=$2
  origin=$(xdotool getwindowgeometry "$(desktop_window)" 2>/dev/null | awk '/Position/ {print $2}')
  local ox=${origin%,*} oy=${origin#*,}
  [ -n "$ox" ] || ox=0 oy=0
  local tag=$1-$(basename "$2")
  convert "$shot" -crop "$5x$6+$((ox + client_x + $3))+$((oy + client_y + $4))" +repage "crop-$tag.png"
  convert "$bmp" -crop "$5x$6+${7:-0}+${8:-0}" +repage "want-$tag.png"
  compare -metric AE "crop-$tag.png" "want-$tag.png" null: 2>&1
}
# whole_page SHOT PAGE [BITMAP X Y]...: the shot's whole 600 x 420 client
# area is the page's picture with each button's picture at its place, to
# the last column and row.
whole_page() {
  local shot=$1 args=("$pictures/$2")
  shift 2
  while [ $# -ge 3 ]; do
    args+=("$pictures/$1" -geometry "+$2+$3" -composite)
    shift 3
  done
  convert "${args[@]}" "$PWD/page-$shot.png" || { echo "FAIL: cannot compose the page of $shot"; fail=1; return; }
  same_pixels "$shot" "$PWD/page-$shot.png" 0 0 600 420
}
# same_pixels SHOT BITMAP X Y W H [BX BY]: every one of them the same.
same_pixels() {
  local diff
  diff=$(differing_pixels "$@")
  [ "$diff" = 0 ] || { echo "FAIL: $1: $2 differs in $diff pixels at $3,$4 ${5}x$6"; fail=1; }
}
