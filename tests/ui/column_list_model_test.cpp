#include "ui/column_list_model.hpp"

#include <gtest/gtest.h>

#include <algorithm>

#include "export/column_name_table.hpp"

namespace pelcon::ui {
namespace {

using Names = std::vector<std::string>;
using Indices = std::vector<int>;

ColumnListModel FiveEntries() {
  return ColumnListModel({"a", "b", "c", "d", "e"});
}

int AvailableIndexOf(std::string_view name) {
  const Names& available = ColumnListModel::AvailableNames();
  auto found = std::find(available.begin(), available.end(), name);
  return found == available.end() ? -1 : static_cast<int>(found - available.begin());
}

TEST(ColumnListAvailableNames, HoldEveryDisplayNameSortedWithoutRegardToCase) {
  const Names& available = ColumnListModel::AvailableNames();
  ASSERT_EQ(available.size(), 54u);
  for (const ColumnName& column : ColumnNameTable()) {
    EXPECT_NE(AvailableIndexOf(column.displayName), -1) << column.displayName;
  }
  // A case-sensitive sort would put "pH" after every upper-case name.
  EXPECT_LT(AvailableIndexOf("ORP (mv)"), AvailableIndexOf("pH"));
  EXPECT_LT(AvailableIndexOf("pH"), AvailableIndexOf("Pressure (kPa)"));
  EXPECT_EQ(available.front(), "Ammonium (ppm)");
  EXPECT_EQ(available.back(), "Turbidity (NTU)");
}

TEST(ColumnListAdd, AppendsSelectedNamesInAscendingOrderWhateverTheSelectionOrder) {
  ColumnListModel model({"Temperature (C)"});
  const int ph = AvailableIndexOf("pH");
  const int ammonium = AvailableIndexOf("Ammonium (ppm)");
  model.Add(Indices{ph, ammonium});
  EXPECT_EQ(model.Current(), (Names{"Temperature (C)", "Ammonium (ppm)", "pH"}));
}

// The converter reads column names without regard to case, so a name in other letters is the
// same column. Repeats a template already has are its own business and stay.
TEST(ColumnListAdd, LeavesOutNamesTheListAlreadyHoldsAndCountsThem) {
  ColumnListModel model({"level/depth (FT)", "x", "x"});
  const int level = AvailableIndexOf("Level/Depth (ft)");
  const int ph = AvailableIndexOf("pH");
  EXPECT_EQ(model.Add(Indices{level, ph}), 1);
  EXPECT_EQ(model.Add(Indices{ph}), 1);
  EXPECT_EQ(model.Add(Indices{}), 0);
  EXPECT_EQ(model.Current(), (Names{"level/depth (FT)", "x", "x", "pH"}));
}

TEST(ColumnListAdd, IgnoresIndicesOutsideTheList) {
  ColumnListModel model({});
  model.Add(Indices{-1, 54, 1000});
  EXPECT_TRUE(model.Current().empty());
}

TEST(ColumnListRemove, DeletesEverySelectedEntry) {
  ColumnListModel model = FiveEntries();
  model.Remove(Indices{3, 0, 1});
  EXPECT_EQ(model.Current(), (Names{"c", "e"}));
}

TEST(ColumnListRemove, KeepsEqualEntriesThatWereNotSelected) {
  ColumnListModel model({"x", "x", "x"});
  model.Remove(Indices{1});
  EXPECT_EQ(model.Current(), (Names{"x", "x"}));
}

TEST(ColumnListMoveUp, LeavesABlockAtTheTopAndMovesTheRest) {
  ColumnListModel model = FiveEntries();
  EXPECT_EQ(model.MoveUp(Indices{0, 1, 3}), (Indices{0, 1, 2}));
  EXPECT_EQ(model.Current(), (Names{"a", "b", "d", "c", "e"}));
}

TEST(ColumnListMoveUp, MovesAdjacentEntriesTogetherInTheirOrder) {
  ColumnListModel model = FiveEntries();
  EXPECT_EQ(model.MoveUp(Indices{3, 2}), (Indices{1, 2}));
  EXPECT_EQ(model.Current(), (Names{"a", "c", "d", "b", "e"}));
}

TEST(ColumnListMoveDown, LeavesTheLastEntryInPlace) {
  ColumnListModel model = FiveEntries();
  EXPECT_EQ(model.MoveDown(Indices{4}), (Indices{4}));
  EXPECT_EQ(model.Current(), (Names{"a", "b", "c", "d", "e"}));
}

TEST(ColumnListMoveDown, MirrorsMoveUp) {
  ColumnListModel model = FiveEntries();
  // 4 stays at the bottom, 3 is blocked by it, 1 moves to 2.
  EXPECT_EQ(model.MoveDown(Indices{1, 3, 4}), (Indices{2, 3, 4}));
  EXPECT_EQ(model.Current(), (Names{"a", "c", "b", "d", "e"}));
}

TEST(ColumnListMoveDown, MovesAdjacentEntriesTogetherInTheirOrder) {
  ColumnListModel model = FiveEntries();
  EXPECT_EQ(model.MoveDown(Indices{0, 1}), (Indices{1, 2}));
  EXPECT_EQ(model.Current(), (Names{"c", "a", "b", "d", "e"}));
}

TEST(ColumnListCommands, ChangeNothingWithNothingSelected) {
  ColumnListModel model = FiveEntries();
  model.Add(Indices{});
  model.Remove(Indices{});
  EXPECT_TRUE(model.MoveUp(Indices{}).empty());
  EXPECT_TRUE(model.MoveDown(Indices{}).empty());
  EXPECT_EQ(model.Current(), (Names{"a", "b", "c", "d", "e"}));
}

TEST(ColumnListCommands, TakeARepeatedIndexOnce) {
  ColumnListModel model = FiveEntries();
  EXPECT_EQ(model.MoveUp(Indices{2, 2}), (Indices{1}));
  EXPECT_EQ(model.Current(), (Names{"a", "c", "b", "d", "e"}));
  model.Remove(Indices{0, 0});
  EXPECT_EQ(model.Current(), (Names{"c", "b", "d", "e"}));
}

}  // namespace
}  // namespace pelcon::ui
