# Runs one golden-image test made by vrlib_add_golden_test:
#   cmake -DVRLIB_GOLDEN_CONFIG=<settings file> -P VRLibGoldenRun.cmake
# Fails with one line per problem that names the files involved.
cmake_policy(VERSION 3.21)
include(${VRLIB_GOLDEN_CONFIG})
set(name ${VRLIB_GOLDEN_NAME})
set(work ${VRLIB_GOLDEN_WORK})
set(frames ${work}/frames)

# A fresh folder for every run: no frame of an earlier run can be compared.
file(REMOVE_RECURSE ${work})
file(MAKE_DIRECTORY ${frames})
foreach(f IN LISTS VRLIB_GOLDEN_FILES)
  if(NOT EXISTS ${f})
    message(FATAL_ERROR "golden test ${name}: file to copy into the run folder is missing: ${f}")
  endif()
  file(COPY ${f} DESTINATION ${work})
endforeach()

set(env LUMISIM_HEADLESS=1 LUMISIM_DUMP=${frames})
if(VRLIB_GOLDEN_INPUT)
  if(NOT EXISTS ${VRLIB_GOLDEN_INPUT})
    message(FATAL_ERROR "golden test ${name}: input scenario not found: ${VRLIB_GOLDEN_INPUT}")
  endif()
  list(APPEND env LUMISIM_INPUT=${VRLIB_GOLDEN_INPUT})
endif()
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env ${env} ${VRLIB_GOLDEN_ENVIRONMENT} ${VRLIB_GOLDEN_PROGRAM} ${VRLIB_GOLDEN_ARGS}
  WORKING_DIRECTORY ${work}
  TIMEOUT ${VRLIB_GOLDEN_TIMEOUT}
  RESULT_VARIABLE rc
  OUTPUT_VARIABLE out
  ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "golden test ${name}: ${VRLIB_GOLDEN_PROGRAM} ended with '${rc}' in ${work}:\n${out}")
endif()

# Which frames against which goldens.
file(GLOB shown RELATIVE ${frames} ${frames}/frame_*.png)
list(SORT shown)
if(NOT shown)
  message(FATAL_ERROR "golden test ${name}: ${VRLIB_GOLDEN_PROGRAM} showed no frame "
                      "(nothing reaches ${frames} until the display is refreshed)")
endif()
set(pairs)
if(VRLIB_GOLDEN_FRAMES)
  foreach(n IN LISTS VRLIB_GOLDEN_FRAMES)
    math(EXPR n "${n}")
    string(LENGTH "${n}" digits)
    math(EXPR pad "6 - ${digits}")
    string(REPEAT "0" ${pad} zeros)
    set(frame frame_${zeros}${n}.png)
    if(NOT EXISTS ${frames}/${frame})
      list(LENGTH shown count)
      message(FATAL_ERROR "golden test ${name}: ${frame} was not shown; the program showed ${count} frames")
    endif()
    list(APPEND pairs "${frame}|${VRLIB_GOLDEN_GOLDEN_DIR}/${name}_${frame}")
  endforeach()
else()
  list(GET shown -1 last)
  list(APPEND pairs "${last}|${VRLIB_GOLDEN_GOLDEN_DIR}/${name}.png")
endif()

set(failures 0)
foreach(pair IN LISTS pairs)
  string(REPLACE "|" ";" pair "${pair}")
  list(GET pair 0 frame)
  list(GET pair 1 golden)
  string(REGEX REPLACE "\\.png$" "" stem ${golden})
  set(actual ${stem}.actual.png)
  set(diff ${stem}.diff.png)
  file(REMOVE ${actual} ${diff})
  get_filename_component(dir ${golden} DIRECTORY)
  file(MAKE_DIRECTORY ${dir})

  if("$ENV{VRLIB_UPDATE_GOLDEN}" STREQUAL "1")
    file(COPY_FILE ${frames}/${frame} ${golden})
    message(STATUS "golden test ${name}: wrote ${golden} from ${frame}")
    continue()
  endif()
  if(NOT EXISTS ${golden})
    file(COPY_FILE ${frames}/${frame} ${actual})
    message(SEND_ERROR "golden test ${name}: no golden ${golden}; ${frame} is in ${actual} "
                       "(VRLIB_UPDATE_GOLDEN=1 makes it the golden)")
    math(EXPR failures "${failures} + 1")
    continue()
  endif()
  execute_process(COMMAND ${VRLIB_GOLDEN_COMPARE} --diff ${diff} ${golden} ${frames}/${frame}
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err
                  OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_STRIP_TRAILING_WHITESPACE)
  if(rc EQUAL 0)
    message(STATUS "golden test ${name}: ${frame} matches ${golden}")
    continue()
  endif()
  file(COPY_FILE ${frames}/${frame} ${actual})
  if(err)
    message(SEND_ERROR "golden test ${name}: cannot compare ${frame} with ${golden}: ${err}")
  else()
    string(REGEX REPLACE ":.*" "" what "${out}")
    message(SEND_ERROR "golden test ${name}: ${frame} differs from ${golden}: ${what}; "
                       "actual: ${actual}, diff: ${diff} (VRLIB_UPDATE_GOLDEN=1 rewrites the golden)")
  endif()
  math(EXPR failures "${failures} + 1")
endforeach()
if(failures GREATER 0)
  message(FATAL_ERROR "golden test ${name}: ${failures} of the compared frames failed")
endif()
