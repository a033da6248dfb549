#pragma once

// USER values of a multiparameter (Vorta) file: the user's field calibration (a channel
// calibration record of block 76, or block 83 for turbidity) applied to a BASE value.

#include <optional>

#include "logfile/calibration_inputs.hpp"
#include "logfile/log_blocks.hpp"

namespace pelcon {

// What a user calibration works on besides its record.
struct UserCalibrationInput {
  int parameterType;        // of the USER slot
  double base;              // the BASE value being calibrated, "a"
  double temperature;       // the row's BASE temperature, "T"
  float pressureReference;  // subtracted from pressures, "c"
};

// The calibrated value by parameter type. Nothing when the record's number of calibration points
// is more than its formula can use (4 or more for type 4, 5 or more for type 22): such a value is
// no reading.
std::optional<double> ApplyUserCalibration(const ChannelCalibrationRecord& record,
                                           const UserCalibrationInput& input);

// The USER value of a code for the row, not yet rounded. Nothing when its BASE value or, where
// the calibration needs it, the row's temperature is missing.
std::optional<double> VortaUser(const CalibrationInputs& in, int code);

}  // namespace pelcon
