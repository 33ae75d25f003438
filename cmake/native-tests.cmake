# Unit tests of the platform-free rules, on the build machine.
find_package(GTest REQUIRED)
file(GLOB native_test_sources CONFIGURE_DEPENDS tests/native/*.cpp)
add_executable(native_tests ${native_test_sources})
target_link_libraries(native_tests PRIVATE rules GTest::gtest GTest::gtest_main)
include(GoogleTest)
gtest_discover_tests(native_tests TEST_PREFIX native. DISCOVERY_TIMEOUT 30)
