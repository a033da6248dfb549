#include "launcher/command_line.hpp"

#include <string_view>

#include "platform/path_separator.hpp"

namespace pelcon::launcher {
namespace {

bool IsSwitch(std::string_view argument) {
  return argument.starts_with("-f") || argument.starts_with("-t") || argument.starts_with("-o");
}

std::string Trimmed(std::string_view text) {
  constexpr std::string_view kBlanks = " \t\r\n\v\f";
  const auto first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(kBlanks);
  return std::string(text.substr(first, last - first + 1));
}

// Collects the value of the switch at index, leaving index on the last argument it used.
std::string SwitchValue(const std::vector<std::string>& arguments, std::size_t& index) {
  std::string value = arguments[index].substr(2);
  while (index + 1 < arguments.size() && !IsSwitch(arguments[index + 1])) {
    ++index;
    if (!value.empty()) value += ' ';
    value += arguments[index];
  }
  return Trimmed(value);
}

}  // namespace

const char* const kUsageText =
    "Useage:\n"
    "   -f: bin pathfile for conversion\n"
    "   -t: template pathfile (optional)\n"
    "   -o: output directory for converted file (optional)\n";

LauncherRequest ParseLauncherCommandLine(const std::vector<std::string>& arguments) {
  LauncherRequest request;
  if (arguments.empty()) {
    request.action = LauncherAction::kBatchDialog;
    return request;
  }
  for (const std::string& argument : arguments) {
    if (argument.find('?') != std::string::npos || argument == "-h" || argument == "--help") {
      request.action = LauncherAction::kUsage;
      return request;
    }
  }
  if (arguments[0] == "--version") {
    request.action = LauncherAction::kVersion;
    return request;
  }
  if (arguments[0] == "--register" || arguments[0] == "--unregister") {
    request.action =
        arguments[0] == "--register" ? LauncherAction::kRegister : LauncherAction::kUnregister;
    if (arguments.size() > 1) request.library = arguments[1];
    return request;
  }

  bool logFileGiven = false;
  for (std::size_t index = 0; index < arguments.size(); ++index) {
    if (!IsSwitch(arguments[index])) continue;
    const char letter = arguments[index][1];
    std::string value = SwitchValue(arguments, index);
    if (letter == 'f') {
      if (!logFileGiven) request.conversion.logFilePath = std::move(value);
      logFileGiven = true;
    } else if (letter == 't') {
      if (!request.conversion.templatePath) request.conversion.templatePath = std::move(value);
    } else if (!request.conversion.outputDirectory) {
      request.conversion.outputDirectory = std::move(value);
    }
  }
  if (logFileGiven) {
    request.action = LauncherAction::kConvert;
    return request;
  }

  for (const std::string& argument : arguments) {
    if (!argument.starts_with('-')) {
      request.action = LauncherAction::kEditTemplate;
      request.templateToEdit = argument;
      return request;
    }
  }
  return request;
}

bool HasTemplateExtension(std::string_view name) {
  const std::size_t dot = name.rfind('.');
  return dot != std::string_view::npos && name.substr(dot + 1) == "bft";
}

std::string DestinationInDirectory(const std::string& outputDirectory, const std::string& source) {
  std::string destination = outputDirectory;
  if (destination.empty() || destination.back() != platform::kPathSeparator) {
    destination += platform::kPathSeparator;
  }
  const auto slash = source.find_last_of(platform::kPathSeparator);
  destination += slash == std::string::npos ? source : source.substr(slash + 1);
  return destination;
}

}  // namespace pelcon::launcher
