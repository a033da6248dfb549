#include "logfile/families/vorta/calibration_user.hpp"

#include <cmath>
#include <cstdint>

#include "logfile/log_file.hpp"

namespace pelcon {
namespace {

constexpr float kKelvinOffset = 273.15f;
constexpr double kDefaultTemperatureCoefficient = 0.0456;
constexpr double kReferenceTemperature = 25.0;
constexpr std::uint8_t kOwnCoefficientMark = 70;

constexpr int kTemperatureCode = 1;
constexpr int kBarometerCode = 3;
constexpr int kTurbidityCode = 4;
constexpr int kBatteryCode = 5;
constexpr int kTurbidityType = 22;

// The ratio of a calibration temperature to the row's, both in kelvin.
double Kt(float calibrationTemperature, double temperature) {
  return (calibrationTemperature + static_cast<double>(kKelvinOffset)) /
         (temperature + static_cast<double>(kKelvinOffset));
}

double Linear(const CalibrationPair& pair, double a) {
  return a * pair.slope + pair.offset;
}

std::optional<double> IonSelective(const ChannelCalibrationRecord& r, double a, double t) {
  const CalibrationPair* p = r.pairs;
  const CalibrationGroup* g = r.groups;
  if (r.pointCount < 3) return Kt(g[0].f3, t) * p[0].slope * a + p[0].offset;
  if (r.pointCount > 3) return std::nullopt;
  if (a > g[1].f2) return Kt(g[1].f3, t) * p[0].slope * a + p[0].offset;
  return Kt(g[2].f3, t) * p[1].slope * a + p[1].offset;
}

// Exponential temperature compensation to the calibration temperature of the pair in use.
double DissolvedOxygen(const ChannelCalibrationRecord& r, double a, double t) {
  double h = a;
  double reference = kReferenceTemperature;
  double k = kDefaultTemperatureCoefficient;
  switch (r.e) {
    case 7:
      h = Linear(r.pairs[0], a);
      reference = r.groups[0].f3;
      if (r.groups[5].code == kOwnCoefficientMark) k = r.groups[5].f1;
      break;
    case 8:
      h = Linear(r.pairs[1], a);
      reference = r.groups[1].f3;
      break;
    case 9:
      h = Linear(r.pairs[2], a);
      reference = r.groups[2].f3;
      break;
    default:
      break;
  }
  return std::exp((reference - t) * k) * h;
}

double Logarithmic(const ChannelCalibrationRecord& r, double a, double t) {
  double slope = r.pairs[0].slope;
  double offset = r.pairs[0].offset;
  if (r.pointCount == 3) {
    slope = Kt(r.groups[0].f3, t) * r.pairs[0].slope;
    offset = r.pairs[0].offset - r.groups[3].f2 * (slope - r.pairs[0].slope);
  }
  return std::pow(10.0, a * slope + offset);
}

std::optional<double> Turbidity(const ChannelCalibrationRecord& r, double a) {
  int pair = 0;
  switch (r.pointCount) {
    case 3:
      pair = a >= r.groups[1].f2 ? 1 : 0;
      break;
    case 4:
      pair = a >= r.groups[2].f2 ? 2 : a >= r.groups[1].f2 ? 1 : 0;
      break;
    default:
      if (r.pointCount >= 5) return std::nullopt;
      break;
  }
  return Linear(r.pairs[pair], a);
}

// The record of a code's sensor port channel: port code / 10, the second channel for a code
// ending in 2. Codes without a port (pressure, optical oxygen) have none.
const ChannelCalibrationRecord* PortRecord(const Block76& ports, int code) {
  const int port = code / 10;
  if (port < 1 || port > 4) return nullptr;
  const SensorPortEntry& entry = ports.ports[port - 1];
  return code % 10 == 2 ? &entry.second : &entry.first;
}

}  // namespace

std::optional<double> ApplyUserCalibration(const ChannelCalibrationRecord& record,
                                           const UserCalibrationInput& input) {
  const double a = input.base;
  const double t = input.temperature;
  switch (input.parameterType) {
    case 3:
      return a - input.pressureReference;
    case 4:
      return IonSelective(record, a, t);
    case 5:
      return 1e6 / a * record.pairs[1].slope;
    case 7:
      return DissolvedOxygen(record, a, t);
    case 8:
      return Linear(record.pairs[0], a);
    case 13:
    case 16:
    case 17:
      return Logarithmic(record, a, t);
    case 22:
      return Turbidity(record, a);
    default:
      return a;
  }
}

std::optional<double> VortaUser(const CalibrationInputs& in, int code) {
  const std::optional<double> base = in.Base(code);
  if (!base) return std::nullopt;
  if (code == kTemperatureCode || code == kBarometerCode || code == kBatteryCode) return base;
  const std::optional<double> temperature = in.Base(kTemperatureCode);
  if (!temperature) return std::nullopt;

  const LogBlocks& blocks = in.log().Blocks();
  if (code == kTurbidityCode) {
    return ApplyUserCalibration(blocks.block83.user, {kTurbidityType, *base, *temperature, 0.0f});
  }
  const StageNameTable& user = in.log().StageTable(ValueStage::kUser);
  const UserCalibrationInput input{user.ParameterTypeOf(user.SlotOfCode(code)), *base, *temperature,
                                   blocks.block72.pressureReference};
  const ChannelCalibrationRecord* record = PortRecord(blocks.block76, code);
  if (record == nullptr) {
    // Pressure and optical oxygen are calibrated by types that read no record.
    static const ChannelCalibrationRecord kNoCalibration{};
    record = &kNoCalibration;
  }
  return ApplyUserCalibration(*record, input);
}

}  // namespace pelcon
