#include "values/derived_value_memo.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "datalib/data_map.hpp"
#include "datalib/type_codes.hpp"
#include "tests/values/dictionary_test_files.hpp"
#include "values/derived_value_table.hpp"
#include "values/value_dictionary.hpp"
#include "values/value_result_codes.hpp"

namespace pelcon {
namespace {

using test_support::LoadedLog;
using test_support::LodaxDescription;
using namespace test_support::result_keys;

// A query that counts its runs and writes the run number under the name and under "ORIGIN".
struct CountingQuery {
  int runs = 0;
  int answer = 1;
  int operator()(CDataMap& written) {
    ++runs;
    written.SetInt("X", runs);
    written.SetInt("ORIGIN", runs * 10);
    return answer;
  }
};

TEST(DerivedValueMemoTest, ComputesOncePerRecordAndReplaysWhatTheQueryWrote) {
  DerivedValueMemo memo;
  CountingQuery query;
  CDataMap first;
  first.SetString("UNRELATED", "kept");
  EXPECT_EQ(memo.Resolve("X", first, std::ref(query)), 1);
  CDataMap second;
  query.answer = 0;  // a second run would answer 0
  EXPECT_EQ(memo.Resolve("X", second, std::ref(query)), 1);
  EXPECT_EQ(query.runs, 1);
  for (const CDataMap* result : {&first, &second}) {
    EXPECT_EQ(Int(*result, "X"), 1);
    EXPECT_EQ(Int(*result, "ORIGIN"), 10);
  }
  EXPECT_EQ(first.size(), 3u);
  EXPECT_EQ(*first.FindText("UNRELATED"), "kept");
  EXPECT_EQ(second.size(), 2u);

  memo.Forget();
  EXPECT_EQ(memo.Resolve("X", second, std::ref(query)), 0);
  EXPECT_EQ(query.runs, 2);
  EXPECT_EQ(Int(second, "X"), 2);
}

TEST(DerivedValueMemoTest, ARecomputedQueryLeavesNothingOfItsEarlierRun) {
  DerivedValueMemo memo;
  bool writeValue = true;
  const auto query = [&](CDataMap& written) {
    if (writeValue) written.SetDouble("X", 1.5);
    written.SetInt("ErrCode", writeValue ? 0 : 1);
    return writeValue ? 1 : 0;
  };
  CDataMap result;
  ASSERT_EQ(memo.Resolve("X", result, query), 1);
  memo.Forget();
  writeValue = false;
  CDataMap next;
  EXPECT_EQ(memo.Resolve("X", next, query), 0);
  EXPECT_FALSE(next.Exists("X"));
  EXPECT_EQ(Int(next, "ErrCode"), 1);
}

TEST(DerivedValueMemoTest, NestedQueriesLandInTheOuterResult) {
  DerivedValueMemo memo;
  int innerRuns = 0;
  const auto inner = [&](CDataMap& written) {
    ++innerRuns;
    written.SetDouble("INNER", 2.0);
    return 1;
  };
  const auto outer = [&](CDataMap& written) {
    memo.Resolve("INNER", written, inner);
    written.SetDouble("OUTER", 3.0);
    return 1;
  };
  CDataMap before;
  memo.Resolve("INNER", before, inner);
  CDataMap result;
  memo.Resolve("OUTER", result, outer);
  EXPECT_EQ(innerRuns, 1);
  EXPECT_EQ(Double(result, "INNER"), 2.0);
  EXPECT_EQ(Double(result, "OUTER"), 3.0);

  // A query that asks for itself is computed again rather than replayed half done.
  int depth = 0;
  std::function<int(CDataMap&)> recursive = [&](CDataMap& written) {
    ++depth;
    if (depth == 1) memo.Resolve("SELF", written, recursive);
    written.SetInt("SELF", depth);
    return 1;
  };
  CDataMap self;
  EXPECT_EQ(memo.Resolve("SELF", self, recursive), 1);
  EXPECT_EQ(depth, 2);
  EXPECT_EQ(Int(self, "SELF"), 2);
}

// Every entry of `keys` is in both maps with the same type and text, and nothing else is.
void ExpectSameEntries(const CDataMap& actual, const CDataMap& expected,
                       const std::vector<std::string>& keys) {
  EXPECT_EQ(actual.size(), keys.size());
  EXPECT_EQ(expected.size(), keys.size());
  for (const std::string& key : keys) {
    ASSERT_NE(actual.FindText(key), nullptr) << key;
    ASSERT_NE(expected.FindText(key), nullptr) << key;
    EXPECT_EQ(actual.GetType(key), expected.GetType(key)) << key;
    EXPECT_EQ(*actual.FindText(key), *expected.FindText(key)) << key;
  }
}

class RememberedDerivedValuesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(file_.loaded);
    dictionary_.AttachLogFile(file_.log);
  }

