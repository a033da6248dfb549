#include "jobs/inspect_job.hpp"

#include "jobs/log_opening.hpp"
#include "values/log_file_reader.hpp"

namespace pelcon::jobs {

LogInspection InspectLogFile(const std::string& path) {
  LogInspection inspection;
  LogFileReader reader;
  if (!OpenLogFile(path, reader, inspection.error)) return inspection;
  inspection.summary = SummarizeLog(reader.Log());
  inspection.columns = FileColumnListing(reader);
  return inspection;
}

ColumnListing ListColumns(const std::optional<std::string>& path) {
  ColumnListing listing;
  if (!path) {
    listing.columns = ColumnTableListing();
    return listing;
  }
  LogFileReader reader;
  if (OpenLogFile(*path, reader, listing.error)) listing.columns = FileColumnListing(reader);
  return listing;
}

}  // namespace pelcon::jobs
