# Writes the copyright file VALJA: LICENSE in Debian's machine-readable format (its copyright
# line, its text as the Expat licence, which is the format's name for this text of the MIT
# licence), then what the programs owe the libraries linked into them, from the archives or
# link maps in KOGUD (pakett/litsentsid.sh). With CRLF set, every line ends in CR LF.
# Included when configuring, with these variables set, or run once the programs are linked:
#   cmake -DVALJA=FILE "-DKOGUD=MAP;..." [-DCRLF=ON] -P pakett/autorioigus.cmake
get_filename_component(allikas ${CMAKE_CURRENT_LIST_DIR}/.. ABSOLUTE)
file(READ ${allikas}/LICENSE litsents)
if(NOT litsents MATCHES "^MIT License\n\nCopyright \\(c\\) ([^\n]+)\n\n(.+[^\n])\n*$")
  message(FATAL_ERROR "LICENSE is not the MIT licence with one copyright line")
endif()
set(autorioigus "${CMAKE_MATCH_1}")
string(REPLACE "\n\n" "\n.\n" litsentsi_tekst "${CMAKE_MATCH_2}")
string(REPLACE "\n" "\n " litsentsi_tekst "${litsentsi_tekst}")

set(kogud "")
if(KOGUD)
  execute_process(COMMAND sh ${CMAKE_CURRENT_LIST_DIR}/litsentsid.sh ${KOGUD}
                  OUTPUT_VARIABLE kogud RESULT_VARIABLE tulemus)
  if(NOT tulemus EQUAL 0)
    message(FATAL_ERROR "the licences of ${KOGUD} cannot be found")
  endif()
endif()
string(CONFIGURE [=[
Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: zemtar

Files: *
Copyright: @autorioigus@
License: Expat
 @litsentsi_tekst@
@kogud@]=] tekst @ONLY)
if(CRLF)
  string(REPLACE "\n" "\r\n" tekst "${tekst}")
endif()
file(WRITE ${VALJA} "${tekst}")
