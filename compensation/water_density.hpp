#pragma once

namespace pelcon {

// The density of air-free fresh water at standard atmospheric pressure in kg/m3, for a
// temperature in degrees Celsius (0 to 40 is the formula's range).
double FreshWaterDensity(double celsius);

}  // namespace pelcon
