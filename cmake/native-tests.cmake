# Unit tests of the platform-free rules, on the build machine.
find_package(GTest REQUIRED)
set(native_test_sources
  tests/native/access_keys_test.cpp
  tests/native/copy_names_test.cpp
  tests/native/dbcs_test.cpp
  tests/native/dword_size_test.cpp
  tests/native/error_text_test.cpp
  tests/native/failure_test.cpp
  tests/native/filter_test.cpp
  tests/native/grip_test.cpp
  tests/native/key_path_test.cpp
  tests/native/keyboard_sizing_rule_test.cpp
  tests/native/layout_rule_test.cpp
  tests/native/menu_items_test.cpp
  tests/native/menu_point_test.cpp
  tests/native/save_schedule_test.cpp
  tests/native/shortcut_test.cpp
  tests/native/text_to_int_test.cpp
  tests/native/title_rule_test.cpp
)
add_executable(native_tests ${native_test_sources})
target_link_libraries(native_tests PRIVATE rules GTest::gtest GTest::gtest_main)
# Test code is built for compile time; the rules it tests keep their
# optimisation. GoogleTest's header, the bulk of each test's compile, is
# parsed once (a precompiled header).
target_compile_options(native_tests PRIVATE -O0)
target_precompile_headers(native_tests PRIVATE <gtest/gtest.h>)
# The user's guide, whose menu table a test holds against the program's.
set(guide_definition TARVISSEL_GUIDE="${CMAKE_CURRENT_SOURCE_DIR}/docs/guide.txt")
target_compile_definitions(native_tests PRIVATE ${guide_definition})
include(GoogleTest)
gtest_discover_tests(native_tests TEST_PREFIX native. DISCOVERY_TIMEOUT 30)

# The builds under the sanitizers (the tests below and the fuzz targets,
# cmake/fuzz.cmake) are not needed before the Win32 tests start: the test
# run makes them (build.sanitizers, one job) beside the Wine tests, which
# mostly wait, and the tests that use them follow. `make build` makes them
# with everything else. It goes before every test but the Wine sessions'
# (whose COST is their TIMEOUT, 120 s or more): outranking those, it took a
# free job at their start, and a session waited 6 s for release.signed.
add_custom_target(sanitizer_builds)
add_test(NAME build.sanitizers
  COMMAND ${CMAKE_COMMAND} --build ${CMAKE_BINARY_DIR} --target sanitizer_builds)
set_tests_properties(build.sanitizers PROPERTIES FIXTURES_SETUP sanitizer_builds TIMEOUT 900 COST 100)

# The same tests once more under the address and undefined-behaviour
# sanitizers, when the compiler has them.
include(CheckCXXSourceCompiles)
set(sanitizers -fsanitize=address,undefined -fno-sanitize-recover=all)
string(JOIN " " CMAKE_REQUIRED_FLAGS ${sanitizers})
set(CMAKE_REQUIRED_LINK_OPTIONS ${sanitizers})
check_cxx_source_compiles("int main() { return 0; }" HAVE_SANITIZERS)
unset(CMAKE_REQUIRED_FLAGS)
unset(CMAKE_REQUIRED_LINK_OPTIONS)
if(HAVE_SANITIZERS)
  # The rules at -O1, the sanitizers' usual setting (UndefinedBehaviorSanitizer
  # checks object sizes only in optimised code), with line tables only, for
  # reports with file and line.
  add_library(sanitized_rules OBJECT EXCLUDE_FROM_ALL ${RULE_SOURCES})
  target_include_directories(sanitized_rules PUBLIC $<TARGET_PROPERTY:rules,INTERFACE_INCLUDE_DIRECTORIES>)
  target_compile_options(sanitized_rules PUBLIC ${sanitizers} PRIVATE -O1 -g1)
  target_link_libraries(sanitized_rules PUBLIC tarvissel_code)
  # The tests themselves unoptimised (half the compile time of -O1) and as
  # one file: GoogleTest's header parsed and its templates compiled once,
  # 13 s of CPU where one file each took 21, in the run's critical path.
  # The plain build compiles each on its own, which shows that each file
  # includes what it uses.
  add_executable(native_tests_sanitized EXCLUDE_FROM_ALL ${native_test_sources})
  set_target_properties(native_tests_sanitized PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 0)
  target_compile_options(native_tests_sanitized PRIVATE -O0 -g1)
  target_link_options(native_tests_sanitized PRIVATE ${sanitizers})
  target_link_libraries(native_tests_sanitized PRIVATE sanitized_rules GTest::gtest GTest::gtest_main)
  target_compile_definitions(native_tests_sanitized PRIVATE ${guide_definition})
  add_dependencies(sanitizer_builds native_tests_sanitized)
  add_test(NAME native.sanitized COMMAND native_tests_sanitized)
  set_tests_properties(native.sanitized PROPERTIES TIMEOUT 120 FIXTURES_REQUIRED sanitizer_builds)
endif()

# The program's folders depend on each other one way only.
add_test(NAME layout.include_order COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/scripts/check-layers ${CMAKE_CURRENT_SOURCE_DIR})

# The set-up's decisions where the index, a package or 32-bit Wine fails.
add_test(NAME setup.bootstrap
  COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/tests/setup/bootstrap_test ${CMAKE_CURRENT_SOURCE_DIR}/scripts/bootstrap)
set_tests_properties(setup.bootstrap PROPERTIES TIMEOUT 60)
