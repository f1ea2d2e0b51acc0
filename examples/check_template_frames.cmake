# Runs the example bound to the template driver with frame dumps on and
# checks that the picture it shows came out of that driver: a PPM frame of
# the template's 320 x 240 panel with the example's background and the
# white border of its first rectangle.
# Usage: cmake -DPROGRAM=<example> -DWORK=<empty folder> -P check_template_frames.cmake

file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
execute_process(COMMAND ${CMAKE_COMMAND} -E env DDRV_TEMPLATE_DUMP=${WORK} VR_EXAMPLE_SECONDS=0 "${PROGRAM}"
  WORKING_DIRECTORY "${WORK}" RESULT_VARIABLE result ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} ended with ${result}: ${errors}")
endif()

file(GLOB frames "${WORK}/frame_*.ppm")
list(LENGTH frames count)
if(count EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} showed no frame through the template driver (nothing in ${WORK})")
endif()
list(SORT frames)
list(GET frames -1 last)

set(header "P6\n320 240\n255\n")
string(LENGTH "${header}" headerLength)
file(READ "${last}" head LIMIT ${headerLength})
if(NOT head STREQUAL header)
  message(FATAL_ERROR "${last}: not a 320 x 240 PPM frame")
endif()

# pixel(x y expected-hex)
function(expect_pixel x y expected)
  math(EXPR offset "${headerLength} + (${y} * 320 + ${x}) * 3")
  file(READ "${last}" rgb OFFSET ${offset} LIMIT 3 HEX)
  if(NOT rgb STREQUAL expected)
    message(FATAL_ERROR "${last}: pixel (${x}, ${y}) is ${rgb}, expected ${expected}")
  endif()
endfunction()
expect_pixel(0 0 "000030")   # background (0, 0, 48)
expect_pixel(10 10 "ffffff") # the first rectangle's border
message(STATUS "${count} frame(s) from the template driver, last one as drawn")
