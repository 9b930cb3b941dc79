# The build for node and the browser (emcmake cmake): the web platform's files, both programs
# as node scripts that read and write the host's files byte for byte, and both as a page each,
# zemtar.html and zemtar-lihtne.html, one file with its code inside, which opens from a folder
# or any static server and asks for nothing else, and carries the notices of what it holds.
# `cmake --build . --target arhiiv` makes zemtar-VERSION-web.zip of the pages.

target_sources(zemtar_uhine PRIVATE
  src/platform/web/platvorm.cpp
  src/platform/posix/kirjeldajad.cpp
  src/platform/posix/toimetajata.cpp)

# em++'s optimiser runs in node and needs acorn, which Debian keeps where only its own node looks.
if(EXISTS /usr/share/nodejs/acorn AND NOT DEFINED ENV{NODE_PATH})
  set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs)
endif()

# Link-time optimisation as emscripten's system libraries come prebuilt for it: full, not thin.
set(CMAKE_CXX_COMPILE_OPTIONS_IPO -flto=full)
set(CMAKE_CXX_LINK_OPTIONS_IPO -flto=full)

# Memory grows with a long line; fputc is kept from link-time optimisation, which drops it
# although the C library's stdio calls it.
add_link_options(-sALLOW_MEMORY_GROWTH=1 -Wl,-u,fputc)

# The programs for node, once CMakeLists.txt has made them: the host's files and descriptors,
# and the exit status when main returns.
cmake_language(DEFER CALL set_property TARGET zemtar zemtar-lihtne APPEND PROPERTY LINK_OPTIONS
               -sENVIRONMENT=node -sNODERAWFS=1 -sEXIT_RUNTIME=1)

# Each page: the program's code as one script, the binary inside it, put into the page
# (src/frontend/leht.html); src/frontend/leht.js in the script is what the page does.
set(leht ${PROJECT_SOURCE_DIR}/src/frontend/leht)
set(litsentsid ${PROJECT_SOURCE_DIR}/pakett/autorioigus.cmake ${PROJECT_SOURCE_DIR}/pakett/litsentsid.sh
               ${PROJECT_SOURCE_DIR}/pakett/litsentsid.awk)
foreach(programm zemtar zemtar-lihtne)
  string(REPLACE zemtar-lihtne kumnend osad ${programm})
  string(REPLACE zemtar rooma osad ${osad})
  add_executable(${programm}-leht src/frontend/leht.cpp)
  target_link_libraries(${programm}-leht PRIVATE zemtar_${osad} zemtar_uhine)
  target_link_options(${programm}-leht PRIVATE -sENVIRONMENT=web -sSINGLE_FILE=1
    -sEXPORTED_FUNCTIONS=_malloc,_free -sEXPORTED_RUNTIME_METHODS=FS
    --pre-js ${leht}.js)
  set_target_properties(${programm}-leht PROPERTIES LINK_DEPENDS ${leht}.js)
  zemtar_kaart(${programm}-leht ${programm}-leht)
  add_custom_command(OUTPUT ${programm}-litsentsid.txt
    COMMAND ${CMAKE_COMMAND} -DVALJA=${programm}-litsentsid.txt
            -DKOGUD=${CMAKE_CURRENT_BINARY_DIR}/${programm}-leht.map
            -P ${PROJECT_SOURCE_DIR}/pakett/autorioigus.cmake
    DEPENDS ${programm}-leht ${litsentsid})
  add_custom_command(OUTPUT ${programm}.html
    COMMAND ${CMAKE_COMMAND} -DPROGRAMM=${programm} -DMALL=${leht}.html
            -DKOOD=$<TARGET_FILE:${programm}-leht> -DLITSENTSID=${programm}-litsentsid.txt
            -DVERSIOON=${PROJECT_VERSION} -P ${PROJECT_SOURCE_DIR}/cmake/leht.cmake
    DEPENDS ${programm}-leht ${programm}-litsentsid.txt ${leht}.html cmake/leht.cmake
            pakett/litsentsid.html)
  list(APPEND lehed ${programm}.html)
  list(APPEND kaardid ${CMAKE_CURRENT_BINARY_DIR}/${programm}-leht.map)
endforeach()
add_custom_target(lehed ALL DEPENDS ${lehed})

# zemtar-VERSION-web.zip (`cmake --build . --target arhiiv`): both pages, the licence, the
# notices of what they hold (COPYRIGHT.txt) and a note on them.
add_custom_command(OUTPUT veeb/COPYRIGHT.txt
  COMMAND ${CMAKE_COMMAND} -DVALJA=veeb/COPYRIGHT.txt "-DKOGUD=${kaardid}"
          -P ${PROJECT_SOURCE_DIR}/pakett/autorioigus.cmake
  DEPENDS ${lehed} ${litsentsid} VERBATIM)
add_custom_target(veebi_litsentsid DEPENDS veeb/COPYRIGHT.txt)
configure_file(LICENSE veeb/LICENSE.txt COPYONLY)
configure_file(pakett/LOEMIND-veeb.txt veeb/LOEMIND.txt @ONLY)
include(${PROJECT_SOURCE_DIR}/pakett/arhiiv.cmake)
set(veeb ${CMAKE_CURRENT_BINARY_DIR}/veeb)
zemtar_arhiiv(zemtar-${PROJECT_VERSION}-web.zip . FILES ${lehed} ${veeb}/LICENSE.txt
              ${veeb}/LOEMIND.txt ${veeb}/COPYRIGHT.txt DEPENDS lehed veebi_litsentsid)
