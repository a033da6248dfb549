#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "logfile/log_file.hpp"
#include "logfile/log_loader.hpp"
#include "tests/support/echo_formulas.hpp"

namespace pelcon {
namespace {

std::vector<std::uint8_t> ReadAll(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// Every value of every row, in record order, and the row's time.
struct RowImage {
  std::vector<std::uint16_t> raw;
  double time = 0.0;
  bool operator==(const RowImage&) const = default;
};

std::vector<RowImage> RowsOf(const LogFile& log) {
  const StageNameTable& table = log.StageTable(ValueStage::kRaw);
  std::vector<RowImage> rows(log.RowCount());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    for (const std::uint8_t code : log.ChannelCodeList()) {
      std::uint16_t value = 0;
      log.Row(i).GetRaw(table.NameOf(table.SlotOfCode(code)), value);
      rows[i].raw.push_back(value);
    }
    log.Row(i).GetTimestamp(rows[i].time);
  }
  return rows;
}

// A sample cut at any length either does not open or holds exactly the whole records that
// remain, each as in the whole file: a cut never invents a row.
TEST(TruncationSweepTest, EveryCutOfEverySampleKeepsOnlyWholeRecords) {
  const std::filesystem::path source = PELCON_SOURCE_DIR;
  int samples = 0;
  for (const auto& entry : std::filesystem::directory_iterator(source / "examples")) {
    if (entry.path().extension() != ".bin") continue;
    ++samples;
    SCOPED_TRACE(entry.path().filename().string());
    const std::vector<std::uint8_t> bytes = ReadAll(entry.path());
    test_support::EchoFormulas formulas;
    LogFile whole(formulas);
    ASSERT_TRUE(LogLoader::Load(bytes, whole));
    ASSERT_TRUE(whole.LoadProblems().empty());
    const std::vector<RowImage> wholeRows = RowsOf(whole);
    const auto recordSize = static_cast<std::size_t>(whole.RecordSize());

    for (std::size_t length = 0; length < bytes.size(); ++length) {
      LogFile cut(formulas);
      if (!LogLoader::Load(std::span(bytes).first(length), cut)) continue;
      const std::size_t dataEnd = std::min(length, whole.DataEnd());
      const std::size_t whole_records =
          dataEnd > whole.DataStart() ? (dataEnd - whole.DataStart()) / recordSize : 0;
      const std::vector<RowImage> rows = RowsOf(cut);
      ASSERT_EQ(rows.size(), whole_records) << "cut at " << length;
      for (std::size_t i = 0; i < rows.size(); ++i) {
        ASSERT_EQ(rows[i], wholeRows[i]) << "cut at " << length << ", row " << i;
      }
      if (length >= whole.DataEnd() + 2) {  // the whole marker is there
        ASSERT_FALSE(cut.LoadProblems().empty());
        EXPECT_EQ(cut.LoadProblems().front(), "log file ends inside its trailer")
            << "cut at " << length;
      }
    }
  }
  EXPECT_EQ(samples, 3);
}

}  // namespace
}  // namespace pelcon
