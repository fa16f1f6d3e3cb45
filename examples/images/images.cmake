# The demo media as images of real discs, made once the media are complete
# (included from examples/CMakeLists.txt):
#   media/vantora-cd.iso       ISO 9660 with Joliet names, volume "VANTORA",
#                              of media/cd
#   media/vantora-diskN.img    1.44 MB FAT12 floppies, volumes "VANTORA N",
#                              of media/floppy/diskN
# Every date in them is VT_MEDIA_DATE and the floppies' serial numbers are
# fixed, so that the same files always give the same images. Before an image
# is written, its folder loses whatever the build no longer puts there (left
# by an older layout of the media), so that folder and image agree.
set(VT_MEDIA_DATE 867672000 CACHE STRING "Date of every file on the demo images (seconds since 1970, UTC)")
find_program(VT_XORRISO xorriso)
find_program(VT_MFORMAT mformat)
find_program(VT_MCOPY mcopy)
if(NOT VT_XORRISO OR NOT VT_MFORMAT OR NOT VT_MCOPY)
  message(WARNING "xorriso or mtools is missing (scripts/deps.sh installs them): no disc or floppy images")
  return()
endif()

set(images ${CMAKE_CURRENT_LIST_DIR})
set(media ${CMAKE_BINARY_DIR}/media)

# vt_media_manifest(FILE ROOT PATH...): the paths below ROOT, one a line.
function(vt_media_manifest file root)
  set(lines "")
  foreach(path ${ARGN})
    file(RELATIVE_PATH rel ${root} ${path})
    string(APPEND lines "${rel}\n")
  endforeach()
  file(CONFIGURE OUTPUT ${file} CONTENT "${lines}" @ONLY)
endfunction()

set(cd_manifest ${CMAKE_CURRENT_BINARY_DIR}/images/cd.files)
vt_media_manifest(${cd_manifest} ${VT_MEDIA_CD} ${VT_CD_OUTPUTS} ${VT_PACKED_OUTPUTS})
add_custom_command(OUTPUT ${media}/vantora-cd.iso
                   COMMAND ${CMAKE_COMMAND} -DDIR=${VT_MEDIA_CD} -DKEEP=${cd_manifest} -P ${images}/prune.cmake
                   COMMAND bash ${images}/cd-image.sh ${VT_MEDIA_CD} ${media}/vantora-cd.iso VANTORA ${VT_MEDIA_DATE}
                   DEPENDS ${VT_CD_OUTPUTS} ${VT_PACKED_OUTPUTS} ${cd_manifest} ${images}/cd-image.sh
                           ${images}/prune.cmake
                   COMMENT "Writing the demo CD's image media/vantora-cd.iso" VERBATIM)
set(image_outputs ${media}/vantora-cd.iso)

foreach(n 1 2)
  set(disk ${VT_MEDIA_FLOPPY}/disk${n})
  set(disk_files)
  foreach(f ${VT_FLOPPY_OUTPUTS})
    string(FIND "${f}" "${disk}/" at)
    if(at EQUAL 0)
      list(APPEND disk_files ${f})
    endif()
  endforeach()
  set(manifest ${CMAKE_CURRENT_BINARY_DIR}/images/disk${n}.files)
  vt_media_manifest(${manifest} ${disk} ${disk_files})
  set(img ${media}/vantora-disk${n}.img)
  add_custom_command(OUTPUT ${img}
                     COMMAND ${CMAKE_COMMAND} -DDIR=${disk} -DKEEP=${manifest} -P ${images}/prune.cmake
                     COMMAND bash ${images}/floppy-image.sh ${disk} ${img} "VANTORA ${n}" 1997060${n} ${VT_MEDIA_DATE}
                     DEPENDS ${disk_files} ${manifest} ${images}/floppy-image.sh ${images}/prune.cmake
                     COMMENT "Writing the demo floppy's image media/vantora-disk${n}.img" VERBATIM)
  list(APPEND image_outputs ${img})
endforeach()

add_custom_target(demo_images ALL DEPENDS ${image_outputs})
add_dependencies(demo_images demo_media demo_packed demo_floppies)
