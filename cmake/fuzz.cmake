# Fuzzing the platform-free rules: the targets of tests/fuzz are built with
# clang (libFuzzer, address and undefined-behaviour sanitizers) as a project
# of their own. CTest runs each for a few seconds from its committed seed
# corpus, so a regression fails the tests; `make fuzz` runs them longer.
find_program(CLANGXX clang++)
if(NOT CLANGXX)
  message(STATUS "clang++ not found: the fuzz targets are not built")
  return()
endif()

set(FUZZ_BUILD_DIR ${CMAKE_BINARY_DIR}/fuzz)
ExternalProject_Add(fuzz
  SOURCE_DIR ${CMAKE_CURRENT_SOURCE_DIR}/tests/fuzz
  BINARY_DIR ${FUZZ_BUILD_DIR}
  CMAKE_ARGS -DCMAKE_CXX_COMPILER=${CLANGXX} -DCMAKE_BUILD_TYPE=RelWithDebInfo
  BUILD_ALWAYS ON
  EXCLUDE_FROM_ALL ON
  INSTALL_COMMAND "")
add_dependencies(sanitizer_builds fuzz)

set(FUZZ_SMOKE_SECONDS 3)
foreach(rule ${FUZZED_RULES})
  add_test(NAME fuzz.${rule}
    COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/scripts/fuzz-rule ${FUZZ_BUILD_DIR}/${rule}_fuzz
            ${FUZZ_SMOKE_SECONDS} ${CMAKE_CURRENT_SOURCE_DIR}/tests/fuzz/corpus/${rule}
            ${CMAKE_BINARY_DIR}/fuzz-work/${rule})
  set_tests_properties(fuzz.${rule} PROPERTIES TIMEOUT 60 FIXTURES_REQUIRED sanitizer_builds)
endforeach()
