# Tests of the window side. The pure composition needs no Qt; the window
# tests link the driver's sources once more as a static library, so they
# can reach the GUI thread's test hooks without adding exports to
# libDDrv_Lumisim.so.

add_executable(window_compose_tests ${LUMISIM_WINDOW_DIR}/tests/compose_test.cpp ${LUMISIM_WINDOW_DIR}/compose.cpp)
target_include_directories(window_compose_tests PRIVATE ${LUMISIM_WINDOW_DIR})
target_link_libraries(window_compose_tests PRIVATE GTest::gtest_main)
gtest_discover_tests(window_compose_tests DISCOVERY_TIMEOUT 60 PROPERTIES LABELS "window")

get_target_property(LUMISIM_DRIVER_SOURCES DDrv_Lumisim SOURCES)
add_library(DDrv_Lumisim_testlib STATIC ${LUMISIM_DRIVER_SOURCES})
target_include_directories(DDrv_Lumisim_testlib PUBLIC
  ${CMAKE_CURRENT_SOURCE_DIR}/include ${CMAKE_SOURCE_DIR}/lib/include
  ${CMAKE_CURRENT_SOURCE_DIR}/src ${LUMISIM_WINDOW_DIR})
target_compile_definitions(DDrv_Lumisim_testlib PRIVATE DDRV_BUILD LUMISIM_WITH_QT
  LUMISIM_DATA_FROM_LIBRARY="${LUMISIM_DATA_FROM_LIBRARY}")
target_link_libraries(DDrv_Lumisim_testlib PUBLIC PkgConfig::INIH Qt6::Widgets vr_versions ${CMAKE_DL_LIBS})

# Each test in its own process: Qt's GUI thread lives as long as the
# process. They start the GUI thread, so they also run under
# ThreadSanitizer: ctest's -L takes a regular expression, and the one label
# "window_threads" (a list would not survive test discovery) matches both
# "-L window" and "-L threads".
add_executable(window_tests
  ${LUMISIM_WINDOW_DIR}/tests/window_test.cpp
  ${LUMISIM_WINDOW_DIR}/tests/hard_key_window_test.cpp
  ${LUMISIM_WINDOW_DIR}/tests/frame_dump_test.cpp)
target_compile_definitions(window_tests PRIVATE LUMISIM_DATA_DIR="${LUMISIM_WINDOW_DIR}/data"
  MAKE_BOARD_PATH="$<TARGET_FILE:make_board>")
add_dependencies(window_tests make_board)
target_link_libraries(window_tests PRIVATE DDrv_Lumisim_testlib vr_test_support GTest::gtest_main)
gtest_discover_tests(window_tests DISCOVERY_TIMEOUT 60
  PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 60 LABELS "window_threads")

# Picture loading and the headless side's dumps: Qt without any window,
# so no GUI thread in this program.
add_executable(window_picture_tests
  ${LUMISIM_WINDOW_DIR}/tests/board_picture_test.cpp ${LUMISIM_WINDOW_DIR}/tests/headless_dump_test.cpp)
target_compile_definitions(window_picture_tests PRIVATE LUMISIM_DATA_DIR="${LUMISIM_WINDOW_DIR}/data")
target_link_libraries(window_picture_tests PRIVATE DDrv_Lumisim_testlib vr_test_support GTest::gtest_main)
gtest_discover_tests(window_picture_tests DISCOVERY_TIMEOUT 60 PROPERTIES LABELS "window")

# The real window on a real X server: Xvfb, screenshot, pixel checks.
add_executable(window_xvfb_check ${LUMISIM_WINDOW_DIR}/tests/xvfb_check.cpp)
target_link_libraries(window_xvfb_check PRIVATE DDrv_Lumisim)
add_test(NAME window_xvfb_screenshot
  COMMAND ${LUMISIM_WINDOW_DIR}/tests/run_under_xvfb.sh $<TARGET_FILE:window_xvfb_check> ${LUMISIM_WINDOW_DIR}/data)
set_tests_properties(window_xvfb_screenshot PROPERTIES LABELS "window;xvfb;threads" SKIP_RETURN_CODE 77 TIMEOUT 120)

# Hard keys on a real X server: xdotool clicks Power and types keys, at
# zoom 1 and zoom 3.
add_executable(window_xvfb_keys_check ${LUMISIM_WINDOW_DIR}/tests/xvfb_keys_check.cpp)
target_link_libraries(window_xvfb_keys_check PRIVATE DDrv_Lumisim)
add_test(NAME window_xvfb_keys
  COMMAND ${LUMISIM_WINDOW_DIR}/tests/run_under_xvfb.sh $<TARGET_FILE:window_xvfb_keys_check> ${LUMISIM_WINDOW_DIR}/data)
set_tests_properties(window_xvfb_keys PROPERTIES LABELS "window;xvfb;threads" SKIP_RETURN_CODE 77 TIMEOUT 120)
