#include "values/derived_value_table.hpp"

#include <gtest/gtest.h>

#include <set>

namespace pelcon {
namespace {

// The ColValid cells of a value's rows, in table order.
std::vector<bool> ColValid(const DerivedValueTable& table, std::string_view value) {
  std::vector<bool> flags;
  if (const auto* origins = table.OriginsOf(value)) {
    for (const auto& origin : *origins) flags.push_back(origin.colValid);
  }
  return flags;
}

std::int32_t Flag(const CDataMap& map, std::string_view name) {
  std::int32_t flag = -1;
  map.GetBool(name, &flag);
  return flag;
}

TEST(DerivedValueTableTest, RebuildsTheCompiledInRows) {
  DerivedValueTable table;
  EXPECT_EQ(table.Table().RowCount(), 0);
  EXPECT_EQ(table.OriginsOf("GRAVITY"), nullptr);
  table.RebuildRows();
  ASSERT_EQ(table.Table().RowCount(), 72);
  EXPECT_EQ(table.Table().GetRowText(0), "GRAVITY,ZERO,1,9.80665,3");
  EXPECT_EQ(table.Table().GetRowText(1), "GRAVITY,LATITUDE,0,1.7E308,3");
  EXPECT_EQ(table.Table().GetRowText(43), "DEPTH_SURFACE_FEET,WHENTOREAD_REF,0,2147483647,2");
  EXPECT_EQ(table.Table().GetRowText(71), "OPD_PERCENTAGE_SENSOR,CTX_SALINITY,1,0.0,3");

  // Every derived value but the two ammonia ones, which are never computed.
  std::set<std::string> values;
  for (const DerivedValueRow& row : DerivedValueRows()) values.emplace(row.valueName);
  EXPECT_EQ(values.size(), 38u);
  EXPECT_EQ(values.count("NH3_MV"), 0u);

  const auto* surface = table.OriginsOf("DEPTH_SURFACE_FEET");
  ASSERT_NE(surface, nullptr);
  ASSERT_EQ(surface->size(), 8u);
  EXPECT_EQ((*surface)[3].name, "WHENTOREAD_REF");
  EXPECT_EQ((*surface)[3].defaultValue, "2147483647");
  EXPECT_EQ((*surface)[3].defaultValueType, 2);
  EXPECT_EQ((*surface)[7].name, "START_OF_TEST_REF");
}

TEST(DerivedValueTableTest, ListsEveryValueAfterTheDerivedValuesItIsComputedFrom) {
  std::set<std::string_view> seen;
  std::set<std::string_view> derived;
  for (const DerivedValueRow& row : DerivedValueRows()) derived.insert(row.valueName);
  for (const DerivedValueRow& row : DerivedValueRows()) {
    if (derived.contains(row.originName)) {
      EXPECT_TRUE(seen.contains(row.originName)) << row.valueName << " before " << row.originName;
    }
    seen.insert(row.valueName);
  }
}

class AvailabilityTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name :
         {"LATITUDE", "ELEVATION", "STARTTIME", "DENSITY", "SPECIFIC_GRAVITY", "NOW_REFERENCE",
          "USER_REFERENCE", "WHENTOREAD_REF", "START_OF_TEST_REF"}) {
      root_.SetBool(name, 1);
    }
    row_.SetBool("TIMESTAMP", 1);
    row_.SetBool("COOKED_OPD_TEMP", 0);
    applied_.SetBool("DEGREES_C", 1);
    applied_.SetBool("PSI", 1);
    table_.RebuildRows();
  }

  void Compute() { table_.ComputeAvailability(root_, row_, applied_); }

  CDataMap root_;
  CDataMap row_;
  CDataMap applied_;
  DerivedValueTable table_;
};

