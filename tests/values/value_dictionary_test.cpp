#include "values/value_dictionary.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "datalib/data_map.hpp"
#include "tests/values/dictionary_test_files.hpp"
#include "values/value_result_codes.hpp"

namespace pelcon {
namespace {

using test_support::LoadedLog;
using test_support::LodaxDescription;
using test_support::VortaWith;
using namespace test_support::result_keys;

// 15 March 2009, 14:30:00: 2009-01-01 is 3288 days after 2000-01-01 (Julian 2451544.5 at
// midnight), 15 March 73 days later, and 14:30 is 0.6041666... of a day.
constexpr double kTestStart = 2451544.5 + 3288 + 73 + 14.5 / 24;
constexpr double kOneMinute = 1.0 / 1440;

TEST(ValueDictionaryTest, AnswersNothingBeforeAttach) {
  ValueDictionary dictionary;
  CDataMap result;
  EXPECT_EQ(dictionary.ResolveValue("ZERO", result), 0);
  EXPECT_EQ(ErrCode(result), kResultFailed);
  EXPECT_EQ(ErrStr(result), "Failed");
  EXPECT_FALSE(result.Exists("ZERO"));

  CDataMap attribute;
  EXPECT_EQ(dictionary.ResolveAttribute("RAW_PXD", "AttribFormat", attribute), 0);
  EXPECT_EQ(ErrCode(attribute), kResultFailed);
  EXPECT_EQ(dictionary.SelectRow(0), 0);
}

class LodaxDictionaryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(file_.loaded);
    dictionary_.AttachLogFile(file_.log);
  }

  // The Lodax sample: records {board 2150, pressure 10000}, {2151, 10100}, {2152, 10200}; every
  // stage value is the reading it comes from.
  LoadedLog file_{LodaxDescription()};
  ValueDictionary dictionary_;
  CDataMap result_;
};

TEST_F(LodaxDictionaryTest, RowValuesNeedASelectedRow) {
  EXPECT_EQ(dictionary_.ResolveValue("RAW_PXD", result_), 0);
  EXPECT_EQ(ErrCode(result_), kResultRowNotAvailable);
  EXPECT_EQ(ErrStr(result_), "Row Value not available");

  ASSERT_EQ(dictionary_.SelectRow(0), 1);
  EXPECT_EQ(dictionary_.ResolveValue("RAW_PXD", result_), 1);
  EXPECT_EQ(Int(result_, "RAW_PXD"), 10000);
  EXPECT_EQ(ErrCode(result_), kResultSuccess);
  EXPECT_EQ(ErrStr(result_), "Success");
  // The record's computed stages are handed back at once.
  EXPECT_FALSE(file_.log.Row(0).IsComputed());
}

TEST_F(LodaxDictionaryTest, FindsFunctionsWhateverTheCaseButRowValuesOnlyByTheirOwnName) {
  ASSERT_EQ(dictionary_.SelectRow(0), 1);
  EXPECT_EQ(dictionary_.ResolveValue("user_rtd", result_), 0);
  EXPECT_EQ(ErrCode(result_), kResultRowNotFound | kResultAppliedNotFound);
  EXPECT_EQ(ErrCode(result_), 320);
  EXPECT_EQ(ErrStr(result_), "Row Value not found\nApplied Value not found");
  EXPECT_FALSE(result_.Exists("user_rtd"));

  // A Lodax file's temperature is its board reading (code 100 gives BASE and USER code 1).
  EXPECT_EQ(dictionary_.ResolveValue("USER_RTD", result_), 1);
  EXPECT_EQ(Double(result_, "USER_RTD"), 2150.0);
  EXPECT_EQ(ErrCode(result_), kResultSuccess);
}

