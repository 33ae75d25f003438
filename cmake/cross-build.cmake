# Drives the Win32 build of the same tree with the mingw-w64 toolchain, and
# sets up the Wine session that runs its tests.
include(ExternalProject)
set(WIN32_BUILD_DIR ${CMAKE_BINARY_DIR}/win32)
set(WIN32_BIN ${WIN32_BUILD_DIR}/bin)
ExternalProject_Add(win32
  SOURCE_DIR ${CMAKE_CURRENT_SOURCE_DIR}
  BINARY_DIR ${WIN32_BUILD_DIR}
  CMAKE_ARGS
    -DCMAKE_TOOLCHAIN_FILE=${CMAKE_CURRENT_SOURCE_DIR}/cmake/toolchain-i686-w64-mingw32.cmake
    -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE}
    -DCMAKE_EXPORT_COMPILE_COMMANDS=ON
  BUILD_ALWAYS ON
  INSTALL_COMMAND ""
  USES_TERMINAL_BUILD ON)

# One Wine session (prefix, display, wineserver) for the whole CTest run.
set(WINE_STATE ${CMAKE_BINARY_DIR}/wine)
set(WINE_TEST ${CMAKE_CURRENT_SOURCE_DIR}/scripts/wine-test)
add_test(NAME wine.start COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/scripts/wine-session start ${WINE_STATE})
add_test(NAME wine.stop COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/scripts/wine-session stop ${WINE_STATE})
set_tests_properties(wine.start PROPERTIES FIXTURES_SETUP wine TIMEOUT 120 RESOURCE_LOCK wine)
set_tests_properties(wine.stop PROPERTIES FIXTURES_CLEANUP wine TIMEOUT 60 RESOURCE_LOCK wine)

add_test(NAME program.imports
  COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/scripts/check-imports ${WIN32_BIN}/Tarvissel.exe)
# The common dialog library is loaded on the first Save only.
add_test(NAME program.dialog_library_loaded_late
  COMMAND sh -c "! i686-w64-mingw32-objdump -p '${WIN32_BIN}/Tarvissel.exe' | grep -qi 'DLL Name: comdlg32'")
