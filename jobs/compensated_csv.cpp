#include "jobs/compensated_csv.hpp"

#include "datalib/text_codec.hpp"
#include "export/header_report.hpp"
#include "jobs/compensated_layout.hpp"

namespace pelcon::jobs {
namespace {

class CsvText {
 public:
  explicit CsvText(const outputs::TextFormat& format) : format_(format) {}

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
    if (format_.encoding == outputs::TextEncoding::kUtf8) return utf8;
    return Utf8ToWindows1252(utf8, CodecMode::kStrict).value_or(utf8);
  }

  const outputs::TextFormat& format_;
  std::string text_;
};

}  // namespace

std::string CompensatedCsv(const CompensationRun& run, const outputs::TextFormat& format) {
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
        text.append(outputs::DecimalText(*value, columns[k].decimals, false));
      }
    }
    text.append("\r\n");
  }
  return text;
}

}  // namespace pelcon::jobs
