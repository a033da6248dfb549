#include "logfile/calibration_formulas.hpp"

#include "logfile/calibration_inputs.hpp"
#include "logfile/calibration_polynomials.hpp"
#include "logfile/log_file.hpp"

namespace pelcon {

// A file that no family owns has no values to compute: its family computes none.
std::optional<double> CalibrationFormulas::Cooked(const LogFile& log, const DataRow& row,
                                                  int code) const {
  return log.Family().Cooked(CalibrationInputs(log, row), code);
}

std::optional<double> CalibrationFormulas::Base(const LogFile& log, const DataRow& row,
                                                int code) const {
  return log.Family().Base(CalibrationInputs(log, row), code);
}

std::optional<double> CalibrationFormulas::User(const LogFile& log, const DataRow& row,
                                                int code) const {
  const std::optional<double> value = log.Family().User(CalibrationInputs(log, row), code);
  if (!value) return std::nullopt;
  return RoundToSingle(*value);
}

}  // namespace pelcon
