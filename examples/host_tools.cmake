# The provider's tools for the build machine, which makes the demo media
# with them: VT_VTMEDIA (and VT_VTMEDIA_DEP to depend on), and VT_VTPACK for
# the tests that pack media of their own.
#
# A native tree has them as targets. The Windows trees cannot run what they
# build, so there they are compiled with the build machine's compiler from
# the same sources; VT_HOST_VTMEDIA and VT_HOST_VTPACK name ones you have
# instead (a native tree's, say).
set(VT_HOST_VTMEDIA "" CACHE FILEPATH "vtmedia built for the build machine (empty: compile one)")
set(VT_HOST_VTPACK "" CACHE FILEPATH "vtpack built for the build machine (empty: compile one)")

# vt_host_tool(VAR NAME SOURCE_GLOB...): VAR and VAR_DEP, the host program.
include(${VT_ROOT}/cmake/host_program.cmake)

function(vt_host_tool var name)
  set(sources)
  set(headers)
  foreach(dir ${ARGN})
    file(GLOB s CONFIGURE_DEPENDS ${VT_ROOT}/${dir}/*.cpp)
    file(GLOB h CONFIGURE_DEPENDS ${VT_ROOT}/${dir}/*.h)
    list(APPEND sources ${s})
    list(APPEND headers ${h})
  endforeach()
  # One main(): the tool's own, not the others' it borrows code from.
  list(FILTER sources EXCLUDE REGEX "/tools/(vtpack|cfgcheck)/main\\.cpp$")
  if(name STREQUAL "vtpack")
    list(FILTER sources EXCLUDE REGEX "/tools/(vtmedia|cfgcheck)/")
    file(GLOB main ${VT_ROOT}/tools/vtpack/main.cpp)
    list(APPEND sources ${main})
  endif()
  set(out ${CMAKE_CURRENT_BINARY_DIR}/${name}-host)
  vt_host_program(OUTPUT ${out} NAME ${name} OPT 2 SOURCES ${sources} DEPENDS ${headers})
  set(${var} ${out} PARENT_SCOPE)
  set(${var}_DEP ${out} PARENT_SCOPE)
endfunction()

set(vt_tool_code core/dcl core/archive core/io core/config core/check core/log core/paths core/sync core/text
    tools/vtpack)
if(VT_HOST_VTMEDIA)
  set(VT_VTMEDIA ${VT_HOST_VTMEDIA})
  set(VT_VTMEDIA_DEP ${VT_HOST_VTMEDIA})
elseif(NOT CMAKE_CROSSCOMPILING)
  set(VT_VTMEDIA $<TARGET_FILE:vtmedia>)
  set(VT_VTMEDIA_DEP vtmedia)
else()
  vt_host_tool(VT_VTMEDIA vtmedia ${vt_tool_code} core/launcher core/dib tools/cfgcheck tools/vtmedia)
endif()
if(VT_HOST_VTPACK)
  set(VT_VTPACK ${VT_HOST_VTPACK})
elseif(NOT CMAKE_CROSSCOMPILING)
  set(VT_VTPACK $<TARGET_FILE:vtpack>)
else()
  vt_host_tool(VT_VTPACK vtpack core/dcl core/archive core/io tools/vtpack)
  add_custom_target(vt_host_vtpack ALL DEPENDS ${VT_VTPACK})
endif()
