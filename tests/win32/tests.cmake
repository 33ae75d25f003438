# The Win32 test executables (see cmake/win32-tests.cmake).
tarvissel_win32_test(commands_tests
  SOURCES tests/win32/commands_tests.cpp tests/win32/hit_test_tests.cpp
  LOCALES zh C)
tarvissel_win32_test(pointer_and_keys_e2e_tests
  SOURCES tests/win32/pointer_and_keys_e2e_tests.cpp
  LOCALES zh
  TIMEOUT 180)
