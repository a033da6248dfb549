#include "datalib/data_row.hpp"

#include <gtest/gtest.h>

#include <vector>

#include "logfile/stage_tables.hpp"

namespace pelcon {
namespace {

// An owner made of the real stage tables, so names resolve as in a loaded file.
class TableOwner final : public DataRowOwner {
 public:
  int StageSlotOf(ValueStage stage, std::string_view name) const override {
    return tables.Table(stage).SlotOfName(name);
  }
  int StagePresence(ValueStage stage, int slot) const override {
    return tables.Table(stage).PresenceOf(slot);
  }
  void SetStagePresence(ValueStage stage, int slot, int presence) override {
    tables.Table(stage).SetPresence(slot, presence);
  }

  StageTables tables;
};

TEST(DataRow, StaysSmallBecauseAFileKeepsOnePerRecord) {
  // Time, owner, the stage pointer and 43 readings: a million rows stay near 110 MB.
  EXPECT_LE(sizeof(DataRow), 112u);
}

TEST(DataRow, RawReadingIsZeroUntilSomeRowStoresTheName) {
  TableOwner owner;
  DataRow first(owner);
  DataRow second(owner);
  std::uint16_t value = 99;
  EXPECT_EQ(first.GetRaw("RAW_PXD", value), 0);
  EXPECT_EQ(value, 0);
  ASSERT_EQ(second.SetRaw("RAW_PXD", 1234), 1);
  // Presence belongs to the file: the first row now reports the name, with its own reading 0.
  EXPECT_EQ(first.GetRaw("RAW_PXD", value), 1);
  EXPECT_EQ(value, 0);
  EXPECT_EQ(second.GetRaw("RAW_PXD", value), 1);
  EXPECT_EQ(value, 1234);
  EXPECT_EQ(second.RawAt(4), 1234);  // slot 4 is RAW_PXD
}

TEST(DataRow, UnknownNameIsNotStoredAndReadsZero) {
  TableOwner owner;
  DataRow row(owner);
  EXPECT_EQ(row.SetRaw("RAW_NOTHING", 7), 0);
  for (int slot = 0; slot < kRawSlotCount; ++slot) {
    EXPECT_EQ(row.RawAt(slot), 0);
    EXPECT_EQ(owner.tables.Table(ValueStage::kRaw).PresenceOf(slot), 0);
  }
  std::uint16_t raw = 5;
  EXPECT_EQ(row.GetRaw("RAW_NOTHING", raw), 0);
  EXPECT_EQ(raw, 0);
  double value = 5.0;
  EXPECT_EQ(row.GetBase("BASE_NOTHING", value), 0);
  EXPECT_EQ(value, 0.0);
}

TEST(DataRow, TrailingBlankNameIsItsOwnSlot) {
  TableOwner owner;
  DataRow row(owner);
  ASSERT_EQ(row.SetRaw("RAW_OPD_TEMP ", 11), 1);
  std::uint16_t value = 0;
  EXPECT_EQ(row.GetRaw("RAW_OPD_TEMP", value), 0);
  EXPECT_EQ(row.GetRaw("RAW_OPD_TEMP ", value), 1);
  EXPECT_EQ(value, 11);
}

TEST(DataRow, ResetClearsEveryReadingTheTimeAndTheStages) {
  TableOwner owner;
  DataRow row(owner);
  row.SetTimestamp(2454906.5);
  row.SetRaw("RAW_RTD", 3);
  row.SetRawAt(42, 9);
  row.AttachStages(std::make_unique<DataRowStages>());
  row.Reset();
  double time = 1.0;
  EXPECT_EQ(row.GetTimestamp(time), 1);
  EXPECT_EQ(time, 0.0);
  EXPECT_EQ(row.RawAt(3), 0);
  EXPECT_EQ(row.RawAt(42), 0);
  EXPECT_FALSE(row.IsComputed());
}

TEST(DataRow, StageValuesReadOnlyWhileComputedAndPresent) {
  TableOwner owner;
  StageNameTable& base = owner.tables.Table(ValueStage::kBase);
  base.SetPresence(base.SlotOfName("BASE_PXD"), 1);
  DataRow row(owner);
  double value = 9.0;
  EXPECT_EQ(row.GetBase("BASE_PXD", value), 1);  // present, but no stage computed: 0
  EXPECT_EQ(value, 0.0);

  auto stages = std::make_unique<DataRowStages>();
  stages->base[2] = 12.5;    // BASE_PXD
  stages->base[3] = 99.0;    // BASE_BARO, absent from the file
  stages->cooked[4] = 7.25;  // COOKED_PXD, absent
  stages->user[2] = 3.5;     // USER_PXD, absent
  row.AttachStages(std::move(stages));
  EXPECT_TRUE(row.IsComputed());
  EXPECT_EQ(row.GetBase("BASE_PXD", value), 1);
  EXPECT_EQ(value, 12.5);
  EXPECT_EQ(row.GetBase("BASE_BARO", value), 0);
  EXPECT_EQ(value, 0.0);
  EXPECT_EQ(row.GetCooked("COOKED_PXD", value), 0);
  EXPECT_EQ(row.GetUser("USER_PXD", value), 0);

  const std::unique_ptr<DataRowStages> back = row.DetachStages();
  ASSERT_NE(back, nullptr);
  EXPECT_FALSE(row.IsComputed());
  EXPECT_EQ(row.GetBase("BASE_PXD", value), 1);
  EXPECT_EQ(value, 0.0);
}

TEST(DataRow, TimestampRoundTrips) {
  TableOwner owner;
  DataRow row(owner);
  EXPECT_EQ(row.SetTimestamp(2455349.0), 1);
  double time = 0.0;
  row.GetTimestamp(time);
  EXPECT_EQ(time, 2455349.0);
}

}  // namespace
}  // namespace pelcon
