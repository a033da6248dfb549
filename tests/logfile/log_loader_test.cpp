#include "logfile/log_loader.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "logfile/record_clock.hpp"
#include "tests/platform/scoped_environment.hpp"
#include "tests/support/echo_formulas.hpp"
#include "tests/support/log_file_builder.hpp"

namespace pelcon {
namespace {

using test_support::Build;
using test_support::LodaxDescription;
using test_support::LogFileDescription;
using test_support::VortaDescription;

// Julian dates worked out by hand: 1 Jan 2009 0:00 is 2451544.5 + 9 * 365 + 3 = 2454832.5;
// 15 March is 31 + 28 + 14 days later; 14:30 is 14.5 / 24 of a day.
constexpr double kDefaultStart = 2454832.5 + 73 + 14.5 / 24;
// 1 June 2010 12:00: 1 Jan 2010 is 2455197.5, plus 151 days, plus half a day.
constexpr double kFixedNow = 2455349.0;
constexpr double kSecond = 1.0 / 86400;
constexpr double kTimeTolerance = 1e-7;  // about 10 ms

class ScopedNow {
 public:
  explicit ScopedNow(const char* now) : environment_("PELCON_NOW", now) {}

 private:
  testing::ScopedEnvironment environment_;
};

std::uint16_t Raw(const LogFile& log, std::size_t row, std::string_view name) {
  std::uint16_t value = 0;
  log.Row(row).GetRaw(name, value);
  return value;
}

double TimeOf(const LogFile& log, std::size_t row) {
  double time = 0.0;
  log.Row(row).GetTimestamp(time);
  return time;
}

class LogLoaderTest : public ::testing::Test {
 protected:
  LoadResult Load(const LogFileDescription& description) {
    return LogLoader::Load(Build(description), log);
  }
  LoadResult Load(const std::vector<std::uint8_t>& bytes) { return LogLoader::Load(bytes, log); }

