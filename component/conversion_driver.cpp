#include "component/conversion_driver.hpp"

#include <algorithm>
#include <climits>
#include <memory>
#include <optional>
#include <vector>

#include "datalib/data_map.hpp"
#include "datalib/text_helpers.hpp"
#include "export/column_name_table.hpp"
#include "export/export_template.hpp"
#include "export/header_report.hpp"
#include "export/path_names.hpp"
#include "export/settings.hpp"
#include "export/template_plan.hpp"
#include "plan/chunked_records.hpp"
#include "plan/conversion_plan.hpp"
#include "plan/record_evaluator.hpp"
#include "plan/worker_count.hpp"
#include "platform/notifier.hpp"
#include "platform/output_error_handover.hpp"
#include "platform/output_file.hpp"
#include "values/log_file_reader.hpp"

namespace pelcon {
namespace {

// About how many times a progress bar moves during a conversion.
constexpr std::size_t kProgressSteps = 1000;

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

// The CSV lines of a conversion plan. A column that is the same in every record (a site text, a
// value the file cannot give) is a finished cell worked out once.
class CsvLines {
 public:
  CsvLines(const ExportTemplate& exportTemplate, const ConversionPlan& plan)
      : separator_(exportTemplate.Separator()), emptyFieldText_(exportTemplate.EmptyFieldText()) {
    // A number never holds a separator made of other characters, nor a quote or a line end.
    const bool numbersArePlain =
        separator_.find_first_of(ValueFormat::kPlainNumberCharacters) == std::string_view::npos;
    AppendCell(emptyCell_, {});
    for (std::size_t k = 0; k < plan.Columns().size(); ++k) {
      const ColumnProgram& program = plan.Programs()[k];
      plainCells_.push_back(numbersArePlain && program.format.PrintsPlainNumbers());
      std::optional<std::string>& cell = fixedCells_.emplace_back();
      if (program.source == ColumnProgram::Source::kFixed) {
        AppendCell(cell.emplace(), program.fixedText);
      } else if (!plan.Columns()[k].supplied) {
        cell = emptyCell_;
      }
    }
  }

  // The title line: every entry as stored.
  void AppendTitleLine(std::string& out, const std::vector<std::string>& entries) const {
    for (std::size_t k = 0; k < entries.size(); ++k) {
      if (k > 0) out.append(separator_);
      AppendField(out, entries[k]);
    }
    out.append("\r\n");
  }

  // One data line for the evaluator's current record; cell is scratch space.
  void AppendRecordLine(std::string& out, RecordEvaluator& evaluator, std::string& cell) const {
    for (std::size_t k = 0; k < fixedCells_.size(); ++k) {
      if (k > 0) out.append(separator_);
      if (fixedCells_[k]) {
        out.append(*fixedCells_[k]);
        continue;
      }
      if (plainCells_[k]) {
        const std::size_t start = out.size();
        evaluator.AppendCellText(k, out);
        if (out.size() == start) out.append(emptyCell_);
        continue;
      }
      cell.clear();
      evaluator.AppendCellText(k, cell);
      AppendCell(out, cell);
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
  std::string emptyCell_;
  std::vector<std::optional<std::string>> fixedCells_;
  std::vector<bool> plainCells_;  // cells that go to the line as they are printed
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

  const std::vector<PlanColumnRequest> requests =
      TemplateColumnRequests(reader.Log(), exportTemplate.Columns());
  const ConversionPlan plan(reader.Log(), requests);
  const CsvLines lines(exportTemplate, plan);
  std::string text;
  std::string report;
  WriteHeaderReport(report, HeaderSectionsOf(exportTemplate.Sections()), reader.Log(), csvPath);
  AppendCrLf(text, report);
  lines.AppendTitleLine(text, exportTemplate.Columns());
  if (!csv->Write(text)) return UnexpectedError(csv->Error());

  ChunkedRecords run;
  run.recordCount = reader.FirstRecord() == -1 ? 0 : recordCount;
  run.workers = ConversionWorkerCount();
  // A progress bar moves once per chunk: small chunks keep it smooth (and per record for small
  // files), and cost little next to the records they hold.
  if (progress) run.chunkRecords = std::clamp<std::size_t>(recordCount / kProgressSteps, 1, 256);
  // Each worker's evaluator is made on its own thread, the first time it formats.
  std::vector<std::unique_ptr<RecordEvaluator>> evaluators(run.workers);
  const auto format = [&](unsigned worker, std::size_t first, std::size_t last, std::string& out) {
    std::unique_ptr<RecordEvaluator>& evaluator = evaluators[worker];
    if (!evaluator) evaluator = std::make_unique<RecordEvaluator>(plan);
    std::string cell;
    for (std::size_t record = first; record < last; ++record) {
      if (cancel && cancel->IsSet()) return record;
      if (!evaluator->Select(record)) return record;
      lines.AppendRecordLine(out, *evaluator, cell);
    }
    return last;
  };
  const auto write = [&](std::string_view chunk, std::size_t end) {
    // Chunks formatted ahead of a cancel are not written either.
    if (cancel && cancel->IsSet()) return ChunkedRecords::Step::kStop;
    if (!csv->Write(chunk)) return ChunkedRecords::Step::kFailed;
    if (progress && end > 0) {
      progress->SetPosition(static_cast<int>(std::min<std::size_t>(end, INT_MAX)));
      progress->Redraw();
    }
    return ChunkedRecords::Step::kWritten;
  };
  if (run.Run(format, write) == ChunkedRecords::Outcome::kFailed)
    return UnexpectedError(csv->Error());
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