TEST_F(AvailabilityTest, DecidesPerFileOrPerRowByTheOrigins) {
  Compute();
  EXPECT_TRUE(table_.Prepared());
  EXPECT_EQ(ColValid(table_, "GRAVITY"), (std::vector<bool>{true, true, true}));
  EXPECT_EQ(Flag(table_.FileAvailability(), "GRAVITY"), 1);
  EXPECT_EQ(Flag(table_.FileAvailability(), "LATITUDE"), 1);
  EXPECT_EQ(Flag(table_.ConstantOrigins(), "GRAVITY"), 1);
  // The record time makes the elapsed values change per row, and those built on them too.
  EXPECT_EQ(Flag(table_.RowAvailability(), "ELAPSED_DAYS"), 1);
  EXPECT_EQ(Flag(table_.RowAvailability(), "ELAPSED_SECONDS"), 1);
  EXPECT_FALSE(table_.FileAvailability().Exists("ELAPSED_DAYS"));
  EXPECT_EQ(Flag(table_.RowAvailability(), "DEPTH_FEET"), 1);
  EXPECT_EQ(ColValid(table_, "DEPTH_TOC_FEET"), std::vector<bool>(8, true));
  EXPECT_EQ(ColValid(table_, "DEPTH_TOC_INCHES"), (std::vector<bool>{true}));
}

TEST_F(AvailabilityTest, AnOriginTheFileLacksMakesTheValueUnavailable) {
  applied_.SetBool("PSI", 0);
  Compute();
  EXPECT_EQ(ColValid(table_, "KPASCALS"), (std::vector<bool>{false}));
  EXPECT_EQ(Flag(table_.RowAvailability(), "KPASCALS"), 0);
  EXPECT_EQ(Flag(table_.RowAvailability(), "DEPTH_FEET"), 0);
  EXPECT_EQ(ColValid(table_, "DEPTH_FEET"), (std::vector<bool>{true, true, true, false}));
  // DEPTH_FEET is known but unavailable, and so is everything built on it.
  EXPECT_EQ(Flag(table_.RowAvailability(), "DEPTH_METERS"), 0);
  EXPECT_EQ(ColValid(table_, "DEPTH_METERS"), (std::vector<bool>{false}));

  // An origin known nowhere (no barometer binding at all).
  EXPECT_EQ(Flag(table_.FileAvailability(), "BARO_INCHES_HG"), 0);
  EXPECT_EQ(ColValid(table_, "BARO_INCHES_HG"), (std::vector<bool>{false}));
}

TEST_F(AvailabilityTest, AnOriginThatMayLackKeepsItsRowValid) {
  applied_.SetBool("DO_MILLIGRAMS", 1);
  applied_.SetBool("BARO_PSI", 1);
  Compute();
  // No conductivity: salinity is unavailable, but oxygen saturation may do without it.
  EXPECT_EQ(Flag(table_.RowAvailability(), "CTX_SALINITY"), 0);
  EXPECT_EQ(ColValid(table_, "DO_PERCENTAGE"), (std::vector<bool>{true, true, true, true}));
  EXPECT_EQ(ColValid(table_, "OPD_PERCENTAGE_SENSOR"),
            (std::vector<bool>{false, false, true, true}));
}

TEST_F(AvailabilityTest, AConstantDefaultKeepsGravityAvailable) {
  root_.SetBool("LATITUDE", 0);
  Compute();
  EXPECT_EQ(ColValid(table_, "GRAVITY"), (std::vector<bool>{true, false, true}));
  EXPECT_EQ(Flag(table_.FileAvailability(), "GRAVITY"), 1);
  EXPECT_EQ(Flag(table_.FileAvailability(), "LATITUDE"), 0);
  EXPECT_EQ(ColValid(table_, "DEPTH_FEET"), (std::vector<bool>{true, true, true, true}));
}

TEST_F(AvailabilityTest, RebuildingForgetsTheFormerFile) {
  Compute();
  table_.RebuildRows();
  EXPECT_FALSE(table_.Prepared());
  EXPECT_EQ(ColValid(table_, "GRAVITY"), (std::vector<bool>{true, false, false}));
  EXPECT_EQ(table_.FileAvailability().size(), 0u);
  EXPECT_EQ(table_.RowAvailability().size(), 0u);
  EXPECT_EQ(table_.ConstantOrigins().size(), 0u);
  EXPECT_EQ(table_.Table().GetRowText(9), "KPASCALS,PSI,0,1.7E308,3");
}

}  // namespace
}  // namespace pelcon
