#!/usr/bin/env bash
# Runs a Windows tree's tests under Wine: one X display and one warm
# wineserver for the whole run, torn down at the end. Arguments go to ctest.
#   VT_BUILD  the tree (default: build/win32, or build/win64 where the tests
#             run under the 64-bit Wine; see scripts/wine-mode.sh)
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
if [ -z "${VT_BUILD:-}" ]; then
  tree=$("$root/scripts/wine-mode.sh" --tree) || exit 1
  export VT_BUILD=$root/build/$tree
fi
if [ ! -f "$VT_BUILD/CTestTestfile.cmake" ]; then
  echo "test-win32.sh: $VT_BUILD is not built (./scripts/build.sh $(basename "$VT_BUILD"))" >&2
  exit 1
fi
source "$root/tests/wine/harness.sh" || exit 1
echo "Windows tests of $VT_BUILD in a $WINEARCH prefix"

# Server and display go however this script ends.
own_prefix=0
trap '[ "$own_prefix" = 1 ] && { vt_stop; vt_drop_prefixes; }; vt_xvfb_stop' EXIT
vt_xvfb || exit 1
vt_prefix unit || exit 1
own_prefix=1
touch "$WINEPREFIX/.vt-ready"
vt_start
sleep 4  # let the first-start services settle before the timed tests
rm -f "$VT_WINE_SILENT_LOG"
ctest --test-dir "$VT_BUILD" --output-on-failure "$@"
rc=$?
if [ -s "$VT_WINE_SILENT_LOG" ]; then
  echo "Wine started these programs only at the second try (they failed silently at the first):"
  sed 's/^/  /' "$VT_WINE_SILENT_LOG"
fi
exit $rc
