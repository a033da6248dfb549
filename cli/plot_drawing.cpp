#include "cli/plot_drawing.hpp"

#include <QApplication>
#include <cstdio>

#include "datalib/text_codec.hpp"
#include "jobs/log_opening.hpp"
#include "plot/compensated_plot.hpp"
#include "plot/qt/chart_image.hpp"
#include "plot/qt/log_chart.hpp"
#include "values/log_file_reader.hpp"

namespace pelcon::cli {
namespace {

constexpr char kProgram[] = "pelcon plot";
// A chart has two value axes, one unit each.
constexpr std::size_t kAxes = 2;

// The plot of the options; nothing, with the reason printed, when the files do not give one.
std::optional<plot::LogPlot> ReadPlot(const jobs::PlotOptions& options) {
  LogFileReader reader;
  std::string error;
  if (!jobs::OpenLogFile(options.logFile, reader, error)) {
    std::fprintf(stderr, "%s: %s: %s\n", kProgram, options.logFile.c_str(), error.c_str());
    return std::nullopt;
  }
  if (options.barometricFile.empty()) {
    return plot::ReadLogPlot(reader.Log(), options.columns, kAxes);
  }
  LogFileReader barometric;
  if (!jobs::OpenLogFile(options.barometricFile, barometric, error)) {
    std::fprintf(stderr, "%s: %s: %s\n", kProgram, options.barometricFile.c_str(), error.c_str());
    return std::nullopt;
  }
  std::optional<plot::LogPlot> plot =
      plot::ReadCompensatedPlot(reader.Log(), barometric.Log(), error);
  if (!plot) std::fprintf(stderr, "%s: %s: %s\n", kProgram, options.logFile.c_str(), error.c_str());
  return plot;
}

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
  std::optional<plot::LogPlot> plot = ReadPlot(options);
  if (!plot) return 1;
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
