// The calculation library for Python, as the extension zorpi._zorpi, from the same sources as
// the program's: the record with every field by its C++ name (a wrong type for one is a
// TypeError naming it), made by keyword, shown by its fields, equal by value, copied and
// pickled; the two enumerations; and the calls of <zorpi/zorpi.h>. The package around it
// (python/zorpi/__init__.py) makes them the module zorpi, with the errors of check().

#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <climits>
#include <cmath>
#include <string>
#include <tuple>
#include <vector>

#include "zorpi.h"

namespace py = pybind11;

namespace {

using Record = zorpi::ConnectionRecord;

// A field of the record: its name, where it is (an integer or a real), and its help.
struct Field {
  const char* name;
  std::int32_t Record::*integer;
  double Record::*real;
  const char* doc;
};

constexpr Field field(const char* name, std::int32_t Record::*member, const char* doc) {
  return {name, member, nullptr, doc};
}

constexpr Field field(const char* name, double Record::*member, const char* doc) {
  return {name, nullptr, member, doc};
}

// Every field, in the header's order, with its help made from doc/help.md.
#define ZORPI_FIELD(name, doc) field(#name, &Record::name, doc),
const Field kFields[] = {
#include "field_docs.inc"
};
#undef ZORPI_FIELD

py::object get(const Record& r, const Field& f) {
  return f.integer != nullptr ? py::object(py::int_(r.*f.integer)) : py::float_(r.*f.real);
}

// Sets `f` of `r` to `value`: an integer field takes an int (an enumeration's value too), a
// real one any number; anything else is a TypeError that names the field.
void set(Record& r, const Field& f, py::handle value) {
  const std::string kind = py::str(py::type::handle_of(value).attr("__name__"));
  if (f.integer != nullptr) {
    if (PyIndex_Check(value.ptr()) == 0) {
      throw py::type_error(std::string(f.name) + " takes an integer, not " + kind);
    }
    const auto index = py::reinterpret_steal<py::object>(PyNumber_Index(value.ptr()));
    if (!index) {
      throw py::error_already_set();
    }
    int overflow = 0;
    const long long number = PyLong_AsLongLongAndOverflow(index.ptr(), &overflow);
    if (overflow != 0 || number < INT32_MIN || number > INT32_MAX) {
      throw py::value_error(std::string(f.name) + " must lie from -2147483648 to 2147483647");
    }
    r.*f.integer = static_cast<std::int32_t>(number);
    return;
  }
  const double number = PyFloat_AsDouble(value.ptr());
  if (number == -1.0 && PyErr_Occurred() != nullptr) {
    PyErr_Clear();
    throw py::type_error(std::string(f.name) + " takes a number, not " + kind);
  }
  r.*f.real = number;
}

const Field* fieldNamed(const std::string& name) {
  for (const Field& f : kFields) {
    if (name == f.name) {
      return &f;
    }
  }
  return nullptr;
}

// "ConnectionRecord(typ=1, T=250.0, ...)": the fields that are not 0, and always typ.
std::string shown(const Record& r) {
  std::string text = "ConnectionRecord(";
  const char* separator = "";
  for (const Field& f : kFields) {
    const bool zero = f.integer != nullptr ? r.*f.integer == 0 : r.*f.real == 0;
    if (!zero || f.integer == &Record::typ) {
      text += separator + std::string(f.name) + "=" + std::string(py::repr(get(r, f)));
      separator = ", ";
    }
  }
  return text + ")";
}

// Equal field by field; a NaN equals a NaN, so that a copy equals its original.
bool same(const Record& a, const Record& b) {
  for (const Field& f : kFields) {
    if (f.integer != nullptr
            ? a.*f.integer != b.*f.integer
            : !(a.*f.real == b.*f.real || (std::isnan(a.*f.real) && std::isnan(b.*f.real)))) {
      return false;
    }
  }
  return true;
}

// The state a pickle keeps: every field by its name.
py::dict state(const Record& r) {
  py::dict fields;
  for (const Field& f : kFields) {
    fields[f.name] = get(r, f);
  }
  return fields;
}

// A record from `fields`, by name; a name that is no field is a TypeError that names it.
Record recordOf(const py::dict& fields, const char* caller) {
  Record r{};
  for (const auto& [name, value] : fields) {
    const std::string key = py::str(name);
    const Field* f = fieldNamed(key);
    if (f == nullptr) {
      throw py::type_error(std::string(caller) + " got an unexpected keyword argument '" + key +
                           "'");
    }
    set(r, *f, value);
  }
  return r;
}

}  // namespace

