# What the demo media's archives are packed from, put into the source
# folder's packed/ (vtmedia.ini names them):
#   packed/client/   every file below client/ here, packed with their paths
#                    into client.z
#   packed/screen/Screen.qrm
#                    the setup screen's background picture that the
#                    picture generator draws, an 8-bit 640 x 480 bitmap in
#                    176 colours (a night-blue sky over a horizon of light;
#                    the logo's colours fit after them in a 256-colour
#                    palette), packed under its 8.3 name into VTScreen.z
# Sets VT_PACKED_SOURCES (included from examples/CMakeLists.txt).
set(packed ${CMAKE_CURRENT_LIST_DIR})
set(VT_PACKED_SOURCES)
file(GLOB_RECURSE client_files CONFIGURE_DEPENDS RELATIVE ${packed}/client ${packed}/client/*)
foreach(f ${client_files})
  set(dest ${VT_MEDIA_SOURCE}/packed/client/${f})
  add_custom_command(OUTPUT ${dest} COMMAND ${CMAKE_COMMAND} -E copy ${packed}/client/${f} ${dest}
                     DEPENDS ${packed}/client/${f} VERBATIM)
  list(APPEND VT_PACKED_SOURCES ${dest})
endforeach()
set(screen ${VT_MEDIA_SOURCE}/packed/screen/Screen.qrm)
add_custom_command(OUTPUT ${screen}
                   COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_BINARY_DIR}/pictures/screen.bmp ${screen}
                   DEPENDS vt_pictures ${CMAKE_BINARY_DIR}/pictures/screen.bmp VERBATIM)
list(APPEND VT_PACKED_SOURCES ${screen})
