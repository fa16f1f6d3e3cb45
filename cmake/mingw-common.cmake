# What both MinGW-w64 toolchains share: the posix thread model (GoogleTest
# and the test tools need it; the programs we ship link none of the
# toolchain's thread code, see cmake/shipped.cmake), the target's own
# headers and libraries only, and static runtimes for the programs that do
# use the toolchain's (tests and tools).
# The including file sets VT_MINGW_TRIPLE (i686-w64-mingw32, ...) and may
# set VT_MINGW_ARCH_FLAGS (the instruction set).
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

# No exceptions and no run-time type information, in every Windows tree: the
# programs we ship have no runtime for them (crt/), and the code they share
# with the tests is built once. A tool that wants exceptions (the UI robot)
# turns them back on for itself.
# A section per function and per object, so that the linker can leave out
# what a shipped program does not reach (--gc-sections, cmake/shipped.cmake).
set(CMAKE_C_FLAGS_INIT "${VT_MINGW_ARCH_FLAGS} -ffunction-sections -fdata-sections")
set(CMAKE_CXX_FLAGS_INIT "${VT_MINGW_ARCH_FLAGS} -ffunction-sections -fdata-sections -fno-exceptions -fno-rtti")
# The C headers declare their functions imported from the C runtime DLL.
# Declared plain, a call binds to whatever defines the function: our own
# runtime in the programs we ship, the import library elsewhere.
string(APPEND CMAKE_C_FLAGS_INIT " -D_CRTIMP=")
string(APPEND CMAKE_CXX_FLAGS_INIT " -D_CRTIMP=")
