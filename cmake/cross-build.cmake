# Drives the Windows builds of the same tree with the mingw-w64 toolchains,
# the 32-bit one (primary) and the x64 one, and sets up the Wine sessions
# that run their tests on the architectures this machine can run.
include(ExternalProject)
set(WINDOWS_ARCHS win32 x64)
set(toolchain_win32 i686-w64-mingw32)
set(toolchain_x64 x86_64-w64-mingw32)
# Where the release.signed test leaves a signed release for the life-cycle
# tests of the cross builds.
set(SIGNED_RELEASE_DIR ${CMAKE_BINARY_DIR}/release-signed)
# Which architectures run here is tried once per configuration (each `make`
# configures anew); WINE_ARCHS chooses among them on a machine that runs both.
execute_process(COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/scripts/wine-archs
  OUTPUT_VARIABLE WINE_RUN_ARCHS ERROR_VARIABLE skipped_archs
  OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_STRIP_TRAILING_WHITESPACE
  RESULT_VARIABLE archs_result)
if(NOT archs_result EQUAL 0)
  message(FATAL_ERROR "${skipped_archs}")
endif()
separate_arguments(WINE_RUN_ARCHS)

foreach(arch ${WINDOWS_ARCHS})
  set(WINDOWS_BIN_${arch} ${CMAKE_BINARY_DIR}/${arch}/bin)
  # Test programs that cannot run here are not linked, only compiled.
  if(arch IN_LIST WINE_RUN_ARCHS)
    set(test_programs ON)
  else()
    set(test_programs OFF)
    list(APPEND unlinked_archs ${arch})
  endif()
  ExternalProject_Add(${arch}
    SOURCE_DIR ${CMAKE_CURRENT_SOURCE_DIR}
    BINARY_DIR ${CMAKE_BINARY_DIR}/${arch}
    CMAKE_ARGS
      -DCMAKE_TOOLCHAIN_FILE=${CMAKE_CURRENT_SOURCE_DIR}/cmake/toolchain-${toolchain_${arch}}.cmake
      -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE}
      -DCMAKE_EXPORT_COMPILE_COMMANDS=ON
      -DSIGNED_RELEASE_DIR=${SIGNED_RELEASE_DIR}
      -DWIN32_TEST_PROGRAMS=${test_programs}
    BUILD_ALWAYS ON
    INSTALL_COMMAND ""
    USES_TERMINAL_BUILD ON)

  set(exe ${WINDOWS_BIN_${arch}}/Tarvissel.exe)
  add_test(NAME program.${arch}.imports
    COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/scripts/check-imports ${exe} ${arch})
  add_test(NAME program.${arch}.manifest
    COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/scripts/check-manifest ${exe} ${arch} ${WINDOWS_MINIMUM})
  # The common dialog library is loaded on the first Save only.
  add_test(NAME program.${arch}.dialog_library_loaded_late
    COMMAND sh -c "! ${toolchain_${arch}}-objdump -p '${exe}' | grep -qi 'DLL Name: comdlg32'")
  # The installer read back, also where Wine cannot run it (its life cycle
  # under msiexec is wine32/wine64.msi_lifecycle_tests).
  add_test(NAME program.${arch}.msi_tables
    COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/scripts/check-msi
      ${CMAKE_BINARY_DIR}/${arch}/release/Tarvissel-${PROJECT_VERSION}-${arch}.msi ${arch} ${PROJECT_VERSION} ${exe})
endforeach()
# The rules check-msi enforces are the same code for both packages: each is
# shown failing on copies of the primary build's package (some 20 s of CPU
# a package).
add_test(NAME program.win32.msi_rules_fail_on_broken_copies
  COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/tests/installer/check-msi-broken-copies
    ${CMAKE_BINARY_DIR}/win32/release/Tarvissel-${PROJECT_VERSION}-win32.msi win32 ${PROJECT_VERSION}
    ${WINDOWS_BIN_win32}/Tarvissel.exe)

