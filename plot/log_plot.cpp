#include "plot/log_plot.hpp"

#include <cmath>
#include <limits>

#include "component/column_name_table.hpp"
#include "component/header_report.hpp"
#include "component/template_plan.hpp"
#include "logfile/log_file.hpp"
#include "plan/conversion_plan.hpp"
#include "plan/record_evaluator.hpp"

namespace pelcon::plot {
namespace {

constexpr double kJulianOf1970 = 2440587.5;

std::vector<std::string> EveryColumnName() {
  std::vector<std::string> names;
  for (const ColumnName& column : ColumnNameTable()) names.emplace_back(column.displayName);
  return names;
}

// Elapsed time is what the time axis shows already.
bool IsElapsedTime(const PlanColumn& column) {
  return column.valueName.starts_with("ELAPSED_");
}

}  // namespace

double JulianMilliseconds(double julian) {
  return std::round((julian - kJulianOf1970) * 86400000.0);
}

std::string PlotTitle(const LogFile& log) {
  std::string title = UnitNameOf(log);
  const auto append = [&title](const std::string& part) {
    if (part.empty()) return;
    if (!title.empty()) title += ", ";
    title += part;
  };
  append("S/N " + std::to_string(log.SerialNumber()));
  append(TestNameOf(log));
  return title;
}

LogPlot ReadLogPlot(const LogFile& log, const std::optional<std::vector<std::string>>& columns) {
  const std::vector<std::string> names = columns ? *columns : EveryColumnName();
  const ConversionPlan plan(log, TemplateColumnRequests(log, names));
  LogPlot plot;
  plot.title = PlotTitle(log);
  std::vector<std::size_t> shown;
  for (std::size_t k = 0; k < plan.Columns().size(); ++k) {
    const PlanColumn& column = plan.Columns()[k];
    if (column.kind != CellKind::kNumber || !column.supplied || IsElapsedTime(column)) continue;
    shown.push_back(k);
    plot.series.push_back({column.title, column.unit, {}});
  }
  const std::size_t count = plan.RecordCount();
  plot.times.reserve(count);
  for (PlotSeries& series : plot.series) series.values.reserve(count);
  RecordEvaluator evaluator(plan);
  for (std::size_t record = 0; record < count && evaluator.Select(record); ++record) {
    const CellValue time = evaluator.RecordTime();
    if (time.type != CellValue::Type::kDateTime) continue;
    plot.times.push_back(JulianMilliseconds(time.number));
    for (std::size_t s = 0; s < shown.size(); ++s) {
      const CellValue value = evaluator.Value(shown[s]);
      plot.series[s].values.push_back(value.type == CellValue::Type::kNumber
                                          ? value.number
                                          : std::numeric_limits<double>::quiet_NaN());
    }
  }
  return plot;
}

}  // namespace pelcon::plot