PYBIND11_MODULE(_zorpi, module) {
  module.doc() = "The calculations of ZORPI, for the package zorpi around them.";

  py::enum_<zorpi::ConnectionType>(module, "ConnectionType", py::arithmetic(),
                                   "The connection type, the values of ConnectionRecord.typ.")
      .value("Passfeder", zorpi::Passfeder)
      .value("Keilwelle", zorpi::Keilwelle)
      .value("Zahnwelle", zorpi::Zahnwelle)
      .value("Polygon", zorpi::Polygon)
      .value("Kegel", zorpi::Kegel)
      .value("Klemm", zorpi::Klemm);
  py::enum_<zorpi::LoadType>(module, "LoadType", py::arithmetic(),
                             "The kind of loading, the values of ConnectionRecord.beanArt.")
      .value("EinseitigRuhend", zorpi::EinseitigRuhend)
      .value("EinseitigLeicht", zorpi::EinseitigLeicht)
      .value("EinseitigStark", zorpi::EinseitigStark)
      .value("WechselndLeicht", zorpi::WechselndLeicht)
      .value("WechselndStark", zorpi::WechselndStark);

  py::class_<Record> record(
      module, "ConnectionRecord",
      "All selections, inputs, derived values and results of one design, each field named by "
      "its on-screen symbol; every field starts at 0, and the keywords given set theirs, as "
      "ConnectionRecord(typ=1, T=250). Lengths in mm, forces in N, torques in Nm, pressures "
      "and stresses in N/mm2, angles in radians.");
  record.def(
      py::init([](const py::kwargs& fields) { return recordOf(fields, "ConnectionRecord()"); }));
  for (const Field& f : kFields) {
    record.def_property(
        f.name, [&f](const Record& r) { return get(r, f); },
        [&f](Record& r, const py::object& value) { set(r, f, value); }, f.doc);
  }
  record.def("__repr__", &shown);
  record.def("__eq__", [](const Record& a, const py::object& b) -> py::object {
    if (!py::isinstance<Record>(b)) {
      return py::reinterpret_borrow<py::object>(Py_NotImplemented);
    }
    return py::bool_(same(a, b.cast<const Record&>()));
  });
  record.attr("__hash__") = py::none();  // equal by value, and changeable
  record.def("__copy__", [](const Record& r) { return Record(r); });
  record.def("__deepcopy__", [](const Record& r, const py::object&) { return Record(r); });
  record.def(py::pickle(&state, [](const py::dict& fields) {
    return recordOf(fields, "ConnectionRecord.__setstate__");
  }));

  module.def("default_record", &zorpi::createDefaultRecord,
             "The program's start-up record: the complete taper example, every other field 0.");
  module.def("calculate", &zorpi::calculate, py::arg("r"),
             "Sets pzul, then runs the calculation of the connection type in r.typ, writing "
             "its results into r.");
  module.def(
      "check",
      [](const Record& r) {
        std::vector<std::tuple<std::string, std::string, std::string>> problems;
        for (const zorpi::Problem& problem : zorpi::check(r)) {
          problems.emplace_back(problem.field, problem.de, problem.en);
        }
        return problems;
      },
      py::arg("r"), "The inputs of r's type that its calculation cannot take.");
  module.def("is_self_locking", &zorpi::isSelfLocking, py::arg("r"),
             "After calculate() on a taper: True when the friction angle rho exceeds the half "
             "cone angle alpha.");
  module.attr("__version__") = ZORPI_VERSION_STRING;
}
