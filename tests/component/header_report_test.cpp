#include "export/header_report.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <utility>
#include <vector>

#include "logfile/log_file.hpp"
#include "logfile/log_loader.hpp"
#include "tests/platform/scoped_environment.hpp"
#include "tests/support/echo_formulas.hpp"
#include "tests/support/log_file_builder.hpp"

// Every expected text below is written out from the report's line patterns and the values the
// builder description puts into the file, not taken from a run of the report.

namespace pelcon {
namespace {

using test_support::Family;
using test_support::LogFileDescription;
using Bytes = std::vector<std::uint8_t>;

// Where a Lodax file puts things: block 100 (9 bytes), block 57 (72), block 35 (46), then the
// test definition.
constexpr std::size_t kLodaxYearOffset = 1;
constexpr std::size_t kLodaxDefinitionOffset = 9 + 72 + 46;
constexpr std::size_t kFilledInOffset = 19;

class HeaderReportTest : public ::testing::Test {
 protected:
  // Loads the bytes and returns the report of the sections for "/data/Well 3.bin.csv".
  std::string Report(const Bytes& bytes, unsigned sections) {
    LoadResult loaded = LogLoader::Load(bytes, log);
    EXPECT_TRUE(loaded) << loaded.detail;
    std::string out;
    WriteHeaderReport(out, sections, log, "/data/Well 3.bin.csv");
    return out;
  }
  std::string Report(const LogFileDescription& description, unsigned sections) {
    return Report(test_support::Build(description), sections);
  }

