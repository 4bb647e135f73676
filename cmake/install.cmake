# What `cmake --install` puts where. Component "program": the program, its manual page and
# its documents (the Debian package holds only these). Component "development": the
# calculation library for other programs, as the CMake package zorpi with target zorpi::calc.

include(CMakePackageConfigHelpers)

install(TARGETS zorpi RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT program)
install(FILES doc/zorpi.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT program)
install(FILES README.md doc/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR} COMPONENT program)

install(TARGETS zorpi_calc EXPORT zorpiTargets
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT development)
install(DIRECTORY src/model src/calc DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/zorpi
  COMPONENT development FILES_MATCHING PATTERN "*.h")

set(ZORPI_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/zorpi)
install(EXPORT zorpiTargets NAMESPACE zorpi:: DESTINATION ${ZORPI_CMAKE_DIR}
  COMPONENT development)
configure_package_config_file(cmake/zorpiConfig.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/zorpiConfig.cmake INSTALL_DESTINATION ${ZORPI_CMAKE_DIR})
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/zorpiConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/zorpiConfig.cmake
  ${CMAKE_CURRENT_BINARY_DIR}/zorpiConfigVersion.cmake
  DESTINATION ${ZORPI_CMAKE_DIR} COMPONENT development)
