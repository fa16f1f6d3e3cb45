#!/usr/bin/env bash
# Installs what building and testing need, when it is missing (Debian 12).
set -euo pipefail

need=()
have() { command -v "$1" >/dev/null 2>&1; }
pkg_installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

have cmake || need+=(cmake)
have make || need+=(make)
have g++ || need+=(g++)
have clang++ || need+=(clang)
have i686-w64-mingw32-g++-posix || need+=(mingw-w64)
have wine || need+=(wine wine32 wine64)
pkg_installed wine32:i386 || need+=(wine32)
have Xvfb || need+=(xvfb)
have import || need+=(imagemagick)
have xdotool || need+=(xdotool)
have valgrind || need+=(valgrind)
have lnkinfo || need+=(liblnk-utils)
have node || need+=(nodejs)
have npm || need+=(npm)
[ -d /usr/src/googletest ] || need+=(googletest)
pkg_installed libgtest-dev || need+=(libgtest-dev)
pkg_installed libbenchmark-dev || need+=(libbenchmark-dev)
pkg_installed libclang-rt-14-dev || need+=(libclang-rt-14-dev)

if [ ${#need[@]} -gt 0 ]; then
  echo "Installing: ${need[*]}"
  SUDO=
  [ "$(id -u)" -eq 0 ] || SUDO=sudo
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $SUDO dpkg --add-architecture i386
  fi
  $SUDO apt-get update -q
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q \
    $(printf '%s\n' "${need[@]}" | sort -u)
fi
