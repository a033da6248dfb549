#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "launcher/command_line.hpp"

namespace pelcon::launcher {

// Pelcon.exe takes its command line as one string, the text after the program name. It is split
// into arguments the way the C runtime splits it and then read by the same rules as pelcon's
// argument list: a switch counts only at the start of an argument (the start of the line or
// after white space), a value in quotation marks loses them, and an unquoted value with blanks
// is joined from its arguments with single blanks.
LauncherRequest ParseWindowsCommandLine(std::string_view commandLine);

// Arguments split the way the C runtime splits a command line: blanks separate, quotation marks
// group and are removed, and backslashes are literal except before a quotation mark.
std::vector<std::string> SplitCommandLine(std::string_view commandLine);

}  // namespace pelcon::launcher
