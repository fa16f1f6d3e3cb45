#!/usr/bin/env bash
# vtmedia_build_test.sh VTMEDIA VTPACK CFGCHECK [--no-images]: vtmedia build
# (a Windows one under Wine makes no images: --no-images) on small media
# of its own: the layout of the CD and of a floppy set of three disks, the
# floppies' values, archives that vtpack takes, images made twice alike;
# then each fault in its own case: a wrong manifest (nothing written), a
# line naming a missing file and a disk that does not fit (refused, the
# earlier media left whole), folders that would put the provider's files at
# risk (refused before anything is written), and the command line.
set -uo pipefail
vtmedia=$1 vtpack=$2 cfgcheck=$3 no_images=${4:-}
here=$(cd "$(dirname "$0")" && pwd)
source "$here/vtpack_test_lib.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1

# A source folder: a setup over three floppies, a packed folder.
make_source() {
  rm -rf src out && mkdir -p src/cd/Acme/bin src/cd/Acme/tools src/pack/docs
  printf 'MZ setup\n' >src/cd/Acme/setup.exe
  printf 'MZ gui\n' >src/cd/Acme/QRMGUI.dll
  printf 'MZ client\n' >src/cd/Acme/bin/client.exe
  printf 'REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Acme]\r\n' >src/cd/Acme/acme.reg
  printf 'tools\n' >src/cd/Acme/tools/tools.txt
  printf '[Vantora]\r\nRegNo=1\r\n' >src/cd/Acme/setup.ini
  printf '[autorun]\r\nopen=Acme\\setup.exe\r\n' >src/cd/autorun.inf
  printf 'read me\n' >src/pack/docs/readme.txt
  printf 'more\n' >src/pack/guide.txt
  cat >src/cd/Acme/setup.cfg <<'CFG'
[Misc]
SoftwareDisk=0
[Setup Disk1]
client.exe=1,{SRC_DIR}\bin,{MAIN_DIR}
[Setup Disk2]
docs.z=2,{SRC_DIR},{MAIN_DIR}
[Setup Disk3]
acme.reg=3,{SRC_DIR}
[Software]
Tools=6,tools
[tools]
tools.txt=1,{SRC_DIR}\tools,{MAIN_DIR}
CFG
  cat >src/vtmedia.ini <<'INI'
[Media]
CD=cd
Setup=Acme
Volume=ACME
Label=Acme CD
Date=867672000
Images=acme
[Archive docs.z]
Files=pack
Paths=1
Literals=ascii
[Floppies]
Disks=3
Label=Acme disk %d
Volume=ACME %d
Disk1=setup.exe,QRMGUI.dll
[Floppy setup.cfg]
Misc.SoftwareDisk=3
INI
}

images=1
command -v xorriso >/dev/null && command -v mformat >/dev/null || images=0
[ -n "$no_images" ] && images=0
# build ARGS...: vtmedia build, without images where they are not made.
build() { "$vtmedia" build $no_images "$@"; }

echo "== a CD and three floppies =="
make_source
expect 0 "the build" build src out
contains out.txt "vtmedia: checked the floppy: 0 errors, 0 warnings"
for f in cd/autorun.inf cd/Acme/setup.exe cd/Acme/docs.z floppy/disk1/setup.exe floppy/disk1/QRMGUI.dll \
         floppy/disk1/bin/client.exe floppy/disk2/docs.z floppy/disk3/acme.reg floppy/disk3/tools/tools.txt \
         floppy/disk3/setup.ini; do
  check "out/$f is there" test -f "out/$f"
done
check "only what its section names is on disk 2" \
  test "$(cd out/floppy/disk2 && find . -type f | sort | tr '\n' ' ')" = "./docs.z ./qrm.d02 "
