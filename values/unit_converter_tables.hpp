#pragma once

#include <array>

namespace pelcon {

template <std::size_t N>
using UnitFactorTable = std::array<std::array<double, N>, N>;

// result = value x table[from][to], indexed by unit index.

// Pressure and water level: psi, feet, metres, kPa, bar, kgf/cm2, centimetres, inches of water.
extern const UnitFactorTable<8> kPressureLevelFactors;

// Barometric pressure: psi, inches of mercury, bar, millibar, centimetres of water, mm of mercury.
extern const UnitFactorTable<6> kBarometricFactors;

// Redox potential: mV, V.
extern const UnitFactorTable<2> kRedoxFactors;

// The pressure-to-level conversion keeps its own factors between the pure pressure units psi, kPa,
// bar, kgf/cm2 (rows and columns in that order) and between the level units feet, metres,
// centimetres, inches of water.
extern const UnitFactorTable<4> kPurePressureFactors;
extern const UnitFactorTable<4> kLevelFactors;

}  // namespace pelcon
