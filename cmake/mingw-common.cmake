# What both MinGW-w64 toolchains share: the posix thread model (GoogleTest
# and the test tools need it; the programs we ship link none of the
# toolchain's thread code, see cmake/shipped.cmake), the target's own
# headers and libraries only, and static runtimes for the programs that do
# use the toolchain's (tests and tools).
# The including file sets VT_MINGW_TRIPLE (i686-w64-mingw32, ...) and may
# set VT_MINGW_ARCH_FLAGS (the instruction set), which the top CMakeLists
# applies with the rest of the Windows trees' flags: as compile options, so
# that a change reaches a tree configured before it, as the cached
# CMAKE_CXX_FLAGS would not.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER   ${VT_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VT_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER  ${VT_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${VT_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT    "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
