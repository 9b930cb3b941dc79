# What `cmake --install` puts where (under any prefix), and the Debian package that
# `cpack -G DEB` makes of the same files. The version is project()'s and is named nowhere else.
include(GNUInstallDirs)

install(TARGETS zemtar zemtar-lihtne RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES man/zemtar.1 man/zemtar-lihtne.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The licence as Debian's machine-readable copyright file, made from LICENSE: its copyright
# line, then its text with every line indented by one blank and empty lines as " ."; Expat is
# the format's name for this text of the MIT licence.
file(READ ${PROJECT_SOURCE_DIR}/LICENSE litsents)
if(NOT litsents MATCHES "^MIT License\n\nCopyright \\(c\\) ([^\n]+)\n\n(.+[^\n])\n*$")
  message(FATAL_ERROR "LICENSE is not the MIT licence with one copyright line")
endif()
set(autorioigus "${CMAKE_MATCH_1}")
string(REPLACE "\n\n" "\n.\n" litsentsi_tekst "${CMAKE_MATCH_2}")
string(REPLACE "\n" "\n " litsentsi_tekst "${litsentsi_tekst}")
file(CONFIGURE OUTPUT copyright @ONLY CONTENT [=[
Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: @PROJECT_NAME@

Files: *
Copyright: @autorioigus@
License: Expat
 @litsentsi_tekst@
]=])
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zemtar)
set(CPACK_PACKAGE_VENDOR "zemtar maintainers")
# The team, not a person; the reserved .invalid domain says that no mailbox answers.
set(CPACK_PACKAGE_CONTACT "zemtar maintainers <maintainers@zemtar.invalid>")
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

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The Debian revision of this packaging of project()'s version; changelog.Debian names both.
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the programs link against decide the dependencies, not a list kept here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# What Debian expects of the files and a plain install does not do: see the script.
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/viimistle_paketti.cmake)
set(CPACK_ZEMTAR_STRIP ${CMAKE_STRIP})

include(CPack)
