# The Win32 test executables: built by a cross build whose architecture
# this machine runs (WIN32_TEST_PROGRAMS, set by cmake/cross-build.cmake),
# run under Wine by the native build's CTest, once for each code page they
# name (zh: 936, C: 1252). A cross build whose programs cannot run here only
# compiles their sources, so that an error of that architecture alone is
# still caught, without GoogleTest's library or the links.
#   tarvissel_win32_test(NAME SOURCES a.cpp ... [LOCALES zh C] [TIMEOUT s]
#                        [WITH_RESOURCES: the program's icon, version, manifest]
#                        [SECOND_SESSION: in the architecture's second Wine
#                         session, where it has one])
if(WIN32 AND NOT TARGET gtest)
  option(WIN32_TEST_PROGRAMS "Link the Win32 test programs (OFF: only compile their sources)" ON)
  # Test code is built for compile time, not speed (the program's own code
  # keeps its optimisation), and every test shares one precompiled header
  # of the platform's and GoogleTest's headers: both builds' tests compile
  # in about half the time.
  set(test_code_options -O0)
  set(gtest_dir /usr/src/googletest/googletest)
  if(WIN32_TEST_PROGRAMS)
    # GoogleTest from Debian's sources as two plain libraries: its own CMake
    # project would detect a C compiler and look for a threads library in
    # each cross build, a serial wait of several seconds at every
    # configuration. On Windows it uses the platform's own locks.
    add_library(gtest STATIC ${gtest_dir}/src/gtest-all.cc)
    target_include_directories(gtest SYSTEM PUBLIC ${gtest_dir}/include PRIVATE ${gtest_dir})
    add_library(gtest_main STATIC ${gtest_dir}/src/gtest_main.cc)
    target_link_libraries(gtest_main PUBLIC gtest)
    target_compile_options(gtest PRIVATE ${test_code_options})
    target_compile_options(gtest_main PRIVATE ${test_code_options})
  else()
    # Only GoogleTest's headers: nothing is linked.
    add_library(gtest INTERFACE)
    target_include_directories(gtest SYSTEM INTERFACE ${gtest_dir}/include)
    add_library(gtest_main INTERFACE)
  endif()
  add_library(win32_test_support STATIC
    tests/win32/support/call_tables.cpp
    tests/win32/support/files.cpp
    tests/win32/support/in_process_note.cpp
    tests/win32/support/input.cpp
    tests/win32/support/message_box.cpp
    tests/win32/support/program.cpp
    tests/win32/support/raw_registry.cpp
    tests/win32/support/screen.cpp
    tests/win32/support/settings_key.cpp
    tests/win32/support/test_locale.cpp
    tests/win32/support/wait.cpp
    tests/win32/support/windows_of_process.cpp)
  target_link_libraries(win32_test_support PUBLIC tarvissel_core gtest shell32)
  target_compile_options(win32_test_support PUBLIC ${test_code_options})
  target_precompile_headers(win32_test_support PRIVATE <windows.h> <gtest/gtest.h>)
  # The x64 test programs are linked by lld (cmake/lld/collect2): GNU ld
  # took 40 of the build's 270 s of CPU on them. The 32-bit ones keep GNU ld:
  # their exception tables (DWARF, where x64 has SEH) were not tried with
  # lld on a machine that runs them.
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    target_link_options(win32_test_support INTERFACE -B${CMAKE_CURRENT_SOURCE_DIR}/cmake/lld/)
  endif()
endif()

function(tarvissel_win32_test name)
  cmake_parse_arguments(T "WITH_RESOURCES;SECOND_SESSION" "TIMEOUT" "SOURCES;LOCALES" ${ARGN})
  if(NOT T_LOCALES)
    set(T_LOCALES zh)
  endif()
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 120)
  endif()
  if(WIN32)
    if(WIN32_TEST_PROGRAMS)
      add_executable(${name} ${T_SOURCES})
    else()
      add_library(${name} OBJECT ${T_SOURCES})
    endif()
    target_link_libraries(${name} PRIVATE win32_test_support tarvissel_core gtest gtest_main)
    target_precompile_headers(${name} REUSE_FROM win32_test_support)
    if(T_WITH_RESOURCES)
      target_link_libraries(${name} PRIVATE tarvissel_resources)
    endif()
    add_dependencies(${name} Tarvissel)
  else()
    foreach(arch ${WINE_RUN_ARCHS})
      # Named after the architecture's prefix, whichever session runs it.
      set(test_prefix ${wine_prefix_${arch}})
      set(session_index 0)
      if(T_SECOND_SESSION)
        set(session_index -1)
      endif()
      list(GET WINE_SESSIONS_${arch} ${session_index} session)
      foreach(locale ${T_LOCALES})
        # The longer allowed, the earlier started; any of them before the
        # tests outside the Wine sessions.
        add_test(NAME ${test_prefix}.${name}.${locale}
          COMMAND ${WINE_TEST} ${CMAKE_BINARY_DIR}/${session} ${arch} ${locale} ${T_TIMEOUT} ${WINDOWS_BIN_${arch}}/${name}.exe)
        set_tests_properties(${test_prefix}.${name}.${locale} PROPERTIES
          FIXTURES_REQUIRED ${session} RESOURCE_LOCK ${session} TIMEOUT ${T_TIMEOUT} COST ${T_TIMEOUT})
      endforeach()
    endforeach()
  endif()
endfunction()

include(tests/win32/tests.cmake)
