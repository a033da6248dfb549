#pragma once

// What the typed outputs (workbook, NetCDF) are made from: a table of records whichever command
// made it (a log file's conversion, a compensation), its columns and the descriptive text around
// them, already in UTF-8.

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "outputs/header_fields.hpp"
#include "plan/cell_value.hpp"

namespace pelcon::outputs {

enum class SeriesKind {
  kNumber,
  kDateTime,
  kRecordTime,  // a date-time column holding the record's own time (NetCDF's time coordinate)
  kText,        // the same text in every record (NetCDF keeps it as an attribute instead)
};

struct SeriesColumn {
  std::string title;         // UTF-8
  std::string variableName;  // NetCDF's variable is named after it; empty: after the title
  SeriesKind kind = SeriesKind::kNumber;
  std::string units;         // UDUNITS; empty when unknown
  std::string standardName;  // CF's; empty when it has none
  // kNumber: digits after the point the CSV file shows, -1 for a format that fixes none ...
  int decimals = -1;
  // ... or, when more than 0, the significant digits it shows instead.
  int significantDigits = 0;
};

// The records of a table, read one at a time so that a large file need not be held whole.
class SeriesRecords {
 public:
  virtual ~SeriesRecords() = default;
  virtual std::size_t Count() const = 0;
  // Makes the record current; false (nothing current) when there is no such record.
  virtual bool Select(std::size_t record) = 0;
  // The column's value at the current record (kDateTime: a Julian date).
  virtual CellValue Value(std::size_t column) = 0;
  // The current record's time, a Julian date.
  virtual CellValue RecordTime() const = 0;
};

struct SeriesIdentity {
  std::string deviceType;
  int serialNumber = 0;
  int firmwareVersion = 0;
  std::string unitName;  // UTF-8
  std::string testName;  // UTF-8
};

struct TypedSeries {
  std::vector<SeriesColumn> columns;
  std::vector<HeaderField> header;  // the header report, UTF-8
  SeriesIdentity identity;
  std::string sourceName;    // the log file's name
  std::string templateName;  // empty without a template
  std::string history;       // what was made of the source: "converted LOG.bin with T.bft"
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
