# The Python module zorpi (pybind11, from Debian's pybind11-dev), compiled from the same
# calculation sources as the library, for a shared object; tools/release makes a wheel of it.
# Debian's Python is the one the wheel is for: -DPython_EXECUTABLE=/usr/bin/python3 where
# another one comes first on the path.
set(PYBIND11_FINDPYTHON ON)
find_package(pybind11 CONFIG REQUIRED)

# Each field's help comes from python/field_docs.inc, made from doc/help.md.
pybind11_add_module(zorpi_python python/module.cpp ${ZORPI_CALC_SOURCES})
set_target_properties(zorpi_python PROPERTIES OUTPUT_NAME zorpi)
target_include_directories(zorpi_python PRIVATE src python ${ZORPI_GENERATED})
