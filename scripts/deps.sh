#!/usr/bin/env bash
# Installs what building and testing need, when it is missing (Debian 12).
#
# wine32 (with the i386 architecture) is installed everywhere, but some of
# our machines run no 32-bit programs: there it installs and cannot run, and
# the Windows tests run under wine64 instead (scripts/wine-mode.sh). So a
# wine32 that cannot be installed is reported, not fatal.
set -euo pipefail

need=()
have() { command -v "$1" >/dev/null 2>&1; }
pkg_installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

have cmake || need+=(cmake)
have make || need+=(make)
have g++ || need+=(g++)
have clang++ || need+=(clang)
have i686-w64-mingw32-g++-posix || need+=(mingw-w64)
have x86_64-w64-mingw32-g++-posix || need+=(mingw-w64)
have i686-w64-mingw32-objdump || need+=(binutils-mingw-w64-i686)
have x86_64-w64-mingw32-objdump || need+=(binutils-mingw-w64-x86-64)
have wine || need+=(wine)
[ -x /usr/lib/wine/wine64 ] || need+=(wine64)
have Xvfb || need+=(xvfb)
have import || need+=(imagemagick)
have xdotool || need+=(xdotool)
# The launcher tests read the X cursor (tests/e2e/tools/x_cursor.c).
pkg_installed libx11-dev || need+=(libx11-dev)
pkg_installed libxfixes-dev || need+=(libxfixes-dev)
have valgrind || need+=(valgrind)
have lnkinfo || need+=(liblnk-utils)
have xorriso || need+=(xorriso)
have mformat || need+=(mtools)
have node || need+=(nodejs)
have npm || need+=(npm)
[ -d /usr/src/googletest ] || need+=(googletest)
pkg_installed libgtest-dev || need+=(libgtest-dev)
pkg_installed libbenchmark-dev || need+=(libbenchmark-dev)
pkg_installed libclang-rt-14-dev || need+=(libclang-rt-14-dev)
# The 32-bit build of the decoder's benchmark (tests/bench/callgrind-ipb.sh --m32).
[ "$(dpkg --print-architecture)" != amd64 ] || pkg_installed g++-multilib || need+=(g++-multilib)
want32=()
pkg_installed wine32:i386 || want32=(wine32)

[ ${#need[@]} -gt 0 ] || [ ${#want32[@]} -gt 0 ] || exit 0

SUDO=
[ "$(id -u)" -eq 0 ] || SUDO=sudo
install() {
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q "$@"
}
echo "Installing: $(printf '%s\n' "${need[@]}" "${want32[@]}" | sort -u | tr '\n' ' ')"
if [ ${#want32[@]} -gt 0 ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  $SUDO dpkg --add-architecture i386 || echo "deps.sh: cannot add the i386 architecture" >&2
fi
# A mirror that is part-way through a sync fails one index or another for a
# while; what did download is usually enough, so try again, then go on.
updated=
for attempt in 1 2 3; do
  if $SUDO apt-get update -q; then updated=1; break; fi
  echo "deps.sh: apt-get update failed (attempt $attempt of 3)" >&2
  [ "$attempt" -eq 3 ] || sleep 10
done
[ -n "$updated" ] || echo "deps.sh: going on with the package lists that did download" >&2
if ! install $(printf '%s\n' "${need[@]}" "${want32[@]}" | sort -u); then
  [ ${#want32[@]} -gt 0 ] || exit 1
  echo "deps.sh: installing with wine32 failed; trying without it" >&2
  [ ${#need[@]} -eq 0 ] || install $(printf '%s\n' "${need[@]}" | sort -u)
  echo "deps.sh: wine32 is not installed; the Windows tests will run under the 64-bit Wine" >&2
fi
