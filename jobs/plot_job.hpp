#pragma once

// The data of a plot of a log file (or of its compensation), for `pelcon plot` and the preview.

#include <optional>
#include <string>

#include "jobs/options.hpp"
#include "plot/log_plot.hpp"

namespace pelcon::jobs {

// A chart has two value axes, one unit each.
inline constexpr std::size_t kPlotAxes = 2;

struct PlotData {
  std::string error;  // why there is no plot: "FILE: reason"
  std::optional<plot::LogPlot> plot;
};

// The series of the options' columns, or of the compensation with the barometric file.
PlotData ReadPlotData(const PlotOptions& options);

}  // namespace pelcon::jobs
