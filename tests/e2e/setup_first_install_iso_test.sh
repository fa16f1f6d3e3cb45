#!/usr/bin/env bash
# The first installation from the disc image: the files of
# media/vantora-cd.iso, extracted as a CD-ROM drive shows them (mounting the
# image would need root and a loop device), make drive E:, and the
# first-installation scenario runs with all its checks.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../media/images.sh"
VT_BUILD=${VT_BUILD:-$(cd "$here/../.." && pwd)/build/win32}
disc=$VT_BUILD/e2e/setup-first-install-iso.disc
vt_iso_extract "$VT_BUILD/media/vantora-cd.iso" "$disc" || exit 1
VT_BUILD=$VT_BUILD VT_DEMO_CD=$disc VT_E2E_NAME=setup-first-install-iso exec bash "$here/setup_first_install_test.sh"
