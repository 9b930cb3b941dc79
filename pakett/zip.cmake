# The zip for Windows, zemtar-VERSION-win64.zip (`cmake --build . --target arhiiv`): both
# programs in a folder of that name, the licence, the notices of what the programs link in
# (COPYRIGHT.txt, from their link maps once they are linked) and a note on running them, the
# texts with CR LF line ends for any Windows editor (.ci/windows.sh checks).
install(TARGETS zemtar zemtar-lihtne RUNTIME DESTINATION .)
# Stripped as they are linked: strip would write its own time into them.
foreach(programm zemtar zemtar-lihtne)
  target_link_options(${programm} PRIVATE -s)
endforeach()

function(zemtar_crlf allikas nimi)
  file(READ ${allikas} tekst)
  string(CONFIGURE "${tekst}" tekst @ONLY)
  string(REPLACE "\n" "\r\n" tekst "${tekst}")
  file(WRITE ${CMAKE_BINARY_DIR}/zip/${nimi} "${tekst}")
  install(FILES ${CMAKE_BINARY_DIR}/zip/${nimi} DESTINATION .)
endfunction()
zemtar_crlf(${PROJECT_SOURCE_DIR}/LICENSE LICENSE.txt)
zemtar_crlf(${CMAKE_CURRENT_LIST_DIR}/LOEMIND-windows.txt LOEMIND.txt)

set(kaardid ${CMAKE_BINARY_DIR}/zemtar.map ${CMAKE_BINARY_DIR}/zemtar-lihtne.map)
add_custom_command(OUTPUT zip/COPYRIGHT.txt
  COMMAND ${CMAKE_COMMAND} -DVALJA=zip/COPYRIGHT.txt "-DKOGUD=${kaardid}" -DCRLF=ON
          -P ${CMAKE_CURRENT_LIST_DIR}/autorioigus.cmake
  DEPENDS zemtar zemtar-lihtne ${CMAKE_CURRENT_LIST_DIR}/autorioigus.cmake
          ${CMAKE_CURRENT_LIST_DIR}/litsentsid.sh ${CMAKE_CURRENT_LIST_DIR}/litsentsid.awk
  VERBATIM)
add_custom_target(autorioigus ALL DEPENDS zip/COPYRIGHT.txt)
install(FILES ${CMAKE_BINARY_DIR}/zip/COPYRIGHT.txt DESTINATION .)

include(${CMAKE_CURRENT_LIST_DIR}/arhiiv.cmake)
set(nimi zemtar-${PROJECT_VERSION}-win64)
zemtar_arhiiv(${nimi}.zip ${nimi} INSTALL DEPENDS zemtar zemtar-lihtne autorioigus)
