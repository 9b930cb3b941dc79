# Puts a program's script (KOOD) into the page template (MALL) as PROGRAMM's page,
# PROGRAMM.html in the current folder, with the notices of what the program holds (LITSENTSID,
# a copyright file) in the template of pakett/litsentsid.html, readable offline:
#   cmake -DPROGRAMM=... -DMALL=... -DKOOD=... -DLITSENTSID=... -DVERSIOON=... -P leht.cmake
file(READ ${KOOD} kood)
if(kood MATCHES "</script")
  message(FATAL_ERROR "${KOOD} would end the page's script early")
endif()
set(PROJECT_VERSION ${VERSIOON})
file(READ ${LITSENTSID} tekst)
string(REPLACE "&" "&amp;" tekst "${tekst}")
string(REPLACE "<" "&lt;" tekst "${tekst}")
string(REPLACE ">" "&gt;" tekst "${tekst}")
file(READ ${CMAKE_CURRENT_LIST_DIR}/../pakett/litsentsid.html litsentsid)
string(CONFIGURE "${litsentsid}" litsentsid @ONLY)
file(READ ${MALL} leht)
string(CONFIGURE "${leht}" leht @ONLY)
string(REPLACE "{{{ LITSENTSID }}}" "${litsentsid}" leht "${leht}")
string(REPLACE "{{{ SCRIPT }}}" "<script>\n${kood}</script>" leht "${leht}")
file(WRITE ${PROGRAMM}.html "${leht}")
