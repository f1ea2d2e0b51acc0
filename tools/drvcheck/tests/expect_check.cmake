# Runs vr_drvcheck on a driver and checks its verdict.
#   -DCHECKER=<vr_drvcheck> -DDRIVER=<lib> [-DARGS=<extra args, ;-separated>]
#   -DCLAUSE=<id> -DREASON=<regex>: that clause must fail with a reason
#        matching the regex, and the exit status must be 1
#   no CLAUSE: every clause must pass, exit status 0
execute_process(COMMAND "${CHECKER}" ${ARGS} "${DRIVER}" RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
message(STATUS "vr_drvcheck ${ARGS} ${DRIVER}:\n${out}${err}")

string(REGEX MATCH "([0-9]+) passed, ([0-9]+) failed\n$" last "${out}")
if(NOT last)
  message(FATAL_ERROR "the last line is not \"N passed, M failed\"")
endif()
set(failedCount ${CMAKE_MATCH_2})

if(NOT CLAUSE)
  if(NOT status EQUAL 0 OR NOT failedCount EQUAL 0)
    message(FATAL_ERROR "expected every clause to pass (exit ${status})")
  endif()
  return()
endif()

if(NOT status EQUAL 1)
  message(FATAL_ERROR "expected exit status 1 for a failing driver, got ${status}")
endif()
if(NOT out MATCHES "\nFAIL  ${CLAUSE}: [^\n]*(${REASON})" AND NOT out MATCHES "^FAIL  ${CLAUSE}: [^\n]*(${REASON})")
  message(FATAL_ERROR "clause ${CLAUSE} did not fail with a reason matching \"${REASON}\"")
endif()
