#pragma once

// The calibration arithmetic of the device families behind the log file's StageFormulas: every
// value a pure function of one row's readings, the header blocks and the row's BASE values.
// Stateless, so one instance serves every LogFile.

#include "logfile/stage_formulas.hpp"

namespace pelcon {

class CalibrationFormulas final : public StageFormulas {
 public:
  std::optional<double> Cooked(const LogFile& log, const DataRow& row, int code) const override;
  std::optional<double> Base(const LogFile& log, const DataRow& row, int code) const override;
  // USER values are kept at single precision, as the instruments keep them.
  std::optional<double> User(const LogFile& log, const DataRow& row, int code) const override;
};

}  // namespace pelcon
