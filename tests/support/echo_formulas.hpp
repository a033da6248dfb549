#pragma once

// A stand-in for the calibration arithmetic in tests of the log file machinery: every COOKED and
// BASE value is the raw reading it is computed from, every USER value its BASE value. A value
// whose reading the row lacks cannot be computed.

#include "logfile/stage_formulas.hpp"

namespace pelcon::test_support {

class EchoFormulas final : public StageFormulas {
 public:
  std::optional<double> Cooked(const LogFile& log, const DataRow& row, int code) const override;
  std::optional<double> Base(const LogFile& log, const DataRow& row, int code) const override;
  std::optional<double> User(const LogFile& log, const DataRow& row, int code) const override;
};

}  // namespace pelcon::test_support
