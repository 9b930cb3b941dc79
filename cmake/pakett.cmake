# What `cmake --install` puts where (under any prefix), and the Debian package that
# `cpack -G DEB` makes of the same files. The version is project()'s and is named nowhere else.
include(GNUInstallDirs)

install(TARGETS zemtar zemtar-lihtne RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES man/zemtar.1 man/zemtar-lihtne.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES LICENSE DESTINATION ${CMAKE_INSTALL_DOCDIR} RENAME copyright)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zemtar)
set(CPACK_PACKAGE_VENDOR "zemtar maintainers")
set(CPACK_PACKAGE_CONTACT "zemtar maintainers <maintainers@users.noreply.c-seed-cb2fc9ca.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "infix calculators in Estonian, with Roman numerals or decimals")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [=[
Two console calculators for infix arithmetic (+ - * / and parentheses) with
single-letter variables, evaluating an expression given on the command line,
the lines of a script file, or lines typed at the keyboard. All messages are
in Estonian.
 * zemtar reads numbers in decimal digits or as Roman numerals and prints
   every result as a Roman numeral.
 * zemtar-lihtne is the plain decimal build and prints results with six
   decimals.

Infiksavaldiste kalkulaator: zemtar loeb ja kirjutab Rooma numbreid,
zemtar-lihtne arvutab kümnendmurdudega.]=])
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the programs link against decide the dependencies, not a list kept here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# Debian keeps manual pages gzip-compressed; a plain install leaves them as they are.
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/paki_lehed.cmake)

include(CPack)
