# The Win32 test executables: built by the cross build, run under Wine by the
# native build's CTest, once for each code page they name (zh: 936, C: 1252).
#   tarvissel_win32_test(NAME SOURCES a.cpp ... [LOCALES zh C] [TIMEOUT s])
if(WIN32 AND NOT TARGET gtest)
  set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  # The win32 thread model has no std::mutex for GoogleTest's Notification.
  target_compile_definitions(gtest PUBLIC GTEST_HAS_NOTIFICATION_=1)
  target_compile_options(gtest PUBLIC
    -include ${CMAKE_CURRENT_SOURCE_DIR}/tests/win32/support/gtest_notification.h)
  file(GLOB support_sources CONFIGURE_DEPENDS tests/win32/support/*.cpp)
  add_library(win32_test_support STATIC ${support_sources})
  target_link_libraries(win32_test_support PUBLIC tarvissel_core gtest)
endif()

function(tarvissel_win32_test name)
  cmake_parse_arguments(T "" "TIMEOUT" "SOURCES;LOCALES" ${ARGN})
  if(NOT T_LOCALES)
    set(T_LOCALES zh)
  endif()
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 120)
  endif()
  if(WIN32)
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE win32_test_support tarvissel_core gtest gtest_main)
    target_link_options(${name} PRIVATE ${static_runtime})
    add_dependencies(${name} Tarvissel)
  else()
    foreach(locale ${T_LOCALES})
      add_test(NAME wine.${name}.${locale}
        COMMAND ${WINE_TEST} ${WINE_STATE} ${locale} ${T_TIMEOUT} ${WIN32_BIN}/${name}.exe)
      set_tests_properties(wine.${name}.${locale} PROPERTIES
        FIXTURES_REQUIRED wine RESOURCE_LOCK wine TIMEOUT ${T_TIMEOUT})
    endforeach()
  endif()
endfunction()

include(tests/win32/tests.cmake)