check "the CD's label" test "$(cat out/cd/Acme/QRM.D00)" = $'Acme CD\r'
check "disk 3's label" test "$(cat out/floppy/disk3/qrm.d03)" = $'Acme disk 3\r'
check "the floppies' setup.cfg has its own SoftwareDisk" grep -qx 'SoftwareDisk=3' out/floppy/disk1/setup.cfg
check "the CD's setup.cfg is the source's" cmp -s src/cd/Acme/setup.cfg out/cd/Acme/setup.cfg
expect 0 "vtpack tests the archive" "$vtpack" test out/cd/Acme/docs.z
expect 0 "vtpack lists it" "$vtpack" list out/cd/Acme/docs.z
contains out.txt 'docs\readme.txt'
contains out.txt 'guide.txt'
expect 0 "cfgcheck takes the CD" "$cfgcheck" out/cd/Acme
expect 0 "cfgcheck takes the floppies" "$cfgcheck" out/floppy/disk1 out/floppy/disk2 out/floppy/disk3
if [ $images = 1 ]; then
  check "the images are there" test -s out/acme-cd.iso -a -s out/acme-disk3.img
  check "a floppy image is 1.44 MB" test "$(stat -c %s out/acme-disk1.img)" = 1474560
  mkdir -p first && cp out/*.iso out/*.img first/
  expect 0 "the build again" build --quiet src out
  for f in first/*; do check "$(basename "$f") comes out the same" cmp -s "$f" "out/$(basename "$f")"; done
else
  echo "(no images made here: no xorriso or mtools, or --no-images)"
fi
expect 0 "a build without images" "$vtmedia" build --no-images --quiet src folders
check "--no-images writes none" test ! -e folders/acme-cd.iso

echo "== a wrong manifest writes nothing =="
make_source
sed -i 's/^Literals=ascii$/Dictionary=999/; s/^Label=Acme disk %d$/Label=no number/' src/vtmedia.ini
printf '[Media]\nVolume=AGAIN\n' >>src/vtmedia.ini
expect 2 "a wrong manifest" build src out
contains all.txt "vtmedia.ini:11: error: Dictionary=999: a number from 1024 to 4096 is wanted"
contains all.txt "vtmedia.ini:14: error: Label=no number: the text needs one %d, for the disk number"
contains all.txt "vtmedia.ini:19: error: [Media] comes a second time: only the first is read"
contains all.txt "nothing was written"
check "no output folder" test ! -e out

echo "== a line naming a file that is not there =="
make_source
expect 0 "a first build" build --quiet src out
rm src/cd/Acme/acme.reg
expect 3 "a missing registry file" build src out
contains all.txt "cd: setup.cfg:8: error: File acme.reg could not be found"
contains all.txt "floppy: setup.cfg:8: error: File acme.reg could not be found on disk 3"
contains all.txt "no images were written"
check "the earlier media stay as they were" test -f out/cd/Acme/acme.reg -a -f out/floppy/disk3/acme.reg
[ $images = 1 ] && check "and so do their images" test -s out/acme-cd.iso -a -s out/acme-disk3.img
check "no work folder is left" test ! -e out.vtmedia-new

echo "== a disk that does not fit =="
make_source
head -c 1500000 /dev/zero >src/cd/Acme/bin/client.exe
expect 3 "a disk of 1.5 MB" build src out
contains all.txt "disk 1 does not fit on a 1.44 MB floppy: its files need 1502720 bytes"
contains all.txt 'Its largest files: bin\client.exe (1500000 bytes), setup.exe (9 bytes)'
contains all.txt "Move lines of [Setup Disk1] to a later disk section (a new [Setup Disk4] with Disks=4"
check "no output folder" test ! -e out -a ! -e out.vtmedia-new

echo "== nothing of the provider's is removed or written over =="
make_source
cp -r src kept
expect 2 "SOURCE as OUT" build src src
contains all.txt "SOURCE and OUT are the same folder"
expect 2 "OUT inside SOURCE" build src src/media
contains all.txt "is inside SOURCE"
expect 2 "OUT inside SOURCE, through .." build src src/cd/../media
contains all.txt "is inside SOURCE"
if [ -z "$no_images" ]; then  # (a link: not on the Windows build's file system)
  ln -s "$work/src" link
  expect 2 "OUT inside SOURCE, through a link" build src link/media
  contains all.txt "is inside SOURCE"
fi
mkdir -p holder && cp -r src holder/src
expect 2 "SOURCE inside OUT" build holder/src holder
contains all.txt "is inside OUT"
check "the sources are untouched" diff -r src kept
check "and so is the one inside OUT" diff -r holder/src kept
mkdir -p theirs/cd && printf 'keep\n' >theirs/cd/notes.txt
expect 2 "an OUT with files vtmedia did not make" build src theirs
contains all.txt "holds files that vtmedia did not make"
check "its files stay" test -f theirs/cd/notes.txt
check "nothing was written" test ! -e theirs/floppy -a ! -e theirs.vtmedia-new
expect 0 "a build" build --quiet src out
printf 'mine\n' >out/notes.txt
expect 0 "the same build again" build --quiet src out
check "a file of the provider's in OUT stays" test -f out/notes.txt
check "the marker names what the build made" grep -qx floppy out/vtmedia-made.txt
sed -i 's/^Disk1=setup.exe,QRMGUI.dll$/Disk1=setup.exe,QRMGUI.dll,nothere.dll/' src/vtmedia.ini
expect 2 "a Disk1 file that is not there" build src fresh
contains all.txt "vtmedia.ini:16: Disk1 names nothere.dll"
check "nothing was written" test ! -e fresh -a ! -e fresh.vtmedia-new

echo "== the command line =="
expect 0 "--help" "$vtmedia" --help
contains out.txt "usage: vtmedia build"
expect 2 "an unknown option" "$vtmedia" build --fast src out
contains all.txt "unknown option --fast"
expect 2 "a missing operand" "$vtmedia" build src
expect 2 "an unknown command" "$vtmedia" make src out
expect 2 "a source without a manifest" "$vtmedia" build "$work/nothing" out
contains all.txt "no manifest"
expect 2 "try without media" "$vtmedia" try "$work/nothing"

echo "== a set of one floppy =="
make_source
sed -i '/^\[Setup Disk2\]/,/^\[Software\]/{/^\[Software\]/!d}' src/cd/Acme/setup.cfg
sed -i 's/^Disks=3$/Disks=1/; s/^Misc.SoftwareDisk=3$/Misc.SoftwareDisk=1/' src/vtmedia.ini
expect 0 "one floppy" build --no-images src one
contains out.txt "vtmedia: checked the floppy: 0 errors, 0 warnings"  # not taken for a CD's folder
check "its one disk" test -f one/floppy/disk1/qrm.d01 -a -f one/floppy/disk1/setup.ini -a ! -e one/floppy/disk2

echo "== the launcher's folders =="
make_source
printf 'MZ menu\n' >src/cd/cdmenu.exe
expect 0 "a CD with the launcher and another setup folder" build --quiet --no-images src launcher
contains all.txt 'cd: cdmenu.exe: warning: the launcher starts Brightwall\Setup.exe, which is not on the CD'
contains all.txt "(Setup=Acme)"
[ $failed = 0 ] && echo "vtmedia build: all cases passed"
exit $failed
