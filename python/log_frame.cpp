#include "python/log_frame.hpp"

#include <cmath>
#include <limits>

#include "datalib/text_codec.hpp"
#include "export/column_choice.hpp"
#include "jobs/column_listing.hpp"
#include "jobs/inspect_json.hpp"
#include "jobs/log_opening.hpp"
#include "jobs/log_summary.hpp"
#include "plan/conversion_plan.hpp"
#include "plan/record_evaluator.hpp"
#include "plan/record_ranges.hpp"
#include "python/record_time.hpp"
#include "values/log_file_reader.hpp"

namespace pelcon::python {
namespace {

// The columns to plan: the named ones (each must name a column), a template's, or (neither) every
// column the file supplies.
bool ChooseColumns(const FrameRequest& request, ColumnChoice& choice, std::string& error) {
  if (request.columns) {
    std::vector<std::string>& names = choice.columns.emplace();
    for (const std::string& name : *request.columns) {
      std::optional<std::string> column = jobs::TableColumnNamed(name);
      if (!column) {
        error = jobs::UnknownColumnMessage(name);
        return false;
      }
      names.push_back(std::move(*column));
    }
    return true;
  }
  return request.templatePath.empty() || ChooseTemplate(request.templatePath, choice, error);
}

// Evaluates records [first, last) of the columns into their places in frame.
void EvaluateRecords(const ConversionPlan& plan, const std::vector<std::size_t>& columns,
                     std::size_t first, std::size_t last, LogFrame& frame) {
  RecordEvaluator evaluator(plan, ValuePrecision::kComputed);
  const std::size_t records = frame.times.size();
  for (std::size_t record = first; record < last; ++record) {
    evaluator.Select(record);
    frame.times[record] = UnixNanoseconds(evaluator.RecordTime().number);
    double* cell = frame.values.get() + record;
    for (const std::size_t column : columns) {
      if (!evaluator.NumberOf(column, *cell)) *cell = std::numeric_limits<double>::quiet_NaN();
      cell += records;
    }
  }
}

}  // namespace

bool ReadLogFrame(const FrameRequest& request, LogFrame& frame, std::string& error) {
  ColumnChoice choice;
  if (!ChooseColumns(request, choice, error)) return false;
  LogFileReader reader;
  if (!jobs::OpenLogFile(request.path, reader, error)) {
    error = request.path + ": " + error;
    return false;
  }
  const ConversionPlan plan(reader.Log(), ChosenColumnRequests(reader.Log(), choice));
  // Times are the index and site texts the metadata's: the frame holds the number columns.
  std::vector<std::size_t> columns = ChosenColumns(plan, choice);
  std::erase_if(columns,
                [&plan](std::size_t k) { return plan.Columns()[k].kind != CellKind::kNumber; });
  const std::size_t count = plan.RecordCount();
  frame.names.clear();
  for (const std::size_t k : columns) {
    AppendWindows1252AsUtf8(frame.names.emplace_back(), plan.Columns()[k].title);
  }
  frame.values = std::make_unique_for_overwrite<double[]>(columns.size() * count);
  frame.times.assign(count, 0);
  frame.metadata = jobs::InspectJson(request.path, jobs::SummarizeLog(reader.Log()),
                                     jobs::FileColumnListing(reader));

  ForEachRecordRange(count, [&](std::size_t first, std::size_t last) {
    EvaluateRecords(plan, columns, first, last, frame);
  });
  return true;
}

}  // namespace pelcon::python
