# The microcontroller build (a CMake build of its own, with the toolchain
# file cmake/toolchains/arm-none-eabi.cmake or a preset of
# CMakePresets.json): the static library with its size report and budget,
# and on Cortex-M3 the board images for QEMU's lm3s6965evb with their tests.
#
# The tests need a desktop build of the same tree (VR_HOST_BUILD): its
# converted demo fonts, and vr_scene_tool, which computes the desktop's
# checksum of the test scene and drives the emulator for screendumps.
# The warning options come from the top-level CMakeLists.txt.

include(${CMAKE_SOURCE_DIR}/lib/sources.cmake)
set(VR_LEAVE_OUT "" CACHE STRING "Library parts to leave out: any of ${VRLIB_PARTS}")
foreach(part IN LISTS VR_LEAVE_OUT)
  if(NOT part IN_LIST VRLIB_PARTS)
    message(FATAL_ERROR "VR_LEAVE_OUT: no library part '${part}' (parts: ${VRLIB_PARTS})")
  endif()
endforeach()
foreach(part IN LISTS VRLIB_PARTS)
  foreach(need IN LISTS VRLIB_PART_${part}_NEEDS)
    if(need IN_LIST VR_LEAVE_OUT AND NOT part IN_LIST VR_LEAVE_OUT)
      message(FATAL_ERROR "VR_LEAVE_OUT: ${part} needs ${need}; leave out both or neither")
    endif()
  endforeach()
endforeach()

vrlib_sources(mcu_sources ${VR_LEAVE_OUT})
add_library(VRLib STATIC ${mcu_sources})
target_include_directories(VRLib PUBLIC ${CMAKE_SOURCE_DIR}/lib/include ${CMAKE_SOURCE_DIR}/driver/include)
target_include_directories(VRLib PRIVATE ${CMAKE_SOURCE_DIR}/lib/format)
target_link_libraries(VRLib PRIVATE vr_versions)
target_compile_definitions(VRLib PRIVATE VRLIB_BUILD)
foreach(part IN LISTS VR_LEAVE_OUT)
  target_compile_definitions(VRLib PRIVATE VR_WITHOUT_${part})
endforeach()

# Size per source file and in total, after every build of the library.
set(VR_SIZE_REPORT ${CMAKE_BINARY_DIR}/size-report.md)
add_custom_command(TARGET VRLib POST_BUILD
  COMMAND ${CMAKE_COMMAND} -DSIZE=${CMAKE_SIZE} -DARCHIVE=$<TARGET_FILE:VRLib> -DCPU=${VR_MCU_CPU}
          -DOUT=${VR_SIZE_REPORT} -P ${CMAKE_SOURCE_DIR}/cmake/size_report.cmake
  BYPRODUCTS ${VR_SIZE_REPORT} ${CMAKE_BINARY_DIR}/size-totals.cmake
  VERBATIM)

enable_testing()
# The budget for the whole library at -Os on a Cortex-M3: code and
# read-only data in flash, initialised and zeroed data in RAM.
set(VR_BUDGET_FLASH 12288)
set(VR_BUDGET_RAM 512)
add_test(NAME size_budget
  COMMAND ${CMAKE_COMMAND} -DTOTALS=${CMAKE_BINARY_DIR}/size-totals.cmake -DFLASH=${VR_BUDGET_FLASH}
          -DRAM=${VR_BUDGET_RAM} -P ${CMAKE_SOURCE_DIR}/cmake/size_budget.cmake)
# The check itself must be able to fail: a budget of one byte is exceeded.
add_test(NAME size_budget_exceeded
  COMMAND ${CMAKE_COMMAND} -DTOTALS=${CMAKE_BINARY_DIR}/size-totals.cmake -DFLASH=1 -DRAM=1
          -P ${CMAKE_SOURCE_DIR}/cmake/size_budget.cmake)
set_tests_properties(size_budget_exceeded PROPERTIES WILL_FAIL TRUE)

if(VR_MCU_CPU STREQUAL "cortex-m3")
  # CTest runs the board's images in the emulator; semihosting carries their
  # output and exit status.
  set(CMAKE_CROSSCOMPILING_EMULATOR qemu-system-arm -M lm3s6965evb -display none -serial null -monitor none
      -semihosting-config enable=on,target=native -kernel)
  add_subdirectory(boards/lm3s6965)
  add_subdirectory(driver/ssd0323)
  # The test scene draws with every part of the library.
  if(NOT VR_LEAVE_OUT)
    add_subdirectory(tests/scene)
  endif()
endif()
