#include "values/log_file_reader.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>

#include "datalib/data_map.hpp"
#include "tests/support/echo_formulas.hpp"
#include "tests/support/log_file_builder.hpp"

namespace pelcon {
namespace {

using test_support::Build;
using test_support::LodaxDescription;
using test_support::VortaDescription;

// A log file written for one test and removed after it.
class TemporaryLogFile {
 public:
  TemporaryLogFile(std::string_view name, const std::vector<std::uint8_t>& bytes) {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    directory_ = std::filesystem::temp_directory_path() /
                 ("pelcon-reader-" + std::to_string(std::random_device{}()) + "-" + test->name());
    std::filesystem::create_directories(directory_);
    path_ = (directory_ / name).string();
    EXPECT_TRUE(test_support::WriteFile(path_, bytes));
  }
  ~TemporaryLogFile() {
    std::error_code ignored;
    std::filesystem::remove_all(directory_, ignored);
  }
  const std::string& path() const { return path_; }

 private:
  std::filesystem::path directory_;
  std::string path_;
};

// The cell text of a value at the reader's current record, "(no value)" when it has none.
std::string Cell(LogFileReader& reader, std::string_view name) {
  CDataMap result;
  if (reader.GetValue(name, result) == 0) return "(no value)";
  if (reader.GetValueAttribute(name, "AttribValueStr", result) == 0) return "(no text)";
  std::string text;
  result.GetString("AttribValueStr", &text);
  return text;
}

TEST(LogFileReaderTest, AMissingFileOpensNothing) {
  LogFileReader reader;
  EXPECT_EQ(reader.Open("/nonexistent/pelcon/well1.bin"), 0);
  EXPECT_EQ(reader.FirstRecord(), -1);
  EXPECT_EQ(reader.NextRecord(0), -1);
  CDataMap result;
  EXPECT_EQ(reader.GetValue("DEVICE_SERIAL_NO", result), 0);
  EXPECT_EQ(reader.GetValueAttribute("DEVICE_SERIAL_NO", "AttribValueStr", result), 0);
  // Nothing is reported through the result holder.
  EXPECT_EQ(result.size(), 0u);
}

TEST(LogFileReaderTest, AFileThatIsNoLogFileOpensNothing) {
  TemporaryLogFile file("notes.bin", {'h', 'e', 'l', 'l', 'o'});
  LogFileReader reader;
  EXPECT_EQ(reader.Open(file.path()), 0);
  EXPECT_EQ(reader.FileTitle(), "notes");
  EXPECT_EQ(reader.FirstRecord(), -1);
  EXPECT_EQ(reader.Log().RowCount(), 0u);
}

// Records of the Lodax sample: board reading 2150 + i, pressure reading 10000 + 100 i, one minute
// apart from 15 March 2009 14:30:00. Stage values are the readings themselves.
TEST(LogFileReaderTest, StepsThroughTheRecordsOfALodaxFile) {
  TemporaryLogFile file("well1.bin", Build(LodaxDescription()));
  test_support::EchoFormulas readings;
  LogFileReader reader(readings);
  ASSERT_NE(reader.Open(file.path()), 0);
  EXPECT_TRUE(reader.IsOpened());
  EXPECT_EQ(reader.FileTitle(), "well1");
  EXPECT_EQ(reader.Log().RowCount(), 3u);

  const char* times[] = {"03/15/09 14:30:00", "03/15/09 14:31:00", "03/15/09 14:32:00"};
  const char* temperatures[] = {"2150.00", "2151.00", "2152.00"};     // "%.2f"
  const char* pressures[] = {"10000.000", "10100.000", "10200.000"};  // "%.3f"
  const char* readingsText[] = {"10000", "10100", "10200"};           // "%d"
  int index = reader.FirstRecord();
  for (int expected = 0; expected < 3; ++expected) {
    ASSERT_EQ(index, expected);
    EXPECT_EQ(Cell(reader, "TIMESTAMP"), times[expected]);
    EXPECT_EQ(Cell(reader, "DEGREES_C"), temperatures[expected]);
    EXPECT_EQ(Cell(reader, "PSI"), pressures[expected]);
    EXPECT_EQ(Cell(reader, "RAW_PXD"), readingsText[expected]);
    index = reader.NextRecord(index);
  }
  EXPECT_EQ(index, -1);
  // Past the end the last record stays current.
  EXPECT_EQ(Cell(reader, "RAW_PXD"), "10200");
  EXPECT_EQ(reader.NextRecord(5), -1);
  EXPECT_EQ(reader.NextRecord(-2), -1);
}

// The same file with the instruments' calibration: pressure = 0.001f x reading psi (block 31's
// bicubic term of x), temperature = 0.01f x board reading degrees (its cubic's linear term).
// 0.01f x 2150 = 21.4999995..., 0.001f x 10100 = 10.1000004...
TEST(LogFileReaderTest, ComputesCalibratedValues) {
  TemporaryLogFile file("well1.bin", Build(LodaxDescription()));
  LogFileReader reader;
  ASSERT_NE(reader.Open(file.path()), 0);
  ASSERT_EQ(reader.FirstRecord(), 0);
  EXPECT_EQ(Cell(reader, "DEGREES_C"), "21.50");
  EXPECT_EQ(Cell(reader, "PSI"), "10.000");
  ASSERT_EQ(reader.NextRecord(0), 1);
  EXPECT_EQ(Cell(reader, "DEGREES_C"), "21.51");
  EXPECT_EQ(Cell(reader, "PSI"), "10.100");
  ASSERT_EQ(reader.NextRecord(1), 2);
  EXPECT_EQ(Cell(reader, "DEGREES_C"), "21.52");
  EXPECT_EQ(Cell(reader, "PSI"), "10.200");
  EXPECT_EQ(Cell(reader, "TIMESTAMP"), "03/15/09 14:32:00");
}

TEST(LogFileReaderTest, AFileWithoutRecordsAnswersHeaderValuesOnly) {
  auto description = LodaxDescription();
  description.records.clear();
  TemporaryLogFile file("empty.bin", Build(description));
  LogFileReader reader;
  ASSERT_NE(reader.Open(file.path()), 0);
  EXPECT_EQ(reader.FirstRecord(), -1);
  EXPECT_EQ(Cell(reader, "DEVICE_SERIAL_NO"), "4711");
  EXPECT_EQ(Cell(reader, "RAW_PXD"), "(no value)");
}

TEST(LogFileReaderTest, OpeningAnotherFileForgetsTheFirst) {
  TemporaryLogFile level("well1.bin", Build(LodaxDescription()));
  auto sonde = VortaDescription();
  sonde.serialNumber = 815;
  TemporaryLogFile vorta("sonde.bin", Build(sonde));

  LogFileReader reader;
  ASSERT_NE(reader.Open(level.path()), 0);
  ASSERT_EQ(reader.FirstRecord(), 0);
  EXPECT_EQ(Cell(reader, "DEVICE_SERIAL_NO"), "4711");
  EXPECT_EQ(Cell(reader, "ENTITY_IS_LODAX"), "1");

  ASSERT_NE(reader.Open(vorta.path()), 0);
  EXPECT_EQ(reader.FileTitle(), "sonde");
  // No record is current until the first one is made so.
  EXPECT_EQ(Cell(reader, "RAW_PXD"), "(no value)");
  EXPECT_EQ(Cell(reader, "DEVICE_SERIAL_NO"), "815");
  EXPECT_EQ(Cell(reader, "ENTITY_IS_LODAX"), "0");
  ASSERT_EQ(reader.FirstRecord(), 0);
  // The sample's first record: board 2150, temperature 20000, transducer 21000, pressure 30000.
  EXPECT_EQ(Cell(reader, "RAW_PXD"), "30000");
  EXPECT_EQ(reader.NextRecord(0), 1);
  EXPECT_EQ(reader.NextRecord(1), -1);

  reader.Close();
  EXPECT_FALSE(reader.IsOpened());
  EXPECT_EQ(reader.FileTitle(), "");
  EXPECT_EQ(reader.FirstRecord(), -1);
  CDataMap result;
  EXPECT_EQ(reader.GetValue("DEVICE_SERIAL_NO", result), 0);
}

}  // namespace
}  // namespace pelcon
