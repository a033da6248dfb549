#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "plan/column_program.hpp"
#include "plan/derived_nodes.hpp"

namespace pelcon {

class LogFile;

// What a column holds.
enum class CellKind { kNumber, kDateTime, kText };

// One column as the caller asks for it.
struct PlanColumnRequest {
  std::string title;      // the column entry as stored (the title line shows it)
  std::string valueName;  // the value it shows ("DEGREES_C"); empty for an entry naming none
  // A text that is the same in every record (the site columns); valueName is then ignored.
  std::optional<std::string> fixedText;
};

// What a column is, decided once per file.
struct PlanColumn {
  std::string title;
  std::string valueName;
  std::string unit;  // the unit's abbreviation ("C", "psi"); empty when the value has none
  CellKind kind = CellKind::kText;
  // kNumber: digits after the point of a fixed format, -1 for a format that fixes none.
  int decimals = -1;
  // kNumber: more than 0 when the value is printed with that many significant digits instead.
  int significantDigits = 0;
  // Whether this file can give the value at all. A column that cannot has no value and the
  // empty cell text in every record, at no cost per record.
  bool supplied = false;
};

// The conversion of one log file with one column list: every column resolved to where its value
// comes from and how it prints, once. Records are then evaluated by RecordEvaluator, one per
// thread, without any lookup by name. Gives the same cell texts as the value dictionary's
// GetCellText (the dictionary is the reference the plan is tested against).
//
// The log file must outlive the plan and every evaluator and must not change meanwhile; a plan
// and its evaluators never change the file, so evaluators may run on several threads at once.
class ConversionPlan {
 public:
  // A file that did not pass its validation supplies no value column.
  ConversionPlan(const LogFile& log, std::span<const PlanColumnRequest> columns);
  ~ConversionPlan();
  ConversionPlan(const ConversionPlan&) = delete;
  ConversionPlan& operator=(const ConversionPlan&) = delete;

  const LogFile& Log() const { return *log_; }
  std::size_t RecordCount() const;
  std::span<const PlanColumn> Columns() const { return columns_; }
  std::span<const ColumnProgram> Programs() const { return programs_; }
  // The derived values the columns need, with the derived values they are computed from.
  const std::vector<DerivedNode>& DerivedValueNodes() const { return derived_.Nodes(); }

 private:
  const LogFile* log_;
  std::vector<PlanColumn> columns_;
  std::vector<ColumnProgram> programs_;
  DerivedNodes derived_;
};

}  // namespace pelcon
