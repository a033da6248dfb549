#include "values/value_function_registry.hpp"

#include <gtest/gtest.h>

#include "datalib/data_map.hpp"
#include "values/derived_formula.hpp"
#include "values/derived_value_compute.hpp"
#include "values/value_result_codes.hpp"

namespace pelcon {
namespace {

const ValueFunctionRegistry& Registry() {
  return ValueFunctionRegistry::Instance();
}

TEST(ValueFunctionRegistryTest, HoldsEveryNameOnceAndCountsTheFiveRepeatedOnes) {
  // 1 zero + 14 root + 111 + 60 row + 40 derived insertions; the optical names "RAW_OPD_DO",
  // "COOKED_OPD_DO", "COOKED_OPD_TEMP", "BASE_OPD_DO" and "BASE_OPD_TEMP" come twice.
  EXPECT_EQ(Registry().InsertionCount(), 226u);
  EXPECT_EQ(Registry().KeyCount(), 221u);
}

TEST(ValueFunctionRegistryTest, SendsEachKindOfNameToItsFunction) {
  EXPECT_EQ(Registry().Find("ZERO"), &FetchZero);
  EXPECT_EQ(Registry().Find("STARTTIME"), &FetchRootValue);
  EXPECT_EQ(Registry().Find("ENTITY_IS_LODAX"), &FetchRootValue);
  EXPECT_EQ(Registry().Find("START_OF_TEST_REF"), &FetchRootValue);
  EXPECT_EQ(Registry().Find("RAW_TPCB"), &FetchRowValue);
  EXPECT_EQ(Registry().Find("USER_OPD2_DO"), &FetchRowValue);
  EXPECT_EQ(Registry().Find("DEGREES_C"), &FetchRowValue);
  EXPECT_EQ(Registry().Find("OPD_MILLIGRAMS"), &FetchRowValue);
  EXPECT_EQ(Registry().Find("TIMESTAMP"), &FetchRowValue);
  EXPECT_EQ(Registry().Find("BASE_OPD_RED_EXCEPTION"), &FetchRowValue);
  EXPECT_EQ(Registry().Find("NH3_MV"), &FetchZero);
  EXPECT_EQ(Registry().Find("NH3_MG_L"), &FetchZero);
}

TEST(ValueFunctionRegistryTest, KeepsTheTrailingBlanksAndTabsOfTheStageNames) {
  EXPECT_NE(Registry().Find("RAW_OPD_TEMP "), nullptr);
  EXPECT_NE(Registry().Find("RAW_OPD_DPHASE "), nullptr);
  EXPECT_NE(Registry().Find("COOKED_OPD_RED_REF\t"), nullptr);
  EXPECT_NE(Registry().Find("BASE_OPD_RED_REF\t"), nullptr);
  // The other spellings are stage names too, except these two.
  EXPECT_NE(Registry().Find("RAW_OPD_TEMP"), nullptr);
  EXPECT_EQ(Registry().Find("RAW_OPD_DPHASE"), nullptr);
  EXPECT_EQ(Registry().Find("BASE_OPD_RED_REF"), nullptr);
  EXPECT_NE(Registry().Find("RAW_OPD_RED_REF"), nullptr);
}

TEST(ValueFunctionRegistryTest, ComparesKeysWithLetterCase) {
  EXPECT_EQ(Registry().Find("zero"), nullptr);
  EXPECT_EQ(Registry().Find("Timestamp"), nullptr);
  EXPECT_EQ(Registry().Find(""), nullptr);
}

TEST(ValueFunctionRegistryTest, RegistersEveryDerivedValue) {
  ASSERT_EQ(DerivedFormulas().size(), 40u);
  std::size_t origins = 0;
  for (const DerivedFormula& formula : DerivedFormulas()) {
    EXPECT_EQ(Registry().Find(formula.name), formula.compute ? FetchDerivedValue : FetchZero)
        << formula.name;
    // A formula reads its origins by position: it must find every row of its value, and no more
    // than it has room for.
    EXPECT_EQ(formula.origins.empty(), formula.compute == nullptr) << formula.name;
    EXPECT_LE(formula.origins.size(), kMostDerivedOrigins) << formula.name;
    for (const DerivedValueRow& row : formula.origins) EXPECT_EQ(row.valueName, formula.name);
    origins += formula.origins.size();
  }
  // The 72 rows of the derived value table, each read by exactly one formula.
  EXPECT_EQ(origins, DerivedValueRows().size());
}

TEST(ValueFunctionRegistryTest, TheZeroFunctionStoresZeroAndFails) {
  CDataMap result;
  ReportResult(kResultSuccess, result);
  EXPECT_EQ(FetchZero("Anything", result), 0);
  double value = -1.0;
  ASSERT_EQ(result.GetDouble("Anything", &value), 1);
  EXPECT_EQ(value, 0.0);
  std::int32_t code = 0;
  result.GetInt(kErrCodeKey, &code);
  EXPECT_EQ(code, kResultFailed);
  std::string text;
  result.GetString(kErrStrKey, &text);
  EXPECT_EQ(text, "Failed");
}

}  // namespace
}  // namespace pelcon
