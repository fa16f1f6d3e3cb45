# Wine harness, sourced by every script that runs our Windows programs.
#
#   VT_BUILD   the Windows build tree (default: build/win32 under the checkout)
#
# One template prefix per build tree (Windows 95, virtual desktop), copied
# for every run that changes it. ~/.wine is never touched. The tree decides
# the prefix: the i686 tree (build/win32) runs in a 32-bit prefix under the
# 32-bit Wine; an x86_64 tree (build/win64, for machines that run no 32-bit
# programs) in a 64-bit prefix under the 64-bit Wine.

VT_ROOT=${VT_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}
VT_BUILD=${VT_BUILD:-$VT_ROOT/build/win32}
VT_WINE_DIR=$VT_BUILD/wine
# The loaders and what to say when one does not run.
source "$VT_ROOT/scripts/wine-mode.sh" || return 1
# Runs that wine-exec had to start twice (see there).
VT_WINE_SILENT_LOG=$VT_WINE_DIR/silent-failures.log

vt_log() { echo "[wine] $*" >&2; }

# CMake writes the tree's architecture; a tree not configured yet goes by
# its name.
VT_WINEARCH=
[ -f "$VT_BUILD/wine-arch" ] && read -r VT_WINEARCH <"$VT_BUILD/wine-arch"
if [ -z "$VT_WINEARCH" ]; then
  case $(basename "$VT_BUILD") in win64) VT_WINEARCH=win64 ;; *) VT_WINEARCH=win32 ;; esac
fi
VT_WINE_BIN64=$VT_ROOT/tests/wine/bin64
case $VT_WINEARCH in
  win32)
    # Whatever an enclosing 64-bit run put in place does not apply here.
    PATH=$(printf '%s' ":$PATH:" | sed "s#:$VT_WINE_BIN64:#:#g; s#^:##; s#:\$##")
    [ "${WINELOADER:-}" = /usr/lib/wine/wine64 ] && unset WINELOADER WINESERVER ;;
  win64)
    # /usr/bin/wine would pick the 32-bit loader wherever wine32 is
    # installed: wine, wineserver and wineboot come from bin64/ instead.
    case ":$PATH:" in *":$VT_WINE_BIN64:"*) ;; *) PATH=$VT_WINE_BIN64:$PATH ;; esac
    export WINELOADER=/usr/lib/wine/wine64 WINESERVER=/usr/lib/wine/wineserver64 ;;
  *)
    vt_log "$VT_BUILD/wine-arch says '$VT_WINEARCH' (win32 or win64 expected)"
    return 1 2>/dev/null || exit 1 ;;
esac
export PATH WINEARCH=$VT_WINEARCH
export WINEDEBUG=${WINEDEBUG:--all}
# No menu files in the host's home, no Mono or Gecko install prompts.
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d"

# vt_xvfb [WxHxD]: make sure there is an X display; starts Xvfb if needed.
vt_xvfb() {
  local geometry=${1:-800x600x24}
  if [ -n "${DISPLAY:-}" ] && [ -z "${VT_OWN_XVFB:-}" ]; then return 0; fi
  if [ -n "${VT_XVFB_PID:-}" ] && kill -0 "$VT_XVFB_PID" 2>/dev/null; then return 0; fi
  local n
  for n in $(seq 90 140); do
    [ -e /tmp/.X$n-lock ] || [ -e /tmp/.X11-unix/X$n ] && continue
    Xvfb ":$n" -screen 0 "$geometry" -nolisten tcp >/dev/null 2>&1 &
    VT_XVFB_PID=$!
    local i
    for i in $(seq 1 50); do
      [ -e /tmp/.X11-unix/X$n ] && break
      sleep 0.1
    done
    if kill -0 "$VT_XVFB_PID" 2>/dev/null; then
      # Child scripts share this display; only this shell may stop it.
      export DISPLAY=":$n" VT_OWN_XVFB=1 VT_XVFB_PID VT_XVFB_OWNER=$$
      return 0
    fi
  done
  vt_log "cannot start Xvfb"
  return 1
}

# vt_xvfb_stop: stops the Xvfb that this shell started (a display inherited
# from a parent script stays up for the parent's other tests).
vt_xvfb_stop() {
  if [ -n "${VT_XVFB_PID:-}" ] && [ "${VT_XVFB_OWNER:-}" = "$$" ]; then
    kill "$VT_XVFB_PID" 2>/dev/null
    wait "$VT_XVFB_PID" 2>/dev/null
    unset VT_XVFB_PID VT_OWN_XVFB VT_XVFB_OWNER DISPLAY
  fi
}

# vt_can_run: whether this machine runs the tree's programs. A 32-bit tree
# needs the 32-bit loader, which fails with "Exec format error" on machines
# that run no 32-bit programs.
vt_can_run() {
  if [ "$VT_WINEARCH" = win32 ]; then
    vt_runs_32bit && return 0
    vt_log "$VT_BUILD holds 32-bit programs, and $VT_WINE32_LOADER does not run here: $(vt_no_32bit_why). Run the x86_64 tree's tests instead (VT_WINE=64, or the default VT_WINE=auto, with scripts/test.sh)"
  else
    vt_runs_64bit && return 0
    vt_log "$VT_WINE64_LOADER does not run here (is wine64 installed?)"
  fi
  return 1
}

