#!/usr/bin/env bash
# vtpack for everyday use: options anywhere and "--", strict numbers,
# --version, extract that keeps existing files and takes entry names,
# folders packed whole, names the setup would take for one file, and the
# progress line (only on a terminal).
#   vtpack_everyday_test.sh VTPACK WORKDIR
set -uo pipefail
vtpack=$1
. "$(dirname "$0")/vtpack_test_lib.sh"
enter_work "$2/vtpack-everyday"

for i in $(seq 1 300); do echo "Line $i of the notes."; done > src/README.TXT
head -c 3000 /dev/urandom > src/sub/data.bin
: > src/EMPTY.DAT

# Options after the operands, "--", strict numbers, --version.
expect 0 "options after the operands" "$vtpack" create paths.z src/README.TXT src/sub/data.bin src/EMPTY.DAT --paths --dict 1024
contains out.txt "src\\sub\\data.bin"
expect 2 "a bad value after the operands is still an option" "$vtpack" create x.z src/README.TXT --dict 3000
contains all.txt "--dict takes 1024, 2048 or 4096"
expect 2 "an option of another command" "$vtpack" list paths.z --overwrite
contains all.txt "--overwrite is an option of extract"
echo dash > -dash.txt
expect 2 "a file starting with '-' is an option without --" "$vtpack" create dash.z -dash.txt
expect 0 "-- ends the options" "$vtpack" create --paths dash.z -- -dash.txt
expect 0 "list the '-' file" "$vtpack" list -- dash.z
contains out.txt "-dash.txt"
for bad in 4096x "" 99999999999 -1 " 4096"; do
  expect 2 "--dict '$bad'" "$vtpack" create x.z src/README.TXT --dict "$bad"
  contains all.txt "--dict takes"
done
expect 0 "--dict=2048" "$vtpack" create --dict=2048 x.z src/README.TXT
[ ! -e x.z ] || rm x.z
expect 0 "--version" "$vtpack" --version
grep -qE '^vtpack [0-9]' out.txt || { echo "FAIL: --version printed:"; cat out.txt; failed=1; }
expect 0 "--help after a command" "$vtpack" extract --help
contains out.txt "--overwrite"
contains out.txt "exit codes"

# extract keeps what is there, unless --overwrite.
expect 0 "first extract" "$vtpack" extract paths.z out
echo "changed here" > out/src/README.TXT
rm out/src/EMPTY.DAT
expect 1 "extract over an existing file" "$vtpack" extract paths.z out
contains all.txt "README.TXT exists"
check "the existing file was not touched" grep -qx "changed here" out/src/README.TXT
check "the other entries were still extracted" test -e out/src/EMPTY.DAT
expect 0 "extract --overwrite" "$vtpack" extract paths.z out --overwrite
check "--overwrite replaced the file" cmp -s src/README.TXT out/src/README.TXT

# Named entries only, matched without case; a name not in the archive.
expect 0 "extract one named entry" "$vtpack" extract paths.z named 'SRC/SUB/DATA.BIN'
check "the named entry is there" cmp -s src/sub/data.bin named/src/sub/data.bin
check "only the named entry" test ! -e named/src/README.TXT
expect 2 "a name the archive does not hold" "$vtpack" extract paths.z named2 'src\README.TXT' NOPE.TXT
contains all.txt "no entry NOPE.TXT"
check "nothing extracted when a name is missing" test ! -e named2

# --paths walks folders, sorted, with the folder's name in each entry.
mkdir -p tree/a/deep tree/empty
echo y > tree/a/deep/y.txt; echo z > tree/a/z.txt; echo b > tree/b.txt; echo c > tree/C.txt
expect 0 "create a folder" "$vtpack" create tree.z tree/ --paths
expect 0 "list the folder's archive" "$vtpack" list tree.z
awk 'NR > 2 { print $NF }' out.txt > order.txt
printf '%s\n' 'tree\C.txt' 'tree\a\deep\y.txt' 'tree\a\z.txt' 'tree\b.txt' > want.txt
check "entries in sorted order" cmp -s want.txt order.txt || { echo "got:"; cat order.txt; }
expect 0 "extract the folder's archive" "$vtpack" extract tree.z again
rmdir tree/empty
check "the tree comes back as it was" diff -r tree again/tree
expect 2 "a folder without --paths" "$vtpack" create x.z tree
contains all.txt "is a folder"

# Names the setup would take for one file.
mkdir -p other && echo other > other/readme.txt
expect 2 "duplicate plain names" "$vtpack" create dup.z src/README.TXT other/readme.txt
contains all.txt "src/README.TXT and other/readme.txt"
echo A > tree/a/Z.TXT
expect 2 "duplicate names in a folder" "$vtpack" create --paths dup.z tree
contains all.txt "Z.TXT"
check "no archive written" test ! -e dup.z
rm tree/a/Z.TXT
# An archive made elsewhere: the second plain name field (4 + 13 + 16) made "readme.txt".
expect 0 "two plain entries" "$vtpack" create twice.z src/README.TXT src/EMPTY.DAT
printf 'readme.txt\0' | dd of=twice.z bs=1 seek=33 conv=notrunc 2>/dev/null
expect 0 "list warns about a duplicate" "$vtpack" list twice.z
contains all.txt "warning: entry 2, readme.txt"
expect 4 "test fails on a duplicate" "$vtpack" test twice.z
contains all.txt "warning: entry 2"
expect 0 "test without duplicates" "$vtpack" test paths.z
lacks all.txt "warning"

# Progress: never in logs, on one line in a terminal.
no_progress() { # what ran
  if grep -q $'\r' out.txt err.txt || grep -qE "[0-9]+/[0-9]+ files" all.txt; then
    echo "FAIL: $1 wrote progress when not on a terminal:"; cat all.txt; failed=1
  fi
}
expect 0 "create into a log" "$vtpack" create --paths big.z tree src
no_progress create
expect 0 "extract into a log" "$vtpack" extract big.z big
no_progress extract
expect 0 "test into a log" "$vtpack" test big.z
no_progress test
if ! command -v script >/dev/null; then
  echo "SKIP: progress on a terminal ('script' is not installed)"
elif [ "${vtpack%-wine}" != "$vtpack" ]; then
  echo "SKIP: progress on a terminal (a Windows build under Wine has no terminal of its own)"
else
  script -qec "'$vtpack' create --paths tty.z tree src" /dev/null > tty.txt 2>&1
  contains tty.txt "create: 7/7 files, 100%"
  check "the progress line is redrawn in place" grep -q $'\r' tty.txt
fi

[ $failed -eq 0 ] && echo "vtpack everyday use: all checks passed"
exit $failed
