# vt_host_program(OUTPUT path NAME name OPT level SOURCES src... DEPENDS file...):
# a rule that compiles SOURCES into a program for the build machine with
# its own compiler, for the Windows trees, which cannot run what they build.
# Used by the asset generators (cmake/asset_generator.cmake) and the
# provider's tools that make the demo media (examples/host_tools.cmake).
include_guard(GLOBAL)

function(vt_host_program)
  cmake_parse_arguments(H "" "OUTPUT;NAME;OPT" "SOURCES;DEPENDS" ${ARGN})
  find_program(VT_HOST_CXX NAMES c++ g++ clang++ REQUIRED)
  add_custom_command(OUTPUT ${H_OUTPUT}
                     COMMAND ${VT_HOST_CXX} -std=c++17 -O${H_OPT} -I${VT_ROOT} ${H_SOURCES} -o ${H_OUTPUT}
                     DEPENDS ${H_SOURCES} ${H_DEPENDS}
                     COMMENT "Building ${H_NAME} for the build machine")
endfunction()
