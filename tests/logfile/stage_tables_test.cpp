#include "logfile/stage_tables.hpp"

#include <gtest/gtest.h>

#include <vector>

#include "logfile/families/lodax/lodax_family.hpp"
#include "logfile/families/vorta/vorta_family.hpp"

namespace pelcon {
namespace {

const LogFamily& lodax = LodaxFamily();
const LogFamily& vorta = VortaFamily();

TEST(StageNameTable, SizesPerStage) {
  EXPECT_EQ(StageNameTable(ValueStage::kRaw).Size(), 43);
  EXPECT_EQ(StageNameTable(ValueStage::kCooked).Size(), 43);
  EXPECT_EQ(StageNameTable(ValueStage::kBase).Size(), 39);
  EXPECT_EQ(StageNameTable(ValueStage::kUser).Size(), 17);
  const StageNameTable raw(ValueStage::kRaw);
  EXPECT_TRUE(raw.IsValid(42));
  EXPECT_FALSE(raw.IsValid(43));
  EXPECT_FALSE(raw.IsValid(-1));
}

TEST(StageNameTable, NamesWithTrailingWhitespaceAreDistinct) {
  const StageNameTable raw(ValueStage::kRaw);
  EXPECT_EQ(raw.SlotOfName("RAW_OPD_TEMP"), 20);
  EXPECT_EQ(raw.SlotOfName("RAW_OPD_TEMP "), 24);
  EXPECT_EQ(raw.SlotOfName("RAW_OPD_DPHASE "), 25);
  EXPECT_EQ(raw.SlotOfName("RAW_OPD_DPHASE"), -1);

  const StageNameTable cooked(ValueStage::kCooked);
  EXPECT_EQ(cooked.NameOf(24), "COOKED_OPD_TEMP");
  EXPECT_EQ(cooked.NameOf(25), "COOKED_OPD_DPHASE");
  EXPECT_EQ(cooked.SlotOfName("COOKED_OPD_RED_REF\t"), 38);
  EXPECT_EQ(cooked.SlotOfName("COOKED_OPD_RED_REF"), -1);
  EXPECT_EQ(raw.NameOf(38), "RAW_OPD_RED_REF");

  const StageNameTable base(ValueStage::kBase);
  EXPECT_EQ(base.SlotOfName("BASE_OPD_RED_REF\t"), 34);
  EXPECT_EQ(base.SlotOfName("BASE_OPD_RED_REF"), -1);
}

TEST(StageNameTable, LaterOfTwoEqualNamesAnswersButBothKeepTheirCodes) {
  const StageNameTable raw(ValueStage::kRaw);
  EXPECT_EQ(raw.SlotOfName("RAW_OPD_DO"), 23);
  EXPECT_EQ(raw.SlotOfCode(160), 19);
  EXPECT_EQ(raw.SlotOfCode(170), 23);
  const StageNameTable base(ValueStage::kBase);
  EXPECT_EQ(base.SlotOfName("BASE_OPD_DO"), 19);
  EXPECT_EQ(base.SlotOfName("BASE_OPD_TEMP"), 20);
  EXPECT_EQ(base.SlotOfCode(160), 15);
}

TEST(StageNameTable, CodesAndNamesOfSelectedSlots) {
  const StageNameTable raw(ValueStage::kRaw);
  EXPECT_EQ(raw.CodeOf(0), 100);
  EXPECT_EQ(raw.NameOf(raw.SlotOfCode(2)), "RAW_PXD");
  EXPECT_EQ(raw.NameOf(raw.SlotOfCode(148)), "RAW_CONDHI");
  EXPECT_EQ(raw.NameOf(raw.SlotOfCode(151)), "RAW_TURBHI");
  EXPECT_EQ(raw.CodeOf(42), 195);
  const StageNameTable base(ValueStage::kBase);
  EXPECT_EQ(base.CodeOf(0), 99);
  EXPECT_EQ(base.NameOf(13), "BASE_COND");
  EXPECT_EQ(base.CodeOf(14), 5);
  const StageNameTable user(ValueStage::kUser);
  EXPECT_EQ(user.NameOf(user.SlotOfCode(170)), "USER_OPD2_DO");
  EXPECT_EQ(user.NameOf(user.SlotOfCode(45)), "USER_COND");
  EXPECT_EQ(user.SlotOfCode(161), -1);
}

TEST(StageNameTable, UnknownNamesAndSlotsChangeNothing) {
  StageNameTable raw(ValueStage::kRaw);
  EXPECT_EQ(raw.SlotOfName("raw_pxd"), -1);  // names match exactly
  EXPECT_EQ(raw.SlotOfCode(6), -1);
  EXPECT_EQ(raw.NameOf(43), "");
  EXPECT_EQ(raw.CodeOf(-1), -1);
  EXPECT_EQ(raw.ParameterTypeOf(99), -1);
  EXPECT_EQ(raw.PresenceOf(99), 0);
  EXPECT_FALSE(raw.SetPresence(43, 1));
  EXPECT_FALSE(raw.SetParameterType(-1, 3));
}

TEST(StageNameTable, ParameterTypesAndPresenceResetToTheCompiledRows) {
  StageNameTable raw(ValueStage::kRaw);
  EXPECT_EQ(raw.ParameterTypeOf(4), -1);
  EXPECT_EQ(raw.PresenceOf(4), 0);
  ASSERT_TRUE(raw.RecordParameterType(4, 3));
  ASSERT_TRUE(raw.SetPresence(4, 1));
  EXPECT_EQ(raw.SlotOfParameterType(3), 4);
  EXPECT_EQ(raw.SlotOfParameterType(5), -1);
  ASSERT_TRUE(raw.RecordParameterType(2, 3));
  EXPECT_EQ(raw.SlotOfParameterType(3), 2);  // the last slot recorded answers
  raw.Reset();
  EXPECT_EQ(raw.ParameterTypeOf(4), -1);
  EXPECT_EQ(raw.PresenceOf(4), 0);
  EXPECT_EQ(raw.SlotOfParameterType(3), -1);
}

TEST(StageCodeMaps, RawToBase) {
  EXPECT_EQ(lodax.RawToBaseCode(100), 1);
  EXPECT_EQ(vorta.RawToBaseCode(100), -1);
  EXPECT_EQ(lodax.RawToBaseCode(101), -1);
  EXPECT_EQ(vorta.RawToBaseCode(146), 45);
  EXPECT_EQ(vorta.RawToBaseCode(148), 45);
  EXPECT_EQ(vorta.RawToBaseCode(150), 4);
  EXPECT_EQ(vorta.RawToBaseCode(151), 4);
  EXPECT_EQ(vorta.RawToBaseCode(2), 2);
  EXPECT_EQ(vorta.RawToBaseCode(177), 177);
  EXPECT_EQ(vorta.RawToBaseCode(6), -1);  // not a RAW code
  EXPECT_EQ(vorta.RawToBaseCode(45), -1);
}

TEST(StageCodeMaps, BaseToRawAndCookedToRaw) {
  EXPECT_EQ(lodax.BaseToRawCode(1), 100);
  EXPECT_EQ(vorta.BaseToRawCode(1), 1);
  EXPECT_EQ(vorta.BaseToRawCode(4), 150);
  EXPECT_EQ(lodax.BaseToRawCode(45), 146);
  EXPECT_EQ(lodax.BaseToRawCode(3), 3);
  EXPECT_EQ(CookedToRawCode(171), 171);
}

TEST(StageCodeMaps, ParameterTypesOfRawCodes) {
  LogBlocks blocks{};
  Block76& ports = blocks.block76;
  ports.ports[0].first.parameterType = 8;
  ports.ports[0].second.parameterType = 13;
  ports.ports[1].first.parameterType = 7;
  ports.ports[3].second.parameterType = 16;
  EXPECT_EQ(vorta.RawParameterType(11, blocks), 8);
  EXPECT_EQ(vorta.RawParameterType(12, blocks), 13);
  EXPECT_EQ(vorta.RawParameterType(25, blocks), 7);  // port 2, first channel
  EXPECT_EQ(vorta.RawParameterType(21, blocks), 7);
  EXPECT_EQ(vorta.RawParameterType(42, blocks), 16);
  EXPECT_EQ(vorta.RawParameterType(1, blocks), 2);
  EXPECT_EQ(vorta.RawParameterType(2, blocks), 3);
  EXPECT_EQ(vorta.RawParameterType(3, blocks), 6);
  EXPECT_EQ(vorta.RawParameterType(5, blocks), 27);
  EXPECT_EQ(lodax.RawParameterType(100, blocks), 2);
  EXPECT_EQ(vorta.RawParameterType(100, blocks), 0);
  EXPECT_EQ(vorta.RawParameterType(101, blocks), 0);
  EXPECT_EQ(vorta.RawParameterType(147, blocks), 5);
  EXPECT_EQ(vorta.RawParameterType(150, blocks), 22);
  EXPECT_EQ(vorta.RawParameterType(163, blocks), 28);
  EXPECT_EQ(vorta.RawParameterType(170, blocks), 28);
  EXPECT_EQ(vorta.RawParameterType(171, blocks), 0);
}

class MarkProvided : public ::testing::Test {
 protected:
  void Mark(std::vector<std::uint8_t> codes, const LogFamily& family) {
    tables.MarkProvided(codes, family, blocks);
  }
  int Presence(ValueStage stage, std::string_view name) const {
    const StageNameTable& table = tables.Table(stage);
    return table.PresenceOf(table.SlotOfName(name));
  }
  int Type(ValueStage stage, std::string_view name) const {
    const StageNameTable& table = tables.Table(stage);
    return table.ParameterTypeOf(table.SlotOfName(name));
  }

