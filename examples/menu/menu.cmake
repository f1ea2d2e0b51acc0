# The menu example with its 16-row font, made by vr_fontconv (VR_FONTCONV:
# the target in the project tree, the installed program outside it).
find_file(VR_MENU_FACE DejaVuSans.ttf PATHS /usr/share/fonts/truetype/dejavu NO_DEFAULT_PATH REQUIRED)
set(VR_MENU_FONT ${CMAKE_CURRENT_BINARY_DIR}/menu_font)
add_custom_command(OUTPUT ${VR_MENU_FONT}.c ${VR_MENU_FONT}.h
  COMMAND ${VR_FONTCONV} ${VR_MENU_FACE} --height 16 --range 0x20-0x7E --encoding plain
          --name Font_Menu16 -o ${VR_MENU_FONT}.c
  DEPENDS ${VR_FONTCONV} ${VR_MENU_FACE}
  COMMENT "The menu's font")
add_executable(vr_menu ${CMAKE_CURRENT_LIST_DIR}/menu.c ${VR_MENU_FONT}.c)
target_include_directories(vr_menu PRIVATE ${CMAKE_CURRENT_BINARY_DIR})
set_target_properties(vr_menu PROPERTIES C_STANDARD 99 C_STANDARD_REQUIRED ON)
find_package(Threads REQUIRED)
target_link_libraries(vr_menu PRIVATE Threads::Threads)
