// The calculation library as the Python module zorpi: the record with every field by its C++
// name, and the calls of <zorpi/zorpi.h>, from the same sources as the program's.

#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <string>
#include <tuple>
#include <vector>

#include "zorpi.h"

namespace py = pybind11;

PYBIND11_MODULE(zorpi, module) {
  module.doc() =
      "ZORPI's simplified strength check of shaft-hub connections: a ConnectionRecord holds "
      "every input, derived value and result of one design; calculate() fills in the results "
      "of the connection type in its field typ, check() names the inputs it cannot take.";

  py::class_<zorpi::ConnectionRecord> record(
      module, "ConnectionRecord",
      "All selections, inputs, derived values and results of one design, each field named by "
      "its on-screen symbol; every field starts at 0. Lengths in mm, forces in N, torques in "
      "Nm, pressures and stresses in N/mm2, angles in radians.");
  record.def(py::init<>());
  // Each field with its meaning, unit and types, from the record's header.
#define ZORPI_FIELD(name, doc) record.def_readwrite(#name, &zorpi::ConnectionRecord::name, doc);
#include "field_docs.inc"
#undef ZORPI_FIELD

  module.def("default_record", &zorpi::createDefaultRecord,
             "The program's start-up record: the complete taper example, every other field 0.");
  module.def("calculate", &zorpi::calculate, py::arg("r"),
             "Sets pzul, then runs the calculation of the connection type in r.typ, writing "
             "its results into r.");
  module.def(
      "check",
      [](const zorpi::ConnectionRecord& r) {
        std::vector<std::tuple<std::string, std::string, std::string>> problems;
        for (const zorpi::Problem& problem : zorpi::check(r)) {
          problems.emplace_back(problem.field, problem.de, problem.en);
        }
        return problems;
      },
      py::arg("r"),
      "The inputs of the type in r.typ that its calculation cannot take, as a list of "
      "(field, German, English); empty when it can.");
  module.def("is_self_locking", &zorpi::isSelfLocking, py::arg("r"),
             "After calculate() on a taper: True when the friction angle rho exceeds the half "
             "cone angle alpha.");
  module.attr("__version__") = ZORPI_VERSION_STRING;
}
