#!/usr/bin/env bash
# try-compare.sh, vtmedia try's comparison, on a prefix laid out by hand:
# what matches its plan, and each way an installation can differ from it,
# reported with the plan's line; registry values read from Wine's own
# registry files (escapes, dwords, both hives, names in other letters).
set -uo pipefail
compare=$(cd "$(dirname "$0")/../.." && pwd)/tools/vtmedia/try-compare.sh
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
failed=0
fail() { echo "FAIL: $*"; failed=1; }

p=prefix
mkdir -p "$p/dosdevices" "$p/drive_c/Corvane/BIN" "$p/drive_c/Corvane/Mail" "$p/drive_c/windows/Start Menu/Programs/Vantora"
ln -s ../drive_c "$p/dosdevices/c:"
printf 'MZ12345' >"$p/drive_c/Corvane/BIN/Vantora.exe"
printf 'read me' >"$p/drive_c/Corvane/ReadMe.txt"
: >"$p/drive_c/windows/Start Menu/Programs/Vantora/Vantora.lnk"
cat >"$p/user.reg" <<'REG'
WINE REGISTRY Version 2
;; All keys relative to \\User\\S-1-5-21-0-0-0-1000

[Software\\CorvaneNetwork\\Vantora\\Client] 1765000000
#time=1db4a1b2c3d4e5f
"InstallDir"="c:\\Corvane"
"Provider"="Corvane \"Network\""
"count"=dword:00000002
@="default"

[Software\\CorvaneNetwork\\Vantora\\Status] 1765000000
"Major"=dword:000a2003
REG
cat >"$p/system.reg" <<'REG'
WINE REGISTRY Version 2

[Software\\Corvane] 1765000000
"Shared"=str(2):"%WINDIR%\\corvane"
REG
tab=$'\t'
plan() { # kind size path detail where
  printf '%s\t%s\tdisk 1\t%s\t%s\t%s\n' "$@"
}
{
  plan file 7 'c:\Corvane\bin\vantora.exe' '' setup.cfg:3
  plan file 7 'c:\Corvane\ReadMe.txt' '' setup.cfg:4
  plan folder '' 'c:\Corvane\Mail' '' setup.cfg:5
  plan shortcut '' 'C:\windows\Start Menu\Programs\Vantora\Vantora.lnk' 'c:\Corvane\bin\vantora.exe' setup.cfg:6
  plan registry '' 'HKEY_CURRENT_USER\Software\CorvaneNetwork\Vantora\Client' 'InstallDir="c:\Corvane"' setup.cfg:7
  plan registry '' 'HKEY_CURRENT_USER\Software\CorvaneNetwork\Vantora\Client' 'Provider="Corvane "Network""' setup.cfg:7
  plan registry '' 'HKEY_CURRENT_USER\Software\CorvaneNetwork\Vantora\Client' 'Count=dword:00000002' setup.cfg:7
  plan registry '' 'HKEY_CURRENT_USER\Software\CorvaneNetwork\Vantora\Client' '@="default"' setup.cfg:7
  plan registry '' 'HKEY_LOCAL_MACHINE\Software\Corvane' 'Shared="%WINDIR%\corvane"' setup.cfg:8
  plan program '' '<media>\tools\setup.exe /x' '' setup.cfg:9
  plan file 99 'c:\Corvane\tools\not-picked.txt' '' 'setup.cfg:12 software'
} >good.txt

bash "$compare" good.txt "$p" >out.txt
rc=$?
[ $rc -eq 0 ] || { fail "a matching installation: exit $rc"; cat out.txt; }
grep -q "vtmedia try: 10 as planned, 0 different" out.txt || { fail "summary"; cat out.txt; }
grep -q "(not picked) file c:.Corvane.tools.not-picked.txt" out.txt || fail "an item not picked is passed over"
grep -q "ran?      <media>.tools.setup.exe /x" out.txt || fail "a program is listed, not compared"

{
  plan file 8 'c:\Corvane\bin\vantora.exe' '' setup.cfg:3
  plan file 1 'c:\Corvane\gone.txt' '' setup.cfg:4
  plan folder '' 'c:\Corvane\Downloads' '' setup.cfg:5
  plan shortcut '' 'C:\windows\Start Menu\Programs\Vantora\Help.lnk' 'x' setup.cfg:6
  plan registry '' 'HKEY_CURRENT_USER\Software\CorvaneNetwork\Vantora\Client' 'InstallDir="d:\Corvane"' setup.cfg:7
  plan registry '' 'HKEY_CURRENT_USER\Software\CorvaneNetwork\Vantora\Client' 'Missing="x"' setup.cfg:7
  plan file 1 'q:\nodrive.txt' '' setup.cfg:10
} >bad.txt
bash "$compare" bad.txt "$p" >out.txt
rc=$?
[ $rc -eq 1 ] || fail "a differing installation: exit $rc"
for line in \
  'DIFFERS   file c:\Corvane\bin\vantora.exe has 7 bytes, the plan 8 (setup.cfg:3)' \
  'DIFFERS   file c:\Corvane\gone.txt is missing (setup.cfg:4)' \
  'DIFFERS   folder c:\Corvane\Downloads is missing (setup.cfg:5)' \
  'DIFFERS   shortcut C:\windows\Start Menu\Programs\Vantora\Help.lnk is missing (setup.cfg:6)' \
  'DIFFERS   registry HKEY_CURRENT_USER\Software\CorvaneNetwork\Vantora\Client InstallDir is "c:\Corvane", the plan "d:\Corvane" (setup.cfg:7)' \
  'DIFFERS   registry HKEY_CURRENT_USER\Software\CorvaneNetwork\Vantora\Client Missing is missing (setup.cfg:7)' \
  'DIFFERS   file q:\nodrive.txt is missing (setup.cfg:10)' \
  'vtmedia try: 1 as planned, 7 different'; do
  grep -qF -- "$line" out.txt || fail "missing: $line"
done

# An installation that did not finish: the status record says step 8.
sed -i 's/000a2003/00082003/' "$p/user.reg"
bash "$compare" good.txt "$p" >out.txt && fail "an unfinished installation passed"
grep -qF "DIFFERS   status record: Major=0x00082003, not a finished installation" out.txt || { fail "status"; cat out.txt; }
[ $failed -eq 0 ] && echo "try-compare: all cases passed"
exit $failed
