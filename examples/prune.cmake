# cmake -DDIR=FOLDER -DKEEP=LIST -P prune.cmake: removes every file below
# FOLDER whose path (relative to FOLDER, one a line in LIST) is not listed,
# then the folders left empty.
cmake_minimum_required(VERSION 3.20)
file(STRINGS ${KEEP} keep)
file(GLOB_RECURSE present RELATIVE ${DIR} ${DIR}/*)
foreach(rel ${present})
  if(NOT rel IN_LIST keep)
    message(STATUS "Removing ${DIR}/${rel}: the media no longer carry it")
    file(REMOVE ${DIR}/${rel})
  endif()
endforeach()
file(GLOB_RECURSE folders LIST_DIRECTORIES true RELATIVE ${DIR} ${DIR}/*)
list(SORT folders ORDER DESCENDING)  # deepest first: a/b before a
foreach(rel ${folders})
  if(IS_DIRECTORY ${DIR}/${rel})
    file(GLOB left ${DIR}/${rel}/*)
    if(NOT left)
      file(REMOVE_RECURSE ${DIR}/${rel})
    endif()
  endif()
endforeach()