  test_support::EchoFormulas formulas;
  LogFile log{formulas};
};

TEST_F(LogLoaderTest, LodaxFileWithThreeRecordsOfTwoValues) {
  ASSERT_TRUE(Load(LodaxDescription()));
  EXPECT_EQ(log.Family().Name(), "Lodax");
  EXPECT_EQ(log.TestType(), kLinearTestBlock);
  EXPECT_EQ(std::vector<std::uint8_t>(log.ChannelCodeList().begin(), log.ChannelCodeList().end()),
            (std::vector<std::uint8_t>{100, 2}));
  EXPECT_EQ(log.RecordSize(), 4);
  ASSERT_EQ(log.RowCount(), 3u);
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(Raw(log, i, "RAW_TPCB"), 2150 + i);
    EXPECT_EQ(Raw(log, i, "RAW_PXD"), 10000 + 100 * i);
    EXPECT_NEAR(TimeOf(log, i), kDefaultStart + i * 60 * kSecond, kTimeTolerance);
  }
  EXPECT_NEAR(log.StartTime(), kDefaultStart, kTimeTolerance);
}

TEST_F(LogLoaderTest, HeaderBlocksAreInHostOrder) {
  ASSERT_TRUE(Load(LodaxDescription()));
  const LogBlocks& blocks = log.Blocks();
  EXPECT_EQ(log.DeviceCode(), 21);
  EXPECT_EQ(log.SerialNumber(), 4711);
  EXPECT_EQ(+blocks.block57.firmwareVersion, 213);
  EXPECT_STREQ(blocks.block57.unitName, "WELL 7");
  EXPECT_STREQ(blocks.linearTest.head.name, "PUMP TEST");
  EXPECT_EQ(+blocks.linearTest.channelCount, 2);
  EXPECT_EQ(+blocks.block35.latitude, 45);
  EXPECT_EQ(+blocks.block35.elevation, 100.0f);
  EXPECT_EQ(+blocks.block35.specificGravity, 1.0f);
  EXPECT_EQ(+blocks.block31.pressure[4], 0.001f);
  EXPECT_EQ(+blocks.block31.temperature[1], 0.01f);
  EXPECT_EQ(+blocks.testStart.year, 2009);
  EXPECT_EQ(+blocks.testStart.minute, 30);
  // Block 100 has no layout: its stamp keeps the file's byte order (2009 = 0x07D9).
  EXPECT_EQ(log.Block(kLodaxFirstBlock)[1], 0x07);
  EXPECT_EQ(log.Block(kLodaxFirstBlock)[2], 0xD9);
  EXPECT_EQ(+blocks.block101.marker, 0x8001);
  EXPECT_EQ(+blocks.block101.stoppedOn.day, 16);
  EXPECT_EQ(std::vector<std::uint8_t>(log.BlockTypesRead().begin(), log.BlockTypesRead().end()),
            (std::vector<std::uint8_t>{100, 57, 35, 1, 30, 31, 32}));
}

TEST_F(LogLoaderTest, BarometricLoggerStoresTheSecondValueAsBarometricPressure) {
  LogFileDescription d = LodaxDescription();
  d.deviceCode = 28;
  ASSERT_TRUE(Load(d));
  ASSERT_EQ(log.RowCount(), 3u);
  EXPECT_EQ(log.ChannelCodeList()[1], 3);
  EXPECT_EQ(Raw(log, 1, "RAW_BARO"), 10100);
  std::uint16_t pressure = 1;
  EXPECT_EQ(log.Row(1).GetRaw("RAW_PXD", pressure), 0);
  EXPECT_EQ(pressure, 0);
}

TEST_F(LogLoaderTest, LodaxIgnoresTheChannelCodesOfItsTestDefinition) {
  LogFileDescription d = LodaxDescription();
  d.channelCodes = {45, 4, 16};
  ASSERT_TRUE(Load(d));
  EXPECT_EQ(log.ChannelCodeList().size(), 2u);
  EXPECT_EQ(Raw(log, 2, "RAW_PXD"), 10200);
}

TEST_F(LogLoaderTest, VortaWithEightBlocksGetsTheDefaultsOfTheOptionalBlocks) {
  ASSERT_TRUE(Load(VortaDescription()));
  EXPECT_EQ(log.Family().Name(), "Vorta");
  EXPECT_EQ(log.BlockTypesRead().size(), 8u);
  EXPECT_FALSE(log.IsTurbidityBlockShort());
  for (int type : {85, 86, 83, 58, 89, 91, 92, 93}) {
    EXPECT_TRUE(log.HasBlock(type)) << type;
    EXPECT_EQ(log.Block(type)[0], type);
  }
  // Bytes in host (little-endian) order; floats by their IEEE-754 bits.
  const auto b85 = log.Block(85);
  EXPECT_EQ(b85[1], 0xFA);  // 250
  EXPECT_EQ(b85[2], 0x00);
  EXPECT_EQ(b85[3], 0xF4);  // 500 = 0x01F4
  EXPECT_EQ(b85[4], 0x01);
  EXPECT_EQ(+log.Blocks().block85.settings[7], 30);

  const auto b86 = log.Block(86);
  EXPECT_EQ(b86[1], 9);
  EXPECT_EQ(b86[2], 'T');
  EXPECT_EQ(b86[3], 'B');
  EXPECT_EQ(b86[4], 0);
  EXPECT_EQ(b86[8], 1);
  EXPECT_EQ(b86[10], 0xCF);  // 1999 = 0x07CF
  EXPECT_EQ(b86[11], 0x07);
  EXPECT_EQ(b86[12], 9);
  EXPECT_EQ(b86[17], 9);
  for (int record : {18, 127}) {
    EXPECT_EQ(b86[record], 82);
    EXPECT_EQ(b86[record + 1], 22);
    EXPECT_EQ(b86[record + 10], 45);
    EXPECT_EQ(b86[record + 11], 1);
    EXPECT_EQ(b86[record + 12], 45);    // first group's byte
    EXPECT_EQ(b86[record + 23], 0xC8);  // its third float (21 to 24), 25.0 = 0x41C80000
    EXPECT_EQ(b86[record + 24], 0x41);
    EXPECT_EQ(b86[record + 77 + 3], 0x3F);  // first pair's slope, 1.0 = 0x3F800000
  }
  EXPECT_EQ(+log.Blocks().block86.low.pairs[3].slope, 1.0f);
  EXPECT_EQ(+log.Blocks().block86.low.groups[4].f3, 25.0f);
  EXPECT_EQ(+log.Blocks().block86.highTemperature[0], 0.0f);

  const auto b83 = log.Block(83);
  EXPECT_EQ(b83[1], 75);
  EXPECT_EQ(b83[2], 22);
  EXPECT_EQ(+log.Blocks().block83.user.groups[5].f3, 25.0f);
  EXPECT_EQ(+log.Blocks().block83.user.pairs[2].slope, 1.0f);

  const auto b58 = log.Block(58);
  EXPECT_EQ(b58[1], 0x39);  // 12345 = 0x3039
  EXPECT_EQ(b58[2], 0x30);
  EXPECT_EQ(b58[11], 0x97);  // 65431 = 0xFF97
  EXPECT_EQ(b58[12], 0xFF);
  EXPECT_EQ(b58[22], 0x45);  // 2200.0 = 0x45098000
  EXPECT_EQ(b58[26], 0x41);  // 14.0 = 0x41600000
  EXPECT_EQ(b58[25], 0x60);
  EXPECT_EQ(b58[27], 0);
  EXPECT_EQ(+log.Blocks().block58.float7, 19.0f);

  const auto b89 = log.Block(89);
  EXPECT_EQ(b89[5], 0xCF);
  EXPECT_EQ(b89[6], 0x07);
  EXPECT_EQ(b89[12], 9);
  EXPECT_EQ(b89[167], 1);
  EXPECT_EQ(b89[168], 0);
  for (int type : {91, 92, 93}) {
    const auto block = log.Block(type);
    EXPECT_TRUE(std::all_of(block.begin() + 1, block.end(), [](std::uint8_t b) { return b == 0; }));
  }
}

TEST_F(LogLoaderTest, OptionalBlocksReadFromTheFileAreNotReplaced) {
  LogFileDescription d = VortaDescription();
  d.optionalBlocks = {85, 86, 58};
  d.block85.settings[0] = 777;
  d.block58.fixedBarometerSwitch = 1;
  d.block58.fixedBarometer = 13.5f;
  ASSERT_TRUE(Load(d));
  EXPECT_EQ(+log.Blocks().block85.settings[0], 777);
  EXPECT_EQ(+log.Blocks().block58.fixedBarometerSwitch, 1);
  EXPECT_EQ(+log.Blocks().block58.fixedBarometer, 13.5f);
  EXPECT_EQ(+log.Blocks().block83.user.tag, 75);  // absent, so defaulted
}

TEST_F(LogLoaderTest, VortaHeaderBlockCounts) {
  const std::vector<int> optional{85, 86, 83, 58, 89, 91, 92, 93};
  for (std::size_t extra = 0; extra <= optional.size(); ++extra) {
    LogFileDescription d = VortaDescription();
    d.optionalBlocks.assign(optional.begin(), optional.begin() + static_cast<long>(extra));
    const std::size_t count = 8 + extra;
    const bool allowed = count == 8 || count == 11 || count == 12 || count == 13 || count == 16;
    const LoadResult result = Load(d);
    EXPECT_EQ(static_cast<bool>(result), allowed) << count << " blocks: " << result.detail;
    if (allowed) {
      EXPECT_EQ(log.BlockTypesRead().size(), count);
      EXPECT_EQ(log.RowCount(), 2u);
    } else {
      EXPECT_EQ(result.error, LoadError::kBlockCount);
      EXPECT_EQ(log.RowCount(), 0u);
    }
  }
}

// The header ends at the first type byte that is not acceptable, so a first data byte that names
// a block can extend the header. Instruments avoid it; the rule is kept as they apply it.
TEST_F(LogLoaderTest, FirstDataByteNamingAnOptionalBlockExtendsTheHeader) {
  LogFileDescription d = VortaDescription();
  d.records = {{0x3A00, 1, 2, 3}, {0x3A00, 1, 2, 3}, {0x3A00, 1, 2, 3}, {0x3A00, 1, 2, 3}};
  // Eight blocks read: 58 is itself optional, so it is taken as a ninth block.
  const LoadResult nine = Load(d);
  EXPECT_EQ(nine.error, LoadError::kBlockCount);
  EXPECT_EQ(nine.detail, "9 header blocks; a Vorta file has 8, 11, 12, 13 or 16");

  // Eleven blocks read: 58 becomes the twelfth, its 28 bytes taken from the records.
  d.optionalBlocks = {85, 86, 83};
  ASSERT_TRUE(Load(d));
  EXPECT_EQ(log.BlockTypesRead().size(), 12u);
  EXPECT_EQ(log.BlockTypesRead().back(), 58);
  EXPECT_EQ(log.RowCount(), 0u);  // 32 bytes of records less 28 leave half a record
}

TEST_F(LogLoaderTest, FirstDataByteNamingABlockAlreadyReadEndsTheHeader) {
  LogFileDescription d = VortaDescription();
  d.optionalBlocks = {85, 86, 83};
  d.records = {{0x4800, 1, 2, 3}};  // 72, block 72 was read
  ASSERT_TRUE(Load(d));
  EXPECT_EQ(log.BlockTypesRead().size(), 11u);
  ASSERT_EQ(log.RowCount(), 1u);
  EXPECT_EQ(Raw(log, 0, "RAW_TPCB"), 0x4800);
}

TEST_F(LogLoaderTest, ShortBlock86EndsSixteenBytesEarlier) {
  LogFileDescription d = VortaDescription();
  d.optionalBlocks = {85, 86, 83};
  d.shortBlock86 = true;
  d.block83.user.tag = 75;
  d.block83.user.parameterType = 22;
  d.block83.user.stamp = {2009, 1, 2, 3, 4, 5, 6};
  ASSERT_TRUE(Load(d)) << Load(d).detail;
  EXPECT_EQ(log.BlockTypesRead().size(), 11u);
  EXPECT_TRUE(log.IsTurbidityBlockShort());
  EXPECT_EQ(+log.Blocks().block83.user.tag, 75);
  EXPECT_EQ(+log.Blocks().block83.user.stamp.year, 2009);
  // The last 16 bytes of block 86 hold the first 16 of block 83, reversed as floats:
  // 83, 75, 22, 0x07 (the high byte of 2009) becomes 0x07, 22, 75, 83.
  const auto b86 = log.Block(86);
  EXPECT_EQ(b86[236], 0x07);
  EXPECT_EQ(b86[237], 22);
  EXPECT_EQ(b86[238], 75);
  EXPECT_EQ(b86[239], 83);
  ASSERT_EQ(log.RowCount(), 2u);
  EXPECT_EQ(Raw(log, 1, "RAW_PXD"), 30100);
}

TEST_F(LogLoaderTest, ChannelCountZeroStillReadsTwoCodes) {
  LogFileDescription d = VortaDescription();
  d.channelCount = 0;
  ASSERT_TRUE(Load(d));
  EXPECT_EQ(std::vector<std::uint8_t>(log.ChannelCodeList().begin(), log.ChannelCodeList().end()),
            (std::vector<std::uint8_t>{100, 1, 101, 2}));
  ASSERT_EQ(log.RowCount(), 2u);
  EXPECT_EQ(Raw(log, 0, "RAW_RTD"), 20000);
  EXPECT_EQ(Raw(log, 0, "RAW_TPXD"), 21000);
  EXPECT_EQ(Raw(log, 1, "RAW_PXD"), 30100);
}

TEST_F(LogLoaderTest, TurbidityAndConductivityExpandInAnEventRecord) {
  LogFileDescription d = VortaDescription();
  d.testType = kEventTestBlock;
  d.channelCodes = {4, 45};
  d.records = {{100, 2, 3, 4, 5, 6}, {101, 12, 13, 14, 15, 16}};
  d.eventSeconds = {0, 60};
  ASSERT_TRUE(Load(d));
  EXPECT_EQ(std::vector<std::uint8_t>(log.ChannelCodeList().begin(), log.ChannelCodeList().end()),
            (std::vector<std::uint8_t>{100, 151, 150, 146, 147, 148}));
  EXPECT_EQ(log.RecordSize(), 4 + 2 * 6);
  ASSERT_EQ(log.RowCount(), 2u);
  EXPECT_EQ(Raw(log, 1, "RAW_TPCB"), 101);
  EXPECT_EQ(Raw(log, 1, "RAW_TURBHI"), 12);
  EXPECT_EQ(Raw(log, 1, "RAW_TURBLO"), 13);
  EXPECT_EQ(Raw(log, 1, "RAW_CONDLO"), 14);
  EXPECT_EQ(Raw(log, 1, "RAW_CONDME"), 15);
  EXPECT_EQ(Raw(log, 1, "RAW_CONDHI"), 16);
  EXPECT_NEAR(TimeOf(log, 1), kDefaultStart + 60 * kSecond, kTimeTolerance);
}

TEST_F(LogLoaderTest, OpticalAndPressureCodesExpand) {
  LogFileDescription d = VortaDescription();
  d.channelCodes = {16, 37, 2};
  d.records = {{1, 2, 3, 4, 5, 6, 7, 8}};
  ASSERT_TRUE(Load(d));
  EXPECT_EQ(std::vector<std::uint8_t>(log.ChannelCodeList().begin(), log.ChannelCodeList().end()),
            (std::vector<std::uint8_t>{100, 160, 161, 162, 163, 170, 101, 2}));
  ASSERT_EQ(log.RowCount(), 1u);
  // Codes 160 and 170 share the name "RAW_OPD_DO": the later reading (170) is what it holds.
  EXPECT_EQ(Raw(log, 0, "RAW_OPD_DO"), 6);
  EXPECT_EQ(Raw(log, 0, "RAW_OPD_BAMP"), 5);
  EXPECT_EQ(Raw(log, 0, "RAW_PXD"), 8);
}

TEST_F(LogLoaderTest, TooManyChannelsOrValuesDoNotOpen) {
  LogFileDescription d = VortaDescription();
  d.channelCodes.assign(43, 5);
  LoadResult result = Load(d);
  EXPECT_EQ(result.error, LoadError::kChannelCount);
  EXPECT_EQ(result.detail, "test definition has 43 channels; at most 42");

  d.channelCodes.assign(42, 5);  // 42 channels, 43 values with the board temperature
  d.records = {};
  result = Load(d);
  EXPECT_EQ(result.error, LoadError::kTooManyValues);
  EXPECT_EQ(result.detail, "channel codes expand to 43 values; at most 40");

  d.channelCodes.assign(20, 4);  // 1 + 2 * 20 = 41 values
  EXPECT_EQ(Load(d).error, LoadError::kTooManyValues);

  d.channelCodes.assign(39, 5);  // exactly 40 values
  d.records = {std::vector<std::uint16_t>(40, 7)};
  ASSERT_TRUE(Load(d));
  EXPECT_EQ(log.RecordSize(), 80);
  EXPECT_EQ(log.RowCount(), 1u);
  EXPECT_EQ(Raw(log, 0, "RAW_BATT_V"), 7);
}

TEST_F(LogLoaderTest, CodeWithoutRawNameLeavesTheFileWithoutRows) {
  LogFileDescription d = VortaDescription();
  d.channelCodes = {6, 1};
  d.records = {{1, 2, 3}, {4, 5, 6}};
  ASSERT_TRUE(Load(d));
  EXPECT_EQ(log.RowCount(), 0u);
  EXPECT_FALSE(log.HasStartOfTestReference());
  EXPECT_NEAR(log.StartTime(), kDefaultStart, kTimeTolerance);
}

TEST_F(LogLoaderTest, LogarithmicCrossoverAtSixtySeconds) {
  LogFileDescription d = LodaxDescription();
  d.testType = kLogarithmicTestBlock;
  d.interval = {0, 0, 1, 0, 0};
  d.records.assign(113, {2150, 10000});
  ASSERT_TRUE(Load(d));
  ASSERT_EQ(log.RowCount(), 113u);
  EXPECT_NEAR(TimeOf(log, 0), kDefaultStart, kTimeTolerance);
  EXPECT_NEAR(TimeOf(log, 20), kDefaultStart + 6 * kSecond, kTimeTolerance);  // 20 steps of 0.3 s
  EXPECT_NEAR(TimeOf(log, 110), kDefaultStart + 0.01230764, kTimeTolerance);
  EXPECT_NEAR(TimeOf(log, 111), kDefaultStart + 0.01230764 + 60 * kSecond, kTimeTolerance);
  EXPECT_NEAR(TimeOf(log, 112), kDefaultStart + 0.01230764 + 120 * kSecond, kTimeTolerance);
}

TEST_F(LogLoaderTest, LinearAverageSpacesRecordsByItsOwnInterval) {
  LogFileDescription d = LodaxDescription();
  d.testType = kLinearAverageTestBlock;
  d.interval = {0, 1, 0, 30, 50};  // 1 h 0 min 30.5 s
  ASSERT_TRUE(Load(d));
  EXPECT_EQ(log.TestType(), kLinearAverageTestBlock);
  EXPECT_EQ(+log.Blocks().linearAverageTest.measurementCount, 12);
  EXPECT_NEAR(TimeOf(log, 2), kDefaultStart + 2 * 3630.5 * kSecond, kTimeTolerance);
}

TEST_F(LogLoaderTest, EventRecordsWithoutSecondsTakeTheStartOrNow) {
  ScopedNow now("2010-06-01 12:00:00");
  LogFileDescription d = LodaxDescription();
  d.testType = kEventTestBlock;
  d.eventSeconds = {0, 0, 3600};
  ASSERT_TRUE(Load(d));
  ASSERT_EQ(log.RowCount(), 3u);
  EXPECT_EQ(log.RecordSize(), 8);
  EXPECT_NEAR(TimeOf(log, 0), kDefaultStart, kTimeTolerance);
  EXPECT_NEAR(TimeOf(log, 1), kFixedNow, kTimeTolerance);
  EXPECT_NEAR(TimeOf(log, 2), kDefaultStart + 1.0 / 24, kTimeTolerance);
}

TEST_F(LogLoaderTest, ZeroStartStampTakesNowAndIsOverwritten) {
  ScopedNow now("2010-06-01 12:00:00");
  LogFileDescription d = LodaxDescription();
  d.testStart = {};
  ASSERT_TRUE(Load(d));
  EXPECT_NEAR(log.StartTime(), kFixedNow, kTimeTolerance);
  EXPECT_NEAR(TimeOf(log, 1), kFixedNow + 60 * kSecond, kTimeTolerance);
  const Stamp& stamp = log.Blocks().testStart;
  EXPECT_EQ(+stamp.year, 2010);
  EXPECT_EQ(+stamp.month, 6);
  EXPECT_EQ(+stamp.day, 1);
  EXPECT_EQ(+stamp.hour, 12);
  EXPECT_EQ(+stamp.minute, 0);
}

TEST_F(LogLoaderTest, FileWithoutRecordsStillHasItsStartTime) {
  LogFileDescription d = VortaDescription();
  d.records = {};
  ASSERT_TRUE(Load(d));
  EXPECT_EQ(log.RowCount(), 0u);
  EXPECT_NEAR(log.StartTime(), kDefaultStart, kTimeTolerance);

  ScopedNow now("2010-06-01 12:00:00");
  d.testStart = {};
  d.trailer = false;
  ASSERT_TRUE(Load(d));
  EXPECT_NEAR(log.StartTime(), kFixedNow, kTimeTolerance);
}

TEST_F(LogLoaderTest, TrailerWithABadMarkerIsReadAsData) {
  LogFileDescription d = LodaxDescription();
  d.trailerMarker = 0x1234;
  const std::vector<std::uint8_t> bytes = Build(d);
  ASSERT_TRUE(Load(bytes));
  EXPECT_EQ(log.DataEnd(), bytes.size());
  EXPECT_EQ(+log.Blocks().block101.marker, 0);
  EXPECT_EQ(+log.Blocks().block101.type, 0);
  // 12 bytes of records and the 17 trailer bytes make 7 records of 4 bytes and one spare byte.
  ASSERT_EQ(log.RowCount(), 7u);
  EXPECT_EQ(Raw(log, 3, "RAW_TPCB"), 0x1234);
  EXPECT_EQ(Raw(log, 3, "RAW_PXD"), 0);
  EXPECT_EQ(Raw(log, 4, "RAW_TPCB"), 2009);  // the stop stamp's year
  EXPECT_EQ(log.LoadProblems(),
            (std::vector<std::string>{"trailer with an unknown marker read as data",
                                      "partial record ignored (1 of 4 bytes)"}));
}

// A download cut inside the trailer: the trailer's first bytes follow the last whole record.
TEST_F(LogLoaderTest, FileCutInsideItsTrailerKeepsItsRecords) {
  for (LogFileDescription d : {LodaxDescription(), VortaDescription()}) {
    const std::vector<std::uint8_t> bytes = Build(d);
    const bool lodax = d.deviceCode < 30;
    const std::size_t trailerSize = lodax ? 17 : 25;
    const std::size_t dataEnd = bytes.size() - trailerSize;
    auto stoppedOn = [&] {
      return lodax ? log.Blocks().block101.stoppedOn : log.Blocks().block103.stoppedOn;
    };
    for (std::size_t kept = 2; kept < trailerSize; ++kept) {
      SCOPED_TRACE(kept);
      ASSERT_TRUE(Load(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + dataEnd + kept)));
      EXPECT_EQ(log.DataEnd(), dataEnd);
      EXPECT_EQ(log.RowCount(), d.records.size());
      EXPECT_EQ(log.LoadProblems(), std::vector<std::string>{"log file ends inside its trailer"});
      // The stop stamp (offsets 4 to 11) counts once it is whole: the builder's 2009-03-16 08:00.
      const Stamp stamp = stoppedOn();
      EXPECT_EQ(+stamp.year, kept >= 12 ? 2009 : 0);
      EXPECT_EQ(+stamp.hour, kept >= 12 ? 8 : 0);
    }
  }
}