  double DepthFeet(int record) {
    EXPECT_EQ(dictionary_.SelectRow(record), 1);
    CDataMap result;
    EXPECT_EQ(dictionary_.ResolveValue("DEPTH_FEET", result), 1);
    return Double(result, "DEPTH_FEET");
  }

  // Records {2150, 10000}, {2151, 10100}, {2152, 10200}: PSI is the pressure reading.
  LoadedLog file_{LodaxDescription()};
  ValueDictionary dictionary_;
};

TEST_F(RememberedDerivedValuesTest, AQueryLeavesWhatAFreshDictionaryLeaves) {
  // DEPTH_INCHES computes DEPTH_FEET on the way, and that GRAVITY, which are then remembered.
  ASSERT_EQ(dictionary_.SelectRow(1), 1);
  CDataMap warmUp;
  ASSERT_EQ(dictionary_.ResolveValue("DEPTH_INCHES", warmUp), 1);

  CDataMap remembered;
  ASSERT_EQ(dictionary_.ResolveValue("DEPTH_FEET", remembered), 1);

  LoadedLog file(LodaxDescription());
  ASSERT_TRUE(file.loaded);
  ValueDictionary fresh;
  fresh.AttachLogFile(file.log);
  ASSERT_EQ(fresh.SelectRow(1), 1);
  CDataMap computed;
  ASSERT_EQ(fresh.ResolveValue("DEPTH_FEET", computed), 1);
  // The origins in table order, GRAVITY's own origins (its "ZERO" origin holds the default
  // 9.80665, as the zero function fails), the value and the codes.
  ExpectSameEntries(remembered, computed,
                    {"DENSITY", "SPECIFIC_GRAVITY", "GRAVITY", "ZERO", "LATITUDE", "ELEVATION",
                     "PSI", "DEPTH_FEET", "ErrCode", "ErrStr"});
  EXPECT_EQ(Double(remembered, "ZERO"), 9.80665);
  EXPECT_EQ(ErrCode(remembered), kResultSuccess);
  EXPECT_EQ(remembered.GetType("DEPTH_FEET"), kTypeDouble);
}

TEST_F(RememberedDerivedValuesTest, ARecordNeverGetsTheValueOfAnother) {
  const double first = DepthFeet(0);
  ASSERT_GT(first, 0.0);
  // Without a density the depth is the pressure in feet of water over the specific gravity:
  // proportional to the pressure readings 10000, 10100 and 10200.
  EXPECT_NEAR(DepthFeet(1), first * 1.01, 1e-9 * first);
  EXPECT_NEAR(DepthFeet(2), first * 1.02, 1e-9 * first);
  EXPECT_NEAR(DepthFeet(0), first, 1e-9 * first);

  // A failed selection leaves no record: the depth then has no pressure to come from.
  EXPECT_EQ(dictionary_.SelectRow(7), 0);
  CDataMap none;
  dictionary_.ResolveValue("DEPTH_FEET", none);
  EXPECT_NE(ErrCode(none), kResultSuccess);
}

TEST_F(RememberedDerivedValuesTest, AnotherFileNeverGetsTheValueOfTheFormerOne) {
  const double level = DepthFeet(0);
  auto steeper = LodaxDescription();
  for (auto& record : steeper.records) record[1] = static_cast<std::uint16_t>(record[1] * 2);
  LoadedLog other(steeper);
  ASSERT_TRUE(other.loaded);
  dictionary_.AttachLogFile(other.log);
  EXPECT_NEAR(DepthFeet(0), level * 2, 1e-9 * level);
}

TEST(DerivedValueTableFeeds, KnowsTheValuesThatOthersAreComputedFrom) {
  DerivedValueTable table;
  table.RebuildRows();
  // By hand from the rows: the derived values that appear as another value's origin.
  const std::set<std::string> expected{"GRAVITY",        "ELAPSED_DAYS", "CTX_SALINITY",
                                       "BARO_INCHES_HG", "DEPTH_FEET",   "DEPTH_SURFACE_FEET",
                                       "DEPTH_TOC_FEET"};
  std::set<std::string> found;
  for (const DerivedValueRow& row : DerivedValueRows()) {
    if (table.IsOriginOfAnother(row.valueName)) found.emplace(row.valueName);
  }
  EXPECT_EQ(found, expected);
  // Origins that are no derived values, and names spelt otherwise.
  EXPECT_FALSE(table.IsOriginOfAnother("PSI"));
  EXPECT_FALSE(table.IsOriginOfAnother("ZERO"));
  EXPECT_FALSE(table.IsOriginOfAnother("gravity"));
}

}  // namespace
}  // namespace pelcon
