# Builds that check the code while it runs (both off by default):
#   ZELTO_SANITIZE=address,undefined  every target built with those sanitizers; a finding
#                                     stops the program, so a test that meets one fails
#   ZELTO_FUZZ=ON                     every target also compiled for libFuzzer's coverage
#                                     guidance, and the fuzz targets of fuzz/ built (clang)
# They apply to the whole tree, so that the Qt-free core a fuzz target or a test calls is
# checked and guided as much as the target itself. Use a build folder of their own.
set(ZELTO_SANITIZE "" CACHE STRING
    "Sanitizers to build everything with, as -fsanitize takes them (address,undefined)")
option(ZELTO_FUZZ "Build the fuzz targets, with all code compiled for coverage (clang only)" OFF)

if(ZELTO_SANITIZE)
  add_compile_options(-fsanitize=${ZELTO_SANITIZE} -fno-sanitize-recover=all
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=${ZELTO_SANITIZE})
endif()

if(ZELTO_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "ZELTO_FUZZ needs clang (-DCMAKE_CXX_COMPILER=clang++)")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()
