#pragma once

#include <optional>
#include <string>

#include "plot/log_plot.hpp"

namespace pelcon {
class LogFile;
}

namespace pelcon::plot {

// The level logger's raw pressure, the barometric pressure at its records and the compensated
// water column (psi, psi, metres), compensated with the default settings and the level file's own
// density and gravity. Nothing, with the reason in error, when the files cannot be compensated.
std::optional<LogPlot> ReadCompensatedPlot(const LogFile& level, const LogFile& barometric,
                                           std::string& error);

}  // namespace pelcon::plot
