#include "component/conversion_driver.hpp"

#include <algorithm>
#include <climits>
#include <optional>
#include <vector>

#include "component/column_name_table.hpp"
#include "component/export_template.hpp"
#include "component/header_report.hpp"
#include "component/path_names.hpp"
#include "component/settings.hpp"
#include "datalib/data_map.hpp"
#include "datalib/text_helpers.hpp"
#include "platform/notifier.hpp"
#include "platform/output_error_handover.hpp"
#include "platform/output_file.hpp"
#include "values/log_file_reader.hpp"

namespace pelcon {
namespace {

constexpr std::string_view kValueTextAttribute = "AttribValueStr";
constexpr std::string_view kUnexpectedError =
    "An unexpected library error occurred.\nPlease contact Tarvel Technical Support.";

// Appends text with every LF written as CR LF, on every platform, as a file written in text mode
// would have it.
void AppendCrLf(std::string& out, std::string_view text) {
  for (std::string_view::size_type end; (end = text.find('\n')) != text.npos;) {
    out.append(text.substr(0, end)).append("\r\n");
    text.remove_prefix(end + 1);
  }
  out.append(text);
}

// The formatted text of a dictionary value at the current record, or nothing. The text lives in
// result.
const std::string* ValueText(LogFileReader& reader, std::string_view valueName, CDataMap& result) {
  if (reader.GetValue(valueName, result) == 0) return nullptr;
  if (reader.GetValueAttribute(valueName, kValueTextAttribute, result) == 0) return nullptr;
  return result.FindText(kValueTextAttribute);
}

// What a column needs at every record, worked out once per file: either a dictionary value, or
// a text that is the same in every row (the site columns, and the empty-field text of an entry
// that names no column).
struct ColumnPlan {
  std::string_view valueName;  // empty for a fixed text
  std::string fixedCell;       // the finished cell (quoted if needed) of a fixed text
};

class Conversion {
 public:
  Conversion(const ExportTemplate& exportTemplate, LogFileReader& reader)
      : separator_(exportTemplate.Separator()), emptyFieldText_(exportTemplate.EmptyFieldText()) {
    for (const std::string& entry : exportTemplate.Columns()) {
      ColumnPlan& plan = columns_.emplace_back();
      const std::string_view valueName = ValueNameForColumn(entry);
      if (valueName == kTestNameValue) {
        AppendCell(plan.fixedCell, TestNameOf(reader.Log()));
      } else if (valueName == kDeviceNameValue) {
        AppendCell(plan.fixedCell, UnitNameOf(reader.Log()));
      } else if (valueName.empty()) {
        AppendCell(plan.fixedCell, {});
      } else {
        plan.valueName = valueName;
      }
    }
    results_.resize(columns_.size());
  }

  // The title line: every entry as stored.
  void AppendTitleLine(std::string& out, const std::vector<std::string>& entries) const {
    for (std::size_t k = 0; k < entries.size(); ++k) {
      if (k > 0) out.append(separator_);
      AppendField(out, entries[k]);
    }
    out.append("\r\n");
  }

  // One data line for the reader's current record.
  void AppendRecordLine(std::string& out, LogFileReader& reader) {
    for (std::size_t k = 0; k < columns_.size(); ++k) {
      if (k > 0) out.append(separator_);
      const ColumnPlan& column = columns_[k];
      if (column.valueName.empty()) {
        out.append(column.fixedCell);
        continue;
      }
      const std::string* text = ValueText(reader, column.valueName, results_[k]);
      AppendCell(out, text ? std::string_view(*text) : std::string_view());
    }
    out.append("\r\n");
  }

 private:
  // An empty cell shows the empty-field text.
  void AppendCell(std::string& out, std::string_view text) const {
    AppendField(out, text.empty() ? std::string_view(emptyFieldText_) : text);
  }

  void AppendField(std::string& out, std::string_view text) const {
    if (text.find('\n') == text.npos) {
      AppendCsvField(out, text, separator_);
      return;
    }
    std::string field;
    AppendCsvField(field, text, separator_);
    AppendCrLf(out, field);
  }

