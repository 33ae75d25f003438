# The benchmark programs, built by the cross build on demand (scripts/bench
# builds the target bench_programs; make test does not need them): the two
# baselines the note is measured against, the note with start-up marks, and
# the driver that runs them and times them. All of them record or read the
# start-up marks (base/startup_marks.h).
function(bench_program name)
  add_executable(${name} WIN32 EXCLUDE_FROM_ALL ${ARGN})
  target_link_libraries(${name} PRIVATE rules note_platform)
  target_link_options(${name} PRIVATE $<$<CONFIG:Release>:-s>)
  target_compile_definitions(${name} PRIVATE TARVISSEL_STARTUP_MARKS)
endfunction()
bench_program(bench_baseline bench/baseline.cpp)
# With the note's resources: its icon is part of the start-up's work.
bench_program(bench_same_work bench/same_work.cpp)
target_link_libraries(bench_same_work PRIVATE tarvissel_resources)

# The note as released, but recording the time of each start-up step.
add_library(tarvissel_core_marks STATIC EXCLUDE_FROM_ALL ${core_sources})
target_link_libraries(tarvissel_core_marks PUBLIC rules note_platform)
target_compile_definitions(tarvissel_core_marks PUBLIC TARVISSEL_STARTUP_MARKS)
bench_program(Tarvissel_marks app/main.cpp)
target_link_libraries(Tarvissel_marks PRIVATE tarvissel_core_marks tarvissel_resources)

add_executable(bench_driver EXCLUDE_FROM_ALL bench/driver.cpp)
target_link_libraries(bench_driver PRIVATE tarvissel_core psapi)
target_compile_definitions(bench_driver PRIVATE TARVISSEL_STARTUP_MARKS)

add_custom_target(bench_programs DEPENDS Tarvissel Tarvissel_marks bench_baseline bench_same_work bench_driver)
