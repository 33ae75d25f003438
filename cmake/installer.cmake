# The per-user installer of this build (release/Tarvissel-<version>-<arch>.msi,
# written by scripts/make-msi from packaging/tarvissel.wxs) with the custom
# action DLL it carries, and for the life-cycle tests a package of a lower
# version whose program differs from this one by a trailing marker, and one
# of this version whose installation fails. A package that breaks what
# scripts/check-msi checks fails the build.
add_library(close_note MODULE packaging/close_note.cpp packaging/start_as_user.cpp)
set_target_properties(close_note PROPERTIES PREFIX "")
target_compile_definitions(close_note PRIVATE WIN32_LEAN_AND_MEAN _WIN32_WINNT=${WINDOWS_MINIMUM_WINNT})
# Windows Installer looks the entry up by its plain name, also in a 32-bit DLL.
target_link_options(close_note PRIVATE -Wl,--kill-at $<$<CONFIG:Release>:-s>)
# It shares the product's owners and the running note's mark (base/).
target_include_directories(close_note PRIVATE ${PROJECT_SOURCE_DIR})
# Its imports are Known DLLs (always from the system folder) and msi.dll,
# which the installer has loaded already; it loads nothing by name itself.
target_link_libraries(close_note PRIVATE static_runtime msi ole32 oleaut32 uuid tarvissel_code)

set(make_msi ${CMAKE_CURRENT_SOURCE_DIR}/scripts/make-msi)
set(msi_sources ${make_msi} ${CMAKE_CURRENT_SOURCE_DIR}/packaging/tarvissel.wxs
  ${icon})
set(release_msi ${release_dir}/Tarvissel-${PROJECT_VERSION}-${release_arch}.msi)
add_custom_command(OUTPUT ${release_msi}
  COMMAND ${make_msi} ${release_msi} ${PROJECT_VERSION} ${release_arch}
    $<TARGET_FILE:Tarvissel> ${icon} $<TARGET_FILE:close_note>
  COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/scripts/check-msi ${release_msi} ${release_arch} ${PROJECT_VERSION}
    $<TARGET_FILE:Tarvissel>
  DEPENDS Tarvissel close_note ${msi_sources} ${CMAKE_CURRENT_SOURCE_DIR}/scripts/check-msi
  VERBATIM)
add_custom_target(release_msi ALL DEPENDS ${release_msi})

set(OLDER_MSI_VERSION 0.0.1)
if(NOT PROJECT_VERSION VERSION_GREATER OLDER_MSI_VERSION)
  message(FATAL_ERROR "The upgrade tests need a version above ${OLDER_MSI_VERSION}")
endif()
set(older_msi ${CMAKE_BINARY_DIR}/msi-test/Tarvissel-${OLDER_MSI_VERSION}-${release_arch}.msi)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/msi-test)
add_custom_command(OUTPUT ${older_msi}
  COMMAND ${make_msi} --append-to-program "older package" ${older_msi} ${OLDER_MSI_VERSION} ${release_arch}
    $<TARGET_FILE:Tarvissel> ${icon} $<TARGET_FILE:close_note>
  DEPENDS Tarvissel close_note ${msi_sources}
  VERBATIM)
add_custom_target(older_msi ALL DEPENDS ${older_msi})
set(failing_msi ${CMAKE_BINARY_DIR}/msi-test/Tarvissel-${PROJECT_VERSION}-${release_arch}-failing.msi)
add_custom_command(OUTPUT ${failing_msi}
  COMMAND ${make_msi} --fail-after-files ${failing_msi} ${PROJECT_VERSION} ${release_arch}
    $<TARGET_FILE:Tarvissel> ${icon} $<TARGET_FILE:close_note>
  DEPENDS Tarvissel close_note ${msi_sources}
  VERBATIM)
add_custom_target(failing_msi ALL DEPENDS ${failing_msi})

# What scripts/assemble-release needs of this build: its packages, and the
# inputs to pack them again with a signed program and custom action; one
# name=value per line.
file(GENERATE OUTPUT ${release_dir}/release-inputs CONTENT
"version=${PROJECT_VERSION}
arch=${release_arch}
minimum_windows=${WINDOWS_MINIMUM}
program=$<TARGET_FILE:Tarvissel>
close_note=$<TARGET_FILE:close_note>
icon=${icon}
guide=${release_dir}/guide.txt
zip=${release_zip}
msi=${release_msi}
")
