#include "launcher/windows_command_line.hpp"

namespace pelcon::launcher {

LauncherRequest ParseWindowsCommandLine(std::string_view commandLine) {
  return ParseLauncherCommandLine(SplitCommandLine(commandLine));
}

std::vector<std::string> SplitCommandLine(std::string_view commandLine) {
  std::vector<std::string> arguments;
  std::size_t i = 0;
  const std::size_t size = commandLine.size();
  for (;;) {
    while (i < size && (commandLine[i] == ' ' || commandLine[i] == '\t')) ++i;
    if (i >= size) break;
    std::string argument;
    bool quoted = false;
    while (i < size && (quoted || (commandLine[i] != ' ' && commandLine[i] != '\t'))) {
      std::size_t backslashes = 0;
      while (i < size && commandLine[i] == '\\') {
        ++backslashes;
        ++i;
      }
      if (i < size && commandLine[i] == '"') {
        // 2n backslashes and a quotation mark: n backslashes and the mark groups; 2n + 1: n
        // backslashes and a literal mark.
        argument.append(backslashes / 2, '\\');
        if (backslashes % 2 == 1) {
          argument.push_back('"');
        } else if (quoted && i + 1 < size && commandLine[i + 1] == '"') {
          argument.push_back('"');  // "" inside quotation marks is one literal mark
          ++i;
        } else {
          quoted = !quoted;
        }
        ++i;
      } else {
        argument.append(backslashes, '\\');
        if (i < size && (quoted || (commandLine[i] != ' ' && commandLine[i] != '\t'))) {
          argument.push_back(commandLine[i]);
          ++i;
        }
      }
    }
    arguments.push_back(std::move(argument));
  }
  return arguments;
}

}  // namespace pelcon::launcher