TEST_F(LodaxDictionaryTest, AppliedNamesGiveTheValueTheyAreBoundTo) {
  ASSERT_EQ(dictionary_.SelectRow(1), 1);
  EXPECT_EQ(dictionary_.ResolveValue("DEGREES_C", result_), 1);
  EXPECT_EQ(result_.GetType("DEGREES_C"), 3);
  EXPECT_EQ(Double(result_, "DEGREES_C"), 2151.0);
  EXPECT_FALSE(result_.Exists("BASE_RTD"));
  EXPECT_EQ(dictionary_.ResolveValue("PSI", result_), 1);
  EXPECT_EQ(Double(result_, "PSI"), 10100.0);

  // No barometer in a level logger: the name is bound to nothing.
  EXPECT_EQ(dictionary_.ResolveValue("BARO_PSI", result_), 0);
  EXPECT_EQ(ErrCode(result_), kResultRowNotFound | kResultAppliedNotFound);
  // The stage value exists by name but the file lacks it.
  EXPECT_EQ(dictionary_.ResolveValue("BASE_BARO", result_), 0);
  EXPECT_EQ(ErrCode(result_), kResultRowNotAvailable);
}

TEST_F(LodaxDictionaryTest, UnknownNamesAndTheZeroFunction) {
  EXPECT_EQ(dictionary_.ResolveValue("NO_SUCH_VALUE", result_), 0);
  EXPECT_EQ(ErrCode(result_), kResultNameNotFound);
  EXPECT_EQ(ErrStr(result_), "Value Name not found");

  for (const char* name : {"ZERO", "NH3_MV", "NH3_MG_L"}) {
    CDataMap result;
    EXPECT_EQ(dictionary_.ResolveValue(name, result), 0) << name;
    EXPECT_EQ(Double(result, name), 0.0) << name;
    EXPECT_EQ(ErrCode(result), kResultFailed) << name;
    EXPECT_EQ(ErrStr(result), "Failed") << name;
  }
}

TEST_F(LodaxDictionaryTest, SelectsTheLastRecordForMinusOneAndNothingPastTheEnd) {
  ASSERT_EQ(dictionary_.SelectRow(-1), 1);
  EXPECT_TRUE(dictionary_.IsRowSelected());
  ASSERT_EQ(dictionary_.ResolveValue("RAW_PXD", result_), 1);
  EXPECT_EQ(Int(result_, "RAW_PXD"), 10200);
  ASSERT_EQ(dictionary_.ResolveValue("TIMESTAMP", result_), 1);
  EXPECT_NEAR(Double(result_, "TIMESTAMP"), kTestStart + 2 * kOneMinute, 1e-8);

  EXPECT_EQ(dictionary_.SelectRow(3), 0);
  EXPECT_FALSE(dictionary_.IsRowSelected());
  EXPECT_EQ(dictionary_.ResolveValue("RAW_PXD", result_), 0);
  EXPECT_EQ(ErrCode(result_), kResultRowNotAvailable);
  EXPECT_EQ(dictionary_.SelectRow(-2), 0);
}

TEST_F(LodaxDictionaryTest, RootValuesComeFromTheHeader) {
  // The builder's defaults; root values keep the type they are stored with.
  const std::pair<const char*, std::int32_t> integers[] = {{"DEVICE_SERIAL_NO", 4711},
                                                           {"ENTITY_IS_LODAX", 1},
                                                           {"ENTITY_IS_VORTA", 0},
                                                           {"WHENTOREAD_REF", 0},
                                                           {"DISPLAY_MODE", 0}};
  for (const auto& [name, value] : integers) {
    EXPECT_EQ(dictionary_.ResolveValue(name, result_), 1) << name;
    EXPECT_EQ(Int(result_, name), value) << name;
  }
  // The start-of-test reference of a Lodax file: the first record's BASE pressure less the
  // factory reference, which a Lodax file lacks.
  const std::pair<const char*, double> doubles[] = {{"LATITUDE", 45.0},
                                                    {"ELEVATION", 100.0},
                                                    {"SPECIFIC_GRAVITY", 1.0},
                                                    {"STARTTIME", kTestStart},
                                                    {"START_OF_TEST_REF", 10000.0}};
  for (const auto& [name, value] : doubles) {
    EXPECT_EQ(dictionary_.ResolveValue(name, result_), 1) << name;
    EXPECT_NEAR(Double(result_, name), value, 1e-8) << name;
  }
  std::string entity;
  EXPECT_EQ(dictionary_.ResolveValue("ENTITY_CODE_STR", result_), 1);
  EXPECT_EQ(result_.GetString("ENTITY_CODE_STR", &entity), 1);
  // Root values need no record.
  EXPECT_FALSE(dictionary_.IsRowSelected());

  // A name the root tables do not hold at all.
  EXPECT_EQ(dictionary_.FetchRootValue("NOT_A_ROOT", result_), 0);
  EXPECT_EQ(ErrCode(result_), kResultRootNotFound);
}

