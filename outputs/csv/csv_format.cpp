#include "outputs/csv/csv_writer.hpp"
#include "outputs/output_format.hpp"

namespace pelcon::outputs {
namespace {

class CsvFormatWriter : public FormatWriter {
 public:
  CsvFormatWriter(const WriterTarget& target, const TextFormat& text)
      : sink_(target.stream), text_(text) {}

  bool Begin(const TableDescription& table) override {
    table_ = &table;
    return true;
  }

  RunOutcome Take(const TableRecords& records, const RecordRun& run) override {
    return WriteCsv(*table_, records, text_, run, sink_);
  }

  bool Finish() override { return true; }

 private:
  ByteSink sink_;
  TextFormat text_;
  const TableDescription* table_ = nullptr;
};

std::unique_ptr<FormatWriter> OpenCsv(const WriterTarget& target, const TextFormat& text) {
  return std::make_unique<CsvFormatWriter>(target, text);
}

}  // namespace

extern const OutputFormat kCsvOutputFormat{"csv", ".csv", "CSV file", false, OpenCsv};

}  // namespace pelcon::outputs
