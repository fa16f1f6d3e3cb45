#!/usr/bin/env bash
# The floppy installation from the floppy images: the files of
# media/vantora-disk1.img and -disk2.img, extracted, are the disks behind A:,
# and the floppy scenario runs with all its checks.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../media/images.sh"
VT_BUILD=${VT_BUILD:-$(cd "$here/../.." && pwd)/build/win32}
disks=$VT_BUILD/e2e/setup-floppy-image.disks
for n in 1 2; do
  vt_floppy_extract "$VT_BUILD/media/vantora-disk$n.img" "$disks/disk$n" || exit 1
done
VT_BUILD=$VT_BUILD VT_DEMO_FLOPPY=$disks VT_E2E_NAME=setup-floppy-image exec bash "$here/setup_floppy_test.sh"
