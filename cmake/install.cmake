# What `cmake --install` puts where. Component "program": the program, its manual page and
# its documents (the Debian package zorpi, the Windows zip). Component "development": the
# calculation library for other programs, as the CMake package zorpi with target zorpi::calc
# and as the pkg-config package zorpi-calc, with its own documents (libzorpi-calc-dev).

include(CMakePackageConfigHelpers)

if(WIN32)
  # One folder, as Windows programs come: the program beside a text written for Windows users
  # and the licence, both with Windows line ends for Notepad and `type`.
  foreach(text README LICENSE)
    set(source ${CMAKE_CURRENT_SOURCE_DIR}/LICENSE)
    if(text STREQUAL README)
      set(source ${CMAKE_CURRENT_SOURCE_DIR}/doc/windows.txt)
    endif()
    add_custom_command(OUTPUT ${text}.txt
      COMMAND ${CMAKE_COMMAND} -DIN=${source} -DOUT=${CMAKE_CURRENT_BINARY_DIR}/${text}.txt
              -P ${CMAKE_CURRENT_SOURCE_DIR}/cmake/windows_text.cmake
      DEPENDS ${source} cmake/windows_text.cmake)
    list(APPEND zorpi_windows_texts ${CMAKE_CURRENT_BINARY_DIR}/${text}.txt)
  endforeach()
  add_custom_target(zorpi_windows_texts ALL DEPENDS ${zorpi_windows_texts})
  install(TARGETS zorpi RUNTIME DESTINATION . COMPONENT program)
  install(FILES ${zorpi_windows_texts} DESTINATION . COMPONENT program)
else()
  install(TARGETS zorpi RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT program)
  # The manual page with the version of project(), the one place it is kept.
  configure_file(doc/zorpi.1.in ${CMAKE_CURRENT_BINARY_DIR}/zorpi.1 @ONLY)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/zorpi.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1
    COMPONENT program)
  # The changelog's first entry has the version of project().
  configure_file(doc/changelog.in ${CMAKE_CURRENT_BINARY_DIR}/changelog @ONLY)
  install(FILES README.md doc/copyright ${CMAKE_CURRENT_BINARY_DIR}/changelog
    DESTINATION ${CMAKE_INSTALL_DOCDIR} COMPONENT program)
  install(FILES doc/library.md doc/copyright ${CMAKE_CURRENT_BINARY_DIR}/changelog
    DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/libzorpi-calc-dev COMPONENT development)
endif()

install(TARGETS zorpi_calc EXPORT zorpiTargets
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT development)
install(DIRECTORY src/model src/calc DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/zorpi
  COMPONENT development FILES_MATCHING PATTERN "*.h")
install(FILES src/zorpi.h ${ZORPI_GENERATED}/version.h
  DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/zorpi COMPONENT development)

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

# The same library for pkg-config: installed under /usr, as Debian's package is, with the
# system's own paths, which pkg-config leaves out of its output; anywhere else found from
# wherever the folder lies.
if(CMAKE_INSTALL_PREFIX STREQUAL "/usr")
  set(ZORPI_PC_PREFIX /usr)
else()
  file(RELATIVE_PATH up /prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig /prefix)
  string(REGEX REPLACE "/$" "" up "${up}")
  set(ZORPI_PC_PREFIX "\${pcfiledir}/${up}")
endif()
configure_file(cmake/zorpi-calc.pc.in ${CMAKE_CURRENT_BINARY_DIR}/zorpi-calc.pc @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/zorpi-calc.pc
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig COMPONENT development)
