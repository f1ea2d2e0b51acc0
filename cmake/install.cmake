# Installation: headers, both shared libraries with their sonames, the
# demo with its board picture and INI, the converters, and the files that
# let an application find the library with find_package(VRLib) or
# pkg-config (vrlib).
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

install(FILES ${CMAKE_SOURCE_DIR}/lib/include/VRLib.h ${CMAKE_SOURCE_DIR}/driver/include/DDrv.h
              ${CMAKE_SOURCE_DIR}/driver/include/DDrv_Lumisim.h
        DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
# C++20 only: Windows-1252 texts from UTF-8 literals at compile time.
install(FILES ${CMAKE_SOURCE_DIR}/lib/include/VRCp1252.hpp DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})

# From a .pc file's folder up to the prefix: one step more than the
# library folder is deep (lib, or lib/<multiarch> for a /usr prefix).
file(RELATIVE_PATH VR_PC_TO_PREFIX /prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig /prefix)
string(REGEX REPLACE "/$" "" VR_PC_TO_PREFIX "${VR_PC_TO_PREFIX}")

if(TARGET VRLib AND TARGET DDrv_Lumisim)
  target_include_directories(VRLib INTERFACE $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>)
  target_include_directories(DDrv_Lumisim INTERFACE $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>)
  # The library finds its driver beside it, wherever the prefix lies.
  set_target_properties(VRLib PROPERTIES INSTALL_RPATH "$ORIGIN")
  install(TARGETS VRLib DDrv_Lumisim EXPORT VRLibTargets
          LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
          RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(EXPORT VRLibTargets NAMESPACE VRLib:: DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/VRLib)

  configure_package_config_file(${CMAKE_SOURCE_DIR}/cmake/VRLibConfig.cmake.in
    ${CMAKE_BINARY_DIR}/VRLibConfig.cmake INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/VRLib)
  write_basic_package_version_file(${CMAKE_BINARY_DIR}/VRLibConfigVersion.cmake
    VERSION ${PROJECT_VERSION} COMPATIBILITY SameMinorVersion)
  install(FILES ${CMAKE_BINARY_DIR}/VRLibConfig.cmake ${CMAKE_BINARY_DIR}/VRLibConfigVersion.cmake
          DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/VRLib)

  configure_file(${CMAKE_SOURCE_DIR}/cmake/vrlib.pc.in ${CMAKE_BINARY_DIR}/vrlib.pc @ONLY)
  install(FILES ${CMAKE_BINARY_DIR}/vrlib.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
endif()

# The demo runs from a folder that holds its board picture and INI, so they
# are installed beside it; the programs find the libraries through RPATH.
set(VR_INSTALL_RPATH "$ORIGIN/../${CMAKE_INSTALL_LIBDIR}")
if(TARGET Demoria)
  set_target_properties(Demoria PROPERTIES INSTALL_RPATH "${VR_INSTALL_RPATH}")
  install(TARGETS Demoria RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${CMAKE_BINARY_DIR}/bin/Board_320_240.bmp ${CMAKE_BINARY_DIR}/bin/Lumisim.ini
          DESTINATION ${CMAKE_INSTALL_BINDIR} OPTIONAL)
endif()
# The board pictures also go to the driver's data folder, where the driver
# looks when neither the current folder nor LUMISIM_BOARD_DIR has one.
if(TARGET DDrv_Lumisim AND LUMISIM_INSTALL_DATADIR)
  install(FILES ${CMAKE_BINARY_DIR}/bin/Board_320_240.bmp DESTINATION ${LUMISIM_INSTALL_DATADIR} OPTIONAL)
endif()
foreach(tool vr_fontconv vr_imgconv vr_drvcheck make_board vr_pngdiff)
  if(TARGET ${tool})
    set_target_properties(${tool} PROPERTIES INSTALL_RPATH "${VR_INSTALL_RPATH}")
    install(TARGETS ${tool} EXPORT VRLibToolTargets RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endforeach()

# The driver-neutral library (shared and static), the headers target and
# the function that builds drivers, so an application can bind a driver of
# its choice: VRLib::Core or VRLib::Static plus vrlib_add_driver, or the
# pkg-config file vrlib-core plus -l<driver>.
if(TARGET VRLibCore)
  target_include_directories(VRLibHeaders INTERFACE $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>)
  install(TARGETS VRLibCore VRLibStatic VRLibHeaders EXPORT VRLibTargets
          LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
          ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
          RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${CMAKE_SOURCE_DIR}/cmake/VRLibDriver.cmake ${CMAKE_SOURCE_DIR}/cmake/VRLibCheckDriverExports.cmake
          DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/VRLib)
  configure_file(${CMAKE_SOURCE_DIR}/cmake/vrlib-core.pc.in ${CMAKE_BINARY_DIR}/vrlib-core.pc @ONLY)
  install(FILES ${CMAKE_BINARY_DIR}/vrlib-core.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
endif()
# The Linux frame-buffer driver, for applications that link it instead of
# the simulator.
if(TARGET DDrv_Fbdev)
  install(TARGETS DDrv_Fbdev LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})
endif()
include(${CMAKE_CURRENT_LIST_DIR}/install_appkit.cmake)
