# Packed files of the demo media, made at build time by the host's vtpack
# from sources in this folder:
#   client.z    every file below client/, with their relative paths
#   VTScreen.z  the setup screen's background picture as "Screen.qrm"
#
# The Win32 tree cannot run what it builds for Windows, so it needs a
# vtpack built for the build machine: VT_HOST_VTPACK names one (a native
# tree's, say); otherwise one is compiled here with the host's compiler from
# the same sources.
set(VT_HOST_VTPACK "" CACHE FILEPATH "vtpack built for the build machine (empty: compile one)")
if(VT_HOST_VTPACK)
  set(VT_VTPACK ${VT_HOST_VTPACK})
  set(vtpack_dep ${VT_HOST_VTPACK})
else()
  find_program(VT_HOST_CXX NAMES c++ g++ clang++ REQUIRED)
  file(GLOB vtpack_sources CONFIGURE_DEPENDS ${VT_ROOT}/tools/vtpack/*.cpp ${VT_ROOT}/core/dcl/*.cpp
       ${VT_ROOT}/core/archive/*.cpp ${VT_ROOT}/core/io/*.cpp)
  file(GLOB vtpack_headers CONFIGURE_DEPENDS ${VT_ROOT}/tools/vtpack/*.h ${VT_ROOT}/core/dcl/*.h
       ${VT_ROOT}/core/archive/*.h ${VT_ROOT}/core/io/*.h)
  set(VT_VTPACK ${CMAKE_CURRENT_BINARY_DIR}/vtpack-host)
  add_custom_command(OUTPUT ${VT_VTPACK}
                     COMMAND ${VT_HOST_CXX} -std=c++17 -O2 -I${VT_ROOT} ${vtpack_sources} -o ${VT_VTPACK}
                     DEPENDS ${vtpack_sources} ${vtpack_headers}
                     COMMENT "Building vtpack for the build machine")
  set(vtpack_dep ${VT_VTPACK})
endif()

# Included from examples/CMakeLists.txt: the archives go beside the setup
# program, into VT_MEDIA_SETUP.
set(packed ${CMAKE_CURRENT_LIST_DIR})

# client.z: path names, so the help folder comes out as a folder.
file(GLOB_RECURSE client_files CONFIGURE_DEPENDS RELATIVE ${packed}/client ${packed}/client/*)
list(SORT client_files)
set(client_sources)
foreach(f ${client_files})
  list(APPEND client_sources ${packed}/client/${f})
endforeach()
add_custom_command(OUTPUT ${VT_MEDIA_SETUP}/client.z
                   COMMAND ${CMAKE_COMMAND} -E make_directory ${VT_MEDIA_SETUP}
                   COMMAND ${VT_VTPACK} create --paths --literals ascii ${VT_MEDIA_SETUP}/client.z ${client_files}
                   WORKING_DIRECTORY ${packed}/client
                   DEPENDS ${client_sources} ${vtpack_dep} VERBATIM)

# VTScreen.z: the background picture that the picture generator draws, an
# 8-bit 640 x 480 bitmap in 176 colours (a night-blue sky over a horizon of
# light; the logo's colours fit after them in a 256-colour palette), packed
# under its 8.3 name.
set(screen ${CMAKE_CURRENT_BINARY_DIR}/screen/Screen.qrm)
add_custom_command(OUTPUT ${screen}
                   COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/screen
                   COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_BINARY_DIR}/pictures/screen.bmp ${screen}
                   DEPENDS vt_pictures ${CMAKE_BINARY_DIR}/pictures/screen.bmp VERBATIM)
add_custom_command(OUTPUT ${VT_MEDIA_SETUP}/VTScreen.z
                   COMMAND ${CMAKE_COMMAND} -E make_directory ${VT_MEDIA_SETUP}
                   COMMAND ${VT_VTPACK} create ${VT_MEDIA_SETUP}/VTScreen.z Screen.qrm
                   WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/screen
                   DEPENDS ${screen} ${vtpack_dep} VERBATIM)

set(VT_PACKED_OUTPUTS ${VT_MEDIA_SETUP}/client.z ${VT_MEDIA_SETUP}/VTScreen.z)
add_custom_target(demo_packed ALL DEPENDS ${VT_PACKED_OUTPUTS})
