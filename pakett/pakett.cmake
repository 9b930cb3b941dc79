# What `cmake --install` puts where (under any prefix), and the Debian package that
# `cpack -G DEB` makes of the same files. The version is project()'s and is named nowhere else.
include(GNUInstallDirs)

install(TARGETS zemtar zemtar-lihtne RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# One manual page for both programs; zemtar-lihtne's name is a link to it (as Debian prefers a
# link to a .so page), which install() copies as a link.
file(CREATE_LINK zemtar.1 ${CMAKE_CURRENT_BINARY_DIR}/zemtar-lihtne.1 SYMBOLIC)
install(FILES man/zemtar.1 ${CMAKE_CURRENT_BINARY_DIR}/zemtar-lihtne.1
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

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
# Then what the programs owe the libraries linked in from static archives: a paragraph per
# library with the copyrights and licences that its Debian package on this machine gives, and
# the package's Built-Using field. Configuring again when an archive changes keeps them true to
# the archives used. (The GCC runtime, linked in as well, asks nothing of the programs: its
# licence's runtime library exception.)
set(kogud "")
set(built_using "")
if(ZEMTAR_ARHIIVID)
  foreach(valik "" --built-using)
    execute_process(
      COMMAND sh ${CMAKE_CURRENT_LIST_DIR}/litsentsid.sh ${valik} ${ZEMTAR_ARHIIVID}
      OUTPUT_VARIABLE valjund RESULT_VARIABLE tulemus)
    if(NOT tulemus EQUAL 0)
      message(FATAL_ERROR "the licences of ${ZEMTAR_ARHIIVID} cannot be found")
    endif()
    if(valik)
      string(STRIP "${valjund}" built_using)
    else()
      set(kogud "${valjund}")
    endif()
  endforeach()
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${ZEMTAR_ARHIIVID})
endif()
file(CONFIGURE OUTPUT copyright @ONLY CONTENT [=[
Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: @PROJECT_NAME@

Files: *
Copyright: @autorioigus@
License: Expat
 @litsentsi_tekst@
@kogud@]=])
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
# CPack has no Built-Using of its own; it writes the Source field as given, so the field
# follows on a line of its own.
if(built_using)
  set(CPACK_DEBIAN_PACKAGE_SOURCE "${CPACK_PACKAGE_NAME}\nBuilt-Using: ${built_using}")
endif()
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the programs link against decide the dependencies, not a list kept here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The static build's archive (cpack -G TGZ): zemtar-VERSION-linux-ARCH.tar.gz, whose files
# are those of `cmake --install`, with a README.
set(CPACK_PACKAGE_FILE_NAME "${PROJECT_NAME}-${PROJECT_VERSION}-linux-${CMAKE_SYSTEM_PROCESSOR}")
set(CPACK_ZEMTAR_PROTSESSOR ${CMAKE_SYSTEM_PROCESSOR})
set(CPACK_ZEMTAR_BUILT_USING "${built_using}")

# Time stamps from the last commit, for identical rebuilds: see the script.
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/kuupaev.cmake)
set(CPACK_ZEMTAR_ALLIKAS ${PROJECT_SOURCE_DIR})
# What Debian expects of the files and a plain install does not do: see the script.
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/viimistle_paketti.cmake)
set(CPACK_ZEMTAR_STRIP ${CMAKE_STRIP})

include(CPack)
