#include "outputs/netcdf/netcdf_series.hpp"

#include <netcdf.h>

#include <memory>
#include <mutex>
#include <string_view>
#include <vector>

#include "datalib/julian_time.hpp"
#include "datalib/utc_offset_text.hpp"
#include "outputs/netcdf/netcdf_names.hpp"
#include "outputs/typed_format_writer.hpp"

namespace pelcon::outputs {
namespace {

// Records written at once, and the chunk of the compressed variables.
constexpr std::size_t kChunkRecords = 8192;
constexpr int kDeflateLevel = 4;
// Whole chunks are written at once, so each variable needs little cache (the library's default
// would hold megabytes per variable).
constexpr std::size_t kChunkCacheBytes = 4 * kChunkRecords * sizeof(double);
constexpr std::size_t kChunkCacheSlots = 7;
constexpr float kChunkCachePreemption = 1.0f;

struct Variable {
  int id = 0;
  std::size_t column = 0;
  bool time = false;  // a date-time column, in the time coordinate's units
  std::vector<double> values;
};

class NetcdfFile {
 public:
  NetcdfFile(const TableDescription& series, const TableRecords& records, std::string& error)
      : series_(series), records_(records), error_(error) {}
  ~NetcdfFile() {
    if (open_) nc_close(id_);
  }

  bool Write(const std::string& path, const RecordProgress& progress) {
    if (!Check(nc_create(path.c_str(), NC_NETCDF4 | NC_NOCLOBBER, &id_))) return false;
    open_ = true;
    if (!Define()) return false;
    if (!Check(nc_enddef(id_))) return false;
    if (!WriteStation()) return false;
    const std::size_t count = records_.Count();
    std::size_t written = 0;
    for (std::size_t record = 0; record < count; ++record) {
      if (!cursor_->Select(record)) break;
      const CellValue time = cursor_->RecordTime();
      times_.push_back(time.type == CellValue::Type::kDateTime ? Seconds(time.number)
                                                               : NC_FILL_DOUBLE);
      for (Variable& variable : variables_) {
        const CellValue value = cursor_->Value(variable.column);
        double number = NC_FILL_DOUBLE;
        if (value.type == CellValue::Type::kNumber) number = value.number;
        if (value.type == CellValue::Type::kDateTime) number = Seconds(value.number);
        variable.values.push_back(number);
      }
      if (times_.size() == kChunkRecords) {
        if (!Flush(written)) return false;
        written = record + 1;
        if (!progress(written)) return Stopped();
      }
    }
    const std::size_t total = written + times_.size();
    if (!Flush(written)) return false;
    if (!progress(total)) return Stopped();
    open_ = false;
    return Check(nc_close(id_));
  }

 private:
  bool Check(int status) {
    if (status == NC_NOERR) return true;
    error_ = nc_strerror(status);
    return false;
  }
  bool Stopped() {
    error_ = "stopped";
    return false;
  }

  // Seconds since 1970 in the time coordinate's units: UTC when the offset is known.
  double Seconds(double julian) const {
    // Whole milliseconds divided once: the nearest double to the time the CSV file prints.
    const long long offset = 60000LL * series_.utcOffsetMinutes.value_or(0);
    return static_cast<double>(MillisecondsSince1970(julian) - offset) / 1000.0;
  }

  bool Text(int variable, const char* name, std::string_view text) {
    return Check(nc_put_att_text(id_, variable, name, text.size(), text.data()));
  }

  std::string TimeUnits() const {
    return series_.utcOffsetMinutes ? "seconds since 1970-01-01T00:00:00Z"
                                    : "seconds since 1970-01-01 00:00:00";
  }

  bool DefineCompressed(const char* name, int& variable) {
    const std::size_t chunk = kChunkRecords;
    return Check(nc_def_var(id_, name, NC_DOUBLE, 1, &timeDimension_, &variable)) &&
           Check(nc_def_var_chunking(id_, variable, NC_CHUNKED, &chunk)) &&
           Check(nc_set_var_chunk_cache(id_, variable, kChunkCacheBytes, kChunkCacheSlots,
                                        kChunkCachePreemption)) &&
           Check(nc_def_var_deflate(id_, variable, 1, 1, kDeflateLevel));
  }

  bool DefineTime() {
    if (!Check(nc_def_dim(id_, "time", NC_UNLIMITED, &timeDimension_))) return false;
    if (!DefineCompressed("time", time_)) return false;
    if (!Text(time_, "standard_name", "time") || !Text(time_, "long_name", "time of the record") ||
        !Text(time_, "units", TimeUnits()) || !Text(time_, "calendar", "standard") ||
        !Text(time_, "axis", "T")) {
      return false;
    }
    if (series_.utcOffsetMinutes) {
      return Text(time_, "comment",
                  "The logger's clock is UTC" + UtcOffsetText(*series_.utcOffsetMinutes) +
                      "; the times are given in UTC.");
    }
    return Text(time_, "comment",
                "The logger's local clock; its offset from UTC was not declared, so the times "
                "are not UTC.");
  }

