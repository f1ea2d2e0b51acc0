# vrlib_add_golden_test through its cases, in a project of its own:
#   cmake -DVRLIB_CMAKE_DIR=<cmake/> -DPNGDIFF=<vr_pngdiff> -DSMALL=<png> -DLARGE=<png>
#         -DWORK=<folder> -P golden_function_test.cmake
# Each case runs one test of that project with ctest and checks its result,
# what it says, and the pictures it leaves beside the goldens.
cmake_policy(VERSION 3.25)
file(REMOVE_RECURSE ${WORK})
execute_process(
  COMMAND ${CMAKE_COMMAND} -S ${CMAKE_CURRENT_LIST_DIR}/project -B ${WORK} -DVRLIB_CMAKE_DIR=${VRLIB_CMAKE_DIR}
          -DPNGDIFF=${PNGDIFF} -DSHOW=${CMAKE_CURRENT_LIST_DIR}/show_frames.sh -DSMALL=${SMALL} -DLARGE=${LARGE}
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "the test project does not configure:\n${out}")
endif()
set(goldens ${WORK}/goldens)

# ctest_case(<test> pass|fail <words the output must hold>... [UPDATE])
function(ctest_case test expect)
  set(words ${ARGN})
  set(env)
  if("UPDATE" IN_LIST words)
    list(REMOVE_ITEM words UPDATE)
    set(env VRLIB_UPDATE_GOLDEN=1)
  endif()
  execute_process(COMMAND ${CMAKE_COMMAND} -E env ${env} ${CMAKE_CTEST_COMMAND} -R "^${test}$" -V
                  WORKING_DIRECTORY ${WORK} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(expect STREQUAL "pass" AND NOT rc EQUAL 0)
    message(FATAL_ERROR "${test} ${env}: should pass:\n${out}")
  elseif(expect STREQUAL "fail" AND rc EQUAL 0)
    message(FATAL_ERROR "${test} ${env}: should fail:\n${out}")
  endif()
  # The runner's messages are wrapped at blanks and ctest -V puts the test's
  # number before each line; compare without either.
  string(REGEX REPLACE "\n[0-9]+: " "\n" flat "${out}")
  string(REGEX REPLACE "[ \n]+" " " flat "${flat}")
  foreach(w IN LISTS words)
    string(FIND "${flat}" "${w}" at)
    if(at EQUAL -1)
      message(FATAL_ERROR "${test} ${env}: output lacks '${w}':\n${out}")
    endif()
  endforeach()
endfunction()

function(expect_files)
  foreach(f IN LISTS ARGN)
    if(NOT EXISTS ${goldens}/${f})
      message(FATAL_ERROR "${f} should be beside the goldens")
    endif()
  endforeach()
endfunction()
function(expect_no_files)
  foreach(f IN LISTS ARGN)
    if(EXISTS ${goldens}/${f})
      message(FATAL_ERROR "${f} should not be beside the goldens")
    endif()
  endforeach()
endfunction()

# No golden yet: fails, keeps the frame as the actual picture; the update
# switch makes it the golden, after which the test passes.
ctest_case(last fail "no golden ${goldens}/last.png" "${goldens}/last.actual.png")
expect_files(last.actual.png)
ctest_case(last pass "wrote ${goldens}/last.png from frame_000001.png" UPDATE)
expect_no_files(last.actual.png)
execute_process(COMMAND ${PNGDIFF} ${LARGE} ${goldens}/last.png RESULT_VARIABLE same)
if(NOT same EQUAL 0)
  message(FATAL_ERROR "the golden written is not the last frame")
endif()
ctest_case(last pass "frame_000001.png matches")

# Named frames, each with its own golden. Swapped goldens fail both, with
# sizes named, actual and diff pictures beside each golden.
ctest_case(named pass UPDATE)
expect_files(named_frame_000000.png named_frame_000001.png)
file(RENAME ${goldens}/named_frame_000000.png ${goldens}/swap.png)
file(RENAME ${goldens}/named_frame_000001.png ${goldens}/named_frame_000000.png)
file(RENAME ${goldens}/swap.png ${goldens}/named_frame_000001.png)
ctest_case(named fail "frame_000000.png differs from ${goldens}/named_frame_000000.png" "pixels differ (sizes"
           "actual: ${goldens}/named_frame_000000.actual.png" "diff: ${goldens}/named_frame_000000.diff.png"
           "frame_000001.png differs" "2 of the compared frames failed")
expect_files(named_frame_000000.actual.png named_frame_000000.diff.png named_frame_000001.actual.png
             named_frame_000001.diff.png)
ctest_case(named pass UPDATE)
expect_no_files(named_frame_000000.actual.png named_frame_000000.diff.png)
ctest_case(named pass)

# A frame the program did not show, no frame at all, a failing program.
ctest_case(unshown fail "frame_000005.png was not shown; the program showed 2 frames")
ctest_case(none fail "showed no frame")
ctest_case(crashing fail "ended with '7'")

# The scenario reaches the program as LUMISIM_INPUT, FILES lie in its folder.
ctest_case(scripted pass UPDATE)
ctest_case(scripted pass)
message(STATUS "vrlib_add_golden_test: every case behaves")
