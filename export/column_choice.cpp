#include "export/column_choice.hpp"

#include "export/column_name_table.hpp"
#include "export/header_report.hpp"
#include "export/template_plan.hpp"

namespace pelcon {

bool ChooseTemplate(const std::string& templatePath, ColumnChoice& choice, std::string& error) {
  ExportTemplate exportTemplate;
  if (Failed(exportTemplate.Load(templatePath))) {
    error = templatePath + ": the template cannot be read";
    return false;
  }
  choice.columns = exportTemplate.Columns();
  choice.sections = exportTemplate.Sections();
  choice.separator = exportTemplate.Separator();
  choice.emptyField = exportTemplate.EmptyFieldText();
  return true;
}

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

}  // namespace pelcon