TEST_F(LogLoaderTest, BothTrailerMarkersAreAccepted) {
  LogFileDescription d = VortaDescription();
  d.trailerMarker = 0x8003;
  const std::vector<std::uint8_t> bytes = Build(d);
  ASSERT_TRUE(Load(bytes));
  EXPECT_EQ(log.DataEnd(), bytes.size() - 25);
  EXPECT_EQ(+log.Blocks().block103.marker, 0x8003);
  EXPECT_EQ(+log.Blocks().block103.stoppedOn.hour, 8);
  EXPECT_EQ(log.RowCount(), 2u);
}

TEST_F(LogLoaderTest, PartialRecordBeforeAValidTrailerIsIgnored) {
  LogFileDescription d = LodaxDescription();
  d.records.push_back({4242});  // half a record
  const std::vector<std::uint8_t> bytes = Build(d);
  ASSERT_TRUE(Load(bytes));
  EXPECT_EQ(log.DataEnd(), bytes.size() - 17);
  EXPECT_EQ(log.DataEnd() - log.DataStart(), 14u);
  ASSERT_EQ(log.RowCount(), 3u);
  EXPECT_EQ(Raw(log, 2, "RAW_PXD"), 10200);
  EXPECT_EQ(+log.Blocks().block101.marker, 0x8001);
  EXPECT_EQ(log.LoadProblems(), std::vector<std::string>{"partial record ignored (2 of 4 bytes)"});
}

