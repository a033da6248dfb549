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

// The test runner names the source tree; a build run by hand finds it from this file's path.
std::filesystem::path GoldenDirectory() {
  const char* root = std::getenv("PELCON_SOURCE_DIR");
  const std::filesystem::path tests =
      root != nullptr ? std::filesystem::path(root) / "tests"
                      : std::filesystem::path(__FILE__).parent_path().parent_path();
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
