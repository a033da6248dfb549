#include "launcher/windows_command_line.hpp"

#include <algorithm>
#include <array>

namespace pelcon::launcher {
namespace {

constexpr std::string_view kBlanks = " \t\r\n";

std::string Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return std::string(text.substr(first, text.find_last_not_of(kBlanks) - first + 1));
}

// The value after the switch found at start: up to the nearest of the other switches lying ahead.
std::string ValueAfter(std::string_view line, std::size_t start,
                       const std::array<std::size_t, 2>& others) {
  const std::size_t from = start + 2;
  std::size_t end = line.size();
  for (std::size_t other : others) {
    if (other != std::string_view::npos && other > start) end = std::min(end, other);
  }
  return from < end ? Trimmed(line.substr(from, end - from)) : std::string();
}

}  // namespace

WindowsLauncherAction ClassifyCommandLine(std::string_view commandLine) {
  if (commandLine.find_first_not_of(kBlanks) == std::string_view::npos)
    return WindowsLauncherAction::kBatchDialog;
  if (commandLine.find('?') != std::string_view::npos) return WindowsLauncherAction::kUsage;
  if (commandLine.find("-f") != std::string_view::npos) return WindowsLauncherAction::kConvert;
  return WindowsLauncherAction::kEditTemplate;
}

ConversionArguments CutConversionArguments(std::string_view commandLine) {
  const std::size_t f = commandLine.find("-f");
  const std::size_t t = commandLine.find("-t");
  const std::size_t o = commandLine.find("-o");
  ConversionArguments arguments;
  if (f != std::string_view::npos) arguments.logFilePath = ValueAfter(commandLine, f, {t, o});
  if (t != std::string_view::npos) arguments.templatePath = ValueAfter(commandLine, t, {f, o});
  if (o != std::string_view::npos) arguments.outputDirectory = ValueAfter(commandLine, o, {f, t});
  return arguments;
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

std::string FirstPlainArgument(std::string_view commandLine) {
  for (std::string& argument : SplitCommandLine(commandLine)) {
    if (argument.empty() || (argument.front() != '-' && argument.front() != '/')) return argument;
  }
  return {};
}

bool HasTemplateExtension(std::string_view name) {
  const std::size_t dot = name.rfind('.');
  return dot != std::string_view::npos && name.substr(dot + 1) == "bft";
}

}  // namespace pelcon::launcher
