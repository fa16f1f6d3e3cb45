#!/usr/bin/env bash
# The demo CD installed by the engine (the Win32 test EngineDemo), then its
# shortcut files read from Linux with lnkinfo (target, arguments, working
# directory, icon and description as a tool other than Wine's sees them)
# and its registry values with a registry query.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/setup_env.sh"
vt_e2e_begin engine-demo-links || exit 1

out=$(vt_run "$VT_BUILD/tests/win32/vt_setup_tests.exe" --gtest_filter='EngineDemo.*')
rc=$?
check "the demo installation test" 0 "$rc"
[ "$rc" -eq 0 ] || echo "$out"

links=$(vt_drive_c)/vtdemo/Programs/Vantora
# lnkinfo prints one "Name : value" line per field.
field() { # LINK FIELD
  lnkinfo "$links/$1" 2>/dev/null | tr -d '\r' | sed -n "s/^[[:space:]]*$2[[:space:]]*: //p" | head -n 1
}
main='c:\vtdemo\Vantora'
for link in "Vantora.lnk" "Vantora Settings.lnk"; do
  [ -f "$links/$link" ] || { echo "FAIL: no $links/$link"; fail=1; continue; }
  check "$link: working directory" "${main,,}\\bin" "$(field "$link" 'Working directory' | tr 'A-Z' 'a-z')"
  check "$link: icon" "${main,,}\\bin\\vantora.exe" "$(field "$link" 'Icon location' | tr 'A-Z' 'a-z')"
done
check "Vantora.lnk: description" "Vantora" "$(field "Vantora.lnk" 'Description')"
check "Vantora Settings.lnk: description" "Vantora Settings" "$(field "Vantora Settings.lnk" 'Description')"
check "Vantora Settings.lnk: arguments" "/settings" "$(field "Vantora Settings.lnk" 'Command line arguments')"
for link in "Vantora.lnk" "Vantora Settings.lnk"; do
  check "$link: target" "${main,,}\\bin\\vantora.exe" "$(field "$link" 'Local path' | tr 'A-Z' 'a-z')"
done
# The registry file's values, as the registry editor merged them.
client='HKCU\Software\CorvaneNetwork\Vantora\Client'
check "InstallDir in the registry" "$main" "$(vt_reg_query "$client" InstallDir)"
check "Dialer in the registry" "$main\bin\vantora.exe" "$(vt_reg_query "$client" Dialer)"
exit $fail
