# What `cmake --install` puts where (under any prefix), and the static build's archive of the
# same files. The version is project()'s and is named nowhere else.
include(GNUInstallDirs)

install(TARGETS zemtar zemtar-lihtne RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# One manual page for both programs; zemtar-lihtne's name is a link to it (as Debian prefers a
# link to a .so page), which install() copies as a link.
file(CREATE_LINK zemtar.1 ${CMAKE_CURRENT_BINARY_DIR}/zemtar-lihtne.1 SYMBOLIC)
install(FILES man/zemtar.1 ${CMAKE_CURRENT_BINARY_DIR}/zemtar-lihtne.1
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The copyright file, and what the programs owe the libraries linked in from static archives: a
# paragraph per library with the copyrights and licences that its Debian package on this
# machine gives, and their source packages, which the static archive's README names.
# Configuring again when an archive changes keeps them true to the archives used.
set(VALJA ${CMAKE_CURRENT_BINARY_DIR}/copyright)
set(KOGUD ${ZEMTAR_ARHIIVID})
include(${CMAKE_CURRENT_LIST_DIR}/autorioigus.cmake)
set(built_using "")
if(ZEMTAR_ARHIIVID)
  execute_process(COMMAND sh ${CMAKE_CURRENT_LIST_DIR}/litsentsid.sh --built-using ${ZEMTAR_ARHIIVID}
                  OUTPUT_VARIABLE built_using OUTPUT_STRIP_TRAILING_WHITESPACE)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${ZEMTAR_ARHIIVID})
endif()
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

# The static build's archive, zemtar-VERSION-linux-ARCH.tar.gz (`cmake --build . --target
# arhiiv`): the files of `cmake --install` in a folder of that name, with a README that names
# the Debian sources of the libraries linked in. (The Debian package is built from debian/.)
if(NOT ZEMTAR_STATIC)
  return()
endif()
set(nimi ${PROJECT_NAME}-${PROJECT_VERSION}-linux-${CMAKE_SYSTEM_PROCESSOR})
string(REPLACE ", " "\n  " kogud "${built_using}")
configure_file(${CMAKE_CURRENT_LIST_DIR}/LOEMIND.in ${CMAKE_CURRENT_BINARY_DIR}/README @ONLY)
include(${CMAKE_CURRENT_LIST_DIR}/arhiiv.cmake)
zemtar_arhiiv(${nimi}.tar.gz ${nimi} INSTALL FILES ${CMAKE_CURRENT_BINARY_DIR}/README
              PROGRAMS bin/zemtar bin/zemtar-lihtne DEPENDS zemtar zemtar-lihtne)
