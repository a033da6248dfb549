#include "plot/compensated_plot.hpp"

#include <limits>

#include "compensation/level_log_compensation.hpp"
#include "compensation/log_records.hpp"

namespace pelcon::plot {
namespace {

double ValueOrGap(const std::optional<double>& value) {
  return value.value_or(std::numeric_limits<double>::quiet_NaN());
}

}  // namespace

std::optional<LogPlot> ReadCompensatedPlot(const LogFile& level, const LogFile& barometric,
                                           std::string& error) {
  const std::optional<std::vector<TimedValue>> barometricRecords =
      ReadBarometricRecords(barometric, error);
  if (!barometricRecords) return std::nullopt;
  const LevelLogCompensation compensation =
      CompensateLevelLog(level, *barometricRecords, {}, std::nullopt, std::nullopt);
  if (!compensation.table.error.empty()) {
    error = compensation.table.error;
    return std::nullopt;
  }
  LogPlot plot;
  plot.title = PlotTitle(level);
  PlotSeries pressure{"Pressure", "psi", {}};
  PlotSeries barometricPressure{"Barometric pressure", "psi", {}};
  PlotSeries waterColumn{
      "Water column", std::string(LevelUnitSymbol(compensation.settings.unit)), {}};
  for (const CompensatedRecord& record : compensation.table.records) {
    plot.times.push_back(JulianMilliseconds(record.seconds / 86400.0));
    pressure.values.push_back(record.pressurePsi);
    barometricPressure.values.push_back(ValueOrGap(record.barometricPsi));
    waterColumn.values.push_back(ValueOrGap(record.waterColumn));
  }
  plot.series = {std::move(pressure), std::move(barometricPressure), std::move(waterColumn)};
  return plot;
}

}  // namespace pelcon::plot
