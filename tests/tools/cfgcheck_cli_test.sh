#!/usr/bin/env bash
# cfgcheck from the command line: findings one a line in file and line
# order with the summary after them, the exit codes, names found in any
# case, and the demo media clean (CD folder and floppy set) when given.
#   cfgcheck_cli_test.sh CFGCHECK WORKDIR [MEDIA_DIR]
set -uo pipefail
cfgcheck=$1
work=$2/cfgcheck-cli
media=${3:-}
rm -rf "$work" && mkdir -p "$work/good/BIN" "$work/bad" && cd "$work" || exit 1
failed=0
expect() { # exit code, description, command...
  local want=$1 what=$2; shift 2
  "$@" >out.txt 2>err.txt
  local got=$?
  tr -d '\r' <out.txt >all.txt && tr -d '\r' <err.txt >>all.txt
  [ "$got" -eq "$want" ] || { echo "FAIL: $what: exit $got, expected $want"; cat all.txt; failed=1; }
}
same() { # file, expected text
  diff -u <(printf '%s\n' "$2") "$1" >/dev/null || { echo "FAIL: unexpected output:"; diff -u <(printf '%s\n' "$2") "$1"; failed=1; }
}

printf '[Setup Disk1]\r\nclient.exe=1,{SRC_DIR}\\bin,{MAIN_DIR}\r\n' >good/SETUP.CFG
printf 'MZ' >good/BIN/Client.EXE
printf '[Vantora]\r\nRegNo=1\r\n' >good/setup.ini
printf 'CD' >good/QRM.D00
expect 0 "clean media" "$cfgcheck" good
same all.txt "good: 0 errors, 0 warnings"

printf '[Misc]\nIntro Text=%0300d\n[Setup Disk1]\nmissing.txt=1,{SRC_DIR},{MAIN_DIR}\nx=12,{MAIN_DIR}\n[Setup Disk3]\ny=9,{MAIN_DIR}\n' 0 >bad/setup.cfg
printf 'CD' >bad/qrm.d00
expect 2 "broken media" "$cfgcheck" bad
same all.txt 'setup.cfg:2: warning: Intro Text is 300 characters long: the setup shows 255
setup.cfg:4: error: File missing.txt could not be found
setup.cfg:5: error: Illigal entry "x=12,{MAIN_DIR}" in SETUP.CFG: kind 12 is not one of 1 to 10
setup.cfg:6: warning: [Setup Disk3] is never run: the disk sections stop at the missing [Setup Disk2]
setup.ini: warning: no setup.ini on the media: the client gets none of the provider'"'"'s settings
bad: 2 errors, 3 warnings'
expect 2 "--quiet" "$cfgcheck" --quiet bad
same all.txt "bad: 2 errors, 3 warnings"

printf '[Setup Disk1]\nx=9,{MAIN_DIR}\n[Setup Disk3]\ny=9,{MAIN_DIR}\n' >bad/setup.cfg
cp good/setup.ini bad/
expect 1 "warnings only" "$cfgcheck" bad
expect 3 "no setup.cfg" "$cfgcheck" BIN-nowhere
grep -q "cannot read the media: no setup.cfg in BIN-nowhere" all.txt || { echo "FAIL: no message for unreadable media"; failed=1; }
expect 4 "no folder" "$cfgcheck"
expect 4 "unknown option" "$cfgcheck" --frobnicate good
# The plan: each file with its size, with the folder given; a bad --token.
expect 0 "--plan" "$cfgcheck" --plan --main-dir 'D:\Net' good
same all.txt "$(printf 'file\t2\tdisk 1\tD:\\Net\\client.exe\t\tsetup.cfg:2\ntotal\t2\t\t1 files with {MAIN_DIR} = D:\\Net (and 0 from the Software section)\ngood: 0 errors, 0 warnings')"
expect 4 "--token without braces" "$cfgcheck" --plan --token PROGRAMS=x good
expect 4 "--main-dir without a value" "$cfgcheck" --plan --main-dir
# A setup folder below a vtmedia source folder is told to be one; a CD
# whose launcher starts a setup folder of another name is warned about.
mkdir -p src/cd/Acme && cp good/SETUP.CFG good/setup.ini src/cd/Acme/ && : >src/vtmedia.ini && : >src/cd/cdmenu.exe
expect 2 "a source folder" "$cfgcheck" src/cd/Acme
grep -q "src/cd/Acme is a source folder of vtmedia" all.txt || { echo "FAIL: no word of the source folder"; failed=1; }
grep -q "cdmenu.exe: warning: the launcher starts Brightwall.Setup.exe, which is not on the CD" all.txt ||
  { echo "FAIL: no warning of the launcher's folder"; cat all.txt; failed=1; }
expect 0 "--help" "$cfgcheck" --help
grep -q "exit codes: 0 clean, 1 warnings only, 2 errors, 3" all.txt || { echo "FAIL: --help lacks the exit codes"; failed=1; }

if [ -n "$media" ]; then
  cp -r "$media/cd/Brightwall" cd && cp -r "$media/floppy" floppy
  expect 0 "the demo CD" "$cfgcheck" cd
  expect 0 "the demo floppy set" "$cfgcheck" floppy/disk1 floppy/disk2
fi
[ "$failed" -eq 0 ] && echo "cfgcheck command line: all passed"
exit $failed
