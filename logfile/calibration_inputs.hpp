#pragma once

// What a calibration formula reads from one row: raw readings by RAW code and, for USER values,
// the row's BASE values by code. A code reaches the slot its value name finds, as every lookup
// by name does (the later of two equal names).

#include <optional>

#include "datalib/data_row.hpp"

namespace pelcon {

class LogFile;

class CalibrationInputs {
 public:
  CalibrationInputs(const LogFile& log, const DataRow& row) : log_(log), row_(row) {}

  const LogFile& log() const { return log_; }

  // The reading of a RAW code as a float; nothing when the file's records do not carry it.
  std::optional<float> Reading(int rawCode) const;
  // A missing reading counts as 0.
  float ReadingOrZero(int rawCode) const { return Reading(rawCode).value_or(0.0f); }
  // The board temperature reading, the second variable of most polynomials.
  float Board() const { return ReadingOrZero(kBoardCode); }
  bool HasBoard() const { return Reading(kBoardCode).has_value(); }

  // The row's BASE value of a code; nothing when the file lacks it, the row's stages are not
  // computed, or its computation failed.
  std::optional<double> Base(int baseCode) const;

 private:
  static constexpr int kBoardCode = 100;

  const LogFile& log_;
  const DataRow& row_;
};

}  // namespace pelcon
