#include "jobs/log_opening.hpp"

#include "logfile/log_loader.hpp"
#include "values/log_file_reader.hpp"

namespace pelcon::jobs {

bool OpenLogFile(const std::string& path, LogFileReader& reader, std::string& error) {
  const LoadResult result = reader.Load(path);
  if (result && reader.Log().IsValid()) return true;
  if (result.error == LoadError::kUnreadable) {
    error = "cannot be read" + (result.detail.empty() ? std::string() : ": " + result.detail);
  } else if (result.error == LoadError::kFirstBlock) {
    error = "not a log file";
  } else {
    error =
        "not a usable log file" + (result.detail.empty() ? std::string() : ": " + result.detail);
  }
  return false;
}

}  // namespace pelcon::jobs
