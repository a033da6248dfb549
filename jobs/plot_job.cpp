#include "jobs/plot_job.hpp"

#include "jobs/log_opening.hpp"
#include "plot/compensated_plot.hpp"
#include "values/log_file_reader.hpp"

namespace pelcon::jobs {

PlotData ReadPlotData(const PlotOptions& options) {
  PlotData data;
  LogFileReader reader;
  std::string error;
  if (!OpenLogFile(options.logFile, reader, error)) {
    data.error = options.logFile + ": " + error;
    return data;
  }
  if (options.barometricFile.empty()) {
    data.plot = plot::ReadLogPlot(reader.Log(), options.columns, kPlotAxes);
    return data;
  }
  LogFileReader barometric;
  if (!OpenLogFile(options.barometricFile, barometric, error)) {
    data.error = options.barometricFile + ": " + error;
    return data;
  }
  data.plot = plot::ReadCompensatedPlot(reader.Log(), barometric.Log(), error);
  if (!data.plot) data.error = options.logFile + ": " + error;
  return data;
}

}  // namespace pelcon::jobs
