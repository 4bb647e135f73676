# What `cmake --install` puts where. Component "program": the program, its manual page and
# its documents (the Debian package and the Windows zip hold only these). Component
# "development": the calculation library for other programs, as the CMake package zorpi with
# target zorpi::calc.

include(CMakePackageConfigHelpers)

if(WIN32)
  # One folder, as Windows programs come: the program beside its documents, and the manual
  # page as text, rendered at build time.
  find_program(ZORPI_GROFF groff REQUIRED)
  add_custom_command(OUTPUT zorpi.txt
    COMMAND ${CMAKE_COMMAND} -DGROFF=${ZORPI_GROFF} -DPAGE=${CMAKE_CURRENT_SOURCE_DIR}/doc/zorpi.1
            -DTEXT=${CMAKE_CURRENT_BINARY_DIR}/zorpi.txt
            -P ${CMAKE_CURRENT_SOURCE_DIR}/cmake/render_manual.cmake
    DEPENDS doc/zorpi.1 cmake/render_manual.cmake)
  add_custom_target(zorpi_manual ALL DEPENDS zorpi.txt)
  install(TARGETS zorpi RUNTIME DESTINATION . COMPONENT program)
  install(FILES README.md LICENSE ${CMAKE_CURRENT_BINARY_DIR}/zorpi.txt DESTINATION .
    COMPONENT program)
else()
  install(TARGETS zorpi RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT program)
  install(FILES doc/zorpi.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT program)
  install(FILES README.md doc/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR} COMPONENT program)
endif()

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