TEST_F(LogLoaderTest, WrongFirstBlockDoesNotOpen) {
  std::vector<std::uint8_t> bytes = Build(LodaxDescription());
  bytes[0] = 57;
  const LoadResult result = Load(bytes);
  EXPECT_EQ(result.error, LoadError::kFirstBlock);
  EXPECT_EQ(result.detail, "first block type 57 is neither 100 nor 102");
  EXPECT_EQ(Load(std::vector<std::uint8_t>{}).error, LoadError::kFirstBlock);
}

TEST_F(LogLoaderTest, LodaxFileWithSixBlocksDoesNotOpen) {
  LogFileDescription d = LodaxDescription();
  d.records = {};
  d.trailer = false;
  std::vector<std::uint8_t> bytes = Build(d);
  bytes.resize(bytes.size() - 19);  // without block 32
  const LoadResult result = Load(bytes);
  EXPECT_EQ(result.error, LoadError::kBlockCount);
  EXPECT_EQ(result.detail, "6 header blocks; a Lodax file has 7");
}

TEST_F(LogLoaderTest, DeviceOutsideBothFamiliesDoesNotOpen) {
  LogFileDescription d = LodaxDescription();
  d.deviceCode = 29;
  LoadResult result = Load(d);
  EXPECT_EQ(result.error, LoadError::kInvalid);
  EXPECT_EQ(result.detail, "device code 29 belongs to no family");
  EXPECT_EQ(log.RowCount(), 0u);
  EXPECT_FALSE(log.IsHeaderComplete());
}

