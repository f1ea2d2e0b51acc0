# vr_versions.h: the library's and the driver's version numbers for the
# code and the tests, written from project(VERSION) and
# DDRV_LUMISIM_VERSION. Link the interface target vr_versions to use it.
string(REPLACE "." ";" ddrv_version_parts "${DDRV_LUMISIM_VERSION}")
list(GET ddrv_version_parts 0 DDRV_LUMISIM_VERSION_MAJOR)
list(GET ddrv_version_parts 1 DDRV_LUMISIM_VERSION_MINOR)
list(GET ddrv_version_parts 2 DDRV_LUMISIM_VERSION_PATCH)

set(VR_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
configure_file(${CMAKE_CURRENT_LIST_DIR}/vr_versions.h.in ${VR_GENERATED_DIR}/vr_versions.h @ONLY)
add_library(vr_versions INTERFACE)
target_include_directories(vr_versions INTERFACE $<BUILD_INTERFACE:${VR_GENERATED_DIR}>)
