# Puts a program's script (KOOD) into the page template (MALL) as PROGRAMM's page,
# PROGRAMM.html in the current folder: cmake -DPROGRAMM=... -DMALL=... -DKOOD=... -P leht.cmake
file(READ ${KOOD} kood)
if(kood MATCHES "</script")
  message(FATAL_ERROR "${KOOD} would end the page's script early")
endif()
file(READ ${MALL} leht)
string(CONFIGURE "${leht}" leht @ONLY)
string(REPLACE "{{{ SCRIPT }}}" "<script>\n${kood}</script>" leht "${leht}")
file(WRITE ${PROGRAMM}.html "${leht}")
