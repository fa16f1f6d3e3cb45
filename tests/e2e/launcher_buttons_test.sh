#!/usr/bin/env bash
# The launcher's buttons as a user meets them: where each one is, the real
# mouse on the Pw and Corvane buttons of page 2 (each starts its installer
# from its own folder), and the sounds: the start, a click, the minimise
# box, each played from the program's resources and waited for (no
# asynchronous flag), as Wine's multimedia trace shows them.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/launcher_env.sh"
begin_with_full_cd launcher-buttons
fail=0

# The X cursor, as Wine shows it on the display.
cc -o x_cursor "$here/tools/x_cursor.c" -lX11 -lXfixes || { echo "FAIL: cannot build x_cursor"; exit 1; }
target=
vt_robot_mark() {
  case $1 in
    cursor)  # (run in the robot's pipeline: the readings go to files)
      mouse move 450 300
      ./x_cursor >cursor-page.txt
      mouse move 476 39
      ./x_cursor >cursor-button.txt ;;
    to_page2) mouse click 476 39 ;;
    start) mouse click $target ;;
  esac
}

# start_from NAME X Y: the launcher, page 2, then a click at (X, Y).
start_from() {
  target="$2 $3"
  : >"$started"
  WINEDEBUG=+tid,trace+winmm vt_bg 'E:\cdmenu.exe' 2>"$PWD/trace-$1.txt"
  vt_robot "$here/scenarios/launcher_buttons.scn" || { echo "FAIL: the robot failed ($1)"; fail=1; }
  vt_wait_bg "$VT_BG_PID" 20
  check "exit code after the $1 button" 0 "$?"
}

# (mouse clicks at client pixels: the middle of each button.)
start_from Pw 300 65
check "the program the Pw button started" 'E:\Pw\Setup.exe|E:\Pw|E:\Pw\Setup.exe' "$(tr -d '\r' <"$started")"
start_from Corvane 504 151
check "the program the Corvane button started" 'E:\Corvane\Setup.exe|E:\Corvane|E:\Corvane\Setup.exe' \
  "$(tr -d '\r' <"$started")"

# Over a button the cursor is the program's hand (its size and hot spot as
# in cdmenu103.cur), over the page another one.
cur=$pictures/cdmenu103.cur
hand="$(od -An -tu1 -j6 -N1 "$cur" | tr -d ' ')x$(od -An -tu1 -j7 -N1 "$cur" | tr -d ' ')"
hand+=" $(od -An -tu2 -j10 -N2 "$cur" | tr -d ' '),$(od -An -tu2 -j12 -N2 "$cur" | tr -d ' ')"
on_page=$(cat cursor-page.txt 2>/dev/null) on_button=$(cat cursor-button.txt 2>/dev/null)
echo "cursor over the page: $on_page; over a button: $on_button; the hand: $hand"
check "the cursor over a button" "$hand" "${on_button% *}"
[ -n "$on_page" ] && [ "${on_page##* }" != "${on_button##* }" ] ||
  { echo "FAIL: the cursor over the page is the button's ('$on_page')"; fail=1; }

# The sounds of the first run, in order: resource ids and flags (0x40004:
# a resource of the module, no SND_ASYNC), each played (proc_PlaySound) on
# the thread that asked for it, the window's.
calls=$(tr -d '\r' <trace-Pw.txt |
  sed -n "s/^\([0-9a-f]*\):trace:winmm:MULTIMEDIA_PlaySound pszSound='\([0-9A-Fa-f]*\)' hmod=[0-9A-Fa-f]* fdwSound=\([0-9A-Fa-f]*\).*/\1 \2 \3/p")
players=$(tr -d '\r' <trace-Pw.txt | sed -n 's/^\([0-9a-f]*\):trace:winmm:proc_PlaySound SoundName=.*/\1/p')
echo "sounds asked for (thread, id, flags):"
printf '  %s\n' "$calls"
check "the sounds' ids" "0069 006B 006A 006B" "$(awk '{printf "%s%s", (NR > 1 ? " " : ""), substr($2, length($2) - 3)}' <<<"$calls")"
check "the sounds' flags" "00040004" "$(awk '{print $3}' <<<"$calls" | sort -u | tr '\n' ' ' | sed 's/ $//')"
check "the sounds played" 4 "$(grep -c . <<<"$players")"
check "the threads that asked for and played them" 1 "$( (awk '{print $1}' <<<"$calls"; echo "$players") | sort -u | grep -c .)"
exit $fail
