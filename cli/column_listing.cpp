#include "cli/column_listing.hpp"

#include <utility>

#include "component/column_name_table.hpp"
#include "component/template_plan.hpp"
#include "datalib/data_map.hpp"
#include "logfile/value_attribute_table.hpp"
#include "plan/conversion_plan.hpp"
#include "values/log_file_reader.hpp"

namespace pelcon::cli {

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

}  // namespace pelcon::cli
