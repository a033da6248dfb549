#include "launcher/conversion_failure_text.hpp"

#include <cstdio>
#include <string_view>

#include "export/result_codes.hpp"
#include "platform/files.hpp"

namespace pelcon::launcher {
namespace {

constexpr const char* kReportIt =
    "convert again, and if it fails again report it with the log file and the template";

// The converter takes only names ending in ".bin", in any letter case.
bool NamedLikeALogFile(std::string_view path) {
  if (path.size() < 4) return false;
  std::string tail(path.substr(path.size() - 4));
  for (char& c : tail) c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  return tail == ".bin";
}

std::string WriteFailure(const ConversionFailure& failure) {
  return "Writing " + failure.csvPath + " failed: " + platform::FileErrorText(failure.outputError) +
         ". The file may be incomplete: free space or fix the cause, then convert again";
}

std::string CreateFailure(const ConversionFailure& failure) {
  return failure.csvPath +
         " could not be created: " + platform::FileErrorText(failure.outputError) +
         ". The CSV file is written beside the log file: make that folder writable, or copy the "
         "log file into one that is, then convert again";
}

}  // namespace

std::string ConversionFailedLine(std::uint32_t result) {
  char text[64];
  std::snprintf(text, sizeof text, "File conversion failed: %08X", static_cast<unsigned>(result));
  return text;
}

std::string ExplainConversionFailure(const ConversionFailure& failure) {
  switch (static_cast<ResultCode>(failure.result)) {
    case kResultTemplateMissing:
      return failure.templateGiven
                 ? "The template does not exist: give an existing one with -t, or leave -t out "
                   "to use the default template chosen in the dialog"
                 : "No template: give one with -t, or choose a default template in the dialog";
    case kResultLogFileMissing:
      return "The log file does not exist: check the path given with -f";
    case kResultOpenFailed:
      if (failure.outputError != 0) return CreateFailure(failure);
      return "The log file could not be read as a log file (damaged, cut short or of another "
             "kind), or the template could not be read; the message above names the file";
    case kResultFail:
      if (failure.outputError != 0) return WriteFailure(failure);
      if (!NamedLikeALogFile(failure.logFilePath))
        return "Only log files whose names end in .bin are converted";
      [[fallthrough]];
    case kResultUnexpected:
      return std::string("The conversion stopped on an unexpected error: ") + kReportIt;
    case kResultOutOfMemory:
      return "There was not enough memory for this log file: close other programs and convert "
             "again";
    case kResultCancelled:
      return "The conversion was cancelled";
    default:
      return std::string("The converter gave an unexpected result: ") + kReportIt;
  }
}

}  // namespace pelcon::launcher
