#pragma once

// The stages of a level logger (Lodax) file: one temperature cubic and one pressure bicubic
// (block 31); USER values are the BASE values.

#include <optional>

#include "logfile/calibration_inputs.hpp"

namespace pelcon {

std::optional<double> LodaxCooked(const CalibrationInputs& in, int code);
std::optional<double> LodaxBase(const CalibrationInputs& in, int code);
std::optional<double> LodaxUser(const CalibrationInputs& in, int code);

}  // namespace pelcon
