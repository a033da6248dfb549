#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/text_format.hpp"
#include "component/export_template.hpp"

namespace pelcon {
class LogFileReader;
}

namespace pelcon::cli {

// The columns and header of the files of a run: from a template, from --columns, or (no
// columns) every column each file can supply.
struct ColumnChoice {
  std::optional<std::vector<std::string>> columns;  // display names, Windows-1252
  TemplateSections sections;
  std::string separator = ",";
  std::string emptyField;
};

// Takes the CSV text piece by piece with the count of records written so far; returning false
// stops the writing.
using CsvSink = std::function<bool(std::string_view text, std::size_t records)>;

// Writes the CSV file of an open log file: the header report (unless the format leaves it out),
// the title line and one line per record, in the format's encoding, times and decimal mark.
// csvPath is the name the report prints. False when the sink stopped the writing.
bool WriteCsv(LogFileReader& reader, const ColumnChoice& choice, const TextFormat& format,
              std::string_view csvPath, const CsvSink& sink);

}  // namespace pelcon::cli
