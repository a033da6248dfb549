#pragma once

// The calibration arithmetic that turns a row's raw readings into COOKED, BASE and USER values.
// The log file walks the stage tables and asks these formulas for one value at a time; the
// calibration code implements them.

#include <optional>

#include "datalib/data_row.hpp"

namespace pelcon {

class LogFile;

class StageFormulas {
 public:
  virtual ~StageFormulas() = default;

  // Each answers the value of `code` (a code of the stage's table) for the row, or nothing when
  // it cannot be computed. Cooked and Base read only raw readings and the header blocks (Base is
  // also asked for the first row's pressure while loading, before any stage exists). User may
  // read the row's BASE values, which are complete when it is called.
  virtual std::optional<double> Cooked(const LogFile& log, const DataRow& row, int code) const = 0;
  virtual std::optional<double> Base(const LogFile& log, const DataRow& row, int code) const = 0;
  virtual std::optional<double> User(const LogFile& log, const DataRow& row, int code) const = 0;
};

}  // namespace pelcon
