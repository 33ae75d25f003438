# The Win32 program: the sources of the program folders that call the
# platform (the platform-free rules are the `rules` library) go into
# tarvissel_core, which the program and the in-process Win32 tests share;
# the entry is the program's own.
enable_language(RC)
set(core_sources
  base/monitors.cpp
  base/system.cpp
  base/task_windows.cpp
  base/window.cpp
  store/note_settings.cpp
  store/registry.cpp
  export/daily_copies.cpp
  export/save_dialog.cpp
  export/text_file.cpp
  commands/menu.cpp
  note/form1.cpp
  note/image.cpp
  note/memo.cpp
  note/panel.cpp
  note/window_menu.cpp
  app/application.cpp
  app/report_error.cpp
  app/single_instance.cpp
)

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
# Each of its files parses the platform's headers, which on x64 bring in all
# of the compiler's intrinsics (some 1 s a file): parsed once. The objects
# are the same bytes either way.
target_precompile_headers(tarvissel_core PRIVATE <windows.h> <string> <vector>)

set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)

include(cmake/resources.cmake)
add_executable(Tarvissel WIN32 app/main.cpp)
target_link_libraries(Tarvissel PRIVATE tarvissel_core tarvissel_resources)
# Terminal-server aware: on a Remote Desktop host Windows then loads no
# compatibility layer for it (a virtual Windows folder per user, registry
# adjustments at each start); the note keeps nothing in INI files and
# writes only its own user's key.
target_link_options(Tarvissel PRIVATE -Wl,--tsaware $<$<CONFIG:Release>:-s>)
