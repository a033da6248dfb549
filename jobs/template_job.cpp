#include "jobs/template_job.hpp"

#include <filesystem>
#include <system_error>

#include "export/column_name_table.hpp"
#include "export/export_template.hpp"

namespace pelcon::jobs {

std::string WriteNewTemplate(const TemplateNewOptions& options) {
  std::error_code error;
  const auto status = std::filesystem::symlink_status(options.path, error);
  if (std::filesystem::is_symlink(status)) {
    return "is a symbolic link; no template is written through one";
  }
  if (std::filesystem::exists(status) && !options.overwrite) {
    return "exists; --overwrite replaces it";
  }
  ExportTemplate exportTemplate;
  if (options.columns) {
    exportTemplate.SetColumns(*options.columns);
  } else {
    std::vector<std::string> all;
    for (const ColumnName& column : ColumnNameTable()) all.emplace_back(column.displayName);
    exportTemplate.SetColumns(std::move(all));
  }
  exportTemplate.SetSeparator(options.separator);
  exportTemplate.SetEmptyFieldText(options.emptyField);
  exportTemplate.SetSections(options.sections);
  // The template is saved through a replacement file.
  if (Failed(exportTemplate.Save(options.path))) return "cannot be written";
  return {};
}

}  // namespace pelcon::jobs
