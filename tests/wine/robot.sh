# The UI robot from bash, for end-to-end scripts. Sources harness.sh.
#
#   VT_ROBOT  vtrobot.exe (default: the build tree's tests/robot/vtrobot.exe)
#   VT_SHOTS  folder for the screenshots a scenario asks for (none when unset)
#
# A test, in its own prefix:
#   vt_e2e_begin my-test || exit 1                  # or: vt_xvfb, vt_prefix, vt_start
#   vt_bg "$VT_BUILD/setup/setupvt.exe" /some-arg   # the program under test
#   vt_robot scenario.scn; robot_rc=$?
#   vt_wait_bg "$VT_BG_PID" 20; program_rc=$?
#   (vt_e2e_begin stops the server and X display when the script exits)

if ! declare -F vt_prefix >/dev/null; then
  source "$(dirname "${BASH_SOURCE[0]}")/harness.sh" || return 1
fi
VT_ROBOT=${VT_ROBOT:-$VT_BUILD/tests/robot/vtrobot.exe}

# vt_winpath PATH: the Windows name of a Linux path (through drive Z:).
vt_winpath() {
  local path=$1
  [[ $path == /* ]] || path=$PWD/$path
  echo "Z:${path//\//\\}"
}

# vt_robot SCENARIO [VTROBOT-OPTIONS...]: runs the robot in the foreground
# and returns its exit code (0 passed, 1 failed, 2 bad scenario). Its output
# goes to stdout. On a "SCREENSHOT NAME" line the screen goes to
# $VT_SHOTS/NAME.png, then the test's own function vt_robot_mark NAME runs
# when there is one, then NAME.done in the working directory lets the
# scenario go on.
vt_robot() {
  local scenario=$1
  shift
  local line name
  wine "$VT_ROBOT" "$@" "$(vt_winpath "$scenario")" </dev/null |
    while IFS= read -r line; do
      line=${line%$'\r'}
      printf '%s\n' "$line"
      [[ $line == "SCREENSHOT "* ]] || continue
      name=${line#SCREENSHOT }
      # The robot checks names too; a path here would write outside the folder.
      [[ $name =~ ^[A-Za-z0-9_][A-Za-z0-9_.-]*$ ]] || { vt_log "bad screenshot name '$name'"; continue; }
      if [ -n "${VT_SHOTS:-}" ]; then
        mkdir -p "$VT_SHOTS"
        vt_screenshot "$VT_SHOTS/$name.png" || vt_log "screenshot $name failed"
      fi
      # A test may act at a mark (real mouse input, say) before the robot goes on.
      if declare -F vt_robot_mark >/dev/null; then vt_robot_mark "$name"; fi
      touch "$name.done"
    done
  return "${PIPESTATUS[0]}"
}

# vt_bg PROGRAM [ARGS...]: starts a Windows program in the background;
# its process id is in VT_BG_PID.
vt_bg() {
  wine "$@" </dev/null &
  VT_BG_PID=$!
}

# vt_wait_bg PID SECONDS: the program's exit code; after SECONDS it is
# killed and the result is 124.
vt_wait_bg() {
  local pid=$1 deadline=$((SECONDS + $2))
  while kill -0 "$pid" 2>/dev/null; do
    if [ "$SECONDS" -ge "$deadline" ]; then
      vt_log "process $pid still running after $2 s; killed"
      kill "$pid" 2>/dev/null
      wait "$pid" 2>/dev/null
      return 124
    fi
    sleep 0.1
  done
  wait "$pid"
}

# vt_e2e_begin NAME: for one end-to-end test script: an X display, a fresh
# prefix NAME with its server running, and a fresh working folder
# $VT_BUILD/e2e/NAME made current (screenshots in its shots/ unless VT_SHOTS
# is set). Server and display go when the script exits, and then the
# command in VT_E2E_AT_EXIT, for a script that has more of its own to undo.
# The prefixes go too unless the test failed: a failed run's prefix stays
# for a look into it.
vt_e2e_begin() {
  local work=$VT_BUILD/e2e/$1
  rm -rf "$work"
  mkdir -p "$work" && cd "$work" || return 1
  export VT_SHOTS=${VT_SHOTS:-$work/shots}
  vt_xvfb || return 1
  vt_prefix "$1" || return 1
  trap 'vt_e2e_end $?' EXIT
  vt_start
}

# vt_e2e_end EXIT-CODE: what vt_e2e_begin undoes when the script exits
# (0 passed, 77 skipped).
vt_e2e_end() {
  vt_stop
  vt_xvfb_stop
  ${VT_E2E_AT_EXIT:-:}
  case $1 in
    0 | 77) vt_drop_prefixes ;;
    *) [ ${#VT_MADE_PREFIXES[@]} -gt 0 ] && vt_log "kept for a look: ${VT_MADE_PREFIXES[*]}" ;;
  esac
}
