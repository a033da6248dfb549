#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "export/export_template.hpp"
#include "plan/conversion_plan.hpp"

namespace pelcon {

// The columns and header of the files of a run: from a template, from --columns, or (no
// columns) every column each file can supply.
struct ColumnChoice {
  std::optional<std::vector<std::string>> columns;  // display names, Windows-1252
  TemplateSections sections;
  std::string separator = ",";
  std::string emptyField;
  std::string templatePath;  // empty when no template was read
};

// Takes the columns, sections, separator and empty-field text of the template file. False (with
// the message in error) when it cannot be read.
bool ChooseTemplate(const std::string& templatePath, ColumnChoice& choice, std::string& error);
// The plan's column requests for a log file.
std::vector<PlanColumnRequest> ChosenColumnRequests(const LogFile& log, const ColumnChoice& choice);
// The plan columns an output shows: all that were named, or those the file supplies.
std::vector<std::size_t> ChosenColumns(const ConversionPlan& plan, const ColumnChoice& choice);
// The header report sections of the choice, as WriteHeaderReport takes them.
unsigned ChosenHeaderSections(const ColumnChoice& choice);

}  // namespace pelcon
