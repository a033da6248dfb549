#include "outputs/csv/csv_writer.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/outputs/fake_table.hpp"

namespace pelcon::outputs {
namespace {

using testing::FakeDescription;
using testing::FakeRecord;
using testing::FakeRecords;
using testing::MinuteRecords;
using testing::Record;

// Records on workers, in chunks.
RecordRun Workers(unsigned workers, std::size_t chunkRecords = 256) {
  RecordRun run;
  run.workers = workers;
  run.chunkRecords = chunkRecords;
  return run;
}

TextFormat CommaSeparated() {
  TextFormat format;
  format.separator = ",";
  format.emptyField = "-----";
  return format;
}

struct CsvText {
  RunOutcome outcome;
  std::string bytes;
};

CsvText Csv(const TableDescription& table, const std::vector<FakeRecord>& records,
            const TextFormat& format, const RecordRun& run = {}) {
  CsvText csv;
  csv.outcome = WriteCsv(table, FakeRecords(records), format, run, [&](std::string_view bytes) {
    csv.bytes.append(bytes);
    return true;
  });
  return csv;
}

TEST(CsvWriter, CrLfLinesAndFieldsQuotedAsRfc4180HasThem) {
  const std::vector<FakeRecord> records = {
      Record(1.5, "a,b"),
      Record(std::nullopt, "say \"hi\"", 1),
      Record(2, "two\nlines", 2),
  };
  const CsvText csv = Csv(FakeDescription(), records, CommaSeparated());
  EXPECT_EQ(csv.outcome, RunOutcome::kComplete);
  EXPECT_EQ(csv.bytes,
            "\"Unit name:\",WELL 7\r\n"
            "Time,Level (m),Remark\r\n"
            "2009-03-15T14:30:00,1.50,\"a,b\"\r\n"
            "2009-03-15T14:31:00,-----,\"say \"\"hi\"\"\"\r\n"
            "2009-03-15T14:32:00,2.00,\"two\r\nlines\"\r\n");

  // Only a field holding the separator in use is quoted for it; no header report.
  TextFormat semicolons = CommaSeparated();
  semicolons.separator = ";";
  semicolons.headerReport = false;
  const std::vector<FakeRecord> separators = {Record(1.5, "a,b"), Record(1.5, "a;b")};
  EXPECT_EQ(Csv(FakeDescription(), separators, semicolons).bytes,
            "Time;Level (m);Remark\r\n"
            "2009-03-15T14:30:00;1.50;a,b\r\n"
            "2009-03-15T14:30:00;1.50;\"a;b\"\r\n");
}

TEST(CsvWriter, IsoTimeFromTheJulianDateUsTimeAsTheTableShowsIt) {
  const std::vector<FakeRecord> records = {Record(0.25)};
  TextFormat format = CommaSeparated();
  format.headerReport = false;
  EXPECT_EQ(Csv(FakeDescription(), records, format).bytes,
            "Time,Level (m),Remark\r\n2009-03-15T14:30:00,0.25,-----\r\n");
  format.time = TimeStyle::kUs;
  EXPECT_EQ(Csv(FakeDescription(), records, format).bytes,
            "Time,Level (m),Remark\r\n03/15/09 14:30:00,0.25,-----\r\n");
}

TEST(CsvWriter, DecimalCommaWithASemicolonSeparator) {
  TextFormat format = CommaSeparated();
  format.separator = ";";
  format.decimalComma = true;
  format.headerReport = false;
  EXPECT_EQ(Csv(FakeDescription(), {Record(1024.5), Record(-0.5)}, format).bytes,
            "Time;Level (m);Remark\r\n"
            "2009-03-15T14:30:00;1024,50;-----\r\n"
            "2009-03-15T14:30:00;-0,50;-----\r\n");
}

TEST(CsvWriter, Windows1252TextBecomesUtf8AndBackWithTheMarkOnlyForUtf8) {
  // E9 is e with acute accent (UTF-8 C3 A9), B0 the degree sign (UTF-8 C2 B0).
  TableDescription windows = FakeDescription(TextEncoding::kWindows1252);
  windows.columns[2].title =
      "Temp (\xB0"
      "C)";
  windows.headerText = "\"Unit name:\",CAF\xC9\n";
  const std::vector<FakeRecord> records = {Record(1, "caf\xE9")};
  TextFormat format = CommaSeparated();
  format.byteOrderMark = true;
  const std::string utf8 =
      "\"Unit name:\",CAF\xC3\x89\r\n"
      "Time,Level (m),Temp (\xC2\xB0"
      "C)\r\n"
      "2009-03-15T14:30:00,1.00,caf\xC3\xA9\r\n";
  EXPECT_EQ(Csv(windows, records, format).bytes, "\xEF\xBB\xBF" + utf8);

  format.encoding = TextEncoding::kWindows1252;
  const std::string windowsBytes =
      "\"Unit name:\",CAF\xC9\r\n"
      "Time,Level (m),Temp (\xB0"
      "C)\r\n"
      "2009-03-15T14:30:00,1.00,caf\xE9\r\n";
  EXPECT_EQ(Csv(windows, records, format).bytes, windowsBytes);

  // The same table held in UTF-8 and written as Windows-1252.
  TableDescription utf8Table = FakeDescription();
  utf8Table.columns[2].title =
      "Temp (\xC2\xB0"
      "C)";
  utf8Table.headerText = "\"Unit name:\",CAF\xC3\x89\n";
  const std::vector<FakeRecord> utf8Records = {Record(1, "caf\xC3\xA9")};
  EXPECT_EQ(Csv(utf8Table, utf8Records, format).bytes, windowsBytes);
}

TEST(CsvWriter, FourWorkersWriteTheBytesOfOne) {
  const std::vector<FakeRecord> records = MinuteRecords(10000);
  const CsvText one = Csv(FakeDescription(), records, CommaSeparated(), Workers(1));
  const CsvText four = Csv(FakeDescription(), records, CommaSeparated(), Workers(4, 7));
  EXPECT_EQ(one.outcome, RunOutcome::kComplete);
  EXPECT_EQ(four.outcome, RunOutcome::kComplete);
  EXPECT_TRUE(one.bytes == four.bytes);
  // Record 9999 is 6 days 22:39 after 2009-03-15 14:30, at level 9999/4.
  const std::string last = "2009-03-22T13:09:00,2499.75,-----\r\n";
  EXPECT_EQ(one.bytes.substr(one.bytes.size() - last.size()), last);
  std::size_t lines = 0;
  for (char c : one.bytes) lines += c == '\n';
  EXPECT_EQ(lines, 2u + records.size());
}

TEST(CsvWriter, AStopIsStoppedAndAFailingSinkFailed) {
  const std::vector<FakeRecord> records = MinuteRecords(2000);
  for (unsigned workers : {1u, 4u}) {
    SCOPED_TRACE(workers);
    RecordRun stopAtOnce = Workers(workers, 16);
    stopAtOnce.stopRequested = [] { return true; };
    const CsvText stopped = Csv(FakeDescription(), records, CommaSeparated(), stopAtOnce);
    EXPECT_EQ(stopped.outcome, RunOutcome::kStopped);
    EXPECT_EQ(stopped.bytes, "\"Unit name:\",WELL 7\r\nTime,Level (m),Remark\r\n");

    // A progress that says no stops the writing too, before the last record.
    RecordRun progressSaysNo = Workers(workers, 16);
    progressSaysNo.progress = [](std::size_t) { return false; };
    const CsvText refused = Csv(FakeDescription(), records, CommaSeparated(), progressSaysNo);
    EXPECT_EQ(refused.outcome, RunOutcome::kStopped);
    EXPECT_LT(refused.bytes.size(), Csv(FakeDescription(), records, CommaSeparated()).bytes.size());

    // The sink takes the header and two chunks, then fails.
    int writes = 0;
    const RunOutcome failed =
        WriteCsv(FakeDescription(), FakeRecords(records), CommaSeparated(), Workers(workers, 16),
                 [&](std::string_view) { return ++writes <= 3; });
    EXPECT_EQ(failed, RunOutcome::kFailed);
    EXPECT_EQ(writes, 4);
  }
}

}  // namespace
}  // namespace pelcon::outputs
