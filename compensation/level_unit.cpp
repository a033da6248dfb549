#include "compensation/level_unit.hpp"

namespace pelcon {

double MetresIn(double metres, LevelUnit unit) {
  switch (unit) {
    case LevelUnit::kFoot:
      return metres / 0.3048;  // the international foot
    case LevelUnit::kCentimetre:
      return metres * 100;
    default:
      return metres;
  }
}

std::string_view LevelUnitSymbol(LevelUnit unit) {
  switch (unit) {
    case LevelUnit::kFoot:
      return "ft";
    case LevelUnit::kCentimetre:
      return "cm";
    default:
      return "m";
  }
}

std::optional<LevelUnit> LevelUnitOf(std::string_view symbol) {
  for (const LevelUnit unit : {LevelUnit::kMetre, LevelUnit::kFoot, LevelUnit::kCentimetre}) {
    if (symbol == LevelUnitSymbol(unit)) return unit;
  }
  return std::nullopt;
}

}  // namespace pelcon
