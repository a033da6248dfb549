#pragma once

// The factory stages of a multiparameter (Vorta) file: COOKED and BASE values by code.

#include <optional>

#include "logfile/calibration_inputs.hpp"

namespace pelcon {

// Nothing when the value cannot be computed for the row.
std::optional<double> VortaCooked(const CalibrationInputs& in, int code);
std::optional<double> VortaBase(const CalibrationInputs& in, int code);

// The BASE temperature (code 1) of the row; turbidity is compensated with it.
double VortaTemperature(const CalibrationInputs& in);

}  // namespace pelcon