  testing::ScopedEnvironment now{"PELCON_NOW", "2024-05-06 07:08:09"};
  test_support::EchoFormulas formulas;
  LogFile log{formulas};
};

constexpr unsigned kAllSections =
    kHeaderGeneral | kHeaderDevice | kHeaderTestInfo | kHeaderTestDefinition;

TEST_F(HeaderReportTest, LodaxLinearFileWithEverySection) {
  LogFileDescription lodax = test_support::LodaxDescription();
  lodax.scheduledStart = {2009, 3, 15, 6, 5, 4, 99};  // hundredths are never printed
  lodax.interval = {0, 2, 15, 30, 0};
  EXPECT_EQ(Report(lodax, kAllSections),
            "\"Report generated\",2024/05/06 07:08:09\n"
            "\"Report from file:\",Well 3.bin.csv\n"
            "\n\n"
            "\"Device type:\", Lodax Model 2\n"
            "\"Serial number:\",4711\n"
            "\"Firmware version:\",213\n"
            "\"Unit name:\",WELL 7\n"
            "\n\n"
            "\"Test name:\",PUMP TEST\n"
            "\"Test defined on:\",2009/03/14 09:00:00\n"
            "\"Test scheduled for:\",2009/03/15 06:05:04\n"
            "\"Test started on:\",2009/03/15 14:30:00\n"
            "\"Test stopped on:\",2009/03/16 08:00:00\n"
            "\n\n"
            "\"Test type:\",Linear\n"
            "\"                         \",\"Days\",\"Hours\",\"Mins\",\"Secs\"\n"
            "\"Time between data points:\",\"0\",\"2\",\"15\",\"30\"\n"
            "\"Number of data samples:\",3\n"
            "\n\n");
}

// The outputs that keep labels and values apart take them from the report's cells, never from
// its text: a value with the separator or quotes in it stays one value.
TEST_F(HeaderReportTest, FieldsAreTheLabelsAndValuesOfTheSameLines) {
  LogFileDescription lodax = test_support::LodaxDescription();
  lodax.unitName = "WELL 7, \"EAST\"";
  lodax.interval = {0, 2, 15, 30, 0};
  Report(lodax, 0);
  const std::vector<HeaderField> fields =
      HeaderFieldsOf(MakeHeaderReport(kHeaderDevice | kHeaderTestDefinition, log, "x.csv"));
  const std::vector<std::pair<std::string, std::string>> expected = {
      {"Device type", "Lodax Model 2"},
      {"Serial number", "4711"},
      {"Firmware version", "213"},
      {"Unit name", "WELL 7, \"EAST\""},
      {"Test type", "Linear"},
      {"", "Days, Hours, Mins, Secs"},
      {"Time between data points", "0, 2, 15, 30"},
      {"Number of data samples", "3"}};
  ASSERT_EQ(fields.size(), expected.size());
  for (std::size_t k = 0; k < fields.size(); ++k) {
    EXPECT_EQ(fields[k].label, expected[k].first) << k;
    EXPECT_EQ(fields[k].value, expected[k].second) << k;
  }
}

TEST_F(HeaderReportTest, NoSectionsWritesNothing) {
  EXPECT_EQ(Report(test_support::LodaxDescription(), 0), "");
  // 4 is not a section.
  EXPECT_EQ(Report(test_support::LodaxDescription(), 4), "");
}

TEST_F(HeaderReportTest, GeneralAndTestDefinitionOnly) {
  EXPECT_EQ(Report(test_support::LodaxDescription(), kHeaderGeneral | kHeaderTestDefinition),
            "\"Report generated\",2024/05/06 07:08:09\n"
            "\"Report from file:\",Well 3.bin.csv\n"
            "\n\n"
            "\"Test type:\",Linear\n"
            "\"                         \",\"Days\",\"Hours\",\"Mins\",\"Secs\"\n"
            "\"Time between data points:\",\"0\",\"0\",\"1\",\"0\"\n"
            "\"Number of data samples:\",3\n"
            "\n\n");
}

TEST_F(HeaderReportTest, VortaDatesComeFromBlocks102And103AndYearsPrintWithFourColumns) {
  LogFileDescription vorta = test_support::VortaDescription();
  vorta.definedOn = {812, 1, 2, 3, 4, 5, 0};  // %4d pads a short year with blanks
  vorta.stoppedOn = {2010, 12, 31, 23, 59, 58, 0};
  EXPECT_EQ(Report(vorta, kHeaderTestInfo),
            "\"Test name:\",PUMP TEST\n"
            "\"Test defined on:\", 812/01/02 03:04:05\n"
            "\"Test started on:\",2009/03/15 14:30:00\n"
            "\"Test stopped on:\",2010/12/31 23:59:58\n"
            "\n\n");
}

TEST_F(HeaderReportTest, DatesWithYearZeroAndAMissingTrailerAreLeftOut) {
  LogFileDescription vorta = test_support::VortaDescription();
  vorta.definedOn = {};
  vorta.trailer = false;
  EXPECT_EQ(Report(vorta, kHeaderTestInfo),
            "\"Test name:\",PUMP TEST\n"
            "\"Test started on:\",2009/03/15 14:30:00\n"
            "\n\n");
}

TEST_F(HeaderReportTest, ZeroStartStampStartsTheTestAtTheLoadTime) {
  LogFileDescription lodax = test_support::LodaxDescription();
  lodax.testStart = {};
  lodax.records.clear();
  const std::string report = Report(lodax, kHeaderTestInfo);
  EXPECT_NE(report.find("\"Test started on:\",2024/05/06 07:08:09\n"), std::string::npos) << report;
}

TEST_F(HeaderReportTest, LodaxDefinedYearIsSwappedOnlyWhenItReadsAbove2005LittleEndian) {
  Bytes bytes = test_support::Build(test_support::LodaxDescription());
  // 0x07 0xD7: little-endian 0xD707, above 2005, so read big-endian: 0x07D7 = 2007.
  bytes[kLodaxYearOffset] = 0x07;
  bytes[kLodaxYearOffset + 1] = 0xD7;
  EXPECT_NE(Report(bytes, kHeaderTestInfo).find("\"Test defined on:\",2007/03/14 09:00:00\n"),
            std::string::npos);
  // A second report of the same file gives the same year: the swap does not stick.
  std::string again;
  WriteHeaderReport(again, kHeaderTestInfo, log, "x.csv");
  EXPECT_NE(again.find("\"Test defined on:\",2007/03/14"), std::string::npos) << again;

  // 0xD5 0x07: little-endian 0x07D5 = 2005, used unchanged.
  bytes[kLodaxYearOffset] = 0xD5;
  bytes[kLodaxYearOffset + 1] = 0x07;
  EXPECT_NE(Report(bytes, kHeaderTestInfo).find("\"Test defined on:\",2005/03/14 09:00:00\n"),
            std::string::npos);
}

TEST_F(HeaderReportTest, DefinitionNotFilledInHasNoNameAndNoSchedule) {
  LogFileDescription lodax = test_support::LodaxDescription();
  lodax.scheduledStart = {2009, 3, 15, 6, 0, 0, 0};
  Bytes bytes = test_support::Build(lodax);
  bytes[kLodaxDefinitionOffset + kFilledInOffset] = 0;
  EXPECT_EQ(Report(bytes, kHeaderTestInfo | kHeaderTestDefinition),
            "\"Test name:\",\n"
            "\"Test defined on:\",2009/03/14 09:00:00\n"
            "\"Test started on:\",2009/03/15 14:30:00\n"
            "\"Test stopped on:\",2009/03/16 08:00:00\n"
            "\n\n"
            // The definition still describes the test.
            "\"Test type:\",Linear\n"
            "\"                         \",\"Days\",\"Hours\",\"Mins\",\"Secs\"\n"
            "\"Time between data points:\",\"0\",\"0\",\"1\",\"0\"\n"
            "\"Number of data samples:\",3\n"
            "\n\n");
  EXPECT_EQ(TestNameOf(log), "");
}

// A Vorta file with a second test definition after its first optional block: a linear one named
// FIRST and a linear average one named SECOND (visited last).
Bytes VortaWithTwoDefinitions(std::uint8_t secondFilledIn) {
  LogFileDescription first = test_support::VortaDescription();
  first.testName = "FIRST";
  first.scheduledStart = {2011, 1, 1, 1, 1, 1, 0};
  first.optionalBlocks = {kBlock85, kBlock58, kBlock91};
  first.records.clear();
  LogFileDescription second = first;
  second.testType = kLinearAverageTestBlock;
  second.testName = "SECOND";
  second.scheduledStart = {2012, 2, 2, 2, 2, 2, 0};
  // A definition with two channel codes is followed by its 8-byte start stamp.
  const std::size_t definitionStart =
      BlockSizeOf(kVortaFirstBlock) + BlockSizeOf(kDeviceBlock) + BlockSizeOf(kSiteBlock);
  const Bytes secondBytes = test_support::Build(second);
  const auto secondBegin = secondBytes.begin() + static_cast<std::ptrdiff_t>(definitionStart);
  const Bytes definition(secondBegin,
                         secondBegin + BlockSizeOf(kLinearAverageTestBlock) + sizeof(Stamp));
  Bytes bytes = test_support::Build(first);
  std::size_t afterBlock85 = definitionStart + BlockSizeOf(kLinearTestBlock) + sizeof(Stamp);
  for (int type : {kPressureCalibrationBlock, kFactoryCalibrationBlock, kBlock74, kSensorPortBlock,
                   kBlock85}) {
    afterBlock85 += BlockSizeOf(type);
  }
  bytes.insert(bytes.begin() + static_cast<std::ptrdiff_t>(afterBlock85), definition.begin(),
               definition.end());
  bytes[afterBlock85 + kFilledInOffset] = secondFilledIn;
  return bytes;
}

TEST_F(HeaderReportTest, LastFilledInDefinitionNamesAndSchedulesTheTest) {
  EXPECT_EQ(Report(VortaWithTwoDefinitions(1), kHeaderTestInfo),
            "\"Test name:\",SECOND\n"
            "\"Test defined on:\",2009/03/14 09:00:00\n"
            "\"Test scheduled for:\",2012/02/02 02:02:02\n"
            "\"Test started on:\",2009/03/15 14:30:00\n"
            "\"Test stopped on:\",2009/03/16 08:00:00\n"
            "\n\n");
  EXPECT_EQ(TestNameOf(log), "SECOND");

  const std::string report = Report(VortaWithTwoDefinitions(0), kHeaderTestInfo);
  EXPECT_NE(report.find("\"Test name:\",FIRST\n"), std::string::npos) << report;
  EXPECT_NE(report.find("\"Test scheduled for:\",2011/01/01 01:01:01\n"), std::string::npos);
}

TEST_F(HeaderReportTest, EventDefinitionSplitsTheDefaultStoragePeriod) {
  LogFileDescription event = test_support::LodaxDescription();
  event.testType = kEventTestBlock;
  event.interval = {0, 1, 30, 0, 0};
  event.storageMultiplier = 3;  // 3 x 5400 s = 16200 s = 4 h 30 min
  event.monitoredChannel = 2;
  event.deltaThreshold = 0.125f;  // %5.2f: " 0.12" (0.125 is exact and rounds to even)
  event.eventSeconds = {0, 60, 120};
  EXPECT_EQ(Report(event, kHeaderTestDefinition),
            "\"Test type:\",Event\n"
            "\"                         \",\"Days\",\"Hours\",\"Mins\",\"Secs\"\n"
            "\"Time between data points:\",\"0\",\"1\",\"30\",\"0\"\n"
            "\"Time between default storages:\",\"0\",\"4\",\"30\",\"0\"\n"
            "\"Monitoring data on channel\",[2]\n"
            "\"Data stored if delta value exceeds:\", 0.12\n"
            "\"Number of data samples:\",3\n"
            "\n\n");
}

TEST_F(HeaderReportTest, DefaultStoragePeriodWrapsAsUnsigned32Bits) {
  LogFileDescription event = test_support::LodaxDescription();
  event.testType = kEventTestBlock;
  event.interval = {255, 255, 255, 255, 0};
  event.storageMultiplier = 255;
  event.deltaThreshold = -123.456f;
  event.records.clear();
  // (((255 x 24 + 255) x 60 + 255) x 60 + 255) x 255 = 5856216525, minus 2^32 = 1561249229 s
  // = 18070 days (1561248000 s) + 1229 s = 0 h 20 min 29 s.
  const std::string report = Report(event, kHeaderTestDefinition);
  EXPECT_NE(report.find("\"Time between default storages:\",\"18070\",\"0\",\"20\",\"29\"\n"),
            std::string::npos)
      << report;
  EXPECT_NE(report.find("\"Data stored if delta value exceeds:\",-123.46\n"), std::string::npos);
  EXPECT_NE(report.find("\"Number of data samples:\",0\n"), std::string::npos);
}

TEST_F(HeaderReportTest, ValuesFromTheFileAreQuotedWhenTheyHoldTheSeparatorOrAQuote) {
  LogFileDescription lodax = test_support::LodaxDescription();
  lodax.unitName = "WELL 7, EAST";
  lodax.testName = "SAY \"HI\"";
  Report(lodax, 0);
  std::string out;
  WriteHeaderReport(out, kHeaderDevice | kHeaderTestInfo, log, "/data/a,b.bin.csv");
  EXPECT_NE(out.find("\"Unit name:\",\"WELL 7, EAST\"\n"), std::string::npos) << out;
  EXPECT_NE(out.find("\"Test name:\",\"SAY \"\"HI\"\"\"\n"), std::string::npos) << out;
  out.clear();
  WriteHeaderReport(out, kHeaderGeneral, log, "/data/a,b.bin.csv");
  EXPECT_NE(out.find("\"Report from file:\",\"a,b.bin.csv\"\n"), std::string::npos) << out;
  // The cell texts of the two site columns are the plain names.
  EXPECT_EQ(UnitNameOf(log), "WELL 7, EAST");
  EXPECT_EQ(TestNameOf(log), "SAY \"HI\"");
}

TEST_F(HeaderReportTest, TheCsvNameIsWrittenInTheReportsOwnCodePage) {
#ifdef _WIN32
  GTEST_SKIP() << "Linux only: Windows file names come in the ANSI code page";
#endif
  Report(test_support::LodaxDescription(), 0);
  std::string out;
  // A UTF-8 name: u-umlaut is 0xFC in Windows-1252, omega has no byte.
  WriteHeaderReport(out, kHeaderGeneral, log, "/data/M\xC3\xBCller \xCE\xA9.bin.csv");
  EXPECT_NE(out.find("\"Report from file:\",M\xFCller ?.bin.csv\n"), std::string::npos) << out;
}

TEST_F(HeaderReportTest, NamesFillingTheirWholeFieldHaveNoTerminator) {
  LogFileDescription lodax = test_support::LodaxDescription();
  lodax.testName = "ABCDEFGHIJKLMNOPQRS";  // cut to the 17 bytes of the field
  Bytes bytes = test_support::Build(lodax);
  // The builder keeps the unit name's last byte zero; fill it as a device could.
  const std::size_t unitName = 9 + 27;
  for (std::size_t k = 0; k < 17; ++k) bytes[unitName + k] = static_cast<std::uint8_t>('a' + k);
  Report(bytes, 0);
  EXPECT_EQ(TestNameOf(log), "ABCDEFGHIJKLMNOPQ");
  EXPECT_EQ(UnitNameOf(log), "abcdefghijklmnopq");
}

TEST(HeaderReportTexts, TestTypes) {
  EXPECT_EQ(TestTypeText(1), "Linear");
  EXPECT_EQ(TestTypeText(2), "Logarithmic");
  EXPECT_EQ(TestTypeText(3), "Event");
  EXPECT_EQ(TestTypeText(4), "Linear Average");
  EXPECT_EQ(TestTypeText(0), "");
  EXPECT_EQ(TestTypeText(5), "");
}

TEST(CsvField, QuotesOnlyFieldsThatWouldBreakTheLine) {
  auto field = [](std::string_view text, std::string_view separator) {
    std::string out = "<";
    AppendCsvField(out, text, separator);
    return out;
  };
  EXPECT_EQ(field("12.345", ","), "<12.345");
  EXPECT_EQ(field("", ","), "<");
  EXPECT_EQ(field("a,b", ","), "<\"a,b\"");
  EXPECT_EQ(field("a,b", ";"), "<a,b");
  EXPECT_EQ(field("a;b", ";"), "<\"a;b\"");
  EXPECT_EQ(field("a\tb", "\t"), "<\"a\tb\"");
  EXPECT_EQ(field("2\" pipe", ","), "<\"2\"\" pipe\"");
  EXPECT_EQ(field("line\r", ","), "<\"line\r\"");
  EXPECT_EQ(field("two\nlines", ","), "<\"two\nlines\"");
  // A separator of several characters counts only as a whole.
  EXPECT_EQ(field("a:b", "::"), "<a:b");
  EXPECT_EQ(field("a::b", "::"), "<\"a::b\"");
}

}  // namespace
}  // namespace pelcon