  StageTables tables;
  LogBlocks blocks{};
  Block76& ports = blocks.block76;
};

TEST_F(MarkProvided, LodaxLevelLogger) {
  Mark({100, 2}, lodax);
  EXPECT_EQ(Presence(ValueStage::kRaw, "RAW_TPCB"), 1);
  EXPECT_EQ(Presence(ValueStage::kRaw, "RAW_PXD"), 1);
  EXPECT_EQ(Presence(ValueStage::kCooked, "COOKED_TPCB"), 1);
  EXPECT_EQ(Presence(ValueStage::kCooked, "COOKED_PXD"), 1);
  EXPECT_EQ(Presence(ValueStage::kRaw, "RAW_BARO"), 0);
  for (ValueStage stage : {ValueStage::kBase, ValueStage::kUser}) {
    const char* rtd = stage == ValueStage::kBase ? "BASE_RTD" : "USER_RTD";
    const char* pxd = stage == ValueStage::kBase ? "BASE_PXD" : "USER_PXD";
    const char* baro = stage == ValueStage::kBase ? "BASE_BARO" : "USER_BARO";
    EXPECT_EQ(Presence(stage, rtd), 1);
    EXPECT_EQ(Type(stage, rtd), 2);
    EXPECT_EQ(Presence(stage, pxd), 1);
    EXPECT_EQ(Type(stage, pxd), 3);
    EXPECT_EQ(Presence(stage, baro), 0);
  }
  EXPECT_EQ(Presence(ValueStage::kBase, "BASE_TIMESTAMP"), 1);
  EXPECT_EQ(Presence(ValueStage::kUser, "USER_TIMESTAMP"), 1);
  EXPECT_EQ(tables.Table(ValueStage::kRaw).SlotOfParameterType(3), 4);
}

TEST_F(MarkProvided, BarometricLoggerProvidesBaroInsteadOfPressure) {
  Mark({100, 3}, lodax);
  EXPECT_EQ(Presence(ValueStage::kBase, "BASE_BARO"), 1);
  EXPECT_EQ(Type(ValueStage::kUser, "USER_BARO"), 6);
  EXPECT_EQ(Presence(ValueStage::kBase, "BASE_PXD"), 0);
  EXPECT_EQ(Presence(ValueStage::kUser, "USER_PXD"), 0);
}

TEST_F(MarkProvided, VortaConductivityAndNoBaseForBoardTemperatures) {
  Mark({100, 146, 147, 148, 101, 2}, vorta);
  for (const char* name : {"RAW_CONDLO", "RAW_CONDME", "RAW_CONDHI", "RAW_TPXD"}) {
    EXPECT_EQ(Presence(ValueStage::kRaw, name), 1) << name;
  }
  EXPECT_EQ(Presence(ValueStage::kCooked, "COOKED_CONDHI"), 1);
  EXPECT_EQ(Presence(ValueStage::kBase, "BASE_COND"), 1);
  EXPECT_EQ(Type(ValueStage::kBase, "BASE_COND"), 5);
  EXPECT_EQ(Type(ValueStage::kUser, "USER_COND"), 5);
  EXPECT_EQ(Presence(ValueStage::kBase, "BASE_RTD"), 0);  // code 100 gives no BASE in Vorta
  EXPECT_EQ(Type(ValueStage::kRaw, "RAW_TPCB"), 0);
  EXPECT_EQ(Presence(ValueStage::kBase, "BASE_PXD"), 1);
}

TEST_F(MarkProvided, OpticalOxygenFillsTheLaterSlots) {
  Mark({100, 160, 161, 162, 163}, vorta);
  const StageNameTable& raw = tables.Table(ValueStage::kRaw);
  EXPECT_EQ(raw.PresenceOf(19), 0);
  EXPECT_EQ(raw.PresenceOf(23), 1);  // "RAW_OPD_DO" answers slot 23 (code 170)
  EXPECT_EQ(raw.ParameterTypeOf(23), 28);
  const StageNameTable& base = tables.Table(ValueStage::kBase);
  EXPECT_EQ(base.PresenceOf(19), 1);
  EXPECT_EQ(base.PresenceOf(15), 0);
  EXPECT_EQ(Presence(ValueStage::kUser, "USER_OPD2_DO"), 1);
  EXPECT_EQ(Presence(ValueStage::kUser, "USER_OPD_DO"), 0);
}

TEST_F(MarkProvided, PortChannelsTakeTheirTypeFromBlock76) {
  ports.ports[2].second.parameterType = 8;
  Mark({100, 32}, vorta);
  EXPECT_EQ(Type(ValueStage::kRaw, "RAW_ISEB2"), 8);
  EXPECT_EQ(Type(ValueStage::kBase, "BASE_ISEB2"), 8);
  EXPECT_EQ(Presence(ValueStage::kUser, "USER_ISEB2"), 1);
}

TEST_F(MarkProvided, PortChannelWithoutTypeGetsNoBaseValue) {
  Mark({100, 11}, vorta);
  EXPECT_EQ(Presence(ValueStage::kRaw, "RAW_ISEA1"), 1);
  EXPECT_EQ(Presence(ValueStage::kBase, "BASE_ISEA1"), 0);
}

}  // namespace
}  // namespace pelcon
