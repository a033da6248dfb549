// The compiled part of the Python package pelcon: files to arrays and metadata. The package's
// __init__.py makes DataFrames of them, so that numpy alone is enough for read_arrays.

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "jobs/column_listing.hpp"
#include "jobs/convert_job.hpp"
#include "jobs/file_report.hpp"
#include "jobs/inspect_job.hpp"
#include "jobs/inspect_json.hpp"
#include "jobs/json_text.hpp"
#include "jobs/log_opening.hpp"
#include "jobs/log_summary.hpp"
#include "outputs/output_format.hpp"
#include "outputs/text_format.hpp"
#include "python/compensated_frame.hpp"
#include "python/job_options.hpp"
#include "python/log_frame.hpp"
#include "values/log_file_reader.hpp"

namespace py = pybind11;

namespace pelcon::python {
namespace {

// Becomes pelcon.LogFileError: a file, template or column the converter cannot use.
struct LogFileFailure : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// An array that owns the vector it views, without a copy.
template <typename T>
py::array_t<T> ArrayOf(std::vector<T>&& values) {
  auto* owned = new std::vector<T>(std::move(values));
  py::capsule owner(owned, [](void* p) { delete static_cast<std::vector<T>*>(p); });
  return py::array_t<T>(static_cast<py::ssize_t>(owned->size()), owned->data(), owner);
}

// An array that owns the block it views, without a copy.
template <typename T>
py::array_t<T> ArrayOf(std::unique_ptr<T[]>&& block, std::size_t size) {
  py::capsule owner(block.get(), [](void* p) { delete[] static_cast<T*>(p); });
  T* data = block.release();
  return py::array_t<T>(static_cast<py::ssize_t>(size), data, owner);
}

py::object JsonObject(const nlohmann::json& value) {
  return py::module_::import("json").attr("loads")(jobs::JsonLine(value));
}

py::tuple ReadArrays(const std::string& path, std::optional<std::vector<std::string>> columns,
                     std::optional<std::string> templatePath) {
  FrameRequest request{path, std::move(columns), templatePath.value_or(std::string())};
  LogFrame frame;
  std::string error;
  bool read = false;
  {
    py::gil_scoped_release release;
    read = ReadLogFrame(request, frame, error);
  }
  if (!read) throw LogFileFailure(error);
  const py::ssize_t records = static_cast<py::ssize_t>(frame.times.size());
  py::array values = ArrayOf(std::move(frame.values), frame.names.size() * frame.times.size())
                         .attr("reshape")(static_cast<py::ssize_t>(frame.names.size()), records);
  py::array times = ArrayOf(std::move(frame.times)).attr("view")("datetime64[ns]");
  return py::make_tuple(times, frame.names, values, JsonObject(frame.metadata));
}

py::object Inspect(const std::string& path) {
  jobs::LogInspection inspection;
  {
    py::gil_scoped_release release;
    inspection = jobs::InspectLogFile(path);
  }
  if (!inspection.error.empty()) throw LogFileFailure(path + ": " + inspection.error);
  return JsonObject(jobs::InspectJson(path, inspection.summary, inspection.columns));
}

py::list Columns(std::optional<std::string> path) {
  jobs::ColumnListing listing;
  {
    py::gil_scoped_release release;
    listing = jobs::ListColumns(path);
  }
  if (!listing.error.empty()) throw LogFileFailure(*path + ": " + listing.error);
  py::list result;
  for (const jobs::ListedColumn& column : listing.columns) {
    result.append(JsonObject(jobs::ListedColumnJson(column, path.has_value())));
  }
  return result;
}

// The convert job on the inputs: its outcomes as `convert --json` prints them. An option it
// would refuse raises ValueError, a run that cannot start or a failed file LogFileError, with the
// messages the command line prints.
py::list Convert(const std::vector<std::string>& inputs, const py::dict& keywords) {
  const jobs::ConvertOptions options = ConvertOptionsFrom(inputs, keywords);
  jobs::ConvertResult run;
  {
    py::gil_scoped_release release;
    run = jobs::Convert(options);
  }
  if (!run.error.empty()) throw LogFileFailure(run.error);
  py::list result;
  for (const jobs::FileOutcome& outcome : run.outcomes) {
    if (jobs::IsFailure(outcome.status)) throw LogFileFailure(jobs::ReportLine(outcome));
    result.append(py::module_::import("json").attr("loads")(jobs::ReportJson(outcome)));
  }
  return result;
}

// The compensation of one level file, written nothing: (times, names, values, flags, warnings,
// report). An option the job would refuse raises ValueError, a file that cannot be used or
// compensated LogFileError, with the messages the command line prints.
py::tuple Compensate(const std::string& level, const std::string& baro, const py::dict& keywords) {
  const jobs::CompensateOptions options = CompensateOptionsFrom(level, baro, keywords);
  CompensatedFrame frame;
  std::string error;
  bool compensated = false;
  {
    py::gil_scoped_release release;
    compensated = CompensateIntoFrame(options, frame, error);
  }
  if (!compensated) throw LogFileFailure(error);
  py::list values;
  for (std::vector<double>& column : frame.values) values.append(ArrayOf(std::move(column)));
  py::array times = ArrayOf(std::move(frame.times)).attr("view")("datetime64[ns]");
  return py::make_tuple(times, frame.names, values, ArrayOf(std::move(frame.compensated)),
                        frame.warnings, JsonObject(frame.report));
}

}  // namespace
}  // namespace pelcon::python

PYBIND11_MODULE(_pelcon, module) {
  using namespace pelcon::python;
  module.doc() = "The compiled part of pelcon; use the functions of the package pelcon.";
  py::register_exception<LogFileFailure>(module, "LogFileError", PyExc_ValueError);
  module.def("read_arrays", &ReadArrays, py::arg("path"), py::arg("columns") = py::none(),
             py::arg("template") = py::none(),
             "(times, names, values, metadata) of a log file's number columns; values has a row "
             "per name.");
  module.def("inspect", &Inspect, py::arg("path"),
             "The metadata of a log file as `pelcon inspect --json` prints it.");
  module.def("columns", &Columns, py::arg("path") = py::none(),
             "The columns as `pelcon columns --json` lists them.");
  module.def(
      "output_formats",
      [] {
        std::vector<std::string> names;
        for (const pelcon::outputs::OutputFormat& format : pelcon::outputs::OutputFormats()) {
          names.emplace_back(format.name);
        }
        return names;
      },
      "The names of the output formats this build writes.");
  module.def("convert", &Convert, py::arg("inputs"), py::arg("options"),
             "Converts the inputs with the options of pelcon.convert.");
  module.def("compensate", &Compensate, py::arg("level"), py::arg("baro"), py::arg("options"),
             "Compensates one level file with the options of pelcon.compensate, writing nothing.");
  module.def(
      "parse_utc_offset",
      [](const std::string& text) { return pelcon::outputs::ParseUtcOffset(text); },
      py::arg("text"), "Minutes east of UTC of \"+HH:MM\", \"-HH:MM\" or \"Z\"; None otherwise.");
}
