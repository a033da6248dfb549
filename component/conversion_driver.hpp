#pragma once

#include <string>
#include <string_view>

#include "component/cancel_flag.hpp"
#include "component/progress_sink.hpp"
#include "export/result_codes.hpp"

namespace pelcon {

class LogFileReader;

// Converts one log file into "<log file path>.csv". An empty template path is replaced by the
// default template of the settings, and the caller's string receives it. Shows its own message
// boxes and never throws.
ResultCode ConvertLogFile(const std::string& logFilePath, std::string& templatePath,
                          ProgressSink* progress, const CancelFlag* cancel);

// The text of one cell at the reader's current record: the column entry (a display name, letter
// case ignored) mapped to its value and formatted; empty for no reader, an entry that names no
// column, or a value that cannot be given.
std::string GetCellText(LogFileReader* reader, std::string_view columnEntry);

}  // namespace pelcon
