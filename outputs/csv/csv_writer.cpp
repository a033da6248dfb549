#include "outputs/csv/csv_writer.hpp"

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "datalib/text_codec.hpp"
#include "export/header_report.hpp"
#include "logfile/value_attribute_format.hpp"
#include "plan/chunked_records.hpp"

namespace pelcon::outputs {
namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// Appends text with every LF written as CR LF, on every platform, as a file written in text mode
// would have it.
void AppendCrLf(std::string& out, std::string_view text) {
  for (std::string_view::size_type end; (end = text.find('\n')) != text.npos;) {
    out.append(text.substr(0, end)).append("\r\n");
    text.remove_prefix(end + 1);
  }
  out.append(text);
}

// How a column's cells are written.
enum class CellRule {
  kFixed,         // the same finished cell in every record
  kIsoTime,       // an ISO 8601 time from the typed value
  kDecimalComma,  // a number from the typed value with a comma as decimal mark
  kPlain,         // the table's text, which never needs quoting
  kField,         // the table's text as a CSV field
};

// The lines of one file. Cells are made in the table's encoding; a line is turned into the
// format's encoding as a whole.
class CsvLines {
 public:
  CsvLines(const TableDescription& table, const TextFormat& format)
      : table_(table), format_(format), convert_(table.textEncoding != format.encoding) {
    // A number never holds a separator made of other characters, nor a quote or a line end.
    const bool numbersArePlain = format.separator.find_first_of(
                                     ValueFormat::kPlainNumberCharacters) == std::string_view::npos;
    AppendCell(emptyCell_, {});
    for (const TableColumn& column : table.columns) {
      std::string& fixed = fixedCells_.emplace_back();
      const bool isTime =
          column.kind == ColumnKind::kDateTime || column.kind == ColumnKind::kRecordTime;
      if (column.fixedText) {
        AppendCell(fixed, *column.fixedText);
        rules_.push_back(CellRule::kFixed);
      } else if (!column.supplied) {
        fixed = emptyCell_;
        rules_.push_back(CellRule::kFixed);
      } else if (isTime && format.time == TimeStyle::kIso) {
        rules_.push_back(CellRule::kIsoTime);
      } else if (column.kind == ColumnKind::kNumber && format.decimalComma) {
        rules_.push_back(CellRule::kDecimalComma);
      } else if (numbersArePlain && column.plainText) {
        rules_.push_back(CellRule::kPlain);
      } else {
        rules_.push_back(CellRule::kField);
      }
    }
  }

  // Text of the table's own with "\n" line ends, such as its header.
  void AppendText(std::string& out, std::string_view text) const {
    if (!convert_) {
      AppendCrLf(out, text);
      return;
    }
    std::string converted;
    AppendConverted(converted, text);
    AppendCrLf(out, converted);
  }

  void AppendTitleLine(std::string& out) const {
    std::string line;
    for (std::size_t k = 0; k < table_.columns.size(); ++k) {
      if (k > 0) line.append(format_.separator);
      AppendField(line, table_.columns[k].title);
    }
    line.push_back('\n');
    AppendText(out, line);
  }

  // One data line for the cursor's current record; line and cell are scratch space.
  void AppendRecordLine(std::string& out, TableCursor& cursor, std::string& line,
                        std::string& cell) const {
    std::string& target = convert_ ? line : out;
    if (convert_) line.clear();
    for (std::size_t k = 0; k < rules_.size(); ++k) {
      if (k > 0) target.append(format_.separator);
      switch (rules_[k]) {
        case CellRule::kFixed:
          target.append(fixedCells_[k]);
          break;
        case CellRule::kPlain: {
          const std::size_t start = target.size();
          cursor.AppendCellText(k, target);
          if (target.size() == start) target.append(emptyCell_);
          break;
        }
        case CellRule::kIsoTime: {
          const CellValue value = cursor.Value(k);
          AppendCell(target, value.type == CellValue::Type::kDateTime
                                 ? IsoTimeText(value.number, format_)
                                 : std::string());
          break;
        }
        case CellRule::kDecimalComma: {
          const CellValue value = cursor.Value(k);
          AppendCell(target, value.type == CellValue::Type::kNumber
                                 ? DecimalText(value.number, table_.columns[k].decimals, true)
                                 : std::string());
          break;
        }
        case CellRule::kField:
          cell.clear();
          cursor.AppendCellText(k, cell);
          AppendCell(target, cell);
          break;
      }
    }
    target.append("\r\n");
    if (convert_) AppendConverted(out, line);
  }

