#include "jobs/metadata_file.hpp"

#include <optional>

#include "jobs/column_listing.hpp"
#include "jobs/inspect_json.hpp"
#include "jobs/json_text.hpp"
#include "jobs/log_summary.hpp"
#include "jobs/output_naming.hpp"
#include "platform/files.hpp"
#include "platform/staged_output.hpp"
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
  int code = 0;
  std::optional<platform::StagedOutput> output = platform::StagedOutput::Create(path, code);
  if (!output) {
    error = "cannot create " + path + ": " + platform::FileErrorText(code);
    return false;
  }
  if (output->Write(JsonLine(metadata)) && output->Publish(replaceExisting)) return true;
  error = platform::IsExistsError(output->Error())
              ? path + " exists (--overwrite replaces it)"
              : "cannot write " + path + ": " + platform::FileErrorText(output->Error());
  return false;
}

}  // namespace pelcon::jobs
