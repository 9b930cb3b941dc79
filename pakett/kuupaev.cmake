# Read by cpack before it packs: every time stamp of a package (its files, the archive's
# members, the changelog's newest entry) is the time of the last commit, so that two builds of
# one commit, wherever and whenever they are made, give the same bytes. A SOURCE_DATE_EPOCH set
# by whoever packs is kept.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  execute_process(COMMAND git log -1 --format=%ct WORKING_DIRECTORY "${CPACK_ZEMTAR_ALLIKAS}"
                  OUTPUT_VARIABLE aeg OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  if(aeg MATCHES "^[0-9]+$")
    set(ENV{SOURCE_DATE_EPOCH} ${aeg})
  else()
    message(STATUS "no git history in ${CPACK_ZEMTAR_ALLIKAS}: time stamps are the time of packing")
  endif()
endif()
