#include "cli/template_command.hpp"

#include "jobs/template_job.hpp"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "datalib/text_codec.hpp"
#include "export/column_name_table.hpp"
#include "export/export_template.hpp"
#include "jobs/json_text.hpp"

namespace pelcon::cli {
namespace {

constexpr int kSchemaVersion = 1;

int Fail(const std::string& path, const std::string& reason) {
  std::fprintf(stderr, "pelcon template: %s: %s\n", path.c_str(), reason.c_str());
  return 1;
}

std::vector<std::string> SectionNames(const TemplateSections& sections) {
  std::vector<std::string> names;
  if (sections.generalInfo) names.emplace_back("general");
  if (sections.deviceInfo) names.emplace_back("device");
  if (sections.testInfo) names.emplace_back("test-info");
  if (sections.testDefinition) names.emplace_back("test-definition");
  return names;
}

}  // namespace

int RunTemplateNew(const jobs::TemplateNewOptions& options) {
  const std::string refusal = jobs::WriteNewTemplate(options);
  return refusal.empty() ? 0 : Fail(options.path, refusal);
}

int RunTemplateShow(const jobs::TemplateShowOptions& options) {
  ExportTemplate exportTemplate;
  if (Failed(exportTemplate.Load(options.path))) return Fail(options.path, "cannot be read");
  const std::vector<std::string> sections = SectionNames(exportTemplate.Sections());
  if (options.json) {
    nlohmann::json columns = nlohmann::json::array();
    for (const std::string& column : exportTemplate.Columns()) {
      columns.push_back(jobs::Windows1252Json(column));
    }
    const nlohmann::json object = {
        {"schema", kSchemaVersion},
        {"path", options.path},
        {"separator", jobs::Windows1252Json(exportTemplate.Separator())},
        {"empty_field", jobs::Windows1252Json(exportTemplate.EmptyFieldText())},
        {"columns", columns},
        {"sections", sections}};
    std::fputs(jobs::JsonLine(object).c_str(), stdout);
    return 0;
  }
  std::string text = "Separator:   ";
  AppendWindows1252AsUtf8(text, exportTemplate.Separator());
  text += "\nEmpty field: ";
  AppendWindows1252AsUtf8(text, exportTemplate.EmptyFieldText());
  text += "\nSections:   ";
  for (const std::string& section : sections) text += " " + section;
  text += "\nColumns:\n";
  for (const std::string& column : exportTemplate.Columns()) {
    text += "  ";
    AppendWindows1252AsUtf8(text, column);
    text += "\n";
  }
  std::fputs(text.c_str(), stdout);
  return 0;
}

}  // namespace pelcon::cli
