# `cpack -G DEB` in the build folder: zorpi_<version>_<arch>.deb with the program, its
# compressed manual page and its documents; the dependencies come from dpkg-shlibdeps.
# For Windows, `cpack -G ZIP`: zorpi-<version>-win64.zip with the program, README, licence
# and the manual page as text.

set(CPACK_PACKAGE_NAME zorpi)
set(CPACK_PACKAGE_VENDOR "ZORPI-Entwicklerteam")
set(CPACK_PACKAGE_CONTACT "ZORPI-Entwicklerteam <zorpi@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "simplified strength check of shaft-hub connections (Welle-Nabe-Verbindungen)")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "ZORPI berechnet Welle-Nabe-Verbindungen vereinfacht nach DIN 6892 und verwandten Normen:
Passfeder, Keilwelle, Zahnwelle (Kerb- oder Evolventenverzahnung), Polygonprofil P3G/P4C,
Kegelverbindung 1:X und Klemmverbindung. From a single-key console menu the designer enters
torque, material values, kind of loading and geometry; ZORPI prints the mean surface
pressure p beside the allowable pressure pzul, and for the taper and the clamp also the
friction and cone angles, forces, the transmittable torque and stresses.")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_CURRENT_SOURCE_DIR}/LICENSE)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Only the program's component; the calculation library is for `cmake --install`.
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_COMPONENTS_ALL program)
set(CPACK_STRIP_FILES ON)
set(CPACK_ARCHIVE_COMPONENT_INSTALL ON)
if(WIN32)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_PACKAGE_FILE_NAME ${CPACK_PACKAGE_NAME}-${PROJECT_VERSION}-win64)
  # Unzipped, it makes a folder of that name.
  set(CPACK_COMPONENT_INCLUDE_TOPLEVEL_DIRECTORY ON)
else()
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
  # Debian keeps manual pages gzip-compressed.
  set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/compress_manual.cmake)
endif()
include(CPack)
