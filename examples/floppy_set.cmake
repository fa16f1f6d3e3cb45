# The floppy set: build/<tree>/media/floppy/disk1 and disk2, each with its
# label file and the setup program at its root, filled from the setup's
# folder of the CD as built (included from examples/CMakeLists.txt).
set(VT_MEDIA_FLOPPY ${CMAKE_BINARY_DIR}/media/floppy)
set(disk1 ${VT_MEDIA_FLOPPY}/disk1)
set(VT_FLOPPY_OUTPUTS ${disk1}/setup.cfg)
add_custom_command(OUTPUT ${disk1}/setup.cfg
                   COMMAND ${CMAKE_COMMAND} -E make_directory ${disk1}
                   COMMAND ${CMAKE_COMMAND} -DCFG=${CMAKE_CURRENT_SOURCE_DIR}/cd/Brightwall/setup.cfg
                           -DOUT=${disk1}/setup.cfg -P ${CMAKE_CURRENT_SOURCE_DIR}/floppy.cmake
                   DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/cd/Brightwall/setup.cfg ${CMAKE_CURRENT_SOURCE_DIR}/floppy.cmake
                   VERBATIM)
# The label files, written when the tree is configured (only when they
# change, so that the images are not made again at every configuration).
foreach(n 1 2)
  set(label_file ${VT_MEDIA_FLOPPY}/disk${n}/qrm.d0${n})
  set(label "Vantora setup disk ${n}\r\n")
  # Compared as hex: file(READ) as text drops the CR.
  string(HEX "${label}" wanted)
  set(written "")
  if(EXISTS ${label_file})
    file(READ ${label_file} written HEX)
  endif()
  if(NOT written STREQUAL wanted)
    file(WRITE ${label_file} "${label}")
  endif()
  list(APPEND VT_FLOPPY_OUTPUTS ${label_file})
endforeach()
# What each disk carries besides. Disk 1 holds what the setup needs to start
# and what the section of disk 1 copies; setup.ini goes on the last disk,
# since the setup reads it from the drive once the last disk section has
# run. The splash picture does not fit beside the setup on disk 1: a floppy
# installation opens with the picture built into the program.
set(disk1_files setup.exe QRMGUI.dll VTScreen.z readme.txt bin/vantora.exe)
set(disk2_files access.dll setup.ini client.z vantora.reg tools/tools.txt tools/setup.exe browser/setup.exe)
# The programs go onto the floppies without their debugging information
# (the CD keeps it, for the tests' backtraces): a 1.44 MB disk holds the
# setup program and its picture library only so.
foreach(n 1 2)
  foreach(f ${disk${n}_files})
    set(src ${VT_MEDIA_SETUP}/${f})
    set(dest ${VT_MEDIA_FLOPPY}/disk${n}/${f})
    if(f MATCHES "\\.(exe|dll)$")
      set(put ${CMAKE_STRIP} --strip-all -o ${dest} ${src})
    else()
      set(put ${CMAKE_COMMAND} -E copy ${src} ${dest})
    endif()
    get_filename_component(dir ${dest} DIRECTORY)
    add_custom_command(OUTPUT ${dest}
                       COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
                       COMMAND ${put}
                       DEPENDS ${src} VERBATIM)
    list(APPEND VT_FLOPPY_OUTPUTS ${dest})
  endforeach()
endforeach()

add_custom_target(demo_floppies ALL DEPENDS ${VT_FLOPPY_OUTPUTS})
add_dependencies(demo_floppies demo_media demo_packed)
