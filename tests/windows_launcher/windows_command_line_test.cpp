#include "launcher/windows_command_line.hpp"

#include <gtest/gtest.h>

#include "tests/launcher/command_line_table.hpp"

namespace pelcon::launcher {
namespace {

using Strings = std::vector<std::string>;

TEST(WindowsCommandLine, PelconExeReadsEveryLineAsPelconDoes) {
  for (const table::Row& row : table::kRows) {
    SCOPED_TRACE(row.commandLine);
    table::ExpectRequest(row, ParseWindowsCommandLine(row.commandLine));
  }
}

TEST(WindowsCommandLine, SplitsLikeTheCRuntime) {
  EXPECT_EQ(SplitCommandLine("a  b\tc"), (Strings{"a", "b", "c"}));
  EXPECT_EQ(SplitCommandLine("\"C:\\My Templates\\level.bft\" x"),
            (Strings{"C:\\My Templates\\level.bft", "x"}));
  // Backslashes are literal unless a quotation mark follows them.
  EXPECT_EQ(SplitCommandLine("C:\\dir\\ x"), (Strings{"C:\\dir\\", "x"}));
  EXPECT_EQ(SplitCommandLine("a\\\"b"), Strings{"a\"b"});
  EXPECT_EQ(SplitCommandLine("a\\\\\"b c\""), Strings{"a\\b c"});
  // Quotation marks group from anywhere in an argument; "" inside them is one mark.
  EXPECT_EQ(SplitCommandLine("say\" hi\" there"), (Strings{"say hi", "there"}));
  EXPECT_EQ(SplitCommandLine("\"a\"\"b\""), Strings{"a\"b"});
  EXPECT_EQ(SplitCommandLine("\"\" x"), (Strings{"", "x"}));
  EXPECT_EQ(SplitCommandLine("  "), Strings{});
}

TEST(WindowsCommandLine, OnlyATemplateNamedInLowerCaseIsOpened) {
  EXPECT_TRUE(HasTemplateExtension("C:\\T\\level.bft"));
  EXPECT_TRUE(HasTemplateExtension(".bft"));
  // The comparison counts letter case, and only the text after the last dot.
  EXPECT_FALSE(HasTemplateExtension("C:\\T\\LEVEL.BFT"));
  EXPECT_FALSE(HasTemplateExtension("level.bft.bak"));
  EXPECT_FALSE(HasTemplateExtension("C:\\T.bft\\level"));
  EXPECT_FALSE(HasTemplateExtension("bft"));
}

#ifdef _WIN32
TEST(WindowsCommandLine, DestinationIsTheSameWithOrWithoutATrailingBackslash) {
  EXPECT_EQ(DestinationInDirectory("C:\\Out", "C:\\data\\well.bin.csv"), "C:\\Out\\well.bin.csv");
  EXPECT_EQ(DestinationInDirectory("C:\\Out\\", "C:\\data\\well.bin.csv"), "C:\\Out\\well.bin.csv");
}
#endif

}  // namespace
}  // namespace pelcon::launcher
