# `cpack -G DEB` in the build folder: zorpi_<version>_<arch>.deb with the program, its
# compressed manual page and its documents, and libzorpi-calc-dev_<version>_<arch>.deb with
# the calculation library (headers, static library, pkg-config and CMake package files); the
# dependencies come from dpkg-shlibdeps. For Windows, `cpack -G ZIP`:
# zorpi-<version>-win64.zip with the program, README and licence. Archive members get the time
# of SOURCE_DATE_EPOCH where it is set, so that the same sources give the same packages.

set(CPACK_PACKAGE_NAME zorpi)
set(CPACK_PACKAGE_VENDOR "ZORPI-Entwicklerteam")
# The project has no mail; the reserved .invalid domain says so.
set(CPACK_PACKAGE_CONTACT "ZORPI-Entwicklerteam <zorpi@zorpi.invalid>")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_CURRENT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)

if(WIN32)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_ARCHIVE_COMPONENT_INSTALL ON)
  set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
  set(CPACK_COMPONENTS_ALL program)
  set(CPACK_PACKAGE_FILE_NAME ${CPACK_PACKAGE_NAME}-${PROJECT_VERSION}-win64)
  # Unzipped, it makes a folder of that name.
  set(CPACK_COMPONENT_INCLUDE_TOPLEVEL_DIRECTORY ON)
else()
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
  set(CPACK_DEB_COMPONENT_INSTALL ON)
  set(CPACK_COMPONENTS_ALL program development)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SOURCE zorpi)
  set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

  set(CPACK_DEBIAN_PROGRAM_PACKAGE_NAME zorpi)
  set(CPACK_DEBIAN_PROGRAM_PACKAGE_SECTION science)
  set(CPACK_DEBIAN_PROGRAM_DESCRIPTION
    "simplified strength check of shaft-hub connections
ZORPI checks shaft-hub connections the simplified way: parallel key, spline
shaft, serrated or involute spline, polygon profile P3G or P4C, taper 1:X and
clamp. From a single-key console menu the designer enters the torque, the
material values, the kind of loading and the geometry; ZORPI prints the mean
surface pressure p beside the allowable pressure pzul, for the taper and the
clamp also the friction and cone angles, forces, the transmittable torque and
stresses. The screens are German.")

  set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_NAME libzorpi-calc-dev)
  set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_SECTION libdevel)
  set(CPACK_DEBIAN_DEVELOPMENT_DESCRIPTION
    "calculation library of ZORPI, for shaft-hub connections
The connection record of ZORPI and its calculations of shaft-hub connections
(parallel key, spline shaft, serrated spline, polygon, taper, clamp), as a
static C++17 library with its headers, a pkg-config file (zorpi-calc) and a
CMake package (zorpi, target zorpi::calc). library.md in the documentation
describes the record's fields and the functions.")

  # The first line of each description is its synopsis.
  set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/deb_staging.cmake)
endif()
include(CPack)
