# The window side of DDrv_Lumisim: the simulated display window on Qt 6
# Widgets, the board picture and INI it ships with, the program that draws
# them, the window's tests and its benchmark. Included from
# driver/CMakeLists.txt, so relative paths start at driver/.
find_package(Qt6 REQUIRED COMPONENTS Widgets)

set(LUMISIM_WINDOW_DIR ${CMAKE_CURRENT_SOURCE_DIR}/window)
qt6_add_resources(LUMISIM_RESOURCES ${LUMISIM_WINDOW_DIR}/resources/lumisim.qrc)
set(LUMISIM_WINDOW_SOURCES
  ${LUMISIM_WINDOW_DIR}/board_picture.cpp
  ${LUMISIM_WINDOW_DIR}/compose.cpp
  ${LUMISIM_WINDOW_DIR}/display_dialog.cpp
  ${LUMISIM_WINDOW_DIR}/display_probe.cpp
  ${LUMISIM_WINDOW_DIR}/driver_app.cpp
  ${LUMISIM_WINDOW_DIR}/frame_dump.cpp
  ${LUMISIM_WINDOW_DIR}/gui_thread.cpp
  ${LUMISIM_WINDOW_DIR}/hard_key_input.cpp
  ${LUMISIM_WINDOW_DIR}/info_dialog.cpp
  ${LUMISIM_WINDOW_DIR}/qt_window.cpp
  ${LUMISIM_WINDOW_DIR}/window_settings.cpp
  ${LUMISIM_RESOURCES})
target_sources(DDrv_Lumisim PRIVATE ${LUMISIM_WINDOW_SOURCES})
target_include_directories(DDrv_Lumisim PRIVATE ${LUMISIM_WINDOW_DIR})
# The installed board pictures' folder, relative to the installed driver.
include(GNUInstallDirs)
set(LUMISIM_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/vantrel CACHE INTERNAL "the board pictures, installed")
file(RELATIVE_PATH LUMISIM_DATA_FROM_LIBRARY ${CMAKE_INSTALL_FULL_LIBDIR}
     ${CMAKE_INSTALL_PREFIX}/${LUMISIM_INSTALL_DATADIR})
target_compile_definitions(DDrv_Lumisim PRIVATE LUMISIM_WITH_QT
  LUMISIM_DATA_FROM_LIBRARY="${LUMISIM_DATA_FROM_LIBRARY}")
target_link_libraries(DDrv_Lumisim PRIVATE Qt6::Widgets ${CMAKE_DL_LIBS})
# The composition loop is the refresh's hot path; let it vectorise.
set_source_files_properties(${LUMISIM_WINDOW_DIR}/compose.cpp PROPERTIES COMPILE_OPTIONS "-O3")

# The board picture and the INI go next to the programs, which read them
# from their current folder.
set(LUMISIM_DATA ${LUMISIM_WINDOW_DIR}/data/Board_320_240.bmp ${LUMISIM_WINDOW_DIR}/data/Lumisim.ini)
set(LUMISIM_DATA_STAMP ${CMAKE_CURRENT_BINARY_DIR}/lumisim_data.stamp)
add_custom_command(OUTPUT ${LUMISIM_DATA_STAMP}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/bin
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${LUMISIM_DATA} ${CMAKE_BINARY_DIR}/bin
  COMMAND ${CMAKE_COMMAND} -E touch ${LUMISIM_DATA_STAMP}
  DEPENDS ${LUMISIM_DATA}
  COMMENT "Copying the board picture and Lumisim.ini")
add_custom_target(lumisim_data ALL DEPENDS ${LUMISIM_DATA_STAMP})
add_dependencies(DDrv_Lumisim lumisim_data)

# The program that draws the board picture and the icon; the
# update_board_pictures target redraws the checked-in files.
add_executable(make_board ${CMAKE_SOURCE_DIR}/tools/board/make_board.cpp)
target_link_libraries(make_board PRIVATE Qt6::Gui)
add_custom_target(update_board_pictures
  COMMAND make_board ${LUMISIM_WINDOW_DIR}/data ${LUMISIM_WINDOW_DIR}/resources
  COMMENT "Redrawing Board_320_240.bmp and the icon")

if(VR_BUILD_TESTS)
  include(${LUMISIM_WINDOW_DIR}/tests/tests.cmake)
endif()
if(VR_BUILD_BENCH)
  include(${LUMISIM_WINDOW_DIR}/bench/bench.cmake OPTIONAL)
endif()
