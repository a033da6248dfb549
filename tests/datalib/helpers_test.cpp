#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "datalib/entity_codes.hpp"
#include "datalib/path_helpers.hpp"
#include "datalib/string_table.hpp"
#include "datalib/text_helpers.hpp"
#include "platform/path_separator.hpp"

namespace pelcon {
namespace {

// Builds a path with the platform's separator from one written with "|".
std::string P(std::string path) {
  for (char& c : path) {
    if (c == '|') c = platform::kPathSeparator;
  }
  return path;
}

TEST(PathHelpers, Directory) {
  EXPECT_EQ(PathDirectory(P("X:|logs|well1.bin")), P("X:|logs|"));
  EXPECT_EQ(PathDirectory("well1.bin"), "");
  EXPECT_EQ(PathDirectory(P("|")), P("|"));
}

TEST(PathHelpers, Extension) {
  EXPECT_EQ(PathExtension("well1.bin"), ".bin");
  EXPECT_EQ(PathExtension("well1.bin.csv"), ".csv");
  EXPECT_EQ(PathExtension("well1"), "");
  EXPECT_EQ(PathExtension(P("X:|logs.d|file")), P(".d|file"));  // callers apply it to names only
}

TEST(PathHelpers, Title) {
  EXPECT_EQ(PathTitle(P("X:|logs|site.a|well1.bin")), "well1");
  EXPECT_EQ(PathTitle(P("X:|logs|site.a|well1")), "well1");
  EXPECT_EQ(PathTitle("Well 3.bin.csv"), "Well 3.bin");
  EXPECT_EQ(PathTitle(""), "");
}

#ifdef _WIN32
TEST(PathHelpers, WindowsAcceptsForwardSlashes) {
  EXPECT_EQ(PathDirectory("C:/logs/well1.bin"), "C:/logs/");
  EXPECT_EQ(PathTitle("C:/logs/site.a/well1.bin"), "well1");
}
#endif

TEST(StripAffixes, RemovesEachOnce) {
  EXPECT_EQ(StripAffixes("USER_RTD_C", "USER_", "_C"), "RTD");
  EXPECT_EQ(StripAffixes("USER_USER_X", "USER_", ""), "USER_X");
  EXPECT_EQ(StripAffixes("user_RTD", "USER_", ""), "user_RTD");  // letter case significant
  EXPECT_EQ(StripAffixes("AB", "ABC", "B"), "A");  // prefix longer than the text: kept
  EXPECT_EQ(StripAffixes("AB", "", "AB"), "");
  EXPECT_EQ(StripAffixes("A", "", "AB"), "A");
}

TEST(CopyToBuffer, CutsToTheBuffer) {
  char buffer[16];
  EXPECT_EQ(CopyToBuffer("0123456789", buffer, 10), 9);
  EXPECT_STREQ(buffer, "012345678");
  EXPECT_EQ(CopyToBuffer("0123456789", buffer, 11), 10);
  EXPECT_STREQ(buffer, "0123456789");
  EXPECT_EQ(CopyToBuffer("abc", buffer, 1), 0);
  EXPECT_STREQ(buffer, "");
  buffer[0] = 'z';
  EXPECT_EQ(CopyToBuffer("abc", buffer, 0), 0);
  EXPECT_EQ(buffer[0], 'z');
}

TEST(FindText, CaseFlagAndStartIndex) {
  const std::vector<std::string> names{"Level", "TEMP", "level"};
  EXPECT_EQ(FindText("LEVEL", names, 0, 0), 0);
  EXPECT_EQ(FindText("LEVEL", names, 1, 0), -1);
  EXPECT_EQ(FindText("level", names, 1, 0), 2);
  EXPECT_EQ(FindText("level", names, 0, 1), 2);
  EXPECT_EQ(FindText("temp", names, 0, 3), -1);
  EXPECT_EQ(FindText("temp", names, 0, 99), -1);
}

TEST(FindNumbers, ExactEqualityFromTheStartIndex) {
  EXPECT_EQ(FindDouble(0.5, {0.25, 0.5, 0.5}, 0), 1);
  EXPECT_EQ(FindDouble(0.5, {0.25, 0.5, 0.5}, 2), 2);
  EXPECT_EQ(FindDouble(0.5, {0.25, 0.5}, 2), -1);
  EXPECT_EQ(FindFloat(0.1f, {0.1f}, 0), 0);
  EXPECT_EQ(FindInt(-3, {1, -3}, 0), 1);
  EXPECT_EQ(FindShort(7, {1, 2}, 0), -1);
  EXPECT_EQ(FindByte(255, {0, 255}, 1), 1);
  const DateTimeValue day{100.0, ValueStatus::kValid};
  const DateTimeValue invalidDay{100.0, ValueStatus::kInvalid};
  EXPECT_EQ(FindDateTime(day, {invalidDay, day}, 0), 1);
  const CurrencyValue cash{5, ValueStatus::kValid};
  EXPECT_EQ(FindCurrency(cash, {CurrencyValue{5, ValueStatus::kNull}}, 0), -1);
}

TEST(EntityCodes, TextIds) {
  EXPECT_EQ(EntityCodeTextId(20), 23001);
  EXPECT_EQ(EntityCodeTextId(28), 23009);
  EXPECT_EQ(EntityCodeTextId(29), 23000);
  EXPECT_EQ(EntityCodeTextId(30), 23010);
  EXPECT_EQ(EntityCodeTextId(40), 23020);
  EXPECT_EQ(EntityCodeTextId(41), 23000);
  EXPECT_EQ(EntityCodeTextId(19), 23000);
  EXPECT_EQ(EntityCodeTextId(-1), 23000);
}

TEST(StringTable, MissingTextsAreEmptyAndIdsAreUnique) {
  EXPECT_EQ(LoadResourceString(23000), "Unknown");
  EXPECT_EQ(LoadResourceString(1), "");
  std::set<int> ids;
  for (const StringResource* row = StringResourcesBegin(); row != StringResourcesEnd(); ++row) {
    EXPECT_TRUE(ids.insert(row->id).second) << "duplicate string resource id " << row->id;
  }
}

}  // namespace
}  // namespace pelcon
