# What `cmake --install` puts under the prefix: the library with its headers, the tools, the
# fonts the toolkit reads, a CMake package and a pkg-config file.
include(CMakePackageConfigHelpers)

set(KORVEX_CMAKE_INSTALL_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/Korvex)
set(KORVEX_DATA_INSTALL_DIR ${CMAKE_INSTALL_DATADIR}/korvex)

install(TARGETS korvex EXPORT KorvexTargets ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(TARGETS kvx-export EXPORT KorvexTargets RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS korvex-studio kvx-pak RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(EXPORT KorvexTargets NAMESPACE Korvex:: DESTINATION ${KORVEX_CMAKE_INSTALL_DIR})

install(FILES ${PROJECT_SOURCE_DIR}/KVX_Classe/Inc_Korvex.hpp DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/korvex)
foreach(module IN ITEMS platform core gadgets dialogs design pak script)
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/${module}/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/korvex/${module}
          FILES_MATCHING PATTERN "*.hpp")
endforeach()

# The two font files, made from the system's fonts as the set-up script makes them.
set(korvex_fonts ${PROJECT_BINARY_DIR}/install-data)
add_custom_command(OUTPUT ${korvex_fonts}/zarvo.fon ${korvex_fonts}/arial.ttf
  COMMAND bash ${PROJECT_SOURCE_DIR}/scripts/fonts.sh $<TARGET_FILE:make_fon> ${korvex_fonts}
  DEPENDS make_fon ${PROJECT_SOURCE_DIR}/scripts/fonts.sh
  VERBATIM)
add_custom_target(korvex_fonts ALL DEPENDS ${korvex_fonts}/zarvo.fon ${korvex_fonts}/arial.ttf)
install(FILES ${korvex_fonts}/zarvo.fon ${korvex_fonts}/arial.ttf DESTINATION ${KORVEX_DATA_INSTALL_DIR})

configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/KorvexConfig.cmake.in
  ${PROJECT_BINARY_DIR}/KorvexConfig.cmake INSTALL_DESTINATION ${KORVEX_CMAKE_INSTALL_DIR}
  PATH_VARS KORVEX_DATA_INSTALL_DIR)
write_basic_package_version_file(${PROJECT_BINARY_DIR}/KorvexConfigVersion.cmake COMPATIBILITY SameMinorVersion)
install(FILES ${PROJECT_BINARY_DIR}/KorvexConfig.cmake ${PROJECT_BINARY_DIR}/KorvexConfigVersion.cmake
              ${PROJECT_SOURCE_DIR}/cmake/KorvexDesign.cmake DESTINATION ${KORVEX_CMAKE_INSTALL_DIR})

configure_file(${PROJECT_SOURCE_DIR}/cmake/korvex.pc.in ${PROJECT_BINARY_DIR}/korvex.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/korvex.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
