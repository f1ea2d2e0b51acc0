# Golden-image tests of an application's screens.
#
#   vrlib_add_golden_test(<name> COMMAND <program> [<args>...]
#                         GOLDEN_DIR <folder of checked-in PNGs>
#                         [FRAMES <n>...]          compare these frames instead of the last
#                         [INPUT <scenario file>]  given to the driver as LUMISIM_INPUT
#                         [FILES <file>...]        copied into the run folder (Lumisim.ini, ...)
#                         [ENVIRONMENT <var=value>...]
#                         [TIMEOUT <seconds>])     default 60
#
# The test runs the program headless (LUMISIM_HEADLESS=1) in a fresh folder
# with LUMISIM_DUMP set, so the driver writes every refresh as
# frame_NNNNNN.png. It then compares the last frame with
# <GOLDEN_DIR>/<name>.png, or each frame n of FRAMES with
# <GOLDEN_DIR>/<name>_frame_NNNNNN.png. The last frame is the default
# because calls such as VR_DrawCircle and VR_DrawProgressBar refresh on
# their own: a screen's first frames may show it half drawn.
#
# On a difference the test fails and writes <golden>.actual.png and
# <golden>.diff.png beside the golden and names them. Run it with
# VRLIB_UPDATE_GOLDEN=1 in the environment to write the frames as the new
# goldens instead (also how the first goldens are made).
#
# <program> is a target of the project or a path. The comparison is the
# installed tool VRLib::vr_pngdiff; nothing else is needed at test time.
include_guard(GLOBAL)

set_property(GLOBAL PROPERTY VRLIB_GOLDEN_RUNNER ${CMAKE_CURRENT_LIST_DIR}/VRLibGoldenRun.cmake)

function(vrlib_add_golden_test name)
  cmake_parse_arguments(PARSE_ARGV 1 G "" "GOLDEN_DIR;INPUT;TIMEOUT" "COMMAND;FRAMES;FILES;ENVIRONMENT")
  if(NOT G_COMMAND OR NOT G_GOLDEN_DIR)
    message(FATAL_ERROR "vrlib_add_golden_test(${name}): COMMAND and GOLDEN_DIR are required")
  endif()
  if(G_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "vrlib_add_golden_test(${name}): unknown arguments ${G_UNPARSED_ARGUMENTS}")
  endif()
  foreach(n IN LISTS G_FRAMES)
    if(NOT n MATCHES "^[0-9]+$")
      message(FATAL_ERROR "vrlib_add_golden_test(${name}): FRAMES takes frame numbers, not '${n}'")
    endif()
  endforeach()
  if(NOT G_TIMEOUT)
    set(G_TIMEOUT 60)
  endif()

  list(POP_FRONT G_COMMAND program)
  if(TARGET ${program})
    set(program $<TARGET_FILE:${program}>)
  endif()
  get_filename_component(golden_dir ${G_GOLDEN_DIR} ABSOLUTE)
  set(input "")
  if(G_INPUT)
    get_filename_component(input ${G_INPUT} ABSOLUTE)
  endif()
  set(files)
  foreach(f IN LISTS G_FILES)
    get_filename_component(f ${f} ABSOLUTE)
    list(APPEND files ${f})
  endforeach()

  # Everything the run needs goes into a generated script of settings, so
  # arguments with blanks or semicolons arrive as they were given.
  set(settings "")
  foreach(pair "PROGRAM;${program}" "GOLDEN_DIR;${golden_dir}" "INPUT;${input}" "NAME;${name}"
               "WORK;${CMAKE_CURRENT_BINARY_DIR}/vrlib_golden/${name}" "TIMEOUT;${G_TIMEOUT}"
               "COMPARE;$<TARGET_FILE:VRLib::vr_pngdiff>")
    list(GET pair 0 key)
    list(SUBLIST pair 1 -1 value)
    string(APPEND settings "set(VRLIB_GOLDEN_${key} [==[${value}]==])\n")
  endforeach()
  foreach(list ARGS FRAMES FILES ENVIRONMENT)
    if(list STREQUAL "ARGS")
      set(items ${G_COMMAND})
    elseif(list STREQUAL "FILES")
      set(items ${files})
    else()
      set(items ${G_${list}})
    endif()
    string(APPEND settings "set(VRLIB_GOLDEN_${list})\n")
    foreach(item IN LISTS items)
      string(APPEND settings "list(APPEND VRLIB_GOLDEN_${list} [==[${item}]==])\n")
    endforeach()
  endforeach()
  set(config ${CMAKE_CURRENT_BINARY_DIR}/vrlib_golden/${name}-$<CONFIG>.cmake)
  file(GENERATE OUTPUT ${config} CONTENT "${settings}")

  get_property(runner GLOBAL PROPERTY VRLIB_GOLDEN_RUNNER)
  add_test(NAME ${name} COMMAND ${CMAKE_COMMAND} -DVRLIB_GOLDEN_CONFIG=${config} -P ${runner})
  # The program's own timeout comes first, so a hang is reported by name.
  math(EXPR outer "${G_TIMEOUT} + 30")
  set_tests_properties(${name} PROPERTIES TIMEOUT ${outer} LABELS golden)
endfunction()