TEST_F(LogLoaderTest, FamilyWithoutItsBlocksDoesNotOpen) {
  LogFileDescription d = VortaDescription();
  d.deviceCode = 21;  // a Lodax device in a Vorta layout
  LoadResult result = Load(d);
  EXPECT_EQ(result.error, LoadError::kInvalid);
  EXPECT_EQ(result.detail, "block 100 is missing");

  d = LodaxDescription();
  d.deviceCode = 33;
  result = Load(d);
  EXPECT_EQ(result.error, LoadError::kInvalid);
  EXPECT_EQ(result.detail, "block 73 is missing");
}

TEST_F(LogLoaderTest, SecondLoadForgetsTheFirstFile) {
  LogFileDescription d = VortaDescription();
  d.channelCodes = {45};
  d.records = {{1, 2, 3, 4}};
  ASSERT_TRUE(Load(d));
  const StageNameTable& raw = log.StageTable(ValueStage::kRaw);
  EXPECT_EQ(raw.PresenceOf(raw.SlotOfName("RAW_CONDLO")), 1);
  ASSERT_TRUE(Load(LodaxDescription()));
  EXPECT_EQ(raw.PresenceOf(raw.SlotOfName("RAW_CONDLO")), 0);
  EXPECT_EQ(+log.Blocks().block72.pressureReference, 0.0f);
  EXPECT_EQ(+log.Blocks().block85.type, 0);
  EXPECT_EQ(log.RowCount(), 3u);
}

