# The window's benchmark: the composition alone (ns per pixel) and
# synchronous refreshes per second through the driver's exports, on
# whichever platform the environment picks (offscreen, or an X server).
find_package(benchmark REQUIRED)
add_executable(window_bench ${LUMISIM_WINDOW_DIR}/bench/window_bench.cpp ${LUMISIM_WINDOW_DIR}/compose.cpp)
target_include_directories(window_bench PRIVATE ${LUMISIM_WINDOW_DIR})
target_link_libraries(window_bench PRIVATE DDrv_Lumisim benchmark::benchmark_main)
