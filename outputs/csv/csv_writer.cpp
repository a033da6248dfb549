#include "outputs/csv/csv_writer.hpp"

#include "datalib/text_codec.hpp"
#include "export/header_report.hpp"
#include "plan/conversion_plan.hpp"
#include "plan/record_evaluator.hpp"
#include "values/log_file_reader.hpp"

namespace pelcon::outputs {
namespace {

// Text is handed to the sink in pieces of about this size.
constexpr std::size_t kPieceSize = 64 * 1024;

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// Appends text with every LF written as CR LF, as the CSV files of the classic interface have it.
void AppendWithCrLf(std::string& out, std::string_view text) {
  for (std::string_view::size_type end; (end = text.find('\n')) != text.npos;) {
    out.append(text.substr(0, end)).append("\r\n");
    text.remove_prefix(end + 1);
  }
  out.append(text);
}

// Writes the lines of one file: Windows-1252 text from the plan and the header report is
// turned into the format's encoding; times and numbers come from the typed values where the
// format differs from the classic text.
class CsvLines {
 public:
  CsvLines(const ConversionPlan& plan, std::vector<std::size_t> columns, const ColumnChoice& choice,
           const TextFormat& format)
      : plan_(plan),
        columns_(std::move(columns)),
        format_(format),
        emptyField_(choice.emptyField) {}

  void AppendTitleLine(std::string& out) const {
    std::string line;
    for (std::size_t k = 0; k < columns_.size(); ++k) {
      if (k > 0) line.append(format_.separator);
      AppendField(line, plan_.Columns()[columns_[k]].title);
    }
    line.append("\n");
    AppendText(out, line);
  }

  void AppendRecordLine(std::string& out, RecordEvaluator& evaluator) {
    line_.clear();
    for (std::size_t k = 0; k < columns_.size(); ++k) {
      if (k > 0) line_.append(format_.separator);
      cell_.clear();
      AppendCell(cell_, evaluator, columns_[k]);
      AppendField(line_, cell_.empty() ? std::string_view(emptyField_) : std::string_view(cell_));
    }
    line_.append("\n");
    AppendText(out, line_);
  }

  // Appends Windows-1252 text with CR LF line ends in the format's encoding.
  void AppendText(std::string& out, std::string_view text) const {
    if (format_.encoding == TextEncoding::kWindows1252) {
      AppendWithCrLf(out, text);
      return;
    }
    std::string utf8;
    AppendWindows1252AsUtf8(utf8, text);
    AppendWithCrLf(out, utf8);
  }

 private:
  void AppendCell(std::string& out, RecordEvaluator& evaluator, std::size_t column) const {
    const PlanColumn& plan = plan_.Columns()[column];
    if (plan.kind == CellKind::kDateTime && format_.time == TimeStyle::kIso) {
      const CellValue value = evaluator.Value(column);
      if (value.type == CellValue::Type::kDateTime) out = IsoTimeText(value.number, format_);
      return;
    }
    if (plan.kind == CellKind::kNumber && format_.decimalComma) {
      const CellValue value = evaluator.Value(column);
      if (value.type != CellValue::Type::kNumber) return;
      out = DecimalText(value.number, plan.decimals, true);
      return;
    }
    evaluator.AppendCellText(column, out);
  }

  void AppendField(std::string& out, std::string_view text) const {
    AppendCsvField(out, text, format_.separator);
  }

  const ConversionPlan& plan_;
  const std::vector<std::size_t> columns_;
  const TextFormat& format_;
  const std::string emptyField_;
  std::string line_;
  std::string cell_;
};

}  // namespace

bool WriteCsv(LogFileReader& reader, const ColumnChoice& choice, const TextFormat& format,
              std::string_view csvPath, const CsvSink& sink) {
  const LogFile& log = reader.Log();
  const ConversionPlan plan(log, ChosenColumnRequests(log, choice));
  CsvLines lines(plan, ChosenColumns(plan, choice), choice, format);

  std::string text;
  if (format.byteOrderMark && format.encoding == TextEncoding::kUtf8)
    text.append(kUtf8ByteOrderMark);
  if (format.headerReport) {
    std::string report;
    WriteHeaderReport(report, ChosenHeaderSections(choice), log, csvPath);
    lines.AppendText(text, report);
  }
  lines.AppendTitleLine(text);

  RecordEvaluator evaluator(plan);
  const std::size_t count = plan.RecordCount();
  for (std::size_t record = 0; record < count; ++record) {
    if (!evaluator.Select(record)) break;
    lines.AppendRecordLine(text, evaluator);
    if (text.size() >= kPieceSize) {
      if (!sink(text, record + 1)) return false;
      text.clear();
    }
  }
  return sink(text, count);
}

}  // namespace pelcon::outputs