TEST_F(LogLoaderTest, StartOfTestReferenceIsTheFirstPressureLessTheFactoryReference) {
  ASSERT_TRUE(Load(VortaDescription()));
  ASSERT_TRUE(log.HasStartOfTestReference());
  // The stand-in formulas give the raw pressure reading of row 0 as BASE_PXD.
  EXPECT_DOUBLE_EQ(log.StartOfTestReference(), 30000.0 - static_cast<double>(14.7f));

  LogFileDescription d = LodaxDescription();
  d.deviceCode = 28;  // no pressure channel
  ASSERT_TRUE(Load(d));
  EXPECT_FALSE(log.HasStartOfTestReference());
}

TEST_F(LogLoaderTest, FetchRowComputesTheStagesOfTheCurrentRowOnly) {
  ASSERT_TRUE(Load(VortaDescription()));
  EXPECT_FALSE(log.Row(1).IsComputed());
  const DataRow* row = log.FetchRow(1);
  ASSERT_NE(row, nullptr);
  EXPECT_TRUE(row->IsComputed());
  double value = 0.0;
  EXPECT_EQ(row->GetCooked("COOKED_PXD", value), 1);
  EXPECT_EQ(value, 30100.0);
  EXPECT_EQ(row->GetBase("BASE_PXD", value), 1);
  EXPECT_EQ(value, 30100.0);
  EXPECT_EQ(row->GetUser("USER_RTD", value), 1);
  EXPECT_EQ(value, 20010.0);
  EXPECT_EQ(row->GetBase("BASE_TIMESTAMP", value), 1);
  EXPECT_NEAR(value, kDefaultStart + 60 * kSecond, kTimeTolerance);
  EXPECT_EQ(row->GetBase("BASE_BARO", value), 0);
  EXPECT_EQ(log.FetchRow(1), nullptr);  // a row is never current twice
  EXPECT_EQ(log.FetchRow(2), nullptr);
  log.ReleaseRow(1);
  EXPECT_FALSE(log.Row(1).IsComputed());
  EXPECT_EQ(log.Row(1).GetBase("BASE_PXD", value), 1);
  EXPECT_EQ(value, 0.0);
  ASSERT_NE(log.FetchRow(0), nullptr);
  EXPECT_EQ(log.Row(0).GetBase("BASE_PXD", value), 1);
  EXPECT_EQ(value, 30000.0);
}

