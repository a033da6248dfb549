#pragma once

#include "jobs/options.hpp"

// The drawing half of `pelcon plot`. It needs Qt, so it lives in a library of its own that the
// program loads only to draw: converting never loads Qt.

namespace pelcon::cli {

// Reads the files and draws the chart offscreen into the image file; exit 0, or 1 when the files
// cannot be read or plotted or the image cannot be written (or exists).
int DrawPlot(const jobs::PlotOptions& options);

}  // namespace pelcon::cli

// The entry point the program looks up in the library.
extern "C" int PelconDrawPlot(const pelcon::jobs::PlotOptions* options);
