#include "launcher/command_line.hpp"

#include <gtest/gtest.h>

namespace pelcon::launcher {
namespace {

LauncherRequest Parse(std::vector<std::string> arguments) {
  return ParseLauncherCommandLine(arguments);
}

TEST(CommandLine, ChoosesTheActionInTheUsualOrder) {
  EXPECT_EQ(Parse({}).action, LauncherAction::kBatchDialog);
  EXPECT_EQ(Parse({"-f", "a.bin", "what?"}).action, LauncherAction::kUsage);
  EXPECT_EQ(Parse({"--help"}).action, LauncherAction::kUsage);
  EXPECT_EQ(Parse({"-h"}).action, LauncherAction::kUsage);
  EXPECT_EQ(Parse({"--version"}).action, LauncherAction::kVersion);
  EXPECT_EQ(Parse({"-f", "a.bin"}).action, LauncherAction::kConvert);
  EXPECT_EQ(Parse({"-x", "site.bft"}).action, LauncherAction::kEditTemplate);
  EXPECT_EQ(Parse({"-x"}).action, LauncherAction::kNothing);
}

TEST(CommandLine, SwitchesTakeTheRestOfTheirArgumentOrTheFollowingOnes) {
  const LauncherRequest glued = Parse({"-f/data/well.bin", "-t/data/t.bft", "-o/out"});
  EXPECT_EQ(glued.conversion.logFilePath, "/data/well.bin");
  EXPECT_EQ(glued.conversion.templatePath, "/data/t.bft");
  EXPECT_EQ(glued.conversion.outputDirectory, "/out");

  const LauncherRequest apart = Parse({"-f", "/data/well.bin", "-o", "/out"});
  EXPECT_EQ(apart.conversion.logFilePath, "/data/well.bin");
  EXPECT_FALSE(apart.conversion.templatePath.has_value());
  EXPECT_EQ(apart.conversion.outputDirectory, "/out");
}

TEST(CommandLine, TemplateBeforeLogFileEndsWhereTheLogFileSwitchBegins) {
  const LauncherRequest request = Parse({"-t", "x.bft", "-f", "y.bin"});
  EXPECT_EQ(request.action, LauncherAction::kConvert);
  EXPECT_EQ(request.conversion.logFilePath, "y.bin");
  EXPECT_EQ(request.conversion.templatePath, "x.bft");
}

TEST(CommandLine, SwitchLikeTextInsideAPathIsKept) {
  const LauncherRequest request = Parse({"-f", "/data-old/site-one/x.bin", "-o", "/out-files/"});
  EXPECT_EQ(request.conversion.logFilePath, "/data-old/site-one/x.bin");
  EXPECT_EQ(request.conversion.outputDirectory, "/out-files/");
}

TEST(CommandLine, UnquotedPathsWithBlanksAreJoinedAndTrimmed) {
  const LauncherRequest request = Parse({"-f", "/data/my", "well", "3.bin", "-t", " a.bft "});
  EXPECT_EQ(request.conversion.logFilePath, "/data/my well 3.bin");
  EXPECT_EQ(request.conversion.templatePath, "a.bft");
  EXPECT_EQ(Parse({"-f/data/my", "well.bin"}).conversion.logFilePath, "/data/my well.bin");
}

TEST(CommandLine, AnEmptyTemplateSwitchIsGivenButEmpty) {
  const LauncherRequest request = Parse({"-f", "a.bin", "-t"});
  ASSERT_TRUE(request.conversion.templatePath.has_value());
  EXPECT_EQ(*request.conversion.templatePath, "");
}

TEST(CommandLine, TheTemplateToEditIsTheFirstPlainArgument) {
  EXPECT_EQ(Parse({"--verbose", "one.bft", "two.bft"}).templateToEdit, "one.bft");
}

TEST(CommandLine, UsageTextHasItsFourLines) {
  EXPECT_STREQ(kUsageText,
               "Useage:\n   -f: bin pathfile for conversion\n   -t: template pathfile "
               "(optional)\n   -o: output directory for converted file (optional)\n");
}

TEST(CommandLine, DestinationIsTheSameWithOrWithoutATrailingSeparator) {
#ifdef _WIN32
  GTEST_SKIP() << "Linux only: paths with forward slashes; Windows has its own command line";
#endif
  EXPECT_EQ(DestinationInDirectory("/out", "/data/well.bin.csv"), "/out/well.bin.csv");
  EXPECT_EQ(DestinationInDirectory("/out/", "/data/well.bin.csv"), "/out/well.bin.csv");
  EXPECT_EQ(DestinationInDirectory("/out", "well.bin.csv"), "/out/well.bin.csv");
}

}  // namespace
}  // namespace pelcon::launcher
