#include "logfile/families/lodax/calibration_lodax.hpp"

#include "logfile/calibration_coefficients.hpp"
#include "logfile/calibration_polynomials.hpp"
#include "logfile/log_file.hpp"

namespace pelcon {
namespace {

constexpr int kTemperatureCode = 1;
constexpr int kPressureCode = 2;
constexpr int kBarometerCode = 3;

CubicCoefficients TemperatureCubic(const CalibrationInputs& in) {
  return FloatsAt<4>(in.log().Blocks().block31, offsetof(Block31, temperature));
}

}  // namespace

std::optional<double> LodaxCooked(const CalibrationInputs& in, int code) {
  const std::optional<float> reading = in.Reading(code);
  if (!reading) return std::nullopt;
  return Cubic(TemperatureCubic(in), *reading);
}

std::optional<double> LodaxBase(const CalibrationInputs& in, int code) {
  if (!in.HasBoard()) return std::nullopt;
  if (code == kTemperatureCode) return Cubic(TemperatureCubic(in), in.Board());
  if (code != kPressureCode && code != kBarometerCode) return std::nullopt;
  const std::optional<float> pressure = in.Reading(code);
  if (!pressure) return std::nullopt;
  return Bicubic(FloatsAt<16>(in.log().Blocks().block31, offsetof(Block31, pressure)), *pressure,
                 in.Board());
}

std::optional<double> LodaxUser(const CalibrationInputs& in, int code) {
  if (code != kTemperatureCode && code != kPressureCode && code != kBarometerCode) {
    return std::nullopt;
  }
  return in.Base(code);
}

}  // namespace pelcon
