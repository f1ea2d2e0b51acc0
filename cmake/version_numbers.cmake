# The version numbers, and nowhere else: the library's is the project's;
# the simulating driver keeps its own release line. Included before
# project() by the main build and by the separate fuzz build; the code
# reads them from the generated vr_versions.h (cmake/versions.cmake).
set(VRLIB_VERSION 0.2.4)
set(DDRV_LUMISIM_VERSION 1.2.1)
