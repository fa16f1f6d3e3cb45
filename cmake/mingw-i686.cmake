# Cross toolchain: 32-bit Windows programs from Linux with MinGW-w64. This
# is the build we ship.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(VT_MINGW_TRIPLE i686-w64-mingw32)
# The Pentium (P5), which most of our users' machines were or exceeded
# (Pentium MMX, K6, 6x86): Debian's compiler would assume a Pentium Pro and
# use CMOV and FCOMI. The assembler is held to the same set, so that no
# instruction of ours, nor its padding (long NOPs), goes beyond it.
# Without exceptions nothing unwinds, so no unwind tables either (a quarter
# of a small program's code); a debugger reads the debugging sections.
set(VT_MINGW_ARCH_FLAGS "-march=i586 -Wa,-march=i586 -fno-asynchronous-unwind-tables")
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
