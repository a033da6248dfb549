#include "python/job_options.hpp"

#include <functional>
#include <map>

#include "compensation/level_unit.hpp"
#include "jobs/column_listing.hpp"
#include "outputs/output_format.hpp"
#include "platform/files.hpp"

namespace py = pybind11;

namespace pelcon::python {
namespace {

// A refused option, named as the command line names it.
[[noreturn]] void Refuse(const std::string& key, const std::string& message) {
  std::string option = "--" + key;
  for (char& c : option) c = c == '_' ? '-' : c;
  throw py::value_error(option + ": " + message);
}

template <typename Number>
Number NumberIn(const std::string& key, const py::handle& value, Number lowest, Number highest) {
  const auto number = value.cast<Number>();
  if (!(number >= lowest && number <= highest)) Refuse(key, "out of range");
  return number;
}

std::string OneOf(const std::string& key, const py::handle& value,
                  std::initializer_list<std::string_view> allowed) {
  const auto text = value.cast<std::string>();
  for (std::string_view name : allowed) {
    if (text == name) return text;
  }
  Refuse(key, "\"" + text + "\" is not allowed");
}

std::vector<std::string> ColumnNames(const py::handle& value) {
  std::vector<std::string> names;
  for (const py::handle name : value) {
    const auto text = name.cast<std::string>();
    std::optional<std::string> column = jobs::TableColumnNamed(text);
    if (!column) Refuse("columns", jobs::UnknownColumnMessage(text));
    names.push_back(std::move(*column));
  }
  return names;
}

// Calls the handler of each option given; an option of no handler is refused.
using Handlers = std::map<std::string, std::function<void(const py::handle&)>>;
void ApplyOptions(const py::dict& options, const Handlers& handlers) {
  for (const auto& [key, value] : options) {
    const auto name = key.cast<std::string>();
    const auto handler = handlers.find(name);
    if (handler == handlers.end()) throw py::value_error("unknown option " + name);
    if (!value.is_none()) handler->second(value);
  }
}

// The text options both jobs share.
void AddTextHandlers(Handlers& handlers, outputs::TextFormat& format) {
  handlers["encoding"] = [&](const py::handle& v) {
    format.encoding = OneOf("encoding", v, {"utf-8", "windows-1252"}) == "utf-8"
                          ? outputs::TextEncoding::kUtf8
                          : outputs::TextEncoding::kWindows1252;
  };
  handlers["time"] = [&](const py::handle& v) {
    format.time = OneOf("time", v, {"iso", "us"}) == "iso" ? outputs::TimeStyle::kIso
                                                           : outputs::TimeStyle::kUs;
  };
  handlers["utc_offset"] = [&](const py::handle& v) {
    const auto text = v.cast<std::string>();
    format.utcOffsetMinutes = outputs::ParseUtcOffset(text);
    if (!format.utcOffsetMinutes) Refuse("utc_offset", "\"" + text + "\" is not +HH:MM or -HH:MM");
  };
  handlers["to_utc"] = [&](const py::handle& v) { format.toUtc = v.cast<bool>(); };
  handlers["decimal_comma"] = [&](const py::handle& v) { format.decimalComma = v.cast<bool>(); };
  handlers["separator"] = [&](const py::handle& v) { format.separator = v.cast<std::string>(); };
  handlers["header"] = [&](const py::handle& v) { format.headerReport = v.cast<bool>(); };
  handlers["bom"] = [&](const py::handle& v) { format.byteOrderMark = v.cast<bool>(); };
}

void CheckTextOptions(const outputs::TextFormat& format) {
  if (format.toUtc && !format.utcOffsetMinutes) Refuse("to_utc", "needs utc_offset");
  if (format.byteOrderMark && format.encoding != outputs::TextEncoding::kUtf8) {
    Refuse("bom", "a byte order mark is for encoding utf-8 only");
  }
}

void AddFormatHandler(Handlers& handlers, std::string& format) {
  handlers["format"] = [&](const py::handle& v) {
    format = v.cast<std::string>();
    if (!outputs::FindOutputFormat(format)) {
      Refuse("format",
             format + " is not available in this build (" + outputs::OutputFormatNames(", ") + ")");
    }
  };
}

}  // namespace

jobs::ConvertOptions ConvertOptionsFrom(const std::vector<std::string>& inputs,
                                        const py::dict& options) {
  jobs::ConvertOptions o;
  o.inputs = inputs;
  Handlers handlers;
  AddTextHandlers(handlers, o.format);
  AddFormatHandler(handlers, o.outputFormat);
  handlers["out"] = [&](const py::handle& v) { o.outputDirectory = py::str(v); };
  handlers["template"] = [&](const py::handle& v) {
    o.templatePath = py::str(v);
    if (!platform::FileExists(o.templatePath))
      Refuse("template", o.templatePath + ": no such file");
  };
  handlers["columns"] = [&](const py::handle& v) { o.columns = ColumnNames(v); };
  handlers["recursive"] = [&](const py::handle& v) { o.recursive = v.cast<bool>(); };
  handlers["jobs"] = [&](const py::handle& v) { o.jobs = NumberIn("jobs", v, 1u, 256u); };
  handlers["name"] = [&](const py::handle& v) {
    o.namePattern = v.cast<std::string>();
    if (o.namePattern.empty() || o.namePattern.find_first_of("/\\") != std::string::npos) {
      Refuse("name", "must be a file name without folders");
    }
  };
  handlers["metadata"] = [&](const py::handle& v) { o.metadata = v.cast<bool>(); };
  handlers["overwrite"] = [&](const py::handle& v) { o.overwrite = v.cast<bool>(); };
  handlers["skip_existing"] = [&](const py::handle& v) { o.skipExisting = v.cast<bool>(); };
  handlers["dry_run"] = [&](const py::handle& v) { o.dryRun = v.cast<bool>(); };
  ApplyOptions(options, handlers);
  CheckTextOptions(o.format);
  if (o.columns && !o.templatePath.empty()) Refuse("columns", "excludes template");
  return o;
}

jobs::CompensateOptions CompensateOptionsFrom(const std::string& level, const std::string& baro,
                                              const py::dict& options) {
  jobs::CompensateOptions o;
  o.levelFiles = {level};
  o.barometricFile = baro;
  Handlers handlers;
  AddTextHandlers(handlers, o.format);
  AddFormatHandler(handlers, o.outputFormat);
  const auto positive = [](const std::string& key, const py::handle& v) {
    const auto number = v.cast<double>();
    if (!(number > 0)) Refuse(key, "must be more than 0");
    return number;
  };
  handlers["max_gap"] = [&](const py::handle& v) { o.maxGapMinutes = positive("max_gap", v); };
  handlers["baro_offset"] = [&](const py::handle& v) {
    const auto text = v.cast<std::string>();
    const std::optional<int> minutes = outputs::ParseUtcOffset(text);
    if (!minutes) Refuse("baro_offset", "\"" + text + "\" is not +HH:MM or -HH:MM");
    o.barometricOffsetMinutes = *minutes;
  };
  handlers["density"] = [&](const py::handle& v) { o.density = positive("density", v); };
  handlers["density_from_temperature"] = [&](const py::handle& v) {
    o.densityFromTemperature = v.cast<bool>();
  };
  handlers["gravity"] = [&](const py::handle& v) { o.gravity = positive("gravity", v); };
  handlers["latitude"] = [&](const py::handle& v) {
    o.latitude = NumberIn("latitude", v, -90.0, 90.0);
  };
  handlers["site_elevation"] = [&](const py::handle& v) { o.siteElevation = v.cast<double>(); };
  handlers["offset"] = [&](const py::handle& v) { o.offsetPsi = v.cast<double>(); };
  handlers["units"] = [&](const py::handle& v) {
    o.unit = *LevelUnitOf(OneOf("units", v, {"m", "ft", "cm"}));
  };
  const auto readings = [](const std::string& key, const py::handle& v) {
    std::vector<TimedValue> values;
    for (const py::handle text : v) {
      const auto reading = jobs::ParseReading(text.cast<std::string>());
      if (!reading) Refuse(key, "\"" + text.cast<std::string>() + "\" is not TIME=VALUE");
      values.push_back(*reading);
    }
    return values;
  };
  handlers["depth_to_water"] = [&](const py::handle& v) {
    o.depthToWater = readings("depth_to_water", v);
  };
  handlers["elevation"] = [&](const py::handle& v) { o.elevation = readings("elevation", v); };
  handlers["overwrite"] = [&](const py::handle& v) { o.overwrite = v.cast<bool>(); };
  ApplyOptions(options, handlers);
  CheckTextOptions(o.format);
  if (o.density && o.densityFromTemperature) Refuse("density", "excludes density_from_temperature");
  if (o.gravity && (o.latitude || o.siteElevation)) Refuse("gravity", "excludes latitude");
  if (o.siteElevation && !o.latitude) Refuse("site_elevation", "needs latitude");
  if (o.latitude && !o.siteElevation) o.siteElevation = 0.0;
  return o;
}

}  // namespace pelcon::python
