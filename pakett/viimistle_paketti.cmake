# Run by CPack on the staged files before it packs them, for what Debian expects of a package
# and a plain install does not do: programs stripped as dh_strip strips them, lintian's
# overrides, manual pages and the Debian changelog compressed with gzip -9n (no name or time
# stamp inside, so the bytes are reproducible). Into any other package (the static build's
# archive) go the stripped programs and a README.
set(juur "${CPACK_TEMPORARY_INSTALL_DIRECTORY}")

function(kaivita)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE tulemus)
  if(NOT tulemus EQUAL 0)
    message(FATAL_ERROR "${ARGN} failed: ${tulemus}")
  endif()
endfunction()

# Symbols, and the compilers' version strings (.comment, .note), as dh_strip strips them.
file(GLOB programmid "${juur}/bin/*" "${juur}/*/bin/*")
if(NOT programmid)
  message(FATAL_ERROR "no programs under ${juur}")
endif()
foreach(programm IN LISTS programmid)
  kaivita(${CPACK_ZEMTAR_STRIP} --remove-section=.comment --remove-section=.note ${programm})
endforeach()

if(NOT CPACK_GENERATOR STREQUAL "DEB")
  # An archive for any Linux: the README at the top, which names the libraries linked in.
  string(REPLACE ", " "\n  " kogud "${CPACK_ZEMTAR_BUILT_USING}")
  configure_file(${CMAKE_CURRENT_LIST_DIR}/LOEMIND.in "${juur}/README" @ONLY)
  return()
endif()

# The changelog of this package, beside the copyright file; its newest entry is this version.
file(GLOB_RECURSE autorioigus "${juur}/*/share/doc/*/copyright")
list(LENGTH autorioigus n)
if(NOT n EQUAL 1)
  message(FATAL_ERROR "not one copyright file under ${juur}: ${autorioigus}")
endif()
get_filename_component(dokud "${autorioigus}" DIRECTORY)
set(versioon "${CPACK_PACKAGE_VERSION}-${CPACK_DEBIAN_PACKAGE_RELEASE}")
# Its newest entry is dated as the package's files are: SOURCE_DATE_EPOCH, see kuupaev.cmake.
string(TIMESTAMP paev "%a, %d %b %Y %H:%M:%S +0000" UTC)
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog.Debian.in "${dokud}/changelog.Debian" @ONLY)

file(GLOB_RECURSE lehed "${juur}/*.[1-9]")
list(FILTER lehed INCLUDE REGEX "/man/man[1-9]/[^/]+\\.[1-9]$")
if(NOT lehed)
  message(FATAL_ERROR "no manual pages under ${juur}")
endif()
# A page that is a link to another (zemtar-lihtne.1 to zemtar.1) becomes a link to it compressed.
foreach(fail IN LISTS lehed)
  if(IS_SYMLINK "${fail}")
    file(READ_SYMLINK "${fail}" siht)
    file(REMOVE "${fail}")
    file(CREATE_LINK "${siht}.gz" "${fail}.gz" SYMBOLIC)
  else()
    kaivita(gzip -9nf "${fail}")
  endif()
endforeach()
kaivita(gzip -9nf "${dokud}/changelog.Debian")

# Why lintian's notes on the statically linked terminal library are expected.
get_filename_component(ohitused "${dokud}/../../lintian/overrides" ABSOLUTE)
file(MAKE_DIRECTORY "${ohitused}")
file(COPY_FILE ${CMAKE_CURRENT_LIST_DIR}/lintian-overrides "${ohitused}/zemtar")
