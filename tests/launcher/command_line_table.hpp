#pragma once

// One table of command lines that pelcon (the arguments a shell hands over) and Pelcon.exe (the
// whole line as one string) must read alike. Paths are Windows paths, where the faults were; to
// the Linux launcher they are just text.

#include <optional>
#include <string>
#include <vector>

#include "launcher/command_line.hpp"

namespace pelcon::launcher::table {

struct Row {
  std::string commandLine;             // what Pelcon.exe gets
  std::vector<std::string> arguments;  // what a shell gives pelcon for the same line
  LauncherAction action;
  std::string logFile = {};  // for kConvert; for kEditTemplate the template to edit
  std::optional<std::string> templatePath = std::nullopt;
  std::optional<std::string> outputDirectory = std::nullopt;
};

inline const std::vector<Row> kRows{
    // A switch counts only at the start of the line or after white space.
    {R"(-f C:\well-field\x.bin -t C:\T\level.bft)",
     {"-f", R"(C:\well-field\x.bin)", "-t", R"(C:\T\level.bft)"},
     LauncherAction::kConvert,
     R"(C:\well-field\x.bin)",
     R"(C:\T\level.bft)"},
    {R"(-f C:\data-old\x.bin)",
     {"-f", R"(C:\data-old\x.bin)"},
     LauncherAction::kConvert,
     R"(C:\data-old\x.bin)"},
    {R"(-f C:\cases\pelcon-case-t1\x.bin -o C:\Out)",
     {"-f", R"(C:\cases\pelcon-case-t1\x.bin)", "-o", R"(C:\Out)"},
     LauncherAction::kConvert,
     R"(C:\cases\pelcon-case-t1\x.bin)",
     std::nullopt,
     R"(C:\Out)"},
    {R"(C:\data-files\level.bft)",
     {R"(C:\data-files\level.bft)"},
     LauncherAction::kEditTemplate,
     R"(C:\data-files\level.bft)"},
    // Quoted values lose their quotation marks.
    {R"(-f "C:\My Data\well.bin" -o "C:\my output")",
     {"-f", R"(C:\My Data\well.bin)", "-o", R"(C:\my output)"},
     LauncherAction::kConvert,
     R"(C:\My Data\well.bin)",
     std::nullopt,
     R"(C:\my output)"},
    {R"("C:\My Templates\level.bft")",
     {R"(C:\My Templates\level.bft)"},
     LauncherAction::kEditTemplate,
     R"(C:\My Templates\level.bft)"},
    // Unquoted values with blanks, and values glued to their switch, work as they always did.
    {R"(-f C:\My Data\well 3.bin -t C:\T\a.bft)",
     {"-f", R"(C:\My)", R"(Data\well)", "3.bin", "-t", R"(C:\T\a.bft)"},
     LauncherAction::kConvert,
     R"(C:\My Data\well 3.bin)",
     R"(C:\T\a.bft)"},
    {R"(-fC:\data\well.bin -tC:\T\level.bft -oC:\Out\)",
     {R"(-fC:\data\well.bin)", R"(-tC:\T\level.bft)", R"(-oC:\Out\)"},
     LauncherAction::kConvert,
     R"(C:\data\well.bin)",
     R"(C:\T\level.bft)",
     R"(C:\Out\)"},
    // Any order; the first of a repeated switch counts; an empty -t asks for the default.
    {R"(-o C:\Out -t b.bft -f a.bin)",
     {"-o", R"(C:\Out)", "-t", "b.bft", "-f", "a.bin"},
     LauncherAction::kConvert,
     "a.bin",
     "b.bft",
     R"(C:\Out)"},
    {"-f a.bin -f b.bin", {"-f", "a.bin", "-f", "b.bin"}, LauncherAction::kConvert, "a.bin"},
    {"-f x.bin -t", {"-f", "x.bin", "-t"}, LauncherAction::kConvert, "x.bin", ""},
    // The other requests.
    {"", {}, LauncherAction::kBatchDialog},
    {"  \t", {}, LauncherAction::kBatchDialog},
    {R"(-f C:\data\well.bin /?)", {"-f", R"(C:\data\well.bin)", "/?"}, LauncherAction::kUsage},
    {"--help", {"--help"}, LauncherAction::kUsage},
    {"--version", {"--version"}, LauncherAction::kVersion},
    {R"(-o C:\Out)", {"-o", R"(C:\Out)"}, LauncherAction::kEditTemplate, R"(C:\Out)"},
    {"-x", {"-x"}, LauncherAction::kNothing},
};

// Checks what a launcher made of a row.
inline void ExpectRequest(const Row& row, const LauncherRequest& request) {
  EXPECT_EQ(request.action, row.action);
  if (row.action == LauncherAction::kConvert) {
    EXPECT_EQ(request.conversion.logFilePath, row.logFile);
    EXPECT_EQ(request.conversion.templatePath, row.templatePath);
    EXPECT_EQ(request.conversion.outputDirectory, row.outputDirectory);
  } else if (row.action == LauncherAction::kEditTemplate) {
    EXPECT_EQ(request.templateToEdit, row.logFile);
  }
}

}  // namespace pelcon::launcher::table