# The closing lines of `make test`: what ran, what was skipped and why, and
# what was therefore not built.
string(REPLACE ";" " " shown_archs "${WINE_RUN_ARCHS}")
set(arch_summary "Win32 tests run under Wine for: ${shown_archs}")
if(skipped_archs)
  string(APPEND arch_summary "\n${skipped_archs}")
endif()
if(unlinked_archs)
  string(REPLACE ";" " " shown_archs "${unlinked_archs}")
  string(APPEND arch_summary "\nWin32 test programs not built for: ${shown_archs} (their sources only compiled, as a check)")
endif()
message(NOTICE "${arch_summary}")
file(WRITE ${CMAKE_BINARY_DIR}/wine-archs.txt "${arch_summary}\n")

# A release as make dist assembles it, from both builds' programs and
# installers, signed with a test certificate and with winget manifests.
list(TRANSFORM WINDOWS_ARCHS PREPEND ${CMAKE_BINARY_DIR}/ OUTPUT_VARIABLE cross_builds)
add_test(NAME release.signed
  COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/scripts/check-release ${SIGNED_RELEASE_DIR} ${PROJECT_VERSION} ${WINDOWS_MINIMUM}
    ${cross_builds})
# The installers' Wine tests wait for it: it starts early.
set_tests_properties(release.signed PROPERTIES FIXTURES_SETUP signed_release TIMEOUT 120 COST 500)

# Two Wine sessions (prefix, display, wineserver) for the whole CTest run:
# one per architecture where both run; where only one runs, its tests are
# split over two, which run at once (one after another in one session,
# they were the floor of the test time, using about half a core). The tests
# of one session run one after another. WINE_SESSIONS_<arch> lists an
# architecture's sessions, the first named after its prefix.
set(WINE_TEST ${CMAKE_CURRENT_SOURCE_DIR}/scripts/wine-test)
set(wine_prefix_win32 wine32)
set(wine_prefix_x64 wine64)
list(LENGTH WINE_RUN_ARCHS run_arch_count)
foreach(arch ${WINE_RUN_ARCHS})
  set(WINE_SESSIONS_${arch} ${wine_prefix_${arch}})
  if(run_arch_count EQUAL 1)
    list(APPEND WINE_SESSIONS_${arch} ${wine_prefix_${arch}}.2)
  endif()
  foreach(session ${WINE_SESSIONS_${arch}})
    set(state ${CMAKE_BINARY_DIR}/${session})
    add_test(NAME ${session}.start COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/scripts/wine-session start ${state} ${arch})
    add_test(NAME ${session}.stop COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/scripts/wine-session stop ${state} ${arch})
    # A session's tests are the longest chains of the run: it starts first,
    # and its tests go before any other test waiting for a free job
    # (cmake/win32-tests.cmake).
    set_tests_properties(${session}.start PROPERTIES FIXTURES_SETUP ${session} TIMEOUT 120 RESOURCE_LOCK ${session}
      COST 2000)
    set_tests_properties(${session}.stop PROPERTIES FIXTURES_CLEANUP ${session} TIMEOUT 60 RESOURCE_LOCK ${session})
    # The prefix is made while the programs build: made when the tests
    # start, it would hold them up for some 10 s. A second session's is a
    # copy of the first's (1 s of CPU where a new one takes 8).
    add_custom_command(OUTPUT ${state}/prefix/.ready
      COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/scripts/wine-session prepare ${state} ${arch} ${first_state}
      DEPENDS ${first_ready}
      COMMENT "Making the ${arch} Wine prefix ${session} for the tests"
      VERBATIM)
    add_custom_target(${session}_prefix ALL DEPENDS ${state}/prefix/.ready)
    if(first_state)
      add_dependencies(${session}_prefix ${wine_prefix_${arch}}_prefix)
    else()
      set(first_state ${state})
      set(first_ready ${state}/prefix/.ready)
    endif()
  endforeach()
  unset(first_state)
  unset(first_ready)
endforeach()
