# The Win32 test executables (see cmake/win32-tests.cmake).
tarvissel_win32_test(store_tests
  SOURCES tests/win32/store_registry_test.cpp tests/win32/store_note_settings_test.cpp
  LOCALES zh C)