class FailingFormulas final : public StageFormulas {
 public:
  std::optional<double> Cooked(const LogFile&, const DataRow&, int) const override { return 1.5; }
  std::optional<double> Base(const LogFile&, const DataRow&, int) const override {
    return std::nullopt;
  }
  std::optional<double> User(const LogFile&, const DataRow&, int) const override {
    return std::nullopt;
  }
};

TEST(LogFileStages, ValueThatCannotBeComputedIsNoReading) {
  FailingFormulas formulas;
  LogFile log(formulas);
  ASSERT_TRUE(LogLoader::Load(Build(LodaxDescription()), log));
  EXPECT_FALSE(log.HasStartOfTestReference());
  const DataRow* row = log.FetchRow(0);
  ASSERT_NE(row, nullptr);
  double value = 0.0;
  EXPECT_EQ(row->GetCooked("COOKED_PXD", value), 1);
  EXPECT_EQ(value, 1.5);
  EXPECT_EQ(row->GetBase("BASE_PXD", value), 1);
  EXPECT_TRUE(std::isnan(value));
  EXPECT_EQ(row->GetUser("USER_TIMESTAMP", value), 1);
  EXPECT_NEAR(value, kDefaultStart, kTimeTolerance);
}

TEST_F(LogLoaderTest, LoadFileReadsFromDisk) {
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() / "pelcon_log_loader_test.bin";
  ASSERT_TRUE(test_support::WriteFile(path.string(), Build(LodaxDescription())));
  EXPECT_TRUE(LogLoader::LoadFile(path.string(), log));
  EXPECT_EQ(log.RowCount(), 3u);
  std::filesystem::remove(path);
  const LoadResult missing = LogLoader::LoadFile(path.string(), log);
  EXPECT_EQ(missing.error, LoadError::kUnreadable);
  EXPECT_EQ(log.RowCount(), 0u);
}

