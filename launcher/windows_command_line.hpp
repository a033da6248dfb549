#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "launcher/command_line.hpp"

namespace pelcon::launcher {

// Pelcon.exe takes its command line as one string, the text after the program name, and reads
// it by plain substring search, as its users have always typed it.

enum class WindowsLauncherAction {
  kBatchDialog,   // nothing on the command line
  kUsage,         // a "?" anywhere
  kConvert,       // a "-f" anywhere (and no "?")
  kEditTemplate,  // anything else: the first plain argument may name a template
};

WindowsLauncherAction ClassifyCommandLine(std::string_view commandLine);

// The three values of a conversion. Each runs from right after its switch ("-f", "-t", "-o", the
// first occurrence of each) to the next of the other two switches that lies ahead of it, or to
// the end, and is trimmed of white space; quotation marks stay. The template and the output
// directory are absent when their switch is.
ConversionArguments CutConversionArguments(std::string_view commandLine);

// Arguments split the way the C runtime splits a command line: blanks separate, quotation marks
// group and are removed, and backslashes are literal except before a quotation mark.
std::vector<std::string> SplitCommandLine(std::string_view commandLine);

// The first argument that does not start with "-" or "/"; empty when there is none.
std::string FirstPlainArgument(std::string_view commandLine);

// True when the text after the name's last "." is exactly "bft" (letter case counts).
bool HasTemplateExtension(std::string_view name);

}  // namespace pelcon::launcher
