// pelcon-cli.exe: the subcommands as a Windows console program, beside the windowed Pelcon.exe.

#include <string>
#include <vector>

#include "cli/subcommands.hpp"

int main(int argc, char** argv) {
  return pelcon::cli::RunSubcommand("pelcon-cli", std::vector<std::string>(argv + 1, argv + argc));
}
