#include "jobs/output_naming.hpp"

#include <gtest/gtest.h>

#include "platform/path_separator.hpp"

namespace pelcon::jobs {
namespace {

TEST(OutputNaming, PatternFolderAndBesideTheLogFile) {
  EXPECT_EQ(OutputPathFor("data/well.bin", "", "{name}.csv"), "data/well.bin.csv");
  // A folder without a closing separator gets the platform's.
  EXPECT_EQ(OutputPathFor("data/well.v2.bin", "out", "{stem}.csv"),
            std::string("out") + platform::kPathSeparator + "well.v2.csv");
  EXPECT_EQ(OutputPathFor("well.bin", "out/", "{stem}-{name}"), "out/well-well.bin");
}

}  // namespace
}  // namespace pelcon::jobs
