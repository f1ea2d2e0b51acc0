# The window's benchmark: the composition alone (ns per pixel) and
# synchronous refreshes per second through the driver's exports, on
# whichever platform the environment picks (offscreen, or an X server).
find_package(benchmark REQUIRED)
add_executable(window_bench ${LUMISIM_WINDOW_DIR}/bench/window_bench.cpp ${LUMISIM_WINDOW_DIR}/compose.cpp)
target_include_directories(window_bench PRIVATE ${LUMISIM_WINDOW_DIR})
target_link_libraries(window_bench PRIVATE DDrv_Lumisim benchmark::benchmark_main)

# Key latency from the X server to the hard-key callback (needs an X
# server and xdotool; XTest sends the keys).
find_package(X11 COMPONENTS Xtst)
if(X11_FOUND AND X11_Xtst_FOUND)
  add_executable(key_latency_bench ${LUMISIM_WINDOW_DIR}/bench/key_latency_bench.cpp)
  target_link_libraries(key_latency_bench PRIVATE DDrv_Lumisim X11::X11 X11::Xtst benchmark::benchmark_main)
endif()