TEST(ValueDictionaryTest, RootValuesOutsideTheirRangeAreNotAvailable) {
  auto description = LodaxDescription();
  description.site.latitude = 91;
  description.site.elevation = 10000.5f;
  description.site.specificGravity = 0.0f;
  description.site.displayMode = 4;
  LoadedLog file(description);
  ASSERT_TRUE(file.loaded);
  ValueDictionary dictionary;
  dictionary.AttachLogFile(file.log);
  for (const char* name : {"LATITUDE", "ELEVATION", "SPECIFIC_GRAVITY", "DISPLAY_MODE"}) {
    CDataMap result;
    EXPECT_EQ(dictionary.ResolveValue(name, result), 0) << name;
    EXPECT_EQ(ErrCode(result), kResultRootNotAvailable) << name;
    EXPECT_EQ(ErrStr(result), "Root Value not available") << name;
    EXPECT_FALSE(result.Exists(name)) << name;
  }
  // Density and the references count whatever they hold.
  CDataMap result;
  EXPECT_EQ(dictionary.ResolveValue("DENSITY", result), 1);
}

TEST(ValueDictionaryTest, BindsTheFirstOfTwoTemperatureEntries) {
  // Port 1 carries a second temperature sensor: BASE_RTD (slot 1) and BASE_ISEA1 (slot 5) are
  // both temperatures.
  auto description = VortaWith({1, 11}, {{2150, 2000, 3000}});
  description.sensorPorts[0].first.parameterType = 2;
  LoadedLog file(description);
  ASSERT_TRUE(file.loaded);
  ValueDictionary dictionary;
  dictionary.AttachLogFile(file.log);

  std::string alias;
  EXPECT_EQ(dictionary.AppliedValues().FindAlias("DEGREES_C", alias), 1);
  EXPECT_EQ(alias, "BASE_RTD");
  std::int32_t flag = 0;
  EXPECT_EQ(dictionary.AppliedValues().Validity().GetBool("DEGREES_C", &flag), 1);
  EXPECT_EQ(flag, 1);
  // Code 11 is port 1.
  EXPECT_EQ(dictionary.AppliedValues().Validity().GetBool("DEGREES_C(P1)", &flag), 1);
  EXPECT_EQ(flag, 1);

  ASSERT_EQ(dictionary.SelectRow(0), 1);
  CDataMap result;
  ASSERT_EQ(dictionary.ResolveValue("DEGREES_C", result), 1);
  EXPECT_EQ(Double(result, "DEGREES_C"), 2000.0);
}

TEST(ValueDictionaryTest, ANewAttachForgetsTheFormerFile) {
  LoadedLog level(LodaxDescription());
  auto barometer = LodaxDescription();
  barometer.deviceCode = 28;  // code list 100, 3
  LoadedLog baro(barometer);
  ASSERT_TRUE(level.loaded && baro.loaded);

  ValueDictionary dictionary;
  dictionary.AttachLogFile(level.log);
  ASSERT_EQ(dictionary.SelectRow(0), 1);
  CDataMap result;
  EXPECT_EQ(dictionary.ResolveValue("PSI", result), 1);

  dictionary.AttachLogFile(baro.log);
  EXPECT_FALSE(dictionary.IsRowSelected());
  ASSERT_EQ(dictionary.SelectRow(0), 1);
  CDataMap after;
  EXPECT_EQ(dictionary.ResolveValue("PSI", after), 0);
  EXPECT_EQ(ErrCode(after), kResultRowNotFound | kResultAppliedNotFound);
  EXPECT_EQ(dictionary.ResolveValue("BARO_PSI", after), 1);
  EXPECT_EQ(Double(after, "BARO_PSI"), 10000.0);

  dictionary.DetachLogFile();
  CDataMap detached;
  EXPECT_EQ(dictionary.ResolveValue("BARO_PSI", detached), 0);
  EXPECT_EQ(ErrCode(detached), kResultFailed);
  EXPECT_EQ(dictionary.SelectRow(0), 0);
}

