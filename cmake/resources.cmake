# The resource script with its generated inputs: the icon drawn from its
# text picture, and the version and architecture taken from the project.
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

# The icon is drawn at build time, again whenever its picture or its
# generator changes. The scripts run with Debian's python3 (their first
# line), which the set-up installs: a python3 earlier in PATH may lack the
# modules they use, and a version manager's stand-in costs some 0.9 s a
# start (finding an interpreter here took 3 s of each configuration).
set(icon ${generated_resource_dir}/tarvissel.ico)
add_custom_command(OUTPUT ${icon}
  COMMAND ${icon_generator} ${icon_picture} ${icon}
  DEPENDS ${icon_picture} ${icon_generator}
  COMMENT "Drawing the icon from ${icon_picture}"
  VERBATIM)

# Compiled once and linked into every program that carries the resources.
add_library(tarvissel_resources OBJECT ${resource_dir}/tarvissel.rc ${icon})
# windres looks for the files the script names in its include directories.
target_include_directories(tarvissel_resources PRIVATE ${generated_resource_dir} ${resource_dir})
set_source_files_properties(${resource_dir}/tarvissel.rc PROPERTIES
  OBJECT_DEPENDS "${icon};${generated_resource_dir}/tarvissel.manifest")
