#pragma once

#include <QByteArray>
#include <QChart>
#include <QSize>
#include <optional>
#include <string>

#include "plot/image_format.hpp"

namespace pelcon::plot {

// The chart drawn at the size, as the bytes of a PNG or SVG file. A LogChart is drawn again for
// the plot area of that size first.
QByteArray RenderChart(QChart& chart, QSize size, ImageFormat format);

// Writes the chart to path, in the format its extension names, as a new output: staged and
// named when complete, never through a symbolic link, an existing file replaced only when asked.
// False with the reason in error (which says "exists" when the file is there and stays).
bool WriteChartImage(QChart& chart, QSize size, const std::string& path, bool replaceExisting,
                     std::string& error);

}  // namespace pelcon::plot
