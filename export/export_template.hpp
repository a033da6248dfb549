#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "export/result_codes.hpp"

namespace pelcon {

// Which sections of the header report precede the data.
struct TemplateSections {
  bool generalInfo = false;
  bool deviceInfo = false;
  bool testInfo = false;
  bool testDefinition = false;

  bool operator==(const TemplateSections&) const = default;
};

// What a CSV file holds: the columns (display names), the separator, the text of an empty cell and
// the header sections. Stored as a ".bft" file of 8-bit lines ending in LF: the separator, the
// empty-field text, then one column or section keyword per line.
class ExportTemplate {
 public:
  ExportTemplate() = default;

  // kResultOk, kResultTemplateMissing (silently) or kResultOpenFailed (after a message). The
  // loaded defaults ("," and "-----", no columns, no sections) stay when the load fails.
  ResultCode Load(const std::string& path);
  // kResultOk or kResultOpenFailed (after a message). The file is replaced as a whole or not at
  // all. On success the template's path becomes path.
  ResultCode Save(const std::string& path);
  ResultCode Save() { return Save(path_); }

  const std::string& Path() const { return path_; }
  const std::string& EmptyFieldText() const { return emptyFieldText_; }
  // Never empty: "," stands for an unset separator.
  std::string_view Separator() const;
  const std::vector<std::string>& Columns() const { return columns_; }
  const TemplateSections& Sections() const { return sections_; }

  void SetEmptyFieldText(std::string text) { emptyFieldText_ = std::move(text); }
  void SetSeparator(std::string separator) { separator_ = std::move(separator); }
  void SetColumns(std::vector<std::string> columns) { columns_ = std::move(columns); }
  void SetSections(const TemplateSections& sections) { sections_ = sections; }

  // Empties path, empty-field text, separator and columns; the sections stay.
  void Reset();

 private:
  void Parse(std::string_view text);
  std::string Serialize() const;

  TemplateSections sections_;
  std::string path_;
  std::string emptyFieldText_;
  std::string separator_ = ",";
  std::vector<std::string> columns_;
};

}  // namespace pelcon
