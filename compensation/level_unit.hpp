#pragma once

#include <optional>
#include <string_view>

namespace pelcon {

// The unit of the water column and of the levels tied to hand readings.
enum class LevelUnit { kMetre, kFoot, kCentimetre };

double MetresIn(double metres, LevelUnit unit);
// "m", "ft", "cm".
std::string_view LevelUnitSymbol(LevelUnit unit);
// The unit of a symbol; nothing for another text.
std::optional<LevelUnit> LevelUnitOf(std::string_view symbol);

}  // namespace pelcon
