# The benchmark programs, built by the cross build on demand (scripts/bench
# builds the target bench_programs; make test does not need them): the two
# baselines the note is measured against, the note with start-up marks, and
# the driver that runs them and times them.
set(bench_options -static -static-libgcc -static-libstdc++ $<$<CONFIG:Release>:-s>)
function(bench_baseline name)
  add_executable(${name} WIN32 EXCLUDE_FROM_ALL ${ARGN})
  target_compile_definitions(${name} PRIVATE WIN32_LEAN_AND_MEAN)
  target_link_options(${name} PRIVATE ${bench_options})
endfunction()
bench_baseline(bench_baseline bench/baseline.cpp)
# With the note's resources: its icon is part of the start-up's work.
bench_baseline(bench_same_work bench/same_work.cpp ${TARVISSEL_RESOURCES})

# The note as released, but recording the time of each start-up step.
add_library(tarvissel_core_marks STATIC EXCLUDE_FROM_ALL ${core_sources})
target_link_libraries(tarvissel_core_marks PUBLIC rules user32 gdi32 advapi32 kernel32)
target_compile_definitions(tarvissel_core_marks PUBLIC WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0501
                           WINVER=0x0501 TARVISSEL_STARTUP_MARKS)
add_executable(Tarvissel_marks WIN32 EXCLUDE_FROM_ALL app/main.cpp ${TARVISSEL_RESOURCES})
target_link_libraries(Tarvissel_marks PRIVATE tarvissel_core_marks)
target_link_options(Tarvissel_marks PRIVATE ${bench_options})

add_executable(bench_driver EXCLUDE_FROM_ALL bench/driver.cpp)
target_link_libraries(bench_driver PRIVATE tarvissel_core psapi)
target_link_options(bench_driver PRIVATE ${static_runtime})

add_custom_target(bench_programs DEPENDS Tarvissel Tarvissel_marks bench_baseline bench_same_work bench_driver)