# vt_windows_version VERSION: the Windows version Wine reports to the
# current prefix's programs (win95, win98, nt40, win7, ...). This is the
# registry value, which 32- and 64-bit prefixes both honour; winecfg -v
# changes nothing in a 64-bit prefix.
vt_windows_version() {
  wine reg add 'HKCU\Software\Wine' /v Version /d "$1" /f >/dev/null 2>&1 </dev/null ||
    { vt_log "cannot set the Windows version to $1"; return 1; }
}

# vt_template: the template prefix, made once per build tree.
vt_template() {
  local tpl=$VT_WINE_DIR/template
  mkdir -p "$VT_WINE_DIR"
  vt_can_run || return 1
  (
    flock 9
    [ -f "$tpl/.vt-ready" ] && exit 0
    rm -rf "$tpl"
    vt_log "creating template prefix (once per build tree, $WINEARCH)"
    export WINEPREFIX=$tpl
    wineboot -i >/dev/null 2>&1 </dev/null
    vt_windows_version win95 || exit 1
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 800x600 /f >/dev/null 2>&1
    wineserver -w
    # The registry files appear when the server has saved them.
    grep -qs '"Version"="win95"' "$tpl/user.reg" ||
      { vt_log "the template prefix in $tpl was not made (no Windows 95 setting in user.reg)"; exit 1; }
    touch "$tpl/.vt-ready"
  ) 9>"$VT_WINE_DIR/.template.lock"
}

# vt_prefix NAME: a fresh copy of the template, made the current prefix.
# Each copy weighs as much as the template; vt_drop_prefixes removes the
# ones this script made.
VT_MADE_PREFIXES=()
vt_prefix() {
  vt_template || return 1
  local dir=$VT_WINE_DIR/runs/$1
  [ -d "$dir" ] && WINEPREFIX=$dir wineserver -k 2>/dev/null
  rm -rf "$dir"
  mkdir -p "$(dirname "$dir")"
  VT_MADE_PREFIXES+=("$dir")
  cp -a "$VT_WINE_DIR/template" "$dir" ||
    { vt_log "cannot copy the template prefix to $dir"; rm -rf "$dir"; return 1; }
  export WINEPREFIX=$dir
}

# vt_drop_prefixes: stops the servers of the prefixes this script made and
# removes them, unless VT_KEEP_PREFIXES=1 (to look into a run afterwards).
vt_drop_prefixes() {
  [ "${VT_KEEP_PREFIXES:-0}" = 1 ] && return 0
  local dir
  for dir in "${VT_MADE_PREFIXES[@]}"; do
    [ -d "$dir" ] || continue
    WINEPREFIX=$dir wineserver -k 2>/dev/null
    WINEPREFIX=$dir wineserver -w 2>/dev/null
    rm -rf "$dir"
  done
  VT_MADE_PREFIXES=()
}

# vt_desktop WxH: size of the virtual desktop of the current prefix.
vt_desktop() {
  wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d "$1" /f >/dev/null 2>&1
}

# vt_drive LETTER FOLDER TYPE: map a drive ("e" or "e:"; TYPE cdrom, floppy or hd).
# Wine reads drive types at start-up only, so the server is restarted.
vt_drive() {
  local letter=${1,,} folder=$2 type=$3
  letter=${letter%:}
  ln -sfn "$(cd "$folder" && pwd)" "$WINEPREFIX/dosdevices/$letter:"
  wine reg add 'HKLM\Software\Wine\Drives' /v "$letter:" /d "$type" /f >/dev/null 2>&1
  wineserver -k 2>/dev/null
  wineserver -w 2>/dev/null
}

# vt_start: start the server and its services once, so that later programs
# do not each wait for the services' linger.
vt_start() {
  wineserver -p 2>/dev/null
  wine wineboot >/dev/null 2>&1 </dev/null
}

vt_stop() {
  wineserver -k 2>/dev/null
  wineserver -w 2>/dev/null
}

# vt_run_into FILE PROGRAM [ARGS...]: run a Windows program, its console
# output (CR LF ends, as Wine writes it) into FILE; returns its exit code.
vt_run_into() {
  local file=$1
  shift
  wine "$@" </dev/null >"$file" 2>&1
}

# vt_run PROGRAM [ARGS...]: run a Windows program, console output with LF
# ends. The output goes through a file: services that Wine starts on demand
# inherit the program's handles and would hold a pipe open after it exits.
vt_run() {
  local out rc
  out=$(mktemp)
  vt_run_into "$out" "$@"
  rc=$?
  tr -d '\r' <"$out"
  rm -f "$out"
  return $rc
}

# vt_reg_query KEY VALUE: prints the value's data (REG_DWORD as 0x...).
vt_reg_query() {
  wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' |
    awk -v name="$2" '{
      # "    NAME    REG_TYPE    DATA": the name may hold blanks, the data too.
      line = $0; sub(/^ +/, "", line); n = length(name)
      if (tolower(substr(line, 1, n)) != tolower(name)) next
      rest = substr(line, n + 1)
      if (!match(rest, /^ +REG_[A-Z_]+ */)) next
      print substr(rest, RLENGTH + 1); found = 1
    } END { exit !found }'
}

# vt_drive_c: the Linux path of C:\ in the current prefix.
vt_drive_c() { echo "$WINEPREFIX/drive_c"; }

# vt_screenshot FILE: a picture of the whole X screen.
vt_screenshot() {
  import -window root "$1" 2>/dev/null
}
