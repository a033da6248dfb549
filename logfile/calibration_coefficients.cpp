#include "logfile/calibration_coefficients.hpp"

#include <algorithm>

namespace pelcon {
namespace {

constexpr int kFirstSet = 31;
constexpr int kSetSize = 16;

// The table starts at byte 32 of block 72.
constexpr std::size_t kFactoryTableOffset = offsetof(Block72, table);

// F[first] .. F[first + N - 1].
template <std::size_t N>
std::array<float, N> FactoryFloats(const Block72& block, int first) {
  return FloatsAt<N>(block, kFactoryTableOffset + sizeof(float) * static_cast<std::size_t>(first));
}

BicubicCoefficients FactorySet(const Block72& block, int set) {
  return FactoryFloats<16>(block, kFirstSet + kSetSize * set);
}

}  // namespace

std::optional<BicubicCoefficients> FactorySetOfCode(const Block72& block, int code) {
  int set;
  switch (code) {
    case 3:
      return FactoryFloats<16>(block, 0);  // the barometric set
    case 1:
      set = 0;
      break;
    case 101:
      set = 1;
      break;
    case 2:
      set = 2;
      break;
    case 150:
      set = 3;
      break;
    case 151:
      set = 4;
      break;
    case 11:
      set = 6;
      break;
    case 12:
      set = 7;
      break;
    case 31:
      set = 8;
      break;
    case 32:
      set = 9;
      break;
    case 41:
      set = 10;
      break;
    case 42:
      set = 11;
      break;
    case 21:
      set = 12;
      break;
    case 146:
      set = 13;
      break;
    case 147:
      set = 14;
      break;
    case 148:
      set = 15;
      break;
    case 25:
      set = 16;
      break;
    default:
      return std::nullopt;
  }
  return FactorySet(block, set);
}

TemperatureSensorConstants TemperatureSensorOf(const Block72& block) {
  const std::array<float, 3> f = FactoryFloats<3>(block, 16);
  return {f[0], f[1], f[2]};
}

BicubicCoefficients ConductivitySet(const Block72& block, ConductivityRange range) {
  return FactorySet(block, 13 + static_cast<int>(range));
}

CubicCoefficients ConductivityCubic(const Block72& block, ConductivityRange range) {
  return FactoryFloats<4>(block, 19 + 4 * static_cast<int>(range));
}

std::array<float, 10> OpticalOxygenConstants(const Block72& block) {
  std::array<float, 10> o = FactoryFloats<10>(block, kFirstSet + 5 * kSetSize);
  if (!(o[4] >= 100.0f && o[4] <= 800.0f)) {
    static constexpr float kNominal[8] = {100.0f,    5000.0f, 1191.545f, 5957.727f,
                                          728.1667f, 0.0f,    100.0f,    0.0f};
    std::copy(std::begin(kNominal), std::end(kNominal), o.begin());
  }
  return o;
}

}  // namespace pelcon
