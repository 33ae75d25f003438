# The Win32 test executables (see cmake/win32-tests.cmake).
