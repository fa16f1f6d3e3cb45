#!/usr/bin/env bash
# Which Wine runs the Windows tests and the demo on this machine.
#
#   VT_WINE=auto  (default) 32 where this machine runs 32-bit programs,
#                 else 64
#   VT_WINE=32    the shipped i686 tree (build/win32) under the 32-bit Wine
#   VT_WINE=64    an x86_64 tree of the same sources (build/win64) under the
#                 64-bit Wine, in a 64-bit prefix set to Windows 95
#
# Some of our machines run no 32-bit Linux program at all: wine32 installs
# there, but its loader fails with "Exec format error", so nothing 32-bit
# can run under Wine. The i686 tree is built everywhere; only where its
# tests run changes.
#
# Usage: wine-mode.sh [--mode | --tree | --describe | --help]
#   --mode      prints 32 or 64 (the default)
#   --tree      prints the build tree the Windows tests run from: win32 or win64
#   --describe  prints what runs the Windows tests, for a summary line
# Exits 1 when the requested Wine does not run here, 2 on a bad VT_WINE.
# VT_WINE32_LOADER and VT_WINE64_LOADER name other loaders (for its tests).
# Scripts may also source it for the vt_wine_* functions.

VT_WINE32_LOADER=${VT_WINE32_LOADER:-/usr/lib/wine/wine}
VT_WINE64_LOADER=${VT_WINE64_LOADER:-/usr/lib/wine/wine64}

vt_runs_32bit() { "$VT_WINE32_LOADER" --version >/dev/null 2>&1; }
vt_runs_64bit() { "$VT_WINE64_LOADER" --version >/dev/null 2>&1; }

# vt_no_32bit_why: why the 32-bit Wine does not run here, as a clause.
vt_no_32bit_why() {
  if [ ! -e "$VT_WINE32_LOADER" ]; then
    echo "the 32-bit Wine (wine32) is not installed"
  else
    echo "this machine runs no 32-bit programs"
  fi
}

# vt_wine_mode: prints 32 or 64; fails with a reason on stderr when the
# requested Wine cannot run here.
vt_wine_mode() {
  case ${VT_WINE:-auto} in
    auto)
      if vt_runs_32bit; then echo 32; return 0; fi
      if vt_runs_64bit; then echo 64; return 0; fi
      echo "wine-mode: neither $VT_WINE32_LOADER nor $VT_WINE64_LOADER runs here (is Wine installed? scripts/deps.sh installs it)" >&2
      return 1 ;;
    32)
      if vt_runs_32bit; then echo 32; return 0; fi
      echo "wine-mode: VT_WINE=32, but $VT_WINE32_LOADER does not run here: $(vt_no_32bit_why) (use VT_WINE=64 or auto)" >&2
      return 1 ;;
    64)
      if vt_runs_64bit; then echo 64; return 0; fi
      echo "wine-mode: VT_WINE=64, but $VT_WINE64_LOADER does not run here (is wine64 installed?)" >&2
      return 1 ;;
    *)
      echo "wine-mode: VT_WINE='$VT_WINE' is none of auto, 32, 64" >&2
      return 2 ;;
  esac
}

# vt_wine_tree MODE: the build tree the Windows tests run from.
vt_wine_tree() { [ "$1" = 64 ] && echo win64 || echo win32; }

# vt_wine_describe MODE: one line for the closing summary.
vt_wine_describe() {
  if [ "$1" = 32 ]; then
    echo "i686 under 32-bit Wine"
  elif vt_runs_32bit; then
    echo "x86_64 under 64-bit Wine: forced by VT_WINE=64"
  else
    echo "x86_64 under 64-bit Wine: $(vt_no_32bit_why)"
  fi
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
  set -u
  case ${1:---mode} in
    --mode)     vt_wine_mode ;;
    --tree)     mode=$(vt_wine_mode) && vt_wine_tree "$mode" ;;
    --describe) mode=$(vt_wine_mode) && vt_wine_describe "$mode" ;;
    -h|--help)
      sed -n '2,/^$/{/^$/d;s/^# \{0,1\}//;p}' "$0" ;;
    *) echo "wine-mode: unknown option '$1' (--mode, --tree, --describe, --help)" >&2; exit 2 ;;
  esac
fi
