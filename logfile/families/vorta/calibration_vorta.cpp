#include "logfile/families/vorta/calibration_vorta.hpp"

#include <array>

#include "logfile/calibration_coefficients.hpp"
#include "logfile/calibration_polynomials.hpp"
#include "logfile/families/vorta/calibration_turbidity.hpp"
#include "logfile/log_file.hpp"

namespace pelcon {
namespace {

// The molar mass of oxygen, 31.9988 g/mol, in milligrams per micromole.
constexpr double kOxygenSaturationScale = 0.0319988;
constexpr double kPhaseCenter = 32767.5;
constexpr double kPhaseScale = 0.005493248;
constexpr double kAmplitudeCenter = 10922.5;
constexpr double kAmplitudeScale = 0.00009155413;
constexpr double kBatteryScale = 0.001;
constexpr float kOutOfRange = 65535.0f;

// The four-reading sensor stores its temperature under "RAW_OPD_TEMP" (code 161), but its COOKED
// and BASE names find the slots of code 171 (whose RAW name ends in a blank). Those slots read
// the four-reading sensor's temperature when the file has no reading of code 171; otherwise they
// would show a constant.
float OpticalReading(const CalibrationInputs& in, int code) {
  if (code == 171 && !in.Reading(171)) return in.ReadingOrZero(161);
  return in.ReadingOrZero(code);
}

// The optical and diagnostic values every stage derives alike from one reading; nothing for a
// code that is not one of them.
std::optional<double> OpticalValue(const CalibrationInputs& in, int code) {
  const std::array<float, 10> o = OpticalOxygenConstants(in.log().Blocks().block72);
  const double x = OpticalReading(in, code);
  switch (code) {
    case 160:
    case 170:
      return (x - o[1]) / o[0];
    case 161:
    case 171:
      return (x - o[3]) / o[2];
    case 162:
    case 172:
      return (x - o[5]) / o[4];
    case 163:
      return (x - o[7]) / o[6];
    case 176:
      return (x - o[9]) / o[8];
    case 173:
    case 174:
    case 175:
    case 177:
    case 184:
    case 185:
    case 194:
    case 195:
      return x;
    case 180:
    case 181:
    case 190:
    case 191:
      return (x - kPhaseCenter) * kPhaseScale;
    case 182:
    case 183:
    case 192:
    case 193:
      return (x - kAmplitudeCenter) * kAmplitudeScale;
    default:
      return std::nullopt;
  }
}

// P[set of code](reading of code, board); nothing for a code without a factory set.
std::optional<double> FactoryPolynomial(const CalibrationInputs& in, int code) {
  const std::optional<BicubicCoefficients> set = FactorySetOfCode(in.log().Blocks().block72, code);
  if (!set) return std::nullopt;
  return Bicubic(*set, in.ReadingOrZero(code), in.Board());
}

std::optional<double> Pressure(const CalibrationInputs& in) {
  const std::optional<float> pressure = in.Reading(2);
  const std::optional<float> transducer = in.Reading(101);
  if (!pressure || !transducer) return std::nullopt;
  const Block72& factory = in.log().Blocks().block72;
  const double u = Bicubic(*FactorySetOfCode(factory, 2), *pressure, in.Board());
  const double v = Bicubic(*FactorySetOfCode(factory, 101), *transducer, in.Board());
  const Block73& compensation = in.log().Blocks().block73;
  return Bicubic(FloatsAt<16>(compensation, offsetof(Block73, compensation)), u, v);
}

double Barometer(const CalibrationInputs& in) {
  const Block58& settings = in.log().Blocks().block58;
  if (settings.fixedBarometerSwitch == 1) return settings.fixedBarometer;
  return *FactoryPolynomial(in, 3);
}

std::optional<double> Conductivity(const CalibrationInputs& in) {
  const std::optional<float> low = in.Reading(146);
  const std::optional<float> middle = in.Reading(147);
  const std::optional<float> high = in.Reading(148);
  if (!low || !middle || !high) return std::nullopt;
  // A range at its limit reads 0xFFFF: the next lower range takes over.
  ConductivityRange range = ConductivityRange::kHigh;
  float x = *high;
  if (*high == kOutOfRange) {
    range = *middle < kOutOfRange ? ConductivityRange::kMiddle : ConductivityRange::kLow;
    x = range == ConductivityRange::kMiddle ? *middle : *low;
  }
  const Block72& factory = in.log().Blocks().block72;
  const double u = 1e6 / Bicubic(ConductivitySet(factory, range), x, in.Board());
  return 1e6 / Cubic(ConductivityCubic(factory, range), u);
}

std::optional<double> VortaTurbidity(const CalibrationInputs& in) {
  const std::optional<float> low = in.Reading(150);
  const std::optional<float> high = in.Reading(151);
  if (!in.Reading(1) || !low || !high) return std::nullopt;
  const Block72& factory = in.log().Blocks().block72;
  const TurbidityReadings readings{Bicubic(*FactorySetOfCode(factory, 150), *low, in.Board()),
                                   Bicubic(*FactorySetOfCode(factory, 151), *high, in.Board()),
                                   *low == 0.0f};
  return Turbidity(in.log().Blocks().block86, !in.log().IsTurbidityBlockShort(), readings,
                   VortaTemperature(in));
}

}  // namespace

double VortaTemperature(const CalibrationInputs& in) {
  const Block72& factory = in.log().Blocks().block72;
  const TemperatureSensorConstants sensor = TemperatureSensorOf(factory);
  return CallendarVanDusenTemperature(*FactoryPolynomial(in, 1), sensor.r0, sensor.a, sensor.bc);
}

std::optional<double> VortaCooked(const CalibrationInputs& in, int code) {
  if (code == 100) {
    return Cubic(FloatsAt<4>(in.log().Blocks().block72, offsetof(Block72, boardTemperature)),
                 in.Board());
  }
  if (std::optional<double> value = FactoryPolynomial(in, code)) return value;
  if (std::optional<double> value = OpticalValue(in, code)) return value;
  return 0.0;
}

std::optional<double> VortaBase(const CalibrationInputs& in, int code) {
  switch (code) {
    case 1:
      return VortaTemperature(in);
    case 2:
      return Pressure(in);
    case 3:
      return Barometer(in);
    case 4:
      return VortaTurbidity(in);
    case 5:
      return in.ReadingOrZero(5) * kBatteryScale;
    case 11:
    case 12:
    case 21:
    case 25:
    case 31:
    case 32:
    case 41:
    case 42:
      return FactoryPolynomial(in, code);
    case 45:
      return Conductivity(in);
    case 160:
    case 170: {
      const auto o = OpticalOxygenConstants(in.log().Blocks().block72);
      return (in.ReadingOrZero(code) - o[1]) * kOxygenSaturationScale / o[0];
    }
    default:
      return OpticalValue(in, code).value_or(0.0);
  }
}

}  // namespace pelcon
