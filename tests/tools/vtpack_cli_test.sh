#!/usr/bin/env bash
# vtpack from the command line: create in every form, list, test, extract
# with times and folders, and the refusals and exit codes scripts rely on.
# The same checks run the native build and the Windows one under Wine.
#   vtpack_cli_test.sh VTPACK WORKDIR
set -uo pipefail
vtpack=$1
. "$(dirname "$0")/vtpack_test_lib.sh"
enter_work "$2/vtpack-cli"

for i in $(seq 1 400); do echo "Line $i: the setup copies files and registers the client."; done > src/README.TXT
head -c 5000 /dev/urandom > src/sub/random_data.bin
: > src/EMPTY.DAT
touch -d '1998-05-17 10:20:30 UTC' src/README.TXT

expect 0 "create plain" "$vtpack" create plain.z src/README.TXT src/EMPTY.DAT
expect 2 "plain archives refuse long names" "$vtpack" create bad.z src/sub/random_data.bin
contains all.txt "8.3"
[ ! -e bad.z ] || { echo "FAIL: a refused archive was written"; failed=1; }
expect 0 "create with paths, ASCII literals, small window" \
  "$vtpack" create --paths --literals ascii --dict 1024 paths.z src/README.TXT src/sub/random_data.bin src/EMPTY.DAT
contains all.txt "random_data.bin grew by"  # random bytes do not compress
lacks all.txt "README.TXT grew"
expect 2 "a path leaving the destination" "$vtpack" create --paths up.z ../vtpack-cli/src/README.TXT
: > src/con.txt
expect 2 "a device name" "$vtpack" create dev.z src/con.txt
contains all.txt "it names the device CON"
expect 2 "a device name in a folder" "$vtpack" create --paths dev.z src/con.txt
[ ! -e dev.z ] || { echo "FAIL: an archive with a device name was written"; failed=1; }
expect 2 "unknown dictionary" "$vtpack" create --dict 3000 x.z src/README.TXT
expect 1 "missing input file" "$vtpack" create x.z src/NOPE.TXT
contains all.txt "src/NOPE.TXT: No such file or directory"  # the system's reason

# What create must never destroy: a file that is not an archive (kept unless
# --force), an input that is the archive itself; names are refused before
# any compressing.
printf 'the provider'"'"'s notes\n' >NOTES.TXT
cp NOTES.TXT notes.kept
expect 2 "a file that is not an archive" "$vtpack" create NOTES.TXT src/README.TXT
contains all.txt "exists and is not a packed archive"
check "the file is kept" cmp -s NOTES.TXT notes.kept
expect 0 "--force replaces it" "$vtpack" create --force NOTES.TXT src/README.TXT
expect 0 "an older archive is replaced" "$vtpack" create plain.z src/README.TXT src/EMPTY.DAT
cp src/README.TXT SELF.TXT
expect 2 "an archive among its own inputs" "$vtpack" create SELF.TXT src/EMPTY.DAT SELF.TXT
contains all.txt "an archive cannot hold itself"
check "the input is kept" cmp -s SELF.TXT src/README.TXT
cp plain.z self.z
expect 2 "an archive among its own inputs, by another name" "$vtpack" create self.z ./src/../self.z
head -c 3000000 /dev/zero >src/BIG.DAT
expect 2 "a bad name after a big file" "$vtpack" create late.z src/BIG.DAT src/sub/random_data.bin
contains all.txt "8.3"
lacks all.txt "BIG.DAT"  # refused before it was compressed
check "no archive" test ! -e late.z

expect 0 "list" "$vtpack" list paths.z
contains out.txt "3 entries, path names"
contains out.txt "1998-05-17 10:20:30"
contains out.txt "src\\sub\\random_data.bin"
expect 0 "test" "$vtpack" test plain.z
contains out.txt "README.TXT"
contains out.txt "OK"

expect 0 "extract" "$vtpack" extract paths.z out
cmp -s src/README.TXT out/src/README.TXT && cmp -s src/sub/random_data.bin out/src/sub/random_data.bin && \
  cmp -s src/EMPTY.DAT out/src/EMPTY.DAT || { echo "FAIL: extracted files differ"; failed=1; }
[ "$(stat -c %Y out/src/README.TXT)" = "$(stat -c %Y src/README.TXT)" ] || { echo "FAIL: time not restored"; failed=1; }

# A damaged copy: the first stream's dictionary byte broken.
cp plain.z broken.z
start=$(od -An -tu4 -j $((4 + 13 + 8)) -N4 plain.z | tr -d ' ')
printf '\x09' | dd of=broken.z bs=1 seek=$((start + 1)) conv=notrunc 2>/dev/null
expect 3 "test reports a damaged entry" "$vtpack" test broken.z
contains out.txt "bad dictionary size"
head -c 30 plain.z > short.z
expect 3 "a cut entry table" "$vtpack" list short.z
expect 1 "missing archive" "$vtpack" list nothere.z
# An archive made by another tool, with an entry the setup refuses: test
# says so (the entry table's name field: 4-byte length, then the name).
cp paths.z refused.z
name_at=$((4 + 4))
printf '..\\' | dd of=refused.z bs=1 seek=$name_at conv=notrunc 2>/dev/null
expect 3 "test: an entry the setup refuses" "$vtpack" test refused.z
contains out.txt "refused by the setup"
expect 0 "help" "$vtpack" --help
contains out.txt "vtpack create"
expect 2 "no command" "$vtpack"

[ $failed -eq 0 ] && echo "vtpack command line: all checks passed"
exit $failed
