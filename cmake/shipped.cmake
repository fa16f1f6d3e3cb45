# vt_shipped(target): a program or DLL that goes on our media. It is linked
# with our own runtime (crt/) and nothing else of the toolchain's but
# libgcc's arithmetic helpers: no MinGW start-up code, no C runtime DLL, no
# prebuilt libstdc++. So it imports system DLLs only, and every instruction
# in it was compiled with the tree's flags (the Pentium, in the i686 tree).
# scripts/check-imports.sh and scripts/check-cpu.sh hold us to that.
include_guard(GLOBAL)

function(vt_shipped target)
  get_target_property(type ${target} TYPE)
  # A 32-bit stdcall entry carries its arguments' size, and 32-bit C names
  # a leading underscore.
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(exe_entry _VtExeStartup)
    set(dll_entry _VtDllStartup@12)
  else()
    set(exe_entry VtExeStartup)
    set(dll_entry VtDllStartup)
  endif()
  if(type STREQUAL SHARED_LIBRARY)
    set(entry ${dll_entry})
    set(start vtcrt_dll vtcrt_dllmain)
  else()
    set(entry ${exe_entry})
    set(start vtcrt_exe)
  endif()
  # -nostdlib: none of the toolchain's start files or libraries. The
  # runtime's objects come first on the line, so that every archive after
  # them finds memcpy and the rest; libgcc goes last (CMAKE_CXX_STANDARD_LIBRARIES
  # in cmake/mingw-common.cmake). Auto-import is off: what a program takes
  # from our DLL is declared dllimport, and nothing here could apply the
  # run-time relocations that auto-import needs.
  # What the program does not reach is left out (--gc-sections): of our
  # archives and of the runtime, whose objects are all on the line.
  target_link_options(${target} PRIVATE -nostdlib -Wl,-e,${entry} -Wl,--disable-auto-import
                      -Wl,--disable-runtime-pseudo-reloc -Wl,--gc-sections)
  target_link_libraries(${target} PRIVATE vtcrt ${start} kernel32 user32)
  set_property(TARGET ${target} PROPERTY VT_SHIPPED ON)
endfunction()
