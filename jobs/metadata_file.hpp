#pragma once

#include <string>

#include "export/column_choice.hpp"

namespace pelcon {
class LogFileReader;
}

namespace pelcon::jobs {

// Where --metadata writes a log file's description: LOG.bin.json in the output folder or, when
// that is empty, beside the log file.
std::string MetadataPathFor(const std::string& input, const std::string& outputDirectory);

// Writes the description of an open log file at path: what `inspect --json` prints, with the
// columns of the output (title, value name, unit, kind, decimals) in place of the file's
// column list. False with a message in error on failure; an existing file is replaced only when
// asked.
bool WriteMetadata(LogFileReader& reader, const ColumnChoice& choice, const std::string& input,
                   const std::string& path, bool replaceExisting, std::string& error);

}  // namespace pelcon::jobs
