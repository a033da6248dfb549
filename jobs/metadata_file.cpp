#include "jobs/metadata_file.hpp"


#include "jobs/column_listing.hpp"
#include "jobs/inspect_json.hpp"
#include "jobs/json_text.hpp"
#include "jobs/log_summary.hpp"
#include "jobs/output_naming.hpp"
#include "outputs/output_publishing.hpp"
#include "values/log_file_reader.hpp"

namespace pelcon::jobs {
namespace {

std::string_view KindName(CellKind kind) {
  switch (kind) {
    case CellKind::kNumber:
      return "number";
    case CellKind::kDateTime:
      return "date-time";
    case CellKind::kText:
      break;
  }
  return "text";
}

nlohmann::json OutputColumnsJson(const LogFile& log, const ColumnChoice& choice) {
  const ConversionPlan plan(log, ChosenColumnRequests(log, choice));
  nlohmann::json columns = nlohmann::json::array();
  for (const std::size_t k : ChosenColumns(plan, choice)) {
    const PlanColumn& column = plan.Columns()[k];
    const bool fixed = column.kind == CellKind::kNumber && column.decimals >= 0;
    columns.push_back({{"title", Windows1252Json(column.title)},
                       {"value_name", column.valueName},
                       {"unit", Windows1252Json(column.unit)},
                       {"kind", KindName(column.kind)},
                       {"decimals", fixed ? nlohmann::json(column.decimals) : nlohmann::json()},
                       {"supplied", column.supplied}});
  }
  return columns;
}

}  // namespace

std::string MetadataPathFor(const std::string& input, const std::string& outputDirectory) {
  return OutputPathFor(input, outputDirectory, "{name}.json");
}

bool WriteMetadata(LogFileReader& reader, const ColumnChoice& choice, const std::string& input,
                   const std::string& path, bool replaceExisting, std::string& error) {
  nlohmann::json metadata =
      InspectJson(input, SummarizeLog(reader.Log()), FileColumnListing(reader));
  metadata["columns"] = OutputColumnsJson(reader.Log(), choice);
  const outputs::WriteResult written =
      outputs::WriteBytes(JsonLine(metadata), {input, path, replaceExisting});
  switch (written.status) {
    case outputs::WriteStatus::kWritten:
      return true;
    case outputs::WriteStatus::kExists:
      error = path + " exists (--overwrite replaces it)";
      return false;
    case outputs::WriteStatus::kStopped:
    case outputs::WriteStatus::kFailed:
      break;
  }
  error = written.error;
  return false;
}

}  // namespace pelcon::jobs
