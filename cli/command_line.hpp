#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "cli/compensate_command.hpp"
#include "cli/convert_command.hpp"
#include "jobs/options.hpp"

namespace pelcon::cli {

// Whether a first argument selects the subcommand interface. No usage of the classic command
// line can start with one of these words.
bool IsSubcommandName(std::string_view firstArgument);

// A parse that ends the program at once: help was shown (exit 0) or a usage error was reported
// on stderr (exit 2).
struct ParseEnd {
  int exitCode;
  std::string usageError;  // the message printed for a usage error, without the program's name
};

using ParsedCommand = std::variant<ParseEnd, ConvertCommand, jobs::InspectOptions,
                                   jobs::ColumnsOptions, jobs::TemplateNewOptions,
                                   jobs::TemplateShowOptions, CompensateCommand, jobs::PlotOptions>;

// Parses the arguments after the program name, GNU style: --help on every subcommand, "--" ends
// the options, errors name the program and the offending argument.
ParsedCommand ParseCommandLine(const std::string& program,
                               const std::vector<std::string>& arguments);

}  // namespace pelcon::cli
