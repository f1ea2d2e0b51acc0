# Fails when the library's totals (size-totals.cmake, written by
# size_report.cmake) exceed the budget.
#   cmake -DTOTALS=<size-totals.cmake> -DFLASH=<bytes> -DRAM=<bytes> -P size_budget.cmake
if(NOT EXISTS ${TOTALS})
  message(FATAL_ERROR "size budget: ${TOTALS} is missing; build the library first")
endif()
include(${TOTALS})
math(EXPR flash "${VR_SIZE_CODE} + ${VR_SIZE_RODATA}")
message(STATUS "library: ${flash} B code and read-only data (budget ${FLASH}), ${VR_SIZE_RAM} B RAM (budget ${RAM})")
if(flash GREATER FLASH)
  message(FATAL_ERROR "size budget: ${flash} B of code and read-only data exceed ${FLASH} B")
endif()
if(VR_SIZE_RAM GREATER RAM)
  message(FATAL_ERROR "size budget: ${VR_SIZE_RAM} B of RAM exceed ${RAM} B")
endif()
