# The zip for Windows that `cpack -G ZIP` makes, zemtar-VERSION-win64.zip: both programs, the
# licence and a note on running them, the two texts with CR LF line ends for any Windows editor
# and in ASCII, which cmd's type shows the same at every code page (.ci/windows.sh checks).
install(TARGETS zemtar zemtar-lihtne RUNTIME DESTINATION .)

function(zemtar_crlf allikas nimi)
  file(READ ${allikas} tekst)
  string(CONFIGURE "${tekst}" tekst @ONLY)
  string(REPLACE "\n" "\r\n" tekst "${tekst}")
  file(WRITE ${CMAKE_BINARY_DIR}/zip/${nimi} "${tekst}")
  install(FILES ${CMAKE_BINARY_DIR}/zip/${nimi} DESTINATION .)
endfunction()
zemtar_crlf(${PROJECT_SOURCE_DIR}/LICENSE LICENSE.txt)
zemtar_crlf(${CMAKE_CURRENT_LIST_DIR}/LOEMIND-windows.txt LOEMIND.txt)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME zemtar)
set(CPACK_PACKAGE_FILE_NAME zemtar-${PROJECT_VERSION}-win64)
set(CPACK_STRIP_FILES ON)
include(CPack)
