#include "tests/support/echo_formulas.hpp"

#include "logfile/log_file.hpp"

namespace pelcon::test_support {
namespace {

std::optional<double> Reading(const LogFile& log, const DataRow& row, int rawCode) {
  const StageNameTable& raw = log.StageTable(ValueStage::kRaw);
  std::uint16_t value = 0;
  if (row.GetRaw(raw.NameOf(raw.SlotOfCode(rawCode)), value) == 0) return std::nullopt;
  return value;
}

}  // namespace

std::optional<double> EchoFormulas::Cooked(const LogFile& log, const DataRow& row, int code) const {
  return Reading(log, row, CookedToRawCode(code));
}

std::optional<double> EchoFormulas::Base(const LogFile& log, const DataRow& row, int code) const {
  return Reading(log, row, log.Family().BaseToRawCode(code));
}

std::optional<double> EchoFormulas::User(const LogFile& log, const DataRow& row, int code) const {
  const StageNameTable& base = log.StageTable(ValueStage::kBase);
  double value = 0.0;
  if (row.GetBase(base.NameOf(base.SlotOfCode(code)), value) == 0) return std::nullopt;
  return value;
}

}  // namespace pelcon::test_support
