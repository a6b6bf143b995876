# The fuzz targets, shared by the libFuzzer build (fuzz/) and the corpus replay (tests/fuzz/).
# Each name N has its source fuzz/<N>Target.cpp and its corpus fuzz/corpus/<N>/.
set(VELM_FUZZ_TARGETS AddressBook OrbiImport VCardImport CsvImport PathParts StrictInt
    ShiftJisCodec StorableText)
set(VELM_FUZZ_DIR ${CMAKE_SOURCE_DIR}/fuzz)

# The fuzz checks describe bytes and cards with the tests' support library.
if(NOT TARGET velm_test_support)
    add_subdirectory(${CMAKE_SOURCE_DIR}/tests/support ${CMAKE_BINARY_DIR}/tests/support)
endif()

# Adds to `target` what a fuzz target `name` needs besides the driver.
function(velm_fuzz_target_sources target name)
    target_sources(${target} PRIVATE ${VELM_FUZZ_DIR}/${name}Target.cpp
                                     ${VELM_FUZZ_DIR}/FuzzCheck.cpp)
    target_include_directories(${target} PRIVATE ${VELM_FUZZ_DIR})
    target_link_libraries(${target} PRIVATE velm_test_support)
endfunction()
