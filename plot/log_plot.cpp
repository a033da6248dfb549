#include "plot/log_plot.hpp"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>
#include <string_view>

#include "datalib/julian_time.hpp"
#include "export/column_name_table.hpp"
#include "export/header_report.hpp"
#include "export/template_plan.hpp"
#include "logfile/log_file.hpp"
#include "plan/conversion_plan.hpp"
#include "plan/record_evaluator.hpp"
#include "plan/record_ranges.hpp"

namespace pelcon::plot {
namespace {

std::vector<std::string> EveryColumnName() {
  std::vector<std::string> names;
  for (const ColumnName& column : ColumnNameTable()) names.emplace_back(column.displayName);
  return names;
}

// Elapsed time is what the time axis shows already.
bool IsElapsedTime(const PlanColumn& column) {
  return column.valueName.starts_with("ELAPSED_");
}

bool IsPlottable(const PlanColumn& column) {
  return column.kind == CellKind::kNumber && column.supplied && !IsElapsedTime(column);
}

// The plan's columns in the order their units claim axes. Without a chosen list, the first
// measured quantity other than temperature leads: the table starts with the temperature in two
// units, which would otherwise take both axes.
std::vector<std::size_t> AxisOrder(const ConversionPlan& plan, bool chosen) {
  std::vector<std::size_t> order(plan.Columns().size());
  std::iota(order.begin(), order.end(), 0);
  if (chosen) return order;
  const auto lead = std::find_if(order.begin(), order.end(), [&plan](std::size_t k) {
    const PlanColumn& column = plan.Columns()[k];
    return IsPlottable(column) && !column.valueName.starts_with("DEGREES_");
  });
  if (lead != order.end()) std::rotate(order.begin(), lead, lead + 1);
  return order;
}

constexpr double kNoValue = std::numeric_limits<double>::quiet_NaN();

// Reads records [first, last) into their places; a record without a time stamp gets NaN there.
void ReadRecords(const ConversionPlan& plan, const std::vector<std::size_t>& read,
                 std::size_t first, std::size_t last, LogPlot& plot) {
  RecordEvaluator evaluator(plan);
  for (std::size_t record = first; record < last; ++record) {
    const bool selected = evaluator.Select(record);
    const CellValue time = selected ? evaluator.RecordTime() : CellValue{};
    plot.times[record] =
        time.type == CellValue::Type::kDateTime ? JulianMilliseconds(time.number) : kNoValue;
    for (std::size_t s = 0; s < read.size(); ++s) {
      const CellValue value = selected ? evaluator.Value(read[s]) : CellValue{};
      plot.series[s].values[record] =
          value.type == CellValue::Type::kNumber ? value.number : kNoValue;
    }
  }
}

void DropUntimedRecords(LogPlot& plot) {
  std::size_t kept = 0;
  for (std::size_t record = 0; record < plot.times.size(); ++record) {
    if (std::isnan(plot.times[record])) continue;
    plot.times[kept] = plot.times[record];
    for (PlotSeries& series : plot.series) series.values[kept] = series.values[record];
    ++kept;
  }
  plot.times.resize(kept);
  for (PlotSeries& series : plot.series) series.values.resize(kept);
}

// A logger whose clock was set back mid-file has records out of time order; a chart draws along
// the time axis, so they are put in order (records of the same time keep theirs).
void SortRecordsByTime(LogPlot& plot) {
  if (std::is_sorted(plot.times.begin(), plot.times.end())) return;
  std::vector<std::size_t> order(plot.times.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(),
                   [&plot](std::size_t a, std::size_t b) { return plot.times[a] < plot.times[b]; });
  const auto reorder = [&order](std::vector<double>& values) {
    std::vector<double> sorted(values.size());
    for (std::size_t k = 0; k < order.size(); ++k) sorted[k] = values[order[k]];
    values = std::move(sorted);
  };
  reorder(plot.times);
  for (PlotSeries& series : plot.series) reorder(series.values);
}

}  // namespace

double JulianMilliseconds(double julian) {
  return static_cast<double>(MillisecondsSince1970(julian));
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

LogPlot ReadLogPlot(const LogFile& log, const std::optional<std::vector<std::string>>& columns,
                    std::size_t mostUnits) {
  const std::vector<std::string> names = columns ? *columns : EveryColumnName();
  const ConversionPlan plan(log, TemplateColumnRequests(log, names));
  LogPlot plot;
  plot.title = PlotTitle(log);
  std::vector<std::size_t> read;
  std::vector<std::string_view> units;
  for (const std::size_t k : AxisOrder(plan, columns.has_value())) {
    const PlanColumn& column = plan.Columns()[k];
    if (!IsPlottable(column)) continue;
    if (std::find(units.begin(), units.end(), column.unit) == units.end()) {
      if (units.size() == mostUnits) {
        plot.leftOut.push_back(column.title);
        continue;
      }
      units.push_back(column.unit);
    }
    read.push_back(k);
    plot.series.push_back({column.title, column.unit, {}});
  }
  const std::size_t count = plan.RecordCount();
  plot.times.resize(count);
  for (PlotSeries& series : plot.series) series.values.resize(count);
  ForEachRecordRange(count, [&](std::size_t first, std::size_t last) {
    ReadRecords(plan, read, first, last, plot);
  });
  DropUntimedRecords(plot);
  SortRecordsByTime(plot);
  return plot;
}

}  // namespace pelcon::plot
