#!/usr/bin/env bash
# vtmedia try: a test installation of built media, as a home user who takes
# every default would make it, in a fresh Windows 95 prefix under Wine, and
# what it left compared with the checker's plan (cfgcheck --plan).
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)

usage() {
  cat <<'TEXT'
usage: vtmedia try [--floppy] [--dest DIR] [--timeout SECONDS] [--keep] OUT

Installs the media that vtmedia build made in OUT: the CD (OUT/cd, as drive
E:, the setup started from the folder that holds setup.cfg), or with
--floppy the floppy set (OUT/floppy/disk1 ... in drive A:, each disk put in
when the setup asks for it). Nobody needs to be at the screen: every dialog
and box gets the answer a user who takes what is offered would give, and
the destination page gets DIR (default c:\Corvane). Each answer is printed.
A question asked more than five times gets Cancel, and a window that five
answers do not move on ends the try: the installation is stuck.

Then it compares the installation with the plan of cfgcheck --plan, made
with the prefix's own folders: every file of the disk sections (and of the
Software items offered as picked) with its size, the folders, the
shortcuts, the registry values, and the status record (a finished first
installation); the setup's log (c:\VTLog.txt) is kept beside the report.
Programs that lines run are listed, not compared: what they install is
theirs.

  --floppy          the floppy set instead of the CD
  --dest DIR        the destination the user types (default c:\Corvane); a
                    drive other than C: is made for it, empty
  --timeout SECONDS how long the installation may take (default 600)
  --keep            keep the Wine prefix for a look (it is removed otherwise)

Needs a built Windows tree (make build) for the robot that answers the
windows; VT_BUILD names another. The report and the log go to
VT_BUILD/e2e/try-cd (or try-floppy).

exit codes: 0 the installation matches the plan, 1 it does not (each
difference is printed), 2 bad command line or no media, 3 Wine or the
build is missing.
TEXT
}

floppy=0 dest='c:\Corvane' timeout=600 keep=0 out=
while [ $# -gt 0 ]; do
  case $1 in
    -h | --help) usage; exit 0 ;;
    --floppy) floppy=1 ;;
    --dest) [ $# -ge 2 ] || { echo "vtmedia try: --dest needs a folder" >&2; exit 2; }; dest=$2; shift ;;
    --timeout) [[ ${2:-} =~ ^[0-9]+$ ]] || { echo "vtmedia try: --timeout needs seconds" >&2; exit 2; }; timeout=$2; shift ;;
    --keep) keep=1 ;;
    -*) echo "vtmedia try: unknown option $1 (vtmedia try --help tells more)" >&2; exit 2 ;;
    *) [ -z "$out" ] || { echo "vtmedia try: one OUT folder only" >&2; exit 2; }; out=$1 ;;
  esac
  shift
done
[ -n "$out" ] || { echo "vtmedia try: no OUT folder (vtmedia try --help tells more)" >&2; exit 2; }
[[ $dest =~ ^[A-Za-z]:\\ ]] || { echo "vtmedia try: --dest must be a full path such as c:\\Corvane" >&2; exit 2; }
out=$(cd "$out" 2>/dev/null && pwd) || { echo "vtmedia try: no folder $out" >&2; exit 2; }

