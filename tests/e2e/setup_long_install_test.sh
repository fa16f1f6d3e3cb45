#!/usr/bin/env bash
# A long installation behind the progress dialog, from a bigger CD made
# here from the demo CD: a missing file found through the file prompt, a
# few hundred copies and an archive of a few thousand entries. The status
# line and the animation change as the worker reports (two screenshots);
# Cancel during the unpacking stops the worker before its next entry, the
# dialog ends with 0, and every file already unpacked is whole.
set -uo pipefail
source "$(dirname "$0")/setup_env.sh"
vt_setup_begin setup-long-install || exit 1

disc=$PWD/bigcd
cd=$disc/Brightwall
mkdir -p "$disc"
cp -rL "$VT_DEMO_SETUP" "$cd"
mkdir -p "$cd/many" "$cd/extras" big
echo "an extra library" > "$cd/extras/extra.dll"
copies=400 entries=3000
for i in $(seq -w 1 $copies); do printf 'file %s of the long installation\n' "$i" > "$cd/many/f$i.txt"; done
for i in $(seq -w 1 $entries); do
  printf 'entry %s: %s\n' "$i" "$(head -c 600 /dev/zero | tr '\0' "${i: -1}")" > "big/e$i.txt"
done
vt_pack big "$cd/big.z" 'e*.txt'
{
  sed -n '/^\[Misc\]/,/^$/p' "$VT_DEMO_SETUP/setup.cfg"
  echo "[Setup Disk1]"
  echo 'extra.dll=1,{SRC_DIR}\nothere,{MAIN_DIR}'
  for i in $(seq -w 1 $copies); do echo "f$i.txt=1,{SRC_DIR}\\many,{MAIN_DIR}\\many"; done
  echo 'big.z=2,{SRC_DIR},{MAIN_DIR}\big'
  echo 'after.txt=9,{MAIN_DIR}\after'
} > "$cd/setup.cfg"
vt_drive e: "$disc" cdrom
set_switch VTLog 1
vt_start

started=$SECONDS
vt_setup_run "$here/scenarios/long_install_cancel.scn" 180
echo "the run took $(( SECONDS - started )) s"
check "exit code" 1 "$SETUP_RC"
check "the status record keeps step 6" 6 "$(( $(major) >> 16 ))"
main="$(vt_drive_c)/Corvane"
check "the file found through the prompt" "an extra library" "$(cat "$main/extra.dll" 2>/dev/null)"
check "every copy made" $copies "$(ls "$main/many" 2>/dev/null | wc -l)"
unpacked=$(ls "$main/big" 2>/dev/null | wc -l)
if [ "$unpacked" -gt 0 ] && [ "$unpacked" -lt $entries ]; then
  echo "ok: the unpacking stopped after $unpacked of $entries entries"
else
  echo "FAIL: $unpacked of $entries entries unpacked: the cancel did not stop it in the middle"; fail=1
fi
damaged=0
for f in "$main"/big/*; do cmp -s "$f" "big/$(basename "$f")" || damaged=$((damaged + 1)); done
check "unpacked files that differ from their source" 0 "$damaged"
[ -d "$main/after" ] && { echo "FAIL: the line after the archive ran"; fail=1; }
log="$(vt_drive_c)/VTLog.txt"
check_log "$log" "Canceled" "the cancel is logged"
check_log "$log" "User cancel" "the list saw the cancel"
check_log "$log" "Exiting progress with error 0" "the progress dialog ended with 0"
for shot in progress_copying progress_unpacking; do
  check_shot "$VT_SHOTS/$shot.png" "screenshot $shot"
done
exit $fail
