#pragma once

#include <cstdint>

namespace pelcon {

// Parameter types (the channel types of the value dictionary) that select a unit family.
inline constexpr int kTemperatureType = 2;
inline constexpr int kPressureLevelType = 3;
inline constexpr int kConductivityType = 5;
inline constexpr int kBarometricType = 6;
inline constexpr int kDissolvedOxygenType = 7;
inline constexpr int kRedoxType = 8;

// Statuses of ConvertPressureToLevel.
inline constexpr std::uint16_t kUnitConversionOk = 0;
inline constexpr std::uint16_t kInvalidFromUnit = 5077;
inline constexpr std::uint16_t kInvalidToUnit = 5078;
inline constexpr std::uint16_t kForbiddenPressureLevelPair = 5079;

// The unit if it is valid for the parameter type, else -1.
int UnitIndex(int type, int unit);

// Converts within one unit family. extra1 is the temperature in degrees Celsius (conductivity and
// dissolved oxygen), extra2 the barometric pressure in inches of mercury and extra3 the salinity
// (dissolved oxygen). A type without a family returns the value unchanged; a unit index that the
// family does not have gives NaN, so that no unconverted number is passed off as converted.
double ConvertUnitsFull(double value, int type, int from, int to, float extra1, float extra2,
                        float extra3);

// ConvertUnitsFull at 25 degrees Celsius, 29.92 inches of mercury and salinity 0.
double ConvertUnits(double value, int type, int from, int to);

// Converts between pressure and water level units (type 3) with the water density in g/cm3 and
// gravity in m/s2. out holds the value itself unless the status is kUnitConversionOk. Families
// other than pressure and level have no such pair and give kForbiddenPressureLevelPair.
std::uint16_t ConvertPressureToLevel(double value, double& out, int type, int from, int to,
                                     double density, double gravity);

}  // namespace pelcon
