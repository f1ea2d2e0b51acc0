# Checks that a built driver defines the 19 DDrv_ functions VRLib calls, and
# names every missing one. Extra exports are allowed (a driver may offer
# more, as the simulator does).
# Usage: cmake -DNM=<nm> -DKIND=SHARED|STATIC -DLIBRARY=<file> -P VRLibCheckDriverExports.cmake
cmake_minimum_required(VERSION 3.17)

set(required
  DDrv_InitDriver DDrv_DeInitDriver DDrv_SetPixel DDrv_GetPixel DDrv_SetBL DDrv_GetBL
  DDrv_GetDisplayInfo DDrv_SetOrientation DDrv_GetVersion DDrv_RefreshDisplay
  DDrv_RefreshDisplayArea DDrv_GraphicFunction DDrv_SetDisplayContrast
  DDrv_GetDisplayContrast DDrv_SetDisplayBrightness DDrv_GetDisplayBrightness
  DDrv_SetHardKeyCallback DDrv_SetActiveWindow DDrv_GetActiveWindow)

if(KIND STREQUAL "STATIC")
  set(nmArgs --defined-only --extern-only)
else()
  set(nmArgs -D --defined-only)
endif()
execute_process(COMMAND ${NM} ${nmArgs} "${LIBRARY}"
  OUTPUT_VARIABLE nmOut RESULT_VARIABLE nmResult ERROR_VARIABLE nmError)
if(NOT nmResult EQUAL 0)
  message(FATAL_ERROR "${NM} ${nmArgs} ${LIBRARY} failed: ${nmError}")
endif()

# Only functions count: a data symbol of the right name is no driver call.
string(REPLACE "\n" ";" nmLines "${nmOut}")
set(defined "")
foreach(line IN LISTS nmLines)
  if(line MATCHES "^[0-9a-fA-F]* *[TtWi] ([^ @]+)")
    list(APPEND defined "${CMAKE_MATCH_1}")
  endif()
endforeach()

set(missing "")
foreach(fn IN LISTS required)
  if(NOT fn IN_LIST defined)
    list(APPEND missing ${fn})
  endif()
endforeach()
if(missing)
  list(LENGTH missing count)
  list(JOIN missing " " text)
  # One unwrapped line that names the library and every missing function.
  message(NOTICE "${LIBRARY}: ${count} of the 19 driver functions not exported: ${text} "
                 "(declare them with DDRV_API from DDrv.h, with C linkage)")
  message(FATAL_ERROR "driver export check failed")
endif()
