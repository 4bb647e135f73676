# The Python module zorpi (pybind11, from Debian's pybind11-dev), compiled from the same
# calculation sources as the library, for a shared object; tools/release makes a wheel of it.
# Debian's Python is the one the wheel is for: -DPython_EXECUTABLE=/usr/bin/python3 where
# another one comes first on the path.
set(PYBIND11_FINDPYTHON ON)
find_package(pybind11 CONFIG REQUIRED)

set(ZORPI_FIELD_DOCS ${ZORPI_GENERATED}/field_docs.inc)
add_custom_command(OUTPUT ${ZORPI_FIELD_DOCS}
  COMMAND ${CMAKE_COMMAND} -DIN=${CMAKE_CURRENT_SOURCE_DIR}/src/model/connection_record.h
          -DOUT=${ZORPI_FIELD_DOCS} -P ${CMAKE_CURRENT_SOURCE_DIR}/cmake/field_docs.cmake
  DEPENDS src/model/connection_record.h cmake/field_docs.cmake
  COMMENT "The Python module's help for each field")

pybind11_add_module(zorpi_python python/module.cpp ${ZORPI_CALC_SOURCES} ${ZORPI_FIELD_DOCS})
set_target_properties(zorpi_python PROPERTIES OUTPUT_NAME zorpi)
target_include_directories(zorpi_python PRIVATE src ${ZORPI_GENERATED})
