# Cross toolchain: the same sources as 64-bit Windows programs. We ship the
# i686 build (cmake/mingw-i686.cmake); this one exists so that the Windows
# tests and the demo can run under the 64-bit Wine on machines that run no
# 32-bit programs (scripts/wine-mode.sh). Same thread model and static
# runtimes as the i686 build.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(VT_MINGW_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
