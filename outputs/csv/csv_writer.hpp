#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "export/column_choice.hpp"
#include "outputs/text_format.hpp"

namespace pelcon {
class LogFileReader;
}

namespace pelcon::outputs {

// Takes the CSV text piece by piece with the count of records written so far; returning false
// stops the writing.
using CsvSink = std::function<bool(std::string_view text, std::size_t records)>;

// Writes the CSV file of an open log file: the header report (unless the format leaves it out),
// the title line and one line per record, in the format's encoding, times and decimal mark.
// csvPath is the name the report prints. False when the sink stopped the writing.
bool WriteCsv(LogFileReader& reader, const ColumnChoice& choice, const TextFormat& format,
              std::string_view csvPath, const CsvSink& sink);

}  // namespace pelcon::outputs