  std::string_view separator_;
  std::string emptyFieldText_;
  std::vector<ColumnPlan> columns_;
  // One result map per column, kept from record to record so that its entries reuse their
  // storage. Nothing stale is ever read: a query that succeeds has written the value under its
  // name, and a derived value rewrites each origin (or its default) before reading it.
  std::vector<CDataMap> results_;
};

unsigned HeaderSectionsOf(const TemplateSections& sections) {
  return (sections.generalInfo ? kHeaderGeneral : 0u) | (sections.deviceInfo ? kHeaderDevice : 0u) |
         (sections.testInfo ? kHeaderTestInfo : 0u) |
         (sections.testDefinition ? kHeaderTestDefinition : 0u);
}

// outputError is the system's reason when writing the CSV file failed, for the caller.
ResultCode UnexpectedError(int outputError = 0) {
  if (outputError != 0) platform::RememberOutputError(outputError);
  platform::ShowNotice(kUnexpectedError, platform::NoticeIcon::kNone);
  return kResultFail;
}

ResultCode Convert(const std::string& logFilePath, std::string& templatePath,
                   ProgressSink* progress, const CancelFlag* cancel) {
  if (!EqualsNoCase(ExtensionOf(logFilePath), "bin")) return kResultFail;
  if (progress) progress->SetPosition(0);
  if (templatePath.empty()) templatePath = ReadDefaultTemplatePath();
  if (!FileExists(logFilePath)) return kResultLogFileMissing;
  if (!FileExists(templatePath)) return kResultTemplateMissing;

  ExportTemplate exportTemplate;
  if (const ResultCode loaded = exportTemplate.Load(templatePath); Failed(loaded)) return loaded;

  LogFileReader reader;
  if (reader.Open(logFilePath) == 0) {
    platform::ShowNotice("Unable to load file\n" + logFilePath, platform::NoticeIcon::kStop);
    return kResultOpenFailed;
  }

  const std::string csvPath = logFilePath + ".csv";
  int error = 0;
  std::optional<platform::OutputFile> csv = platform::OutputFile::OpenExclusive(csvPath, error);
  if (!csv) {
    platform::RememberOutputError(error);
    platform::ShowNotice("Unable to open export file", platform::NoticeIcon::kStop);
    return kResultOpenFailed;
  }

  const std::size_t recordCount = reader.Log().RowCount();
  if (progress && recordCount > 0) {
    progress->SetRange(0, static_cast<int>(std::min<std::size_t>(recordCount, INT_MAX)));
  }

  Conversion conversion(exportTemplate, reader);
  std::string text;
  std::string report;
  WriteHeaderReport(report, HeaderSectionsOf(exportTemplate.Sections()), reader.Log(), csvPath);
  AppendCrLf(text, report);
  conversion.AppendTitleLine(text, exportTemplate.Columns());
  if (!csv->Write(text)) return UnexpectedError(csv->Error());

  for (int index = reader.FirstRecord(); index != -1; index = reader.NextRecord(index)) {
    if (cancel && cancel->IsSet()) break;
    text.clear();
    conversion.AppendRecordLine(text, reader);
    if (!csv->Write(text)) return UnexpectedError(csv->Error());
    if (progress) {
      progress->SetPosition(index + 1);
      progress->Redraw();
    }
  }
  if (!csv->Close()) return UnexpectedError(csv->Error());
  return kResultOk;
}

}  // namespace

ResultCode ConvertLogFile(const std::string& logFilePath, std::string& templatePath,
                          ProgressSink* progress, const CancelFlag* cancel) {
  try {
    return Convert(logFilePath, templatePath, progress, cancel);
  } catch (...) {
    return UnexpectedError();
  }
}

std::string GetCellText(LogFileReader* reader, std::string_view columnEntry) {
  if (reader == nullptr || columnEntry.empty()) return {};
  const std::string_view valueName = ValueNameForColumn(columnEntry);
  if (valueName.empty()) return {};
  if (valueName == kTestNameValue) return TestNameOf(reader->Log());
  if (valueName == kDeviceNameValue) return UnitNameOf(reader->Log());
  CDataMap result;
  const std::string* text = ValueText(*reader, valueName, result);
  return text ? *text : std::string();
}

}  // namespace pelcon
