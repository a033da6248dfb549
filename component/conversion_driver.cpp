#include "component/conversion_driver.hpp"

#include <algorithm>
#include <climits>
#include <optional>

#include "datalib/data_map.hpp"
#include "datalib/text_helpers.hpp"
#include "export/column_choice.hpp"
#include "export/column_name_table.hpp"
#include "export/export_template.hpp"
#include "export/header_report.hpp"
#include "export/path_names.hpp"
#include "export/settings.hpp"
#include "jobs/log_table.hpp"
#include "outputs/csv/csv_writer.hpp"
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

// The formatted text of a dictionary value at the current record, or nothing. The text lives in
// result.
const std::string* ValueText(LogFileReader& reader, std::string_view valueName, CDataMap& result) {
  if (reader.GetValue(valueName, result) == 0) return nullptr;
  if (reader.GetValueAttribute(valueName, kValueTextAttribute, result) == 0) return nullptr;
  return result.FindText(kValueTextAttribute);
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

  // The template's columns, header sections, separator and empty-field text, with the classic
  // text: Windows-1252 and the logger's own times.
  ColumnChoice choice;
  choice.columns = exportTemplate.Columns();
  choice.sections = exportTemplate.Sections();
  const jobs::LogTable table(reader.Log(), choice, logFilePath, csvPath, std::nullopt);
  outputs::TextFormat text;
  text.encoding = outputs::TextEncoding::kWindows1252;
  text.time = outputs::TimeStyle::kUs;
  text.separator = exportTemplate.Separator();
  text.emptyField = exportTemplate.EmptyFieldText();

  outputs::RecordRun run;
  run.workers = ConversionWorkerCount();
  // A progress bar moves once per chunk: small chunks keep it smooth (and per record for small
  // files), and cost little next to the records they hold.
  if (progress) run.chunkRecords = std::clamp<std::size_t>(recordCount / kProgressSteps, 1, 256);
  run.progress = [progress](std::size_t records) {
    if (progress && records > 0) {
      progress->SetPosition(static_cast<int>(std::min<std::size_t>(records, INT_MAX)));
      progress->Redraw();
    }
    return true;
  };
  if (cancel) run.stopRequested = [cancel] { return cancel->IsSet(); };
  const outputs::ByteSink sink = [&csv](std::string_view bytes) { return csv->Write(bytes); };
  if (outputs::WriteCsv(table.Description(), table.Records(), text, run, sink) ==
      outputs::RunOutcome::kFailed) {
    return UnexpectedError(csv->Error());
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
