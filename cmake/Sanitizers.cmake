# Instrumented builds.
#
# VELM_SANITIZE: every target built with AddressSanitizer and UndefinedBehaviorSanitizer; any
# finding stops the program. scripts/sanitize runs the whole test suite this way.
#
# VELM_FUZZ: clang only. Everything is instrumented for libFuzzer's coverage and the same
# sanitizers, and the fuzz programs in fuzz/ are added. scripts/fuzz builds and runs them.

option(VELM_SANITIZE "Build everything with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(VELM_FUZZ "Build the libFuzzer programs in fuzz/ (clang)" OFF)

set(VELM_SANITIZER_FLAGS -fsanitize=address,undefined -fno-omit-frame-pointer
                         -fno-sanitize-recover=undefined)

if(VELM_SANITIZE)
    add_compile_options(${VELM_SANITIZER_FLAGS})
    add_link_options(${VELM_SANITIZER_FLAGS})
endif()

if(VELM_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "VELM_FUZZ needs clang: configure with -DCMAKE_CXX_COMPILER=clang++")
    endif()
    add_compile_options(-fsanitize=fuzzer-no-link ${VELM_SANITIZER_FLAGS})
    add_link_options(${VELM_SANITIZER_FLAGS})
    add_subdirectory(${CMAKE_SOURCE_DIR}/fuzz ${CMAKE_BINARY_DIR}/fuzz)
endif()
