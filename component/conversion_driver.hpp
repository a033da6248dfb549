#pragma once

#include <string>

#include "component/cancel_flag.hpp"
#include "component/progress_sink.hpp"
#include "component/result_codes.hpp"

namespace pelcon {

// Converts one log file into "<log file path>.csv". An empty template path is replaced by the
// default template of the settings, and the caller's string receives it. Shows its own message
// boxes and never throws.
ResultCode ConvertLogFile(const std::string& logFilePath, std::string& templatePath,
                          ProgressSink* progress, const CancelFlag* cancel);

}  // namespace pelcon
