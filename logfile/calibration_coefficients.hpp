#pragma once

// Where the calibration coefficients lie in the header blocks. The blocks are packed structures,
// so coefficients are copied out rather than referenced in place.

#include <array>
#include <cstddef>
#include <cstring>
#include <optional>

#include "logfile/log_blocks.hpp"

namespace pelcon {

// N floats at a byte offset of a block in host byte order.
template <std::size_t N, typename Block>
std::array<float, N> FloatsAt(const Block& block, std::size_t offset) {
  static_assert(sizeof(Block) >= N * sizeof(float));
  std::array<float, N> values;
  std::memcpy(values.data(), reinterpret_cast<const unsigned char*>(&block) + offset,
              sizeof values);
  return values;
}

using CubicCoefficients = std::array<float, 4>;
using BicubicCoefficients = std::array<float, 16>;

// The factory bicubic of a Vorta code (the barometric set for code 3); nothing for a code that
// has none.
std::optional<BicubicCoefficients> FactorySetOfCode(const Block72& block, int code);

// The platinum temperature sensor constants R0, A, Bc.
struct TemperatureSensorConstants {
  float r0;
  float a;
  float bc;
};
TemperatureSensorConstants TemperatureSensorOf(const Block72& block);

enum class ConductivityRange { kLow = 0, kMiddle = 1, kHigh = 2 };
// The range's bicubic (S_13, S_14, S_15) and its cubic (F[19..22], F[23..26], F[27..30]).
BicubicCoefficients ConductivitySet(const Block72& block, ConductivityRange range);
CubicCoefficients ConductivityCubic(const Block72& block, ConductivityRange range);

// The optical oxygen constants O0..O9 (set S_5). A set whose O4 lies outside 100..800 is not a
// calibration; O0..O7 then take the sensor's nominal values.
std::array<float, 10> OpticalOxygenConstants(const Block72& block);

}  // namespace pelcon
