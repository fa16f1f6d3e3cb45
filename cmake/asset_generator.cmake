# vt_asset_generator: a tool that writes generated files (pictures, movies,
# sounds) into a folder of the build tree, and the target that runs it.
#   vt_asset_generator(TARGET target TOOL name DIR folder FILES file...
#                      SOURCES src...        the tool's own sources
#                      LINK lib...           what the native tool links
#                      HOST_SOURCES src...   the same code as sources, for a cross build
#                      HOST_DEPENDS file...  headers the cross build depends on
#                      COMMENT text)
# A native tree builds the tool as a target. The Windows trees need the
# files while they build (resources, the demo media) and cannot run what
# they build, so there the tool is compiled for the build machine with its
# own compiler.
include(${CMAKE_CURRENT_LIST_DIR}/host_program.cmake)

function(vt_asset_generator)
  cmake_parse_arguments(G "" "TARGET;TOOL;DIR;COMMENT" "FILES;SOURCES;LINK;HOST_SOURCES;HOST_DEPENDS" ${ARGN})
  list(TRANSFORM G_FILES PREPEND ${G_DIR}/ OUTPUT_VARIABLE paths)
  if(NOT CMAKE_CROSSCOMPILING)
    add_executable(${G_TOOL} ${G_SOURCES})
    target_link_libraries(${G_TOOL} PRIVATE ${G_LINK})
    set(generator $<TARGET_FILE:${G_TOOL}>)
    set(generator_dep ${G_TOOL})
  else()
    set(sources)
    foreach(src ${G_SOURCES} ${G_HOST_SOURCES})
      if(NOT IS_ABSOLUTE ${src})
        set(src ${CMAKE_CURRENT_SOURCE_DIR}/${src})
      endif()
      list(APPEND sources ${src})
    endforeach()
    set(generator ${CMAKE_CURRENT_BINARY_DIR}/${G_TOOL}-host)
    vt_host_program(OUTPUT ${generator} NAME ${G_TOOL} OPT 1 SOURCES ${sources} DEPENDS ${G_HOST_DEPENDS})
    set(generator_dep ${generator})
  endif()
  add_custom_command(OUTPUT ${paths}
                     COMMAND ${CMAKE_COMMAND} -E make_directory ${G_DIR}
                     COMMAND ${generator} ${G_DIR}
                     DEPENDS ${generator_dep}
                     COMMENT "${G_COMMENT}")
  add_custom_target(${G_TARGET} ALL DEPENDS ${paths})
endfunction()
