# cmake -DDIR=FOLDER -P unmarked_media.cmake: removes FOLDER when it holds
# no marker of vtmedia's (vtmedia-made.txt): the build's media folder as an
# older build left it, which vtmedia would refuse to replace.
cmake_minimum_required(VERSION 3.20)
if(EXISTS ${DIR} AND NOT EXISTS ${DIR}/vtmedia-made.txt)
  message(STATUS "Removing ${DIR}: made before vtmedia marked its media")
  file(REMOVE_RECURSE ${DIR})
endif()
