# The Win32 program: every source of the program folders that is not
# a platform-free rule goes into tarvissel_core, which the program and the
# in-process Win32 tests share.
enable_language(RC)
get_target_property(rule_sources rules SOURCES)
file(GLOB core_sources CONFIGURE_DEPENDS
  base/*.cpp app/*.cpp note/*.cpp store/*.cpp export/*.cpp commands/*.cpp)
list(REMOVE_ITEM core_sources ${CMAKE_CURRENT_SOURCE_DIR}/app/main.cpp)
foreach(rule ${rule_sources})
  list(REMOVE_ITEM core_sources ${CMAKE_CURRENT_SOURCE_DIR}/${rule})
endforeach()

add_library(tarvissel_core STATIC ${core_sources})
target_link_libraries(tarvissel_core PUBLIC rules user32 gdi32 advapi32 kernel32)
target_compile_definitions(tarvissel_core PUBLIC WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0501 WINVER=0x0501)

set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
# Static runtime so the .exe needs only system DLLs.
set(static_runtime -static -static-libgcc -static-libstdc++)

include(cmake/resources.cmake)
add_executable(Tarvissel WIN32 app/main.cpp ${TARVISSEL_RESOURCES})
target_link_libraries(Tarvissel PRIVATE tarvissel_core)
target_link_options(Tarvissel PRIVATE ${static_runtime} $<$<CONFIG:Release>:-s>)
