#!/usr/bin/env bash
# A first installation from the demo CD and a maintenance run after it, with
# the status record checked in the registry after each.
set -uo pipefail
source "$(dirname "$0")/setup_env.sh"
vt_setup_begin setup-first-install || exit 1

vt_setup_run "$here/scenarios/first_install.scn" 60
check "first run exit code" 1 "$SETUP_RC"
check "Major after the first run" 0xa2003 "$(major)"
check "SrcDir after the first run" "E:" "$(vt_reg_query "$PRODUCT_KEY" SrcDir)"
[ -s "$VT_SHOTS/exit_notice.png" ] || { echo "FAIL: no exit notice screenshot"; fail=1; }

vt_setup_run "$here/scenarios/maintenance_quit.scn" 60
check "second run exit code" 1 "$SETUP_RC"
check "Major after the maintenance run" 0xa4003 "$(major)"
exit $fail
