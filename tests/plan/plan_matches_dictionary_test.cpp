// The plan against its reference: every cell of every record of the golden log files, with every
// column, must be the value dictionary's GetCellText byte for byte.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/plan/plan_cell_comparison.hpp"

namespace pelcon {
namespace {

// The build names the source tree (also where the tests run under Wine, without ctest).
std::filesystem::path GoldenDirectory() {
  const std::filesystem::path tests = std::filesystem::path(PELCON_SOURCE_DIR) / "tests";
  return tests / "e2e" / "golden";
}

TEST(PlanMatchesDictionary, EveryCellOfTheGoldenFiles) {
  const std::vector<std::string> entries = test::AllColumnEntries();
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(GoldenDirectory())) {
    if (entry.path().extension() != ".bin") continue;
    SCOPED_TRACE(entry.path().filename().string());
    EXPECT_GT(test::ExpectSameCells(entry.path().string(), entries), 0u);
    ++files;
  }
  EXPECT_GE(files, 10);
}

}  // namespace
}  // namespace pelcon
