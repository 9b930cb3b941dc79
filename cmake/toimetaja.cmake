# Line editing at a terminal, with libedit as this machine has it. ZEMTAR_LIBEDIT chooses; when
# it is empty, the first of these that is here:
#   dlopen  the shared libedit that pkg-config finds, opened only when a terminal is read
#           (src/platform/posix/libedit_laaditav.cpp), so that a run with -k or -f loads only
#           the C library and starts about as quickly as /bin/true; where the library is
#           missing, lines are read without editing. The Debian package (debian/rules).
#   static  libedit and what it needs (terminfo, libbsd, libmd) linked in from their static
#           archives: the static build for any Linux. Their licences come from their Debian
#           packages (dpkg-query).
#   shared  the shared libedit that pkg-config finds, loaded when the program starts.
#   none    no line editing: at a terminal, lines are read as from a pipe.
# Sets ZEMTAR_TOIMETAJA to the choice and ZEMTAR_ARHIIVID to the archives linked in.
set(ZEMTAR_LIBEDIT "" CACHE STRING
    "Line editing: dlopen, static, shared or none (empty: the first here)")
set_property(CACHE ZEMTAR_LIBEDIT PROPERTY STRINGS "" dlopen static shared none)

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
# dlopen: in the C library itself, or (older C libraries) in libdl.
include(CheckCXXSymbolExists)
check_cxx_symbol_exists(dlopen dlfcn.h ZEMTAR_DLOPEN_LIBC)

set(ZEMTAR_TOIMETAJA ${ZEMTAR_LIBEDIT})
if(NOT ZEMTAR_TOIMETAJA)
  if(LIBEDIT_FOUND AND (ZEMTAR_DLOPEN_LIBC OR CMAKE_DL_LIBS))
    set(ZEMTAR_TOIMETAJA dlopen)
  elseif(arhiivid_olemas)
    set(ZEMTAR_TOIMETAJA static)
  else()
    set(ZEMTAR_TOIMETAJA none)
    message(STATUS "libedit not found (Debian: libedit-dev): lines at a terminal are read "
                   "without editing or history")
  endif()
endif()

if(NOT ZEMTAR_TOIMETAJA MATCHES "^(dlopen|static|shared|none)$")
  message(FATAL_ERROR "ZEMTAR_LIBEDIT is dlopen, static, shared, none or empty, not "
                      "${ZEMTAR_LIBEDIT}")
elseif(ZEMTAR_TOIMETAJA STREQUAL none)
  target_sources(zemtar_uhine PRIVATE src/platform/posix/toimetajata.cpp)
  set(ZEMTAR_ARHIIVID "")
  return()
elseif(ZEMTAR_STATIC AND NOT ZEMTAR_TOIMETAJA STREQUAL static)
  message(FATAL_ERROR "ZEMTAR_STATIC links every library in: ZEMTAR_LIBEDIT=static or none")
elseif(NOT ZEMTAR_TOIMETAJA STREQUAL static AND NOT LIBEDIT_FOUND)
  message(FATAL_ERROR "ZEMTAR_LIBEDIT=${ZEMTAR_TOIMETAJA}: pkg-config does not find libedit")
endif()

target_sources(zemtar_uhine PRIVATE src/platform/posix/libedit.cpp
                                   src/platform/posix/ajaloofail.cpp)
if(ZEMTAR_TOIMETAJA STREQUAL static)
  if(NOT arhiivid_olemas)
    message(FATAL_ERROR "ZEMTAR_LIBEDIT=static needs libedit.a, libtinfo.a, libbsd.a and "
                        "libmd.a, and dpkg-query for their licences: ${ZEMTAR_ARHIIVID}")
  endif()
  target_link_libraries(zemtar_uhine PUBLIC ${ZEMTAR_ARHIIVID})
  return()
endif()
set(ZEMTAR_ARHIIVID "")
if(ZEMTAR_TOIMETAJA STREQUAL shared)
  target_link_libraries(zemtar_uhine PUBLIC PkgConfig::LIBEDIT)
  return()
endif()

# dlopen: libedit's header only, and the library's name as its file names itself (SONAME).
set(ZEMTAR_LIBEDIT_SO libedit.so.2)
list(FILTER LIBEDIT_LINK_LIBRARIES INCLUDE REGEX "libedit")
if(CMAKE_READELF AND LIBEDIT_LINK_LIBRARIES)
  execute_process(COMMAND ${CMAKE_READELF} -d ${LIBEDIT_LINK_LIBRARIES} OUTPUT_VARIABLE d
                  ERROR_QUIET)
  if(d MATCHES "\\(SONAME\\)[^[]*\\[([^]]+)\\]")
    set(ZEMTAR_LIBEDIT_SO ${CMAKE_MATCH_1})
  endif()
endif()
target_sources(zemtar_uhine PRIVATE src/platform/posix/libedit_laaditav.cpp)
set_source_files_properties(src/platform/posix/libedit_laaditav.cpp PROPERTIES
  COMPILE_DEFINITIONS ZEMTAR_LIBEDIT_SO="${ZEMTAR_LIBEDIT_SO}")
target_include_directories(zemtar_uhine PUBLIC ${LIBEDIT_INCLUDE_DIRS})
if(NOT ZEMTAR_DLOPEN_LIBC)
  target_link_libraries(zemtar_uhine PUBLIC ${CMAKE_DL_LIBS})
endif()
