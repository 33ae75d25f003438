# The Win32 program: every source of the program folders that is not
# a platform-free rule goes into tarvissel_core, which the program and the
# in-process Win32 tests share.
enable_language(RC)
file(GLOB core_sources CONFIGURE_DEPENDS
  base/*.cpp app/*.cpp note/*.cpp store/*.cpp export/*.cpp commands/*.cpp)
list(REMOVE_ITEM core_sources ${CMAKE_CURRENT_SOURCE_DIR}/app/main.cpp)
foreach(rule ${RULE_SOURCES})
  list(REMOVE_ITEM core_sources ${CMAKE_CURRENT_SOURCE_DIR}/${rule})
endforeach()

# Every program of the tree: a static runtime, so that an .exe or DLL needs
# only system DLLs.
add_library(static_runtime INTERFACE)
target_link_options(static_runtime INTERFACE -static -static-libgcc -static-libstdc++)
# What the note's code is compiled against: the platform's headers trimmed
# and set to the oldest version it runs on, and the system libraries.
add_library(note_platform INTERFACE)
target_compile_definitions(note_platform INTERFACE WIN32_LEAN_AND_MEAN NOMINMAX
  _WIN32_WINNT=${WINDOWS_MINIMUM_WINNT} WINVER=${WINDOWS_MINIMUM_WINNT})
target_link_libraries(note_platform INTERFACE static_runtime user32 gdi32 advapi32 kernel32)

add_library(tarvissel_core STATIC ${core_sources})
target_link_libraries(tarvissel_core PUBLIC rules note_platform)

set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)

include(cmake/resources.cmake)
add_executable(Tarvissel WIN32 app/main.cpp)
target_link_libraries(Tarvissel PRIVATE tarvissel_core tarvissel_resources)
target_link_options(Tarvissel PRIVATE $<$<CONFIG:Release>:-s>)
