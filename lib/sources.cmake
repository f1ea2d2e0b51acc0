# The library's sources, listed once for the desktop build (lib/CMakeLists.txt)
# and the microcontroller build (cmake/mcu.cmake).
#
# The core is always built. Each optional part can be left out of a
# microcontroller build (VR_LEAVE_OUT); its graphic-function codes then
# answer VR_ERR_CODE and its exported functions are not there to link.
set(VRLIB_CORE_SOURCES
  core.cpp state.cpp dispatch.cpp draw_calls.cpp passthrough.cpp colour.cpp
  clear.cpp rect.cpp line.cpp circle.cpp)
set(VRLIB_PART_TEXT text.cpp font.cpp)
set(VRLIB_PART_TEXT_BOX textbox.cpp)
set(VRLIB_PART_PROGRESS_BAR progressbar.cpp)
set(VRLIB_PART_IMAGES gimp.cpp bitmap.cpp)
set(VRLIB_PARTS TEXT TEXT_BOX PROGRESS_BAR IMAGES)
# The text box lays out its lines with the text part's measuring.
set(VRLIB_PART_TEXT_BOX_NEEDS TEXT)

# vrlib_sources(<out> [parts to leave out...]): absolute paths of the sources.
function(vrlib_sources out)
  set(names ${VRLIB_CORE_SOURCES})
  foreach(part IN LISTS VRLIB_PARTS)
    if(NOT part IN_LIST ARGN)
      list(APPEND names ${VRLIB_PART_${part}})
    endif()
  endforeach()
  list(TRANSFORM names PREPEND ${VRLIB_SOURCE_DIR}/)
  set(${out} ${names} PARENT_SCOPE)
endfunction()
set(VRLIB_SOURCE_DIR ${CMAKE_CURRENT_LIST_DIR}/src)

# A source file added to lib/src but to no list above would be missing
# from both builds without a word; name it instead.
file(GLOB _vrlib_present RELATIVE ${VRLIB_SOURCE_DIR} CONFIGURE_DEPENDS ${VRLIB_SOURCE_DIR}/*.cpp)
set(_vrlib_listed ${VRLIB_CORE_SOURCES})
foreach(_part IN LISTS VRLIB_PARTS)
  list(APPEND _vrlib_listed ${VRLIB_PART_${_part}})
endforeach()
foreach(_file IN LISTS _vrlib_present)
  if(NOT _file IN_LIST _vrlib_listed)
    message(FATAL_ERROR "lib/src/${_file} is in no list of lib/sources.cmake; add it to the core or a part")
  endif()
endforeach()
foreach(_file IN LISTS _vrlib_listed)
  if(NOT _file IN_LIST _vrlib_present)
    message(FATAL_ERROR "lib/sources.cmake lists ${_file}, which lib/src does not hold")
  endif()
endforeach()
