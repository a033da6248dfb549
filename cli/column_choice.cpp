#include "cli/column_choice.hpp"

#include "component/column_name_table.hpp"
#include "component/header_report.hpp"
#include "component/template_plan.hpp"

namespace pelcon::cli {

std::vector<PlanColumnRequest> ChosenColumnRequests(const LogFile& log,
                                                    const ColumnChoice& choice) {
  if (choice.columns) return TemplateColumnRequests(log, *choice.columns);
  std::vector<std::string> names;
  for (const ColumnName& column : ColumnNameTable()) names.emplace_back(column.displayName);
  return TemplateColumnRequests(log, names);
}

std::vector<std::size_t> ChosenColumns(const ConversionPlan& plan, const ColumnChoice& choice) {
  std::vector<std::size_t> columns;
  for (std::size_t k = 0; k < plan.Columns().size(); ++k) {
    if (choice.columns || plan.Columns()[k].supplied) columns.push_back(k);
  }
  return columns;
}

unsigned ChosenHeaderSections(const ColumnChoice& choice) {
  const TemplateSections& sections = choice.sections;
  return (sections.generalInfo ? kHeaderGeneral : 0u) | (sections.deviceInfo ? kHeaderDevice : 0u) |
         (sections.testInfo ? kHeaderTestInfo : 0u) |
         (sections.testDefinition ? kHeaderTestDefinition : 0u);
}

}  // namespace pelcon::cli
