#include "values/value_result_codes.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "datalib/data_map.hpp"

namespace pelcon {
namespace {

std::int32_t Code(const CDataMap& map) {
  std::int32_t code = -12345;
  EXPECT_EQ(map.GetInt("ErrCode", &code), 1);
  return code;
}

std::string Text(const CDataMap& map) {
  std::string text = "<absent>";
  EXPECT_EQ(map.GetString("ErrStr", &text), 1);
  return text;
}

TEST(ResultTextTest, EveryCodeHasItsMessage) {
  EXPECT_EQ(ResultText(0), "Success");
  EXPECT_EQ(ResultText(1), "Failed");
  EXPECT_EQ(ResultText(2), "Function Err");
  EXPECT_EQ(ResultText(4), "Value Name not found");
  EXPECT_EQ(ResultText(8), "Value not avaliable");
  EXPECT_EQ(ResultText(16), "Root Value not found");
  EXPECT_EQ(ResultText(32), "Root Value not available");
  EXPECT_EQ(ResultText(64), "Row Value not found");
  EXPECT_EQ(ResultText(128), "Row Value not available");
  EXPECT_EQ(ResultText(256), "Applied Value not found");
  EXPECT_EQ(ResultText(512), "Applied Value not available");
  EXPECT_EQ(ResultText(1024), "Derived Value not found");
  EXPECT_EQ(ResultText(2048), "Derived Value not available");
  EXPECT_EQ(ResultText(4096), "Value Name Attribute not found");
}

TEST(ResultTextTest, AnythingElseIsUnknown) {
  for (int code : {3, 320, 8192, -1, 5, 0x40000000}) {
    EXPECT_EQ(ResultText(code), "Unknown error") << code;
  }
}

TEST(ReportResultTest, FirstFailureOnAFreshMapHasNoLeadingLineFeed) {
  CDataMap map;
  ReportResult(16, map);
  EXPECT_EQ(Code(map), 16);
  EXPECT_EQ(Text(map), "Root Value not found");
}

TEST(ReportResultTest, FailureReplacesTheSuccessOfAReset) {
  CDataMap map;
  ReportResult(0, map);
  EXPECT_EQ(Code(map), 0);
  EXPECT_EQ(Text(map), "Success");
  ReportResult(128, map);
  EXPECT_EQ(Code(map), 128);
  EXPECT_EQ(Text(map), "Row Value not available");
}

TEST(ReportResultTest, FurtherFailuresAddLinesAndBits) {
  CDataMap map;
  ReportResult(0, map);
  ReportResult(64, map);
  ReportResult(256, map);
  EXPECT_EQ(Code(map), 320);
  EXPECT_EQ(Text(map), "Row Value not found\nApplied Value not found");
}

TEST(ReportResultTest, ARepeatedCodeRepeatsItsLineOnly) {
  CDataMap map;
  ReportResult(1024, map);
  ReportResult(1024, map);
  EXPECT_EQ(Code(map), 1024);
  EXPECT_EQ(Text(map), "Derived Value not found\nDerived Value not found");
}

TEST(ReportResultTest, ResetAfterFailuresClearsBothKeys) {
  CDataMap map;
  ReportResult(4, map);
  ReportResult(2048, map);
  ReportResult(0, map);
  EXPECT_EQ(Code(map), 0);
  EXPECT_EQ(Text(map), "Success");
}

TEST(ReportResultTest, SeveralBitsAtOnceAreOredWholeWithAnUnknownLine) {
  CDataMap map;
  ReportResult(0, map);
  ReportResult(1, map);
  ReportResult(64 | 256, map);
  EXPECT_EQ(Code(map), 321);
  EXPECT_EQ(Text(map), "Failed\nUnknown error");
}

TEST(ReportResultTest, ACodeStoredAsTextCountsAsAbsent) {
  CDataMap map;
  map.SetString("ErrCode", "512");
  ReportResult(32, map);
  EXPECT_EQ(Code(map), 32);
  EXPECT_EQ(Text(map), "Root Value not available");
}

TEST(ReportResultTest, OtherKeysAreLeftAlone) {
  CDataMap map;
  map.SetDouble("DEPTH_FEET", 12.5);
  ReportResult(2048, map);
  double depth = 0;
  EXPECT_EQ(map.GetDouble("DEPTH_FEET", &depth), 1);
  EXPECT_EQ(depth, 12.5);
}

}  // namespace
}  // namespace pelcon
