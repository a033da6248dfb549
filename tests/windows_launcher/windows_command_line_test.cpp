#include "launcher/windows_command_line.hpp"

#include <gtest/gtest.h>

namespace pelcon::launcher {
namespace {

using Strings = std::vector<std::string>;

TEST(WindowsCommandLine, DispatchTestsRunInOrderOverTheWholeLine) {
  EXPECT_EQ(ClassifyCommandLine(""), WindowsLauncherAction::kBatchDialog);
  EXPECT_EQ(ClassifyCommandLine("  \t"), WindowsLauncherAction::kBatchDialog);
  EXPECT_EQ(ClassifyCommandLine("?"), WindowsLauncherAction::kUsage);
  // "?" wins over "-f", wherever it stands.
  EXPECT_EQ(ClassifyCommandLine("-f C:\\data\\well.bin /?"), WindowsLauncherAction::kUsage);
  EXPECT_EQ(ClassifyCommandLine("-t a.bft -f b.bin"), WindowsLauncherAction::kConvert);
  // Plain substring search: "-f" inside a name counts as the switch.
  EXPECT_EQ(ClassifyCommandLine("C:\\data-files\\level.bft"), WindowsLauncherAction::kConvert);
  EXPECT_EQ(ClassifyCommandLine("C:\\T\\level.bft"), WindowsLauncherAction::kEditTemplate);
  EXPECT_EQ(ClassifyCommandLine("-o C:\\Out"), WindowsLauncherAction::kEditTemplate);
}

TEST(WindowsCommandLine, CutsAllThreeValuesInAnyOrder) {
  ConversionArguments a =
      CutConversionArguments("-f C:\\data\\well.bin -t C:\\T\\level.bft -o C:\\Out");
  EXPECT_EQ(a.logFilePath, "C:\\data\\well.bin");
  EXPECT_EQ(a.templatePath, "C:\\T\\level.bft");
  EXPECT_EQ(a.outputDirectory, "C:\\Out");

  a = CutConversionArguments("-o C:\\Out -f a.bin -t b.bft");
  EXPECT_EQ(a.logFilePath, "a.bin");
  EXPECT_EQ(a.templatePath, "b.bft");
  EXPECT_EQ(a.outputDirectory, "C:\\Out");
}

TEST(WindowsCommandLine, OnlyASwitchAheadEndsAValue) {
  // The template switch first: the log file path runs to the end, the template path to "-f".
  ConversionArguments a = CutConversionArguments("-t x.bft -f y.bin");
  EXPECT_EQ(a.logFilePath, "y.bin");
  EXPECT_EQ(a.templatePath, "x.bft");
  EXPECT_EQ(a.outputDirectory, std::nullopt);

  a = CutConversionArguments("-t b.bft -o C:\\Out -f a.bin");
  EXPECT_EQ(a.logFilePath, "a.bin");
  EXPECT_EQ(a.templatePath, "b.bft");
  EXPECT_EQ(a.outputDirectory, "C:\\Out");

  // Only the first occurrence of each switch is looked for; a repeated "-f" is text.
  EXPECT_EQ(CutConversionArguments("-f a.bin -f b.bin").logFilePath, "a.bin -f b.bin");
}

TEST(WindowsCommandLine, ASwitchInsideANameCutsThere) {
  // "-o" of "data-old" ends the log file path and starts an output directory.
  const ConversionArguments a = CutConversionArguments("-f C:\\data-old\\well.bin");
  EXPECT_EQ(a.logFilePath, "C:\\data");
  EXPECT_EQ(a.outputDirectory, "ld\\well.bin");
  EXPECT_EQ(a.templatePath, std::nullopt);
}

TEST(WindowsCommandLine, ValuesAreTrimmedButKeepTheirQuotationMarks) {
  ConversionArguments a = CutConversionArguments("-f  \"C:\\My Data\\well.bin\"  -o\tC:\\Out\\  ");
  EXPECT_EQ(a.logFilePath, "\"C:\\My Data\\well.bin\"");
  EXPECT_EQ(a.outputDirectory, "C:\\Out\\");

  // A switch without a value is present and empty; the template then is the default one.
  a = CutConversionArguments("-f x.bin -t");
  EXPECT_EQ(a.logFilePath, "x.bin");
  EXPECT_EQ(a.templatePath, "");
  EXPECT_EQ(CutConversionArguments("-f").logFilePath, "");
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

TEST(WindowsCommandLine, TemplateToEditIsTheFirstPlainArgument) {
  EXPECT_EQ(FirstPlainArgument("-x /y \"C:\\T\\a b.bft\" z.bft"), "C:\\T\\a b.bft");
  EXPECT_EQ(FirstPlainArgument("-x /y"), "");
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
