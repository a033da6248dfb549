#pragma once

#include <nlohmann/json.hpp>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace pelcon::python {

// Which columns to read: display names (UTF-8), or a template's, or every number column the
// file can supply.
struct FrameRequest {
  std::string path;
  std::optional<std::vector<std::string>> columns;
  std::string templatePath;
};

// The number columns of a log file, one value per record; NaN where the file gives no value.
struct LogFrame {
  std::vector<std::string> names;  // display names, UTF-8
  // Record times in the logger's clock as nanoseconds since 1970-01-01 00:00.
  std::vector<std::int64_t> times;
  // Column by column, one value per record: column k's at [k x records, (k + 1) x records).
  // Made without zeroing: the evaluating threads write every value first.
  std::unique_ptr<double[]> values;
  nlohmann::json metadata;  // what `pelcon inspect --json` prints
};

// Reads the file into frame; false with the command line's message in error. Records are
// evaluated on ConversionWorkerCount() threads. Safe to call from several threads at once.
bool ReadLogFrame(const FrameRequest& request, LogFrame& frame, std::string& error);

}  // namespace pelcon::python
