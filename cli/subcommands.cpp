#include "cli/subcommands.hpp"

#include <cstdio>

#include "cli/columns_command.hpp"
#include "cli/command_line.hpp"
#include "cli/compensate_command.hpp"
#include "cli/convert_command.hpp"
#include "cli/inspect_command.hpp"
#include "cli/plot_command.hpp"
#include "cli/template_command.hpp"

namespace pelcon::cli {
namespace {

struct Runner {
  int operator()(const ParseEnd& end) const { return end.exitCode; }
  int operator()(const ConvertCommand& command) const { return RunConvert(command); }
  int operator()(const jobs::InspectOptions& options) const { return RunInspect(options); }
  int operator()(const jobs::ColumnsOptions& options) const { return RunColumns(options); }
  int operator()(const jobs::TemplateNewOptions& options) const { return RunTemplateNew(options); }
  int operator()(const jobs::TemplateShowOptions& options) const {
    return RunTemplateShow(options);
  }
  int operator()(const CompensateCommand& command) const { return RunCompensate(command); }
  int operator()(const jobs::PlotOptions& options) const { return RunPlot(options); }
};

}  // namespace

int RunSubcommand(const std::string& program, const std::vector<std::string>& arguments) {
  const int exitCode = std::visit(Runner{}, ParseCommandLine(program, arguments));
  // Output that could not be written (a closed pipe, a full disk) is a failure too.
  if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
    std::fprintf(stderr, "%s: the output could not be written\n", program.c_str());
    return exitCode == 0 ? 1 : exitCode;
  }
  return exitCode;
}

}  // namespace pelcon::cli
