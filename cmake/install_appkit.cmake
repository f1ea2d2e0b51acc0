# What an application project needs beyond the library: the tools as
# imported executables (VRLib::vr_fontconv, VRLib::vr_imgconv,
# VRLib::vr_pngdiff; VRLib::vr_drvcheck and VRLib::make_board beside them),
# the functions that convert assets and add golden-image tests, and an
# example project that uses them, under the documentation.
if(TARGET vr_fontconv OR TARGET vr_imgconv OR TARGET vr_drvcheck OR TARGET make_board OR TARGET vr_pngdiff)
  install(EXPORT VRLibToolTargets NAMESPACE VRLib:: DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/VRLib)
endif()
install(FILES ${CMAKE_CURRENT_LIST_DIR}/VRLibAssets.cmake ${CMAKE_CURRENT_LIST_DIR}/VRLibGoldenTest.cmake
              ${CMAKE_CURRENT_LIST_DIR}/VRLibGoldenRun.cmake
        DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/VRLib)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/examples/thermostat DESTINATION ${CMAKE_INSTALL_DOCDIR}/examples
        PATTERN "*.actual.png" EXCLUDE PATTERN "*.diff.png" EXCLUDE)
