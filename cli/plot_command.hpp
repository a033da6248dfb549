#pragma once

#include "jobs/options.hpp"

namespace pelcon::cli {

// Draws the plot offscreen (no display needed) into the image file; exit 0, 1 when the file
// cannot be read, plotted or written (or the image exists), 2 when this build has no plots.
int RunPlot(const jobs::PlotOptions& options);

}  // namespace pelcon::cli
