# Run by CPack on the staged files before it packs them: compresses every manual page as
# Debian expects, with gzip -9n (no name or time stamp inside, so the bytes are reproducible).
file(GLOB_RECURSE lehed "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*.[1-9]")
list(FILTER lehed INCLUDE REGEX "/man/man[1-9]/[^/]+\\.[1-9]$")
if(NOT lehed)
  message(FATAL_ERROR "no manual pages under ${CPACK_TEMPORARY_INSTALL_DIRECTORY}")
endif()
foreach(leht IN LISTS lehed)
  execute_process(COMMAND gzip -9nf "${leht}" RESULT_VARIABLE tulemus)
  if(NOT tulemus EQUAL 0)
    message(FATAL_ERROR "gzip -9n ${leht} failed: ${tulemus}")
  endif()
endforeach()
