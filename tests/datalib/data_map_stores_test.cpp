#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "datalib/data_map.hpp"
#include "datalib/type_codes.hpp"

namespace pelcon {
namespace {

TEST(CDataMapStoreAll, CopiesEveryEntryWithItsTypeAndKeepsTheOthers) {
  CDataMap source;
  source.SetDouble("D", 0.1);
  source.SetInt("I", -7);
  source.SetString("S", "text");
  source.SetBool("B", 5);
  source.set_name("source");

  CDataMap target;
  target.SetString("D", "replaced");
  target.SetInt("KEPT", 3);
  target.set_name("target");
  target.StoreAll(source);

  EXPECT_EQ(target.size(), 5u);
  double d = 0;
  EXPECT_EQ(target.GetDouble("D", &d), 1);
  EXPECT_EQ(d, 0.1);
  EXPECT_EQ(*target.FindText("D"), "0.1");
  std::int32_t i = 0;
  EXPECT_EQ(target.GetInt("I", &i), 1);
  EXPECT_EQ(i, -7);
  EXPECT_EQ(target.GetType("S"), kTypeCString);
  EXPECT_EQ(*target.FindText("B"), "1");
  EXPECT_EQ(target.GetType("B"), kTypeBOOL);
  EXPECT_EQ(target.GetInt("KEPT", &i), 1);
  EXPECT_EQ(i, 3);
  // Entries only: the map keeps its own name.
  EXPECT_EQ(target.name(), "target");
}

TEST(CDataMapStoreAll, CopiesOnlyWhatWasStoredAfterTheNotedCount) {
  CDataMap source;
  source.SetDouble("OLD", 1.0);
  source.SetDouble("REWRITTEN", 2.0);
  const std::uint64_t mark = source.StoreCount();
  EXPECT_EQ(mark, 2u);
  source.SetDouble("REWRITTEN", 3.0);
  source.SetString("NEW", "n");

  CDataMap target;
  target.StoreAll(source, mark);
  EXPECT_FALSE(target.Exists("OLD"));
  EXPECT_EQ(*target.FindText("REWRITTEN"), "3");
  EXPECT_EQ(*target.FindText("NEW"), "n");
  EXPECT_EQ(target.size(), 2u);
  // Each copied entry is a store of the target's own.
  EXPECT_EQ(target.StoreCount(), 2u);
  target.StoreAll(source, source.StoreCount());
  EXPECT_EQ(target.StoreCount(), 2u);
}

TEST(CDataMapCopyEntry, CopiesTextAndTypeUnderTheNewKey) {
  CDataMap source;
  source.SetDouble("PSI", 1.0 / 3);
  source.SetInt("FLAG", 7);
  CDataMap target;
  EXPECT_EQ(target.CopyEntry(source, "PSI", "psi"), 1);
  EXPECT_EQ(*target.FindText("psi"), "0.333333333333333");
  EXPECT_EQ(target.GetType("psi"), kTypeDouble);
  EXPECT_EQ(target.CopyEntry(source, "FLAG", "FLAG"), 1);
  EXPECT_EQ(target.GetType("FLAG"), kTypeInt);
  EXPECT_EQ(target.CopyEntry(source, "MISSING", "MISSING"), 0);
  EXPECT_FALSE(target.Exists("MISSING"));
  EXPECT_EQ(target.size(), 2u);
}

TEST(CDataMapSetInt, WritesWhatTheGenericStoreWrites) {
  for (const std::int32_t value : {0, 1, -1, 2147483647, -2147483647 - 1}) {
    CDataMap fast;
    fast.SetInt("K", value);
    CDataMap generic;
    generic.SetTypedValue(kTypeInt, "K", &value);
    EXPECT_EQ(*fast.FindText("K"), *generic.FindText("K")) << value;
  }
  CDataMap map;
  map.SetInt("K", -2147483647 - 1);
  EXPECT_EQ(*map.FindText("K"), "-2147483648");
}

}  // namespace
}  // namespace pelcon
