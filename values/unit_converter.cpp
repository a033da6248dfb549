#include "values/unit_converter.hpp"

#include <array>
#include <limits>

#include "values/unit_converter_formulas.hpp"
#include "values/unit_converter_tables.hpp"

namespace pelcon {
namespace {

using TemperatureFn = double (*)(double x);
using ConductivityFn = double (*)(double x, double celsius);
using OxygenFn = double (*)(double x, double celsius, double inchesHg, double salinity);

template <typename Fn, std::size_t N>
using UnitFunctionTable = std::array<std::array<Fn, N>, N>;

constexpr UnitFunctionTable<TemperatureFn, 2> kTemperatureFunctions = {{
    {[](double x) { return x; }, [](double x) { return x * 1.8 + 32; }},
    {[](double x) { return (x - 32) * 5 * 0.1111111111111111; }, [](double x) { return x; }},
}};

// Specific conductance in uS/cm from total dissolved solids.
double TdsToSpecific(double x) {
  return x * 1.5384615384615385;
}

double TdsToActual(double x, double t) {
  return ActualConductance(TdsToSpecific(x), t);
}

// Units: uS/cm, mS/cm, total dissolved solids, practical salinity, resistivity, specific
// conductance. Salinity cannot be turned back into a conductivity; its row starts from -1.
// Resistivity is its own inverse (1000 / x both ways).
constexpr UnitFunctionTable<ConductivityFn, 6> kConductivityFunctions = {{
    {
        [](double x, double) { return x; },
        [](double x, double) { return x * 0.001; },
        [](double x, double t) { return TotalDissolvedSolids(x, t); },
        [](double x, double t) { return PracticalSalinity(x, t); },
        [](double x, double) { return Resistivity(x); },
        [](double x, double t) { return SpecificConductance(x, t); },
    },
    {
        [](double x, double) { return x * 1000; },
        [](double x, double) { return x; },
        [](double x, double t) { return TotalDissolvedSolids(1000 * x, t); },
        [](double x, double t) { return PracticalSalinity(1000 * x, t); },
        [](double x, double) { return Resistivity(1000 * x); },
        [](double x, double t) { return SpecificConductance(1000 * x, t); },
    },
    {
        [](double x, double t) { return TdsToActual(x, t); },
        [](double x, double t) { return TdsToActual(x, t) * 0.001; },
        [](double x, double) { return x; },
        [](double x, double t) { return PracticalSalinity(TdsToActual(x, t), t); },
        [](double x, double t) { return Resistivity(TdsToActual(x, t)); },
        [](double x, double) { return TdsToSpecific(x); },
    },
    {
        [](double, double) { return -1.0; },
        [](double, double) { return -1 * 0.001; },
        [](double, double t) { return TotalDissolvedSolids(-1, t); },
        [](double x, double) { return x; },
        [](double, double) { return Resistivity(-1); },
        [](double, double t) { return SpecificConductance(-1, t); },
    },
    {
        [](double x, double) { return Resistivity(x); },
        [](double x, double) { return Resistivity(x) * 0.001; },
        [](double x, double t) { return TotalDissolvedSolids(Resistivity(x), t); },
        [](double x, double t) { return PracticalSalinity(Resistivity(x), t); },
        [](double x, double) { return x; },
        [](double x, double t) { return SpecificConductance(Resistivity(x), t); },
    },
    {
        [](double x, double t) { return ActualConductance(x, t); },
        [](double x, double t) { return ActualConductance(x, t) * 0.001; },
        [](double x, double t) { return TotalDissolvedSolids(ActualConductance(x, t), t); },
        [](double x, double t) { return PracticalSalinity(ActualConductance(x, t), t); },
        [](double x, double t) { return Resistivity(ActualConductance(x, t)); },
        [](double x, double) { return x; },
    },
}};

constexpr double kMicromolesPerMilligram = 31.251172;
constexpr double kMilligramsPerMicromole = 0.0319988;

// Units: mg/L, ug/L, percent saturation, umol/L. Percent saturation cannot be turned back into a
// concentration; its row gives -1.
constexpr UnitFunctionTable<OxygenFn, 4> kOxygenFunctions = {{
    {
        [](double x, double, double, double) { return x; },
        [](double x, double, double, double) { return x * 1000; },
        [](double x, double t, double b, double s) { return OxygenSaturationPercent(x, t, b, s); },
        [](double x, double, double, double) { return x * kMicromolesPerMilligram; },
    },
    {
        [](double x, double, double, double) { return x * 0.001; },
        [](double x, double, double, double) { return x; },
        [](double x, double t, double b, double s) {
          return OxygenSaturationPercent(x * 0.001, t, b, s);
        },
        [](double x, double, double, double) { return x * 0.001 * kMicromolesPerMilligram; },
    },
    {
        [](double, double, double, double) { return -1.0; },
        [](double, double, double, double) { return -1.0; },
        [](double x, double, double, double) { return x; },
        [](double, double, double, double) { return -1.0; },
    },
    {
        [](double x, double, double, double) { return x * kMilligramsPerMicromole; },
        [](double x, double, double, double) { return x * kMilligramsPerMicromole * 1000; },
        [](double x, double t, double b, double s) {
          return OxygenSaturationPercent(x * kMilligramsPerMicromole, t, b, s);
        },
        [](double x, double, double, double) { return x; },
    },
}};

bool IsDissolvedOxygenType(int type) {
  return type == kDissolvedOxygenType || type == 28 || type == 29 || type == 30;
}

// The highest unit index of a family, or -1 for a type that has no units at all.
int HighestUnit(int type) {
  switch (type) {
    case kTemperatureType:
    case kRedoxType:
      return 1;
    case kPressureLevelType:
      return 7;
    case kConductivityType:
    case kBarometricType:
      return 5;
    case 4:
    case 13:
    case 16:
    case 17:
    case 22:
      return 0;
    default:
      return IsDissolvedOxygenType(type) ? 3 : -1;
  }
}

bool IsLevelUnit(int unit) {
  return unit == 1 || unit == 2 || unit == 6 || unit == 7;
}

// Position of a pressure unit (psi, kPa, bar, kgf/cm2) or of a level unit (feet, metres,
// centimetres, inches) in its own table.
int PurePressurePosition(int unit) {
  return unit == 0 ? 0 : unit - 2;
}

int LevelPosition(int unit) {
  switch (unit) {
    case 1:
      return 0;
    case 2:
      return 1;
    case 6:
      return 2;
    default:
      return 3;
  }
}

constexpr int kMetres = 2;

}  // namespace

int UnitIndex(int type, int unit) {
  return unit >= 0 && unit <= HighestUnit(type) ? unit : -1;
}

double ConvertUnitsFull(double value, int type, int from, int to, float extra1, float extra2,
                        float extra3) {
  const int f = UnitIndex(type, from);
  const int t = UnitIndex(type, to);
  const bool convertible = type == kTemperatureType || type == kPressureLevelType ||
                           type == kConductivityType || type == kBarometricType ||
                           type == kRedoxType || IsDissolvedOxygenType(type);
  if (!convertible) return value;
  if (f < 0 || t < 0) return std::numeric_limits<double>::quiet_NaN();
  switch (type) {
    case kTemperatureType:
      return kTemperatureFunctions[f][t](value);
    case kPressureLevelType:
      return value * kPressureLevelFactors[f][t];
    case kConductivityType:
      return kConductivityFunctions[f][t](value, extra1);
    case kBarometricType:
      return value * kBarometricFactors[f][t];
    case kRedoxType:
      return value * kRedoxFactors[f][t];
    default:
      return kOxygenFunctions[f][t](value, extra1, extra2, extra3);
  }
}

double ConvertUnits(double value, int type, int from, int to) {
  return ConvertUnitsFull(value, type, from, to, 25.0f, 29.92f, 0.0f);
}

std::uint16_t ConvertPressureToLevel(double value, double& out, int type, int from, int to,
                                     double density, double gravity) {
  out = value;
  if (UnitIndex(type, from) < 0) return kInvalidFromUnit;
  if (UnitIndex(type, to) < 0) return kInvalidToUnit;
  if (type != kPressureLevelType) return kForbiddenPressureLevelPair;

  const bool fromLevel = IsLevelUnit(from);
  const bool toLevel = IsLevelUnit(to);
  if (fromLevel != toLevel && from != 0 && to != 0) return kForbiddenPressureLevelPair;

  if (from == 0 && toLevel) {
    const double metres = value * 6.894757 / (gravity * density);
    out = metres * kLevelFactors[LevelPosition(kMetres)][LevelPosition(to)];
  } else if (fromLevel && to == 0) {
    const double metres = value * kLevelFactors[LevelPosition(from)][LevelPosition(kMetres)];
    out = gravity * (metres * density) * 0.1450377438972831;
  } else if (fromLevel) {
    out = value * kLevelFactors[LevelPosition(from)][LevelPosition(to)];
  } else {
    out = value * kPurePressureFactors[PurePressurePosition(from)][PurePressurePosition(to)];
  }
  return kUnitConversionOk;
}

}  // namespace pelcon
