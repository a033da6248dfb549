#include "values/log_file_reader.hpp"

#include "datalib/path_helpers.hpp"
#include "logfile/calibration_formulas.hpp"
#include "logfile/log_loader.hpp"

namespace pelcon {
namespace {

const StageFormulas& InstrumentCalibration() {
  static const CalibrationFormulas formulas;
  return formulas;
}

}  // namespace

LogFileReader::LogFileReader() : LogFileReader(InstrumentCalibration()) {}

LogFileReader::LogFileReader(const StageFormulas& formulas) : log_(formulas) {}

LogFileReader::~LogFileReader() {
  Close();
}

int LogFileReader::Open(const std::string& path) {
  return Load(path) ? 1 : 0;
}

LoadResult LogFileReader::Load(const std::string& path) {
  Close();
  LoadResult loaded = LogLoader::LoadFile(path, log_);
  if (!loaded) Close();
  // The file changes only here and in Close, so its validation holds until then.
  valid_ = log_.IsValid();
  opened_ = true;
  title_ = PathTitle(path);
  return loaded;
}

bool LogFileReader::IsLoaded() {
  if (!valid_) return false;
  if (!dictionary_.IsAttached()) dictionary_.AttachLogFile(log_);
  return dictionary_.IsAttached();
}

int LogFileReader::FirstRecord() {
  const std::lock_guard lock(stateLock_);
  if (IsLoaded() && log_.RowCount() > 0 && dictionary_.SelectRow(0) != 0) return 0;
  return -1;
}

int LogFileReader::NextRecord(int index) {
  const std::lock_guard lock(recordLock_);
  if (!IsLoaded() || index < -1 || static_cast<std::size_t>(index + 1) >= log_.RowCount()) {
    return -1;
  }
  return dictionary_.SelectRow(index + 1) != 0 ? index + 1 : -1;
}

int LogFileReader::GetValue(std::string_view name, CDataMap& result) {
  return IsLoaded() ? dictionary_.ResolveValue(name, result) : 0;
}

int LogFileReader::GetValueAttribute(std::string_view name, std::string_view attribute,
                                     CDataMap& result) {
  return IsLoaded() ? dictionary_.ResolveAttribute(name, attribute, result) : 0;
}

void LogFileReader::Close() {
  dictionary_.DetachLogFile();
  log_.Reset();
  valid_ = false;
  opened_ = false;
  title_.clear();
}

}  // namespace pelcon
