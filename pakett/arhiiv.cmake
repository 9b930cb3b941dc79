# zemtar_arhiiv(ARCHIVE FOLDER [INSTALL] [FILES file...] [PROGRAMS name...] [DEPENDS target...])
# makes the target `arhiiv`, which writes ARCHIVE (a .zip or .tar.gz, in the build folder) of
# one FOLDER (or "." for none): what `cmake --install` puts there when INSTALL is given, and
# the FILES, the PROGRAMS in it stripped as Debian strips them (symbols, and the compilers'
# version strings in .comment and .note). pakett/arhiiv.py packs it, the same bytes wherever,
# whenever and by whomever it is made.
find_program(ZEMTAR_PYTHON NAMES python3 python)
function(zemtar_arhiiv arhiiv kaust)
  cmake_parse_arguments(PARSE_ARGV 2 a "INSTALL" "" "FILES;PROGRAMS;DEPENDS")
  set(ajutine ${CMAKE_BINARY_DIR}/arhiiv)
  set(sihtkoht ${ajutine}/${kaust})
  set(kasud COMMAND ${CMAKE_COMMAND} -E rm -rf ${ajutine}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${sihtkoht})
  if(a_INSTALL)
    list(APPEND kasud COMMAND ${CMAKE_COMMAND} --install ${CMAKE_BINARY_DIR} --prefix ${sihtkoht})
  endif()
  if(a_FILES)
    list(APPEND kasud COMMAND ${CMAKE_COMMAND} -E copy ${a_FILES} ${sihtkoht})
  endif()
  foreach(programm ${a_PROGRAMS})
    list(APPEND kasud COMMAND ${CMAKE_STRIP} --strip-all --remove-section=.comment
                              --remove-section=.note ${sihtkoht}/${programm})
  endforeach()
  add_custom_target(arhiiv ${kasud}
    COMMAND ${ZEMTAR_PYTHON} ${PROJECT_SOURCE_DIR}/pakett/arhiiv.py ${CMAKE_BINARY_DIR}/${arhiiv}
            ${ajutine}
    COMMENT "Packing ${arhiiv}" VERBATIM)
  if(a_DEPENDS)
    add_dependencies(arhiiv ${a_DEPENDS})
  endif()
endfunction()
