#include <gtest/gtest.h>

#include "launcher/command_line.hpp"
#include "tests/launcher/command_line_table.hpp"

namespace pelcon::launcher {
namespace {

TEST(CommandLineTable, PelconReadsEveryLineAsPelconExeDoes) {
  for (const table::Row& row : table::kRows) {
    SCOPED_TRACE(row.commandLine);
    table::ExpectRequest(row, ParseLauncherCommandLine(row.arguments));
  }
}

}  // namespace
}  // namespace pelcon::launcher