# The media: the CD's setup folder, or the disks in order.
disks=()
if [ $floppy -eq 1 ]; then
  for ((n = 1; ; n++)); do [ -d "$out/floppy/disk$n" ] && disks+=("$out/floppy/disk$n") || break; done
  [ ${#disks[@]} -gt 0 ] || { echo "vtmedia try: no floppy set in $out/floppy" >&2; exit 2; }
  setup_exe='A:\setup.exe'
else
  cfg=$(cd "$out/cd" 2>/dev/null && find . -maxdepth 2 -iname setup.cfg | sort | head -1)
  [ -n "$cfg" ] || { echo "vtmedia try: no setup.cfg in $out/cd or a folder of it" >&2; exit 2; }
  folder=${cfg#./}
  folder=${folder%/*}
  [ "$folder" = "${cfg#./}" ] && folder=
  disks=("$out/cd${folder:+/$folder}")
  setup_exe="E:\\${folder:+$folder\\}setup.exe"
fi

VT_BUILD=${VT_BUILD:-$root/build/$("$root/scripts/wine-mode.sh" --tree)}
# The checker that makes the plan: the build machine's, from either native tree.
cfgcheck=${VT_CFGCHECK:-}
for tree in native native-asan; do
  [ -n "$cfgcheck" ] || [ ! -x "$root/build/$tree/tools/cfgcheck/cfgcheck" ] || cfgcheck=$root/build/$tree/tools/cfgcheck/cfgcheck
done
[ -x "$cfgcheck" ] || { echo "vtmedia try: no cfgcheck in build/native (make build)" >&2; exit 3; }
[ -f "$VT_BUILD/tests/robot/vtrobot.exe" ] || { echo "vtmedia try: no robot in $VT_BUILD (make build)" >&2; exit 3; }
export VT_BUILD
source "$root/tests/wine/robot.sh" || exit 3
name=try-cd
[ $floppy -eq 1 ] && name=try-floppy
vt_e2e_begin "$name" || { echo "vtmedia try: Wine cannot run here" >&2; exit 3; }
report=$PWD

if [ $floppy -eq 1 ]; then
  vt_drive a: "${disks[0]}" floppy
  vt_robot_mark() { # the setup asks for disk N: put it in
    local n=${1#insert_disk}
    [ -d "$out/floppy/disk$n" ] && ln -sfn "$out/floppy/disk$n" "$WINEPREFIX/dosdevices/a:"
    echo "vtmedia try: disk $n put in"
  }
else
  vt_drive e: "$out/cd" cdrom
fi
# A destination on another drive than C: gets an empty hard disk of its own.
letter=${dest:0:1}
if [ "${letter,,}" != c ]; then
  mkdir -p "drive_${letter,,}"
  vt_drive "${letter,,}:" "drive_${letter,,}" hd
fi
wine reg add 'HKCU\Software\QRM_internal' /v VTLog /t REG_DWORD /d 1 /f >/dev/null 2>&1
vt_start

echo "vtmedia try: installing from $setup_exe into $dest"
printf 'answer-all "%s" %d\n' "${dest//\\/\\\\}" $(( (timeout + 30) * 1000 )) >try.scn
started=$SECONDS
vt_bg "$setup_exe"
setup_pid=$VT_BG_PID
vt_robot try.scn &
robot_pid=$!
# Until the setup ends, or the robot does first (the installation is stuck:
# the setup gets a few seconds more), or the time is up.
deadline=$((SECONDS + timeout))
while kill -0 "$setup_pid" 2>/dev/null && kill -0 "$robot_pid" 2>/dev/null && [ $SECONDS -lt $deadline ]; do
  sleep 0.5
done
kill -0 "$robot_pid" 2>/dev/null || deadline=$((SECONDS + 5))
vt_wait_bg "$setup_pid" $((deadline > SECONDS ? deadline - SECONDS : 1))
setup_rc=$?
touch answer-all.stop
wait "$robot_pid" 2>/dev/null
echo "vtmedia try: the setup ended with exit code $setup_rc after $((SECONDS - started)) s"
cp "$(vt_drive_c)/VTLog.txt" setup-log.txt 2>/dev/null

# The plan with this prefix's folders.
shell='HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders'
tokens=()
for pair in "START_MENU:Start Menu" "PROGRAMS:Programs" "DESKTOP:Desktop" "STARTUP:Startup" "FAVORITES:Favorites"; do
  value=$(vt_reg_query "$shell" "${pair#*:}") && tokens+=(--token "{${pair%%:*}}=$value")
done
windows=$(wine cmd /c echo %windir% 2>/dev/null | tr -d '\r')
if [ -n "$windows" ]; then
  system=$windows\\system
  [ -d "$(vt_drive_c)/windows/system32" ] && system=$windows\\system32  # where Wine keeps it
  tokens+=(--token "{WINDOWS}=$windows" --token "{SYSTEM}=$system")
fi
# The plan's lines alone (the checker's summary follows them).
"$cfgcheck" --quiet --plan --main-dir "$dest" "${tokens[@]}" "${disks[@]}" | awk -F'\t' 'NF >= 6' >plan.txt

# The registry files are written when the server ends.
vt_stop
echo "vtmedia try: the installation against the plan ($report/plan.txt)"
bash "$root/tools/vtmedia/try-compare.sh" plan.txt "$WINEPREFIX" | tee report.txt
matched=${PIPESTATUS[0]}
[ -s setup-log.txt ] && echo "  the setup's log: $report/setup-log.txt ($(wc -l <setup-log.txt) lines)"
# The prefix goes whatever the result (it weighs some 600 MB), unless kept.
[ $keep -eq 1 ] && echo "vtmedia try: the prefix stays in $WINEPREFIX" || vt_drop_prefixes
exit "$matched"
