# Checks that a built driver defines the DDrv_ functions VRLib calls (those
# DDrv.h declares with DDRV_API), and names every missing one. Extra exports
# are allowed (a driver may offer more, as the simulator does).
# Usage: cmake -DNM=<nm> -DKIND=SHARED|STATIC -DLIBRARY=<file>
#              -DINCLUDE_DIRS=<dir>[|<dir>...] -P VRLibCheckDriverExports.cmake
# INCLUDE_DIRS: where to look for DDrv.h (VRLib::Headers' include folders).
cmake_minimum_required(VERSION 3.17)

# The header is the one list of the driver functions.
string(REPLACE "|" ";" includeDirs "${INCLUDE_DIRS}")
set(header "")
foreach(dir IN LISTS includeDirs)
  if(NOT header AND EXISTS "${dir}/DDrv.h")
    set(header "${dir}/DDrv.h")
  endif()
endforeach()
if(NOT header)
  message(FATAL_ERROR "DDrv.h not found in the include folders \"${INCLUDE_DIRS}\"")
endif()
file(STRINGS "${header}" declarations REGEX "^DDRV_API ")
set(required "")
foreach(declaration IN LISTS declarations)
  if(declaration MATCHES "(DDrv_[A-Za-z0-9_]+)\\(")
    list(APPEND required "${CMAKE_MATCH_1}")
  endif()
endforeach()
list(LENGTH required requiredCount)
if(requiredCount EQUAL 0)
  message(FATAL_ERROR "${header} declares no DDRV_API function")
endif()

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
  message(NOTICE "${LIBRARY}: ${count} of the ${requiredCount} driver functions not exported: ${text} "
                 "(declare them with DDRV_API from DDrv.h, with C linkage)")
  message(FATAL_ERROR "driver export check failed")
endif()
