#pragma once

#include <string>

#include "outputs/output_format.hpp"

namespace pelcon::outputs {

// Writes a whole table into a file by name, as the workbook and NetCDF libraries do; false with
// the reason in error.
using TableFileWriter = bool (*)(const TableDescription& table, const TableRecords& records,
                                 const WriterTarget& target, const RecordProgress& progress,
                                 std::string& error);

// A format writer over a library that writes a named file.
std::unique_ptr<FormatWriter> OpenTableFileWriter(TableFileWriter write,
                                                  const WriterTarget& target);

// The table's text (a title, a text cell) in UTF-8, as the libraries take it.
std::string Utf8Text(const TableDescription& table, const std::string& text);

}  // namespace pelcon::outputs
