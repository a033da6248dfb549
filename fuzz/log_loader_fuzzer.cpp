// libFuzzer harness: any bytes go through the loader, and the first rows of a file that opens are
// made current once, so the calibration arithmetic sees whatever the header blocks hold. Later
// rows take the same paths with other readings; skipping them keeps the runs fast.

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "fuzz/fuzz_support.hpp"
#include "logfile/calibration_formulas.hpp"
#include "logfile/log_loader.hpp"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // Zero start stamps and Event records without seconds read the clock; keep runs repeatable.
  setenv("PELCON_NOW", "2010-06-01 12:00:00", 1);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const pelcon::CalibrationFormulas formulas;
  pelcon::LogFile log(formulas);
  if (!pelcon::LogLoader::Load({data, size}, log)) {
    pelcon::fuzz::Check(log.RowCount() == 0 && log.LoadProblems().empty(),
                        "a file that does not open keeps rows or problems");
    return 0;
  }
  constexpr std::size_t kRowsToEvaluate = 16;
  for (std::size_t i = 0; i < log.RowCount() && i < kRowsToEvaluate; ++i) {
    if (log.FetchRow(i) != nullptr) log.ReleaseRow(i);
  }
  return 0;
}
