#include "cli/compensated_csv.hpp"

#include "cli/compensated_layout.hpp"
#include "component/header_report.hpp"

namespace pelcon::cli {
namespace {

class CsvText {
 public:
  explicit CsvText(const TextFormat& format) : format_(format) {}

  // A line of fields; text given as UTF-8.
  void Line(const std::vector<std::string>& fields) {
    bool first = true;
    for (const std::string& field : fields) {
      if (!first) text_.push_back(',');
      first = false;
      AppendCsvField(text_, Encoded(field), ",");
    }
    text_.append("\r\n");
  }

  std::string Take() { return std::move(text_); }

 private:
  std::string Encoded(const std::string& utf8) const {
    if (format_.encoding == TextEncoding::kUtf8) return utf8;
    return Utf8ToWindows1252(utf8).value_or(utf8);
  }

  const TextFormat& format_;
  std::string text_;
};

}  // namespace

std::string CompensatedCsv(const CompensationRun& run, const TextFormat& format) {
  CsvText csv(format);
  csv.Line({"Compensated water levels"});
  for (const std::vector<std::string>& line : CompensationHeaderLines(run, format)) csv.Line(line);
  csv.Line({});

  const std::vector<CompensatedColumn> columns = CompensatedColumns(run.settings);
  std::vector<std::string> titles;
  for (const CompensatedColumn& column : columns) titles.push_back(column.title);
  csv.Line(titles);
  std::string text = csv.Take();
  for (const CompensatedRecord& record : run.table.records) {
    for (std::size_t k = 0; k < columns.size(); ++k) {
      if (k > 0) text.push_back(',');
      if (columns[k].field == CompensatedField::kTime) {
        text.append(RecordTimeText(record.seconds, format));
      } else if (const std::optional<double> value = FieldValue(record, columns[k].field)) {
        text.append(DecimalText(*value, columns[k].decimals, false));
      }
    }
    text.append("\r\n");
  }
  return text;
}

}  // namespace pelcon::cli
