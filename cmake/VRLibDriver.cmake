# vrlib_add_driver(<name> [STATIC] [VERSION <major.minor.patch>] SOURCES <file>...)
#
# Builds a display driver for VRLib from its sources with the project's
# export rules: C linkage, everything hidden but the functions marked
# DDRV_API, no undefined symbols in a shared driver. After every build the
# 19 DDrv_ functions are checked; a missing one fails the build and is
# named. Extra exports are allowed. A VERSION of major.minor.patch reaches
# the sources as DDRV_VERSION_MAJOR, _MINOR and _PATCH, for DDrv_GetVersion.
#
# The application then links VRLib::Core (or VRLib::Static) and <name>:
#   target_link_libraries(app PRIVATE VRLib::Core <name>)
include_guard(GLOBAL)


function(vrlib_add_driver name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "STATIC" "VERSION" "SOURCES")
  if(NOT arg_SOURCES)
    message(FATAL_ERROR "vrlib_add_driver(${name}): no SOURCES given")
  endif()
  if(arg_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "vrlib_add_driver(${name}): unknown arguments ${arg_UNPARSED_ARGUMENTS}")
  endif()
  if(NOT TARGET VRLib::Headers)
    message(FATAL_ERROR "vrlib_add_driver(${name}): VRLib::Headers is missing; call find_package(VRLib) first")
  endif()

  if(arg_STATIC)
    add_library(${name} STATIC ${arg_SOURCES})
    set(kind STATIC)
  else()
    add_library(${name} SHARED ${arg_SOURCES})
    set(kind SHARED)
    target_link_options(${name} PRIVATE -Wl,--no-undefined)
    if(arg_VERSION)
      string(REGEX MATCH "^[0-9]+" major "${arg_VERSION}")
      set_target_properties(${name} PROPERTIES VERSION ${arg_VERSION} SOVERSION ${major})
    endif()
  endif()
  if(arg_VERSION MATCHES "^([0-9]+)\\.([0-9]+)\\.([0-9]+)$")
    target_compile_definitions(${name} PRIVATE DDRV_VERSION_MAJOR=${CMAKE_MATCH_1}
                               DDRV_VERSION_MINOR=${CMAKE_MATCH_2} DDRV_VERSION_PATCH=${CMAKE_MATCH_3})
  endif()
  target_link_libraries(${name} PRIVATE VRLib::Headers)
  target_compile_definitions(${name} PRIVATE DDRV_BUILD)
  set_target_properties(${name} PROPERTIES
    C_VISIBILITY_PRESET hidden
    CXX_VISIBILITY_PRESET hidden
    VISIBILITY_INLINES_HIDDEN ON
    POSITION_INDEPENDENT_CODE ON)

  set(nm "${CMAKE_NM}")
  if(NOT nm)
    set(nm nm)
  endif()
  add_custom_command(TARGET ${name} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -DNM=${nm} -DKIND=${kind} -DLIBRARY=$<TARGET_FILE:${name}>
            "-DINCLUDE_DIRS=$<JOIN:$<TARGET_PROPERTY:VRLib::Headers,INTERFACE_INCLUDE_DIRECTORIES>,|>"
            -P ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/VRLibCheckDriverExports.cmake
    VERBATIM)
endfunction()
