#include "cli/plot_drawing.hpp"

#include <QApplication>
#include <cstdio>

#include "datalib/text_codec.hpp"
#include "jobs/plot_job.hpp"
#include "plot/qt/chart_image.hpp"
#include "plot/qt/log_chart.hpp"

namespace pelcon::cli {
namespace {

constexpr char kProgram[] = "pelcon plot";
// The columns a chart leaves out (it has axes for two units) are named on stderr.
void ReportLeftOut(const plot::LogPlot& plot, const std::string& logFile) {
  if (plot.leftOut.empty()) return;
  std::string names;
  for (const std::string& name : plot.leftOut) {
    names += (names.empty() ? "" : ", ") + Windows1252AsUtf8(name);
  }
  std::fprintf(stderr, "%s: %s: a plot has axes for two units; not drawn: %s\n", kProgram,
               logFile.c_str(), names.c_str());
}
}  // namespace

int DrawPlot(const jobs::PlotOptions& options) {
  jobs::PlotData data = jobs::ReadPlotData(options);
  if (!data.plot) {
    std::fprintf(stderr, "%s: %s\n", kProgram, data.error.c_str());
    return 1;
  }
  std::optional<plot::LogPlot>& plot = data.plot;
  if (plot->series.empty()) {
    std::fprintf(stderr, "%s: %s: none of the columns is a number the file supplies\n", kProgram,
                 options.logFile.c_str());
    return 1;
  }
  const std::size_t records = plot->times.size();
  ReportLeftOut(*plot, options.logFile);
  // Drawn offscreen, never on a display; the time axis is read in UTC so that the image does
  // not depend on the machine's time zone.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("TZ", "UTC");
  int argc = 1;
  char name[] = "pelcon";
  char* argv[] = {name, nullptr};
  QApplication application(argc, argv);
  plot::LogChart chart(std::move(*plot));
  std::string error;
  if (!plot::WriteChartImage(chart, QSize(options.width, options.height), options.output,
                             options.overwrite, error)) {
    std::fprintf(stderr, "%s: %s\n", kProgram, error.c_str());
    return 1;
  }
  if (!options.quiet) {
    std::printf("plotted     %s -> %s (%zu records)\n", options.logFile.c_str(),
                options.output.c_str(), records);
  }
  return 0;
}

}  // namespace pelcon::cli

extern "C" __attribute__((visibility("default"))) int PelconDrawPlot(
    const pelcon::jobs::PlotOptions* options) {
  return pelcon::cli::DrawPlot(*options);
}
