# Cross toolchain: 32-bit Windows programs from Linux with MinGW-w64. This
# is the build we ship.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(VT_MINGW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
