#pragma once

// What the typed outputs (workbook, NetCDF) are made from: the conversion plan of one log file,
// the columns to write and the descriptive text around them, already in UTF-8.

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "outputs/header_fields.hpp"

namespace pelcon {
class ConversionPlan;
}

namespace pelcon::outputs {

struct SeriesColumn {
  std::size_t planColumn;  // index into the plan's columns
  std::string title;       // UTF-8
};

struct SeriesIdentity {
  std::string deviceType;
  int serialNumber = 0;
  int firmwareVersion = 0;
  std::string unitName;  // UTF-8
  std::string testName;  // UTF-8
};

struct TypedSeries {
  const ConversionPlan* plan = nullptr;
  std::vector<SeriesColumn> columns;
  std::vector<HeaderField> header;  // the header report, UTF-8
  SeriesIdentity identity;
  std::string sourceName;    // the log file's name
  std::string templateName;  // empty without a template
  std::string version;       // the converter's
  std::string convertedAt;   // ISO 8601, the local clock
  // The logger clock's offset from UTC in minutes, when declared.
  std::optional<int> utcOffsetMinutes;
};

// Told the count of records written so far; returning false stops the writing.
using RecordProgress = std::function<bool(std::size_t records)>;

// Records are handed to the progress after every this many.
inline constexpr std::size_t kProgressStep = 4096;

}  // namespace pelcon::outputs
