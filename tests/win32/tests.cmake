# The Win32 test executables (see cmake/win32-tests.cmake).
if(WIN32)
  # The probe scripts/run-note asks for the note's window.
  add_executable(note_window tests/win32/note_window.cpp)
  target_link_libraries(note_window PRIVATE tarvissel_code static_runtime)
endif()
tarvissel_win32_test(support_tests SOURCES tests/win32/support_test.cpp LOCALES zh C)
tarvissel_win32_test(resource_tests SOURCES tests/win32/resource_test.cpp WITH_RESOURCES)
tarvissel_win32_test(smoke_tests SOURCES tests/win32/smoke_test.cpp)
if(WIN32)
  target_link_libraries(resource_tests PRIVATE version)
endif()
# With four below, half of all the time: in a second session where there is one.
tarvissel_win32_test(lifecycle_tests SOURCES tests/win32/lifecycle_tests.cpp TIMEOUT 300 SECOND_SESSION)
if(WIN32)
  # The DLL a start-up test plants beside a copy of the program.
  add_library(planted_dll SHARED tests/win32/planted_dll.cpp)
  set_target_properties(planted_dll PROPERTIES PREFIX "")
  target_link_libraries(planted_dll PRIVATE tarvissel_code static_runtime)
  add_dependencies(lifecycle_tests planted_dll)
endif()
# With the program's manifest: aware of each monitor's density, as the program is.
tarvissel_win32_test(note_window_tests SOURCES tests/win32/note_window_tests.cpp WITH_RESOURCES)
tarvissel_win32_test(commands_tests SOURCES tests/win32/commands_tests.cpp tests/win32/hit_test_tests.cpp LOCALES zh C)
if(WIN32)
  # The accessibility interface, to read the text area's name.
  target_link_libraries(commands_tests PRIVATE oleacc oleaut32)
endif()
tarvissel_win32_test(pointer_and_keys_e2e_tests SOURCES tests/win32/pointer_and_keys_e2e_tests.cpp TIMEOUT 180)
tarvissel_win32_test(store_tests
  SOURCES tests/win32/store_registry_test.cpp tests/win32/store_note_settings_test.cpp
  LOCALES zh C)
# A seeded sample of random stores, each with a real start and close (about
# 5 s each); `make fuzz` runs the full count.
tarvissel_win32_test(store_fuzz_tests SOURCES tests/win32/store_fuzz_tests.cpp TIMEOUT 240 SECOND_SESSION)
tarvissel_win32_test(fault_injection_tests SOURCES tests/win32/fault_injection_tests.cpp SECOND_SESSION)
tarvissel_win32_test(nothing_lost_tests SOURCES tests/win32/nothing_lost_tests.cpp TIMEOUT 180)
tarvissel_win32_test(note_restore_tests SOURCES tests/win32/note_restore_tests.cpp)
tarvissel_win32_test(export_tests SOURCES tests/win32/text_file_tests.cpp LOCALES zh C)
tarvissel_win32_test(save_command_tests SOURCES tests/win32/save_command_tests.cpp TIMEOUT 240 SECOND_SESSION)
# The installers' life cycle under msiexec: this build's package, an older
# one and one that fails (cmake/installer.cmake) and this build's package as
# the release.signed test signed it (cmake/cross-build.cmake); the custom
# action's start at the user's level, in the test's own process.
tarvissel_win32_test(msi_lifecycle_tests
  SOURCES tests/win32/msi_lifecycle_tests.cpp packaging/start_as_user.cpp TIMEOUT 180 SECOND_SESSION)
if(WIN32)
  target_compile_definitions(msi_lifecycle_tests PRIVATE
    TARVISSEL_RELEASE_MSI="${release_msi}" TARVISSEL_OLDER_MSI="${older_msi}" TARVISSEL_FAILING_MSI="${failing_msi}"
    TARVISSEL_SIGNED_MSI="${SIGNED_RELEASE_DIR}/Tarvissel-${PROJECT_VERSION}-${release_arch}.msi")
  target_link_libraries(msi_lifecycle_tests PRIVATE msi shell32 ole32 oleaut32 uuid)
  add_dependencies(msi_lifecycle_tests release_msi older_msi failing_msi)
else()
  foreach(arch ${WINE_RUN_ARCHS})
    set_property(TEST ${wine_prefix_${arch}}.msi_lifecycle_tests.zh APPEND PROPERTY FIXTURES_REQUIRED signed_release)
  endforeach()
endif()