TEST_F(LogLoaderTest, EveryTruncationFailsCleanlyOrLoadsFewerRows) {
  LogFileDescription d = VortaDescription();
  d.optionalBlocks = {85, 86, 83};
  const std::vector<std::uint8_t> full = Build(d);
  ASSERT_TRUE(Load(full));
  const std::size_t dataStart = log.DataStart();
  const std::size_t dataEnd = log.DataEnd();
  for (std::size_t length = 0; length < full.size(); ++length) {
    const std::vector<std::uint8_t> prefix(full.begin(), full.begin() + static_cast<long>(length));
    const LoadResult result = Load(prefix);
    if (length < dataStart) {
      // Cut inside the last header block, the block's missing bytes read as zero.
      if (result) {
        EXPECT_EQ(log.RowCount(), 0u) << length;
      }
    } else {
      ASSERT_TRUE(result) << length << ": " << result.detail;
      // A cut trailer adds no records.
      EXPECT_EQ(log.RowCount(), (std::min(length, dataEnd) - dataStart) / log.RecordSize())
          << length;
    }
  }
}

TEST_F(LogLoaderTest, RandomAndCorruptedBytesNeverCrash) {
  std::mt19937 random(20091215);
  std::uniform_int_distribution<int> byte(0, 255);
  for (int round = 0; round < 300; ++round) {
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(byte(random)) * 12);
    for (std::uint8_t& b : bytes) b = static_cast<std::uint8_t>(byte(random));
    if (!bytes.empty()) bytes[0] = round % 2 ? 100 : 102;
    Load(bytes);
  }
  const std::vector<std::uint8_t> good = Build(VortaDescription());
  for (std::size_t at = 0; at < good.size(); at += 7) {
    std::vector<std::uint8_t> bytes = good;
    bytes[at] ^= 0xFF;
    if (Load(bytes)) {
      EXPECT_LE(log.RowCount(), 40u);
    }
  }
}

TEST(RecordClock, LogarithmicCrossoverIsClampedToTheSchedule) {
  EXPECT_EQ(LogarithmicCrossover(60 * kSecond), 111);  // 40 log10(60) + 39.9653 = 111.09
  EXPECT_EQ(LogarithmicCrossover(1 * kSecond), 39);    // 39.9653
  EXPECT_EQ(LogarithmicCrossover(0.0), 1);
  EXPECT_EQ(LogarithmicCrossover(-1.0), 1);
  EXPECT_EQ(LogarithmicCrossover(0.01 * kSecond), 1);  // 40 * -2 + 39.97 < 1
  EXPECT_EQ(LogarithmicCrossover(1.0), 218);           // a day: 237
}

TEST(RecordClock, ScheduleEndsAndSteps) {
  EXPECT_EQ(kLogSchedule.front(), 0.0);
  EXPECT_EQ(kLogSchedule[1], 3.47e-06);      // 0.3 s
  EXPECT_EQ(kLogSchedule[60], 0.00068264);   // about 59 s
  EXPECT_EQ(kLogSchedule[100], 0.00690949);  // about 10 minutes: 40 entries per decade
  EXPECT_EQ(kLogSchedule[217], 5.842922);
  for (std::size_t i = 1; i < kLogScheduleSize; ++i) {
    EXPECT_LT(kLogSchedule[i - 1], kLogSchedule[i]) << i;
  }
}

TEST(RecordClock, LogarithmicRowsPastTheCrossoverAtTheTableEnd) {
  LogBlocks blocks{};
  blocks.logarithmicTest.maxInterval = {1, 0, 0, 0, 0};  // one day: k clamped to 218
  RecordClock clock(blocks, kLogarithmicTestBlock, 100.0);
  EXPECT_DOUBLE_EQ(clock.TimeOf(217, 0), 100.0 + 5.842922);
  EXPECT_DOUBLE_EQ(clock.TimeOf(218, 0), 100.0 + 5.842922 + 1.0);
  blocks.logarithmicTest.maxInterval = {};  // zero: k clamped to 1
  RecordClock zero(blocks, kLogarithmicTestBlock, 100.0);
  EXPECT_DOUBLE_EQ(zero.TimeOf(0, 0), 100.0);
  EXPECT_DOUBLE_EQ(zero.TimeOf(5, 0), 100.0);
}

TEST(RecordClock, StampToJulianCountsHundredths) {
  // 1 Jan 2000 0:00 is 2451544.5; 50 hundredths are half a second.
  EXPECT_NEAR(StampToJulian({2000, 1, 1, 0, 0, 0, 50}), 2451544.5 + 0.5 * kSecond, 1e-9);
}

}  // namespace
}  // namespace pelcon
