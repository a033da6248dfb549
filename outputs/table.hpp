#pragma once

// What every output format is made from: a table of records whichever job made it (a log file's
// conversion, a compensation), its columns and the descriptive text around them.

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "export/header_report.hpp"
#include "outputs/text_format.hpp"
#include "plan/cell_value.hpp"

namespace pelcon::outputs {

enum class ColumnKind {
  kNumber,
  kDateTime,
  kRecordTime,  // a date-time column holding the record's own time (NetCDF's time coordinate)
  kText,        // the same text in every record (NetCDF keeps it as an attribute instead)
};

struct TableColumn {
  std::string title;         // in the table's text encoding
  std::string variableName;  // NetCDF's variable is named after it; empty: after the title
  ColumnKind kind = ColumnKind::kNumber;
  std::string units;         // UDUNITS; empty when unknown
  std::string standardName;  // CF's; empty when it has none
  // kNumber: digits after the point the CSV file shows, -1 for a format that fixes none ...
  int decimals = -1;
  // ... or, when more than 0, the significant digits it shows instead.
  int significantDigits = 0;
  // Whether the records can hold a value here at all; a column that cannot is empty throughout.
  bool supplied = true;
  // The same text in every record, known before any is read (the site columns).
  std::optional<std::string> fixedText;
  // Whether its cell text is a plain number or time that never needs quoting in a CSV field.
  bool plainText = false;
};

// Reads the records of a table one at a time; each thread reading a table has a cursor of its
// own.
class TableCursor {
 public:
  virtual ~TableCursor() = default;
  // Makes the record current; false (nothing current) when there is no such record.
  virtual bool Select(std::size_t record) = 0;
  // The column's value at the current record (kDateTime: a Julian date).
  virtual CellValue Value(std::size_t column) = 0;
  // The current record's time, a Julian date.
  virtual CellValue RecordTime() const = 0;
  // Appends the cell's text as the table shows it (in its text encoding); nothing for an empty
  // cell.
  virtual void AppendCellText(std::size_t column, std::string& out) = 0;
};

// The records of a table.
class TableRecords {
 public:
  virtual ~TableRecords() = default;
  virtual std::size_t Count() const = 0;
  virtual std::unique_ptr<TableCursor> NewCursor() const = 0;
};

struct TableIdentity {
  std::string deviceType;
  int serialNumber = 0;
  int firmwareVersion = 0;
  std::string unitName;  // UTF-8
  std::string testName;  // UTF-8
};

// The columns of a table and what is said about it.
struct TableDescription {
  // Of the titles, the header text and the text cells.
  TextEncoding textEncoding = TextEncoding::kUtf8;
  std::vector<TableColumn> columns;
  // The lines above the title line of a CSV file, "\n" line ends, in the text encoding; empty
  // for none.
  std::string headerText;
  std::vector<HeaderField> header;  // the same header as fields, UTF-8
  TableIdentity identity;
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
