# Line editing at a terminal, with libedit as this machine has it. ZEMTAR_LIBEDIT chooses; when
# it is empty, the first of these that is here:
#   static  libedit and what it needs (terminfo, libbsd, libmd) linked in from their static
#           archives, so that a program loads only the C library and starts about as quickly
#           as /bin/true: the Debian package. Their licences come from their Debian packages.
#   shared  the shared libedit that pkg-config finds: most other systems.
#   none    no line editing: at a terminal, lines are read as from a pipe.
# Sets ZEMTAR_TOIMETAJA to the choice and ZEMTAR_ARHIIVID to the archives linked in.
set(ZEMTAR_LIBEDIT "" CACHE STRING "Line editing: static, shared or none (empty: the first here)")
set_property(CACHE ZEMTAR_LIBEDIT PROPERTY STRINGS "" static shared none)

set(ZEMTAR_ARHIIVID "")
foreach(kogu edit tinfo bsd md)
  find_library(ZEMTAR_LIB_${kogu} NAMES lib${kogu}.a)
  list(APPEND ZEMTAR_ARHIIVID ${ZEMTAR_LIB_${kogu}})
endforeach()
find_program(ZEMTAR_DPKG_QUERY dpkg-query)
set(arhiivid_olemas ON)
if(ZEMTAR_ARHIIVID MATCHES "NOTFOUND" OR NOT ZEMTAR_DPKG_QUERY)
  set(arhiivid_olemas OFF)
endif()
find_package(PkgConfig QUIET)
if(PKG_CONFIG_FOUND AND NOT ZEMTAR_STATIC)
  pkg_check_modules(LIBEDIT QUIET IMPORTED_TARGET libedit)
endif()

set(ZEMTAR_TOIMETAJA ${ZEMTAR_LIBEDIT})
if(NOT ZEMTAR_TOIMETAJA)
  if(arhiivid_olemas)
    set(ZEMTAR_TOIMETAJA static)
  elseif(LIBEDIT_FOUND)
    set(ZEMTAR_TOIMETAJA shared)
  else()
    set(ZEMTAR_TOIMETAJA none)
    message(STATUS "libedit not found (Debian: libedit-dev): lines at a terminal are read "
                   "without editing or history")
  endif()
endif()

if(NOT ZEMTAR_TOIMETAJA MATCHES "^(static|shared|none)$")
  message(FATAL_ERROR "ZEMTAR_LIBEDIT is static, shared, none or empty, not ${ZEMTAR_LIBEDIT}")
elseif(ZEMTAR_TOIMETAJA STREQUAL none)
  target_sources(zemtar_uhine PRIVATE src/platform/posix/toimetajata.cpp)
  set(ZEMTAR_ARHIIVID "")
  return()
endif()

target_sources(zemtar_uhine PRIVATE src/platform/posix/libedit.cpp
                                   src/platform/posix/ajaloofail.cpp)
if(ZEMTAR_TOIMETAJA STREQUAL static)
  if(NOT arhiivid_olemas)
    message(FATAL_ERROR "ZEMTAR_LIBEDIT=static needs libedit.a, libtinfo.a, libbsd.a and "
                        "libmd.a, and dpkg-query for their licences: ${ZEMTAR_ARHIIVID}")
  endif()
  target_link_libraries(zemtar_uhine PUBLIC ${ZEMTAR_ARHIIVID})
elseif(ZEMTAR_STATIC)
  message(FATAL_ERROR "ZEMTAR_STATIC links every library in: ZEMTAR_LIBEDIT=static or none")
elseif(NOT LIBEDIT_FOUND)
  message(FATAL_ERROR "ZEMTAR_LIBEDIT=shared: pkg-config does not find libedit")
else()
  target_link_libraries(zemtar_uhine PUBLIC PkgConfig::LIBEDIT)
  set(ZEMTAR_ARHIIVID "")
endif()