// Whether each origin of a derived value is there for the attached file, in table order.
std::vector<bool> Origins(const ValueDictionary& dictionary, std::string_view value) {
  std::vector<bool> present;
  for (const auto& origin : *dictionary.DerivedValues().OriginsOf(value)) {
    present.push_back(origin.colValid);
  }
  return present;
}

TEST(ValueDictionaryTest, DecidesDerivedAvailabilityOncePerAttachedFile) {
  LoadedLog level(LodaxDescription());
  auto barometer = LodaxDescription();
  barometer.deviceCode = 28;
  barometer.site.latitude = 91;
  LoadedLog baro(barometer);
  ASSERT_TRUE(level.loaded && baro.loaded);

  ValueDictionary dictionary;
  dictionary.AttachLogFile(level.log);
  EXPECT_TRUE(dictionary.DerivedValues().Prepared());
  EXPECT_EQ(Origins(dictionary, "KPASCALS"), std::vector<bool>{true});
  EXPECT_EQ(Origins(dictionary, "BARO_BARS"), std::vector<bool>{false});
  EXPECT_EQ(Origins(dictionary, "GRAVITY"), (std::vector<bool>{true, true, true}));
  // Selecting records changes nothing of it.
  ASSERT_EQ(dictionary.SelectRow(2), 1);
  EXPECT_EQ(Origins(dictionary, "KPASCALS"), std::vector<bool>{true});

  dictionary.AttachLogFile(baro.log);
  EXPECT_EQ(Origins(dictionary, "KPASCALS"), std::vector<bool>{false});
  EXPECT_EQ(Origins(dictionary, "BARO_BARS"), std::vector<bool>{true});
  EXPECT_EQ(Origins(dictionary, "GRAVITY"), (std::vector<bool>{true, false, true}));
}

TEST(ValueDictionaryTest, TheLastDictionaryUsedIsTheCurrentOne) {
  LoadedLog file(LodaxDescription());
  ASSERT_TRUE(file.loaded);
  ValueDictionary first;
  ValueDictionary second;
  first.AttachLogFile(file.log);
  ASSERT_EQ(first.SelectRow(0), 1);
  EXPECT_EQ(CurrentValueDictionary(), &first);

  // A value function reaches the dictionary that asked; the second one has nothing attached.
  CDataMap result;
  EXPECT_EQ(FetchRowValue("RAW_PXD", result), 1);
  EXPECT_EQ(second.ResolveValue("RAW_PXD", result), 0);
  EXPECT_EQ(CurrentValueDictionary(), &second);
  EXPECT_EQ(FetchRowValue("RAW_PXD", result), 0);
}

TEST(ValueDictionaryTest, AStageValueThatCannotBeComputedIsNoNumber) {
  test_support::ChosenFormulas formulas;
  formulas.base[2] = std::nullopt;
  LoadedLog file(LodaxDescription(), formulas);
  ASSERT_TRUE(file.loaded);
  ValueDictionary dictionary;
  dictionary.AttachLogFile(file.log);
  ASSERT_EQ(dictionary.SelectRow(0), 1);
  CDataMap result;
  ASSERT_EQ(dictionary.ResolveValue("BASE_PXD", result), 1);
  EXPECT_TRUE(std::isnan(Double(result, "BASE_PXD")));
  EXPECT_EQ(dictionary.ResolveAttribute("BASE_PXD", "AttribValueStr", result), 1);
  std::string cell = "not set";
  result.GetString("AttribValueStr", &cell);
  EXPECT_EQ(cell, "");
}

}  // namespace
}  // namespace pelcon
