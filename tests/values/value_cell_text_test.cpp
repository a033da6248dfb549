// The cell text of a value: GetValue's result formatted by "AttribValueStr", as the conversion
// asks for every cell.

#include <gtest/gtest.h>

#include "tests/values/dictionary_test_files.hpp"
#include "values/value_dictionary.hpp"
#include "values/value_result_codes.hpp"

namespace pelcon {
namespace {

using test_support::ChosenFormulas;
using test_support::LoadedLog;
using test_support::LodaxDescription;
using test_support::VortaWith;

class CellTextTest : public ::testing::Test {
 protected:
  void Attach(const test_support::LogFileDescription& description,
              const ChosenFormulas& formulas = ChosenFormulas()) {
    file_ = std::make_unique<LoadedLog>(description, formulas);
    ASSERT_TRUE(file_->loaded);
    dictionary_.AttachLogFile(file_->log);
    ASSERT_EQ(dictionary_.SelectRow(0), 1);
  }

  // What a CSV cell shows for the value, or "(no value)" when the value query fails.
  std::string Cell(std::string_view name) {
    CDataMap result;
    if (dictionary_.ResolveValue(name, result) == 0) return "(no value)";
    EXPECT_EQ(dictionary_.ResolveAttribute(name, "AttribValueStr", result), 1);
    std::string text;
    EXPECT_EQ(result.GetString("AttribValueStr", &text), 1);
    return text;
  }

  std::unique_ptr<LoadedLog> file_;
  ValueDictionary dictionary_;
};

TEST_F(CellTextTest, PrintsEachValueWithItsFormat) {
  auto description = LodaxDescription();
  description.records = {{2150, 12345}};
  ChosenFormulas formulas;
  formulas.base[2] = 14.6959;
  Attach(description, formulas);
  EXPECT_EQ(Cell("RAW_PXD"), "12345");
  EXPECT_EQ(Cell("BASE_PXD"), "14.696");    // "%.3f"
  EXPECT_EQ(Cell("DEGREES_C"), "2150.00");  // "%.2f", the BASE_RTD value
  EXPECT_EQ(Cell("TIMESTAMP"), "03/15/09 14:30:00");
  EXPECT_EQ(Cell("STARTTIME"), "03/15/09 14:30:00");
  EXPECT_EQ(Cell("DEVICE_SERIAL_NO"), "4711");  // "%d"
  EXPECT_EQ(Cell("LATITUDE"), "45.000");        // "%2.3f"
  EXPECT_EQ(Cell("ENTITY_IS_LODAX"), "1");
  EXPECT_EQ(Cell("BASE_BARO"), "(no value)");
}

TEST_F(CellTextTest, PrintsSignificantDigitsWhereTheRowAsksForThem) {
  // Battery voltage (code 5): USER_BATT_V has four significant digits.
  ChosenFormulas formulas;
  formulas.user[5] = 12.3456;
  formulas.base[5] = 12.3456;
  Attach(VortaWith({1, 5}, {{2150, 2000, 1234}}), formulas);
  EXPECT_EQ(Cell("USER_BATT_V"), "12.35");
  EXPECT_EQ(Cell("BATT_V_USER"), "12.35");  // "%.3f" but four digits
  EXPECT_EQ(Cell("BASE_BATT_V"), "12.35");  // "%.2f"
}

TEST_F(CellTextTest, AValueWithoutFormatTakesTheFormatOfItsGenericName) {
  // A pH sensor on port 1: BASE_ISEA1 (format " ") is bound by PH_MV ("%.0f"), USER_ISEA1 by PH
  // ("%.2f").
  auto description = VortaWith({1, 11}, {{2150, 2000, 700}});
  description.sensorPorts[0].first.parameterType = 4;
  ChosenFormulas formulas;
  formulas.base[11] = 123.456;
  formulas.user[11] = 7.2;
  Attach(description, formulas);
  EXPECT_EQ(Cell("BASE_ISEA1"), "123");
  EXPECT_EQ(Cell("PH_MV"), "123");
  EXPECT_EQ(Cell("USER_ISEA1"), "7.20");

  // A value of that kind that nothing is bound to passes as stored.
  CDataMap result;
  result.SetDouble("BASE_GISE1", 1.23456);
  ASSERT_EQ(dictionary_.ResolveAttribute("BASE_GISE1", "AttribValueStr", result), 1);
  std::string text;
  result.GetString("AttribValueStr", &text);
  EXPECT_EQ(text, "1.23456");
}

TEST_F(CellTextTest, AttributeKeysIgnoreLetterCase) {
  Attach(LodaxDescription());
  CDataMap result;
  ASSERT_EQ(dictionary_.ResolveValue("PSI", result), 1);
  EXPECT_EQ(dictionary_.ResolveAttribute("PSI", "attribformat", result), 1);
  EXPECT_EQ(dictionary_.ResolveAttribute("PSI", "ATTRIBVALUESTR", result), 1);
  std::string format;
  std::string text;
  result.GetString("AttribFormat", &format);
  result.GetString("AttribValueStr", &text);
  EXPECT_EQ(format, "%.3f");
  EXPECT_EQ(text, "10000.000");
}

TEST_F(CellTextTest, ANumberThatIsNoReadingGivesAnEmptyCell) {
  ChosenFormulas formulas;
  formulas.base[1] = std::nullopt;  // the temperature cannot be computed
  formulas.base[2] = 1e308;
  formulas.user[2] = 1e308 * 10;  // overflows to infinity
  Attach(LodaxDescription(), formulas);
  EXPECT_EQ(Cell("BASE_RTD"), "");
  EXPECT_EQ(Cell("DEGREES_C"), "");
  EXPECT_EQ(Cell("PSI"), "");
}

}  // namespace
}  // namespace pelcon
