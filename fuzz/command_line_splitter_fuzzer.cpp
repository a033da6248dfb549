// libFuzzer harness for the Windows launcher's command-line splitter. Whatever its rules, the
// arguments come from the line: none is longer than the line, and together they hold no more
// characters than it and no more arguments than it has characters.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/fuzz_support.hpp"
#include "launcher/windows_command_line.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using pelcon::fuzz::Check;
  const std::vector<std::string> arguments =
      pelcon::launcher::SplitCommandLine(pelcon::fuzz::TextOf(data, size));
  Check(arguments.size() <= size, "more arguments than characters");
  std::size_t characters = 0;
  for (const std::string& argument : arguments) characters += argument.size();
  Check(characters <= size, "the arguments hold more than the line");
  return 0;
}
