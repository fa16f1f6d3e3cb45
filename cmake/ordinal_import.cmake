# vt_ordinal_import(TARGET target DLL dll SYMBOL name ORDINAL n): TARGET
# imports one function of DLL by its number alone, through an import
# library of that one entry made by dlltool. SYMBOL is the name TARGET's
# code calls (a 32-bit stdcall name carries its arguments' size).
include_guard(GLOBAL)

function(vt_ordinal_import)
  cmake_parse_arguments(O "" "TARGET;DLL;SYMBOL;ORDINAL" "" ${ARGN})
  set(def ${CMAKE_CURRENT_BINARY_DIR}/${O_TARGET}_ordinal.def)
  set(lib ${CMAKE_CURRENT_BINARY_DIR}/lib${O_TARGET}_ordinal.a)
  file(WRITE ${def} "LIBRARY ${O_DLL}\nEXPORTS\n  ${O_SYMBOL} @${O_ORDINAL} NONAME\n")
  find_program(VT_DLLTOOL NAMES ${VT_MINGW_TRIPLE}-dlltool REQUIRED)
  add_custom_command(OUTPUT ${lib}
                     COMMAND ${VT_DLLTOOL} -d ${def} -l ${lib}
                     DEPENDS ${def}
                     COMMENT "Import library of ${O_DLL}'s function number ${O_ORDINAL}")
  add_custom_target(${O_TARGET}_ordinal DEPENDS ${lib})
  add_dependencies(${O_TARGET} ${O_TARGET}_ordinal)
  target_link_libraries(${O_TARGET} PRIVATE ${lib})
endfunction()
