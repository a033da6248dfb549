#include "outputs/output_publishing.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/outputs/fake_table.hpp"
#include "tests/platform/scratch_directory.hpp"

namespace pelcon::outputs {
namespace {

namespace fs = std::filesystem;
using pelcon::testing::ReadBytes;
using pelcon::testing::ScratchDirectory;
using pelcon::testing::WriteBytes;
using testing::FakeDescription;
using testing::FakeRecords;
using testing::MinuteRecords;
using testing::Record;

TextFormat CommaSeparated() {
  TextFormat format;
  format.separator = ",";
  return format;
}

// A writer that writes a little, as far as its target lets it, and then fails.
class FailingWriter : public FormatWriter {
 public:
  explicit FailingWriter(const WriterTarget& target) : target_(target) {}

  bool Begin(const TableDescription&) override {
    if (target_.stream) return target_.stream("Time,Level\r\n");
    return static_cast<bool>(std::ofstream(target_.path) << "Time,Level\n");
  }
  RunOutcome Take(const TableRecords&, const RecordRun&) override {
    error_ = "the disk is on fire";
    return RunOutcome::kFailed;
  }
  bool Finish() override { return true; }

 private:
  WriterTarget target_;
};

std::unique_ptr<FormatWriter> OpenFailingWriter(const WriterTarget& target, const TextFormat&) {
  return std::make_unique<FailingWriter>(target);
}

TEST(WriteTable, AFailedOrStoppedWriteLeavesNothingBehind) {
  ScratchDirectory scratch;
  const FakeRecords records(MinuteRecords(100));
  const OutputTarget target{"well.bin", scratch.File("well.bin.csv")};
  for (const bool byPath : {false, true}) {
    SCOPED_TRACE(byPath);
    const OutputFormat failing{"fail", ".csv", "failing file", byPath, OpenFailingWriter};
    const WriteResult failed =
        WriteTable(failing, FakeDescription(), records, CommaSeparated(), target, {});
    EXPECT_EQ(failed.status, WriteStatus::kFailed);
    EXPECT_EQ(failed.error, "cannot write " + target.output + ": the disk is on fire");
    EXPECT_TRUE(scratch.Names().empty());
  }
  RecordRun stopAtOnce;
  stopAtOnce.stopRequested = [] { return true; };
  const WriteResult stopped = WriteTable(*FindOutputFormat("csv"), FakeDescription(), records,
                                         CommaSeparated(), target, stopAtOnce);
  EXPECT_EQ(stopped.status, WriteStatus::kStopped);
  EXPECT_TRUE(scratch.Names().empty());
}

TEST(WriteTable, AnExistingOutputIsKeptUnlessReplacing) {
  ScratchDirectory scratch;
  const FakeRecords records({Record(1)});
  OutputTarget target{"well.bin", scratch.File("well.bin.csv")};
  WriteBytes(target.output, "old");
  const OutputFormat& csv = *FindOutputFormat("csv");
  TextFormat text = CommaSeparated();
  text.headerReport = false;
  EXPECT_EQ(WriteTable(csv, FakeDescription(), records, text, target, {}).status,
            WriteStatus::kExists);
  EXPECT_EQ(ReadBytes(target.output), "old");

  target.replaceExisting = true;
  EXPECT_EQ(WriteTable(csv, FakeDescription(), records, text, target, {}).status,
            WriteStatus::kWritten);
  EXPECT_EQ(ReadBytes(target.output), "Time,Level (m),Remark\r\n2009-03-15T14:30:00,1.00,\r\n");
  EXPECT_EQ(scratch.Names(), std::vector<std::string>{"well.bin.csv"});
}

#ifndef _WIN32
// A link where the output goes is refused, or replaced when replacing; what it points to is
// never written.
TEST(WriteTable, ASymbolicLinkAtTheTargetIsNeverFollowed) {
  ScratchDirectory scratch;
  const std::string victim = scratch.File("victim.txt");
  WriteBytes(victim, "precious\n");
  OutputTarget target{"well.bin", scratch.File("well.bin.csv")};
  fs::create_symlink(victim, target.output);
  const FakeRecords records({Record(1)});
  for (const OutputFormat& format : OutputFormats()) {
    SCOPED_TRACE(format.name);
    target.replaceExisting = false;
    EXPECT_EQ(WriteTable(format, FakeDescription(), records, CommaSeparated(), target, {}).status,
              WriteStatus::kExists);
    EXPECT_TRUE(fs::is_symlink(target.output));
    EXPECT_EQ(ReadBytes(victim), "precious\n");
  }
  target.replaceExisting = true;
  EXPECT_EQ(
      WriteTable(*FindOutputFormat("csv"), FakeDescription(), records, CommaSeparated(), target, {})
          .status,
      WriteStatus::kWritten);
  EXPECT_FALSE(fs::is_symlink(target.output));
  EXPECT_EQ(ReadBytes(victim), "precious\n");
}
#endif

// The workbook is a zip archive, the NetCDF-4 file an HDF5 file; each starts with its signature.
TEST(WriteTable, WorkbookAndNetcdfFilesFromTheSameTable) {
  ScratchDirectory scratch;
  const FakeRecords records(MinuteRecords(50));
  const std::pair<const char*, std::string_view> signatures[] = {{"xlsx", "PK\x03\x04"},
                                                                 {"netcdf", "\x89HDF"}};
  for (const auto& [name, signature] : signatures) {
    SCOPED_TRACE(name);
    const OutputFormat* format = FindOutputFormat(name);
#ifndef PELCON_TYPED_OUTPUTS
    if (format == nullptr) GTEST_SKIP() << "this build has no " << name << " format";
#endif
    ASSERT_NE(format, nullptr);
    const OutputTarget target{"well.bin", scratch.File("well" + std::string(format->extension))};
    const WriteResult result =
        WriteTable(*format, FakeDescription(), records, CommaSeparated(), target, {});
    ASSERT_EQ(result.status, WriteStatus::kWritten) << result.error;
    const std::string bytes = ReadBytes(target.output);
    EXPECT_EQ(bytes.substr(0, signature.size()), signature);
  }
  EXPECT_EQ(scratch.Names().size(), 2u);
}

}  // namespace
}  // namespace pelcon::outputs
