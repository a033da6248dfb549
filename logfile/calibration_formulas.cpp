#include "logfile/calibration_formulas.hpp"

#include "logfile/calibration_polynomials.hpp"
#include "logfile/families/lodax/calibration_lodax.hpp"
#include "logfile/families/vorta/calibration_user.hpp"
#include "logfile/families/vorta/calibration_vorta.hpp"
#include "logfile/log_file.hpp"

namespace pelcon {
namespace {

using Formula = std::optional<double> (*)(const CalibrationInputs&, int);

// A file of neither family has no values to compute.
std::optional<double> ByFamily(const LogFile& log, const DataRow& row, int code, Formula vorta,
                               Formula lodax) {
  const CalibrationInputs in(log, row);
  if (log.IsVorta()) return vorta(in, code);
  if (log.IsLodax()) return lodax(in, code);
  return std::nullopt;
}

}  // namespace

std::optional<double> CalibrationFormulas::Cooked(const LogFile& log, const DataRow& row,
                                                  int code) const {
  return ByFamily(log, row, code, VortaCooked, LodaxCooked);
}

std::optional<double> CalibrationFormulas::Base(const LogFile& log, const DataRow& row,
                                                int code) const {
  return ByFamily(log, row, code, VortaBase, LodaxBase);
}

std::optional<double> CalibrationFormulas::User(const LogFile& log, const DataRow& row,
                                                int code) const {
  const std::optional<double> value = ByFamily(log, row, code, VortaUser, LodaxUser);
  if (!value) return std::nullopt;
  return RoundToSingle(*value);
}

}  // namespace pelcon
