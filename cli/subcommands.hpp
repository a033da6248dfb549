#pragma once

#include <string>
#include <vector>

namespace pelcon::cli {

// Runs `convert`, `inspect`, `columns`, `template`, `compensate` or `plot` from the arguments after
// the program name (the first is the subcommand); returns the exit code. program names the program
// in messages.
int RunSubcommand(const std::string& program, const std::vector<std::string>& arguments);

}  // namespace pelcon::cli
