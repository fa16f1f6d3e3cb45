#!/usr/bin/env bash
# Runs the Win32 tree's tests under Wine: one X display and one warm
# wineserver for the whole run, torn down at the end.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export VT_BUILD=${VT_BUILD:-$root/build/win32}
source "$root/tests/wine/harness.sh"

vt_xvfb || exit 1
vt_prefix unit || exit 1
touch "$WINEPREFIX/.vt-ready"
vt_start
sleep 4  # let the first-start services settle before the timed tests
ctest --test-dir "$VT_BUILD" --output-on-failure "$@"
rc=$?
vt_stop
vt_xvfb_stop
exit $rc