  bool DefineStation() {
    return Check(nc_def_var(id_, "station_id", NC_STRING, 0, nullptr, &stationId_)) &&
           Text(stationId_, "cf_role", "timeseries_id") &&
           Text(stationId_, "long_name", "serial number of the logger") &&
           Check(nc_def_var(id_, "station_name", NC_STRING, 0, nullptr, &stationName_)) &&
           Text(stationName_, "long_name", "unit name of the logger");
  }

  bool DefineColumns() {
    names_.Unique("time");
    names_.Unique("station_id");
    names_.Unique("station_name");
    for (std::size_t k = 0; k < series_.columns.size(); ++k) {
      const TableColumn& column = series_.columns[k];
      if (column.kind == ColumnKind::kText || column.kind == ColumnKind::kRecordTime) continue;
      Variable& variable = variables_.emplace_back();
      variable.column = k;
      variable.time = column.kind == ColumnKind::kDateTime;
      const std::string title = Utf8Text(series_, column.title);
      const std::string name =
          names_.Unique(column.variableName.empty() ? title : column.variableName);
      const double fill = NC_FILL_DOUBLE;
      if (!DefineCompressed(name.c_str(), variable.id) ||
          !Check(nc_def_var_fill(id_, variable.id, 0, &fill)) ||
          !Text(variable.id, "long_name", title) ||
          !Text(variable.id, "coordinates", "station_id station_name")) {
        return false;
      }
      const std::string units = variable.time ? TimeUnits() : column.units;
      if (!units.empty() && !Text(variable.id, "units", units)) return false;
      if (!column.standardName.empty() &&
          !Text(variable.id, "standard_name", column.standardName)) {
        return false;
      }
    }
    return true;
  }

  bool DefineGlobals() {
    const TableIdentity& identity = series_.identity;
    const std::string serial = std::to_string(identity.serialNumber);
    if (!Text(NC_GLOBAL, "Conventions", "CF-1.8") ||
        !Text(NC_GLOBAL, "featureType", "timeSeries") ||
        !Text(NC_GLOBAL, "title",
              identity.unitName + " (" + identity.deviceType + " " + serial + "), " +
                  identity.testName) ||
        !Text(NC_GLOBAL, "source",
              identity.deviceType + ", serial number " + serial + ", firmware " +
                  std::to_string(identity.firmwareVersion)) ||
        !Text(NC_GLOBAL, "history",
              series_.convertedAt + " Tarvel Pelcon " + series_.version + ": " + series_.history) ||
        !Text(NC_GLOBAL, "test_definition", identity.testName)) {
      return false;
    }
    NetcdfNames attributes;
    for (const HeaderField& field : series_.header) {
      const std::string name = "pelcon_header_" + attributes.Unique(field.label);
      if (!Text(NC_GLOBAL, name.c_str(), field.value)) return false;
    }
    return true;
  }

  bool Define() { return DefineTime() && DefineStation() && DefineColumns() && DefineGlobals(); }

  bool WriteStation() {
    const std::string serial = std::to_string(series_.identity.serialNumber);
    const char* id = serial.c_str();
    const char* name = series_.identity.unitName.c_str();
    return Check(nc_put_var_string(id_, stationId_, &id)) &&
           Check(nc_put_var_string(id_, stationName_, &name));
  }

  // Writes the buffered records from record start on.
  bool Flush(std::size_t start) {
    const std::size_t count = times_.size();
    if (count == 0) return true;
    if (!Check(nc_put_vara_double(id_, time_, &start, &count, times_.data()))) return false;
    times_.clear();
    for (Variable& variable : variables_) {
      if (!Check(nc_put_vara_double(id_, variable.id, &start, &count, variable.values.data()))) {
        return false;
      }
      variable.values.clear();
    }
    return true;
  }

  const TableDescription& series_;
  const TableRecords& records_;
  std::unique_ptr<TableCursor> cursor_ = records_.NewCursor();
  std::string& error_;
  int id_ = 0;
  bool open_ = false;
  int timeDimension_ = 0;
  int time_ = 0;
  int stationId_ = 0;
  int stationName_ = 0;
  NetcdfNames names_;
  std::vector<Variable> variables_;
  std::vector<double> times_;
};

}  // namespace

bool WriteNetcdfSeries(const TableDescription& series, const TableRecords& records,
                       const std::string& path, const RecordProgress& progress,
                       std::string& error) {
  // The HDF5 library under NetCDF-4 is not thread-safe as Debian builds it: one file at a time.
  static std::mutex library;
  const std::lock_guard lock(library);
  NetcdfFile file(series, records, error);
  return file.Write(path, progress);
}

namespace {

bool WriteNetcdfFile(const TableDescription& table, const TableRecords& records,
                     const WriterTarget& target, const RecordProgress& progress,
                     std::string& error) {
  return WriteNetcdfSeries(table, records, target.path, progress, error);
}

std::unique_ptr<FormatWriter> OpenNetcdf(const WriterTarget& target, const TextFormat&) {
  return OpenTableFileWriter(WriteNetcdfFile, target);
}

}  // namespace

extern const OutputFormat kNetcdfOutputFormat{"netcdf", ".nc", "CF-NetCDF time series", true,
                                              OpenNetcdf};

}  // namespace pelcon::outputs
