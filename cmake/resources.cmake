# The resource script with its generated inputs: the icon drawn from its
# text picture, and the version and architecture taken from the project. Both are made when
# the cross build is configured, which CMake repeats whenever the picture or
# its generator changes.
set(resource_dir ${CMAKE_CURRENT_SOURCE_DIR}/resources)
set(generated_resource_dir ${CMAKE_BINARY_DIR}/resources)
set(icon_picture ${resource_dir}/icon.txt)
set(icon_generator ${CMAKE_CURRENT_SOURCE_DIR}/scripts/make-icon)

configure_file(${resource_dir}/version.h.in ${generated_resource_dir}/version.h @ONLY)
# An x64 executable must not claim the x86 architecture: Windows refuses to
# start it.
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
  set(MANIFEST_ARCHITECTURE amd64)
else()
  set(MANIFEST_ARCHITECTURE x86)
endif()
configure_file(${resource_dir}/tarvissel.manifest.in ${generated_resource_dir}/tarvissel.manifest @ONLY)

find_package(Python3 REQUIRED COMPONENTS Interpreter)
execute_process(
  COMMAND ${Python3_EXECUTABLE} ${icon_generator} ${icon_picture} ${generated_resource_dir}/tarvissel.ico
  RESULT_VARIABLE icon_result)
if(NOT icon_result EQUAL 0)
  message(FATAL_ERROR "Could not draw the icon from ${icon_picture}")
endif()
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${icon_picture} ${icon_generator})

set(TARVISSEL_RESOURCES ${resource_dir}/tarvissel.rc)
# windres looks for the files the script names in its include directories.
set_source_files_properties(${TARVISSEL_RESOURCES} PROPERTIES
  INCLUDE_DIRECTORIES "${generated_resource_dir};${resource_dir}"
  OBJECT_DEPENDS "${generated_resource_dir}/tarvissel.ico;${generated_resource_dir}/tarvissel.manifest")
