# The benchmark programs, built by the cross build beside the note and run by
# scripts/bench (not by CTest): the baseline the note is measured against and
# the driver that runs both and times them.
add_executable(bench_baseline WIN32 bench/baseline.cpp)
target_compile_definitions(bench_baseline PRIVATE WIN32_LEAN_AND_MEAN)
target_link_options(bench_baseline PRIVATE -static -static-libgcc -static-libstdc++ $<$<CONFIG:Release>:-s>)

add_executable(bench_driver bench/driver.cpp)
target_link_libraries(bench_driver PRIVATE tarvissel_core psapi)
target_link_options(bench_driver PRIVATE ${static_runtime})
add_dependencies(bench_driver Tarvissel bench_baseline)
