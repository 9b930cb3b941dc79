# How everything is compiled and linked: warnings, link-time optimisation, the sanitizers and
# the fuzzer's instrumentation, Debian's hardening, and no build folder in what is built. Read
# before the targets, which take these flags when they are made; zemtar_programmid() links the
# two programs once they are.

add_compile_options(-Wall -Wextra -Wpedantic)
# 32-bit x86: float arithmetic in SSE registers, which round every operation to a float as
# other machines do (src/lexer/lekseem.h refuses a build whose arithmetic would not).
# (emscripten calls its machine x86, and has float arithmetic of its own.)
if(NOT EMSCRIPTEN AND (CMAKE_SYSTEM_PROCESSOR MATCHES "^(i[3-6]86|x86)$" OR
   (CMAKE_SYSTEM_PROCESSOR MATCHES "^(x86_64|AMD64)$" AND CMAKE_SIZEOF_VOID_P EQUAL 4)))
  add_compile_options(-msse2 -mfpmath=sse)
endif()
# Link-time optimisation inlines across the evaluator's small files (stacks, token pool,
# lexer), which the work done for every token of a line needs.
if(NOT ZEMTAR_SANITIZE)
  set(CMAKE_INTERPROCEDURAL_OPTIMIZATION_RELEASE ON)
endif()
if(ZEMTAR_WERROR)
  add_compile_options(-Werror)
endif()
if(ZEMTAR_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

# The fuzz targets' instrumentation, in all code.
if(ZEMTAR_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all
                      -fno-omit-frame-pointer -g)
  add_link_options(-fsanitize=address,undefined)
endif()

# Debian's hardening: stack canaries, format strings checked, relocations read-only and bound
# at start-up, programs position-independent. glibc's checked calls need the optimiser, and the
# sanitizers intercept those calls themselves.
add_compile_options(-Wformat -Werror=format-security)
if(NOT EMSCRIPTEN)  # WebAssembly has no stack protector and no ELF relocations: cmake/web.cmake
  add_compile_options(-fstack-protector-strong)
  if(NOT WIN32)  # the PE linker has no -z options: cmake/windows.cmake
    add_link_options(-Wl,-z,relro,-z,now)
  endif()
endif()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
# No build folder in what is built, so that two builds of one commit in two places are the same.
set(kaardid -ffile-prefix-map=${PROJECT_SOURCE_DIR}=. -ffile-prefix-map=${PROJECT_BINARY_DIR}=.)
add_compile_options(${kaardid})
add_link_options(${kaardid})
include(CheckPIESupported)
check_pie_supported()
if(NOT ZEMTAR_SANITIZE AND NOT ZEMTAR_FUZZ)
  add_compile_definitions($<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
endif()

# A program's link map, NAME.map in the build folder, names every archive and start file that
# went into it, whose notices the archives it goes into carry (pakett/litsentsid.sh checks).
# em++ passes no -Map on to its linker: there, the list of what the linker read, which it
# prints, is kept instead.
function(zemtar_kaart siht nimi)
  set(kaart ${CMAKE_BINARY_DIR}/${nimi}.map)
  if(NOT EMSCRIPTEN)
    target_link_options(${siht} PRIVATE -Wl,-Map=${kaart})
    return()
  endif()
  target_link_options(${siht} PRIVATE -Wl,--trace)
  set_target_properties(${siht} PROPERTIES CXX_LINKER_LAUNCHER
    "sh;-c;exec \"$@\" >\"$0\";${kaart};${CMAKE_CXX_LINKER_LAUNCHER}")
endfunction()

# The C++ runtime is linked into the programs, so that starting one loads and relocates only
# the C library: a shell loop of "zemtar -k" then costs little more than one of /bin/true.
# ZEMTAR_STATIC links the C library in too, as a static position-independent program that
# loads nothing and runs on any Linux. -static-pie takes the C++ runtime from its static
# archive itself (GCC 12 builds a program that crashes at start when -static-libstdc++ is given
# as well), and it goes last on the line, where it overrides the -pie that CMake gives.
function(zemtar_programmid)
  foreach(programm ${ARGN})
    if(NOT EMSCRIPTEN)  # the programs for node go into no archive; the pages do (web.cmake)
      zemtar_kaart(${programm} ${programm})
    endif()
  endforeach()
  if(ZEMTAR_STATIC)
    if(ZEMTAR_SANITIZE OR ZEMTAR_FUZZ)
      message(FATAL_ERROR "ZEMTAR_STATIC: the sanitizers' runtimes are not linked statically")
    endif()
    # Plain static where the C library has no static-pie start (s390x).
    include(CheckLinkerFlag)
    check_linker_flag(CXX -static-pie ZEMTAR_STATIC_PIE)
    set(staatiline -static)
    if(ZEMTAR_STATIC_PIE)
      set(staatiline -static-pie)
    endif()
    foreach(programm ${ARGN})
      target_link_libraries(${programm} PRIVATE ${staatiline})
    endforeach()
    # Built for another machine, the tests are static too: its loader is not here.
    if(CMAKE_CROSSCOMPILING)
      link_libraries(${staatiline})
    endif()
    # The C library's notices go with the programs as the other archives' do, and the GCC
    # runtime's word that it needs none (pakett/pakett.cmake).
    foreach(kogu libc.a libstdc++.a libgcc.a libgcc_eh.a)
      execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${kogu}
                      OUTPUT_VARIABLE fail OUTPUT_STRIP_TRAILING_WHITESPACE)
      list(APPEND ZEMTAR_ARHIIVID ${fail})
    endforeach()
    set(ZEMTAR_ARHIIVID ${ZEMTAR_ARHIIVID} PARENT_SCOPE)
  elseif(NOT ZEMTAR_SANITIZE AND NOT EMSCRIPTEN)
    foreach(programm ${ARGN})
      target_link_options(${programm} PRIVATE -static-libstdc++ -static-libgcc)
    endforeach()
  endif()
endfunction()
