#include "outputs/typed_format_writer.hpp"

#include "datalib/text_codec.hpp"

namespace pelcon::outputs {
namespace {

class TableFileFormatWriter : public FormatWriter {
 public:
  TableFileFormatWriter(TableFileWriter write, const WriterTarget& target)
      : write_(write), target_(target) {}

  bool Begin(const TableDescription& table) override {
    table_ = &table;
    return true;
  }

  RunOutcome Take(const TableRecords& records, const RecordRun& run) override {
    bool stopped = false;
    const RecordProgress progress = [&](std::size_t count) {
      stopped = run.StopRequested() || !run.Progress(count);
      return !stopped;
    };
    if (write_(*table_, records, target_, progress, error_)) return RunOutcome::kComplete;
    return stopped ? RunOutcome::kStopped : RunOutcome::kFailed;
  }

  bool Finish() override { return true; }

 private:
  TableFileWriter write_;
  WriterTarget target_;
  const TableDescription* table_ = nullptr;
};

}  // namespace

std::unique_ptr<FormatWriter> OpenTableFileWriter(TableFileWriter write,
                                                  const WriterTarget& target) {
  return std::make_unique<TableFileFormatWriter>(write, target);
}

std::string Utf8Text(const TableDescription& table, const std::string& text) {
  return table.textEncoding == TextEncoding::kWindows1252 ? Windows1252AsUtf8(text) : text;
}

}  // namespace pelcon::outputs
