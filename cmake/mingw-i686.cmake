# Cross toolchain: 32-bit Windows programs from Linux with MinGW-w64. This
# is the build we ship.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(VT_MINGW_TRIPLE i686-w64-mingw32)
# The 486 with its floating-point unit (a 486DX, or an SX with its 487)
# and every processor after it: Debian's compiler would assume a Pentium
# Pro and use CMOV and FCOMI, which the Pentium, Pentium MMX, K5, K6, 6x86
# and 486 that our users had do not run. The 486 set costs nothing against
# the Pentium's (the decoder runs the same instructions; see
# tests/bench/callgrind-ipb.sh --m32), and the tuning stays the compiler's
# generic one, which runs 7% fewer instructions than the Pentium's. The
# assembler is held to the same set (i486+387: its x87 included), so that
# no instruction of ours, nor its padding (long NOPs), goes beyond it.
# Without exceptions nothing unwinds, so no unwind tables either (a quarter
# of a small program's code); a debugger reads the debugging sections.
set(VT_MINGW_ARCH_FLAGS "-march=i486 -mtune=generic -Wa,-march=i486+387 -fno-asynchronous-unwind-tables")
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
