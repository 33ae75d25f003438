# The release zip of this build, release/Tarvissel-<version>-<arch>.zip: the
# program and the user's guide carrying the project's version. Written anew
# at each build of the target, its entries dated SOURCE_DATE_EPOCH.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(release_arch x64)
else()
  set(release_arch win32)
endif()
set(release_dir ${CMAKE_BINARY_DIR}/release)
configure_file(docs/guide.txt ${release_dir}/guide.txt @ONLY)
set(release_zip ${release_dir}/Tarvissel-${PROJECT_VERSION}-${release_arch}.zip)
add_custom_target(release_zip
  COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/scripts/make-release-zip
    ${release_zip} $<TARGET_FILE:Tarvissel> ${release_dir}/guide.txt
  BYPRODUCTS ${release_zip}
  VERBATIM)
add_dependencies(release_zip Tarvissel)
