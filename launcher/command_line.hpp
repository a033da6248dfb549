#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pelcon::launcher {

// What the arguments ask of the launcher.
enum class LauncherAction {
  kBatchDialog,   // no argument
  kUsage,         // "?" anywhere, -h or --help
  kVersion,       // --version
  kRegister,      // --register [library]: what regsvr32 does on Windows
  kUnregister,    // --unregister [library]
  kConvert,       // -f given
  kEditTemplate,  // the first plain argument, when it may name a template
  kNothing,       // none of the above
};

struct ConversionArguments {
  std::string logFilePath;
  std::optional<std::string> templatePath;
  std::optional<std::string> outputDirectory;
};

struct LauncherRequest {
  LauncherAction action = LauncherAction::kNothing;
  ConversionArguments conversion;  // for kConvert
  std::string templateToEdit;      // for kEditTemplate: the first argument not starting with "-"
  std::string library;             // for kRegister and kUnregister; empty: the one beside pelcon
};

// A switch's value is the rest of its own argument followed by the arguments up to the next
// switch, joined by single blanks and trimmed, so unquoted paths with blanks survive and a
// switch-like text inside a path ("data-old/x.bin") is never cut.
LauncherRequest ParseLauncherCommandLine(const std::vector<std::string>& arguments);

// True when the text after the name's last "." is exactly "bft" (letter case counts).
bool HasTemplateExtension(std::string_view name);

// The usage text, four lines.
extern const char* const kUsageText;

// Where the converted file goes: the output directory (a "/" added when missing) followed by
// the file name of source.
std::string DestinationInDirectory(const std::string& outputDirectory, const std::string& source);

}  // namespace pelcon::launcher
