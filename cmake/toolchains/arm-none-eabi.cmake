# Cross build for Cortex-M3/M4 with Debian's gcc-arm-none-eabi, newlib and
# newlib's libstdc++ headers. The library is built without exceptions,
# RTTI or heap, so nothing of the C++ runtime is linked; C++ headers such
# as <cstdint> and <algorithm> still come from libstdc++-arm-none-eabi.
#
#   cmake -S . -B build-m3 --toolchain cmake/toolchains/arm-none-eabi.cmake -DVR_MCU_CPU=cortex-m3
#
# or the presets cortex-m3 and cortex-m4 (CMakePresets.json).
set(CMAKE_SYSTEM_NAME Generic)
set(CMAKE_SYSTEM_PROCESSOR arm)

set(VR_MCU_CPU cortex-m3 CACHE STRING "Target core: cortex-m3 or cortex-m4")
set_property(CACHE VR_MCU_CPU PROPERTY STRINGS cortex-m3 cortex-m4)

set(CMAKE_C_COMPILER arm-none-eabi-gcc)
set(CMAKE_CXX_COMPILER arm-none-eabi-g++)
set(CMAKE_ASM_COMPILER arm-none-eabi-gcc)
set(CMAKE_AR arm-none-eabi-ar)
set(CMAKE_RANLIB arm-none-eabi-ranlib)
set(CMAKE_SIZE arm-none-eabi-size)
set(CMAKE_NM arm-none-eabi-nm)
set(CMAKE_OBJCOPY arm-none-eabi-objcopy)

# The compiler checks link a test program; there is no board yet, so a
# static library stands in for the executable.
set(CMAKE_TRY_COMPILE_TARGET_TYPE STATIC_LIBRARY)

# The M4 has a single-precision FPU; the library computes in integers (the
# progress bar's one double goes through libgcc either way), so soft-float
# keeps one ABI for both cores.
set(_vr_cpu_flags "-mcpu=${VR_MCU_CPU} -mthumb -mfloat-abi=soft")
set(CMAKE_C_FLAGS_INIT "${_vr_cpu_flags} -ffunction-sections -fdata-sections")
set(CMAKE_CXX_FLAGS_INIT
    "${_vr_cpu_flags} -ffunction-sections -fdata-sections -fno-exceptions -fno-rtti -fno-threadsafe-statics -fno-use-cxa-atexit")
set(CMAKE_ASM_FLAGS_INIT "${_vr_cpu_flags}")
set(CMAKE_EXE_LINKER_FLAGS_INIT "${_vr_cpu_flags} -Wl,--gc-sections")

set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
