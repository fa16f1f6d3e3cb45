#!/usr/bin/env bash
# The setup screen on an 8-bit display of its own: the background's palette
# is animated from black (read back while the fade runs), and every other
# screen test passes there too, the palette settling under the progress
# dialog among them.
set -uo pipefail
source "$(dirname "$0")/setup_env.sh"
unset DISPLAY VT_OWN_XVFB VT_XVFB_PID VT_XVFB_OWNER
vt_xvfb 800x600x8 || exit 1
vt_setup_begin screen-palette || exit 1

out=$(wine "$VT_BUILD/tests/win32/vt_setup_tests.exe" --gtest_filter='Screen.*:ScreenPalette.*' 2>&1)
echo "$out" | grep -E '^\[ *(OK|FAILED|PASSED) *\]|palette'
if ! echo "$out" | grep -q '^\[  PASSED  \]' || echo "$out" | grep -q '^\[  FAILED  \]'; then
  echo "FAIL: the screen tests on an 8-bit display"
  fail=1
fi
cycles=$(echo "$out" | sed -n 's/^palette display: \([0-9]*\) distinct.*/\1/p')
if [ -n "$cycles" ] && [ "$cycles" -ge 3 ] && [ "$cycles" -le 257 ]; then
  echo "ok: the fade animated the palette ($cycles palettes read back)"
else
  echo "FAIL: no animated fade on the 8-bit display ('$cycles')"
  fail=1
fi
exit $fail