 private:
  // An empty cell shows the empty-field text.
  void AppendCell(std::string& out, std::string_view text) const {
    AppendField(out, text.empty() ? std::string_view(format_.emptyField) : text);
  }

  // A field with a line end in it has the CR LF of the lines around it.
  void AppendField(std::string& out, std::string_view text) const {
    if (text.find('\n') == text.npos) {
      AppendCsvField(out, text, format_.separator);
      return;
    }
    std::string field;
    AppendCsvField(field, text, format_.separator);
    AppendCrLf(out, field);
  }

  // Appends the table's text in the format's encoding, straight onto out: once per record.
  void AppendConverted(std::string& out, std::string_view text) const {
    if (format_.encoding == TextEncoding::kUtf8) {
      AppendWindows1252AsUtf8(out, text);
      return;
    }
    out.append(Utf8ToWindows1252(text, CodecMode::kStrict).value_or(std::string(text)));
  }

  const TableDescription& table_;
  const TextFormat& format_;
  const bool convert_;  // the format's encoding is not the table's
  std::string emptyCell_;
  std::vector<std::string> fixedCells_;
  std::vector<CellRule> rules_;
};

}  // namespace

RunOutcome WriteCsv(const TableDescription& table, const TableRecords& records,
                    const TextFormat& format, const RecordRun& run, const ByteSink& sink) {
  const CsvLines lines(table, format);
  std::string text;
  if (format.byteOrderMark && format.encoding == TextEncoding::kUtf8) {
    text.append(kUtf8ByteOrderMark);
  }
  if (format.headerReport) lines.AppendText(text, table.headerText);
  lines.AppendTitleLine(text);
  if (!sink(text)) return RunOutcome::kFailed;

  ChunkedRecords chunks;
  chunks.recordCount = records.Count();
  chunks.workers = run.workers;
  chunks.chunkRecords = run.chunkRecords;
  // Each worker's cursor is made on its own thread, the first time it formats.
  std::vector<std::unique_ptr<TableCursor>> cursors(run.workers);
  const auto formatChunk = [&](unsigned worker, std::size_t first, std::size_t last,
                               std::string& out) {
    std::unique_ptr<TableCursor>& cursor = cursors[worker];
    if (!cursor) cursor = records.NewCursor();
    std::string line;
    std::string cell;
    for (std::size_t record = first; record < last; ++record) {
      if (run.StopRequested()) return record;
      if (!cursor->Select(record)) return record;
      lines.AppendRecordLine(out, *cursor, line, cell);
    }
    return last;
  };
  bool stopped = false;
  const auto writeChunk = [&](std::string_view chunk, std::size_t end) {
    // Chunks formatted ahead of a stop are not written either.
    if (run.StopRequested()) stopped = true;
    if (stopped) return ChunkedRecords::Step::kStop;
    if (!sink(chunk)) return ChunkedRecords::Step::kFailed;
    stopped = !run.Progress(end);
    return stopped ? ChunkedRecords::Step::kStop : ChunkedRecords::Step::kWritten;
  };
  // A record that cannot be selected ends the records; only a stop asked for is a stop.
  if (chunks.Run(formatChunk, writeChunk) == ChunkedRecords::Outcome::kFailed) {
    return RunOutcome::kFailed;
  }
  return stopped || run.StopRequested() ? RunOutcome::kStopped : RunOutcome::kComplete;
}

}  // namespace pelcon::outputs
