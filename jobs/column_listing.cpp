#include "jobs/column_listing.hpp"

#include <algorithm>
#include <utility>

#include "datalib/data_map.hpp"
#include "datalib/text_codec.hpp"
#include "datalib/text_helpers.hpp"
#include "export/column_name_table.hpp"
#include "export/template_plan.hpp"
#include "logfile/value_attribute_table.hpp"
#include "plan/conversion_plan.hpp"
#include "values/log_file_reader.hpp"

namespace pelcon::jobs {

std::optional<std::string> TableColumnNamed(std::string_view utf8Name) {
  const std::string bytes =
      Utf8ToWindows1252(utf8Name, CodecMode::kStrict).value_or(std::string(utf8Name));
  const auto row =
      std::find_if(ColumnNameTable().begin(), ColumnNameTable().end(),
                   [&](const ColumnName& c) { return EqualsNoCase(c.displayName, bytes); });
  if (row == ColumnNameTable().end()) return std::nullopt;
  return std::string(row->displayName);
}

std::string UnknownColumnMessage(std::string_view utf8Name) {
  return "no column is named \"" + std::string(utf8Name) + "\" (pelcon columns lists them)";
}

std::vector<ListedColumn> ColumnTableListing() {
  // Without a file the attribute table answers with each value's own units.
  ValueAttributeTable attributes;
  attributes.InheritAttributes(std::vector<std::pair<std::string, std::string>>{});
  std::vector<ListedColumn> columns;
  for (const ColumnName& column : ColumnNameTable()) {
    ListedColumn& listed = columns.emplace_back();
    listed.title = column.displayName;
    listed.valueName = column.valueName;
    CDataMap result;
    if (attributes.Query(column.valueName, kAttribUnitsAbv, result) != 0) {
      if (const std::string* unit = result.FindText(kAttribUnitsAbv)) listed.unit = *unit;
    }
  }
  return columns;
}

std::vector<ListedColumn> FileColumnListing(LogFileReader& reader) {
  std::vector<std::string> names;
  for (const ColumnName& column : ColumnNameTable()) names.emplace_back(column.displayName);
  const std::vector<PlanColumnRequest> requests = TemplateColumnRequests(reader.Log(), names);
  const ConversionPlan plan(reader.Log(), requests);
  std::vector<ListedColumn> columns;
  for (std::size_t k = 0; k < plan.Columns().size(); ++k) {
    const PlanColumn& planned = plan.Columns()[k];
    columns.push_back({planned.title, std::string(ColumnNameTable()[k].valueName), planned.unit,
                       planned.supplied});
  }
  return columns;
}

}  // namespace pelcon::jobs
