#include "datalib/data_map.hpp"

#include <gtest/gtest.h>

#include <vector>

#include "datalib/type_codes.hpp"

namespace pelcon {
namespace {

TEST(CDataMap, StartsEmptyWithTheSemicolonSeparator) {
  CDataMap map;
  EXPECT_EQ(map.name(), "");
  EXPECT_EQ(map.separator(), ";");
  EXPECT_EQ(map.Exists("X"), 0);
  EXPECT_EQ(map.GetType("X"), 0);
}

TEST(CDataMap, FetchesOnlyUnderTheStoredType) {
  CDataMap map;
  EXPECT_EQ(map.SetInt("DEPTH", 5), 1);
  double d = 99.0;
  EXPECT_EQ(map.GetDouble("DEPTH", &d), 0);
  EXPECT_EQ(d, 99.0);
  std::int32_t asLong = 42;
  EXPECT_EQ(map.GetTypedValue("DEPTH", kTypeLong, &asLong), 0);
  EXPECT_EQ(asLong, 42);
  std::int32_t i = 0;
  EXPECT_EQ(map.GetInt("DEPTH", &i), 1);
  EXPECT_EQ(i, 5);
  std::string text;
  map.GetText("DEPTH", text);
  EXPECT_EQ(text, "5");
  EXPECT_EQ(map.GetType("DEPTH"), 2);
}

TEST(CDataMap, AStoreReplacesAnEntryOfAnyType) {
  CDataMap map;
  map.SetString("DENSITY", "heavy");
  EXPECT_EQ(map.GetType("DENSITY"), kTypeCString);
  EXPECT_EQ(map.SetDouble("DENSITY", 1.025), 1);
  std::string s = "unchanged";
  EXPECT_EQ(map.GetString("DENSITY", &s), 0);
  EXPECT_EQ(s, "unchanged");
  double d = 0.0;
  EXPECT_EQ(map.GetDouble("DENSITY", &d), 1);
  EXPECT_DOUBLE_EQ(d, 1.025);
  EXPECT_EQ(map.size(), 1u);
}

TEST(CDataMap, KeysAreCaseSensitive) {
  CDataMap map;
  map.SetDouble("ELEVATION", 12.5);
  double d = 0.0;
  EXPECT_EQ(map.GetTypedValue("elevation", kTypeDouble, &d), 0);
  EXPECT_EQ(map.Exists("Elevation"), 0);
  EXPECT_EQ(map.Exists(" ELEVATION"), 0);
  EXPECT_EQ(map.GetTypedValue("ELEVATION", kTypeDouble, &d), 1);
  EXPECT_EQ(d, 12.5);
}

TEST(CDataMap, DoublesUseTheTextForm) {
  CDataMap map;
  map.SetDouble("BIG", 1e20);
  map.SetDouble("TENTH", 0.1);
  std::string text;
  map.GetText("BIG", text);
  EXPECT_EQ(text, "1e+020");
  map.GetText("TENTH", text);
  EXPECT_EQ(text, "0.1");
  double d = 0.0;
  map.GetDouble("BIG", &d);
  EXPECT_EQ(d, 1e20);
  // Fifteen significant digits: a value is rounded on the way through the map.
  map.SetDouble("PI", 3.14159265358979323846);
  map.GetDouble("PI", &d);
  EXPECT_EQ(d, 3.14159265358979);
}

TEST(CDataMap, BoolStoresOneForAnyTrueValue) {
  CDataMap map;
  EXPECT_EQ(map.SetBool("FLAG", 7), 1);
  std::string text;
  map.GetText("FLAG", text);
  EXPECT_EQ(text, "1");
  std::int32_t b = 0;
  EXPECT_EQ(map.GetBool("FLAG", &b), 1);
  EXPECT_EQ(b, 1);
  map.SetBool("FLAG", 2147483647);
  map.GetBool("FLAG", &b);
  EXPECT_EQ(b, 2147483647);
}

TEST(CDataMap, ArrayFetchesAppend) {
  CDataMap map;
  const std::vector<std::int32_t> stored{1, 2, 3};
  EXPECT_EQ(map.SetTypedValue(kTypeIntArray, "LIST", &stored), 1);
  std::string text;
  map.GetText("LIST", text);
  EXPECT_EQ(text, "1;2;3;");
  std::vector<std::int32_t> out;
  EXPECT_EQ(map.GetTypedValue("LIST", kTypeIntArray, &out), 3);
  EXPECT_EQ(map.GetTypedValue("LIST", kTypeIntArray, &out), 3);
  EXPECT_EQ(out, (std::vector<std::int32_t>{1, 2, 3, 1, 2, 3}));
}

TEST(CDataMap, TheSeparatorIsTheMapsOwn) {
  CDataMap map;
  map.set_separator("|");
  const std::vector<double> stored{0.5, 2.0};
  map.SetTypedValue(kTypeDoubleArray, "LIST", &stored);
  std::string text;
  map.GetText("LIST", text);
  EXPECT_EQ(text, "0.5|2|");
}

TEST(CDataMap, ClearForgetsEverything) {
  CDataMap map;
  map.set_name("settings");
  map.SetInt("A", 1);
  map.SetString("B", "b");
  map.Clear();
  EXPECT_EQ(map.name(), "");
  EXPECT_EQ(map.Exists("A"), 0);
  EXPECT_EQ(map.Exists("B"), 0);
  EXPECT_EQ(map.GetType("A"), 0);
  EXPECT_EQ(map.separator(), ";");
}

TEST(CDataMap, CodeZeroStoresTheKeyWithAnEmptyText) {
  CDataMap map;
  map.SetString("K", "old");
  EXPECT_EQ(map.SetTypedValue(0, "K", nullptr), 0);
  EXPECT_EQ(map.Exists("K"), 1);
  std::string text = "x";
  map.GetText("K", text);
  EXPECT_EQ(text, "");
  std::int32_t value = 3;
  EXPECT_EQ(map.GetTypedValue("K", 0, &value), 0);
  EXPECT_EQ(value, 3);
  EXPECT_EQ(map.SetTypedValue(40, "L", nullptr), 0);
  EXPECT_EQ(map.GetType("L"), 40);
}

TEST(CDataMap, GetTextOfAnAbsentKeyLeavesTheText) {
  CDataMap map;
  std::string text = "keep";
  map.GetText("NONE", text);
  EXPECT_EQ(text, "keep");
  EXPECT_EQ(map.FindText("NONE"), nullptr);
}

TEST(CDataMap, DateTimesAndOtherTypes) {
  CDataMap map;
  const DateTimeValue start = MakeDateTimeValue(2009, 3, 15, 14, 30, 0);
  EXPECT_EQ(map.SetDateTime("STARTTIME", start), 1);
  std::string text;
  map.GetText("STARTTIME", text);
  EXPECT_EQ(text, "3/15/2009 2:30:00 PM");
  DateTimeValue back;
  EXPECT_EQ(map.GetDateTime("STARTTIME", &back), 1);
  EXPECT_EQ(back, start);

  const std::uint16_t word = 65535;
  map.SetTypedValue(kTypeWORD, "W", &word);
  std::uint16_t w = 0;
  EXPECT_EQ(map.GetTypedValue("W", kTypeWORD, &w), 1);
  EXPECT_EQ(w, 65535);
  std::int16_t s = 0;
  EXPECT_EQ(map.GetTypedValue("W", kTypeShort, &s), 0);
}

}  // namespace
}  // namespace pelcon
