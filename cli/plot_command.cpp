#include "cli/plot_command.hpp"

#include <cstdio>
#include <string>

#include "platform/component_activation.hpp"

namespace pelcon::cli {
namespace {

constexpr char kProgram[] = "pelcon plot";

}  // namespace

int RunPlot([[maybe_unused]] const jobs::PlotOptions& options) {
#ifdef PELCON_PLOT_LIBRARY
  // Qt is loaded for plots only, so that the other subcommands run where it is not installed.
  std::string error;
  using DrawFunction = int (*)(const jobs::PlotOptions*);
  const auto draw = reinterpret_cast<DrawFunction>(platform::LibraryFunction(
      platform::ExecutableDirectory() + "/" PELCON_PLOT_LIBRARY, "PelconDrawPlot", error));
  if (draw == nullptr) {
    std::fprintf(stderr, "%s: plots are not available: %s\n", kProgram, error.c_str());
    return 2;
  }
  return draw(&options);
#else
  std::fprintf(stderr,
               "%s: not available in this build: plots need Qt 6 Charts and Svg (the Linux build "
               "with qt6-charts-dev and qt6-svg-dev)\n",
               kProgram);
  return 2;
#endif
}

}  // namespace pelcon::cli
