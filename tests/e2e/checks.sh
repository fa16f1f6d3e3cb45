# The checks of the test scripts (sourced): each prints an "ok:" or a
# "FAIL:" line, and a failure sets fail to 1 (the script's exit code).
fail=0
check() { # DESCRIPTION EXPECTED ACTUAL
  if [ "$2" == "$3" ]; then
    echo "ok: $1 ($3)"
  else
    echo "FAIL: $1: expected '$2', got '$3'"
    fail=1
  fi
}

# check_log FILE TEXT DESCRIPTION: the developer log holds TEXT.
check_log() {
  if grep -qF -- "$2" "$1" 2>/dev/null; then
    echo "ok: $3"
  else
    echo "FAIL: $3: '$2' not in $1"
    fail=1
  fi
}

# check_shot FILE DESCRIPTION: a screenshot of the whole virtual desktop
# that shows a drawn screen: the desktop's size and at least 16 colours (a
# blank, black or single-colour picture has one or two). What it shows is
# checked by the robot's expectations; the picture is kept for a look.
check_shot() {
  local found
  if [ ! -s "$1" ]; then
    echo "FAIL: $2: no picture $1"
    fail=1
    return
  fi
  found=$(identify -format '%wx%h %k' "$1" 2>/dev/null)
  local size=${found%% *} colours=${found##* }
  if [ "$size" = "${VT_DESKTOP_SIZE:-800x600}" ] && [ "${colours:-0}" -ge 16 ] 2>/dev/null; then
    echo "ok: $2 ($size, $colours colours)"
  else
    echo "FAIL: $2: $1 is '$found' (${VT_DESKTOP_SIZE:-800x600} and at least 16 colours expected)"
    fail=1
  fi
}
