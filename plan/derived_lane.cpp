#include "plan/derived_lane.hpp"

#include "logfile/log_file.hpp"

namespace pelcon {

// The dictionary only reads the file: attaching needs no change to it, and rows are selected from
// the caller's copies, never fetched from the file.
DerivedLane::DerivedLane(const LogFile& log) {
  dictionary_.AttachLogFile(const_cast<LogFile&>(log));
}

void DerivedLane::Select(const DataRow& row) {
  dictionary_.SelectComputedRow(row);
}

std::optional<double> DerivedLane::Evaluate(std::string_view name) {
  if (dictionary_.ResolveValue(name, result_) == 0) return std::nullopt;
  double value = 0.0;
  if (result_.GetDouble(name, &value) == 0) return std::nullopt;
  return value;
}

}  // namespace pelcon
